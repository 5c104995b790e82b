#pragma once
// The status bar: the message pane (normalised texts, the progress bar after the text during long
// operations), the information pane "ITN n - s / c" and the blinking clock.
#include <QStatusBar>

#include <string_view>

class QLabel;
class QProgressBar;

namespace wayloom {

class StatusBar final : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    // The message pane's text, normalised.
    void setStatusText(std::u16string_view text);
    void setMessage(const QString& text);
    QString message() const;

    // The tick's refresh: "Listo" when a reset is due, the information pane and the clock.
    // currentRow is the edited row, or -1 to take the first selected one.
    void refresh(int& statusReset, int currentRow, int firstSelected, int selectedCount, int rowCount);
    void refreshClock();
    QString infoText() const;
    QString clockText() const;

    // Simple mode: one text across the whole bar (a highlighted menu item's help); the tick leaves
    // the bar alone meanwhile.
    void enterSimpleMode(const QString& text);
    void leaveSimpleMode();
    bool simpleMode() const { return simpleMode_; }

    // The progress bar after the message text (created on first use, removed by endProgress).
    void showProgress(const QString& text, int percent);
    void endProgress();
    bool progressShown() const { return progress_ != nullptr; }
    QRect progressGeometry() const;

private:
    int paneWidth(const QString& text) const;

    QLabel* message_;
    QLabel* info_;
    QLabel* clock_;
    QProgressBar* progress_ = nullptr;
    bool simpleMode_ = false;
    QString savedMessage_;
    int lastRow_ = -2;
    int lastSelected_ = -1;
    int lastCount_ = -1;
    int lastHour_ = -1;
};

}  // namespace wayloom
