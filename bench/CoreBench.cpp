// Engine benchmarks without a window: the longest trace, placement, Start and one clock tick.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

#include "Game.h"
#include "GameTestSupport.h"
#include "Probe.h"
#include "QueControl.h"

namespace {

using vexlar::Game;

// Sound and event pump that do nothing, so only the engine is timed.
struct Quiet : vexlar::SoundPort, vexlar::EventPump {
  void PlaySound(vexlar::SoundKind) override {}
  void RunSound(vexlar::SoundKind) override {}
  void SetVolume(vexlar::SoundKind, std::int32_t) override {}
  void ProcessEvents() override {}
};

// A game window loaded, activated and started with the given settings, as the window would.
struct Table {
  Quiet Port;
  Game G{&Port, &Port};
  float Clock = 36000.0f;  // seconds since midnight, one second later at every Start

  Table(int side, int ques, bool adjacency, bool demo) {
    G.TimeOfDay = [this] { return Clock += 1.0f; };
    G.LoadWindow();
    G.BuildBoardOnce(625, 10, 10);
    G.SetVScroll1(static_cast<std::int16_t>(side));
    G.SetVScroll2(static_cast<std::int16_t>(ques));
    G.Panel.ChkAdjacency = adjacency ? 1 : 0;
    G.Panel.ChkDemo = demo ? 1 : 0;
    G.StartGame();
  }

  // Takes the placed ques off again, so the next placement starts from an empty board.
  void LiftQues() {
    for (int j = 1; j <= G.S.QueCount; ++j) {
      G.S.Cells[G.S.ImagePos(G.S.QueList[j])].Que = vexlar::False;
      G.S.QueList[j] = 0;
    }
  }

  // The bars hold the que count at the board side; the engine places any count it is given.
  void SetQueCount(int ques) {
    LiftQues();
    G.S.QueCount = static_cast<std::int16_t>(ques);
  }
};

// The longest path found on 25x25 with 16 ques: 709 tracer calls (a local search over que
// moves found 713 at most), fired from the top of column 5. Ques on column 25 at rows 1, 5, ..,
// 25 and on column 1 at rows 3, 7, .., 23 turn the probe into a serpentine over the even rows
// 24 up to 2, each 23 cells long. (25,4) turns the probe, after it has run down the whole of
// column 5, into row 24; (1,2) sends it at the end of row 2 down the whole of column 3. There
// (25,1) with (23,1) reflect it, and it retraces every cell back to its button.
// As (row, column), counted from 1.
const std::vector<std::pair<int, int>> WorstPathQues = {
    {1, 25}, {5, 25}, {9, 25}, {13, 25}, {17, 25}, {21, 25}, {25, 25}, {3, 1},
    {7, 1},  {11, 1}, {15, 1}, {19, 1},  {23, 1},  {25, 1},  {1, 2},   {25, 4}};

void TraceWorstPath(benchmark::State& state) {
  Table t(25, 16, false, state.range(0) != 0);
  std::vector<std::string> rows(25, std::string(25, '.'));
  for (auto [row, col] : WorstPathQues) rows[row - 1][col - 1] = 'Q';
  vexlar::test::PutQues(t.G, rows);
  const std::int16_t start = t.G.S.Pos(0, 5);
  const std::int16_t outcome = vexlar::TraceProbe(t.G, start);
  if (outcome != start || t.G.S.ProbeHit) {
    state.SkipWithError("the worst-path board no longer reflects the probe");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(vexlar::TraceProbe(t.G, start));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(TraceWorstPath)->ArgName("demo")->Arg(0)->Arg(1);

void PlaceQuesEverySetting(benchmark::State& state) {
  Table t(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), state.range(2) != 0,
          false);
  t.SetQueCount(static_cast<int>(state.range(1)));
  for (auto _ : state) {
    t.LiftQues();
    vexlar::PlaceQues(t.G);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PlaceQuesEverySetting)
    ->ArgNames({"side", "ques", "adj"})
    ->ArgsProduct({benchmark::CreateDenseRange(8, 25, 1),
                   benchmark::CreateDenseRange(4, 16, 1),
                   {0, 1}})
    ->MinTime(0.05);

// The tightest setting: 16 ques on 8x8 with no two touching, where placement may start afresh.
void PlaceQues8x8Sixteen(benchmark::State& state) {
  Table t(8, 16, false, false);
  t.SetQueCount(16);
  for (auto _ : state) {
    t.LiftQues();
    vexlar::PlaceQues(t.G);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PlaceQues8x8Sixteen);

// The same placement with its draws counted: how many draws a game needs, on average and at most.
void PlaceQues8x8SixteenDraws(benchmark::State& state) {
  Table t(8, 16, false, false);
  t.SetQueCount(16);
  std::int64_t draws = 0;
  std::int64_t most = 0;
  for (auto _ : state) {
    t.LiftQues();
    t.G.Random.Seed(t.G.TimeOfDay());
    std::int64_t these = 0;
    vexlar::PlaceQuesWith(t.G, [&] {
      ++these;
      return t.G.Random.Next();
    });
    draws += these;
    if (these > most) most = these;
  }
  state.counters["draws/op"] =
      benchmark::Counter(static_cast<double>(draws), benchmark::Counter::kAvgIterations);
  state.counters["most_draws"] = static_cast<double>(most);
}
BENCHMARK(PlaceQues8x8SixteenDraws);

// Start on 25x25 right after another 25x25 game, back to back.
void StartGame25After25(benchmark::State& state) {
  Table t(25, 16, false, false);
  for (auto _ : state) {
    t.G.StartGame();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(StartGame25After25);

// Start on 25x25 after a played 25x25 game: 40 probes fired and 16 marks set, untimed.
void StartGame25AfterPlayed25(benchmark::State& state) {
  Table t(25, 16, false, false);
  for (auto _ : state) {
    for (std::int16_t i = 1; i <= 40; ++i) t.G.EdgeButtonClick(i);
    for (std::int16_t b = 0; b < 16; ++b) t.G.CellClick(static_cast<std::int16_t>(b * 39));
    const auto from = std::chrono::steady_clock::now();
    t.G.StartGame();
    benchmark::ClobberMemory();
    const auto to = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(to - from).count());
  }
}
BENCHMARK(StartGame25AfterPlayed25)->UseManualTime();

// One clock tick with 16 marks standing beside 16 unmarked ques that demo mode shows.
void Timer1Tick16MarksDemo(benchmark::State& state) {
  Table t(25, 16, false, true);
  for (std::int16_t b = 0; b < t.G.S.BoxCount && t.G.S.MarkCount < 16; b += 37)
    if (!t.G.S.Cells[t.G.S.ImagePos(b)].Que) t.G.CellClick(b);
  if (t.G.S.MarkCount != 16) {
    state.SkipWithError("could not set 16 marks");
    return;
  }
  for (auto _ : state) {
    // Keeps the bonus positive, so every tick writes its digits as in a live game.
    if (t.G.S.TimeBonus < 2) t.G.S.TimeBonus = 7850;
    t.G.Timer1Tick();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(Timer1Tick16MarksDemo);

}  // namespace

BENCHMARK_MAIN();
