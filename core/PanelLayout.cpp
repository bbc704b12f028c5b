#include "PanelLayout.h"

#include "Types.h"

namespace vexlar {

std::int32_t PanelLeftFor(std::int32_t windowHeightTwips) {
  return RoundEven(static_cast<double>(windowHeightTwips) - 70);
}

void LayoutPanel(std::span<DesignPlace> places, std::int32_t panelLeft) {
  DesignPlace& back = places.back();
  for (DesignPlace& member : places.first(places.size() - 1))
    member.Left = static_cast<float>(panelLeft) + member.Left - back.Left;
  back.Left = static_cast<float>(panelLeft);
}

}  // namespace vexlar
