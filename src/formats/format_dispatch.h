#pragma once
// The entry points of every reader and writer (see file_io.h for how they use their context), and
// the choice among them by FileKind, shared by RunFileOperation, folder conversion and the converter.
#include <string_view>

#include "formats/file_io.h"

namespace wayloom {

FileResult ReadItn(ReadContext& context, std::string_view data);
FileResult WriteItn(WriteContext& context);

// context.kind 5..7 (csv, asc, poi) or 8 (txt) on entry; set to the detected encoding's kind.
FileResult ReadCommaText(ReadContext& context, std::string_view data);
FileResult ReadTabText(ReadContext& context, std::string_view data);
// kind 9..17 and 18..20.
FileResult WriteCommaText(WriteContext& context, FileKind kind);
FileResult WriteTabText(WriteContext& context, FileKind kind);

FileResult ReadGpx(ReadContext& context, std::string_view data);
FileResult WriteGpx(WriteContext& context);

FileResult ReadKml(ReadContext& context, std::string_view data);
// numbered: the Google Earth view's placemark names; files are written without numbering.
FileResult WriteKml(WriteContext& context, bool numbered = false);

FileResult ReadGpi(ReadContext& context, std::string_view data);

FileResult ReadFavorites(ReadContext& context, std::string_view data, bool includeHomeAndRecent);

// The reader of context.kind (0..8). data carries the kind's read guard (GuardedBytes).
FileResult ReadByKind(ReadContext& context, std::string_view data, bool includeHomeAndRecent = false);
// The writer of a kind that has one (1, 2, 3, 9..20); KML without numbering.
FileResult WriteByKind(WriteContext& context, FileKind kind);

}  // namespace wayloom
