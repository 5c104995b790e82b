#pragma once
// Dialog 6000 "Duplicados de Nombre ITNs": what to do with an entry whose name the table holds.
#include "app/ui_port.h"
#include "ui/dialog_effects.h"

namespace wayloom {

class DuplicateNameDialog final : public EffectsDialog {
    Q_OBJECT
public:
    DuplicateNameDialog(const QString& name, bool fade, QWidget* parent);
    // Closing the dialog counts as "Guardar Todo".
    DuplicateAnswer answer() const { return answer_; }

private:
    DuplicateAnswer answer_ = DuplicateAnswer::KeepAll;
};

DuplicateAnswer AskDuplicateName(const QString& name, bool fade, QWidget* parent);

}  // namespace wayloom
