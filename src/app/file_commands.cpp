#include "app/file_commands.h"

#include <array>

namespace wayloom {

namespace {

constexpr std::array<FileFilterEntry, 8> OpenFilter{{
    {TextId::FilterItn, u"itn", FileKind::Itn},
    {TextId::FilterKml, u"kml", FileKind::Kml},
    {TextId::FilterGpx, u"gpx", FileKind::Gpx},
    {TextId::FilterGpi, u"gpi", FileKind::Gpi},
    {TextId::FilterCommaText, u"csv", FileKind::Csv},
    {TextId::FilterCommaText, u"asc", FileKind::Asc},
    {TextId::FilterOpelNavi, u"poi", FileKind::Poi},
    {TextId::FilterTabText, u"txt", FileKind::Txt},
}};

constexpr std::array<FileFilterEntry, 15> SaveFilter{{
    {TextId::FilterItn, u"itn", FileKind::Itn},
    {TextId::FilterKml, u"kml", FileKind::Kml},
    {TextId::FilterGpx, u"gpx", FileKind::Gpx},
    {TextId::FilterCommaTextAnsi, u"csv", FileKind::CsvAnsi},
    {TextId::FilterCommaTextUnicode, u"csv", FileKind::CsvUnicode},
    {TextId::FilterCommaTextUtf8, u"csv", FileKind::CsvUtf8},
    {TextId::FilterCommaTextAnsi, u"asc", FileKind::AscAnsi},
    {TextId::FilterCommaTextUnicode, u"asc", FileKind::AscUnicode},
    {TextId::FilterCommaTextUtf8, u"asc", FileKind::AscUtf8},
    {TextId::FilterOpelNaviAnsi, u"poi", FileKind::PoiAnsi},
    {TextId::FilterOpelNaviUnicode, u"poi", FileKind::PoiUnicode},
    {TextId::FilterOpelNaviUtf8, u"poi", FileKind::PoiUtf8},
    {TextId::FilterTabTextAnsi, u"txt", FileKind::TxtAnsi},
    {TextId::FilterTabTextUnicode, u"txt", FileKind::TxtUnicode},
    {TextId::FilterTabTextUtf8, u"txt", FileKind::TxtUtf8},
}};

bool IsSaving(FileDialogOperation operation) {
    return operation == FileDialogOperation::SaveAs || operation == FileDialogOperation::Export;
}

// itn, kml, gpx, gpi, csv, asc, poi or txt, without regard to case.
bool HasOpenableExtension(std::u16string_view path) {
    std::u16string extension(ExtensionOf(path));
    for (char16_t& c : extension)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    for (const FileFilterEntry& entry : OpenFilter)
        if (entry.extension == extension) return true;
    return false;
}

}  // namespace

std::span<const FileFilterEntry> OpenFilterEntries() { return OpenFilter; }
std::span<const FileFilterEntry> SaveFilterEntries() { return SaveFilter; }

std::span<const FileFilterEntry> FilterEntries(FileDialogOperation operation) {
    return IsSaving(operation) ? SaveFilterEntries() : OpenFilterEntries();
}

std::u16string_view FilterPattern(const FileFilterEntry& entry) {
    static constexpr std::array<std::u16string_view, 8> patterns{u"*.itn", u"*.kml", u"*.gpx", u"*.gpi",
                                                                 u"*.csv", u"*.asc", u"*.poi", u"*.txt"};
    for (const std::u16string_view pattern : patterns)
        if (pattern.substr(2) == entry.extension) return pattern;
    return u"*.*";
}

std::u16string FilterLabel(const FileFilterEntry& entry) {
    std::u16string label(Text(entry.name));
    label += u" (";
    label += FilterPattern(entry);
    label += u')';
    return label;
}

TextId DialogTitle(FileDialogOperation operation) {
    switch (operation) {
    case FileDialogOperation::Open: return TextId::DialogOpenTitle;
    case FileDialogOperation::SaveAs: return TextId::DialogSaveAsTitle;
    case FileDialogOperation::Import: return TextId::DialogImportTitle;
    case FileDialogOperation::Export: return TextId::DialogExportTitle;
    }
    return TextId::DialogOpenTitle;
}

int PreselectedFilterEntry(FileDialogOperation operation, FileKind kind) {
    const int value = static_cast<int>(kind);
    int entry = value;
    if (IsSaving(operation)) {
        if (kind == FileKind::Gpi) entry = 1;
        else if (value > 4) entry = value - 5;
    } else if (value >= 9) {
        entry = 5 + (value - 9) / 3;
    }
    const int count = static_cast<int>(FilterEntries(operation).size());
    return entry < 1 || entry > count ? 1 : entry;
}

int FilterEntryEncoding(int saveEntry) {
    if (saveEntry <= 3 || saveEntry > static_cast<int>(SaveFilter.size())) return 0;
    return TextEncodingOf(static_cast<FileKind>(saveEntry + 5));
}

FileChoice ChooseFile(FileDialogOperation operation, const FileDialogAnswer& answer) {
    if (!IsSaving(operation)) return {answer.path, OpenKindFromPath(answer.path)};
    SaveTarget target = SaveTargetFromPath(answer.path, FilterEntryEncoding(answer.filterEntry));
    return {std::move(target.path), target.kind};
}

bool SavePrompt(Session& session, UiPort& ui, const std::function<void()>& save) {
    const int rows = session.table.rowCount();
    if (rows == 0 || (rows == 1 && session.baseRowInserted)) {
        return ui.showMessage(FormatText(TextId::DiscardEmptyQuestion, {session.fileTitle}), MessageIcon::Question,
                              MessageButtons::OkCancel, MessageAnswer::Cancel) == MessageAnswer::Ok;
    }
    switch (ui.showMessage(FormatText(TextId::SaveChangesQuestion, {session.fileTitle}), MessageIcon::Question,
                           MessageButtons::YesNoCancel, MessageAnswer::Yes)) {
    case MessageAnswer::No: return true;
    case MessageAnswer::Yes:
        save();
        return session.modified == 0;
    default: return false;
    }
}

std::u16string ComposeTitle(const Session& session) {
    std::u16string title = session.fileTitle;
    if (session.modified) title += u'*';
    title += u" - ";
    title += Text(TextId::ProductName);
    return title;
}

std::optional<std::u16string> AcceptDroppedFiles(UiPort& ui, const std::vector<std::u16string>& paths) {
    if (paths.empty()) return std::nullopt;
    if (paths.size() > 1) {
        ui.showMessage(Text(TextId::DropSeveralFiles), MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
        return std::nullopt;
    }
    if (!HasOpenableExtension(paths.front())) {
        ui.showMessage(FormatText(TextId::DropUnsupportedExtension, {FileNameOf(paths.front())}),
                       MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
        return std::nullopt;
    }
    return paths.front();
}

void ResetToUntitled(Session& session) {
    session.table.clear();
    session.journal.Reset();
    session.fileTitle = Text(TextId::Untitled);
    session.filePath.clear();
    session.fileKind = FileKind::Itn;
    session.modified = 0;
    session.titleDirty = 1;
    session.baseRow = -1;
    session.baseRowInserted = false;
}

}  // namespace wayloom
