// Marking and unmarking cells.
#include "Game.h"

namespace vexlar {

void Game::CellClick(std::int16_t i) {
  const std::int16_t n = S.MarkCount;
  bool found = false;
  for (std::int16_t j = 1; j <= n; ++j) {
    if (S.MarkList[j] == i) {
      found = true;
      S.MarkRec(i).Marked = False;
    }
    // Later entries move down one place; the slot after the last counts as empty.
    if (found) S.MarkList[j] = j + 1 < ListCapacity ? S.MarkList[j + 1] : 0;
  }
  if (found) {
    Board.SetPicture(i, Clip::Board, i);
    --S.MarkCount;
    Panel.TxtMarks = Decimal(S.MarkCount);
    PlaySound(SoundKind::SoundBoomcrak);
  } else if (S.MarkCount >= S.QueCount) {
    PlaySound(SoundKind::SoundMark);
  } else {
    ++S.MarkCount;
    S.MarkList[S.MarkCount] = i;
    S.MarkRec(i).Marked = True;
    Board.SetPicture(i, Clip::Mark, S.MarkFrame);
    Panel.TxtMarks = Decimal(S.MarkCount);
    PlaySound(SoundKind::SoundBoomcrak);
  }
}

}  // namespace vexlar
