#pragma once
// The accelerator tables at work: a key pressed in the main window runs its command from table 500
// (table 2000 inside the map pane), unless a cell is being edited, a long operation is pumping
// messages, or the command is disabled at that moment.
#include <QKeyCombination>
#include <QObject>
#include <functional>
#include <unordered_map>

#include "app/accelerator_tables.h"

class QWidget;

namespace wayloom {

class AcceleratorFilter final : public QObject {
    Q_OBJECT
public:
    explicit AcceleratorFilter(QWidget& window);

    // The command of a key in a table, or 0.
    static int CommandOfKey(AcceleratorTableId table, QKeyCombination key);

    // Whether keys may run commands now (no cell edit, no long operation).
    std::function<bool()> accepting;
    // Whether the command may run now (its menu item would be enabled).
    std::function<bool(int command)> enabled;
    std::function<void(int command)> run;
    // The map pane, whose keys use table 2000.
    std::function<QWidget*()> mapPane;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};

}  // namespace wayloom
