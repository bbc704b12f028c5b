// The edge buttons and cell images in words, for screen readers and tooltips: where each one
// lies and what it shows, so a player who cannot tell the colours apart can read the outcomes.
#pragma once
#include <string>

#include "Game.h"

namespace vexlar {

// "top edge, column 3: probe 5, pair with right edge, row 7", "row 4, column 7: marked".
std::string Describe(const Game& g, ElementId e);

}  // namespace vexlar
