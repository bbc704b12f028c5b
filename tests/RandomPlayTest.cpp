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

struct SessionResult {
  std::string Failure, State;
  std::size_t Delivered = 0, Dropped = 0;
  std::int16_t Probes = 0;
};

SessionResult Play(const std::vector<std::uint8_t>& bytes, Tally* t = nullptr) {
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
    const SessionResult out = Play(bytes, &t);
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
