#include "GridControl.h"

#include "Game.h"

namespace vexlar {

namespace {

bool IsCorner(std::int16_t y, std::int16_t x, std::int16_t edge) {
  return (y == 0 || y == edge) && (x == 0 || x == edge);
}

// Visits the positions of a board row by row, as every board pass does, numbering the border
// positions (edge buttons) and the cells (cell images) separately in visiting order.
template <typename Border, typename Cell>
void WalkBoard(GameState& s, std::int16_t edge, Border border, Cell cell) {
  s.PosCount = s.BoxCount = s.ButCount = 0;
  for (std::int16_t y = 0; y <= edge; ++y)
    for (std::int16_t x = 0; x <= edge; ++x) {
      CellRec& c = s.Cells[s.PosCount];
      if (x == 0 || y == 0 || y == edge || x == edge) {
        c.But = s.ButCount;
        border(c, s.ButCount, y, x);
        ++s.ButCount;
      } else {
        c.Box = s.BoxCount;
        c.IsButton = False;
        cell(c, s.BoxCount, y, x);
        ++s.BoxCount;
      }
      ++s.PosCount;
    }
}

}  // namespace

void CreateBoard(Game& g, std::int16_t edge) {
  // Element 0 of each array exists; the new elements start as hidden copies of it.
  const int buttons = 4 * edge, images = (edge - 1) * (edge - 1) + 1;
  for (int i = 1; i < buttons; ++i) (g.Board.Buttons[i] = g.Board.Buttons[0]).Visible = false;
  for (int b = 1; b < images; ++b) (g.Board.Images[b] = g.Board.Images[0]).Visible = false;
}

void LayoutBoard(Game& g, std::int16_t edge) {
  GameState& s = g.S;
  const auto span = static_cast<std::int16_t>(edge + 1);
  auto place = [&](Element kind, std::int16_t i, std::int16_t y, std::int16_t x) {
    g.Board.Place({kind, i},
                  {s.CellWidth * x + s.BoardLeft + 1, y * s.CellHeight + s.BoardTop + 1,
                   s.CellWidth, s.CellHeight},
                  y, x, span);
  };
  WalkBoard(
      s, edge,
      [&](CellRec& c, std::int16_t i, std::int16_t y, std::int16_t x) {
        place(Element::Button, i, y, x);
        c.IsButton = True;
        g.Board.ShowButton(i, !IsCorner(y, x, edge));
        c.Row = y, c.Col = x;
      },
      [&](CellRec& c, std::int16_t b, std::int16_t y, std::int16_t x) {
        place(Element::Image, b, y, x);
        g.Board.ShowImage(b, true);
        c.Row = y, c.Col = x;
      });
}

void ClearBoard(Game& g, std::int16_t edge) {
  // Clears every mark flag too: b + GridSize + 1 stays below (edge + 1)^2.
  WalkBoard(
      g.S, edge,
      [&g](CellRec& c, std::int16_t i, std::int16_t, std::int16_t) {
        c.IsButton = c.Probed = c.Que = c.Marked = False;
        c.Partner = 0;
        g.Board.SetCaption(i, "");
        g.Board.SetColour(i, ColourUntouched);
        g.Board.ShowButton(i, false);
      },
      [&g](CellRec& c, std::int16_t b, std::int16_t, std::int16_t) {
        c.Que = c.Marked = False;
        g.Board.ShowImage(b, false);
      });
}

void TileBoardPicture(Game& g) {
  const int count = g.S.GridSize * g.S.GridSize;
  for (int b = 0; b < count; ++b) g.Board.SetPicture(b, Clip::Board, static_cast<std::int16_t>(b));
}

}  // namespace vexlar
