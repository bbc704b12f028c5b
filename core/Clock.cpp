// The clock: time bonus, mark animation and the demo display of the ques.
#include "Game.h"

namespace vexlar {

namespace {
std::int16_t NextFrame(std::int16_t f) {
  return static_cast<std::int16_t>(f + 1 == 12 ? 0 : f + 1);
}
}  // namespace

void Game::Timer1Tick() {
  if (S.Paused) return;
  --S.TimeBonus;
  Panel.TxtScore = S.TimeBonus > 0 ? Decimal(S.TimeBonus) : "000000";
  if (S.MarkCount > 0) {
    for (int j = 1; j <= S.MarkCount; ++j) Board.SetPicture(S.MarkList[j], Clip::Mark, S.MarkFrame);
    S.MarkFrame = NextFrame(S.MarkFrame);
  }
  if (Panel.ChkDemo != 0 && S.QueCount > 0) {
    for (int j = 1; j <= S.QueCount; ++j) {
      const std::int16_t q = S.QueList[j];
      if (!S.MarkRec(q).Marked) Board.SetPicture(q, Clip::Glow, S.QueFrame);
    }
    S.QueFrame = NextFrame(S.QueFrame);
  }
}

void Game::Timer2Tick() {
  if (S.Paused) return;
  if (S.MarkCount > 0) {
    for (int j = 1; j <= S.MarkCount; ++j)
      Board.SetPicture(S.MarkList[j], Clip::Wrong, S.MarkFrame);
    S.MarkFrame = NextFrame(S.MarkFrame);
  }
  if (S.QueCount > 0) {
    for (int j = 1; j <= S.QueCount; ++j) {
      const std::int16_t q = S.QueList[j];
      if (!S.MarkRec(q).Marked) {
        Board.SetPicture(q, Clip::Glow, S.QueFrame);
      } else {
        Board.SetPicture(q, Clip::Mark, S.QueFrame);
        if (!S.RevealDone) ++S.HitCount;
      }
    }
    S.QueFrame = NextFrame(S.QueFrame);
  }
  if (S.RevealDone) return;
  if (S.HitCount > 0) {
    // The game's own side and que count, whatever the bars show now.
    S.SkillBonus =
        RoundEven(S.GridSize * 4.0 * 10 + S.HitCount * 100 - (S.ProbeCount + S.ExitCount) * 10);
    if (S.QueCount == S.HitCount) S.SkillBonus += S.HitCount * 50;
  }
  Panel.TxtScore2 = Decimal(S.SkillBonus);
  S.RevealDone = True;
  if (FinishPending) {
    FinishPending = false;
    S.ResultText = "You hit " + Decimal(S.HitCount) + " of " + Decimal(S.QueCount) + " with " +
                   Decimal(S.ProbeCount) + " probes.";
    Panel.PendingMessage = S.ResultText;
  }
}

FocusTarget Game::ScoreBoxFocus() const {
  if (Panel.StartEnabled) return FocusTarget::Start;
  if (Panel.FinishEnabled) return FocusTarget::Finish;
  return FocusTarget::None;
}

}  // namespace vexlar
