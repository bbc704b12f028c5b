#include <cmath>

#include "Paint.h"

namespace pictures {

// Twelve frames of 51 x 51 (times scale) in 4 rows of 3: a pale blue disc that grows, rings and
// all, until from frame 6 on it fills the frame and turns white.
QImage GlowStrip(int scale, const std::atomic<bool>* stop) {
  const int side = 51 * scale;
  // The glow is smooth: above scale 2 one sample a pixel is at most 3 levels of 255 from nine.
  const int sub = scale <= 2 ? 3 : 1;
  QImage img(3 * side, 4 * side, QImage::Format_RGB32);
  const QColor ground(0, 0, 72), paleBlue(110, 165, 255), paleCyan(196, 255, 255);
  for (int n = 0; n < 12; ++n) {
    if (Stopped(stop)) return {};
    const int left = n % 3 * side, top = n / 3 * side;
    const double size = 0.17 + 0.125 * n;  // the disc's radius in half frames
    const double white = Clamp01((n - 5) / 6.0);
    const QColor back = Mix(ground, paleCyan, 0.95 * std::pow(white, 0.7));
    const QColor glow = Mix(paleBlue, paleCyan, white);
    const auto colourAt = [&](double px, double py) {
      const double dx = (px / scale - 25.5) / 25.5, dy = (py / scale - 25.5) / 25.5;
      const double d = std::sqrt(dx * dx + dy * dy) / size;
      const double rings = 0.72 + 0.28 * std::cos(d * 3 * 2 * M_PI);
      const double body = std::exp(-d * d * 2.2) * rings;
      const double centre = std::exp(-d * d * 14);
      const QColor c = Mix(back, glow, body);
      return Mix(c, Qt::white, Clamp01(centre + white * body * 0.8));
    };
    for (int y = 0; y < side; ++y)
      for (int x = 0; x < side; ++x)
        img.setPixelColor(left + x, top + y, Supersampled(x, y, sub, colourAt));
  }
  return img;
}

}  // namespace pictures
