#include <QPainter>
#include <cmath>
#include <mutex>
#include <vector>

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

const Rgb Violet{118, 48, 168}, Green{58, 168, 64}, Yellow{238, 214, 52}, Crack{34, 22, 26};

// The ball's own surface at a point of its body: mottled yellow, green and violet, cracked.
Rgb Surface(Vec q) {
  const double m = Fractal(q.X * 2.3 + 5, q.Y * 2.3 + 5, q.Z * 2.3 + 5, 7, 4);
  const Rgb c = m < 0.47 ? Mix(Violet, Green, Smooth(0.36, 0.47, m))
                         : Mix(Green, Yellow, Smooth(0.50, 0.60, m));
  const double ridge = std::abs(Fractal(q.X * 3.1 + 9, q.Y * 3.1 + 9, q.Z * 3.1 + 9, 21, 3) - 0.5);
  return Mix(c, Crack, 0.9 * (1 - Smooth(0.010, 0.028, ridge)));
}

// The ball of frame n on a square of side px: where its pixels' samples fall and how it is lit.
struct View {
  View(int px, int n)
      : Radius(px * 0.43), Middle(px / 2.0), Cos(std::cos(A(n))), Sin(std::sin(A(n))) {}
  static double A(int n) { return n * 2 * M_PI / 12; }  // the turn about the axis
  double Radius, Middle, Cos, Sin;

  // Colour of the ball at (sx, sy) in units of its radius.
  Rgb Shaded(double sx, double sy) const {
    const Vec n{sx, sy, std::sqrt(std::max(0.0, 1 - sx * sx - sy * sy))};
    // The axis leans 20 degrees towards the viewer, so the turning shows on the top as well.
    static const double tiltCos = std::cos(0.35), tiltSin = std::sin(0.35);
    const Vec t{n.X, n.Y * tiltCos - n.Z * tiltSin, n.Y * tiltSin + n.Z * tiltCos};
    const Rgb base = Surface({t.X * Cos + t.Z * Sin, t.Y, -t.X * Sin + t.Z * Cos});
    static const Vec light = Normalized({-0.55, -0.65, 0.75});
    static const Vec half = Normalized({light.X, light.Y, light.Z + 1});
    const double h = std::max(0.0, Dot(n, half)), h4 = h * h * h * h,
                 h32 = h4 * h4 * h4 * h4 * h4 * h4 * h4 * h4;
    const double spec = h32 * h4 * 0.55 * 255;  // the power 36
    const auto shade = static_cast<float>(0.18 + 0.9 * std::max(0.0, Dot(n, light)));
    const auto lit = [&](float c) { return std::min(255.f, c * shade + float(spec)); };
    return {lit(base.R), lit(base.G), lit(base.B)};
  }
  // The mean colour of the samples of sub x sub over pixel (x, y) that fall on the ball, and how
  // many of them do.
  std::pair<Rgb, int> Sampled(int x, int y, int sub) const {
    Rgb sum;
    int inside = 0;
    for (int j = 0; j < sub; ++j)
      for (int i = 0; i < sub; ++i) {
        const double sx = (x + (i + 0.5) / sub - Middle) / Radius;
        const double sy = (y + (j + 0.5) / sub - Middle) / Radius;
        if (sx * sx + sy * sy > 1) continue;
        sum = sum + Shaded(sx, sy);
        ++inside;
      }
    return {inside ? sum * (1.f / inside) : sum, inside};
  }
};

// A pixel of a ball: its colour and the share of it that the ball covers.
struct Cover {
  Rgb Colour;
  float Share = 0;
};

