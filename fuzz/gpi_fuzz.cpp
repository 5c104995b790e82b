// Fuzzes the Garmin GPI reader on exactly the input's bytes (the format has no read guard).
#include <cstddef>
#include <cstdint>

#include "formats/format_dispatch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wayloom;
    Session session;
    UiPort ui;
    ProgressReporter progress;
    ReadContext context(session, ui, progress);
    context.kind = FileKind::Gpi;
    ReadGpi(context, {reinterpret_cast<const char*>(data), size});
    return 0;
}
