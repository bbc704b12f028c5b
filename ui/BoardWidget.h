// The board: draws the edge buttons and cell images from the game's board model and reports
// what the player does to them; the game window runs the handlers.
#pragma once
#include <QWidget>
#include <array>

#include "BoardModel.h"
#include "Pictures.h"

namespace vexlar {

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(const BoardModel& model, const Pictures& pictures, QWidget* parent);
  // Where an element is drawn now, and the region to repaint for its change: old and new place.
  QRegion Changed(Element kind, int index);
  // Element under a point: the edge button or cell image index, -1 for none.
  int ButtonAt(QPoint p) const;
  int ImageAt(QPoint p) const;
  QRect ButtonRect(int i) const;
  QRect ImageRect(int b) const;

 signals:
  void EdgePressed(int index);
  void EdgeClicked(int index);
  void CellClicked(int index);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  // A press of any mouse button; cells: whether a cell under it may be clicked by its release.
  void press(QMouseEvent* e, bool cells);

  const BoardModel& model_;
  const Pictures& pictures_;
  std::array<QRect, ButtonCapacity> drawnButtons_{};  // where each was last drawn
  std::array<QRect, ImageCapacity> drawnImages_{};
  int pressedButton_ = -1;
  int pressedImage_ = -1;
  Qt::MouseButton pressedWith_ = Qt::NoButton;
};

QColor FromBgr(std::int32_t bbggrr);

}  // namespace vexlar
