#pragma once
// The four mark icons drawn at the left of the Nombre cell: waypoint, visited waypoint,
// destination, visited destination (the index is the entry's mark).
#include <QImage>

#include "model/itn_entry.h"

namespace wayloom {

// Small icons are 24 x 16, large ones (for table fonts taller than 15 pixels) 32 x 24.
QSize MarkIconSize(bool large);
const QImage& MarkIcon(ItnMark mark, bool large);

}  // namespace wayloom
