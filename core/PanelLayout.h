// The control panel's design places (twips) and the slide that puts it beside the square board.
#pragma once
#include <cstdint>
#include <span>

namespace vexlar {

struct DesignPlace {
  float Left;  // twips; the only coordinate the layout changes
  std::int32_t Top, Width, Height;
};

// The panel's background shape; every member keeps its offset to it.
constexpr DesignPlace CtrlBoxBackPlace{7290, 135, 1485, 5850};

// The panel's left edge lies 70 twips left of the window's height (wide integers: tall screens).
std::int32_t PanelLeftFor(std::int32_t windowHeightTwips);

// Moves every member by its offset to the last place, CtrlBoxBack, before moving that one too.
void LayoutPanel(std::span<DesignPlace> places, std::int32_t panelLeft);

constexpr int TwipsPerPixel = 15;

}  // namespace vexlar
