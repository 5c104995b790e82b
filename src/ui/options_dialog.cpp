#include "ui/options_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/command_ids.h"
#include "app/string_table.h"
#include "ui/number_field.h"
#include "ui/qt_text.h"

namespace wayloom {

namespace {

// The check boxes' texts, in option order.
constexpr std::array<TextId, OptionCount> BoxTexts{
    TextId::OptionLabelShowMenuBar,     TextId::OptionLabelShowToolbar,   TextId::OptionLabelLargeToolbar,
    TextId::OptionLabelWrapToolbar,     TextId::OptionLabelLngFirst,      TextId::OptionLabelDmsFormat,
    TextId::OptionLabelCompassDirection, TextId::OptionLabelAutoColumn,   TextId::OptionLabelRecentFile,
    TextId::OptionLabelFadeWindow,      TextId::OptionLabelShadeTable,    TextId::OptionLabelShowDistance,
    TextId::OptionLabelMetricUnit,      TextId::OptionLabelShowStatusBar, TextId::OptionLabelCheckName,
    TextId::OptionLabelAutoBP,          TextId::OptionLabelOpenLast,      TextId::OptionLabelBackupFile,
    TextId::OptionLabelGoogleMapsCookie, TextId::OptionLabelGoogleMapsName, TextId::OptionLabelGoogleMapsRoute,
};

constexpr std::array<TextId, 9> LanguageNames{
    TextId::LanguageSpain,  TextId::LanguageUsa,   TextId::LanguageUk,      TextId::LanguageAustralia,
    TextId::LanguageTaiwan, TextId::LanguageChina, TextId::LanguageFrance,  TextId::LanguageGermany,
    TextId::LanguageJapan,
};

constexpr int GeneralBoxes = 18;  // the rest belong to the Google Maps group
constexpr int GeneralRows = 9;

}  // namespace

OptionsDialog::OptionsDialog(const Options& options, UiPort& ui, bool fade, QWidget* parent)
    : EffectsDialog(parent, ToInt(CommandId::Options), fade), options_(options), ui_(ui),
      fileCount_(new NumberField(1, 9, 1)), backupInterval_(new NumberField(1, 99, 2)), language_(new QComboBox) {
    setWindowTitle(ToQString(Text(TextId::OptionsTitle)));
    for (int i = 0; i < OptionCount; ++i) {
        auto* box = new QCheckBox(ToQString(Text(BoxTexts[static_cast<std::size_t>(i)])));
        box->setChecked(options_.flags[static_cast<std::size_t>(i)]);
        boxes_[static_cast<std::size_t>(i)] = box;
    }

    auto* general = new QGroupBox(ToQString(Text(TextId::OptionsGroupGeneral)));
    auto* generalGrid = new QGridLayout(general);
    for (int i = 0; i < GeneralBoxes; ++i) {
        QWidget* cell = boxes_[static_cast<std::size_t>(i)];
        // The two number fields stand beside the options they belong to.
        NumberField* field = i == static_cast<int>(Option::RecentFile)   ? fileCount_
                             : i == static_cast<int>(Option::BackupFile) ? backupInterval_
                                                                         : nullptr;
        if (field) {
            cell = new QWidget;
            auto* row = new QHBoxLayout(cell);
            row->setContentsMargins(0, 0, 0, 0);
            row->addWidget(boxes_[static_cast<std::size_t>(i)]);
            row->addWidget(field);
            row->addStretch();
        }
        generalGrid->addWidget(cell, i % GeneralRows, i / GeneralRows);
    }
    fileCount_->setValue(options_.fileCount);
    backupInterval_->setValue(options_.backupInterval);

    auto* maps = new QGroupBox(ToQString(Text(TextId::OptionsGroupMaps)));
    auto* mapsLayout = new QVBoxLayout(maps);
    auto* languageRow = new QHBoxLayout;
    auto* languageLabel = new QLabel(ToQString(Text(TextId::OptionsLanguageLabel)));
    languageLabel->setBuddy(language_);
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(language_);
    languageRow->addStretch();
    mapsLayout->addLayout(languageRow);
    for (const TextId name : LanguageNames) language_->addItem(ToQString(Text(name)));
    language_->setCurrentIndex(options_.mapLanguage);
    for (int i = GeneralBoxes; i < OptionCount; ++i) mapsLayout->addWidget(boxes_[static_cast<std::size_t>(i)]);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(ToQString(Text(TextId::ButtonOk)), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(ToQString(Text(TextId::ButtonCancel)), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &OptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OptionsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(general);
    layout->addWidget(maps);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (const Option option : {Option::ShowToolbar, Option::ShowDistance, Option::RecentFile, Option::BackupFile})
        connect(box(option), &QCheckBox::toggled, this, &OptionsDialog::updateDependants);
    // Row shading belongs to the classic look; this program draws the themed one.
    box(Option::ShadeTable)->setEnabled(false);
    updateDependants();
}

void OptionsDialog::updateDependants() {
    const bool toolbar = box(Option::ShowToolbar)->isChecked();
    box(Option::LargeToolbar)->setEnabled(toolbar);
    box(Option::WrapToolbar)->setEnabled(toolbar);
    box(Option::AutoBP)->setEnabled(box(Option::ShowDistance)->isChecked());
    const bool recent = box(Option::RecentFile)->isChecked();
    fileCount_->setEnabled(recent);
    box(Option::OpenLast)->setEnabled(recent);
    backupInterval_->setEnabled(box(Option::BackupFile)->isChecked());
}

void OptionsDialog::accept() {
    std::optional<int> count;
    if (box(Option::RecentFile)->isChecked()) {
        count = fileCount_->value();
        if (!count) {
            ui_.showMessage(Text(TextId::BadFileCount), MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
            fileCount_->selectForCorrection();
            return;
        }
    }
    std::optional<int> interval;
    if (box(Option::BackupFile)->isChecked()) {
        interval = backupInterval_->value();
        if (!interval) {
            ui_.showMessage(Text(TextId::BadBackupInterval), MessageIcon::Information, MessageButtons::Ok,
                            MessageAnswer::Ok);
            backupInterval_->selectForCorrection();
            return;
        }
    }
    for (int i = 0; i < OptionCount; ++i)
        options_.flags[static_cast<std::size_t>(i)] = boxes_[static_cast<std::size_t>(i)]->isChecked();
    if (count) options_.fileCount = *count;
    if (interval) options_.backupInterval = *interval;
    options_.mapLanguage = language_->currentIndex();
    EffectsDialog::accept();
}

}  // namespace wayloom
