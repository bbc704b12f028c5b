#include "BoardModel.h"

namespace vexlar {

namespace {
// Marks the element dirty only when the value really changes, so the window repaints little.
template <typename T, typename V>
void Assign(T& element, V& field, const V& value) {
  if (field == value) return;
  field = value;
  element.Dirty = true;
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
  Assign(Buttons[i], Buttons[i].Caption, text);
}
void BoardModel::SetColour(int i, std::int32_t colour) {
  Assign(Buttons[i], Buttons[i].BackColour, colour);
}
void BoardModel::ShowButton(int i, bool visible) {
  Assign(Buttons[i], Buttons[i].Visible, visible);
}
void BoardModel::PlaceButton(int i, const Rect& r) { Assign(Buttons[i], Buttons[i].Place, r); }
void BoardModel::SetPicture(int b, Clip strip, std::int16_t frame) {
  Assign(Images[b], Images[b].Strip, strip);
  Assign(Images[b], Images[b].Frame, frame);
}
void BoardModel::ShowImage(int b, bool visible) { Assign(Images[b], Images[b].Visible, visible); }
void BoardModel::PlaceImage(int b, const Rect& r) { Assign(Images[b], Images[b].Place, r); }

}  // namespace vexlar
