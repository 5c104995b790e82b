// Fuzzes the GPX reader and checks that what it reads survives a round trip.
#include <cstddef>
#include <cstdint>

#include "markup_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wayloom::fuzz::ReadAndRoundTrip(wayloom::FileKind::Gpx, {reinterpret_cast<const char*>(data), size});
    return 0;
}
