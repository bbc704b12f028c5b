#include "PanelLayout.h"

#include "Types.h"

namespace vexlar {

PanelPlaces DesignPanel() {
  return {{
      {"TxtScore", 7425, 510, 1170, 315},     {"TxtScore2", 7425, 1155, 1185, 315},
      {"LblTime", 7350, 255, 1320, 630},      {"LblSkill", 7350, 915, 1335, 615},
      {"CmdFinish", 7380, 1575, 1290, 405},   {"CmdPause", 7380, 2010, 1290, 405},
      {"CmdStart", 7380, 2445, 1290, 405},    {"LblDemo", 7365, 5220, 1305, 330},
      {"ChkDemo", 8385, 5250, 240, 255},      {"LblAdjacent", 7365, 5595, 1305, 330},
      {"ChkAdjacency", 8385, 5625, 240, 255}, {"LblGrid", 7365, 2925, 1320, 600},
      {"LblGrid1", 7440, 3000, 465, 225},     {"LblGrid2", 7455, 3210, 465, 210},
      {"LblQue", 7365, 3555, 1320, 600},      {"LblQue1", 7440, 3630, 555, 225},
      {"LblQue2", 7440, 3855, 510, 225},      {"LblMark", 7365, 4200, 1320, 600},
      {"LblMark1", 7425, 4260, 555, 225},     {"LblMark2", 7440, 4470, 510, 225},
      {"TxtMarks", 8025, 4275, 450, 435},     {"VScroll1", 8445, 3015, 210, 435},
      {"VScroll2", 8430, 3660, 225, 435},     {"TxtGridSize", 7995, 3015, 435, 420},
      {"TxtQues", 8010, 3645, 435, 435},      {"lblAudio", 7365, 4860, 1305, 330},
      {"chkAudio", 8385, 4890, 240, 255},     {"CtrlBoxBack", 7290, 135, 1485, 5850},
  }};
}

std::int32_t PanelLeftFor(std::int32_t windowHeightTwips) {
  return RoundEven(static_cast<double>(windowHeightTwips) - 70);
}

void LayoutPanel(PanelPlaces& places, std::int32_t panelLeft) {
  DesignPlace& back = places[PanelMemberCount];
  for (int i = 0; i < PanelMemberCount; ++i)
    places[i].Left = static_cast<float>(panelLeft) + places[i].Left - back.Left;
  back.Left = static_cast<float>(panelLeft);
}

}  // namespace vexlar
