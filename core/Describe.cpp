#include "Describe.h"

namespace vexlar {

namespace {

// The side an edge position lies on, tested in the order the tracer tests it.
std::string Where(const GameState& s, std::int16_t k) {
  const CellRec& c = s.Cells[k];
  if (c.Row == 0) return "top edge, column " + Decimal(c.Col);
  if (c.Row == s.GridEdge) return "bottom edge, column " + Decimal(c.Col);
  if (c.Col == 0) return "left edge, row " + Decimal(c.Row);
  return "right edge, row " + Decimal(c.Row);
}

std::string Button(const Game& g, int i) {
  const GameState& s = g.S;
  const ButtonView& v = g.Board.Buttons[i];
  const std::int16_t k = s.ButtonPos(static_cast<std::int16_t>(i));
  const std::string where = Where(s, k) + ": ";
  if (v.Caption.empty()) return where + "not probed";
  const std::string probe = "probe " + v.Caption;
  switch (OutcomeOf(v)) {
    case Outcome::Absorbed:
      return where + probe + ", absorbed";
    case Outcome::Reflected:
      return where + probe + ", reflected";
    case Outcome::Pair:
      return where + probe + ", pair with " + Where(s, s.Cells[k].Partner) +
             (v.BackColour == ColourHighlight ? ", lit up" : "");
    case Outcome::None:
      break;
  }
  return where + probe;
}

std::string Cell(const Game& g, int b) {
  const GameState& s = g.S;
  const CellRec& c = s.Cells[s.ImagePos(static_cast<std::int16_t>(b))];
  const std::string where = "row " + Decimal(c.Row) + ", column " + Decimal(c.Col) + ": ";
  const bool revealed = s.RevealDone && s.QueCount > 0;
  switch (g.Board.Images[b].Strip) {
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

std::string Describe(const Game& g, Element kind, int index) {
  if (g.S.GridSpan == 0) return "";  // no game yet: the board lies under the cover
  return kind == Element::Button ? Button(g, index) : Cell(g, index);
}

}  // namespace vexlar
