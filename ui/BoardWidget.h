// The board: draws the edge buttons and cell images from the board model and reports what the
// player does to them, by mouse or keyboard; the game window runs the handlers.
#pragma once
#include <QAccessible>
#include <QTimer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "BoardModel.h"
#include "ElementPainter.h"
#include "Pictures.h"

namespace vexlar {

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(const BoardModel& model, const Pictures& pictures, QWidget* parent);

  const BoardModel& Model() const { return model_; }
  // Where an element is drawn now, and the region to repaint for its change: old and new place.
  QRegion Changed(ElementId e);
  // The element under a point; none when no element on show is there.
  ElementId At(QPoint p) const;
  // Where an element is on show; empty when it is hidden.
  QRect RectOf(ElementId e) const;
  // The visible elements in reading order: rows top to bottom, each from left to right.
  std::vector<ElementId> Shown() const;
  // The element the keyboard cursor stands on, and whether it is drawn.
  ElementId Cursor() const { return cursor_; }
  bool CursorShown() const { return hasFocus() && keyboard_ && !RectOf(cursor_).isEmpty(); }
  // Takes the keyboard with the cursor on nothing: the first key places it on the first edge
  // button and does nothing more, so the second of two quick taps on Start acts on nothing.
  void TakeKeys();
  // What assistive technology does to an element, by the mouse's path: a click, or an edge button
  // held down as for a second or until the player's next action, whichever comes first.
  void ClickElement(ElementId e);
  void HoldElement(ElementId e);
  // Lets go of a held edge button: the click that follows its press, while it still shows lit.
  void LetGo();

 signals:
  void EdgePressed(int index);
  void EdgeClicked(int index);
  void CellClicked(int index);
  // What assistive technology is told as an element changes or takes the cursor.
  void Announced(const QString& text);

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  // A press of any mouse button; cells: whether a cell under it may be clicked by its release.
  void press(QMouseEvent* e, bool cells);
  // Puts the cursor on an element, or on the first one when it stands on none; tell: announces
  // the move while the board has the focus.
  void placeCursor(ElementId e, bool tell = true);
  // Moves the cursor to the nearest element that way, round to the far end of its line if none.
  void moveCursor(int dx, int dy);
  void click(ElementId e);
  // Repaints an element and a margin round it: at a fractional scale its ring may touch device
  // pixels that its own rectangle rounds away.
  void updateAround(ElementId e);
  // Tells assistive technology that the cursor stands on its element, once Qt has told that the
  // board took the focus.
  void tellFocus();
  // Tells whoever listens that the cursor came to e (Focus) or that e shows something else
  // (NameChanged); a new frame of the same thing is not news.
  void announce(ElementId e, QAccessible::Event what);

  const BoardModel& model_;
  ElementPainter painter_;
  std::array<QRect, ElementCapacity> drawn_{};       // where each was last drawn
  std::array<std::string, ElementCapacity> told_{};  // what each was last announced to show
  ElementId pressed_;
  Qt::MouseButton pressedWith_ = Qt::NoButton;
  ElementId cursor_;
  ElementId spaceHeld_;  // pressed by the space bar, clicked when it is let go there
  int held_ = -1;        // the edge button assistive technology holds down
  QTimer letGo_;
  bool keyboard_ = false;  // the cursor shows once the keyboard is used, not after a click
};

}  // namespace vexlar
