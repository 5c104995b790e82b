#include "table/coordinate_cells.h"

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

}  // namespace

void SetCoordinateCell(Session& session, std::u16string_view numericText, int row, CoordinateKind kind,
                       bool allowEmpty) {
    if (!session.table.isValidRow(row)) return;
    const int column = CoordinateColumn(kind);
    std::optional<std::u16string> display;
    if (std::optional<double> value = ReadNumericText(numericText)) {
        if (*value > -0.000005 && *value <= 0) *value = 0;  // never a negative zero text
        display = FormatCheckedCoordinate(false, *value, kind, session.display());
    }
    if (display)
        SetCellText(session, row, column, *display);
    else if (allowEmpty)
        SetCellText(session, row, column, u"");
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
