#include "ui/customize_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/command_ids.h"
#include "app/command_texts.h"
#include "app/string_table.h"
#include "ui/command_toolbar.h"
#include "ui/qt_text.h"
#include "ui/toolbar_images.h"

namespace wayloom {

namespace {

constexpr int ImageRole = Qt::UserRole;

QListWidgetItem* MakeItem(const CommandTable& table, int image) {
    auto* item = new QListWidgetItem;
    item->setData(ImageRole, image);
    if (const CommandEntry* entry = table.entryForImage(image)) {
        item->setIcon(ToolbarIcon(image));
        item->setText(ToQString(FindCommandText(entry->command)->tooltip));
    } else {
        item->setText(ToQString(Text(TextId::CustomizeSeparator)));
    }
    return item;
}

}  // namespace

CustomizeDialog::CustomizeDialog(CommandToolbar& toolbar, bool fade, QWidget* parent)
    : EffectsDialog(parent, ToInt(CommandId::CustomizeToolbar), fade), toolbar_(toolbar),
      available_(new QListWidget), current_(new QListWidget), spacing_(new QSpinBox),
      add_(new QPushButton(ToQString(Text(TextId::CustomizeAdd)))),
      remove_(new QPushButton(ToQString(Text(TextId::CustomizeRemove)))),
      up_(new QPushButton(ToQString(Text(TextId::CustomizeUp)))),
      down_(new QPushButton(ToQString(Text(TextId::CustomizeDown)))),
      reset_(new QPushButton(ToQString(Text(TextId::CustomizeReset)))),
      close_(new QPushButton(ToQString(Text(TextId::CustomizeClose)))) {
    setWindowTitle(ToQString(Text(TextId::CustomizeTitle)));
    for (QListWidget* list : {available_, current_}) {
        list->setIconSize(QSize(SmallImageSize, SmallImageSize));
        list->setMinimumSize(220, 300);
    }
    spacing_->setRange(0, 9);
    spacing_->setValue(toolbar_.spacing());
    spacing_->setFixedWidth(36 + 20);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(add_);
    middle->addWidget(remove_);
    middle->addStretch();
    auto* side = new QVBoxLayout;
    side->addWidget(close_);
    side->addWidget(reset_);
    side->addSpacing(12);
    side->addWidget(up_);
    side->addWidget(down_);
    side->addSpacing(12);
    side->addWidget(new QLabel(ToQString(Text(TextId::CustomizeSpacing))));
    side->addWidget(spacing_);
    side->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(ToQString(Text(TextId::CustomizeAvailable))), 0, 0);
    grid->addWidget(new QLabel(ToQString(Text(TextId::CustomizeCurrent))), 0, 2);
    grid->addWidget(available_, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(current_, 1, 2);
    grid->addLayout(side, 1, 3);

    connect(add_, &QPushButton::clicked, this, &CustomizeDialog::insertSelected);
    connect(remove_, &QPushButton::clicked, this, &CustomizeDialog::removeSelected);
    connect(up_, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(reset_, &QPushButton::clicked, this, &CustomizeDialog::resetButtons);
    connect(close_, &QPushButton::clicked, this, &CustomizeDialog::reject);
    connect(available_, &QListWidget::itemDoubleClicked, this, &CustomizeDialog::insertSelected);
    connect(current_, &QListWidget::itemDoubleClicked, this, &CustomizeDialog::removeSelected);
    connect(current_, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    connect(available_, &QListWidget::currentRowChanged, this, &CustomizeDialog::updateButtons);
    // A digit applies at once; anything else never reaches the box, an empty box shows the digit again.
    connect(spacing_, &QSpinBox::valueChanged, this, [this](int spacing) {
        if (spacing == toolbar_.spacing()) return;
        toolbar_.setSpacing(spacing);
        if (spacingChanged) spacingChanged(spacing);
    });
    fillLists(0);
}

void CustomizeDialog::fillLists(int currentRow) {
    const CommandTable table;
    available_->clear();
    current_->clear();
    const ToolbarButtons& buttons = toolbar_.buttons();
    // The separator is always available; every other button while it is not on the toolbar.
    available_->addItem(MakeItem(table, ToolbarSeparator));
    for (int image = 0; image < ToolbarImageCount; ++image)
        if (std::find(buttons.begin(), buttons.end(), image) == buttons.end()) available_->addItem(MakeItem(table, image));
    for (const int image : buttons) current_->addItem(MakeItem(table, image));
    available_->setCurrentRow(0);
    current_->setCurrentRow(std::clamp(currentRow, 0, std::max(0, current_->count() - 1)));
    updateButtons();
}

void CustomizeDialog::apply(const ToolbarButtons& buttons, int currentRow) {
    toolbar_.setButtons(buttons);
    if (buttonsChanged) buttonsChanged(buttons);
    fillLists(currentRow);
}

void CustomizeDialog::insertSelected() {
    const QListWidgetItem* item = available_->currentItem();
    if (!item) return;
    ToolbarButtons buttons = toolbar_.buttons();
    // Inserted before the current toolbar entry, or at the end of an empty toolbar.
    const int at = current_->currentRow() < 0 ? static_cast<int>(buttons.size()) : current_->currentRow();
    buttons.insert(buttons.begin() + at, item->data(ImageRole).toInt());
    apply(buttons, at);
}

void CustomizeDialog::removeSelected() {
    const int row = current_->currentRow();
    if (row < 0) return;
    ToolbarButtons buttons = toolbar_.buttons();
    buttons.erase(buttons.begin() + row);
    apply(buttons, row);
}

void CustomizeDialog::moveSelected(int delta) {
    const int row = current_->currentRow();
    ToolbarButtons buttons = toolbar_.buttons();
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= static_cast<int>(buttons.size())) return;
    std::swap(buttons[static_cast<std::size_t>(row)], buttons[static_cast<std::size_t>(target)]);
    apply(buttons, target);
}

void CustomizeDialog::resetButtons() {
    toolbar_.hide();
    toolbar_.setButtons(DefaultToolbarButtons());
    toolbar_.show();
    if (buttonsReset) buttonsReset();
    fillLists(0);
}

void CustomizeDialog::updateButtons() {
    const int row = current_->currentRow();
    const int count = current_->count();
    add_->setEnabled(available_->currentRow() >= 0);
    remove_->setEnabled(row >= 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row < count - 1);
    close_->setEnabled(HasAnyButton(toolbar_.buttons()));
    reset_->setEnabled(hasStoredButtons && hasStoredButtons());
}

void CustomizeDialog::showEvent(QShowEvent* event) {
    updateButtons();
    EffectsDialog::showEvent(event);
}

// An empty toolbar cannot be left behind: the dialog stays until a button is added.
void CustomizeDialog::reject() {
    if (!HasAnyButton(toolbar_.buttons())) return;
    EffectsDialog::reject();
}

}  // namespace wayloom
