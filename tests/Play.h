// The core tests' fixture: a game window loaded and activated, in the idle phase, 625 px high.
#pragma once
#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace vexlar::test {

struct Play : ::testing::Test {
  Recorder Rec;
  Game G{&Rec, &Rec};
  Play() {
    G.TimeOfDay = [] { return 43210.5f; };
    G.LoadWindow();
    Rec.OnPump = [this] { G.BuildBoardOnce(900, 0, 0); };  // activated again during the build
    G.BuildBoardOnce(625, 10, 10);
    Rec.OnPump = nullptr;
  }
  // Starts a game with the given settings (ques placed at random).
  void Start(int size, int ques) {
    G.SetVScroll1(static_cast<std::int16_t>(size));
    G.SetVScroll2(static_cast<std::int16_t>(ques));
    G.StartGame();
  }
  // Finishes the game and runs the first reveal step.
  void Finish() { G.FinishClick(), G.Timer2Tick(); }
};

}  // namespace vexlar::test
