#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <thread>
#include <vector>

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
  // Rows are independent, so every core takes bands of them in turn, each into its own image;
  // bands of the spirals' middle take longer than the rest.
  constexpr int Rows = 16;
  std::vector<QImage> bands((side + Rows - 1) / Rows);
  std::atomic<int> next = 0;
  const auto work = [&] {
    for (int b; !Stopped(stop) && (b = next++) < static_cast<int>(bands.size());) {
      QImage band(side, std::min(Rows, side - b * Rows), QImage::Format_RGB32);
      for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < side; ++x)
          band.setPixelColor(x, y, Supersampled(x, b * Rows + y, sub, colourAt));
      bands[b] = band;
    }
  };
  std::vector<std::thread> helpers(std::max(1u, std::thread::hardware_concurrency()) - 1);
  for (std::thread& t : helpers) t = std::thread(work);
  work();
  for (std::thread& t : helpers) t.join();
  if (Stopped(stop)) return {};
  QImage img(side, side, QImage::Format_RGB32);
  for (std::size_t b = 0; b < bands.size(); ++b)
    for (int y = 0; y < bands[b].height(); ++y)
      std::memcpy(img.scanLine(static_cast<int>(b) * Rows + y), bands[b].constScanLine(y),
                  bands[b].bytesPerLine());
  return img;
}

QImage CellPicture(int scale, const std::atomic<bool>*) {
  QImage img(26 * scale, 28 * scale, QImage::Format_RGB32);
  img.fill(QColor(194, 194, 194));
  return img;
}

}  // namespace pictures
