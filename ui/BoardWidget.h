// The board: draws the edge buttons and cell images straight from the game's board model.
#pragma once
#include <QWidget>

#include "Game.h"
#include "Pictures.h"

namespace vexlar {

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  BoardWidget(Game& game, const Pictures& pictures, QWidget* parent);
  // Schedules a repaint of every element that changed since the last call.
  QRegion TakeDirty();
  // Element under a point: the edge button or cell image index, -1 for none.
  int ButtonAt(QPoint p) const;
  int ImageAt(QPoint p) const;
  QRect ButtonRect(int i) const;
  QRect ImageRect(int b) const;

 signals:
  void Changed();  // a handler ran; the window brings the rest of itself up to date

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  Game& game_;
  const Pictures& pictures_;
  std::array<QRect, ButtonCapacity> drawnButtons_{};  // where each was last drawn
  std::array<QRect, ImageCapacity> drawnImages_{};
  int pressedButton_ = -1;
  int pressedImage_ = -1;
};

QColor FromBgr(std::int32_t bbggrr);

}  // namespace vexlar
