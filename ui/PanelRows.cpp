#include "GameWindow.h"
#include "Panel.h"

namespace vexlar {

namespace {

constexpr PanelFont Bold975{"MS Sans Serif", 9.75, true}, Bold825{"MS Sans Serif", 8.25, true},
    Score975{"Times New Roman", 9.75, true}, Number135{"MS Sans Serif", 13.5, true},
    Arial825{"Arial", 8.25, false};
constexpr std::int32_t Yellow = 0xFFFF80, Lilac = 0xC0C0FF, Navy = 0x800000;
using V = VEXLAR;
using K = PanelKind;

// clang-format off
const PanelRow Fixed[] = {
    {"CtrlBoxBack", K::Back, &V::CtrlBoxBack, CtrlBoxBackPlace, "", 0x808000, 0xC0C000, Bold825},
    {"LblTime", K::Caption, &V::LblTime, {7350, 255, 1320, 630}, "Time Bonus", 0x505000, 0x80FFFF,
     Bold975, "TxtScore"},
    {"LblSkill", K::Caption, &V::LblSkill, {7350, 915, 1335, 615}, "Skill Bonus", 0x606000,
     0x80FFFF, Bold975, "TxtScore2"},
    {"TxtScore", K::Score, &V::TxtScore, {7425, 510, 1170, 315}, "Time Bonus", 0, 0x00FF00,
     Score975, "", "000000"},
    {"TxtScore2", K::Score, &V::TxtScore2, {7425, 1155, 1185, 315}, "Skill Bonus", 0, 0x00FFFF,
     Score975, "", "000000"},
    {"CmdFinish", K::Button, &V::CmdFinish, {7380, 1575, 1290, 405}, "Finished", -1, -1, Bold975},
    {"CmdPause", K::Button, &V::CmdPause, {7380, 2010, 1290, 405}, "Pause", -1, -1, Bold975, "",
     "Resume"},
    {"CmdStart", K::Button, &V::CmdStart, {7380, 2445, 1290, 405}, "Start", -1, -1, Bold975},
    {"LblGrid", K::Box, {}, {7365, 2925, 1320, 600}, "", Navy, -1, Bold825},
    {"LblQue", K::Box, {}, {7365, 3555, 1320, 600}, "", Navy, -1, Bold825},
    {"LblMark", K::Box, {}, {7365, 4200, 1320, 600}, "", 0x000080, -1, Bold825},
    {"LblGrid1", K::Caption, &V::LblGrid1, {7440, 3000, 465, 225}, "Grid", -1, Yellow, Bold825,
     "VScroll1"},
    {"LblGrid2", K::Caption, &V::LblGrid2, {7455, 3210, 465, 210}, "Size", -1, Yellow, Bold825,
     "VScroll1"},
    {"LblQue1", K::Caption, &V::LblQue1, {7440, 3630, 555, 225}, "Queue", -1, Yellow, Bold825,
     "VScroll2"},
    {"LblQue2", K::Caption, &V::LblQue2, {7440, 3855, 510, 225}, "Count", -1, Yellow, Bold825,
     "VScroll2"},
    {"LblMark1", K::Caption, &V::LblMark1, {7425, 4260, 555, 225}, "Mark", -1, Lilac, Bold825,
     "TxtMarks"},
    {"LblMark2", K::Caption, &V::LblMark2, {7440, 4470, 510, 225}, "Count", -1, Lilac, Bold825,
     "TxtMarks"},
    {"TxtGridSize", K::Number, &V::TxtGridSize, {7995, 3015, 435, 420}, "Grid Size", -1, -1,
     Number135, "", "25"},
    {"TxtQues", K::Number, &V::TxtQues, {8010, 3645, 435, 435}, "Queue Count", -1, -1, Number135,
     "", "25"},
    {"TxtMarks", K::Number, &V::TxtMarks, {8025, 4275, 450, 435}, "Mark Count", -1, -1, Number135,
     "", "25"},
    {"VScroll1", K::Bar, &V::VScroll1, {8445, 3015, 210, 435}, "Grid Size", -1, -1, Bold825, "", nullptr,
     MinGridSize, MaxGridSize},
    {"VScroll2", K::Bar, &V::VScroll2, {8430, 3660, 225, 435}, "Queue Count", -1, -1, Bold825, "",
     nullptr, MinQues, MaxQues},
};
// clang-format on

std::vector<PanelRow> AllRows() {
  std::vector<PanelRow> rows(std::begin(Fixed), std::end(Fixed));
  for (const OptionRow& o : Options()) {
    rows.push_back({"", K::Strip, {}, o.Strip, o.Caption, o.Back, o.Fore, Arial825, o.Name});
    rows.push_back({o.Name, K::Check, {}, o.Check, o.Caption, -1, -1, Arial825});
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
