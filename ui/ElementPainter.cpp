#include "ElementPainter.h"

#include <QPainterPath>
#include <algorithm>
#include <utility>

#include "FocusRing.h"

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

// The outcome told by shape as well as by colour, in black over the button's face r.
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

}  // namespace

ElementPainter::ElementPainter(const QFont& least, const Pictures& pictures)
    : face_{least, QFontInfo(least).pixelSize()}, pictures_(pictures) {
  face_.At100.setPixelSize(100);
  // A digit's height as a share of the font's pixel size, read once from the font itself.
  face_.Digit = QFontMetricsF(face_.At100).tightBoundingRect("0123456789").height() / 100;
}

void ElementPainter::Prepare(QSize cell, qreal ratio) {
  const std::pair size(cell, ratio);
  if (cell.isEmpty() || size == prepared_) return;
  prepared_ = size;
  for (Clip c : {Clip::Mark, Clip::Glow, Clip::Trail, Clip::Wrong})
    pictures_.Of(c).Prepare(cell, ratio);
}

void ElementPainter::Draw(QPainter& p, const BoardModel& m, ElementId e, const QRect& r,
                          bool down) const {
  if (e.Kind == Element::Button) return drawButton(p, r, m.Buttons[e.Index], down);
  drawCell(p, m, r, m.Images[e.Index]);
}

void ElementPainter::drawCell(QPainter& p, const BoardModel& m, const QRect& r,
                              const ImageView& v) const {
  const StripPicture& strip = pictures_.Of(v.Strip);
  PictureStrip cut = strip.Cut;
  if (v.Strip == Clip::Board) cut.Rows = m.BoardRows, cut.Cols = m.BoardCols;
  strip.Draw(p, r, cut.Frame(v.Frame));
  // A thin flat border, as four filled lines: an outlined rect goes through the path filler.
  for (const QRect& line :
       {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
        QRect(r.left(), r.top() + 1, 1, r.height() - 2),
        QRect(r.right(), r.top() + 1, 1, r.height() - 2)})
    p.fillRect(line, QColor(0, 0, 0, 90));
}

void ElementPainter::drawButton(QPainter& p, const QRect& r, const ButtonView& v, bool down) const {
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
  p.setFont(CaptionFont(face_, r.size(), caption));
  p.drawText(r, Qt::AlignCenter, caption);
  DrawOutcomeMark(p, r, OutcomeOf(v));
}

void ElementPainter::DrawRing(QPainter& p, const QRect& r) { DrawFocusRing(p, r, 2); }

}  // namespace vexlar
