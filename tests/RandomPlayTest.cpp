// Thousands of random games through the event stream, every invariant checked after every event.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>

#include "EventStream.h"
#include "Invariants.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {

using K = EventKind;

// Random games as a restless player's bytes: Start, a body of clicks, presses, ticks, settings
// and anything at all, Finish, reveal ticks, OK and play after the reveal. Three in ten events
// are queued, so they run inside whatever handler pumps events then.
std::vector<std::uint8_t> RandomSession(std::uint32_t seed, int games) {
  std::mt19937 gen(seed);
  auto roll = [&gen](int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen); };
  std::vector<std::uint8_t> out;
  auto emit = [&](K k, int arg = -1) {
    out.push_back(static_cast<std::uint8_t>(static_cast<int>(k) | (roll(10) < 3 ? 0x80 : 0)));
    for (int i = 0; i < ArgBytes(k); ++i)
      out.push_back(static_cast<std::uint8_t>(i == 0 && arg >= 0 ? arg : roll(256)));
  };
  // Edge clicks and presses, cells, bars, options, pause, activation.
  static constexpr K mix[] = {
      K::EdgeClick,   K::EdgeClick,   K::EdgeClick,   K::EdgeClick,  K::EdgePress,   K::EdgePress,
      K::CellClick,   K::CellClick,   K::CellClick,   K::CellClick,  K::SetVScroll1, K::SetVScroll2,
      K::OptionClick, K::OptionClick, K::OptionClick, K::PauseClick, K::Activate};
  auto any = [&](bool sharp) {
    const K k = roll(25) == 0 ? K(roll(EventKindCount)) : mix[roll(std::size(mix))];
    emit(k, k == K::CellClick && sharp ? 4 * roll(64) : -1);  // sharp: the first unmarked que
    if (k == K::PauseClick) emit(K::CellClick), emit(K::Timer1Tick), emit(K::PauseClick);
  };
  for (int n = roll(4); n > 0; --n) any(false);
  emit(K::Activate);
  for (int n = 0; n < games; ++n) {
    // One game in 150 sits out a small board's whole clock.
    const bool sharp = roll(3) == 0, patient = roll(150) == 0;
    const int ticks = patient ? 100 : std::array{5, 30, 60}[roll(3)];
    if (patient) emit(K::SetVScroll2, 0), emit(K::SetVScroll1, 0);
    emit(K::StartClick);
    for (int e = patient ? 1100 : roll(120); e > 0; --e)
      roll(100) < ticks ? emit(K::Timer1Tick) : any(sharp);
    emit(K::FinishClick);
    for (int e = roll(6); e >= 0; --e) emit(K::Timer2Tick);
    emit(K::CloseMessage);
    for (int e = roll(8); e > 0; --e) any(false);
  }
  return out;
}

// Situations the sessions must reach, or the test plays less than it claims.
struct Tally {
  std::size_t Games = 0, OutOfTime = 0, AllFound = 0, Nested = 0, BusyPresses = 0, Demo = 0;
};

void Count(const Player& p, const Event& e, Tally& t) {
  const GameState& s = p.G.S;
  t.Games += e.Kind == K::StartClick && !p.G.FinishPending;
  t.OutOfTime += e.Kind == K::FinishClick && s.TimeBonus <= 0;
  t.AllFound += e.Kind == K::StartClick && s.RevealDone && s.QueCount && s.HitCount == s.QueCount;
  t.Nested += p.Depth > 0;
  t.BusyPresses += e.Kind == K::EdgePress && s.ProbeBusy;
  t.Demo += e.Kind == K::EdgeClick && p.G.Panel.ChkDemo && !s.ProbeBusy;
}

struct Outcome {
  std::string Failure, State;
  std::size_t Delivered = 0, Dropped = 0;
  std::int16_t Probes = 0;
};

Outcome Play(const std::vector<std::uint8_t>& bytes, Tally* t = nullptr) {
  Player p;
  p.Bytes = bytes;
  if (t) p.OnDeliver = [&p, t](const Event& e) { Count(p, e, *t); };
  p.Run();
  return {p.Failure, StateText(p.G), p.Delivered, p.Dropped, p.G.S.ProbeCount};
}

constexpr std::uint32_t BaseSeed = 20240611;
constexpr std::uint32_t Sessions = 50;
constexpr int GamesPerSession = 60;

}  // namespace

