#include <algorithm>
#include <cmath>

#include "Paint.h"

namespace pictures {

namespace {

// The hash of a lattice point mixes in x, y and z in turn, so the corners of a cell that share x,
// or x and y, share those steps.
std::uint32_t MixIn(std::uint32_t h, std::int32_t v, std::uint32_t k, int shift, std::uint32_t m) {
  h ^= static_cast<std::uint32_t>(v) * k;
  return (h ^ (h >> shift)) * m;
}

double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
double Lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double Noise(double x, double y, double z, std::uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy),
             iz = static_cast<std::int32_t>(fz);
  const double u = Fade(x - fx), v = Fade(y - fy), w = Fade(z - fz);
  // Points drawn one after another mostly fall in the cell of the last point of the same seed:
  // its corners' values are kept, one cell for each of 32 seeds on each thread.
  struct Cell {
    std::uint32_t Seed = 0;
    std::int32_t X = 0, Y = 0, Z = 0;
    double At[2][2][2];  // the lattice values at the cell's corners, by x, y and z
    bool Set = false;
  };
  thread_local Cell cells[32];
  Cell& cell = cells[seed % 32];
  if (!cell.Set || cell.Seed != seed || cell.X != ix || cell.Y != iy || cell.Z != iz) {
    cell = {seed, ix, iy, iz, {}, true};
    const std::uint32_t h0 = seed * 0x9E3779B1u;
    for (int i = 0; i < 2; ++i) {
      const std::uint32_t hx = MixIn(h0, ix + i, 0x85EBCA77u, 15, 0x2C1B3C6Du);
      for (int j = 0; j < 2; ++j) {
        const std::uint32_t hy = MixIn(hx, iy + j, 0xC2B2AE3Du, 13, 0x297A2D39u);
        for (int k = 0; k < 2; ++k) {
          const std::uint32_t h = MixIn(hy, iz + k, 0x27D4EB2Fu, 16, 0x85EBCA6Bu);
          cell.At[i][j][k] = ((h ^ (h >> 16)) & 0xFFFFFF) * (1.0 / 0xFFFFFF);
        }
      }
    }
  }
  const auto& at = cell.At;
  double along[2];
  for (int k = 0; k < 2; ++k)
    along[k] = Lerp(Lerp(at[0][0][k], at[1][0][k], u), Lerp(at[0][1][k], at[1][1][k], u), v);
  return Lerp(along[0], along[1], w);
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

Rgb Mix(Rgb a, Rgb b, double t) {
  const auto k = static_cast<float>(Clamp01(t));
  return {a.R + (b.R - a.R) * k, a.G + (b.G - a.G) * k, a.B + (b.B - a.B) * k};
}

QRgb ToRgb(Rgb c) {
  const auto level = [](float v) { return static_cast<int>(std::clamp(v, 0.f, 255.f) + 0.5f); };
  return qRgb(level(c.R), level(c.G), level(c.B));
}

double Clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

}  // namespace pictures
