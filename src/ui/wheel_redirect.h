#pragma once
// Every mouse-wheel turn over the main window scrolls the work table, wherever the pointer is
// (the toolbar, the header, the status bar, the map pane's place).
#include <QObject>

namespace wayloom {

class MainWindow;

class WheelRedirect final : public QObject {
    Q_OBJECT
public:
    explicit WheelRedirect(MainWindow& window);
    ~WheelRedirect() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& window_;
};

}  // namespace wayloom
