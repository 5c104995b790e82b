#pragma once
// PumpMessages for long operations on the one user-interface thread: paint and timer work goes
// through, the user's keys and clicks do not (an operation is not to be re-entered), and Escape is
// noted so the operation can stop.
#include <QObject>

namespace wayloom {

class MessagePump final : public QObject {
    Q_OBJECT
public:
    explicit MessagePump(QObject* parent = nullptr);
    ~MessagePump() override;

    // Lets pending work run; with allowEscape, true when Escape was pressed since the last such call.
    bool pump(bool allowEscape);
    // Forgets an Escape no operation asked about (at the end of an operation).
    void reset() { escapePressed_ = false; }
    bool pumping() const { return pumping_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool pumping_ = false;
    bool escapePressed_ = false;
};

}  // namespace wayloom
