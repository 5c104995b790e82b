#include "ui/work_table_model.h"

#include <QColor>
#include <QTimer>

#include "app/string_table.h"
#include "table/table_helpers.h"
#include "ui/qt_text.h"

namespace wayloom {

WorkTableModel::WorkTableModel(Session& session, QObject* parent) : QAbstractTableModel(parent), session_(session) {
    session_.table.addObserver(this);
    knownSelectedCount_ = session_.table.selectedCount();
}

WorkTableModel::~WorkTableModel() { session_.table.removeObserver(this); }

int WorkTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !redraw_ ? 0 : session_.table.rowCount();
}

int WorkTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant WorkTableModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!redraw_ || !session_.table.isValidRow(row)) return {};
    switch (role) {
    case Qt::DisplayRole: {
        CellText::Scratch scratch;
        return ToQString(session_.table.cell(row, index.column()).view(scratch));
    }
    case Qt::ForegroundRole:
        switch (RowTextColourOf(session_, row)) {
        case RowTextColour::Base: return QColor(0, 0, 255);
        case RowTextColour::MissingCoordinate: return QColor(255, 0, 0);
        case RowTextColour::Normal: return {};  // the table's text colour (its palette)
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (index.column() == ColumnDistancia ? Qt::AlignRight : Qt::AlignLeft));
    default:
        return {};
    }
}

QVariant WorkTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) {
        static constexpr TextId titles[ColumnCount] = {TextId::ColumnNameTitle, TextId::ColumnLngTitle,
                                                       TextId::ColumnLatTitle, TextId::ColumnOrdenTitle,
                                                       TextId::ColumnDistanciaTitle};
        return ToQString(Text(titles[section]));
    }
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignLeft);
    return {};
}

void WorkTableModel::setRedraw(bool enabled) {
    if (enabled == redraw_) return;
    beginResetModel();
    redraw_ = enabled;
    endResetModel();
    knownSelectedCount_ = session_.table.selectedCount();
    if (enabled) markSelectionOutOfDate();
}

// Insertions and removals are forwarded while the table is drawn; Qt's selection model shifts its
// ranges on its own, which can stretch a range over a new row, so the selection is checked after.
void WorkTableModel::rowsAboutToBeInserted(int first, int last) {
    ++coreChanging_;
    if (redraw_) beginInsertRows({}, first, last);
}

void WorkTableModel::rowsInserted(int, int) {
    if (redraw_) {
        endInsertRows();
        markSelectionOutOfDate();
    }
    knownSelectedCount_ = session_.table.selectedCount();
    --coreChanging_;
}

void WorkTableModel::rowsAboutToBeRemoved(int first, int last) {
    ++coreChanging_;
    if (redraw_) beginRemoveRows({}, first, last);
}

void WorkTableModel::rowsRemoved(int, int) {
    if (redraw_) {
        endRemoveRows();
        markSelectionOutOfDate();
    }
    knownSelectedCount_ = session_.table.selectedCount();
    --coreChanging_;
}

void WorkTableModel::rowChanged(int row) {
    if (redraw_) emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void WorkTableModel::selectionChanged(int row) {
    const int count = session_.table.selectedCount();
    const bool selectionChange = count != knownSelectedCount_;
    knownSelectedCount_ = count;
    if (selectionChange && session_.table.isValidRow(row) && session_.table.isSelected(row)) emit rowSelected(row);
    if (redraw_) markSelectionOutOfDate();
}

// A reorder or a clear resets the view: Qt's persistent indexes cannot follow a permutation they
// were not told about, and the selection is rebuilt from the table afterwards.
void WorkTableModel::layoutAboutToBeChanged() {
    ++coreChanging_;
    if (redraw_) beginResetModel();
}

void WorkTableModel::layoutChanged() {
    if (redraw_) {
        endResetModel();
        markSelectionOutOfDate();
    }
    knownSelectedCount_ = session_.table.selectedCount();
    --coreChanging_;
}

void WorkTableModel::markSelectionOutOfDate() {
    if (selectionSignalQueued_) return;
    selectionSignalQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        selectionSignalQueued_ = false;
        emit selectionOutOfDate();
    });
}

}  // namespace wayloom
