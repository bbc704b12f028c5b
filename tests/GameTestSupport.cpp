#include "GameTestSupport.h"

#include "GridControl.h"

namespace vexlar::test {

std::string Recorder::Name(SoundKind k) {
  switch (k) {
    case SoundKind::SoundProbe:
      return "probe";
    case SoundKind::SoundBoomcrak:
      return "boomcrak";
    case SoundKind::SoundFlash:
      return "flash";
    case SoundKind::SoundMark:
      return "mark";
  }
  return "?";
}

Fixture::Fixture() {
  G.TimeOfDay = [] { return 43210.5f; };
  G.LoadWindow();
  G.BuildBoardOnce(625, 10, 10);
}

void Fixture::Start(int size, int ques) {
  G.SetVScroll1(static_cast<std::int16_t>(size));
  G.SetVScroll2(static_cast<std::int16_t>(ques));
  G.StartGame();
}

void Fixture::SetQues(const std::vector<std::pair<int, int>>& cells) { PutQues(G, cells); }

void PutQues(Game& g, const std::vector<std::pair<int, int>>& cells) {
  for (auto& c : g.S.Cells) c.Que = False;
  g.S.QueList.fill(0);
  g.S.QueCount = static_cast<std::int16_t>(cells.size());
  for (std::size_t j = 0; j < cells.size(); ++j) {
    const auto [r, c] = cells[j];
    g.S.Cells[g.S.Pos(static_cast<std::int16_t>(r), static_cast<std::int16_t>(c))].Que = True;
    g.S.QueList[j + 1] = static_cast<std::int16_t>((r - 1) * g.S.GridSize + (c - 1));
  }
}

void LayoutDirect(Game& g, int size) {
  g.S.GridSize = static_cast<std::int16_t>(size);
  g.S.GridEdge = static_cast<std::int16_t>(size + 1);
  g.S.GridSpan = static_cast<std::int16_t>(size + 2);
  g.S.CellWidth = g.S.CellHeight = 20;
  if (!g.Board.Created) CreateBoard(g, 26);
  LayoutBoard(g, g.S.GridEdge);
  for (auto& c : g.S.Cells) c.Que = False;
}

}  // namespace vexlar::test
