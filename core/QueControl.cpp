#include "QueControl.h"

#include <bit>
#include <cmath>

#include "Game.h"

namespace vexlar {

void Rng::Seed(float secondsSinceMidnight) {
  State = 0x9E3779B97F4A7C15ull ^ std::bit_cast<std::uint32_t>(secondsSinceMidnight);
  Next();
}

double Rng::Next() {
  // splitmix64: small, fast, and well mixed even from close seeds
  std::uint64_t z = (State += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

void PlaceQues(Game& g) {
  g.Random.Seed(g.TimeOfDay ? g.TimeOfDay() : 0.0f);
  PlaceQuesWith(g, [&g] { return g.Random.Next(); });
}

void PlaceQuesWith(Game& g, const std::function<double()>& draw, std::int32_t maxRejected) {
  GameState& s = g.S;
  // Every position can be drawn, so every cell can receive a que.
  const double range = s.PosCount;
  std::int16_t q = 1;
  std::int32_t rejected = 0;
  while (q <= s.QueCount) {
    if (rejected >= maxRejected) {
      // The placed ques may leave no free cell: undo them and start afresh.
      for (std::int16_t j = 1; j < q; ++j) {
        const std::int16_t b = s.QueList[j];
        s.Cells[s.ImagePos(b)].Que = False;
        s.QueList[j] = 0;
      }
      q = 1;
      rejected = 0;
    }
    auto k = static_cast<std::int16_t>(std::floor(draw() * range));
    if (k < 0 || k >= s.PosCount) k = 0;  // a draw of exactly 1 would leave the board
    const CellRec& c = s.Cells[k];
    bool ok = !c.IsButton && !c.Que;
    if (ok && !g.Panel.ChkAdjacency) {
      ok = !s.Cells[k - 1].Que && !s.Cells[k + 1].Que && !s.Cells[k + s.GridSpan].Que &&
           !s.Cells[k - s.GridSpan].Que;
    }
    if (!ok) {
      ++rejected;
      continue;
    }
    s.Cells[k].Que = True;
    s.QueList[q] = c.Box;
    ++q;
    rejected = 0;
  }
}

}  // namespace vexlar
