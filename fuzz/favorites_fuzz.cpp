// Fuzzes the Favorites reader on exactly the input's bytes, with and without home and recent
// destinations.
#include <cstddef>
#include <cstdint>

#include "formats/format_dispatch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace wayloom;
    for (const bool includeHomeAndRecent : {false, true}) {
        Session session;
        UiPort ui;
        ProgressReporter progress;
        ReadContext context(session, ui, progress);
        context.kind = FileKind::Favorites;
        ReadFavorites(context, {reinterpret_cast<const char*>(data), size}, includeHomeAndRecent);
    }
    return 0;
}
