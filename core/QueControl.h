// Hiding the ques on the freshly laid-out board.
#pragma once
#include <cstdint>
#include <functional>

namespace vexlar {

struct Game;

// Uniform values in [0, 1); re-seeded from the time of day at every Start.
struct Rng {
  std::uint64_t State = 0x9E3779B97F4A7C15ull;
  void Seed(float secondsSinceMidnight);
  double Next();
};

// After this many rejected draws in a row the placement starts afresh.
constexpr std::int32_t MaxRejectedDraws = 4000;

// Seeds the game's generator from the time of day and places QueCount ques.
void PlaceQues(Game& g);
// The placement itself over any source of uniform draws.
void PlaceQuesWith(Game& g, const std::function<double()>& draw,
                   std::int32_t maxRejected = MaxRejectedDraws);

}  // namespace vexlar
