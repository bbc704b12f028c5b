// One element of the board as drawn: a cell's picture and border, an edge button's face with its
// caption and outcome's shape, and the keyboard's ring round either.
#pragma once
#include <QFont>
#include <QPainter>
#include <utility>

#include "BoardModel.h"
#include "Colours.h"
#include "Pictures.h"

namespace vexlar {

// The captions' font at 100 pixels, its least pixel size and its digits' share of its size.
struct CaptionFace {
  QFont At100;
  int Least = 0;
  double Digit = 0.7;
};

class ElementPainter {
 public:
  // least: the captions' least font; they grow from it with their buttons.
  ElementPainter(const QFont& least, const Pictures& pictures);
  // A new cell size: the strips a game shows later start on their pictures for it now, so that
  // a mark, a glow or a trail is sharp the first time it shows.
  void Prepare(QSize cell, qreal ratio);
  // Element e of m drawn over r; an edge button pressed in while down.
  void Draw(QPainter& p, const BoardModel& m, ElementId e, const QRect& r, bool down) const;
  // The keyboard's ring, along the element's edge only, so it never hides a caption or a mark.
  static void DrawRing(QPainter& p, const QRect& r);

 private:
  void drawButton(QPainter& p, const QRect& r, const ButtonView& v, bool down) const;
  void drawCell(QPainter& p, const BoardModel& m, const QRect& r, const ImageView& v) const;

  CaptionFace face_;
  const Pictures& pictures_;
  std::pair<QSize, qreal> prepared_;  // the cell size and pixel ratio the pictures are ready for
};

}  // namespace vexlar
