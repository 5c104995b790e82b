#pragma once
// The table font as the profile describes it (face, height, weight, italic, colour) and the dialog
// that changes it, with an apply button and the sixteen standard text colours.
#include <QFontDialog>
#include <functional>

#include "app/settings_io.h"

class QComboBox;

namespace wayloom {

// The profile's height of a font: minus the character height in pixels.
int LogicalFontHeight(const QFont& font);
// Characters taller than 15 pixels (height -16 and below) take the larger mark images.
inline bool UsesLargeMarks(int logicalHeight) { return logicalHeight < -15; }

// The font a description names; `fallback` gives the face and size an empty description lacks.
QFont FontFromSettings(const FontSettings& settings, const QFont& fallback);
// The description of a font with a text colour (the picture fields are left alone).
void StoreFont(FontSettings& settings, const QFont& font, Colour colour);

// The sixteen colours of the colour list, in list order.
QColor StandardTextColour(int index);
inline constexpr int StandardTextColourCount = 16;

class TableFontDialog final : public QFontDialog {
    Q_OBJECT
public:
    TableFontDialog(const QFont& font, Colour colour, bool fade, QWidget* parent);

    Colour colour() const;
    QComboBox* colourList() const { return colours_; }
    // "&Aplicar": the font and colour chosen so far go to the table at once.
    std::function<void(const QFont& font, Colour colour)> apply;

    void done(int result) override;

private:
    QComboBox* colours_;
    bool fade_;
};

}  // namespace wayloom