// Frame n of the ball on a square of side px: one sample a pixel where the surface reads the
// same, sub x sub at the rim and where a neighbour differs by more than 16 levels.
std::vector<Cover> BallFrame(int px, int n, int sub) {
  const View v(px, n);
  std::vector<Cover> out(static_cast<std::size_t>(px) * px);
  std::vector<char> on(out.size());  // the middle sample is on the ball
  for (int y = 0; y < px; ++y)
    for (int x = 0; x < px; ++x) {
      const auto [c, inside] = v.Sampled(x, y, 1);
      out[y * px + x] = {c, float(inside)};
      on[y * px + x] = inside > 0;
    }
  const auto apart = [](Rgb a, Rgb b) {
    return std::max({std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)}) > 16;
  };
  std::vector<char> fine(out.size());
  for (int y = 0; y < px; ++y)
    for (int x = 0; x < px; ++x) {
      const double d = std::hypot(x + 0.5 - v.Middle, y + 0.5 - v.Middle);
      bool rim = std::abs(d - v.Radius) < 0.75;  // the pixel's square may cross the rim
      for (int ny = std::max(0, y - 1); ny <= std::min(px - 1, y + 1) && !rim; ++ny)
        for (int nx = std::max(0, x - 1); nx <= std::min(px - 1, x + 1); ++nx)
          rim = rim || (on[y * px + x] && on[ny * px + nx] &&
                        apart(out[y * px + x].Colour, out[ny * px + nx].Colour));
      fine[y * px + x] = rim;
    }
  for (int p = 0; p < px * px; ++p)
    if (fine[p]) {
      const auto [c, inside] = v.Sampled(p % px, p / px, sub);
      out[p] = {c, float(inside) / (sub * sub)};
    }
  return out;
}

// The twelve frames of the ball at a scale. The mark and wrong-mark strips show the same ones,
// so the last drawn are kept for the other.
std::vector<Cover> Balls(Scale scale, int sub, const std::atomic<bool>* stop) {
  static std::mutex drawing;
  static Scale kept;
  static std::vector<Cover> balls;
  const std::lock_guard lock(drawing);
  if (kept == scale && !balls.empty()) return balls;
  balls.clear();
  const int side = scale.Of(50);
  for (int n = 0; n < 12; ++n) {
    if (Stopped(stop)) return balls = {};
    const std::vector<Cover> frame = BallFrame(side, n, sub);
    balls.insert(balls.end(), frame.begin(), frame.end());
  }
  kept = scale;
  return balls;
}

// Twelve frames of 50 x 50 (times scale) in 3 rows of 4, each on the given ground.
QImage BallStrip(const QColor& ground, bool orangeLine, Scale scale,
                 const std::atomic<bool>* stop) {
  const int side = scale.Of(50);
  // The files take 4 x 4 samples where a pixel needs more than one, as they may be stretched; a
  // ball drawn at the cells' size takes 2 x 2, which read the same there.
  const int sub = scale.Design == 1 && scale.Device <= 2 ? 4 : 2;
  const std::vector<Cover> balls = Balls(scale, sub, stop);
  if (balls.empty()) return {};
  QImage img(4 * side, 3 * side, QImage::Format_RGB32);
  img.fill(ground);
  const QColor orange(255, 150, 20);
  // The line is one design pixel thick, and at least one device pixel.
  const int line = std::max(1, static_cast<int>(std::lround(double(scale.Device) / scale.Design)));
  for (int n = 0; n < 12; ++n) {
    const int left = n % 4 * side, top = n / 4 * side;
    QPainter g(&img);
    if (orangeLine)
      for (const QRect r :
           {QRect(left, top, side, line), QRect(left, top + side - line, side, line),
            QRect(left, top, line, side), QRect(left + side - line, top, line, side)})
        g.fillRect(r, orange);
    g.end();
    for (int y = 0; y < side; ++y) {
      auto* row = reinterpret_cast<QRgb*>(img.scanLine(top + y)) + left;
      for (int x = 0; x < side; ++x) {
        const Cover& c = balls[(static_cast<std::size_t>(n) * side + y) * side + x];
        if (c.Share > 0) row[x] = ToRgb(Mix(Of(QColor(row[x])), c.Colour, c.Share));
      }
    }
  }
  return img;
}

}  // namespace

void DrawBall(QImage& img, int left, int top, int px, int n, int sub) {
  const View v(px, n);
  for (int y = 0; y < px; ++y)
    for (int x = 0; x < px; ++x) {
      const auto [ball, inside] = v.Sampled(x, y, sub);
      if (inside == 0) continue;
      const QColor ground = img.pixelColor(left + x, top + y);
      img.setPixel(left + x, top + y, ToRgb(Mix(Of(ground), ball, double(inside) / (sub * sub))));
    }
}

QImage MarkStrip(Scale scale, const std::atomic<bool>* stop) {
  return BallStrip(Qt::black, false, scale, stop);
}
QImage WrongStrip(Scale scale, const std::atomic<bool>* stop) {
  return BallStrip(QColor(196, 0, 0), true, scale, stop);
}

}  // namespace pictures
