// The phases of the game as the controls show them: which buttons, options and timers are on.
#pragma once
#include <cstdint>

#include "BoardModel.h"

namespace vexlar {

enum class Phase : std::int8_t { Loaded, Idle, Running, Paused, Finished };

// Puts the buttons, the locked options, both timers, the cover and the pause caption as the
// phase has them; each phase is entered through here only.
void ShowPhase(PanelView& p, Phase phase);

}  // namespace vexlar
