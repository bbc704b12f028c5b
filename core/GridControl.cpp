#include "GridControl.h"

#include "Game.h"

namespace vexlar {

namespace {
bool IsBorder(std::int16_t y, std::int16_t x, std::int16_t edge) {
  return x == 0 || y == 0 || y == edge || x == edge;
}
bool IsCorner(std::int16_t y, std::int16_t x, std::int16_t edge) {
  return (y == 0 || y == edge) && (x == 0 || x == edge);
}
}  // namespace

void CreateBoard(Game& g, std::int16_t edge) {
  // The new elements start as hidden copies of element 0 of their array.
  int nextButton = 1;
  int nextImage = 1;
  for (std::int16_t y = 0; y <= edge; ++y)
    for (std::int16_t x = 0; x <= edge; ++x) {
      if (y == 0 && x == 0) continue;
      if (IsBorder(y, x, edge)) {
        g.Board.Buttons[nextButton] = g.Board.Buttons[0];
        g.Board.Buttons[nextButton++].Visible = false;
      } else {
        g.Board.Images[nextImage] = g.Board.Images[0];
        g.Board.Images[nextImage++].Visible = false;
      }
    }
  g.Board.Created = true;
}

void LayoutBoard(Game& g, std::int16_t edge) {
  GameState& s = g.S;
  s.PosCount = s.BoxCount = s.ButCount = 0;
  for (std::int16_t y = 0; y <= edge; ++y)
    for (std::int16_t x = 0; x <= edge; ++x) {
      const Rect place{s.CellWidth * x + s.BoardLeft + 1, y * s.CellHeight + s.BoardTop + 1,
                       s.CellWidth, s.CellHeight};
      CellRec& c = s.Cells[s.PosCount];
      if (IsBorder(y, x, edge)) {
        const std::int16_t i = s.ButCount;
        g.Board.PlaceButton(i, place);
        c.IsButton = True;
        c.But = i;
        g.Board.ShowButton(i, !IsCorner(y, x, edge));
        s.ButCount = static_cast<std::int16_t>(i + 1);
      } else {
        const std::int16_t b = s.BoxCount;
        g.Board.PlaceImage(b, place);
        g.Board.ShowImage(b, true);
        c.Box = b;
        c.IsButton = False;
        s.BoxCount = static_cast<std::int16_t>(b + 1);
      }
      c.Row = y;
      c.Col = x;
      ++s.PosCount;
    }
}

void ClearBoard(Game& g, std::int16_t edge) {
  GameState& s = g.S;
  s.PosCount = s.BoxCount = s.ButCount = 0;
  for (std::int16_t y = 0; y <= edge; ++y)
    for (std::int16_t x = 0; x <= edge; ++x) {
      CellRec& c = s.Cells[s.PosCount];
      if (IsBorder(y, x, edge)) {
        const std::int16_t i = s.ButCount;
        c.IsButton = False;
        c.Probed = False;
        c.Partner = 0;
        c.But = i;
        g.Board.SetCaption(i, "");
        g.Board.SetColour(i, ColourUntouched);
        g.Board.ShowButton(i, false);
        s.ButCount = static_cast<std::int16_t>(i + 1);
      } else {
        const std::int16_t b = s.BoxCount;
        g.Board.ShowImage(b, false);
        c.Box = b;
        c.IsButton = False;
        s.BoxCount = static_cast<std::int16_t>(b + 1);
      }
      // Clears every mark flag too: b + GridSize + 1 stays below (edge + 1)^2.
      c.Que = False;
      c.Marked = False;
      ++s.PosCount;
    }
}

void TileBoardPicture(Game& g) {
  const int count = g.S.GridSize * g.S.GridSize;
  for (int b = 0; b < count; ++b) g.Board.SetPicture(b, Clip::Board, static_cast<std::int16_t>(b));
}

}  // namespace vexlar
