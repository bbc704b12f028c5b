#include "Invariants.h"

#include <array>
#include <cstdlib>
#include <sstream>

namespace vexlar::test {

namespace {

// Collects the failed checks; a message is only built for a check that fails.
struct Checks {
  std::vector<std::string> Out;
  template <typename... A>
  void operator()(bool ok, const A&... what) {
    if (ok) return;
    std::ostringstream o;
    (o << ... << what);
    Out.push_back(o.str());
  }
};

bool IsFlag(Flag f) { return f == True || f == False; }
// Plain decimal digits without sign or leading zero; -1 for anything else.
int PlainNumber(const std::string& t) {
  const long n = t.size() < 6 ? std::strtol(t.c_str(), nullptr, 10) : -1;
  return n >= 0 && std::to_string(n) == t ? static_cast<int>(n) : -1;
}

// The panel as the phase shows it, the settings boxes and the scores.
void CheckPanel(const Game& g, Phase ph, bool inHandler, Checks& c) {
  const PanelView& p = g.Panel;
  const GameState& s = g.S;
  PanelView want = p;
  ShowPhase(want, ph);
  // The first build shows the cover before its event pump.
  const bool cover = p.CoverVisible == want.CoverVisible || (inHandler && ph == Phase::Loaded);
  c(cover && p.StartEnabled == want.StartEnabled && p.PauseEnabled == want.PauseEnabled &&
        p.FinishEnabled == want.FinishEnabled && p.OptionsEnabled == want.OptionsEnabled &&
        p.Timer1Enabled == want.Timer1Enabled && p.Timer2Enabled == want.Timer2Enabled &&
        p.ResumeVisible == want.ResumeVisible && p.PauseCaption == want.PauseCaption,
    "the panel does not show phase ", int(ph));
  for (const OptionRow& o : Options())
    c(p.*o.Value == 0 || p.*o.Value == 1, o.Name, " shows ", p.*o.Value);
  const bool paused = ph == Phase::Paused;
  c(s.Paused == ToFlag(paused) && (!paused || (!s.RevealDone && !g.FinishPending)), "Paused ",
    s.Paused, " in phase ", int(ph));
  c((ph > Phase::Idle || s.RevealDone == True) && (!g.FinishPending || !s.RevealDone),
    "RevealDone ", s.RevealDone, " in phase ", int(ph));
  c(inHandler || !s.ProbeBusy, "ProbeBusy is set between events");
  c(p.VScroll1 >= MinGridSize && p.VScroll1 <= MaxGridSize && p.VScroll2 >= MinQues &&
        p.VScroll2 <= std::min<int>(MaxQues, p.VScroll1) && p.TxtGridSize == Decimal(p.VScroll1) &&
        p.TxtQues == Decimal(p.VScroll2),
    "bars ", p.VScroll1, "/", p.VScroll2, " show ", p.TxtGridSize, "/", p.TxtQues);
  c(p.TxtMarks == Decimal(s.MarkCount), "TxtMarks ", p.TxtMarks, " with ", s.MarkCount, " marks");
  // The box shows a bonus the clock ticked to, "000000" before and once it is spent.
  c(p.TxtScore == "000000" || PlainNumber(p.TxtScore) > 0, "TxtScore ", p.TxtScore);
  if (ph == Phase::Finished && s.RevealDone)
    c(p.TxtScore2 == Decimal(s.SkillBonus) && s.HitCount >= 0 && s.HitCount <= s.QueCount,
      "TxtScore2 ", p.TxtScore2, " for SkillBonus ", s.SkillBonus, ", ", s.HitCount, " hits");
  else
    c(s.HitCount == 0 && s.SkillBonus == 0 && p.TxtScore2 == "000000" &&
          (s.QueCount != 0 || (s.TimeBonus == 0 && s.ResultText.empty())),
      "a score before its time: ", s.HitCount, " hits, skill ", s.SkillBonus);
}

// The lists, then one pass over all records: their flags, the mark-flag rule, the board the
// geometry describes, the probes its edge buttons show and what its cell images show.
void CheckBoard(const Game& g, Phase ph, bool board, Checks& c) {
  const GameState& s = g.S;
  c(s.QueCount == 0 || (s.QueCount >= MinQues && s.QueCount <= MaxQues), "QueCount ", s.QueCount);
  c(s.MarkCount >= 0 && s.MarkCount <= s.QueCount, "MarkCount ", s.MarkCount, " of ", s.QueCount);
  c(s.QueList[0] == 0 && s.MarkList[0] == 0, "entry 0 of a list is used");
  const int boxes = board ? s.BoxCount : 0;
  std::array<bool, ImageCapacity> que{}, marked{};
  for (int j = 1; j < ListCapacity; ++j) {
    const int q = s.QueList[j], m = s.MarkList[j];
    const bool okQ = j <= s.QueCount ? q >= 0 && q < boxes && !que[q] : q == 0;
    const bool okM = j <= s.MarkCount ? m >= 0 && m < boxes && !marked[m] : m == 0;
    c(okQ && okM, "list entry ", j, ": que ", q, ", mark ", m);
    if (okQ && j <= s.QueCount) que[q] = true;
    if (okM && j <= s.MarkCount) marked[m] = true;
  }
  const bool shown = ph == Phase::Finished || g.Panel.ChkDemo != 0;  // ques and trails may show
  const int edge = s.GridEdge;
  std::array<int, 4 * MaxGridSize + 1> halves{};  // probe n shows on two ends or one single
  int but = 0, box = 0, ques = 0, ends = 0;
  for (int k = 0; k < CellCapacity; ++k) {
    const CellRec& r = s.Cells[k];
    const int b = k - s.GridSize - 1;  // the image whose mark flag this record holds
    c(IsFlag(r.Que) && IsFlag(r.Marked) && IsFlag(r.IsButton) && IsFlag(r.Probed) && r.Trail == 0 &&
          (r.Marked != 0) == (b >= 0 && b < ImageCapacity && marked[b]),
      "record ", k, ": Que ", r.Que, " Marked ", r.Marked, " IsButton ", r.IsButton, " Probed ",
      r.Probed, " Trail ", r.Trail);
    ques += r.Que ? 1 : 0;
    if (!board) continue;
    const int y = k / (edge + 1), x = k % (edge + 1);
    const Rect place{s.CellWidth * x + s.BoardLeft + 1, s.CellHeight * y + s.BoardTop + 1,
                     s.CellWidth, s.CellHeight};
    if (k >= s.PosCount) {
      c(!r.Que && !r.IsButton && !r.Probed && r.Partner == 0, "record ", k, " off the board");
    } else if (y == 0 || x == 0 || y == edge || x == edge) {
      const ButtonView& v = g.Board.Buttons[but];
      const bool corner = y % edge == 0 && x % edge == 0;
      const bool pair = v.BackColour == ColourPair || v.BackColour == ColourHighlight;
      const bool single = v.BackColour == ColourAbsorbed || v.BackColour == ColourReflected;
      const int n = PlainNumber(v.Caption);
      const bool linked = r.Partner > 0 && r.Partner < s.PosCount && r.Partner != k;
      const CellRec& o = s.Cells[linked ? r.Partner : k];
      const bool partner = linked && o.IsButton && o.Probed && o.Partner == k && o.But >= 0 &&
                           o.But < ButtonCapacity && g.Board.Buttons[o.But].Caption == v.Caption;
      c(r.Row == y && r.Col == x && r.IsButton && r.But == but && !r.Que && v.Visible == !corner &&
            v.Place == place &&
            (r.Probed ? (pair || single) && !corner && n >= 1 && n <= s.ProbeCount &&
                            (pair ? partner : r.Partner == 0)
                      : r.Partner == 0 && v.Caption.empty() && v.BackColour == ColourUntouched),
        "border record ", k, " (Probed ", r.Probed, ", Partner ", r.Partner, ") or its CmdBut(",
        but, ") showing \"", v.Caption, "\" in ", v.BackColour);
      ++but;
      if (r.Probed && n >= 1 && n < static_cast<int>(halves.size())) halves[n] += pair ? 1 : 2;
      ends += r.Probed && pair ? 1 : 0;
    } else {
      const ImageView& v = g.Board.Images[box];
      const bool mark = s.MarkRec(static_cast<std::int16_t>(box)).Marked != 0;
      const bool cycle = v.Frame >= 0 && v.Frame < 12;
      const bool picture =
          v.Strip == Clip::Board   ? v.Frame == box && !mark
          : v.Strip == Clip::Mark  ? cycle && mark
          : v.Strip == Clip::Wrong ? cycle && mark && !r.Que && ph == Phase::Finished
          : v.Strip == Clip::Glow  ? cycle && r.Que && !mark && shown
          : v.Strip == Clip::Trail ? v.Frame >= 2 && v.Frame <= 23 && !r.Que && shown
                                   : false;
      c(r.Row == y && r.Col == x && !r.IsButton && r.Box == box && !r.Probed && !r.Partner &&
            (r.Que != 0) == que[box] && v.Visible && v.Place == place &&
            (s.QueCount == 0 || picture),
        "cell record ", k, r.Que ? " (a que)" : "", mark ? " (marked)" : "", " or its ImgBox(", box,
        ") showing frame ", v.Frame, " of strip ", int(v.Strip), " in phase ", int(ph));
      ++box;
    }
  }
  c(ques == s.QueCount, ques, " Que flags for ", s.QueCount, " ques");
  if (!board) return;
  c(s.ProbeCount >= 0 && s.ProbeCount <= 4 * s.GridSize && ends == 2 * s.ExitCount, s.ProbeCount,
    " probes, ", s.ExitCount, " exits, ", ends, " pair ends shown");
  for (int n = 1; n < static_cast<int>(halves.size()); ++n)
    c(halves[n] == (n <= s.ProbeCount ? 2 : 0), "probe ", n, " shows on ", halves[n], "/2 ends");
  c(s.MarkFrame >= 0 && s.MarkFrame < 12 && s.QueFrame >= 0 && s.QueFrame < 12 &&
        (shown || s.QueFrame == 0) &&
        (s.QueCount == 0 || (g.Board.BoardRows == s.GridSize && g.Board.BoardCols == s.GridSize)),
    "frames ", s.MarkFrame, "/", s.QueFrame, ", board picture ", g.Board.BoardRows, " rows");
}

}  // namespace

Phase PhaseOf(const Game& g) {
  if (!g.S.BoardBuilt) return Phase::Loaded;
  if (g.S.QueCount == 0) return Phase::Idle;
  if (g.S.Paused) return Phase::Paused;
  return g.S.RevealDone || g.FinishPending ? Phase::Finished : Phase::Running;
}

std::vector<std::string> CheckInvariants(const Game& g, bool inHandler) {
  Checks c;
  const GameState& s = g.S;
  const int e = s.GridEdge;  // before the first Start the built board has side 25, no GridSpan
  const bool board = s.BoardBuilt && s.GridSize >= MinGridSize && s.GridSize <= MaxGridSize &&
                     e == s.GridSize + 1 && s.PosCount == (e + 1) * (e + 1) &&
                     s.ButCount == 4 * e && s.BoxCount == s.GridSize * s.GridSize &&
                     (s.GridSpan == 0 ? s.QueCount == 0 : s.GridSpan == e + 1);
  c(!s.BoardBuilt || board, "geometry out of step: side ", s.GridSize, ", span ", s.GridSpan,
    ", counts ", s.PosCount, "/", s.ButCount, "/", s.BoxCount);
  for (Flag f : {s.ProbeHit, s.ProbeBusy, s.Paused, s.BoardBuilt, s.RevealDone})
    c(IsFlag(f), "a game flag holds ", f);
  const Phase ph = PhaseOf(g);
  CheckPanel(g, ph, inHandler, c);
  CheckBoard(g, ph, board, c);
  return std::move(c.Out);
}

}  // namespace vexlar::test
