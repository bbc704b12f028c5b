#include "ButtonFace.h"

#include <QPainterPath>
#include <algorithm>
#include <utility>

namespace vexlar {

namespace {

// Where the outcome's box runs inside a button of this size: its inset, clear of the keyboard's
// ring along the edge, and its thickness. Below 24 pixels the ring's room would crowd the digits,
// so the box runs as a thin line just inside the bevel.
std::pair<int, int> MarkLines(QSize button) {
  if (button.height() < 24) return {1, 1};
  return {3 + button.height() / 20, std::max(2, button.height() / 14)};
}

// The caption's font on a button of this size: its digits stand about 0.4 of the button's height,
// as the design's font did on the design's button, shrunk where the number would not fit inside
// the outcome's box with a pixel to spare, never below the design's size: narrowed instead.
QFont CaptionFont(const CaptionFace& face, QSize button, const QString& caption) {
  constexpr double DigitShare = 0.4;
  QFont f = face.At100;
  const auto [inset, thick] = MarkLines(button);
  const double room = button.width() - 2 * (inset + thick) - 2;
  double px = DigitShare * button.height() / face.Digit;
  px = std::min(px, room * 100 / QFontMetricsF(f).horizontalAdvance(caption));
  f.setPixelSize(std::max(face.Least, static_cast<int>(px)));
  if (const double wide = QFontMetricsF(f).horizontalAdvance(caption); wide > room)
    f.setStretch(static_cast<int>(100 * room / wide));
  // Crisp as the design's bitmap font while small: antialiased edges would pale it on teal.
  f.setStyleStrategy(f.pixelSize() <= face.Least + 2 ? QFont::NoAntialias : QFont::PreferDefault);
  return f;
}

}  // namespace

CaptionFace CaptionFaceOf(const QFont& least) {
  CaptionFace face{least, QFontInfo(least).pixelSize()};
  face.At100.setPixelSize(100);
  // A digit's height as a share of the font's pixel size, read once from the font itself.
  face.Digit = QFontMetricsF(face.At100).tightBoundingRect("0123456789").height() / 100;
  return face;
}

void DrawEdgeButton(QPainter& p, const QRect& r, const ButtonView& v, bool down,
                    const CaptionFace& face) {
  const QColor back = FromBgr(v.BackColour);
  p.fillRect(r, back);
  p.setPen(down ? back.darker(200) : back.lighter(160));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(down ? back.lighter(160) : back.darker(220));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  if (v.Caption.empty()) return;
  p.setPen(Qt::black);  // dark on every back colour, as the design's buttons draw captions
  const QString caption = QString::fromStdString(v.Caption);
  p.setFont(CaptionFont(face, r.size(), caption));
  p.drawText(r, Qt::AlignCenter, caption);
  DrawOutcomeMark(p, r, OutcomeOf(v));
}

void DrawOutcomeMark(QPainter& p, const QRect& r, Outcome o) {
  if (o == Outcome::None) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  if (o == Outcome::Absorbed) {
    // Boxed in: the probe stayed inside the board.
    const auto [inset, thick] = MarkLines(r.size());
    const QRect outer = r.adjusted(inset, inset, -inset, -inset);
    QPainterPath ring;
    ring.addRect(outer);
    ring.addRect(outer.adjusted(thick, thick, -thick, -thick));
    p.drawPath(ring);
    return p.restore();
  }
  // Corner notches: all four for a probe that came back, two facing ones for a pair's two ends.
  const int c = std::max(4, r.height() * 3 / 10);
  const QPoint corners[4] = {r.topLeft(), r.topRight() + QPoint(1, 0),
                             r.bottomRight() + QPoint(1, 1), r.bottomLeft() + QPoint(0, 1)};
  const QPoint along[4][2] = {
      {{c, 0}, {0, c}}, {{0, c}, {-c, 0}}, {{-c, 0}, {0, -c}}, {{0, -c}, {c, 0}}};
  for (int k = 0; k < 4; ++k) {
    if (o == Outcome::Pair && k % 2) continue;
    const QPoint at = corners[k];
    p.drawPolygon(QPolygon({at, at + along[k][0], at + along[k][1]}));
  }
  p.restore();
}

}  // namespace vexlar
