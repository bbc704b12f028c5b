#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <utility>
#include <vector>

#include "Paint.h"

namespace pictures {

namespace {

constexpr double C = 15.5, Lo = 10, Hi = 21;  // centre line and the two lanes of a 31-pixel frame
const QColor Cyan(40, 255, 255), Dark(0, 22, 48);

enum Dir { Up, Down, Left, Right };

struct Piece {
  QPainterPath Path;
  bool Double = false;
  std::vector<std::pair<QPointF, Dir>> Heads;  // tip and pointing of each arrow head
};

QPointF Step(Dir d) {
  switch (d) {
    case Up:
      return {0, -1};
    case Down:
      return {0, 1};
    case Left:
      return {-1, 0};
    default:
      return {1, 0};
  }
}

// A straight arrow along lane k crossing the whole frame.
void Straight(Piece& p, Dir d, double k) {
  const QPointF tip = d == Up     ? QPointF(k, 2)
                      : d == Down ? QPointF(k, 29)
                      : d == Left ? QPointF(2, k)
                                  : QPointF(29, k);
  p.Path.moveTo(tip - Step(d) * 33);
  p.Path.lineTo(tip - Step(d) * 6);
  p.Heads.push_back({tip, d});
}

// Enters at the middle of one edge, runs to the centre, turns and leaves by another edge.
void Turn(Piece& p, Dir in, Dir out, bool head) {
  const QPointF centre(C, C);
  const double radius = head ? 6 : 7.5;
  p.Path.moveTo(centre - Step(in) * 17);
  p.Path.lineTo(centre - Step(in) * radius);
  p.Path.quadTo(centre, centre + Step(out) * radius);
  if (!head) {
    p.Path.lineTo(centre + Step(out) * 17);
    return;
  }
  p.Path.lineTo(centre + Step(out) * 7.5);
  p.Heads.push_back({centre + Step(out) * 13.5, out});
}

// A U within the frame: in along one lane, round the end, out along the other lane.
void UTurn(Piece& p, QPointF from, QPointF bend1, QPointF bend2, QPointF to, QPointF tip, Dir d) {
  p.Path.moveTo(from);
  p.Path.lineTo(bend1);
  const QPointF reach = Step(d) * -7.5;  // how far the bend bulges, against the way out
  p.Path.cubicTo(bend1 + reach, bend2 + reach, bend2);
  p.Path.lineTo(to);
  p.Heads.push_back({tip, d});
}

// The way in and the way out of the turning frames: 8 to 15 with a head, then the double-line
// halves 20 to 23. "From below" means the path travels up, "from the right" that it travels left.
constexpr std::pair<Dir, Dir> Turns[] = {{Up, Left},    {Up, Right},  {Down, Left}, {Down, Right},
                                         {Left, Up},    {Left, Down}, {Right, Up},  {Right, Down},
                                         {Down, Right}, {Down, Left}, {Up, Right},  {Up, Left}};

Piece PieceOf(int f) {
  Piece p;
  p.Double = f >= 20;
  if (f == 2) Straight(p, Up, Lo), Straight(p, Down, Hi);
  if (f == 3) Straight(p, Right, Lo), Straight(p, Left, Hi);
  if (f >= 4 && f <= 7) Straight(p, Dir(f - 4), C);  // up, down, left, right
  if (f >= 8 && f <= 15) Turn(p, Turns[f - 8].first, Turns[f - 8].second, true);
  if (f >= 20) Turn(p, Turns[f - 12].first, Turns[f - 12].second, false);
  if (f == 16) UTurn(p, {Lo, 32}, {Lo, 11}, {Hi, 11}, {Hi, 23}, {Hi, 29}, Down);
  if (f == 17) UTurn(p, {Hi, -1}, {Hi, 20}, {Lo, 20}, {Lo, 8}, {Lo, 2}, Up);
  if (f == 18) UTurn(p, {32, Hi}, {11, Hi}, {11, Lo}, {23, Lo}, {29, Lo}, Right);
  if (f == 19) UTurn(p, {-1, Lo}, {20, Lo}, {20, Hi}, {8, Hi}, {2, Hi}, Left);
  return p;  // frames 0 and 1 are ground only
}

QPolygonF HeadShape(QPointF tip, Dir d) {
  const QPointF back = Step(d) * -7.5, side(-Step(d).y() * 4.6, Step(d).x() * 4.6);
  return QPolygonF({tip, tip + back + side, tip + back * 0.7, tip + back - side});
}

void Draw(QPainter& g, const Piece& p) {
  const auto pen = [](const QColor& c, double w) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  };
  g.setBrush(Qt::NoBrush);
  g.setPen(pen(Dark, p.Double ? 10.5 : 6));
  g.drawPath(p.Path);
  for (auto [tip, d] : p.Heads) {
    g.setPen(pen(Dark, 3));
    g.setBrush(Dark);
    g.drawPolygon(HeadShape(tip, d));
  }
  g.setBrush(Qt::NoBrush);
  g.setPen(pen(Cyan, p.Double ? 7.5 : 2.6));
  g.drawPath(p.Path);
  if (p.Double) {
    g.setPen(pen(Dark, 2.2));  // the dark core splits the stroke into two rails
    g.drawPath(p.Path);
  }
  g.setPen(Qt::NoPen);
  g.setBrush(Cyan);
  for (auto [tip, d] : p.Heads) g.drawPolygon(HeadShape(tip, d));
}

}  // namespace

// 24 frames of 31 x 31 (times scale) in 6 rows of 4 on a mottled blue ground.
QImage TrailStrip(Scale scale, const std::atomic<bool>* stop) {
  QImage img(scale.Of(124), scale.Of(186), QImage::Format_RGB32);
  const double grain = 9.0 * scale.Device / scale.Design;
  const Rgb dark{14, 34, 104}, light{46, 96, 186};
  for (int y = 0; y < img.height(); ++y) {
    if (Stopped(stop)) return {};
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x)
      row[x] = ToRgb(Mix(dark, light, (Fractal(x / grain, y / grain, 0.5, 40, 4) - 0.25) * 1.8));
  }
  QPainter g(&img);
  g.setRenderHint(QPainter::Antialiasing);
  g.scale(double(scale.Device) / scale.Design, double(scale.Device) / scale.Design);  // design px
  for (int f = 0; f < 24; ++f) {
    g.save();
    g.setClipRect(f % 4 * 31, f / 4 * 31, 31, 31);
    g.translate(f % 4 * 31, f / 4 * 31);
    Draw(g, PieceOf(f));
    g.restore();
  }
  return img;
}

}  // namespace pictures
