// The check-box options of the control panel. An option is one row here: the panel builds its
// strip and box from the row, the phases lock it by the row, and the tests click it by the row.
#pragma once
#include <cstdint>
#include <span>

#include "BoardModel.h"
#include "PanelLayout.h"

namespace vexlar {

struct Game;

struct OptionRow {
  std::int16_t PanelView::*Value;  // where the game keeps the box's value: 0 clear, 1 ticked
  const char* Name;                // the check box's design name
  const char* Caption;             // the strip label the box sits on names the option
  std::int32_t Back, Fore;         // the strip's colours, 0xBBGGRR
  DesignPlace Strip, Check;        // design places in twips
  bool LockedInPlay;               // Start disables it, Finish enables it again
  void (Game::*Click)();           // what a click does besides keeping the value; may be null
};

std::span<const OptionRow> Options();

// The row of the option whose value the game keeps in that field of the panel.
const OptionRow& OptionFor(std::int16_t PanelView::*value);

// Whether the option's box takes clicks now.
inline bool Enabled(const PanelView& p, const OptionRow& o) {
  return p.OptionsEnabled || !o.LockedInPlay;
}

}  // namespace vexlar
