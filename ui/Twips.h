// Design places, in twips, as pixels of the window: 15 twips a pixel, each edge rounded, so that
// places that meet in twips meet in pixels.
#pragma once
#include <QRect>
#include <cmath>

#include "PanelLayout.h"

namespace vexlar {

inline QRect Pixels(const DesignPlace& d) {
  const auto px = [](float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); };
  return QRect(QPoint(px(d.Left), px(d.Top)),
               QPoint(px(d.Left + d.Width) - 1, px(d.Top + d.Height) - 1));
}

}  // namespace vexlar

#include "BoardModel.h"

namespace vexlar {

inline QRect ToQRect(const Rect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }

}  // namespace vexlar
