#include "formats/itn_format.h"

#include <cmath>

#include "formats/format_dispatch.h"
#include "formats/text_codec.h"
#include "model/entry_name.h"

namespace wayloom {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

// A field's bytes as characters, one per byte: coordinates are read from these.
std::u16string Widen(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) text[i] = static_cast<unsigned char>(bytes[i]);
    return text;
}

// The display text of a LON or LAT field, or empty when the field gives no coordinate.
std::u16string ItnCoordinate(std::string_view field, CoordinateKind kind, const CoordinateDisplay& display) {
    if (field.empty()) return {};
    std::u16string text = Widen(field);
    const double x = ReadLeadingNumber(text);
    if (x == 0 && !IsPlainNumber(text)) return {};
    const double n = std::trunc(x < 0 ? x - 0.5 : x + 0.5);
    const double bound = kind == CoordinateKind::Lng ? MaxScaledLng : MaxScaledLat;
    if (!(n >= -bound && n <= bound)) return {};
    // Like every other coordinate entry, never a negative zero text ("-0.00000").
    const double degrees = x > -0.5 && x <= 0 ? 0.0 : x / 100000;
    return FormatCoordinate(kind, degrees, display);
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

std::u16string DecodeName(const ItnLine& line, bool singleByte) {
    std::u16string name = line.packedName ? PackedWideName(line.name) : singleByte ? Widen(line.name)
                                                                                   : DecodeUtf8(line.name);
    if (name.size() > MaxNameLength) name.resize(MaxNameLength);
    return name;
}

void AppendScaled(std::string& out, const std::u16string& plain) {
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
    while (pos < size) {
        ItnLine line;
        if (!SplitLine(all, pos, singleByte, line)) return context.Failure(TextId::FileContentWrong);
        pos = line.next;
        std::u16string name = DecodeName(line, singleByte);
        if (AcceptName(context, name)) {
            ItnMark mark = line.mark >= '0' && line.mark <= '3' ? line.mark - '0' : MarkDestination;
            keepVisited = keepVisited && (mark & VisitedBit);
            if (!keepVisited) mark &= ~VisitedBit;
            AppendEntry(context, name, mark, ItnCoordinate(line.lon, CoordinateKind::Lng, display),
                        ItnCoordinate(line.lat, CoordinateKind::Lat, display));
        }
        context.progress.Report(size, std::min(pos, size));
    }
    if (pos != size) return context.Failure(TextId::FileContentWrong);
    return std::nullopt;
}

FileResult WriteItn(WriteContext& context) {
    const WorkTable& table = context.session.table;
    bool utf8 = false;
    for (int row : context.rows) {
        const std::u16string name = table.text(row, ColumnName);
        for (char16_t c : name)
            if (c > 0xFF) utf8 = true;
        if (utf8) break;
    }
    if (utf8 && !context.out.write(Utf8Mark)) return context.Failure(TextId::DiskWriteDenied);
    std::string line;
    const std::size_t total = context.rows.size();
    for (std::size_t done = 0; done < total; ++done) {
        context.progress.Report(total, done);
        const int row = context.rows[done];
        line.clear();
        AppendScaled(line, PlainCoordinate(context.session, row, ColumnLng));
        line += '|';
        AppendScaled(line, PlainCoordinate(context.session, row, ColumnLat));
        line += '|';
        const std::u16string name = table.text(row, ColumnName);
        if (utf8)
            EncodeUtf8(name, line);
        else
            for (char16_t c : name) line += static_cast<char>(c);
        line += '|';
        line += static_cast<char>('0' + table.mark(row));
        line += "\r\n";
        if (!context.out.write(line)) return context.Failure(TextId::DiskWriteDenied);
    }
    return std::nullopt;
}

}  // namespace wayloom
