// Shared fixtures: a recording sound port and event pump, and ways to set up boards directly.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "Game.h"

namespace vexlar::test {

struct Recorder : SoundPort, EventPump {
  std::vector<std::string> Log;
  int Volumes[SoundKindCount] = {1, 1, 1, 1};
  std::function<void()> OnPump;
  void PlaySound(SoundKind k) override { Log.push_back("play " + Name(k)); }
  void RunSound(SoundKind k) override { Log.push_back("run " + Name(k)); }
  void SetVolume(SoundKind k, std::int32_t v) override { Volumes[static_cast<int>(k)] = v; }
  void ProcessEvents() override {
    Log.push_back("pump");
    if (OnPump) OnPump();
  }
  static std::string Name(SoundKind k);
};

// A game window loaded and activated: the idle phase, 625 px inner height.
struct Fixture {
  Recorder Rec;
  Game G{&Rec, &Rec};
  Fixture();
  // Starts a game with the given settings (ques placed at random).
  void Start(int size, int ques);
  // Replaces the placed ques by ques at the given (row, col) cells.
  void SetQues(const std::vector<std::pair<int, int>>& cells);
  std::int16_t Image(int row, int col) const {
    return static_cast<std::int16_t>((row - 1) * G.S.GridSize + (col - 1));
  }
};

// Replaces the placed ques by ques at the given (row, col) cells, list and flags alike.
void PutQues(Game& g, const std::vector<std::pair<int, int>>& cells);

// Lays out a board of any side directly, without the settings bars (for small worked examples).
void LayoutDirect(Game& g, int size);

}  // namespace vexlar::test
