#include "Julia.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace pictures {

namespace {

constexpr int Limit = 300;  // steps after which a point counts as never leaving
constexpr float Cr = -0.7269f, Ci = 0.1889f;

// Vectors of 8 lanes, SIMD on every compiler and processor; AVX2 where the processor has it.
using Floats = float __attribute__((vector_size(32)));
using Ints = std::int32_t __attribute__((vector_size(32)));
constexpr int Vectors = 8, Lanes = 8 * Vectors, Burst = 16;
#if defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define VEXLAR_WIDE __attribute__((target_clones("avx2", "default")))
#else
#define VEXLAR_WIDE
#endif

struct Orbits {
  alignas(64) float X[Lanes], Y[Lanes];
  alignas(64) std::int32_t N[Lanes], Done[Lanes];
};

// Burst steps of z -> z * z + c in every lane still within radius 16; then marks the lanes that
// have left or taken Limit steps. Lanes past Limit count as never leaving whatever they do next.
VEXLAR_WIDE void Step(Orbits& o) {
  auto* const xs = reinterpret_cast<Floats*>(o.X);
  auto* const ys = reinterpret_cast<Floats*>(o.Y);
  auto* const ns = reinterpret_cast<Ints*>(o.N);
  auto* const done = reinterpret_cast<Ints*>(o.Done);
  constexpr int Group = 4;  // vectors whose steps interleave, hiding each other's latency
  for (int g = 0; g < Vectors; g += Group) {
    Floats x[Group], y[Group];
    Ints n[Group];
#pragma GCC unroll 4
    for (int v = 0; v < Group; ++v) x[v] = xs[g + v], y[v] = ys[g + v], n[v] = ns[g + v];
    for (int b = 0; b < Burst; ++b)
#pragma GCC unroll 4
      for (int v = 0; v < Group; ++v) {
        const Floats xx = x[v] * x[v], yy = y[v] * y[v];
        const Ints on = xx + yy < 256.f;  // -1 in the lanes still going
        const Floats nx = xx - yy + Cr, ny = (x[v] + x[v]) * y[v] + Ci;
        x[v] = on ? nx : x[v], y[v] = on ? ny : y[v], n[v] -= on;
      }
#pragma GCC unroll 4
    for (int v = 0; v < Group; ++v) {
      xs[g + v] = x[v], ys[g + v] = y[v], ns[g + v] = n[v];
      done[g + v] = (x[v] * x[v] + y[v] * y[v] >= 256.f) | (n[v] >= Limit);
    }
  }
}

// Turns the steps each point took, and the squared radius at which it left, into its smooth
// count, Never where it took Limit steps.
VEXLAR_WIDE void Smooth(float* mu, const float* norm, int count) {
  // log2 of each x > 0 to 2e-5, our own so that every machine draws the same files.
  const auto log2 = [](const Floats& x, Floats& out) {  // by reference: no vector in registers
    const Ints bits = (Ints)x;                          // the same bits
    const Floats m = (Floats)((bits & 0x7FFFFF) | 0x3F800000);  // 1 <= m < 2
    const Floats t = (m - 1) / (m + 1), tt = t * t;
    out = __builtin_convertvector((bits >> 23) - 127, Floats) +
          t * (2.8853901f + tt * (0.96179669f + tt * (0.57707802f + tt * 0.41219858f)));
  };
  for (int i = 0; i < count; i += 8) {
    Floats n, r;
    const int k = std::min(8, count - i);
    std::memcpy(&n, mu + i, k * sizeof(float)), std::memcpy(&r, norm + i, k * sizeof(float));
    Floats once, twice;
    log2(r, once);
    log2(0.5f * once, twice);
    const Floats s = n + 1 - twice;
    const Floats out = n >= Limit ? Never : s < 0 ? 0 : s;
    std::memcpy(mu + i, &out, k * sizeof(float));
  }
}

}  // namespace

// Every lane takes the next point as soon as its own has stopped.
void Escapes(const float* x, const float* y, float* mu, int count) {
  std::vector<float> norm(count + 8, 256);  // past the end: a radius Smooth reads and leaves
  Orbits o;
  int at[Lanes], stopped[Lanes], next = 0, busy = 0;
  const auto take = [&](int k) {
    const bool any = next < count;
    o.X[k] = any ? x[next] : 16, o.Y[k] = any ? y[next] : 0, o.N[k] = 0;
    at[k] = any ? next++ : -1;
    busy += any;
  };
  for (int k = 0; k < Lanes; ++k) take(k);
  while (busy > 0) {
    Step(o);
    int ended = 0;
    for (int k = 0; k < Lanes; ++k) stopped[ended] = k, ended -= o.Done[k];
    for (int i = 0; i < ended; ++i) {
      const int k = stopped[i];
      if (at[k] < 0) continue;
      mu[at[k]] = float(o.N[k]), norm[at[k]] = o.X[k] * o.X[k] + o.Y[k] * o.Y[k];
      --busy;
      take(k);
    }
  }
  Smooth(mu, norm.data(), count);
}

}  // namespace pictures
