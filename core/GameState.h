// The shared game state: board geometry, position records, que and mark lists, counters and flags.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "Types.h"

namespace vexlar {

constexpr int CellCapacity = 801;  // the largest board needs (25 + 2)^2 = 729
constexpr int ListCapacity = 17;   // entry 0 unused, 16 usable
constexpr int MaxGridSize = 25;
constexpr int MinGridSize = 8;
constexpr int MaxQues = 16;
constexpr int MinQues = 4;
constexpr int ButtonCapacity = 104;  // 4 x 26 edge buttons
constexpr int ImageCapacity = 626;   // 625 cells plus the never-shown ImgBox(625)

struct CellRec {
  std::int16_t Box = 0;
  std::int16_t But = 0;
  std::int16_t Row = 0;
  std::int16_t Col = 0;
  Flag Que = False;
  Flag Marked = False;  // mark flag of image b lives in record b + GridSize + 1
  Flag IsButton = False;
  Flag Probed = False;
  std::int16_t Partner = 0;
  std::int16_t Trail = 0;
};

struct GameState {
  std::int16_t GridSize = 0;
  std::int16_t GridEdge = 0;
  std::int16_t GridSpan = 0;
  std::int16_t PosCount = 0;
  std::int16_t ButCount = 0;
  std::int16_t BoxCount = 0;
  std::int16_t BoardLeft = 0;
  std::int16_t BoardTop = 0;
  std::int16_t BoardSize = 0;
  std::int16_t CellWidth = 0;
  std::int16_t CellHeight = 0;

  std::array<CellRec, CellCapacity> Cells{};
  std::array<std::int16_t, ListCapacity> QueList{};
  std::array<std::int16_t, ListCapacity> MarkList{};

  std::int16_t QueCount = 0;
  std::int16_t MarkCount = 0;
  std::int16_t ProbeCount = 0;
  std::int16_t ExitCount = 0;
  Flag ProbeHit = False;
  Flag ProbeBusy = False;
  std::int16_t MarkFrame = 0;
  std::int16_t QueFrame = 0;
  Flag Paused = False;
  Flag BoardBuilt = False;
  std::string ResultText;

  // Owned by the game window.
  std::int32_t TimeBonus = 0;
  std::int16_t HitCount = 0;
  std::int32_t SkillBonus = 0;
  Flag RevealDone = False;

  std::int16_t Pos(std::int16_t row, std::int16_t col) const {
    return static_cast<std::int16_t>(row * GridSpan + col);
  }
  // The position of cell image b; the way back is Cells[k].Box.
  std::int16_t ImagePos(std::int16_t b) const {
    return Pos(static_cast<std::int16_t>(b / GridSize + 1),
               static_cast<std::int16_t>(b % GridSize + 1));
  }
  // The record that holds the mark flag of cell image b.
  CellRec& MarkRec(std::int16_t b) { return Cells[b + GridSize + 1]; }
  const CellRec& MarkRec(std::int16_t b) const { return Cells[b + GridSize + 1]; }
  // First position carrying edge button i, 0 when none does.
  std::int16_t ButtonPos(std::int16_t i) const;
};

}  // namespace vexlar
