// Design places and sizes, in twips, as pixels of the window: 15 twips a pixel, rounded; and
// the game's own rectangles as Qt's.
#pragma once
#include <QRect>
#include <cmath>

#include "BoardModel.h"
#include "PanelLayout.h"

namespace vexlar {

inline int Pixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

inline QSize Pixels(float width, float height) { return {Pixels(width), Pixels(height)}; }

// Each edge rounded, so that places that meet in twips meet in pixels.
inline QRect Pixels(const DesignPlace& d) {
  return QRect(QPoint(Pixels(d.Left), Pixels(d.Top)),
               QPoint(Pixels(d.Left + d.Width) - 1, Pixels(d.Top + d.Height) - 1));
}

inline QRect ToQRect(const Rect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

}  // namespace vexlar
