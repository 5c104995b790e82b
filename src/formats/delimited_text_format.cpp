// The delimited text formats: comma-separated csv, asc and poi ("LNG,LAT,NAME,MARK"), and
// tab-separated txt ("NAME\tLNG\tLAT\tMARK"), each in ANSI, UTF-16 LE or UTF-8.
#include <charconv>
#include <vector>

#include "formats/format_dispatch.h"
#include "formats/text_codec.h"
#include "model/entry_name.h"
#include "table/coordinate_cells.h"

namespace wayloom {

namespace {

// Lines longer than this keep only their first characters (field separators count as one each).
constexpr std::size_t MaxLineLength = 303;

// The file's text in UTF-16 and its encoding, from its mark. The text ends with the guard's line end.
std::u16string DecodeText(std::string_view data, TextEncoding& encoding) {
    const std::string_view withLineEnd(data.data(), data.size() + 1);
    if (data.substr(0, 2) == "\xFF\xFE") {
        encoding = TextEncoding::Unicode;
        return DecodeUtf16Le(std::string_view(data.data() + 2, data.size()));  // the guard's code unit too
    }
    if (data.substr(0, 3) == "\xEF\xBB\xBF") {
        encoding = TextEncoding::Utf8;
        return DecodeUtf8(withLineEnd.substr(3));
    }
    encoding = TextEncoding::Ansi;
    return DecodeAnsi(withLineEnd);
}

// One line as the splitter leaves it: its characters, where each field separator stands.
struct SplitLine {
    std::u16string text;
    std::vector<std::size_t> separators;

    void clear() {
        text.clear();
        separators.clear();
    }
    void endField() {
        separators.push_back(text.size());
        text += u',';  // a place holder: separators count as one character of the line
    }
    // The fields of the line cut to its first MaxLineLength characters.
    std::vector<std::u16string_view> fields() const {
        const std::u16string_view kept = std::u16string_view(text).substr(0, MaxLineLength);
        std::vector<std::u16string_view> result;
        std::size_t start = 0;
        for (std::size_t separator : separators) {
            if (separator >= kept.size()) break;
            result.push_back(kept.substr(start, separator - start));
            start = separator + 1;
        }
        result.push_back(kept.substr(std::min(start, kept.size())));
        return result;
    }
    // Empty, or a comment: its first character that is not a blank is ';'.
    bool skipped() const {
        const std::size_t first = text.find_first_not_of(u' ');
        if (first == std::u16string::npos) return text.empty();
        bool isSeparator = false;
        for (std::size_t separator : separators) isSeparator = isSeparator || separator == first;
        return !isSeparator && text[first] == u';';
    }
    bool startsWithSeparator() const { return !separators.empty() && separators.front() == 0; }
};

// The mark field's leading integer; outside 0..3, or no field, gives 2.
ItnMark ReadMark(const std::vector<std::u16string_view>& fields) {
    if (fields.size() < 4) return MarkDestination;
    const std::u16string_view field = fields[3];
    std::size_t i = 0;
    while (i < field.size() && (field[i] == u' ' || (field[i] >= u'\t' && field[i] <= u'\r'))) ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == u'-' || field[i] == u'+')) negative = field[i++] == u'-';
    long long value = 0;
    for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i) {
        value = value * 10 + (field[i] - u'0');
        if (value > 3) return MarkDestination;
    }
    if (negative && value != 0) return MarkDestination;
    return static_cast<ItnMark>(value);
}

// A coordinate field of an asc file: degrees, minutes and seconds separated by blanks.
std::u16string AscCoordinate(std::u16string_view field) {
    std::u16string text(field);
    if (TrimText(text) == 0) return {};
    return FormatFiveDecimals(ReadCoordinateText(text));
}

// Name, duplicate check, mark, row and coordinates of one line's fields.
void StoreLine(ReadContext& context, const std::vector<std::u16string_view>& fields, std::size_t lngField,
               std::size_t latField, std::size_t nameField, bool asc) {
    if (fields.size() < 3) return;
    std::u16string name(fields[nameField]);
    if (!AcceptName(context, name)) return;
    const int row = AppendEntry(context, name, ReadMark(fields));
    if (asc) {
        const std::u16string lng = AscCoordinate(fields[lngField]);
        const std::u16string lat = AscCoordinate(fields[latField]);
        if (!lng.empty()) SetCoordinateCell(context.session, lng, row, CoordinateKind::Lng, false);
        if (!lat.empty()) SetCoordinateCell(context.session, lat, row, CoordinateKind::Lat, false);
        return;
    }
    SetCoordinateCell(context.session, fields[lngField], row, CoordinateKind::Lng, false);
    SetCoordinateCell(context.session, fields[latField], row, CoordinateKind::Lat, false);
}