TEST(RandomPlay, ThousandsOfGamesKeepEveryInvariantAndReplay) {
  Tally t;
  std::size_t delivered = 0, dropped = 0;
  for (std::uint32_t seed = BaseSeed; seed < BaseSeed + Sessions; ++seed) {
    const std::vector<std::uint8_t> bytes = RandomSession(seed, GamesPerSession);
    const Outcome out = Play(bytes, &t);
    delivered += out.Delivered;
    dropped += out.Dropped;
    if (seed == BaseSeed) {  // the same bytes replay to the same game, and other bytes do not
      EXPECT_EQ(Play(bytes).State, out.State);
      EXPECT_NE(Play(RandomSession(seed + Sessions, GamesPerSession)).State, out.State);
    }
    if (out.Failure.empty()) continue;
    const std::string file = ::testing::TempDir() + "vexlar-seed-" + std::to_string(seed);
    if (std::FILE* f = std::fopen(file.c_str(), "wb"))
      std::fwrite(bytes.data(), 1, bytes.size(), f), std::fclose(f);
    FAIL() << "seed " << seed << ", " << out.Failure << "\nreplay the bytes: event_fuzz " << file;
  }
  std::printf(
      "%zu games, %zu events, %zu dropped; %zu out of time, %zu all found, %zu nested, "
      "%zu presses while busy, %zu demo probes\n",
      t.Games, delivered, dropped, t.OutOfTime, t.AllFound, t.Nested, t.BusyPresses, t.Demo);
  EXPECT_GT(t.Games, 2000u);
  for (std::size_t n : {t.OutOfTime, t.AllFound, t.Nested, t.BusyPresses, t.Demo}) EXPECT_GT(n, 0u);
}

TEST(EventStream, DropsWhatTheWindowHoldsBackAndNestsQueuedInput) {
  // A click and a Start before the board exists, the activation (624 pixels high), a cell under
  // the idle cover, Start and Pause, a cell under the pause cover, a tick of the stopped clock,
  // Resume and a tick; a probe from the left of row 1 with a click (ignored, busy) and a tick
  // queued inside its pump.
  const Outcome out =
      Play({0, 0, 7, 11, 81, 2, 0, 0, 7, 5, 2, 3, 0, 3, 5, 3, 0, 16, 0x80, 17, 0x83});
  ASSERT_EQ(out.Failure, "");
  EXPECT_EQ(out.Dropped, 5u);
  EXPECT_EQ(out.Delivered, 8u);
  EXPECT_EQ(out.Probes, 1);
}

TEST(Invariants, NoticeACorruptedGame) {
  Fixture f;
  f.Start(8, 4);
  f.G.EdgeButtonClick(1);
  ASSERT_EQ(CheckInvariants(f.G), std::vector<std::string>{});
  const std::function<void(Game&)> corruptions[] = {
      [](Game& g) { g.S.MarkList[1] = 5; },  // listed but not counted
      [](Game& g) { g.S.QueList[2] = g.S.QueList[1]; },
      [](Game& g) { g.S.Cells[g.S.Pos(1, 1)].Que = 1; },
      [](Game& g) { g.Panel.StartEnabled = true; },
      [](Game& g) { g.Panel.TxtQues = "5"; },
      [](Game& g) { g.Board.Buttons[0].Caption = "1"; },
      [](Game& g) { g.Board.Images[64].Visible = true; },
      [](Game& g) { g.Board.SetPicture(9, Clip::Glow, 0); },  // no que shows outside demo mode
      [](Game& g) { g.S.Cells[12].Trail = 4; },
      [](Game& g) { g.S.ProbeBusy = True; },
      [](Game& g) { g.S.QueFrame = 3; },
      [](Game& g) { ++g.S.ProbeCount; },
      [](Game& g) { g.Board.SetColour(1, ColourUntouched); },
      [](Game& g) { ++g.S.TimeBonus; },
  };
  for (std::size_t i = 0; i < std::size(corruptions); ++i) {
    Game copy = f.G;
    corruptions[i](copy);
    EXPECT_FALSE(CheckInvariants(copy).empty()) << "corruption " << i << " went unnoticed";
  }
  f.G.CellClick(f.G.S.QueList[1]);
  f.Finish();
  ASSERT_EQ(CheckReveal(f.G), std::vector<std::string>{});
  for (auto corrupt : {+[](Game& g) { --g.S.HitCount; }, +[](Game& g) { g.S.SkillBonus += 10; },
                       +[](Game& g) { g.S.ResultText[8] = '2'; }}) {
    Game copy = f.G;
    corrupt(copy);
    EXPECT_FALSE(CheckReveal(copy).empty());
  }
}
