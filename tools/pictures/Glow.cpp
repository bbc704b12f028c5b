#include <cmath>

#include "Paint.h"

namespace pictures {

// Twelve frames of 51 x 51 (times scale) in 4 rows of 3: a pale blue disc that grows, rings and
// all, until from frame 6 on it fills the frame and turns white.
QImage GlowStrip(Scale scale, const std::atomic<bool>* stop) {
  const int side = scale.Of(51);
  const double perDevice = double(scale.Design) / scale.Device;  // design pixels a device pixel
  QImage img(3 * side, 4 * side, QImage::Format_RGB32);
  const Rgb ground{0, 0, 72}, paleBlue{110, 165, 255}, paleCyan{196, 255, 255},
      white{255, 255, 255};
  for (int n = 0; n < 12; ++n) {
    if (Stopped(stop)) return {};
    const int left = n % 3 * side, top = n / 3 * side;
    const double size = 0.17 + 0.125 * n;  // the disc's radius in half frames
    // The glow is smooth but for its rings: where they repeat within 8 pixels 3 x 3 samples a
    // pixel draw them, and elsewhere one is at most 3 levels of 255 from nine.
    const int sub = size / 3 * 25.5 / perDevice < 8 ? 3 : 1;
    const double whiten = Clamp01((n - 5) / 6.0);
    const Rgb back = Mix(ground, paleCyan, 0.95 * std::pow(whiten, 0.7));
    const Rgb glow = Mix(paleBlue, paleCyan, whiten);
    const auto colourAt = [&](double px, double py) {
      const double dx = (px * perDevice - 25.5) / 25.5, dy = (py * perDevice - 25.5) / 25.5;
      const double d = std::sqrt(dx * dx + dy * dy) / size;
      const double rings = 0.72 + 0.28 * std::cos(d * 3 * 2 * M_PI);
      const double body = std::exp(-d * d * 2.2) * rings;
      const double centre = std::exp(-d * d * 14);
      return Mix(Mix(back, glow, body), white, Clamp01(centre + whiten * body * 0.8));
    };
    for (int y = 0; y < side; ++y) {
      auto* row = reinterpret_cast<QRgb*>(img.scanLine(top + y)) + left;
      for (int x = 0; x < side; ++x) {
        Rgb sum;
        for (int j = 0; j < sub * sub; ++j)
          sum = sum + colourAt(x + (j % sub + 0.5) / sub, y + (j / sub + 0.5) / sub);
        row[x] = ToRgb(sum * (1.f / (sub * sub)));
      }
    }
  }
  return img;
}

}  // namespace pictures
