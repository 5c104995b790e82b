// Fuzzes the ITN reader (both name encodings and the packed wide names) and its writer.
#include <cstddef>
#include <cstdint>

#include "text_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wayloom;
    // A lone surrogate (from a packed wide name) cannot be written as UTF-8.
    fuzz::RoundTrip({reinterpret_cast<const char*>(data), size}, FileKind::Itn, FileKind::Itn,
                    [](const Session& session, int row) {
                        return !fuzz::HasLoneSurrogate(session.table.text(row, ColumnName));
                    });
    return 0;
}
