#include "PanelLayout.h"

#include <algorithm>

#include "Types.h"

namespace vexlar {

std::int32_t PanelLeftFor(std::int32_t windowHeightTwips) {
  return RoundEven(static_cast<double>(windowHeightTwips) - 70);
}

WindowLayout LayoutWindow(std::int32_t innerWidth, std::int32_t innerHeight) {
  constexpr std::int32_t Margin = 4;  // pixels kept free right of the panel
  const auto at = [](std::int32_t h) {
    const std::int32_t framed = (h + MaximizedFramePixels) * TwipsPerPixel;
    return WindowLayout{h, PanelLeftFor(framed),
                        std::max(1.0, static_cast<double>(framed) / DesignWindowTwips)};
  };
  const auto fits = [&](const WindowLayout& l) {
    return (l.PanelLeftTwips + CtrlBoxBackPlace.Width * l.Scale) / TwipsPerPixel + Margin <=
           innerWidth;
  };
  constexpr std::int32_t Smallest = 25 + 27;  // a board of one pixel a position
  WindowLayout l = at(innerHeight);
  // Too narrow: the tallest board whose panel still fits.
  for (std::int32_t h = std::min(innerWidth, innerHeight); !fits(l) && h >= Smallest; --h)
    l = at(h);
  return l;
}

void LayoutPanel(std::span<DesignPlace> places, std::int32_t panelLeft, double scale) {
  const auto s = static_cast<float>(scale);
  for (DesignPlace& m : places)
    m = {static_cast<float>(panelLeft) + (m.Left - CtrlBoxBackPlace.Left) * s, m.Top * s,
         m.Width * s, m.Height * s};
}

}  // namespace vexlar
