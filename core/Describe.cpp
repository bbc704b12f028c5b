#include "Describe.h"

#include <utility>

namespace vexlar {

namespace {

// The side an edge position lies on, tested in the order the tracer tests it.
std::string Where(const GameState& s, std::int16_t row, std::int16_t col) {
  if (row == 0) return "top edge, column " + Decimal(col);
  if (row == s.GridEdge) return "bottom edge, column " + Decimal(col);
  if (col == 0) return "left edge, row " + Decimal(row);
  return "right edge, row " + Decimal(row);
}

std::string Button(const Game& g, const ButtonView& v) {
  const GameState& s = g.S;
  const std::string where = Where(s, v.Row, v.Col) + ": ";
  if (v.Caption.empty()) return where + "not probed";
  const std::string probe = "probe " + v.Caption;
  switch (OutcomeOf(v)) {
    case Outcome::Absorbed:
      return where + probe + ", absorbed";
    case Outcome::Reflected:
      return where + probe + ", reflected";
    case Outcome::Pair: {
      const CellRec& other = s.Cells[s.Cells[s.Pos(v.Row, v.Col)].Partner];
      return where + probe + ", pair with " + Where(s, other.Row, other.Col) +
             (v.BackColour == ColourHighlight ? ", lit up" : "");
    }
    case Outcome::None:
      break;
  }
  return where + probe;
}

std::string Cell(const Game& g, const ImageView& v) {
  const GameState& s = g.S;
  const CellRec& c = s.Cells[s.Pos(v.Row, v.Col)];
  const std::string where = "row " + Decimal(v.Row) + ", column " + Decimal(v.Col) + ": ";
  const bool revealed = s.RevealDone && s.QueCount > 0;
  switch (v.Strip) {
    case Clip::Mark:
      return where + (revealed && c.Que ? "marked, a que found" : "marked");
    case Clip::Wrong:
      return where + "marked, no que here";
    case Clip::Glow:
      return where + (revealed ? "a que, missed" : "a que");
    case Clip::Trail:
      return where + "probe path";
    default:
      return where + "unmarked";
  }
}

}  // namespace

std::string Describe(const Game& g, ElementId e) {
  if (g.S.GridSpan == 0) return "";  // no game yet: the board lies under the cover
  if (e.Kind == Element::Button) return Button(g, g.Board.Buttons[e.Index]);
  return Cell(g, g.Board.Images[e.Index]);
}

void Game::SayBoard() {
  // All words hang on the board's size, a cell's on whether the ques are shown: either changed,
  // everything is said anew; else only what changed its look or its place on the grid.
  const std::int32_t standing = S.GridSpan * 2 + (S.RevealDone && S.QueCount > 0);
  const bool all = std::exchange(Board.WordsFor, standing) != standing;
  for (int slot = 0; slot < ElementCapacity; ++slot) {
    const ElementId e = slot < ButtonCapacity ? ElementId{Element::Button, slot}
                                              : ElementId{Element::Image, slot - ButtonCapacity};
    ElementView& v = Board.At(e);
    if (std::exchange(v.Reword, false) || all) v.Words = Describe(*this, e);
  }
}

}  // namespace vexlar
