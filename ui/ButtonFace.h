// An edge button's face as the board draws it: its colour, bevel, caption and outcome's shape.
#pragma once
#include <QFont>
#include <QPainter>

#include "BoardModel.h"
#include "Colours.h"

namespace vexlar {

// The captions' font at 100 pixels, its least pixel size and its digits' share of its size.
struct CaptionFace {
  QFont At100;
  int Least = 0;
  double Digit = 0.7;
};

// The captions' face from the board's least font.
CaptionFace CaptionFaceOf(const QFont& least);

// The button v drawn over r, pressed in while down.
void DrawEdgeButton(QPainter& p, const QRect& r, const ButtonView& v, bool down,
                    const CaptionFace& face);

// The outcome told by shape as well as by colour, in black over the button's face r.
void DrawOutcomeMark(QPainter& p, const QRect& r, Outcome o);

}  // namespace vexlar
