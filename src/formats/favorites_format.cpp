// The Favorites file of a TomTom device (MapSettings.cfg), read only: the file is scanned for
// location records, whose layout is known only as far as the fields read here.
#include "formats/favorites_format.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "formats/format_dispatch.h"
#include "formats/itn_format.h"
#include "model/entry_name.h"
#include "online/url_encode.h"

namespace wayloom {

namespace {

using std::string_view;

constexpr std::size_t MinimumRecord = 30;
constexpr int FavoriteType = 3;
constexpr int HomeType = 4;
constexpr int NameLengthBias = 27;  // the length byte holds the name's length plus this

unsigned Byte(string_view data, long long at) { return static_cast<unsigned char>(data[static_cast<std::size_t>(at)]); }
int SignedByte(string_view data, long long at) { return static_cast<std::int8_t>(Byte(data, at)); }
std::int32_t Field32(string_view data, std::size_t at) {
    return static_cast<std::int32_t>(Byte(data, at) | Byte(data, at + 1) << 8 | Byte(data, at + 2) << 16 |
                                     static_cast<std::uint32_t>(Byte(data, at + 3)) << 24);
}

// The fixed fields of a record at p (p + 30 <= size) and the type rule.
bool MatchesRecord(string_view data, std::size_t p, bool includeHomeAndRecent) {
    return Byte(data, p) == 4 && Byte(data, p + 1) == 0 && Byte(data, p + 3) == 0 && Byte(data, p + 4) == 0 &&
           Byte(data, p + 5) == 0 && Byte(data, p + 6) == 8 && Byte(data, p + 7) == 0 && Byte(data, p + 16) == 8 &&
           Byte(data, p + 17) == 0 && (includeHomeAndRecent || Byte(data, p + 2) == FavoriteType);
}

// The name of `length` bytes at `at`: ISO 8859-1, or after ">>" 16-bit codes of a packed wide name.
// The last code of an odd length takes its high byte from the byte after the name, 0 past the file.
std::u16string DecodeFavoriteName(string_view data, std::size_t at, std::size_t length) {
    const string_view bytes = data.substr(at, length);
    std::u16string name;
    if (bytes.starts_with(">>")) {
        for (std::size_t k = 2; k < length; k += 2) {
            const std::size_t high = at + k + 1;
            const unsigned code = Byte(data, static_cast<long long>(at + k)) |
                                  (high < data.size() ? Byte(data, static_cast<long long>(high)) : 0u) << 8;
            name += UnpackWideCode(static_cast<std::uint16_t>(code));
        }
    } else {
        for (const char c : bytes) name += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return name;
}

TextId LabelOf(int type) {
    return type == FavoriteType ? TextId::FavoriteLabel
           : type == HomeType   ? TextId::HomeLabel
                                : TextId::RecentDestinationLabel;
}

std::u16string ScaledText(std::int32_t value, CoordinateKind kind, const CoordinateDisplay& display) {
    const auto text = FormatCheckedCoordinate(true, value, kind, display);
    return text ? *text : std::u16string();
}

}  // namespace

FileResult ReadFavorites(ReadContext& context, std::string_view data, bool includeHomeAndRecent) {
    const WorkTable& table = context.session.table;
    const CoordinateDisplay display = context.display();
    // The first row of each name, for passing over a record already read with the same position.
    std::unordered_map<std::u16string, int> firstRow;
    for (int row = 0; row < table.rowCount(); ++row) firstRow.try_emplace(table.text(row, ColumnName), row);

    const long long size = static_cast<long long>(data.size());
    long long p = 0;
    while (p <= size - static_cast<long long>(MinimumRecord)) {
        context.Advance(data.size(), static_cast<std::size_t>(p));
        if (!MatchesRecord(data, static_cast<std::size_t>(p), includeHomeAndRecent)) {
            ++p;
            continue;
        }
        // The offsets lead to the name's length byte q; positions past the end end the scan, and a
        // position before the file's start means this was no record.
        const long long o1 = SignedByte(data, p + 26);
        if (p + o1 >= size) break;
        if (p + o1 < 0) {
            ++p;
            continue;
        }
        const long long q = p + o1 + SignedByte(data, p + o1) - 26;
        if (q >= size) break;
        if (q < 0) {
            ++p;
            continue;
        }
        const long long length = SignedByte(data, q) - NameLengthBias;
        if (q + length >= size) break;
        // Whatever the offsets say, the scan moves forward.
        const long long afterName = std::max(q + 1 + std::max(length, 0LL), p + 1);

        std::u16string name =
            DecodeFavoriteName(data, static_cast<std::size_t>(q + 1), static_cast<std::size_t>(std::max(length, 0LL)));
        if (CleanEntryName(name) == 0) {
            p = std::max(q + 2, p + 1);
            continue;
        }
        const int type = static_cast<int>(Byte(data, p + 2));
        if (includeHomeAndRecent) {
            const std::u16string_view label = Text(LabelOf(type));
            if (name.size() < 256 - (label.size() + 1)) {
                name += u'@';
                name += label;
            }
        }
        const std::int32_t lng = Field32(data, static_cast<std::size_t>(p + 8));
        const std::int32_t lat = Field32(data, static_cast<std::size_t>(p + 12));
        const auto known = firstRow.find(name);
        const bool alreadyRead = known != firstRow.end() &&
                                 ReadScaledCoordinate(table.text(known->second, ColumnLng), display) == lng &&
                                 ReadScaledCoordinate(table.text(known->second, ColumnLat), display) == lat;
        if (!alreadyRead) {
            const int row = AppendEntry(context, name, MarkDestination, ScaledText(lng, CoordinateKind::Lng, display),
                                        ScaledText(lat, CoordinateKind::Lat, display));
            firstRow.try_emplace(std::move(name), row);
        }
        p = afterName;
    }
    context.kind = FileKind::Itn;
    return std::nullopt;
}

std::u16string TomTomHomeLink(const Session& session, int row) {
    std::u16string name = session.table.text(row, ColumnName);
    // The link's own separators may not appear in the name, and UrlEncode leaves them as they are.
    for (char16_t& c : name)
        if (c == u'%' || c == u'&') c = u' ';
    return u"tomtomhome:geo:lat=" + PlainCoordinate(session, row, ColumnLat) + u"&long=" +
           PlainCoordinate(session, row, ColumnLng) + u"&name=" + UrlEncode(name);
}

}  // namespace wayloom
