#include "table/coordinate_cells.h"

#include <cstdint>
#include <optional>
#include <string>

#include "table/table_wrappers.h"

namespace wayloom {

namespace {

// Map page commands announcing the new display option.
constexpr int MapDmsOn = 6;
constexpr int MapDmsOff = 7;
constexpr int MapCompassOn = 8;
constexpr int MapCompassOff = 9;

int CoordinateColumn(CoordinateKind kind) { return kind == CoordinateKind::Lng ? ColumnLng : ColumnLat; }

std::optional<double> ReadNumericText(std::u16string_view text) {
    if (text.empty()) return std::nullopt;
    const double value = ReadLeadingNumber(text);
    if (value == 0) {
        std::u16string plain(text);
        if (!IsPlainNumber(plain)) return std::nullopt;
    }
    return value;
}

// The whole number of 1e-5 degree a short plain decimal rounds to ("-3.703794" gives -370379), when
// its digits alone decide it: a sign, one to four digits, a point and up to nine decimals, nothing
// else, and not halfway between two results (there the binary value decides). Nearly every
// coordinate a file carries is such a text; its double lies within 1e-12 of it, so rounding that
// double to five decimals, as the general path does, gives the same number.
std::optional<std::int64_t> ShortDecimalScaled(std::u16string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) ++i;
    const std::size_t wholeStart = i;
    std::int64_t scaled = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (i - wholeStart == 4) return std::nullopt;
        scaled = scaled * 10 + (text[i] - u'0');
    }
    if (i == wholeStart) return std::nullopt;
    int decimals = 0;
    std::int64_t rest = 0;  // the decimals after the fifth
    std::int64_t half = 0;  // half a unit of the fifth decimal, in the units of `rest`
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, ++decimals) {
            if (decimals == 9) return std::nullopt;
            if (decimals < 5) {
                scaled = scaled * 10 + (text[i] - u'0');
            } else {
                rest = rest * 10 + (text[i] - u'0');
                half = half == 0 ? 5 : half * 10;
            }
        }
    }
    if (i != text.size() || (half != 0 && rest == half)) return std::nullopt;
    for (; decimals < 5; ++decimals) scaled *= 10;
    if (rest > half) ++scaled;
    return negative ? -scaled : scaled;
}

}  // namespace

void SetCoordinateCell(Session& session, std::u16string_view numericText, int row, CoordinateKind kind,
                       bool allowEmpty) {
    if (!session.table.isValidRow(row)) return;
    const int column = CoordinateColumn(kind);
    std::u16string display;
    if (CoordinateCellText(numericText, kind, session.display(), display))
        SetCellText(session, row, column, display);
    else if (allowEmpty)
        SetCellText(session, row, column, u"");
}

bool CoordinateCellText(std::u16string_view numericText, CoordinateKind kind, const CoordinateDisplay& display,
                        std::u16string& text) {
    if (!display.dms) {
        if (const std::optional<std::int64_t> scaled = ShortDecimalScaled(numericText)) {
            const ScaledCoordinate limit = kind == CoordinateKind::Lng ? MaxScaledLng : MaxScaledLat;
            if (*scaled < -limit || *scaled > limit) return false;
            FormatScaledFiveDecimals(*scaled, text);
            AddCompassLetter(text, kind, display);
            return true;
        }
    }
    std::optional<double> value = ReadNumericText(numericText);
    if (!value) return false;
    if (*value > -0.000005 && *value <= 0) *value = 0;  // never a negative zero text
    std::optional<std::u16string> formatted = FormatCheckedCoordinate(false, *value, kind, display);
    if (!formatted) return false;
    text = std::move(*formatted);
    return true;
}

void ReformatAllCoordinates(Session& session, bool toggleDms) {
    const Option option = toggleDms ? Option::DmsFormat : Option::CompassDirection;
    const bool on = !session.options[option];
    session.options.set(option, on);
    session.mapPage->sendCommand(toggleDms ? (on ? MapDmsOn : MapDmsOff) : (on ? MapCompassOn : MapCompassOff));

    const CoordinateDisplay display = session.display();
    WorkTable& table = session.table;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column : {ColumnLng, ColumnLat}) {
            if (table.isCellEmpty(row, column)) continue;
            std::u16string text = table.text(row, column);
            const double degrees = ReadCoordinateText(text);
            std::u16string rewritten = display.dms ? FormatDms(degrees) : FormatFiveDecimals(degrees);
            AddCompassLetter(rewritten, column == ColumnLng ? CoordinateKind::Lng : CoordinateKind::Lat, display);
            table.setText(row, column, rewritten);
        }
    }
    session.view->fitColumnWidths(ColumnLng, false, false);
    session.view->fitColumnWidths(ColumnLat, false, false);
    if (session.checkResults->isOpen()) session.checkResults->coordinatesReformatted(table);
}

}  // namespace wayloom
