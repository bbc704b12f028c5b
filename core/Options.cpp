#include "Options.h"

#include "Game.h"

namespace vexlar {

namespace {
// clang-format off
const OptionRow Table[] = {
    {&PanelView::ChkAudio, "chkAudio", " Audio Mute", 0x003000, 0x80FFFF,
     {7365, 4860, 1305, 330}, {8385, 4890, 240, 255}, false, &Game::AudioMuteClick},
    {&PanelView::ChkDemo, "ChkDemo", " Demo Mode", 0x004000, 0x00FFFF,
     {7365, 5220, 1305, 330}, {8385, 5250, 240, 255}, true, nullptr},
    {&PanelView::ChkAdjacency, "ChkAdjacency", " Adjacency", 0x003000, 0x80FF80,
     {7365, 5595, 1305, 330}, {8385, 5625, 240, 255}, true, nullptr},
};
// clang-format on
}  // namespace

std::span<const OptionRow> Options() { return Table; }

const OptionRow& OptionFor(std::int16_t PanelView::*value) {
  for (const OptionRow& row : Table)
    if (row.Value == value) return row;
  return Table[0];  // every field a caller names has its row
}

}  // namespace vexlar
