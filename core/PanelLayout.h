// The control panel's design places (twips) and the slide that puts it beside the square board.
#pragma once
#include <array>
#include <cstdint>

namespace vexlar {

struct DesignPlace {
  const char* Name;
  float Left;  // twips; the only coordinate the layout changes
  std::int32_t Top, Width, Height;
};

constexpr int PanelMemberCount = 27;

// The panel members in the order the layout moves them, then CtrlBoxBack last.
using PanelPlaces = std::array<DesignPlace, PanelMemberCount + 1>;
PanelPlaces DesignPanel();

// The panel's left edge lies 70 twips left of the window's height (wide integers: tall screens).
std::int32_t PanelLeftFor(std::int32_t windowHeightTwips);

// Moves every member by its offset to CtrlBoxBack's unmoved left edge, then CtrlBoxBack itself.
void LayoutPanel(PanelPlaces& places, std::int32_t panelLeft);

constexpr int TwipsPerPixel = 15;

}  // namespace vexlar
