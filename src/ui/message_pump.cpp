#include "ui/message_pump.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace wayloom {

MessagePump::MessagePump(QObject* parent) : QObject(parent) { QCoreApplication::instance()->installEventFilter(this); }

MessagePump::~MessagePump() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool MessagePump::pump(bool allowEscape) {
    pumping_ = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    pumping_ = false;
    if (!allowEscape) return false;
    const bool escape = escapePressed_;
    escapePressed_ = false;
    return escape;
}

bool MessagePump::eventFilter(QObject* watched, QEvent* event) {
    if (!pumping_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        // Any other key pressed during the operation is lost.
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) escapePressed_ = true;
        return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace wayloom
