// The control panel's design places (twips), its scale and the slide that puts it beside the
// square board.
#pragma once
#include <cstdint>
#include <span>

namespace vexlar {

struct DesignPlace {
  float Left, Top, Width, Height;  // twips
};

// The panel's background shape; every member keeps its offset to it.
constexpr DesignPlace CtrlBoxBackPlace{7290, 135, 1485, 5850};

// The panel's left edge lies 70 twips left of the window's height with its frame (wide
// integers: tall screens).
std::int32_t PanelLeftFor(std::int32_t windowHeightTwips);

// The frame of a maximized child window on the desktop the places were designed for: its caption
// and sizing borders lie outside the parent's area, so its height with the frame exceeds its
// inner height by that much, and the panel stands clear of the board square.
constexpr std::int32_t MaximizedFramePixels = 26;

// The window's height with its frame that the panel's places were designed in: the one that
// puts its left edge at CtrlBoxBackPlace.
constexpr std::int32_t DesignWindowTwips = 7360;

struct WindowLayout {
  std::int32_t BoardHeight;     // the inner height the first build measures the board from
  std::int32_t PanelLeftTwips;  // where the panel slides to
  double Scale;                 // the panel's size against its design size, never below 1
};

// The board square and the panel beside it in a game window of this inner size, in pixels. The
// board's side follows the window's height, and the panel grows with the board as the design
// window would; where the window is too narrow for the panel beside that square, the board
// follows the width instead, so that the board and the panel are both whole.
WindowLayout LayoutWindow(std::int32_t innerWidth, std::int32_t innerHeight);

// Scales every member of the panel about the window's top and slides it so that it keeps its
// scaled offset to CtrlBoxBack, whose left edge goes to panelLeft.
void LayoutPanel(std::span<DesignPlace> places, std::int32_t panelLeft, double scale);

constexpr int TwipsPerPixel = 15;

}  // namespace vexlar
