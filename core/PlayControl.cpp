// Pause, resume and Finish.
#include "Game.h"
#include "Phase.h"

namespace vexlar {

void Game::PauseClick() {
  const bool pausing = !S.Paused;
  S.Paused = ToFlag(pausing);
  ShowPhase(Panel, pausing ? Phase::Paused : Phase::Running);
}

void Game::FinishClick() {
  ShowPhase(Panel, Phase::Finished);
  // The result message follows the first reveal tick (Timer2Tick).
  FinishPending = true;
}

}  // namespace vexlar
