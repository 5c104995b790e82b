#include "ui/command_toolbar.h"

#include <QContextMenuEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "ui/command_actions.h"
#include "ui/main_layout.h"
#include "ui/toolbar_images.h"

namespace wayloom {

QColor ToolbarBandColour(Colour toolbarColour, int line, int bandHeight) {
    if (line == 0) return QColor(160, 160, 160);
    if (line == 1) return Qt::white;
    const int half = bandHeight / 2;
    int r = RedOf(toolbarColour), g = GreenOf(toolbarColour), b = BlueOf(toolbarColour);
    if (line < half) return QColor(r, g, b);
    r -= 24;
    g -= 8;
    b -= 16;
    for (int l = half + 1; l <= line; ++l) {
        --r;
        --b;
        if (l % 2 == 1) --g;
    }
    return QColor(std::max(r, 0), std::max(g, 0), std::max(b, 0));
}

CommandToolbar::CommandToolbar(Session& session, CommandActions& actions, QWidget* parent)
    : QWidget(parent), session_(session), actions_(actions) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&actions_, &CommandActions::stateChanged, this, &CommandToolbar::followState);
}

QSize CommandToolbar::buttonSize() const {
    const int image = large_ ? LargeImageSize : SmallImageSize;
    return {image + 7, image + 6};
}

void CommandToolbar::setButtons(const ToolbarButtons& buttons) {
    for (QToolButton* widget : widgets_) delete widget;
    widgets_.clear();
    buttons_ = buttons;
    for (const int image : buttons_) {
        const CommandEntry* entry = session_.commands.entryForImage(image);
        if (!entry) {
            widgets_.push_back(nullptr);
            continue;
        }
        auto* button = new QToolButton(this);
        button->setDefaultAction(actions_.action(entry->command));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
        button->setDown(session_.commands.isPressed(entry->command));
        widgets_.push_back(button);
    }
    relayout();
}

void CommandToolbar::setLarge(bool large) {
    large_ = large;
    relayout();
}

void CommandToolbar::setWrapping(bool wrap) {
    wrap_ = wrap;
    relayout();
}

void CommandToolbar::setSpacing(int spacing) {
    spacing_ = std::clamp(spacing, 0, 9);
    relayout();
}

void CommandToolbar::setColour(Colour colour) {
    colour_ = colour;
    update();
}

CommandToolbar::Placement CommandToolbar::place(int width, int available) const {
    Placement placement;
    placement.rects.resize(buttons_.size());
    const QSize button = buttonSize();
    const int band = bandHeight();
    int x = ToolbarIndent;
    int row = 0;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const bool separator = widgets_[i] == nullptr;
        const int w = separator ? ToolbarSeparatorWidth : button.width();
        if (wrap_ && x > ToolbarIndent && x + w > width) {
            ++row;
            x = ToolbarIndent;
            if (separator) continue;  // a row never starts with a separator
        }
        // Without wrapping, the first button that does not fit hides itself and all after it.
        if (!wrap_ && (placement.cutOff || x + w > available)) {
            placement.cutOff = placement.cutOff || !separator;
            continue;
        }
        placement.rects[i] = QRect(x, row * band + ToolbarTopBand, w, button.height());
        x += w + (separator ? 0 : spacing_);
    }
    placement.rows = row + 1;
    return placement;
}

CommandToolbar::Placement CommandToolbar::placeFor(int width) const {
    Placement placement = place(width, width);
    // Room for the chevron once anything is cut off.
    if (placement.cutOff) placement = place(width, width - ChevronWidth);
    return placement;
}

int CommandToolbar::heightForWidth(int width) const {
    // The window places the toolbar two pixels above its client area, hiding its first two lines.
    return placeFor(width).rows * bandHeight() + ToolbarTop;
}

QSize CommandToolbar::sizeHint() const { return {400, heightForWidth(400)}; }

void CommandToolbar::relayout() {
    const Placement placement = placeFor(width());
    rects_ = placement.rects;
    cutOff_ = placement.cutOff;
    const QSize icon = large_ ? QSize(LargeImageSize, LargeImageSize) : QSize(SmallImageSize, SmallImageSize);
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        QToolButton* button = widgets_[i];
        if (!button) continue;
        button->setIconSize(icon);
        button->setGeometry(rects_[i]);
        button->setVisible(!rects_[i].isEmpty());
    }
    update();
    if (height() != placement.rows * bandHeight()) emit layoutChanged();
}

std::vector<int> CommandToolbar::cutOffEntries() const {
    std::vector<int> entries;
    if (!cutOff_ || wrap_) return entries;
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (rects_[i].isEmpty() && (!entries.empty() || widgets_[i]))
            entries.push_back(static_cast<int>(i));
    return entries;
}

bool CommandToolbar::inChevronZone(const QPoint& point) const {
    return cutOff_ && !wrap_ && point.x() >= width() - ChevronWidth && point.y() >= 0 && point.y() < bandHeight();
}

QToolButton* CommandToolbar::buttonOf(int command) const {
    for (QToolButton* button : widgets_)
        if (button && CommandOf(button->defaultAction()) == command) return button;
    return nullptr;
}

void CommandToolbar::followState(int command) {
    if (QToolButton* button = buttonOf(command)) button->setDown(session_.commands.isPressed(command));
}

void CommandToolbar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int band = bandHeight();
    // One band per row of buttons.
    for (int y = 0; y < height(); ++y) {
        p.setPen(ToolbarBandColour(colour_, y % band, band));
        p.drawLine(0, y, width(), y);
    }
    for (std::size_t i = 0; i < rects_.size(); ++i) {
        if (widgets_[i] || rects_[i].isEmpty()) continue;
        const QRect& r = rects_[i];
        const int x = r.center().x();
        p.setPen(QColor(160, 160, 160));
        p.drawLine(x, r.top() + 2, x, r.bottom() - 2);
        p.setPen(Qt::white);
        p.drawLine(x + 1, r.top() + 2, x + 1, r.bottom() - 2);
    }
    if (cutOff_ && !wrap_) p.drawImage(QPoint(width() - ChevronWidth, band - ToolbarTopBand), ChevronImage());
}

void CommandToolbar::resizeEvent(QResizeEvent*) { relayout(); }

bool CommandToolbar::event(QEvent* event) {
    if (event->type() == QEvent::Leave) unsetCursor();
    return QWidget::event(event);
}

void CommandToolbar::mouseMoveEvent(QMouseEvent* event) {
    if (inChevronZone(event->position().toPoint())) setCursor(CutOffButtonsCursor());
    else unsetCursor();
}

void CommandToolbar::mousePressEvent(QMouseEvent* event) {
    if (beforeClick) beforeClick();
    event->accept();
}

void CommandToolbar::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(event->globalPos(), inChevronZone(mapFromGlobal(event->globalPos())));
}

bool CommandToolbar::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return beforeClick && !beforeClick();
    case QEvent::ToolTip:
        if (showHelp) showHelp(CommandOf(button->defaultAction()));
        return false;
    case QEvent::Leave:
        if (helpHidden) helpHidden();
        return false;
    default:
        return false;
    }
}

}  // namespace wayloom
