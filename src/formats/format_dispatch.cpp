#include "formats/format_dispatch.h"

namespace wayloom {

FileResult ReadByKind(ReadContext& context, std::string_view data, bool includeHomeAndRecent) {
    FileKind kind = context.kind;
    // A kind already carrying its encoding reads as its group's open kind; the reader detects again.
    if (kind >= FileKind::CsvAnsi) {
        kind = static_cast<FileKind>(5 + (static_cast<int>(kind) - 9) / 3);
        context.kind = kind;
    }
    switch (kind) {
    case FileKind::Favorites: return ReadFavorites(context, data, includeHomeAndRecent);
    case FileKind::Itn: return ReadItn(context, data);
    case FileKind::Kml: return ReadKml(context, data);
    case FileKind::Gpx: return ReadGpx(context, data);
    case FileKind::Gpi: return ReadGpi(context, data);
    case FileKind::Txt: return ReadTabText(context, data);
    default: return ReadCommaText(context, data);
    }
}

FileResult WriteByKind(WriteContext& context, FileKind kind) {
    switch (kind) {
    case FileKind::Itn: return WriteItn(context);
    case FileKind::Kml: return WriteKml(context, false);
    case FileKind::Gpx: return WriteGpx(context);
    default: break;
    }
    if (kind >= FileKind::TxtAnsi && kind <= FileKind::TxtUtf8) return WriteTabText(context, kind);
    if (kind >= FileKind::CsvAnsi && kind <= FileKind::PoiUtf8) return WriteCommaText(context, kind);
    return context.Failure(TextId::FileCannotSave);  // no writer: a Favorites, GPI or undecided text kind
}

}  // namespace wayloom
