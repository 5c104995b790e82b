#pragma once
// What every dialog of the program does when it opens and closes: the small icon of the command that
// opened it, its place over its owner, and fading in and out when "Fade Window" is on.
#include <QDialog>
#include <QRect>
#include <utility>

namespace wayloom {

inline constexpr int DialogAlpha = 243;  // dialogs stay slightly translucent
inline constexpr int WindowAlpha = 255;

// With fade off: the window only becomes fully opaque (the caller shows it). With fade on: the window
// is shown at opacity 0 and its alpha rises by 16 every 20 ms up to `target` (0..255). Blocks meanwhile.
void FadeIn(QWidget& window, int target, bool fade);
// With fade on and the window translucent or faded in: from alpha 243 down by 16 every 20 ms to 0.
void FadeOut(QWidget& window, bool fade);

// The 16-pixel toolbar image of the command becomes the dialog's icon (none for commands without one).
void SetDialogIcon(QWidget& dialog, int command);

// Centred over `owner` (or `workArea` when there is none), then kept 7 pixels inside the work area.
QRect PlacedDialogRect(const QRect& dialog, const QRect& owner, const QRect& workArea);
// Moves the dialog over its parent window, inside its screen's available area; size unchanged.
void PlaceDialog(QWidget& dialog);

// A dialog following the program's pattern: icon, placement and fade-in when shown; fade-out when it
// closes with OK or Cancel. Program dialogs derive from it; `fade` is read when the dialog opens.
class EffectsDialog : public QDialog {
    Q_OBJECT
public:
    EffectsDialog(QWidget* parent, int command, bool fade);
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int command_;
    bool fade_;
};

// The same for the Qt dialogs the program opens (file, colour, font): installed as an event filter it
// gives icon, placement and fade-in at show.
void AttachDialogEffects(QDialog& dialog, int command, bool fade);

// A Qt dialog that fades out as it closes with OK or Cancel: `WithFadeOut<QFileDialog>`.
template <class Dialog>
class WithFadeOut : public Dialog {
public:
    template <class... Args>
    explicit WithFadeOut(bool fade, Args&&... args) : Dialog(std::forward<Args>(args)...), fade_(fade) {}
    void done(int result) override {
        FadeOut(*this, fade_);
        Dialog::done(result);
    }

private:
    bool fade_;
};

}  // namespace wayloom
