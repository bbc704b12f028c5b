// The board's keyboard: the cursor, its moves, the clicks by key and the focus that carries them.
#include <QFocusEvent>
#include <QKeyEvent>
#include <utility>

#include "BoardWidget.h"

namespace vexlar {

void BoardWidget::placeCursor(ElementId s, bool tell) {
  if (RectOf(s).isEmpty()) {
    const std::vector<ElementId> all = Shown();
    s = all.empty() ? ElementId{} : all.front();
  }
  if (s == cursor_) return;
  updateAround(cursor_);
  cursor_ = s;
  updateAround(cursor_);
  if (tell && hasFocus()) announce(cursor_, QAccessible::Focus);
}

void BoardWidget::TakeKeys() {
  setFocus(Qt::TabFocusReason);
  updateAround(std::exchange(cursor_, {}));
}

void BoardWidget::moveCursor(int dx, int dy) {
  // Along the cursor's row or column to the next element on show, round from the far end.
  const ElementView& from = model_.At(cursor_);
  const int span = model_.Span;
  const auto wrap = [span](int k) { return (k % span + span) % span; };
  ElementId to = cursor_;
  for (int step = 1; step < span && to == cursor_; ++step)
    if (const ElementId e = model_.At(wrap(from.Row + dy * step), wrap(from.Col + dx * step));
        model_.At(e).Visible)
      to = e;
  placeCursor(to);
}

void BoardWidget::keyPressEvent(QKeyEvent* e) {
  const int key = e->key();
  const bool clicks = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
  const int dx = (key == Qt::Key_Right) - (key == Qt::Key_Left);
  const int dy = (key == Qt::Key_Down) - (key == Qt::Key_Up);
  if (!clicks && !dx && !dy) return QWidget::keyPressEvent(e);
  if (clicks && e->isAutoRepeat()) return;  // a held key clicks once
  if (!std::exchange(keyboard_, true)) updateAround(cursor_);
  // Standing on nothing, as Start leaves it, the cursor is placed by the first key, which does
  // nothing more: the player sees where the keys act before they act.
  if (RectOf(cursor_).isEmpty()) return placeCursor(cursor_);
  if (dx || dy) return moveCursor(dx, dy);
  if (key != Qt::Key_Space) return ClickElement(cursor_);
  // Held down, the space bar presses like a mouse button; letting it go there clicks.
  spaceHeld_ = cursor_;
  if (cursor_.Kind == Element::Button) emit EdgePressed(cursor_.Index);
}

void BoardWidget::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() != Qt::Key_Space || e->isAutoRepeat()) return QWidget::keyReleaseEvent(e);
  const ElementId held = spaceHeld_;
  spaceHeld_ = {};
  if (held.Index >= 0 && held == cursor_ && !RectOf(held).isEmpty()) click(held);
}

void BoardWidget::focusInEvent(QFocusEvent* e) {
  keyboard_ = e->reason() != Qt::MouseFocusReason;
  placeCursor(cursor_, false);
  updateAround(cursor_);
  // Qt tells of the board itself after this returns; the element under the cursor comes last.
  if (keyboard_) QMetaObject::invokeMethod(this, &BoardWidget::tellFocus, Qt::QueuedConnection);
}

void BoardWidget::tellFocus() {
  if (hasFocus()) announce(cursor_, QAccessible::Focus);
}

void BoardWidget::focusOutEvent(QFocusEvent*) {
  spaceHeld_ = {};  // let go elsewhere: no click, as with the mouse
  updateAround(cursor_);
}

}  // namespace vexlar
