#include "ui/dialog_effects.h"

#include <QApplication>
#include <QScreen>
#include <QShowEvent>
#include <QThread>
#include <QTimer>
#include <algorithm>

#include "app/command_table.h"
#include "ui/toolbar_images.h"

namespace wayloom {

namespace {

constexpr int FadeStep = 16;
constexpr int FadeDelayMs = 20;

// One step of a fade: the window shows its new alpha before the next 20 ms wait. Only paint work runs.
void ShowAlpha(QWidget& window, int alpha) {
    window.setWindowOpacity(alpha / 255.0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(FadeDelayMs);
}

class EffectsFilter final : public QObject {
public:
    EffectsFilter(QDialog& dialog, int command, bool fade) : QObject(&dialog), command_(command), fade_(fade) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !shown_) {
            shown_ = true;
            auto& dialog = static_cast<QDialog&>(*watched);
            SetDialogIcon(dialog, command_);
            PlaceDialog(dialog);
            if (fade_) {
                // Shown transparent, faded in once the window system has it on screen.
                dialog.setWindowOpacity(0.0);
                QTimer::singleShot(0, &dialog, [&dialog] { FadeIn(dialog, DialogAlpha, true); });
            }
        }
        return false;
    }

private:
    int command_;
    bool fade_;
    bool shown_ = false;
};

}  // namespace

void FadeIn(QWidget& window, int target, bool fade) {
    if (!fade) {
        window.setWindowOpacity(1.0);
        return;
    }
    target = std::clamp(target, 0, 255);
    window.setWindowOpacity(0.0);
    if (!window.isVisible()) window.show();
    for (int alpha = 0; alpha < target;) {
        alpha = std::min(alpha + FadeStep, target);
        ShowAlpha(window, alpha);
    }
}

void FadeOut(QWidget& window, bool fade) {
    if (!fade || !window.isVisible()) return;
    for (int alpha = DialogAlpha; alpha > 0;) {
        alpha = std::max(alpha - FadeStep, 0);
        ShowAlpha(window, alpha);
    }
}

void SetDialogIcon(QWidget& dialog, int command) {
    const int image = CommandTable().imageOf(command);
    if (image < 0) return;
    dialog.setWindowIcon(QIcon(QPixmap::fromImage(ToolbarImage(image, SmallImageSize))));
}

QRect PlacedDialogRect(const QRect& dialog, const QRect& owner, const QRect& workArea) {
    constexpr int Margin = 7;
    const QRect over = owner.isValid() ? owner : workArea;
    const auto place = [](int centre, int size, int low, int high) {
        const int start = centre - size / 2;
        if (start < low + Margin) return low + Margin;
        return std::min(start, high - size - Margin);
    };
    // QRect's right() and bottom() are inclusive: the edges are one past them.
    const int x = place(over.left() + over.width() / 2, dialog.width(), workArea.left(), workArea.right() + 1);
    const int y = place(over.top() + over.height() / 2, dialog.height(), workArea.top(), workArea.bottom() + 1);
    return QRect(QPoint(x, y), dialog.size());
}

void PlaceDialog(QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : dialog.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect frame = dialog.frameGeometry().isValid() ? dialog.frameGeometry() : dialog.geometry();
    const QRect placed = PlacedDialogRect(QRect(QPoint(), frame.size().expandedTo(dialog.sizeHint())),
                                          owner ? owner->frameGeometry() : QRect(), screen->availableGeometry());
    dialog.move(placed.topLeft());
}

EffectsDialog::EffectsDialog(QWidget* parent, int command, bool fade)
    : QDialog(parent), command_(command), fade_(fade) {}

void EffectsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    SetDialogIcon(*this, command_);
    PlaceDialog(*this);
    if (fade_) {
        setWindowOpacity(0.0);
        QTimer::singleShot(0, this, [this] { FadeIn(*this, DialogAlpha, true); });
    } else {
        setWindowOpacity(1.0);
    }
}

void EffectsDialog::done(int result) {
    FadeOut(*this, fade_);
    QDialog::done(result);
}

void AttachDialogEffects(QDialog& dialog, int command, bool fade) {
    dialog.installEventFilter(new EffectsFilter(dialog, command, fade));
}

}  // namespace wayloom
