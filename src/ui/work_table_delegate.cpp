#include "ui/work_table_delegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

#include "ui/mark_icons.h"
#include "ui/qt_text.h"

namespace wayloom {

std::u16string DistanceShownText(std::u16string_view text) {
    std::u16string shown(text);
    if (shown.find(u'.') != std::u16string::npos) return shown;
    const std::size_t blanks = shown.find(u' ');
    if (blanks == std::u16string::npos) return shown;
    const std::size_t end = shown.find_first_not_of(u' ', blanks);
    if (end == std::u16string::npos || end - blanks <= 2) return shown;
    shown.erase(blanks + 2, end - blanks - 2);
    return shown;
}

int DistanceUnitOffset(const QFontMetrics& metrics, bool hasDecimalPoint, bool metric) {
    if (hasDecimalPoint) return 0;
    return metric ? metrics.horizontalAdvance(QStringLiteral("km")) - metrics.horizontalAdvance(QStringLiteral("m"))
                  : metrics.horizontalAdvance(QStringLiteral("mi")) - metrics.horizontalAdvance(QStringLiteral("pi"));
}

WorkTableDelegate::WorkTableDelegate(const Session& session, QObject* parent)
    : QStyledItemDelegate(parent), session_(session) {}

int WorkTableDelegate::markAreaWidth() const { return MarkIconLeft + MarkIconSize(largeMarks_).width(); }

QSize WorkTableDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {0, std::max(option.fontMetrics.height() + 4, MarkIconSize(largeMarks_).height() + 2)};
}

void WorkTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    // The themed list draws the background and the selection; no focus rectangle on any row.
    opt.state &= ~QStyle::State_HasFocus;
    opt.text.clear();
    opt.icon = QIcon();
    opt.features &= ~QStyleOptionViewItem::HasDisplay;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const int row = index.row();
    const int column = index.column();
    // Rows in the normal colour take the table's text colour (the font colour), the others theirs.
    const QVariant rowColour = index.data(Qt::ForegroundRole);
    const QColor colour = rowColour.isValid() ? rowColour.value<QColor>() : option.palette.color(QPalette::Text);
    painter->save();
    painter->setFont(option.font);
    painter->setPen(colour);
    QRect textRect = option.rect.adjusted(CellTextPadding, 0, -CellTextPadding, 0);
    if (column == ColumnName) {
        const QImage& icon = MarkIcon(session_.table.mark(row), largeMarks_);
        const QSize iconSize = MarkIconSize(largeMarks_);
        const QPoint at(option.rect.left() + MarkIconLeft,
                        option.rect.top() + (option.rect.height() - iconSize.height()) / 2);
        painter->drawImage(QRect(at, iconSize), icon);
        textRect.setLeft(option.rect.left() + markAreaWidth() + 2);
    }
    if (column == ColumnDistancia) {
        paintDistance(painter, option, row, colour);
    } else {
        const QString text = index.data(Qt::DisplayRole).toString();
        const QString shown = option.fontMetrics.elidedText(text, Qt::ElideRight, textRect.width());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    painter->restore();
}

void WorkTableDelegate::paintDistance(QPainter* painter, const QStyleOptionViewItem& option, int row,
                                      const QColor& colour) const {
    if (!session_.showDistance()) return;
    const QFontMetrics& fm = option.fontMetrics;
    const int left = option.rect.left();
    const int right = option.rect.left() + option.rect.width();
    const int m = DistanceRightMargin;
    const bool metric = session_.metric();

    if (row == session_.baseRow) {
        // The automatic base entry shows a star at 1.2 times the font's height, any other base row
        // a circled plus at the font's height.
        const QString unit = metric ? QStringLiteral("km") : QStringLiteral("mi");
        QFont glyphFont = option.font;
        QString glyph = QString(QChar(0x2295));
        if (session_.baseRowInserted) {
            glyph = QString(QChar(0x2605));
            glyphFont.setPixelSize(std::max(1, fm.height() * 6 / 5));
        }
        const int x = std::max(left + CellTextPadding, right - fm.horizontalAdvance(unit) - m);
        painter->setFont(glyphFont);
        painter->setPen(colour);
        painter->drawText(QRect(x, option.rect.top(), right - x, option.rect.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, glyph);
        return;
    }

    const QString text = ToQString(DistanceShownText(session_.table.cell(row, ColumnDistancia).str()));
    if (text.isEmpty()) return;
    const int t = DistanceUnitOffset(fm, text.contains(u'.'), metric);
    const int u = right - (m + left + CellTextPadding);
    const int width = fm.horizontalAdvance(text);
    if (t + width < u) {
        const int textRight = right - (t + m);
        painter->drawText(QRect(left, option.rect.top(), textRight - left, option.rect.height()),
                          Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
        return;
    }
    const int textRight = right - std::min(m, std::max(0, u - fm.horizontalAdvance(QStringLiteral("7..."))));
    const QRect box(left + CellTextPadding, option.rect.top(), std::max(0, textRight - left - CellTextPadding),
                    option.rect.height());
    painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      fm.elidedText(text, Qt::ElideRight, box.width()));
}

}  // namespace wayloom
