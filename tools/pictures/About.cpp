#include <QPainter>
#include <QRadialGradient>
#include <cmath>

#include "Paint.h"

namespace pictures {

// The about animation: the mark ball turning among twinkling stars, blue rings running out from
// it and a probe arrow circling it. Frame n of AboutFrames, each design pixel scale pixels a
// side; the last frame runs on into the first.
QImage AboutFrame(int n, int scale) {
  constexpr int W = 254, H = 191;
  const double phase = double(n) / AboutFrames;
  QImage img(W * scale, H * scale, QImage::Format_RGB32);
  img.fill(Qt::black);
  for (int s = 0; s < 70; ++s) {
    const int x = static_cast<int>(Noise(s * 7.3, 0.5, 0.5, 90) * 4000) % W;
    const int y = static_cast<int>(Noise(s * 7.3, 0.5, 0.5, 91) * 4000) % H;
    const double twinkle = 0.5 + 0.5 * std::sin(2 * M_PI * (phase * 2 + s * 0.37));
    const double level = 0.25 + 0.75 * twinkle * Noise(s * 3.1, 2.5, 0.5, 92);
    const QColor star =
        QColor::fromRgbF(float(level), float(level), float(level * 1.1 > 1 ? 1 : level * 1.1));
    for (int j = 0; j < scale * scale; ++j)
      img.setPixelColor(x * scale + j % scale, y * scale + j / scale, star);
  }
  QPainter g(&img);
  g.setRenderHint(QPainter::Antialiasing);
  g.scale(scale, scale);  // the rings, the halo and the arrow are laid out in design pixels
  const QPointF c(W / 2.0, H / 2.0);
  for (int ring = 0; ring < 3; ++ring) {
    const double t = std::fmod(phase * 3 + ring / 3.0, 1.0);
    QColor col(90, 160, 255);
    col.setAlphaF(float(0.7 * (1 - t)));
    g.setPen(QPen(col, 2.5));
    g.setBrush(Qt::NoBrush);
    // Out to 92 pixels, pen and all inside the frame's half height: every ring stays whole.
    g.drawEllipse(c, 52 + t * 40, 52 + t * 40);
  }
  QRadialGradient halo(c, 70);
  halo.setColorAt(0.6, QColor(40, 80, 200, 90));
  halo.setColorAt(1, QColor(0, 0, 0, 0));
  g.setPen(Qt::NoPen);
  g.setBrush(halo);
  g.drawEllipse(c, 70, 70);
  const double a = 2 * M_PI * phase;
  const QPointF at = c + QPointF(std::cos(a) * 100, std::sin(a) * 72);
  const QPointF ahead(-std::sin(a) * 100, std::cos(a) * 72);
  const double len = std::hypot(ahead.x(), ahead.y());
  const QPointF d = ahead / len, side(-d.y(), d.x());
  for (int k = 1; k <= 6; ++k) {  // the trail behind the arrow fades out
    QColor col(40, 255, 255);
    col.setAlphaF(float(0.5 - k * 0.07));
    g.setBrush(col);
    g.drawEllipse(at - d * (k * 6.0), 3.0 - k * 0.3, 3.0 - k * 0.3);
  }
  g.setPen(QPen(QColor(0, 22, 48), 2));
  g.setBrush(QColor(40, 255, 255));
  g.drawPolygon(QPolygonF({at + d * 9, at - d * 5 + side * 6, at - d * 2, at - d * 5 - side * 6}));
  g.end();
  DrawBall(img, (static_cast<int>(c.x()) - 50) * scale, (static_cast<int>(c.y()) - 50) * scale,
           100 * scale, n % 12);
  return img;
}

}  // namespace pictures
