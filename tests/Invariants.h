// What must hold of a game between any two events, whatever was played before.
#pragma once
#include <string>
#include <vector>

#include "Game.h"
#include "Phase.h"

namespace vexlar::test {

// The phase as the game's own state tells it, apart from the controls it enables.
Phase PhaseOf(const Game& g);

// Broken invariants, none when all hold. inHandler: run from a handler's event pump, where its
// busy flag and the first build's cover may still stand.
std::vector<std::string> CheckInvariants(const Game& g, bool inHandler = false);

}  // namespace vexlar::test
