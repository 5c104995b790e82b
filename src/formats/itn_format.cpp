#include "formats/itn_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "formats/format_dispatch.h"
#include "formats/text_codec.h"
#include "model/entry_name.h"

namespace wayloom {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// A field's bytes as characters, one per byte, in `text`: coordinates are read from these.
void Widen(std::string_view bytes, std::u16string& text) {
    text.resize(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
}

// The whole number a field of an optional sign and one to nine digits gives, as nearly every field
// of a file is; nullopt for anything else.
std::optional<std::int64_t> ShortInteger(std::string_view field) {
    const bool negative = !field.empty() && field[0] == '-';
    if (!field.empty() && (field[0] == '-' || field[0] == '+')) field.remove_prefix(1);
    if (field.empty() || field.size() > 9) return std::nullopt;
    std::int64_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The display text of a LON or LAT field in `text`, empty when the field gives no coordinate.
void ItnCoordinate(std::string_view field, CoordinateKind kind, const CoordinateDisplay& display,
                   std::u16string& text) {
    const double bound = kind == CoordinateKind::Lng ? MaxScaledLng : MaxScaledLat;
    if (const std::optional<std::int64_t> scaled = display.dms ? std::nullopt : ShortInteger(field)) {
        // The general path below gives the same text, through a division and a decimal rounding.
        if (*scaled < -bound || *scaled > bound) {
            text.clear();
            return;
        }
        FormatScaledFiveDecimals(*scaled, text);
        AddCompassLetter(text, kind, display);
        return;
    }
    Widen(field, text);
    if (field.empty()) return;
    const double x = ReadLeadingNumber(text);
    const double n = std::trunc(x < 0 ? x - 0.5 : x + 0.5);
    if ((x == 0 && !IsPlainNumber(text)) || !(n >= -bound && n <= bound)) {
        text.clear();
        return;
    }
    // Like every other coordinate entry, never a negative zero text ("-0.00000").
    const double degrees = x > -0.5 && x <= 0 ? 0.0 : x / 100000;
    text = FormatCoordinate(kind, degrees, display);
}

// One line split into its fields; `next` is where the following line starts.
struct ItnLine {
    std::string_view lon, lat, name;
    bool packedName = false;
    char mark = 0;
    std::size_t next = 0;
};

// Splits the line at `pos` of `all` (the file and its guard). False when the line runs out of the
// guard, which only happens once the line has already run past the end of the file.
bool SplitLine(std::string_view all, std::size_t pos, bool singleByte, ItnLine& line) {
    std::size_t fieldStart = pos;
    const bool packed = singleByte && all.substr(pos, 2) == ">>";
    if (packed) {
        // The name's codes run up to the first code that is CR LF.
        std::size_t code = pos + 2;
        while (code + 1 < all.size() && !(all[code] == '\r' && all[code + 1] == '\n')) code += 2;
        if (code + 1 >= all.size()) return false;
        line.name = all.substr(pos + 2, code - pos - 2);
        fieldStart = code + 2;
    }
    const std::size_t lonEnd = all.find('|', fieldStart);
    if (lonEnd == std::string_view::npos) return false;
    const std::size_t latEnd = all.find('|', lonEnd + 1);
    if (latEnd == std::string_view::npos) return false;
    line.lon = all.substr(fieldStart, lonEnd - fieldStart);
    line.lat = all.substr(lonEnd + 1, latEnd - lonEnd - 1);
    std::size_t markPos;
    if (packed) {
        markPos = latEnd + 1;
        if (markPos < all.size() && all[markPos] == '|') ++markPos;  // an empty name field
    } else {
        const std::size_t nameEnd = all.find('|', latEnd + 1);
        if (nameEnd == std::string_view::npos) return false;
        line.name = all.substr(latEnd + 1, nameEnd - latEnd - 1);
        markPos = nameEnd + 1;
    }
    if (markPos >= all.size()) return false;
    line.packedName = packed;
    line.mark = all[markPos];
    std::size_t next = markPos + 1;
    while (next < all.size() && all[next] == '|') ++next;
    while (next < all.size() && (all[next] == '\r' || all[next] == '\n')) ++next;
    line.next = next;
    return true;
}

void DecodeName(const ItnLine& line, bool singleByte, std::u16string& name) {
    if (line.packedName) {
        name = PackedWideName(line.name);
    } else if (singleByte) {
        Widen(line.name, name);
    } else {
        name.clear();
        DecodeUtf8(line.name, name);
    }
    if (name.size() > MaxNameLength) name.resize(MaxNameLength);
}

void AppendScaled(std::string& out, std::u16string_view plain) {
    if (plain.empty()) {
        out += EmptyCoordinateMark;
        return;
    }
    for (char16_t c : plain)
        if (c != u'.') out += static_cast<char>(c);
}

}  // namespace

bool ExceedsItnDeviceLimit(const Session& session) {
    return session.table.rowCount() - (session.baseRowInserted ? 1 : 0) > ItnDeviceLimit;
}

char16_t UnpackWideCode(std::uint16_t code) {
    if (code >= 0x2100 && code <= 0x21FF) return static_cast<char16_t>(code - 0x2100);
    unsigned b = code;
    if (b < 0x2600) b += 0x100;
    if (b < 0x5D00) b += 0x100;
    const unsigned hi = b >> 8;
    const unsigned lo = b & 0xFF;
    unsigned c = (hi * 213 + lo - 0x1EEC) & 0xFFFF;
    if (lo > 0x5C)
        c = (c - 2) & 0xFFFF;
    else if (lo > 0x25)
        c = (c - 1) & 0xFFFF;
    if (c > 0xA000) c = (c + 0x5000) & 0xFFFF;
    return static_cast<char16_t>(c);
}

std::u16string PackedWideName(std::string_view codes) {
    std::u16string name;
    for (std::size_t i = 0; i + 1 < codes.size(); i += 2) {
        if (codes[i] == '\0') break;
        const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(codes[i]) |
                                                     (static_cast<unsigned char>(codes[i + 1]) << 8));
        name += UnpackWideCode(code);
    }
    return name;
}

FileResult ReadItn(ReadContext& context, std::string_view data) {
    const std::size_t size = data.size();
    // The guard's bytes follow the file: every field search ends in them.
    const std::string_view all(data.data(), size + ReadGuard(FileKind::Itn).size());
    const bool singleByte = data.substr(0, 3) != Utf8Mark;
    const CoordinateDisplay display = context.display();
    bool keepVisited = !context.importing;
    std::size_t pos = singleByte ? 0 : Utf8Mark.size();
    std::u16string name, lng, lat;
    while (pos < size) {
        ItnLine line;
        if (!SplitLine(all, pos, singleByte, line)) return context.Failure(TextId::FileContentWrong);
        pos = line.next;
        DecodeName(line, singleByte, name);
        if (AcceptName(context, name)) {
            ItnMark mark = line.mark >= '0' && line.mark <= '3' ? line.mark - '0' : MarkDestination;
            keepVisited = keepVisited && (mark & VisitedBit);
            if (!keepVisited) mark &= ~VisitedBit;
            ItnCoordinate(line.lon, CoordinateKind::Lng, display, lng);
            ItnCoordinate(line.lat, CoordinateKind::Lat, display, lat);
            AppendEntry(context, name, mark, lng, lat);
        }
        context.Advance(size, std::min(pos, size));
    }
    if (pos != size) return context.Failure(TextId::FileContentWrong);
    return std::nullopt;
}

FileResult WriteItn(WriteContext& context) {
    const WorkTable& table = context.session.table;
    CellText::Scratch scratch;
    const bool utf8 = std::any_of(context.rows.begin(), context.rows.end(), [&](int row) {
        const std::u16string_view name = table.cell(row, ColumnName).view(scratch);
        return std::any_of(name.begin(), name.end(), [](char16_t c) { return c > 0xFF; });
    });
    if (utf8 && !context.out.write(Utf8Mark)) return context.Failure(TextId::DiskWriteDenied);
    BufferedOutput output(context.out);
    std::string& out = output.buffer();
    std::u16string coordinate;
    const std::size_t total = context.rows.size();
    for (std::size_t done = 0; done < total; ++done) {
        context.progress.Report(total, done);
        const int row = context.rows[done];
        AppendScaled(out, PlainCoordinate(context.session, row, ColumnLng, coordinate));
        out += '|';
        AppendScaled(out, PlainCoordinate(context.session, row, ColumnLat, coordinate));
        out += '|';
        const std::u16string_view name = table.cell(row, ColumnName).view(scratch);
        if (utf8)
            EncodeUtf8(name, out);
        else
            for (char16_t c : name) out += static_cast<char>(c);
        out += '|';
        out += static_cast<char>('0' + table.mark(row));
        out += "\r\n";
        if (!output.flushIfFull()) return context.Failure(TextId::DiskWriteDenied);
    }
    if (!output.flush()) return context.Failure(TextId::DiskWriteDenied);
    return std::nullopt;
}

}  // namespace wayloom
