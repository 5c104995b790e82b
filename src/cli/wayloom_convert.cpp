// wayloom-convert: the program's readers and writers on the command line, for converting many files
// and for tests. Messages the window would show in a box go to standard error.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"
#include "app/string_table.h"
#include "app/ui_port.h"
#include "formats/file_kind.h"
#include "formats/file_operation.h"
#include "formats/folder_conversion.h"

namespace wayloom {
namespace {

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

constexpr const char* Usage = R"(Usage:
  wayloom-convert INPUT OUTPUT [--encoding ansi|unicode|utf8] [--check-name] [--favorites-all]
  wayloom-convert --dump INPUT [--check-name] [--favorites-all]
  wayloom-convert --folder DIR --to KIND [--overwrite|--keep]
  wayloom-convert --help

INPUT is read as Open reads it, by its extension: itn, kml, gpx, gpi, csv, asc, poi, and anything
else as tab-separated txt; a file named MapSettings.cfg is read as the device's Favorites.
OUTPUT is written as Save As writes it, by its extension: itn, kml, gpx; gpi becomes itn (the
extension is replaced); csv, asc, poi and any other extension are delimited text in the encoding
given by --encoding (default ansi, that is Windows-1252).

  --check-name      drop entries whose name is already in the table ("Eliminar Todo")
  --favorites-all   with MapSettings.cfg: also the home and the recent destinations
  --dump            print the rows read, one per line: NAME, LNG, LAT, MARK separated by tabs,
                    coordinates in five decimals with a sign, an empty field for an empty cell
  --folder DIR      convert every file of DIR; KIND is itn (every kml, gpx, gpi, csv, asc, poi and
                    txt file into itn) or the target for every itn file: kml, gpx, or csv, asc,
                    poi or txt followed by -ansi, -unicode or -utf8 (for example csv-utf8)
  --overwrite       with --folder: replace existing output files
  --keep            with --folder: pass over files whose output exists
                    (without either, an existing output stops the run)

An itinerary of more than 48 entries is written as ITN without asking. A read-only OUTPUT is not
replaced. Messages go to standard error in UTF-8.
Exit status: 0 success, 1 the operation failed or stopped early, 2 usage error.
)";

// Messages to standard error; the questions answered as a batch run needs.
class ConsoleUi final : public UiPort {
public:
    explicit ConsoleUi(SameFileAnswer sameFile) : sameFile_(sameFile) {}

    MessageAnswer showMessage(std::u16string_view text, MessageIcon, MessageButtons buttons,
                              MessageAnswer) override {
        if (buttons == MessageButtons::Ok) {
            Print(text);
            return MessageAnswer::Ok;
        }
        // A read-only output is not replaced behind the user's back; other questions (the
        // 48-entry one) proceed.
        const std::u16string_view readOnly = Text(TextId::FileReadOnlyRetry);
        if (text.starts_with(readOnly.substr(0, readOnly.find(u'%')))) {
            Print(text.substr(0, text.rfind(u"\n\n")));
            return MessageAnswer::Cancel;
        }
        return buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    DuplicateAnswer askDuplicateName(std::u16string_view) override { return DuplicateAnswer::DropAll; }
    SameFileAnswer askSameFile(std::u16string_view) override { return sameFile_; }

private:
    static void Print(std::u16string_view text) {
        const std::string utf8 = ToUtf8(text);
        std::fprintf(stderr, "%s\n", utf8.c_str());
    }
    SameFileAnswer sameFile_;
};

struct Arguments {
    std::vector<std::string> paths;
    std::optional<std::string> encoding;
    std::optional<std::string> folder;
    std::optional<std::string> to;
    bool dump = false;
    bool checkName = false;
    bool favoritesAll = false;
    bool overwrite = false;
    bool keep = false;
    bool help = false;
};

std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        auto value = [&](std::optional<std::string>& into) {
            if (i + 1 >= argc || into) return false;
            into = argv[++i];
            return true;
        };
        if (argument == "--help" || argument == "-h") arguments.help = true;
        else if (argument == "--dump") arguments.dump = true;
        else if (argument == "--check-name") arguments.checkName = true;
        else if (argument == "--favorites-all") arguments.favoritesAll = true;
        else if (argument == "--overwrite") arguments.overwrite = true;
        else if (argument == "--keep") arguments.keep = true;
        else if (argument == "--encoding") { if (!value(arguments.encoding)) return std::nullopt; }
        else if (argument == "--folder") { if (!value(arguments.folder)) return std::nullopt; }
        else if (argument == "--to") { if (!value(arguments.to)) return std::nullopt; }
        else if (argument.starts_with("--") && argument.size() > 2) return std::nullopt;
        else arguments.paths.emplace_back(argument);
    }
    return arguments;
}

