#include "ui/accelerator_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace wayloom {

namespace {

using KeyMap = std::unordered_map<int, int>;  // QKeyCombination::toCombined() -> command

KeyMap BuildMap(AcceleratorTableId table) {
    KeyMap map;
    for (const Accelerator& accelerator : AcceleratorTable(table)) {
        const QKeySequence sequence(QString::fromLatin1(accelerator.keys.data(), accelerator.keys.size()),
                                    QKeySequence::PortableText);
        map.emplace(sequence[0].toCombined(), accelerator.command);
    }
    return map;
}

}  // namespace

AcceleratorFilter::AcceleratorFilter(QWidget& window) : QObject(&window), window_(window) {
    qApp->installEventFilter(this);
}

int AcceleratorFilter::CommandOfKey(AcceleratorTableId table, QKeyCombination key) {
    static const KeyMap main = BuildMap(AcceleratorTableId::Main);
    static const KeyMap map = BuildMap(AcceleratorTableId::MapPane);
    const KeyMap& keys = table == AcceleratorTableId::Main ? main : map;
    const auto found = keys.find(key.toCombined());
    return found == keys.end() ? 0 : found->second;
}

bool AcceleratorFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Keys of dialogs, menus and other windows are theirs.
    if (!widget || widget->window() != &window_) return false;
    if (accepting && !accepting()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QWidget* pane = mapPane ? mapPane() : nullptr;
    const bool inMap = pane && pane->isVisible() && (widget == pane || pane->isAncestorOf(widget));
    const int command =
        CommandOfKey(inMap ? AcceleratorTableId::MapPane : AcceleratorTableId::Main,
                     QKeyCombination(modifiers, static_cast<Qt::Key>(key->key())));
    if (command == 0) return false;
    // The key is the accelerator's even when its command cannot run now.
    if ((!enabled || enabled(command)) && run) run(command);
    return true;
}

}  // namespace wayloom
