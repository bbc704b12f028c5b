// libFuzzer target: any byte string is a session of window events; a broken invariant aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "EventStream.h"
#include "Invariants.h"

namespace {

using namespace vexlar;

// Everything the game keeps or shows, as text, to compare replays.
std::string StateText(const Game& g) {
  const GameState& s = g.S;
  const PanelView& p = g.Panel;
  std::ostringstream o;
  o.write(reinterpret_cast<const char*>(s.Cells.data()), sizeof s.Cells);
  for (int j = 0; j < ListCapacity; ++j) o << s.QueList[j] << ',' << s.MarkList[j] << ';';
  o << s.GridSize << ' ' << s.QueCount << ' ' << s.MarkCount << ' ' << s.ProbeCount << ' '
    << s.ExitCount << ' ' << s.MarkFrame << ' ' << s.QueFrame << ' ' << s.Paused << ' '
    << s.HitCount << ' ' << s.RevealDone << ' ' << s.TimeBonus << ' ' << s.SkillBonus << ' '
    << g.Random.State << ' ' << s.ResultText << '|' << p.TxtGridSize << ' ' << p.TxtQues << ' '
    << p.TxtMarks << ' ' << p.TxtScore << ' ' << p.TxtScore2 << ' ' << p.StartEnabled
    << p.PauseEnabled << p.FinishEnabled << p.CoverVisible << p.Timer1Enabled << p.Timer2Enabled;
  for (const ButtonView& b : g.Board.Buttons) o << b.Caption << ',' << b.BackColour << b.Visible;
  for (const ImageView& v : g.Board.Images) o << int(v.Strip) << ',' << v.Frame << v.Visible;
  return o.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string state[2];
  for (std::string& s : state) {  // played twice: the same bytes must make the same game
    vexlar::test::Player player;
    player.Bytes.assign(data, data + size);
    player.Run();
    if (!player.Failure.empty()) {
      std::fprintf(stderr, "%s\n", player.Failure.c_str());
      std::abort();
    }
    s = StateText(player.G);
  }
  if (state[0] != state[1]) {
    std::fprintf(stderr, "the same bytes played to two different games\n");
    std::abort();
  }
  return 0;
}
