#include <cmath>

#include "Paint.h"

namespace pictures {

namespace {

std::uint32_t Hash(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B1u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
  h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
  h = (h ^ (h >> 13)) * 0x297A2D39u;
  h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
  h = (h ^ (h >> 16)) * 0x85EBCA6Bu;
  return h ^ (h >> 16);
}

double Lattice(std::int32_t x, std::int32_t y, std::int32_t z, std::uint32_t seed) {
  return (Hash(x, y, z, seed) & 0xFFFFFF) / double(0xFFFFFF);
}

double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double Lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double Noise(double x, double y, double z, std::uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy),
             iz = static_cast<std::int32_t>(fz);
  const double u = Fade(x - fx), v = Fade(y - fy), w = Fade(z - fz);
  double plane[2];
  for (int k = 0; k < 2; ++k) {
    const double a = Lerp(Lattice(ix, iy, iz + k, seed), Lattice(ix + 1, iy, iz + k, seed), u);
    const double b =
        Lerp(Lattice(ix, iy + 1, iz + k, seed), Lattice(ix + 1, iy + 1, iz + k, seed), u);
    plane[k] = Lerp(a, b, v);
  }
  return Lerp(plane[0], plane[1], w);
}

double Fractal(double x, double y, double z, std::uint32_t seed, int octaves) {
  double sum = 0, weight = 0, amp = 1;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Noise(x, y, z, seed + o);
    weight += amp;
    amp *= 0.5;
    x *= 2, y *= 2, z *= 2;
  }
  return sum / weight;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = Clamp01(t);
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

double Clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

QColor Supersampled(int x, int y, int sub, const std::function<QColor(double, double)>& colourAt) {
  double r = 0, g = 0, b = 0;
  for (int j = 0; j < sub; ++j)
    for (int i = 0; i < sub; ++i) {
      const QColor c = colourAt(x + (i + 0.5) / sub, y + (j + 0.5) / sub);
      r += c.redF(), g += c.greenF(), b += c.blueF();
    }
  const double k = sub * sub;
  return QColor::fromRgbF(float(r / k), float(g / k), float(b / k));
}

}  // namespace pictures
