#include "Phase.h"

namespace vexlar {

namespace {
struct PhaseRow {
  bool Start, Pause, Finish, Options, Clock, Reveal, Cover, Resume;
};
// Loaded: the board not built yet; Idle: built, no game played; Finished: revealing, then waiting.
constexpr PhaseRow Rows[] = {
    /* Loaded   */ {false, false, false, true, false, false, false, false},
    /* Idle     */ {true, false, false, true, false, false, true, false},
    /* Running  */ {false, true, true, false, true, false, false, false},
    /* Paused   */ {false, true, false, false, false, false, true, true},
    /* Finished */ {true, false, false, true, false, true, false, false},
};
}  // namespace

void ShowPhase(PanelView& p, Phase phase) {
  const PhaseRow& r = Rows[static_cast<int>(phase)];
  p.StartEnabled = r.Start;
  p.PauseEnabled = r.Pause;
  p.FinishEnabled = r.Finish;
  p.OptionsEnabled = r.Options;
  p.Timer1Enabled = r.Clock;
  p.Timer2Enabled = r.Reveal;
  p.CoverVisible = r.Cover;
  p.ResumeVisible = r.Resume;
  p.PauseCaption = r.Resume ? "Resume" : "Pause";
}

}  // namespace vexlar
