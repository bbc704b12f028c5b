// The board: draws the edge buttons and cell images from the game's board model and reports
// what the player does to them, by mouse or keyboard; the game window runs the handlers.
#pragma once
#include <QAccessible>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "BoardModel.h"
#include "ButtonFace.h"
#include "Pictures.h"

namespace vexlar {

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(const BoardModel& model, const Pictures& pictures, QWidget* parent);

  // An element of the board: an edge button or a cell image; Index -1 for none.
  struct Spot {
    Element Kind = Element::Button;
    int Index = -1;
    bool operator==(const Spot&) const = default;
  };

  // Where an element is drawn now, and the region to repaint for its change: old and new place.
  QRegion Changed(Element kind, int index);
  // Element under a point: the edge button or cell image index, -1 for none.
  int ButtonAt(QPoint p) const;
  int ImageAt(QPoint p) const;
  QRect ButtonRect(int i) const;
  QRect ImageRect(int b) const;
  QRect SpotRect(Spot s) const;
  // The visible elements in reading order: rows top to bottom, each from left to right.
  std::vector<Spot> Spots() const;
  // The element the keyboard cursor stands on, and whether it is drawn.
  Spot Cursor() const { return cursor_; }
  bool CursorShown() const { return hasFocus() && keyboard_ && !SpotRect(cursor_).isEmpty(); }
  // Takes the keyboard with the cursor on nothing: the first key places it on the first edge
  // button and does nothing more, so the second of two quick taps on Start acts on nothing.
  void TakeKeys();
  // What an element shows, in words; the window, which knows the game, provides it.
  std::function<QString(Spot)> Describe;
  // The game's positions, by which the board reads as rows and columns; the window provides them.
  const GameState* Positions = nullptr;
  // What assistive technology does to an element, by the mouse's path: a click, or an edge button
  // held down as for a second or until the player's next action, whichever comes first.
  void ClickElement(Spot s);
  void HoldElement(Spot s);
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
  void placeCursor(Spot s, bool tell = true);
  // Moves the cursor to the nearest element that way, round to the far end of its line if none.
  void moveCursor(int dx, int dy);
  void click(Spot s);
  // Repaints an element and a margin round it: at a fractional scale its ring may touch device
  // pixels that its own rectangle rounds away.
  void updateSpot(Spot s);
  // Tells assistive technology that the cursor stands on its element, once Qt has told that the
  // board took the focus.
  void tellFocus();
  // Tells whoever listens that the cursor came to s (Focus) or that s shows something else
  // (NameChanged); a new frame of the same thing is not news.
  void announce(Spot s, QAccessible::Event what);

  const BoardModel& model_;
  const Pictures& pictures_;
  std::array<QRect, ButtonCapacity> drawnButtons_{};  // where each was last drawn
  std::array<QRect, ImageCapacity> drawnImages_{};
  std::array<QString, ButtonCapacity> toldButtons_;  // what each was last announced to show
  std::array<QString, ImageCapacity> toldImages_;
  int pressedButton_ = -1;
  int pressedImage_ = -1;
  Qt::MouseButton pressedWith_ = Qt::NoButton;
  Spot cursor_;
  Spot spaceHeld_;  // pressed by the space bar, clicked when it is let go there
  int held_ = -1;   // the edge button assistive technology holds down
  QTimer letGo_;
  std::pair<QSize, qreal> prepared_;  // the cell size and pixel ratio the pictures are ready for
  CaptionFace captionFace_;
  bool keyboard_ = false;  // the cursor shows once the keyboard is used, not after a click
};

}  // namespace vexlar
