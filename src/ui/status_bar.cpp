#include "ui/status_bar.h"

#include <QLabel>
#include <QProgressBar>
#include <QTime>

#include "app/status_texts.h"
#include "app/string_table.h"
#include "ui/qt_text.h"

namespace wayloom {

namespace {
// The gap between panes; each of the two right panes is its text's width plus five gaps, minus one.
constexpr int PaneGap = 2;
}  // namespace

StatusBar::StatusBar(QWidget* parent)
    : QStatusBar(parent), message_(new QLabel(this)), info_(new QLabel(this)), clock_(new QLabel(this)) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    for (QLabel* label : {message_, info_, clock_}) {
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(0);
    }
    message_->setObjectName(QStringLiteral("MessagePane"));
    info_->setObjectName(QStringLiteral("InfoPane"));
    clock_->setObjectName(QStringLiteral("ClockPane"));
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(message_, 1);
    addPermanentWidget(info_);
    addPermanentWidget(clock_);
    setMessage(ToQString(Text(TextId::StatusReady)));
}

void StatusBar::setStatusText(std::u16string_view text) { setMessage(ToQString(text)); }

void StatusBar::setMessage(const QString& text) {
    const QString shown = ToQString(NormaliseStatusText(ToU16(text)));
    if (simpleMode_) savedMessage_ = shown;
    else message_->setText(shown);
}

QString StatusBar::message() const { return simpleMode_ ? savedMessage_ : message_->text(); }

int StatusBar::paneWidth(const QString& text) const {
    return info_->fontMetrics().horizontalAdvance(text) + 5 * PaneGap - 1;
}

void StatusBar::refresh(int& statusReset, int currentRow, int firstSelected, int selectedCount, int rowCount) {
    if (simpleMode_) return;
    if (currentRow < 0) {
        if (statusReset) {
            const QString ready = ToQString(Text(TextId::StatusReady));
            if (message_->text().trimmed() != ready) setMessage(ready);
            statusReset = 0;
        }
        currentRow = firstSelected;
    }
    if (currentRow != lastRow_ || selectedCount != lastSelected_ || rowCount != lastCount_) {
        lastRow_ = currentRow;
        lastSelected_ = selectedCount;
        lastCount_ = rowCount;
        const QString text = ToQString(InfoPaneText(currentRow, selectedCount, rowCount));
        info_->setText(text);
        const int width = paneWidth(text);
        if (width != info_->width()) info_->setFixedWidth(width);
    }
    refreshClock();
}

void StatusBar::refreshClock() {
    const QTime now = QTime::currentTime();
    const QFontMetrics& metrics = clock_->fontMetrics();
    // The colon blinks only where a blank takes its place without moving the text.
    const bool blink = now.msec() < 500 &&
                       metrics.horizontalAdvance(QLatin1Char(' ')) == metrics.horizontalAdvance(QLatin1Char(':'));
    const QString text = ToQString(ClockText(now.hour(), now.minute(), blink));
    if (clock_->text() != text) clock_->setText(text);
    if (now.hour() != lastHour_) {
        lastHour_ = now.hour();
        const int width = paneWidth(ToQString(ClockText(now.hour(), now.minute(), false)));
        if (width != clock_->width()) clock_->setFixedWidth(width);
    }
}

QString StatusBar::infoText() const { return info_->text(); }
QString StatusBar::clockText() const { return clock_->text(); }

void StatusBar::enterSimpleMode(const QString& text) {
    if (!simpleMode_) {
        savedMessage_ = message_->text();
        simpleMode_ = true;
        info_->hide();
        clock_->hide();
    }
    message_->setText(ToQString(NormaliseStatusText(ToU16(text))));
}

void StatusBar::leaveSimpleMode() {
    if (!simpleMode_) return;
    simpleMode_ = false;
    message_->setText(savedMessage_);
    info_->show();
    clock_->show();
}

void StatusBar::showProgress(const QString& text, int percent) {
    setMessage(text);
    if (!progress_) {
        progress_ = new QProgressBar(this);
        progress_->setObjectName(QStringLiteral("ProgressBar"));
        progress_->setRange(0, 100);
        progress_->setTextVisible(false);
    }
    // From 12 pixels after the text to 8 pixels before the pane's right edge, 4 pixels from the top.
    const QRect pane = message_->geometry();
    const int textEnd = pane.left() + message_->contentsRect().left() +
                        message_->fontMetrics().horizontalAdvance(message_->text());
    const int left = textEnd + 12;
    const int right = pane.right() + 1 - 8;
    progress_->setGeometry(left, 4, std::max(0, right - left), std::max(1, height() - 6));
    progress_->setValue(percent);
    progress_->show();
}

void StatusBar::endProgress() {
    delete progress_;
    progress_ = nullptr;
}

QRect StatusBar::progressGeometry() const { return progress_ ? progress_->geometry() : QRect(); }

}  // namespace wayloom
