// Design places, in twips, as pixels of the window: 15 twips a pixel, the left edge rounded.
#pragma once
#include <QRect>
#include <cmath>

#include "PanelLayout.h"

namespace vexlar {

inline QRect Pixels(const DesignPlace& d) {
  return QRect(static_cast<int>(std::lround(d.Left / TwipsPerPixel)), d.Top / TwipsPerPixel,
               d.Width / TwipsPerPixel, d.Height / TwipsPerPixel);
}

}  // namespace vexlar
