// The delimited text formats: comma-separated csv, asc and poi ("LNG,LAT,NAME,MARK"), and
// tab-separated txt ("NAME\tLNG\tLAT\tMARK"), each in ANSI, UTF-16 LE or UTF-8.
#include <algorithm>
#include <vector>

#include "formats/format_dispatch.h"
#include "formats/text_codec.h"
#include "model/entry_name.h"
#include "table/coordinate_cells.h"

namespace wayloom {

namespace {

// Lines longer than this keep only their first characters (field separators count as one each).
constexpr std::size_t MaxLineLength = 303;

// The file's text decoded one line at a time, so that a large file is never held decoded whole.
// Every CR and every LF ends a line. Line ends are ASCII, never part of a longer UTF-8 sequence, so
// decoding line by line gives the characters decoding the whole text would.
class TextLines {
public:
    // `data` is the file; the read guard's line end follows it and ends the last line.
    explicit TextLines(std::string_view data) {
        if (data.substr(0, 2) == "\xFF\xFE") {
            // UTF-16 units from after the mark, the guard's unit included; an odd last byte is
            // ignored, so in a file of odd length the guard is cut and the last line has no end.
            encoding_ = TextEncoding::Unicode;
            bytes_ = std::string_view(data.data() + 2, data.size() / 2 * 2);
        } else if (data.substr(0, 3) == "\xEF\xBB\xBF") {
            encoding_ = TextEncoding::Utf8;
            bytes_ = std::string_view(data.data() + 3, data.size() - 2);
        } else {
            encoding_ = TextEncoding::Ansi;
            bytes_ = std::string_view(data.data(), data.size() + 1);
        }
    }

