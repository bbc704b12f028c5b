// The board's keyboard: the cursor, its moves, the clicks by key and the focus that carries them.
#include <QFocusEvent>
#include <QKeyEvent>
#include <cstdlib>
#include <utility>

#include "BoardWidget.h"

namespace vexlar {

void BoardWidget::placeCursor(Spot s, bool tell) {
  if (SpotRect(s).isEmpty()) {
    const std::vector<Spot> all = Spots();
    s = all.empty() ? Spot{} : all.front();
  }
  if (s == cursor_) return;
  updateSpot(cursor_);
  cursor_ = s;
  updateSpot(cursor_);
  if (tell && hasFocus()) announce(cursor_, QAccessible::Focus);
}

void BoardWidget::TakeKeys() {
  setFocus(Qt::TabFocusReason);
  updateSpot(std::exchange(cursor_, {}));
}

void BoardWidget::moveCursor(int dx, int dy) {
  const QPoint from = SpotRect(cursor_).center();
  Spot ahead, farBack;
  int nearest = 0, farthest = 0;
  for (Spot s : Spots()) {
    const QPoint to = SpotRect(s).center();
    // On the same row for a move sideways, in the same column for a move up or down.
    const int across = dx ? to.y() - from.y() : to.x() - from.x();
    if (std::abs(across) > SpotRect(cursor_).height() / 2) continue;
    const int along = dx ? (to.x() - from.x()) * dx : (to.y() - from.y()) * dy;
    if (along > 0 && (ahead.Index < 0 || along < nearest)) ahead = s, nearest = along;
    if (along < 0 && (farBack.Index < 0 || along < farthest)) farBack = s, farthest = along;
  }
  placeCursor(ahead.Index >= 0 ? ahead : farBack.Index >= 0 ? farBack : cursor_);
}

void BoardWidget::keyPressEvent(QKeyEvent* e) {
  const int key = e->key();
  const bool clicks = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
  const int dx = (key == Qt::Key_Right) - (key == Qt::Key_Left);
  const int dy = (key == Qt::Key_Down) - (key == Qt::Key_Up);
  if (!clicks && !dx && !dy) return QWidget::keyPressEvent(e);
  if (clicks && e->isAutoRepeat()) return;  // a held key clicks once
  if (!std::exchange(keyboard_, true)) updateSpot(cursor_);
  // Standing on nothing, as Start leaves it, the cursor is placed by the first key, which does
  // nothing more: the player sees where the keys act before they act.
  if (SpotRect(cursor_).isEmpty()) return placeCursor(cursor_);
  if (dx || dy) return moveCursor(dx, dy);
  if (key != Qt::Key_Space) return ClickElement(cursor_);
  // Held down, the space bar presses like a mouse button; letting it go there clicks.
  spaceHeld_ = cursor_;
  if (cursor_.Kind == Element::Button) emit EdgePressed(cursor_.Index);
}

void BoardWidget::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() != Qt::Key_Space || e->isAutoRepeat()) return QWidget::keyReleaseEvent(e);
  const Spot held = spaceHeld_;
  spaceHeld_ = {};
  if (held.Index >= 0 && held == cursor_ && !SpotRect(held).isEmpty()) click(held);
}

void BoardWidget::focusInEvent(QFocusEvent* e) {
  keyboard_ = e->reason() != Qt::MouseFocusReason;
  placeCursor(cursor_, false);
  updateSpot(cursor_);
  // Qt tells of the board itself after this returns; the element under the cursor comes last.
  if (keyboard_) QMetaObject::invokeMethod(this, &BoardWidget::tellFocus, Qt::QueuedConnection);
}

void BoardWidget::tellFocus() {
  if (hasFocus()) announce(cursor_, QAccessible::Focus);
}

void BoardWidget::focusOutEvent(QFocusEvent*) {
  spaceHeld_ = {};  // let go elsewhere: no click, as with the mouse
  updateSpot(cursor_);
}

}  // namespace vexlar
