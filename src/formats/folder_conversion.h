#pragma once
// Folder conversion: every readable non-ITN file of a folder into ITN, or every ITN file into one
// chosen format, each written beside its source under the same name with the new extension. Files
// pass through a second, hidden session, so the open document is not touched. The folder browser
// belongs to the caller; the same-file question, the status texts, Escape and the one closing
// message go through UiPort.
#include <array>
#include <string>

#include "app/session.h"
#include "app/string_table.h"
#include "app/ui_port.h"
#include "formats/file_kind.h"

namespace wayloom {

// The "Convertir a" list: item texts and the kinds they write, in order.
struct ConversionTarget {
    TextId text;
    FileKind kind;
};
inline constexpr std::array<ConversionTarget, 14> ConversionTargets{{
    {TextId::ConvertTargetKml, FileKind::Kml},
    {TextId::ConvertTargetGpx, FileKind::Gpx},
    {TextId::ConvertTargetCsvAnsi, FileKind::CsvAnsi},
    {TextId::ConvertTargetCsvUnicode, FileKind::CsvUnicode},
    {TextId::ConvertTargetCsvUtf8, FileKind::CsvUtf8},
    {TextId::ConvertTargetAscAnsi, FileKind::AscAnsi},
    {TextId::ConvertTargetAscUnicode, FileKind::AscUnicode},
    {TextId::ConvertTargetAscUtf8, FileKind::AscUtf8},
    {TextId::ConvertTargetPoiAnsi, FileKind::PoiAnsi},
    {TextId::ConvertTargetPoiUnicode, FileKind::PoiUnicode},
    {TextId::ConvertTargetPoiUtf8, FileKind::PoiUtf8},
    {TextId::ConvertTargetTxtAnsi, FileKind::TxtAnsi},
    {TextId::ConvertTargetTxtUnicode, FileKind::TxtUnicode},
    {TextId::ConvertTargetTxtUtf8, FileKind::TxtUtf8},
}};
inline constexpr int DefaultConversionTarget = 2;  // "csv (ANSI)"

struct FolderConversionRequest {
    std::u16string folder;
    bool toItn = false;
    int target = DefaultConversionTarget;  // index into ConversionTargets when not toItn
};

struct FolderConversionResult {
    int converted = 0;
    bool failed = false;     // a file or the folder could not be converted; the count was not shown
    bool cancelled = false;  // Escape or "Cancelar" ended the run before the last file
};

// Runs the conversion and shows its one message (information icon): the count when the folder was
// done, Escape was pressed or the same-file question was cancelled; otherwise the failure with the
// file's name. `session` provides the options and is otherwise left as it was.
FolderConversionResult ConvertFolder(Session& session, UiPort& ui, const FolderConversionRequest& request);

}  // namespace wayloom
