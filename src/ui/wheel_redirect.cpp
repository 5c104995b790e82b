#include "ui/wheel_redirect.h"

#include <QApplication>
#include <QWheelEvent>

#include "ui/main_window.h"
#include "ui/work_table_view.h"

namespace wayloom {

WheelRedirect::WheelRedirect(MainWindow& window) : QObject(&window), window_(window) {
    QApplication::instance()->installEventFilter(this);
}

WheelRedirect::~WheelRedirect() {
    if (QApplication::instance()) QApplication::instance()->removeEventFilter(this);
}

bool WheelRedirect::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    WorkTableView& table = window_.tableView();
    // Outside the main window (dialogs, menus) the wheel is left alone; the table's own widgets
    // get it directly.
    if (widget->window() != &window_ || widget == table.viewport() || table.isAncestorOf(widget) || widget == &table)
        return false;
    table.deliverWheel(static_cast<QWheelEvent*>(event));
    return true;
}

}  // namespace wayloom
