#pragma once
// The work table's list: a QTableView over WorkTableModel without its own header. It keeps Qt's
// selection in step with the rows' selected and focused states in the core, and applies the
// table's keyboard and mouse rules.
#include <QTableView>
#include <functional>

#include "app/session.h"

namespace wayloom {

class WorkTableModel;
class WorkTableDelegate;

class WorkTableView final : public QTableView {
    Q_OBJECT
public:
    WorkTableView(Session& session, WorkTableModel& model, QWidget* parent);

    WorkTableModel& workModel() const { return model_; }
    WorkTableDelegate& delegate() const { return *delegate_; }

    // Commits an open cell edit; false when the editor rejected its value (the click is swallowed).
    std::function<bool()> commitEdit;
    // True while the cell editor is shown.
    std::function<bool()> editing;

    // Brings Qt's selection and current row in line with the table's states.
    void syncSelectionFromCore();

    // Rows that fit in the visible page (at least 1, at most the row count).
    int rowsPerPage() const;
    // Scrolls so that the page begins max(0, row - perPage / 2) rows down when the row is outside it.
    void ensureRowVisible(int row);
    // Row height and mark size follow the table font.
    void applyFont(const QFont& font);

    // Delivers a wheel turn from anywhere in the program (the event filter sends every one here).
    void deliverWheel(QWheelEvent* event);

signals:
    // A command the table posts (1011 on Enter, 1033/1034 on a double click on a mark icon).
    void commandRequested(int command);
    // A double click in Nombre, Lng or Lat: currentColumn is set; open the cell editor there.
    void editRequested(int row, int column);
    // A row gained the selected state by a click or a command: sync the map's selection, at once
    // while the left button is down.
    void mapSyncRequested(bool leftButtonDown);
    // Right click: open the List View popup at the global position.
    void popupRequested(const QPoint& globalPos);
    // Horizontal position of the columns changed (scrolling): the header follows.
    void horizontalOffsetChanged(int offset);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void onQtSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void onQtCurrentChanged(const QModelIndex& current);
    void onRowSelected(int row);

    Session& session_;
    WorkTableModel& model_;
    WorkTableDelegate* delegate_;
    bool syncingFromCore_ = false;
    bool syncingToCore_ = false;
    // The current click was made with the middle button: it selects but does not move the map.
    bool middleClick_ = false;
};

}  // namespace wayloom
