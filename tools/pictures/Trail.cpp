#include <QPainter>
#include <QPainterPath>
#include <cmath>
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

Piece PieceOf(int f) {
  Piece p;
  switch (f) {
    case 2:
      Straight(p, Up, Lo), Straight(p, Down, Hi);
      break;
    case 3:
      Straight(p, Right, Lo), Straight(p, Left, Hi);
      break;
    case 4:
      Straight(p, Up, C);
      break;
    case 5:
      Straight(p, Down, C);
      break;
    case 6:
      Straight(p, Left, C);
      break;
    case 7:
      Straight(p, Right, C);
      break;
    case 8:
      Turn(p, Up, Left, true);
      break;  // "from below": the path travels up
    case 9:
      Turn(p, Up, Right, true);
      break;
    case 10:
      Turn(p, Down, Left, true);
      break;
    case 11:
      Turn(p, Down, Right, true);
      break;
    case 12:
      Turn(p, Left, Up, true);
      break;  // "from the right": the path travels left
    case 13:
      Turn(p, Left, Down, true);
      break;
    case 14:
      Turn(p, Right, Up, true);
      break;
    case 15:
      Turn(p, Right, Down, true);
      break;
    case 16:
      UTurn(p, {Lo, 32}, {Lo, 11}, {Hi, 11}, {Hi, 23}, {Hi, 29}, Down);
      break;
    case 17:
      UTurn(p, {Hi, -1}, {Hi, 20}, {Lo, 20}, {Lo, 8}, {Lo, 2}, Up);
      break;
    case 18:
      UTurn(p, {32, Hi}, {11, Hi}, {11, Lo}, {23, Lo}, {29, Lo}, Right);
      break;
    case 19:
      UTurn(p, {-1, Lo}, {20, Lo}, {20, Hi}, {8, Hi}, {2, Hi}, Left);
      break;
    case 20:
      Turn(p, Down, Right, false);
      break;
    case 21:
      Turn(p, Down, Left, false);
      break;
    case 22:
      Turn(p, Up, Right, false);
      break;
    case 23:
      Turn(p, Up, Left, false);
      break;
    default:
      break;  // frames 0 and 1 are ground only
  }
  p.Double = f >= 20;
  return p;
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

// 24 frames of 31 x 31 in 6 rows of 4 on a mottled blue ground.
QImage TrailStrip() {
  QImage img(124, 186, QImage::Format_RGB32);
  for (int y = 0; y < 186; ++y)
    for (int x = 0; x < 124; ++x) {
      const double m = Fractal(x / 9.0, y / 9.0, 0.5, 40, 4);
      img.setPixelColor(x, y, Mix(QColor(14, 34, 104), QColor(46, 96, 186), (m - 0.25) * 1.8));
    }
  QPainter g(&img);
  g.setRenderHint(QPainter::Antialiasing);
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
