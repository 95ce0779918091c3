#pragma once

#include <QColor>

// The backgrounds of marked bytes in the grid and the character column. Two
// hues far apart, so that a byte edited since the last read, load, save or
// write never passes for one that differs from a compared file.
namespace MarkColours {

inline const QColor Changed(255, 214, 150);    // light orange
inline const QColor Differing(170, 205, 255);  // light blue

}  // namespace MarkColours
