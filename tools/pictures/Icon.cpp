#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Paint.h"

namespace pictures {

namespace {

// The sixteen colours of the classic desktop palette.
const QRgb Palette16[16] = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                            0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                            0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

QRgb Nearest(QRgb c) {
  QRgb best = Palette16[0];
  int bestDistance = 1 << 30;
  for (QRgb p : Palette16) {
    const int dr = qRed(c) - qRed(p), dg = qGreen(c) - qGreen(p), db = qBlue(c) - qBlue(p);
    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (d < bestDistance) bestDistance = d, best = p;
  }
  return best;
}

// Sixteen opaque colours and a see-through one for everything outside the star.
QImage ToSixteen(const QImage& full) {
  QImage out(full.size(), QImage::Format_Indexed8);
  QList<QRgb> table(Palette16, Palette16 + 16);
  table.push_back(qRgba(0, 0, 0, 0));
  out.setColorTable(table);
  for (int y = 0; y < full.height(); ++y)
    for (int x = 0; x < full.width(); ++x) {
      const QRgb c = full.pixel(x, y);
      const int index = qAlpha(c) < 128 ? 16 : static_cast<int>(table.indexOf(Nearest(c)));
      out.setPixel(x, y, index);
    }
  return out;
}

}  // namespace

// A blue ball with a red V on a twelve-pointed star of purple, teal and yellow.
QImage Icon(int side, bool sixteenColours) {
  QImage img(side, side, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter g(&img);
  g.setRenderHint(QPainter::Antialiasing);
  g.scale(side / 32.0, side / 32.0);
  const QPointF c(16, 16);
  const QColor points[3] = {QColor(128, 0, 128), QColor(0, 128, 128), QColor(255, 255, 0)};
  g.setPen(Qt::NoPen);
  for (int k = 0; k < 12; ++k) {
    const double a = -M_PI / 2 + k * M_PI / 6, w = M_PI / 12;
    const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * 16;
    const QPointF l = c + QPointF(std::cos(a - w), std::sin(a - w)) * 10.5;
    const QPointF r = c + QPointF(std::cos(a + w), std::sin(a + w)) * 10.5;
    g.setBrush(points[k % 3]);
    g.drawPolygon(QPolygonF({c, l, tip, r}));
  }
  QRadialGradient ball(QPointF(13.3, 12.8), 10);
  ball.setColorAt(0, QColor(110, 140, 255));
  ball.setColorAt(0.45, QColor(0, 0, 255));
  ball.setColorAt(1, QColor(0, 0, 120));
  g.setBrush(ball);
  g.drawEllipse(c, 8.6, 8.6);
  QPainterPath v;
  v.moveTo(11.3, 10.9), v.lineTo(14.1, 10.9), v.lineTo(16, 17.3), v.lineTo(17.9, 10.9);
  v.lineTo(20.7, 10.9), v.lineTo(17.3, 21.1), v.lineTo(14.7, 21.1), v.closeSubpath();
  g.setBrush(QColor(255, 0, 0));
  g.drawPath(v);
  g.end();
  return sixteenColours ? ToSixteen(img) : img;
}

}  // namespace pictures
