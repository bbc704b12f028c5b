#include "Invariants.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>

namespace vexlar::test {

namespace {

// Collects the failed checks; the test is inlined, the message only built when it fails.
struct Checks {
  std::vector<std::string> Out;
  template <typename... A>
  [[gnu::always_inline]] void operator()(bool ok, const A&... what) {
    if (!ok) Fail(what...);
  }
  template <typename... A>
  [[gnu::noinline]] void Fail(const A&... what) {
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
  const bool played = s.QueCount != 0;
  // The box shows a bonus the clock ticked to, "000000" before and once it is spent.
  c(p.TxtScore == "000000" || PlainNumber(p.TxtScore) > 0, "TimeBonus ", s.TimeBonus, " shows ",
    p.TxtScore);
  if (ph == Phase::Finished && s.RevealDone)
    c(p.TxtScore2 == Decimal(s.SkillBonus) && s.HitCount >= 0 && s.HitCount <= s.QueCount,
      "TxtScore2 ", p.TxtScore2, " for SkillBonus ", s.SkillBonus, ", ", s.HitCount, " hits");
  else
    c(s.HitCount == 0 && s.SkillBonus == 0 && p.TxtScore2 == "000000" &&
          (played || (s.TimeBonus == 0 && s.ResultText.empty())),
      "a score before its time: ", s.HitCount, " hits, skill ", s.SkillBonus);
}

// Reads the mark list into marked; true when every listed que is a distinct cell with its flag.
bool CheckLists(const GameState& s, bool board, std::array<bool, ImageCapacity>& marked,
                Checks& c) {
  c(s.QueCount == 0 || (s.QueCount >= MinQues && s.QueCount <= MaxQues), "QueCount ", s.QueCount);
  c(s.MarkCount >= 0 && s.MarkCount <= s.QueCount, "MarkCount ", s.MarkCount, " of ", s.QueCount);
  c(s.QueList[0] == 0 && s.MarkList[0] == 0, "entry 0 of a list is used");
  const int boxes = board ? s.BoxCount : 0;
  std::array<bool, ImageCapacity> que{};
  int listed = 0;
  for (int j = 1; j < ListCapacity; ++j) {
    const int q = s.QueList[j], m = s.MarkList[j];
    const bool okQ = j <= s.QueCount ? q >= 0 && q < boxes && !que[q] : q == 0;
    const bool okM = j <= s.MarkCount ? m >= 0 && m < boxes && !marked[m] : m == 0;
    c(okQ && okM, "list entry ", j, ": que ", q, ", mark ", m);
    if (okM && j <= s.MarkCount) marked[m] = true;
    if (!okQ || j > s.QueCount) continue;
    que[q] = true;
    listed += s.Cells[s.ImagePos(static_cast<std::int16_t>(q))].Que == True ? 1 : 0;
  }
  c(listed == s.QueCount, listed, " listed ques of ", s.QueCount, " carry their Que flag");
  return listed == s.QueCount;
}

// One pass over all records: flags, the mark-flag rule, and the board the geometry describes.
void CheckRecords(const Game& g, bool board, const std::array<bool, ImageCapacity>& marked,
                  Checks& c) {
  const GameState& s = g.S;
  const int edge = s.GridEdge;
  int but = 0, box = 0, ques = 0;
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
    const bool border = y == 0 || x == 0 || y == edge || x == edge;
    const Rect place{s.CellWidth * x + s.BoardLeft + 1, s.CellHeight * y + s.BoardTop + 1,
                     s.CellWidth, s.CellHeight};
    if (k >= s.PosCount) {
      c(!r.Que && !r.IsButton && !r.Probed && r.Partner == 0, "record ", k, " off the board");
    } else if (border) {
      const ButtonView& v = g.Board.Buttons[but];
      c(r.Row == y && r.Col == x && r.IsButton == True && r.But == but && !r.Que &&
            v.Visible == (y % edge != 0 || x % edge != 0) && v.Place == place,
        "border record ", k, " or its CmdBut(", but, ")");
      ++but;
    } else {
      const ImageView& v = g.Board.Images[box];
      c(r.Row == y && r.Col == x && !r.IsButton && r.Box == box && !r.Probed && !r.Partner &&
            v.Visible && v.Place == place,
        "cell record ", k, " or its ImgBox(", box, ")");
      ++box;
    }
  }
  c(ques == s.QueCount, ques, " Que flags for ", s.QueCount, " ques");
  for (int i = board ? s.ButCount : 0; i < ButtonCapacity; ++i) {
    const ButtonView& v = g.Board.Buttons[i];
    c(!v.Visible && v.Caption.empty() && v.BackColour == ColourUntouched, "CmdBut(", i,
      ") off the board is shown or used");
  }
  for (int i = board ? s.BoxCount : 0; i < ImageCapacity; ++i)
    c(!g.Board.Images[i].Visible, "ImgBox(", i, ") off the board is shown");
}

// Probe n shows on one absorbed or reflected button (worth 2) or on both ends of a pair (1 each).
void CheckProbes(const GameState& s, const BoardModel& board, Checks& c) {
  std::array<int, 4 * MaxGridSize + 1> shown{};
  int ends = 0;
  for (int k = 0; k < s.PosCount; ++k) {
    const CellRec& r = s.Cells[k];
    if (!r.IsButton || r.But < 0 || r.But >= ButtonCapacity) continue;
    const ButtonView& v = board.Buttons[r.But];
    const bool corner = r.Row % s.GridEdge == 0 && r.Col % s.GridEdge == 0;
    const bool pair = v.BackColour == ColourPair || v.BackColour == ColourHighlight;
    const bool single = v.BackColour == ColourAbsorbed || v.BackColour == ColourReflected;
    const int n = PlainNumber(v.Caption);
    const bool linked = r.Partner > 0 && r.Partner < s.PosCount && r.Partner != k;
    const CellRec& o = s.Cells[linked ? r.Partner : k];
    c(r.Probed ? (pair || single) && !corner && n >= 1 && n <= s.ProbeCount &&
                     (pair ? linked && o.IsButton && o.Probed && o.Partner == k && o.But >= 0 &&
                                 o.But < ButtonCapacity && board.Buttons[o.But].Caption == v.Caption
                           : r.Partner == 0)
               : r.Partner == 0 && v.Caption.empty() && v.BackColour == ColourUntouched,
      "CmdBut(", r.But, ") Probed ", r.Probed, " Partner ", r.Partner, " shows \"", v.Caption,
      "\" in ", v.BackColour);
    if (r.Probed && n >= 1 && n < static_cast<int>(shown.size())) shown[n] += pair ? 1 : 2;
    ends += r.Probed && pair ? 1 : 0;
  }
  const int probes = s.ProbeCount;
  c(probes >= 0 && probes <= 4 * s.GridSize && ends == 2 * s.ExitCount &&
        std::all_of(shown.begin() + 1, shown.end(),
                    [&, n = 1](int x) mutable { return x == (n++ <= probes ? 2 : 0); }),
    probes, " probes, ", s.ExitCount, " exits, ", ends, " pair ends shown");
}

void CheckPictures(const Game& g, Phase ph, Checks& c) {
  const GameState& s = g.S;
  const bool shown = ph == Phase::Finished || g.Panel.ChkDemo != 0;  // ques and trails may show
  c(s.MarkFrame >= 0 && s.MarkFrame < 12 && s.QueFrame >= 0 && s.QueFrame < 12 &&
        (shown || s.QueFrame == 0) && g.Board.BoardRows == s.GridSize &&
        g.Board.BoardCols == s.GridSize,
    "frames ", s.MarkFrame, "/", s.QueFrame, ", board picture ", g.Board.BoardRows, " rows");
  for (int b = 0; b < s.BoxCount; ++b) {
    const ImageView& v = g.Board.Images[b];
    const bool que = s.Cells[s.ImagePos(static_cast<std::int16_t>(b))].Que != 0,
               mark = s.MarkRec(b).Marked != 0;
    const bool cycle = v.Frame >= 0 && v.Frame < 12;
    const bool ok = v.Strip == Clip::Board   ? v.Frame == b && !mark
                    : v.Strip == Clip::Mark  ? cycle && mark
                    : v.Strip == Clip::Wrong ? cycle && mark && !que && ph == Phase::Finished
                    : v.Strip == Clip::Glow
                        ? cycle && que && !mark && shown
                        : v.Strip == Clip::Trail && v.Frame >= 2 && v.Frame <= 23 && !que && shown;
    c(ok, "ImgBox(", b, ") shows frame ", v.Frame, " of strip ", int(v.Strip),
      que ? " on a que" : "", mark ? ", marked" : "", " in phase ", int(ph));
  }
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
  const Phase ph = PhaseOf(g);
  const int e = s.GridEdge;  // before the first Start the built board has side 25, no GridSpan
  const bool board = s.BoardBuilt && s.GridSize >= MinGridSize && s.GridSize <= MaxGridSize &&
                     e == s.GridSize + 1 && s.PosCount == (e + 1) * (e + 1) &&
                     s.ButCount == 4 * e && s.BoxCount == s.GridSize * s.GridSize &&
                     (s.GridSpan == 0 ? s.QueCount == 0 : s.GridSpan == e + 1);
  c(!s.BoardBuilt || board, "geometry out of step: side ", s.GridSize, ", span ", s.GridSpan,
    ", counts ", s.PosCount, "/", s.ButCount, "/", s.BoxCount);
  for (Flag f : {s.ProbeHit, s.ProbeBusy, s.Paused, s.BoardBuilt, s.RevealDone})
    c(IsFlag(f), "a game flag holds ", f);
  CheckPanel(g, ph, inHandler, c);
  std::array<bool, ImageCapacity> marked{};
  const bool listed = CheckLists(s, board, marked, c);
  CheckRecords(g, board, marked, c);
  if (board) CheckProbes(s, g.Board, c);
  if (board && s.QueCount > 0 && listed) CheckPictures(g, ph, c);
  return std::move(c.Out);
}

}  // namespace vexlar::test