    TextEncoding encoding() const { return encoding_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t position() const { return position_; }

    // The next line without its line end, in `line`; false after the last line.
    bool next(std::u16string& line) {
        if (position_ >= bytes_.size()) return false;
        const std::size_t unit = encoding_ == TextEncoding::Unicode ? 2 : 1;
        std::size_t end = position_;
        while (end < bytes_.size() && !IsLineEnd(bytes_, end, unit)) end += unit;
        const std::string_view bytes = bytes_.substr(position_, end - position_);
        position_ = std::min(end + unit, bytes_.size());
        line.clear();
        switch (encoding_) {
        case TextEncoding::Ansi: DecodeAnsi(bytes, line); break;
        case TextEncoding::Unicode: DecodeUtf16Le(bytes, line); break;
        case TextEncoding::Utf8: DecodeUtf8(bytes, line); break;
        }
        return true;
    }

private:
    static bool IsLineEnd(std::string_view bytes, std::size_t at, std::size_t unit) {
        return (bytes[at] == '\r' || bytes[at] == '\n') && (unit == 1 || bytes[at + 1] == '\0');
    }

    TextEncoding encoding_ = TextEncoding::Ansi;
    std::string_view bytes_;
    std::size_t position_ = 0;
};

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
    void fields(std::vector<std::u16string_view>& result) const {
        const std::u16string_view kept = std::u16string_view(text).substr(0, MaxLineLength);
        result.clear();
        std::size_t start = 0;
        for (std::size_t separator : separators) {
            if (separator >= kept.size()) break;
            result.push_back(kept.substr(start, separator - start));
            start = separator + 1;
        }
        result.push_back(kept.substr(std::min(start, kept.size())));
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

FileKind DetectedKind(FileKind openKind, TextEncoding encoding) {
    return static_cast<FileKind>(9 + (static_cast<int>(openKind) - 5) * 3 + static_cast<int>(encoding));
}

// Reads a file's lines into rows; the buffers are reused from line to line.
class LineReader {
public:
    // Field positions of longitude, latitude and name; asc coordinates are degrees, minutes and
    // seconds separated by blanks.
    LineReader(ReadContext& context, std::size_t lngField, std::size_t latField, std::size_t nameField, bool asc)
        : context_(context), display_(context.display()), lngField_(lngField), latField_(latField),
          nameField_(nameField), asc_(asc) {}

    // Name, duplicate check, mark, coordinates and row of one line's fields.
    void store(const SplitLine& line) {
        line.fields(fields_);
        if (fields_.size() < 3) return;
        name_ = fields_[nameField_];
        if (!AcceptName(context_, name_)) return;
        coordinate(fields_[lngField_], CoordinateKind::Lng, lng_);
        coordinate(fields_[latField_], CoordinateKind::Lat, lat_);
        AppendEntry(context_, name_, ReadMark(fields_), lng_, lat_);
    }

private:
    void coordinate(std::u16string_view field, CoordinateKind kind, std::u16string& text) {
        if (asc_) {
            text = field;
            if (TrimText(text) == 0) return;
            text = FormatFiveDecimals(ReadCoordinateText(text));
            field = text;
        }
        if (!CoordinateCellText(field, kind, display_, text)) text.clear();
    }

    ReadContext& context_;
    const CoordinateDisplay display_;
    const std::size_t lngField_, latField_, nameField_;
    const bool asc_;
    std::vector<std::u16string_view> fields_;
    std::u16string name_, lng_, lat_;
};

// The characters of one comma-separated line, with its quoting undone.
void SplitCommaLine(std::u16string_view chars, bool asc, SplitLine& line) {
    line.clear();
    bool inQuotes = false;
    std::size_t i = 0;
    while (i < chars.size()) {
        // asc coordinates may be written with minute and second marks: they separate numbers.
        const bool marks = asc && line.separators.size() < 2;
        const auto isMark = [marks](char16_t c) { return marks && (c == u'\'' || c == u'"' || c == u':'); };
        // Characters without a meaning here are copied as one run.
        std::size_t run = i;
        while (run < chars.size() && chars[run] != u',' && chars[run] != u'"' && !isMark(chars[run])) ++run;
        line.text.append(chars.substr(i, run - i));
        i = run;
        if (i == chars.size()) break;
        const char16_t c = chars[i];
        if (isMark(c)) {
            line.text += u' ';
            ++i;
        } else if (c == u'"') {
            std::size_t quotes = 0;
            while (i < chars.size() && chars[i] == u'"') ++quotes, ++i;
            line.text.append(quotes / 2, u'"');
            if (quotes % 2) inQuotes = !inQuotes;
        } else {
            if (inQuotes)
                line.text += c;
            else
                line.endField();
            ++i;
        }
    }
}

void SplitTabLine(std::u16string_view chars, SplitLine& line) {
    line.clear();
    for (std::size_t i = 0;; ++i) {
        const std::size_t tab = std::min(chars.find(u'\t', i), chars.size());
        line.text.append(chars.substr(i, tab - i));
        if (tab == chars.size()) break;
        line.endField();
        i = tab;
    }
}

FileResult WriteLines(WriteContext& context, FileKind kind, bool tab) {
    const auto encoding = static_cast<TextEncoding>(TextEncodingOf(kind));
    const bool alwaysQuote = kind >= FileKind::AscAnsi;
    if (!context.out.write(EncodingMark(encoding))) return context.Failure(TextId::DiskWriteDenied);
    const WorkTable& table = context.session.table;
    BufferedOutput output(context.out);
    CellText::Scratch scratch;
    std::u16string line, lng, lat;
    const std::size_t total = context.rows.size();
    for (std::size_t done = 0; done < total; ++done) {
        context.progress.Report(total, done);
        const int row = context.rows[done];
        const std::u16string_view name = table.cell(row, ColumnName).view(scratch);
        PlainCoordinate(context.session, row, ColumnLng, lng);
        PlainCoordinate(context.session, row, ColumnLat, lat);
        line.clear();
        if (tab) {
            line += name;
            line += u'\t';
            line += lng;
            line += u'\t';
            line += lat;
            line += u'\t';
        } else {
            line += lng;
            line += u',';
            line += lat;
            line += u',';
            if (alwaysQuote || name.find_first_of(u",\"") != std::u16string_view::npos) {
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
        EncodeText(line, encoding, output.buffer());
        if (!output.flushIfFull()) return context.Failure(TextId::DiskWriteDenied);
    }
    if (!output.flush()) return context.Failure(TextId::DiskWriteDenied);
    return std::nullopt;
}

}  // namespace

FileResult ReadCommaText(ReadContext& context, std::string_view data) {
    TextLines lines(data);
    context.kind = DetectedKind(context.kind, lines.encoding());
    const bool asc = TextGroupOf(context.kind) == FileKind::AscAnsi;
    LineReader reader(context, 0, 1, 2, asc);
    std::u16string chars;
    SplitLine line;
    while (lines.next(chars)) {
        SplitCommaLine(chars, asc, line);
        if (!line.skipped()) reader.store(line);
        context.Advance(lines.size(), lines.position());
    }
    return std::nullopt;
}

FileResult ReadTabText(ReadContext& context, std::string_view data) {
    TextLines lines(data);
    context.kind = DetectedKind(FileKind::Txt, lines.encoding());
    LineReader reader(context, 1, 2, 0, false);
    std::u16string chars;
    SplitLine line;
    while (lines.next(chars)) {
        SplitTabLine(chars, line);
        if (!line.skipped() && !line.startsWithSeparator()) reader.store(line);
        context.Advance(lines.size(), lines.position());
    }
    return std::nullopt;
}

FileResult WriteCommaText(WriteContext& context, FileKind kind) { return WriteLines(context, kind, false); }

FileResult WriteTabText(WriteContext& context, FileKind kind) { return WriteLines(context, kind, true); }

}  // namespace wayloom
