// The keyboard focus, shown legibly on any ground: a yellow ring with a black ring inside it,
// so one of the two stands out at least 4.4:1 against whatever colour lies around it.
#pragma once
#include <QPaintEvent>
#include <QPainter>
#include <QRect>

namespace vexlar {

void DrawFocusRing(QPainter& p, const QRect& r, int yellow = 1);

// A control that draws that ring over itself while it has the focus.
template <typename Control>
class Ringed : public Control {
 public:
  using Control::Control;

 protected:
  void paintEvent(QPaintEvent* e) override {
    Control::paintEvent(e);
    if (!this->hasFocus()) return;
    QPainter p(this);
    DrawFocusRing(p, this->rect());
  }
};

}  // namespace vexlar
