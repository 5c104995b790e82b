#pragma once
// The toolbar's 51 images (drawn as SVG in icons/, in image-index order) in the two sizes, their
// "hot" variants shown under the pointer, the chevron marks and the cut-off-buttons cursor.
#include <QCursor>
#include <QIcon>
#include <QImage>

namespace wayloom {

inline constexpr int SmallImageSize = 16;
inline constexpr int LargeImageSize = 24;
inline constexpr int ChevronWidth = 8;
inline constexpr int ChevronHeight = 5;

// An image of the toolbar at the given size (16 or 24), rendered from its SVG.
QImage ToolbarImage(int image, int size);
// The hot variant: each colour channel c becomes c * 1.1 (truncated) when c < 232, else 255; alpha
// is kept.
QImage HotImage(const QImage& image);
// Both sizes, with the hot variant as the icon's Active mode. Null icon for an index outside 0..50.
QIcon ToolbarIcon(int image);
// The chevron drawn at the bottom right of a toolbar whose buttons are cut off.
QImage ChevronImage();
// Cursor 4000: over the chevron of cut-off buttons.
QCursor CutOffButtonsCursor();

}  // namespace wayloom
