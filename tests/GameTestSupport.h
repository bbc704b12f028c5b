// Shared fixtures: a recording sound port and event pump, boards drawn as text, edges by side.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "Game.h"

namespace vexlar::test {

struct Recorder : SoundPort, EventPump {
  std::vector<std::string> Log;
  std::array<int, SoundKindCount> Volumes;  // 1 until the game sets one
  std::function<void()> OnPump;
  Recorder() { Volumes.fill(1); }
  void PlaySound(SoundKind k) override { Log.push_back("play " + Name(k)); }
  void RunSound(SoundKind k) override { Log.push_back("run " + Name(k)); }
  void SetVolume(SoundKind k, std::int32_t v) override { Volumes[static_cast<int>(k)] = v; }
  // "probe" for probe.mp3: the effect's file name without its ending.
  static std::string Name(SoundKind k) {
    const std::string file = SoundTable[static_cast<int>(k)].File;
    return file.substr(0, file.find('.'));
  }
  void ProcessEvents() override {
    Log.push_back("pump");
    if (OnPump) OnPump();
  }
};

enum class Side { Top, Bottom, Left, Right };
// An edge button's position: by column on the top and bottom, by row on the sides, from 1.
std::int16_t EdgePos(const GameState& s, Side side, int index);
inline std::int16_t Edge(const GameState& s, Side side, int index) {
  return s.Cells[EdgePos(s, side, index)].But;
}
// The image of the cell at (row, column), counted from 1.
inline std::int16_t ImageAt(const GameState& s, int row, int col) {
  return s.Cells[s.Pos(static_cast<std::int16_t>(row), static_cast<std::int16_t>(col))].Box;
}

// Ques drawn as rows of text, row 1 first, 'Q' a que; listed row by row.
void PutQues(Game& g, const std::vector<std::string>& rows);

}  // namespace vexlar::test
