#pragma once
// The options dialog "Opciones" (command 1057): the 21 options, the recent-file count, the automatic
// save interval and the map's language. It edits a copy; the command applies what changed.
#include <QCheckBox>
#include <array>

#include "app/options.h"
#include "app/ui_port.h"
#include "ui/dialog_effects.h"

class QComboBox;

namespace wayloom {

class NumberField;

class OptionsDialog final : public EffectsDialog {
    Q_OBJECT
public:
    // `ui` shows the refusals; `fade` is "Fade Window" as it stands when the dialog opens.
    OptionsDialog(const Options& options, UiPort& ui, bool fade, QWidget* parent);

    // The options after OK (unchanged after Cancel).
    const Options& options() const { return options_; }

    QCheckBox* box(Option option) const { return boxes_[static_cast<std::size_t>(option)]; }
    NumberField* fileCountField() const { return fileCount_; }
    NumberField* backupIntervalField() const { return backupInterval_; }
    QComboBox* languageList() const { return language_; }

    void accept() override;

private:
    void updateDependants();

    Options options_;
    UiPort& ui_;
    std::array<QCheckBox*, OptionCount> boxes_{};
    NumberField* fileCount_;
    NumberField* backupInterval_;
    QComboBox* language_;
};

}  // namespace wayloom
