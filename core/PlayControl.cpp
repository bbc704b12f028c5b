// Pause, resume and Finish.
#include "Game.h"

namespace vexlar {

void Game::PauseClick() {
  const bool pausing = !S.Paused;
  Panel.PauseCaption = pausing ? "Resume" : "Pause";
  Panel.FinishEnabled = !pausing;
  Panel.CoverVisible = Panel.ResumeVisible = pausing;
  S.Paused = ToFlag(pausing);
  Panel.Timer1Enabled = !pausing;
}

void Game::FinishClick() {
  Panel.AdjacencyEnabled = Panel.DemoEnabled = true;
  Panel.PauseEnabled = false;
  Panel.StartEnabled = true;
  Panel.FinishEnabled = false;
  Panel.Timer1Enabled = false;
  Panel.Timer2Enabled = true;
  // The result message follows the first reveal tick (Timer2Tick).
  FinishPending = true;
}

}  // namespace vexlar