std::optional<int> EncodingValue(const std::string& name) {
    if (name == "ansi") return 0;
    if (name == "unicode") return 1;
    if (name == "utf8") return 2;
    return std::nullopt;
}

// --to KIND as an index of the conversion targets, or -1 for itn.
std::optional<int> TargetIndex(const std::string& kind) {
    if (kind == "itn") return -1;
    for (std::size_t i = 0; i < ConversionTargets.size(); ++i) {
        std::string name = ToUtf8(Text(ConversionTargets[i].text));  // "kml", "csv (UTF-8)" ...
        if (const std::size_t open = name.find(" ("); open != std::string::npos) {
            std::string encoding = name.substr(open + 2, name.size() - open - 3);
            for (char& c : encoding) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (encoding == "utf-8") encoding = "utf8";
            name = name.substr(0, open) + "-" + encoding;
        }
        if (name == kind) return static_cast<int>(i);
    }
    return std::nullopt;
}

FileKind InputKind(const std::u16string& path) {
    std::u16string name(FileNameOf(path));
    for (char16_t& c : name)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return name == u"mapsettings.cfg" ? FileKind::Favorites : OpenKindFromPath(path);
}

bool Open(Session& session, UiPort& ui, const Arguments& arguments, const std::u16string& path) {
    session.options.set(Option::CheckName, arguments.checkName);
    // No output shows the Distancia column, so its distances are not worked out.
    session.options.set(Option::ShowDistance, false);
    FileOperationRequest request{FileOperation::Open, path, InputKind(path)};
    request.includeHomeAndRecent = arguments.favoritesAll;
    return RunFileOperation(session, ui, request);
}

void Dump(const Session& session) {
    const WorkTable& table = session.table;
    std::string out;
    for (int row = 0; row < table.rowCount(); ++row) {
        out += ToUtf8(table.text(row, ColumnName));
        out += '\t';
        out += ToUtf8(table.text(row, ColumnLng));
        out += '\t';
        out += ToUtf8(table.text(row, ColumnLat));
        out += '\t';
        out += static_cast<char>('0' + table.mark(row));
        out += '\n';
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
}

int Run(const Arguments& arguments) {
    if (arguments.folder) {
        const std::optional<int> target = arguments.to ? TargetIndex(*arguments.to) : std::nullopt;
        if (!target || !arguments.paths.empty() || arguments.dump || arguments.encoding ||
            (arguments.overwrite && arguments.keep))
            return ExitUsage;
        ConsoleUi ui(arguments.overwrite ? SameFileAnswer::YesToAll
                     : arguments.keep    ? SameFileAnswer::NoToAll
                                         : SameFileAnswer::Cancel);
        Session session;
        const FolderConversionRequest request{FromUtf8(*arguments.folder), *target < 0,
                                              *target < 0 ? DefaultConversionTarget : *target};
        const FolderConversionResult result = ConvertFolder(session, ui, request);
        return result.failed || result.cancelled ? ExitFailed : ExitOk;
    }
    if (arguments.to || arguments.overwrite || arguments.keep) return ExitUsage;
    ConsoleUi ui(SameFileAnswer::Cancel);
    Session session;
    if (arguments.dump) {
        if (arguments.paths.size() != 1 || arguments.encoding) return ExitUsage;
        const bool ok = Open(session, ui, arguments, FromUtf8(arguments.paths[0]));
        Dump(session);
        return ok ? ExitOk : ExitFailed;
    }
    const std::optional<int> encoding = EncodingValue(arguments.encoding.value_or("ansi"));
    if (arguments.paths.size() != 2 || !encoding) return ExitUsage;
    if (!Open(session, ui, arguments, FromUtf8(arguments.paths[0]))) return ExitFailed;
    const SaveTarget target = SaveTargetFromPath(FromUtf8(arguments.paths[1]), *encoding);
    return RunFileOperation(session, ui, {FileOperation::Save, target.path, target.kind}) ? ExitOk : ExitFailed;
}

}  // namespace
}  // namespace wayloom

int main(int argc, char** argv) {
    const std::optional<wayloom::Arguments> arguments = wayloom::Parse(argc, argv);
    if (arguments && arguments->help) {
        std::fputs(wayloom::Usage, stdout);
        return wayloom::ExitOk;
    }
    const int status = arguments ? wayloom::Run(*arguments) : wayloom::ExitUsage;
    if (status == wayloom::ExitUsage) std::fputs(wayloom::Usage, stderr);
    return status;
}
