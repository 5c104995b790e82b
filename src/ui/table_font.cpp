#include "ui/table_font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <cmath>

#include "app/command_ids.h"
#include "app/string_table.h"
#include "ui/dialog_effects.h"
#include "ui/qt_text.h"

namespace wayloom {

namespace {

constexpr std::array<std::array<int, 3>, StandardTextColourCount> StandardColours{{
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},     {128, 0, 128},
    {0, 128, 128},   {128, 128, 128}, {192, 192, 192}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

constexpr std::array<TextId, StandardTextColourCount> ColourNames{
    TextId::ColourBlack, TextId::ColourMaroon, TextId::ColourGreen,  TextId::ColourOlive,
    TextId::ColourNavy,  TextId::ColourPurple, TextId::ColourTeal,   TextId::ColourGrey,
    TextId::ColourSilver, TextId::ColourRed,   TextId::ColourLime,   TextId::ColourYellow,
    TextId::ColourBlue,  TextId::ColourFuchsia, TextId::ColourAqua,  TextId::ColourWhite,
};

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

QIcon Swatch(const QColor& colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(colour);
    QPainter(&pixmap).drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

}  // namespace

int LogicalFontHeight(const QFont& font) {
    if (font.pixelSize() > 0) return -font.pixelSize();
    return -static_cast<int>(std::lround(font.pointSizeF() * ScreenDpi() / 72.0));
}

QFont FontFromSettings(const FontSettings& settings, const QFont& fallback) {
    if (settings.name.empty()) return fallback;
    QFont font(ToQString(settings.name));
    // Height 0 keeps the usual size; a positive height is a cell height, close enough to the
    // character height for a table font.
    if (settings.height != 0) font.setPixelSize(std::abs(settings.height));
    else font.setPointSizeF(fallback.pointSizeF());
    font.setWeight(static_cast<QFont::Weight>(std::clamp(settings.weight, 1, 1000)));
    font.setItalic(settings.italic);
    return font;
}

void StoreFont(FontSettings& settings, const QFont& font, Colour colour) {
    settings.name = ToU16(font.family()).substr(0, 31);
    settings.height = LogicalFontHeight(font);
    settings.weight = font.weight();
    settings.italic = font.italic();
    settings.colour = colour;
}

QColor StandardTextColour(int index) {
    const auto& c = StandardColours[static_cast<std::size_t>(std::clamp(index, 0, StandardTextColourCount - 1))];
    return QColor(c[0], c[1], c[2]);
}

TableFontDialog::TableFontDialog(const QFont& font, Colour colour, bool fade, QWidget* parent)
    : QFontDialog(font, parent), colours_(new QComboBox), fade_(fade) {
    setOption(QFontDialog::DontUseNativeDialog);
    setOption(QFontDialog::ScalableFonts);
    setOption(QFontDialog::NonScalableFonts);
    AttachDialogEffects(*this, ToInt(CommandId::TableFont), fade);
    // Underline, strike-out and the script choice do not apply to the table.
    for (QCheckBox* box : findChildren<QCheckBox*>()) box->setEnabled(false);
    for (QComboBox* list : findChildren<QComboBox*>()) list->setEnabled(false);
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy() && qobject_cast<QComboBox*>(label->buddy())) label->setEnabled(false);

    int selected = 0;
    for (int i = 0; i < StandardTextColourCount; ++i) {
        const QColor shown = StandardTextColour(i);
        colours_->addItem(Swatch(shown), ToQString(Text(ColourNames[static_cast<std::size_t>(i)])));
        if (Rgb(shown.red(), shown.green(), shown.blue()) == colour) selected = i;
    }
    colours_->setCurrentIndex(selected);
    if (auto* effects = findChild<QGroupBox*>()) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(ToQString(Text(TextId::FontColourLabel)));
        label->setBuddy(colours_);
        row->addWidget(label);
        row->addWidget(colours_, 1);
        if (auto* box = qobject_cast<QBoxLayout*>(effects->layout())) box->addLayout(row);
        else if (auto* grid = qobject_cast<QGridLayout*>(layout())) grid->addLayout(row, grid->rowCount(), 0);
    }
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        QPushButton* applyButton = buttons->addButton(ToQString(Text(TextId::ApplyButton)), QDialogButtonBox::ApplyRole);
        connect(applyButton, &QPushButton::clicked, this, [this] {
            if (apply) apply(currentFont(), this->colour());
        });
    }
}

Colour TableFontDialog::colour() const {
    const QColor c = StandardTextColour(colours_->currentIndex());
    return Rgb(c.red(), c.green(), c.blue());
}

void TableFontDialog::done(int result) {
    FadeOut(*this, fade_);
    QFontDialog::done(result);
}

}  // namespace wayloom