FileKind DetectedKind(FileKind openKind, TextEncoding encoding) {
    return static_cast<FileKind>(9 + (static_cast<int>(openKind) - 5) * 3 + static_cast<int>(encoding));
}

bool IsLineEnd(char16_t c) { return c == u'\r' || c == u'\n'; }

FileResult WriteLines(WriteContext& context, FileKind kind, bool tab) {
    const auto encoding = static_cast<TextEncoding>(TextEncodingOf(kind));
    const bool alwaysQuote = kind >= FileKind::AscAnsi;
    if (!context.out.write(EncodingMark(encoding))) return context.Failure(TextId::DiskWriteDenied);
    const WorkTable& table = context.session.table;
    std::u16string line;
    std::string bytes;
    const std::size_t total = context.rows.size();
    for (std::size_t done = 0; done < total; ++done) {
        context.progress.Report(total, done);
        const int row = context.rows[done];
        const std::u16string name = table.text(row, ColumnName);
        line.clear();
        if (tab) {
            line += name;
            line += u'\t';
            line += PlainCoordinate(context.session, row, ColumnLng);
            line += u'\t';
            line += PlainCoordinate(context.session, row, ColumnLat);
            line += u'\t';
        } else {
            line += PlainCoordinate(context.session, row, ColumnLng);
            line += u',';
            line += PlainCoordinate(context.session, row, ColumnLat);
            line += u',';
            if (alwaysQuote || name.find_first_of(u",\"") != std::u16string::npos) {
                line += u'"';
                for (char16_t c : name) {
                    if (c == u'"') line += u'"';
                    line += c;
                }
                line += u'"';
            } else {
                line += name;
            }
            line += u',';
        }
        line += static_cast<char16_t>(u'0' + table.mark(row));
        line += u"\r\n";
        bytes.clear();
        EncodeText(line, encoding, bytes);
        if (!context.out.write(bytes)) return context.Failure(TextId::DiskWriteDenied);
    }
    return std::nullopt;
}

}  // namespace

FileResult ReadCommaText(ReadContext& context, std::string_view data) {
    TextEncoding encoding;
    const std::u16string text = DecodeText(data, encoding);
    context.kind = DetectedKind(context.kind, encoding);
    const bool asc = TextGroupOf(context.kind) == FileKind::AscAnsi;
    SplitLine line;
    bool inQuotes = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char16_t c = text[i];
        if (IsLineEnd(c)) {
            ++i;
            if (!line.skipped()) StoreLine(context, line.fields(), 0, 1, 2, asc);
            line.clear();
            inQuotes = false;
            context.progress.Report(text.size(), i);
            continue;
        }
        // asc coordinates may be written with minute and second marks: they separate numbers.
        if (asc && line.separators.size() < 2 && (c == u'\'' || c == u'"' || c == u':')) {
            line.text += u' ';
            ++i;
        } else if (c == u'"') {
            std::size_t run = 0;
            while (i < text.size() && text[i] == u'"') ++run, ++i;
            line.text.append(run / 2, u'"');
            if (run % 2) inQuotes = !inQuotes;
        } else {
            if (c == u',' && !inQuotes)
                line.endField();
            else
                line.text += c;
            ++i;
        }
    }
    // A text whose guard was cut (a UTF-16 file of odd length) still ends its last line.
    if (!line.text.empty() && !line.skipped()) StoreLine(context, line.fields(), 0, 1, 2, asc);
    return std::nullopt;
}

FileResult ReadTabText(ReadContext& context, std::string_view data) {
    TextEncoding encoding;
    const std::u16string text = DecodeText(data, encoding);
    context.kind = DetectedKind(FileKind::Txt, encoding);
    SplitLine line;
    auto endLine = [&] {
        if (!line.skipped() && !line.startsWithSeparator()) StoreLine(context, line.fields(), 1, 2, 0, false);
        line.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsLineEnd(c)) {
            endLine();
            context.progress.Report(text.size(), i + 1);
        } else if (c == u'\t') {
            line.endField();
        } else {
            line.text += c;
        }
    }
    if (!line.text.empty()) endLine();
    return std::nullopt;
}

FileResult WriteCommaText(WriteContext& context, FileKind kind) { return WriteLines(context, kind, false); }

FileResult WriteTabText(WriteContext& context, FileKind kind) { return WriteLines(context, kind, true); }

}  // namespace wayloom
