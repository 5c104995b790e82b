#pragma once
// Great-circle distances and their Distancia texts.
#include <cstdint>
#include <string>

namespace wayloom {

inline constexpr double DegreesToRadians = 0.017453292519943295;
inline constexpr double SphereRadius = 6378137.527506568;  // metres
inline constexpr double FeetPerMetre = 3.28084;
inline constexpr double MetresPerMile = 1609.344;

// The base point's trigonometry, computed once when the base row is set.
struct PointTrig {
    double lngDegrees = 0;
    double latDegrees = 0;
    double lngRadians = 0;
    double latSine = 0;
    double latCosine = 0;
};
PointTrig MakePointTrig(double lngDegrees, double latDegrees);

// Whole metres (truncated) along the sphere; 0 for identical points.
std::int32_t DistanceMetres(const PointTrig& from, const PointTrig& to);
inline std::int32_t DistanceMetres(const PointTrig& from, double lngDegrees, double latDegrees) {
    return DistanceMetres(from, MakePointTrig(lngDegrees, latDegrees));
}

// "%d    m" / "%.1f  km" in metric, "%d    pi" / "%.1f  mi" in imperial.
std::u16string FormatDistance(std::int32_t metres, bool metric);

}  // namespace wayloom
