#pragma once
// What a command asks of the user: message boxes, the program's question dialogs and the progress
// display with its message pump. The Qt application implements it with real dialogs; tests and the
// converter implement it with scripted answers. Every call has a headless default: a message box
// answers its default button, a dialog answers as closing it would, progress is not shown.
#include <string_view>

namespace wayloom {

enum class MessageIcon { Information, Warning, Question };
enum class MessageButtons { Ok, OkCancel, YesNoCancel };

// Button ids of the message boxes.
enum class MessageAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// Dialog 6000 "Duplicados de Nombre ITNs".
enum class DuplicateAnswer : int {
    Drop = 5002,     // "Eliminar": drop this entry, ask again at the next duplicate
    DropAll = 5003,  // "Eliminar Todo": drop this and every later duplicate of the read
    Keep = 5004,     // "Guardar": keep this entry, ask again at the next duplicate
    KeepAll = 2,     // "Guardar Todo", the default button; closing the dialog counts as this
};

// Dialog 6001 "Mismos Nombres de Archivos" (folder conversion, output file exists).
enum class SameFileAnswer : int {
    Yes = 6,          // "&Sí": overwrite this one
    YesToAll = 5002,  // "Sí a &Todo"
    No = 7,           // "&No": pass over this file
    NoToAll = 5003,   // "N&o a Todo"
    Cancel = 2,       // "Cancelar": end the conversion; closing the dialog counts as this
};

class UiPort {
public:
    virtual ~UiPort() = default;

    // A message box with the product name as caption; returns the button pressed.
    virtual MessageAnswer showMessage(std::u16string_view /*text*/, MessageIcon /*icon*/, MessageButtons /*buttons*/,
                                      MessageAnswer defaultButton) {
        return defaultButton;
    }
    virtual DuplicateAnswer askDuplicateName(std::u16string_view /*name*/) { return DuplicateAnswer::KeepAll; }
    virtual SameFileAnswer askSameFile(std::u16string_view /*fileName*/) { return SameFileAnswer::Cancel; }

    // A long operation begins (wait cursor, progress bar in the status bar) or ends.
    virtual void beginProgress() {}
    virtual void endProgress() {}
    // The progress bar at `percent` and the message pane's text; runs the housekeeping tick.
    virtual void showProgress(std::u16string_view /*text*/, int /*percent*/) {}
    // The message pane's text alone.
    virtual void showStatus(std::u16string_view /*text*/) {}
    // PumpMessages: lets paint and timer work through; with allowEscape, true when Escape was pressed.
    virtual bool pumpMessages(bool /*allowEscape*/) { return false; }
};

}  // namespace wayloom
