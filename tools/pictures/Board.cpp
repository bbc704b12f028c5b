#include <cmath>
#include <complex>

#include "Paint.h"

namespace pictures {

namespace {

// Colour of a smooth escape count: bands of green, teal and blue winding along the spirals.
QColor Band(double mu) {
  static const QColor stops[] = {QColor(10, 40, 70), QColor(20, 130, 70), QColor(0, 150, 140),
                                 QColor(20, 80, 170), QColor(10, 40, 70)};
  const double t = std::fmod(mu / 9.0, 1.0) * 4;
  const int k = static_cast<int>(t);
  return Mix(stops[k], stops[k + 1], t - k);
}

}  // namespace

// A Julia set rich in spirals, filling the square, its centre lit in a lighter blue.
QImage BoardPicture(int scale, const std::atomic<bool>* stop) {
  const int side = 300 * scale;
  QImage img(side, side, QImage::Format_RGB32);
  const std::complex<double> c(-0.7269, 0.1889);
  constexpr int Limit = 300;
  const auto colourAt = [&](double px, double py) {
    const double u = (px / scale - 150) / 150, v = (py / scale - 150) / 150;
    std::complex<double> z(u * 0.8, v * 0.8);
    int it = 0;
    while (it < Limit && std::norm(z) < 256) z = z * z + c, ++it;
    const double mu =
        it == Limit ? 0 : it + 1 - std::log2(std::log(std::norm(z)) / 2 / std::log(2.0));
    const QColor col = it == Limit ? QColor(30, 110, 200) : Band(mu);
    const double centre = std::exp(-(u * u + v * v) / 0.09);
    return Mix(col, QColor(130, 190, 255), 0.55 * centre);
  };
  // Above scale 2, 2 x 2 samples a pixel take half the time of 3 x 3 and look alike once the
  // picture is cut and scaled to the cells; 1 x 1 would show the spirals' filaments as grain.
  const int sub = scale <= 2 ? 3 : 2;
  for (int y = 0; y < side; ++y) {
    if (Stopped(stop)) return {};
    for (int x = 0; x < side; ++x) img.setPixelColor(x, y, Supersampled(x, y, sub, colourAt));
  }
  return img;
}

QImage CellPicture(int scale, const std::atomic<bool>*) {
  QImage img(26 * scale, 28 * scale, QImage::Format_RGB32);
  img.fill(QColor(194, 194, 194));
  return img;
}

}  // namespace pictures
