#pragma once
// Draws the work table's cells: the row colours, the mark icon before the name, the Distancia text
// with its units aligned and the base glyphs.
#include <QFontMetrics>
#include <QStyledItemDelegate>

#include "app/session.h"

namespace wayloom {

// Horizontal padding of the cells and the Distancia cell's right margin.
inline constexpr int CellTextPadding = 6;
inline constexpr int DistanceRightMargin = 8;
inline constexpr int MarkIconLeft = 2;

// The Distancia text as drawn: in metres or feet the run of blanks before the unit is cut to two.
std::u16string DistanceShownText(std::u16string_view text);
// How far the unit of a text is pushed left of the right margin so that every unit starts at the
// same x: width("km") - width("m") (metric) or width("mi") - width("pi") for texts without a
// decimal point, 0 for kilometres and miles.
int DistanceUnitOffset(const QFontMetrics& metrics, bool hasDecimalPoint, bool metric);
// The narrowest Distancia column that shows a text of this width right-aligned in full.
inline int DistanceFitWidth(int textWidth, int unitOffset) {
    return unitOffset + textWidth + DistanceRightMargin + CellTextPadding + 1;
}

class WorkTableDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    WorkTableDelegate(const Session& session, QObject* parent);

    // Mark icons of 32 x 24 instead of 24 x 16 (table fonts taller than 15 pixels).
    void setLargeMarks(bool large) { largeMarks_ = large; }
    bool largeMarks() const { return largeMarks_; }
    // Width of the mark icon area at the left of the Nombre cell.
    int markAreaWidth() const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void paintDistance(QPainter* painter, const QStyleOptionViewItem& option, int row, const QColor& colour) const;

    const Session& session_;
    bool largeMarks_ = false;
};

}  // namespace wayloom
