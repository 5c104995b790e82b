#pragma once
// Coordinate texts: every notation accepted from the user, the one display form the table holds,
// and the routines that re-read display texts. Texts are UTF-16; numbers never depend on the locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/itn_entry.h"

namespace wayloom {

enum class CoordinateKind { Lng = 1, Lat = 2, Either = 3 };

// The two options that decide the display form of coordinates.
struct CoordinateDisplay {
    bool dms = false;      // degrees, minutes, seconds
    bool compass = false;  // compass letter instead of a sign
};

// Leading decimal number as the C library reads it in the "C" locale: optional blanks and sign,
// digits, one point, optional exponent. Returns 0 when no number starts the text.
double ReadLeadingNumber(std::u16string_view text, std::size_t* consumed = nullptr);

bool ParseCoordinate(std::u16string_view source, CoordinateKind kind, const CoordinateDisplay& display,
                     std::u16string& destination);

std::u16string FormatCoordinate(CoordinateKind kind, double degrees, const CoordinateDisplay& display);
// nullopt when the rounded value lies outside the kind's range.
std::optional<std::u16string> FormatCheckedCoordinate(bool isScaled, double value, CoordinateKind kind,
                                                      const CoordinateDisplay& display);
std::u16string FormatDms(double degrees);
void AddCompassLetter(std::u16string& text, CoordinateKind kind, const CoordinateDisplay& display);
void StripCompassLetter(std::u16string& text);

// Degrees from any display form; a compass letter is turned into a sign in place.
double ReadCoordinateText(std::u16string& text);
double ReadDisplayedCoordinate(std::u16string_view text, const CoordinateDisplay& display);
ScaledCoordinate ReadScaledCoordinate(std::u16string_view text, const CoordinateDisplay& display);

void ToPlainDecimal(std::u16string& text, const CoordinateDisplay& display);
void ReformatCoordinateText(std::u16string& text, CoordinateKind kind, const CoordinateDisplay& display);
// Trims the text in place, then tests for an optionally signed decimal without exponent.
bool IsPlainNumber(std::u16string& text);

// "%.5f" in the "C" locale, as UTF-16.
std::u16string FormatFiveDecimals(double value);
// FormatFiveDecimals(scaled / 100000.0) for a whole number of 1e-5 degree, worked out on the integer
// and written into `text` (whose storage file readers reuse).
void FormatScaledFiveDecimals(std::int64_t scaled, std::u16string& text);

}  // namespace wayloom
