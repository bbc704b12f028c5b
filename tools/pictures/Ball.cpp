#include <cmath>

#include "Paint.h"

namespace pictures {

namespace {

struct Vec {
  double X, Y, Z;
};

Vec Normalized(Vec v) {
  const double l = std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z);
  return {v.X / l, v.Y / l, v.Z / l};
}
double Dot(Vec a, Vec b) { return a.X * b.X + a.Y * b.Y + a.Z * b.Z; }
double Smooth(double a, double b, double v) {
  const double t = Clamp01((v - a) / (b - a));
  return t * t * (3 - 2 * t);
}

const QColor Violet(118, 48, 168), Green(58, 168, 64), Yellow(238, 214, 52), Crack(34, 22, 26);

// The ball's own surface at a point of its body: mottled yellow, green and violet, cracked.
QColor Surface(Vec q) {
  const double m = Fractal(q.X * 2.3 + 5, q.Y * 2.3 + 5, q.Z * 2.3 + 5, 7, 4);
  QColor c = m < 0.47 ? Mix(Violet, Green, Smooth(0.36, 0.47, m))
                      : Mix(Green, Yellow, Smooth(0.50, 0.60, m));
  const double ridge = std::abs(Fractal(q.X * 3.1 + 9, q.Y * 3.1 + 9, q.Z * 3.1 + 9, 21, 3) - 0.5);
  return Mix(c, Crack, 0.9 * (1 - Smooth(0.010, 0.028, ridge)));
}

// Colour of the ball seen at (sx, sy) in units of its radius, turned by angle a about its axis.
QColor Shaded(double sx, double sy, double a) {
  const Vec n{sx, sy, std::sqrt(std::max(0.0, 1 - sx * sx - sy * sy))};
  // The axis leans 20 degrees towards the viewer, so the turning shows on the top as well.
  const double tilt = 0.35;
  const Vec t{n.X, n.Y * std::cos(tilt) - n.Z * std::sin(tilt),
              n.Y * std::sin(tilt) + n.Z * std::cos(tilt)};
  const Vec q{t.X * std::cos(a) + t.Z * std::sin(a), t.Y, -t.X * std::sin(a) + t.Z * std::cos(a)};
  const QColor base = Surface(q);
  const Vec light = Normalized({-0.55, -0.65, 0.75});
  const double diffuse = std::max(0.0, Dot(n, light));
  const Vec half = Normalized({light.X, light.Y, light.Z + 1});
  const double spec = std::pow(std::max(0.0, Dot(n, half)), 36) * 0.55;
  const double shade = 0.18 + 0.9 * diffuse;
  return QColor::fromRgbF(float(Clamp01(base.redF() * shade + spec)),
                          float(Clamp01(base.greenF() * shade + spec)),
                          float(Clamp01(base.blueF() * shade + spec)));
}

}  // namespace

void DrawBall(QImage& img, int left, int top, int px, int n, int sub) {
  const double radius = px * 0.43, cx = px / 2.0, cy = px / 2.0;
  const double a = n * 2 * M_PI / 12;
  for (int y = 0; y < px; ++y)
    for (int x = 0; x < px; ++x) {
      double r = 0, g = 0, b = 0;
      int inside = 0;
      for (int j = 0; j < sub; ++j)
        for (int i = 0; i < sub; ++i) {
          const double sx = (x + (i + 0.5) / sub - cx) / radius;
          const double sy = (y + (j + 0.5) / sub - cy) / radius;
          if (sx * sx + sy * sy > 1) continue;
          const QColor c = Shaded(sx, sy, a);
          r += c.redF(), g += c.greenF(), b += c.blueF();
          ++inside;
        }
      if (inside == 0) continue;
      const QColor ground = img.pixelColor(left + x, top + y);
      const QColor ball = QColor::fromRgbF(float(r / inside), float(g / inside), float(b / inside));
      img.setPixelColor(left + x, top + y, Mix(ground, ball, double(inside) / (sub * sub)));
    }
}

namespace {

// Twelve frames of 50 x 50 (times scale) in 3 rows of 4, each on the given ground.
QImage BallStrip(const QColor& ground, bool orangeLine, int scale, const std::atomic<bool>* stop) {
  const int side = 50 * scale;
  // 4 x 4 samples a pixel keep the rim smooth when a small frame is stretched; drawn at the
  // cell's size, 2 x 2 look the same (0.4 levels of 255 apart on average) in a fifth of the time.
  const int sub = scale <= 2 ? 4 : 2;
  QImage img(4 * side, 3 * side, QImage::Format_RGB32);
  img.fill(ground);
  const QColor orange(255, 150, 20);
  for (int n = 0; n < 12; ++n) {
    if (Stopped(stop)) return {};
    const int left = n % 4 * side, top = n / 4 * side;
    if (orangeLine)
      for (int k = 0; k < side; ++k)
        for (int t = 0; t < scale; ++t) {  // the line is one design pixel thick
          img.setPixelColor(left + k, top + t, orange);
          img.setPixelColor(left + k, top + side - 1 - t, orange);
          img.setPixelColor(left + t, top + k, orange);
          img.setPixelColor(left + side - 1 - t, top + k, orange);
        }
    DrawBall(img, left, top, side, n, sub);
  }
  return img;
}

}  // namespace

QImage MarkStrip(int scale, const std::atomic<bool>* stop) {
  return BallStrip(Qt::black, false, scale, stop);
}
QImage WrongStrip(int scale, const std::atomic<bool>* stop) {
  return BallStrip(QColor(196, 0, 0), true, scale, stop);
}

}  // namespace pictures
