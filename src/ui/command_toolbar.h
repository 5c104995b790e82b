#pragma once
// The toolbar: the buttons the user chose (the profile's "Toolbar Button" list), in one row or
// wrapped onto several, on the program's own background bands; hot images under the pointer, the
// chevron when buttons are cut off, the command's help in the status bar while a tooltip shows.
#include <QWidget>
#include <functional>
#include <vector>

#include "app/command_table.h"
#include "app/session.h"
#include "app/settings_io.h"

class QToolButton;

namespace wayloom {

class CommandActions;

inline constexpr int ToolbarIndent = 3;
inline constexpr int ToolbarSeparatorWidth = 8;
// The band reserved above the buttons, and the band height's excess over the buttons.
inline constexpr int ToolbarTopBand = 5;
inline constexpr int ToolbarBandExtra = 8;

// The colour of line `line` of a background band `bandHeight` high: a grey line, a white one, the
// toolbar colour, a darker middle line, then a gradient that darkens line by line.
QColor ToolbarBandColour(Colour toolbarColour, int line, int bandHeight);

class CommandToolbar final : public QWidget {
    Q_OBJECT
public:
    CommandToolbar(Session& session, CommandActions& actions, QWidget* parent = nullptr);

    void setButtons(const ToolbarButtons& buttons);
    const ToolbarButtons& buttons() const { return buttons_; }
    void setLarge(bool large);
    bool large() const { return large_; }
    void setWrapping(bool wrap);
    bool wrapping() const { return wrap_; }
    void setSpacing(int spacing);
    int spacing() const { return spacing_; }
    void setColour(Colour colour);
    Colour colour() const { return colour_; }

    QSize buttonSize() const;
    int bandHeight() const { return buttonSize().height() + ToolbarBandExtra; }

    // The main window's layout asks for the height below the toolbar's two hidden top lines.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

    // The buttons' geometry at the current width: one rectangle per entry of buttons(), empty for a
    // hidden button or a separator that is not drawn.
    const std::vector<QRect>& entryRects() const { return rects_; }
    // Indexes into buttons() from the first button cut off at the right edge to the last, when the
    // toolbar does not wrap; empty when everything fits.
    std::vector<int> cutOffEntries() const;
    // The rightmost 8 pixels of the first band, while buttons are cut off.
    bool inChevronZone(const QPoint& point) const;
    QToolButton* buttonOf(int command) const;

    // A click is about to reach the toolbar: false swallows it (a rejected cell edit).
    std::function<bool()> beforeClick;
    // The pointer rests on a button (its tooltip shows), and leaves it.
    std::function<void(int command)> showHelp;
    std::function<void()> helpHidden;

signals:
    // Right click: the Toolbar popup, or the cut-off buttons when `chevron` is set.
    void popupRequested(const QPoint& globalPos, bool chevron);
    // The height the toolbar needs may have changed: the window is laid out again.
    void layoutChanged();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Placement {
        std::vector<QRect> rects;
        int rows = 1;
        bool cutOff = false;
    };
    Placement place(int width, int available) const;
    Placement placeFor(int width) const;
    void relayout();
    void followState(int command);

    Session& session_;
    CommandActions& actions_;
    ToolbarButtons buttons_;
    std::vector<QToolButton*> widgets_;  // per entry; null for separators
    std::vector<QRect> rects_;
    bool cutOff_ = false;
    bool large_ = true;
    bool wrap_ = true;
    int spacing_ = 0;
    Colour colour_ = DefaultToolbarColour;
};

}  // namespace wayloom
