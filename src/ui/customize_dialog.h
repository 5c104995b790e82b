#pragma once
// "Personalizar barra de herramientas" (command 1053): the buttons available and those on the
// toolbar, with insert, remove, move and reset, and the button spacing. Every change applies to the
// toolbar at once and is reported so that "Toolbar Button" is written.
#include <functional>

#include "app/command_table.h"
#include "ui/dialog_effects.h"

class QListWidget;
class QPushButton;
class QSpinBox;

namespace wayloom {

class CommandToolbar;

class CustomizeDialog final : public EffectsDialog {
    Q_OBJECT
public:
    CustomizeDialog(CommandToolbar& toolbar, bool fade, QWidget* parent);

    // After every change of the buttons; reset tells the profile key to go.
    std::function<void(const ToolbarButtons& buttons)> buttonsChanged;
    std::function<void()> buttonsReset;
    // Whether "Toolbar Button" exists in the profile (the reset button is enabled only then).
    std::function<bool()> hasStoredButtons;
    // After the spacing changed.
    std::function<void(int spacing)> spacingChanged;

    QListWidget* availableList() const { return available_; }
    QListWidget* currentList() const { return current_; }
    QSpinBox* spacingBox() const { return spacing_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* resetButton() const { return reset_; }

    void insertSelected();
    void removeSelected();
    void moveSelected(int delta);
    void resetButtons();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillLists(int currentRow);
    void apply(const ToolbarButtons& buttons, int currentRow);
    void updateButtons();

    CommandToolbar& toolbar_;
    QListWidget* available_;
    QListWidget* current_;
    QSpinBox* spacing_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* reset_;
    QPushButton* close_;
};

}  // namespace wayloom
