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
    return WindowLayout{h, PanelLeftFor((h + MaximizedFramePixels) * TwipsPerPixel)};
  };
  const auto fits = [&](const WindowLayout& l) {
    return (l.PanelLeftTwips + CtrlBoxBackPlace.Width) / TwipsPerPixel + Margin <= innerWidth;
  };
  constexpr std::int32_t Smallest = 25 + 27;  // a board of one pixel a position
  WindowLayout l = at(innerHeight);
  // Too narrow: the tallest board whose panel still fits.
  for (std::int32_t h = std::min(innerWidth, innerHeight); !fits(l) && h >= Smallest; --h)
    l = at(h);
  return l;
}

void LayoutPanel(std::span<DesignPlace> places, std::int32_t panelLeft) {
  for (DesignPlace& member : places)
    member.Left = static_cast<float>(panelLeft) + member.Left - CtrlBoxBackPlace.Left;
}

}  // namespace vexlar
