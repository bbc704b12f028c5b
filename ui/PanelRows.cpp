#include "Colours.h"
#include "GameWindow.h"
#include "Panel.h"

namespace vexlar {

namespace {

constexpr PanelFont Bold975{"MS Sans Serif", 9.75, true}, Bold825{"MS Sans Serif", 8.25, true},
    Score975{"Times New Roman", 9.75, true}, Number135{"MS Sans Serif", 13.5, true},
    Arial825{"Arial", 8.25, false};
using V = VEXLAR;
using K = PanelKind;
using namespace bgr;

// A bar marks its arrows in the font its name fits the bar in.
// clang-format off
const PanelRow Fixed[] = {
    {"CtrlBoxBack", K::Back, &V::CtrlBoxBack, CtrlBoxBackPlace, "", Teal, LightTeal, Bold825, 0, ""},
    {"LblTime", K::Caption, &V::LblTime, {7350, 255, 1320, 630}, "Time Bonus", DarkTeal,
     LightYellow, Bold975, 0, "Time Bonus", "TxtScore"},
    {"LblSkill", K::Caption, &V::LblSkill, {7350, 915, 1335, 615}, "Skill Bonus", DimTeal,
     LightYellow, Bold975, 0, "Skill Bonus", "TxtScore2"},
    {"TxtScore", K::Score, &V::TxtScore, {7425, 510, 1170, 315}, "000000", Black, Green, Score975,
     0, "Time Bonus"},
    {"TxtScore2", K::Score, &V::TxtScore2, {7425, 1155, 1185, 315}, "000000", Black, Yellow,
     Score975, 0, "Skill Bonus"},
    {"CmdFinish", K::Button, &V::CmdFinish, {7380, 1575, 1290, 405}, "Finished", -1, -1, Bold975,
     1, ""},
    {"CmdPause", K::Button, &V::CmdPause, {7380, 2010, 1290, 405}, "Pause", -1, -1, Bold975, 2, "",
     "", "Resume"},
    {"CmdStart", K::Button, &V::CmdStart, {7380, 2445, 1290, 405}, "Start", -1, -1, Bold975, 3, ""},
    {"LblGrid", K::Box, {}, {7365, 2925, 1320, 600}, "", Navy, -1, Bold825, 0, ""},
    {"LblQue", K::Box, {}, {7365, 3555, 1320, 600}, "", Navy, -1, Bold825, 0, ""},
    {"LblMark", K::Box, {}, {7365, 4200, 1320, 600}, "", Maroon, -1, Bold825, 0, ""},
    {"LblGrid1", K::Caption, &V::LblGrid1, {7440, 3000, 465, 225}, "Grid", -1, LightCyan, Bold825,
     0, "Grid", "VScroll1"},
    {"LblGrid2", K::Caption, &V::LblGrid2, {7455, 3210, 465, 210}, "Size", -1, LightCyan, Bold825,
     0, "Size", "VScroll1"},
    {"LblQue1", K::Caption, &V::LblQue1, {7440, 3630, 555, 225}, "Queue", -1, LightCyan, Bold825,
     0, "Queue", "VScroll2"},
    {"LblQue2", K::Caption, &V::LblQue2, {7440, 3855, 510, 225}, "Count", -1, LightCyan, Bold825,
     0, "Count", "VScroll2"},
    {"LblMark1", K::Caption, &V::LblMark1, {7425, 4260, 555, 225}, "Mark", -1, Pink, Bold825, 0,
     "Mark", "TxtMarks"},
    {"LblMark2", K::Caption, &V::LblMark2, {7440, 4470, 510, 225}, "Count", -1, Pink, Bold825, 0,
     "Count", "TxtMarks"},
    {"TxtGridSize", K::Number, &V::TxtGridSize, {7995, 3015, 435, 420}, "", -1, -1, Number135, 0,
     "Grid Size", "", "25"},
    {"TxtQues", K::Number, &V::TxtQues, {8010, 3645, 435, 435}, "", -1, -1, Number135, 0,
     "Queue Count", "", "25"},
    {"TxtMarks", K::Number, &V::TxtMarks, {8025, 4275, 450, 435}, "", -1, -1, Number135, 0,
     "Mark Count", "", "25"},
    {"VScroll1", K::Bar, &V::VScroll1, {8445, 3015, 210, 435}, "", -1, -1, Bold825, 4, "Grid Size",
     "", "Grid Size", MinGridSize, MaxGridSize},
    {"VScroll2", K::Bar, &V::VScroll2, {8430, 3660, 225, 435}, "", -1, -1, Bold825, 5,
     "Queue Count", "", "Queue Count", MinQues, MaxQues},
};
// clang-format on

std::vector<PanelRow> AllRows() {
  std::vector<PanelRow> rows(std::begin(Fixed), std::end(Fixed));
  int tab = 6;  // the options' boxes after the fixed stops, in the options' order
  for (const OptionRow& o : Options()) {
    rows.push_back(
        {"", K::Strip, {}, o.Strip, o.Caption, o.Back, o.Fore, Arial825, 0, o.Caption, o.Name});
    rows.push_back({o.Name, K::Check, {}, o.Check, "", -1, -1, Arial825, tab++, o.Caption});
    rows.back().Option = rows[rows.size() - 2].Option = &o;
  }
  return rows;
}

}  // namespace

std::span<const PanelRow> PanelRows() {
  static const std::vector<PanelRow> rows = AllRows();
  return rows;
}

bool PaintedBehind(const PanelRow& row) {
  return row.Kind == K::Back || row.Kind == K::Box || row.Kind == K::Strip ||
         (row.Kind == K::Caption && row.Back >= 0);
}

}  // namespace vexlar
