// What must hold of a game between any two events, whatever was played before.
#pragma once
#include <string>
#include <vector>

#include "Game.h"
#include "Phase.h"

namespace vexlar::test {

// The phase as the game's own state tells it, apart from the controls it enables.
Phase PhaseOf(const Game& g);

// Broken invariants, none when all hold; inHandler: in a handler's pump, busy flag and cover stand.
std::vector<std::string> CheckInvariants(const Game& g, bool inHandler = false);

}  // namespace vexlar::test
