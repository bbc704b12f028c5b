// The keyboard focus, shown legibly on any ground: a yellow ring with a black ring inside it,
// so one of the two stands out at least 4.4:1 against whatever colour lies around it.
#pragma once
#include <QAbstractButton>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRect>
#include <type_traits>

namespace vexlar {

void DrawFocusRing(QPainter& p, const QRect& r, int yellow = 1);

// A control that draws that ring over itself while it has the focus; a button takes Return and
// Enter as it takes Space: down while held, clicked when let go, a held key's repeats ignored.
template <typename Control>
class Ringed : public Control {
 public:
  using Control::Control;

 protected:
  bool event(QEvent* e) override {
    const bool key = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease;
    const auto* k = key ? static_cast<QKeyEvent*>(e) : nullptr;
    if constexpr (std::is_base_of_v<QAbstractButton, Control>)
      if (k && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
        QKeyEvent space(e->type(), Qt::Key_Space, k->modifiers(), " ", k->isAutoRepeat());
        const bool done = Control::event(&space);
        e->setAccepted(space.isAccepted());
        return done;
      }
    return Control::event(e);
  }
  void paintEvent(QPaintEvent* e) override {
    Control::paintEvent(e);
    if (!this->hasFocus()) return;
    QPainter p(this);
    DrawFocusRing(p, this->rect());
  }
};

}  // namespace vexlar
