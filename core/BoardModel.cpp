#include "BoardModel.h"

namespace vexlar {

namespace {
// Marks the element dirty only when the value really changes, so the window repaints little;
// words: what it says hangs on the value, so it is said anew.
template <typename V>
void Assign(ElementView& element, V& field, const V& value, bool words = false) {
  if (field == value) return;
  field = value;
  element.Dirty = true;
  element.Reword |= words;
}
}  // namespace

Outcome OutcomeOf(const ButtonView& v) {
  if (v.Caption.empty()) return Outcome::None;
  switch (v.BackColour) {
    case ColourAbsorbed:
      return Outcome::Absorbed;
    case ColourReflected:
      return Outcome::Reflected;
    case ColourPair:
    case ColourHighlight:
      return Outcome::Pair;
  }
  return Outcome::None;
}

void BoardModel::SetCaption(int i, const std::string& text) {
  Assign(Buttons[i], Buttons[i].Caption, text, true);
}
void BoardModel::SetColour(int i, std::int32_t colour) {
  Assign(Buttons[i], Buttons[i].BackColour, colour, true);
}
void BoardModel::ShowButton(int i, bool visible) {
  Assign(Buttons[i], Buttons[i].Visible, visible);
}
void BoardModel::SetPicture(int b, Clip strip, std::int16_t frame) {
  Assign(Images[b], Images[b].Strip, strip, true);
  Assign(Images[b], Images[b].Frame, frame);  // a new frame of the same picture says nothing new
}
void BoardModel::ShowImage(int b, bool visible) { Assign(Images[b], Images[b].Visible, visible); }

void BoardModel::Place(ElementId e, const Rect& r, std::int16_t row, std::int16_t col,
                       std::int16_t span) {
  ElementView& v = At(e);
  Assign(v, v.Place, r);
  // Where it stands on the grid is said, not drawn.
  v.Reword |= v.Row != row || v.Col != col;
  v.Row = row, v.Col = col;
  Span = span;
  Grid[row * span + col] = e;
}

}  // namespace vexlar
