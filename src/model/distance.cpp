#include "model/distance.h"

#include <charconv>
#include <cmath>

namespace wayloom {

PointTrig MakePointTrig(double lngDegrees, double latDegrees) {
    // Extended precision, as the distances were first computed with the x87 unit; double alone
    // may land one metre off where the exact value lies close to a whole metre.
    const long double latRadians = static_cast<long double>(latDegrees) * DegreesToRadians;
    // The cache holds doubles, like the five doubles the program has always kept for the base point.
    return PointTrig{lngDegrees, latDegrees, static_cast<double>(lngDegrees * static_cast<long double>(DegreesToRadians)),
                     static_cast<double>(std::sin(latRadians)), static_cast<double>(std::cos(latRadians))};
}

std::int32_t DistanceMetres(const PointTrig& from, const PointTrig& to) {
    if (to.lngDegrees == from.lngDegrees && to.latDegrees == from.latDegrees) return 0;
    const long double deltaLng = to.lngRadians - from.lngRadians;
    long double cosine = from.latSine * to.latSine + from.latCosine * to.latCosine * std::cos(deltaLng);
    cosine = std::fmax(-1.0L, std::fmin(1.0L, cosine));  // rounding may step past ±1
    return static_cast<std::int32_t>(std::acos(cosine) * static_cast<long double>(SphereRadius));
}

namespace {

std::u16string Ascii(const char* begin, const char* end, const char16_t* unit) {
    std::u16string text(begin, end);
    text += unit;
    return text;
}

}  // namespace

std::u16string FormatDistance(std::int32_t metres, bool metric) {
    char buffer[48];
    if (metric && metres < 1000) {
        auto end = std::to_chars(buffer, buffer + sizeof buffer, metres).ptr;
        return Ascii(buffer, end, u"    m");
    }
    if (!metric && metres <= 160) {
        auto feet = static_cast<std::int64_t>(metres * FeetPerMetre);
        auto end = std::to_chars(buffer, buffer + sizeof buffer, feet).ptr;
        return Ascii(buffer, end, u"    pi");
    }
    const double value = metric ? metres / 1000.0 : metres / MetresPerMile;
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1).ptr;
    return Ascii(buffer, end, metric ? u"  km" : u"  mi");
}

}  // namespace wayloom
