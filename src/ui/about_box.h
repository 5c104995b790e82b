#pragma once
// "Acerca de Wayloom" (command 1062): the program's name, version and credits. Enter, Escape or a
// click anywhere closes it.
#include "ui/dialog_effects.h"

namespace wayloom {

class AboutBox final : public EffectsDialog {
    Q_OBJECT
public:
    AboutBox(bool fade, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace wayloom
