#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "Julia.h"
#include "Paint.h"

namespace pictures {

namespace {

// The band colours over one period of 9 counts, Steps a count: under half a level apart.
constexpr int Steps = 128, Period = 9 * Steps;
const Rgb Inside{30, 110, 200}, Light{130, 190, 255};

// The band colours of one period of smooth counts.
const std::array<Rgb, Period> Bands = [] {
  const Rgb stops[] = {{10, 40, 70}, {20, 130, 70}, {0, 150, 140}, {20, 80, 170}, {10, 40, 70}};
  std::array<Rgb, Period> t;
  for (int i = 0; i < Period; ++i) {
    const double s = 4.0 * i / Period;
    const int k = static_cast<int>(s);
    t[i] = Mix(stops[k], stops[k + 1], s - k);
  }
  return t;
}();

// Colour of a smooth escape count: bands of green, teal and blue winding along the spirals.
inline Rgb Band(float mu) {
  return mu == Never ? Inside : Bands[static_cast<unsigned>(mu * Steps + 0.5f) % Period];
}

// The square about the picture's centre that holds the whole picture. z and -z leave alike, so
// the picture turns into itself about its centre and only the upper half is sampled. The centre
// is taken to the nearest half pixel, which moves the picture by at most a quarter of a pixel.
struct Box {
  explicit Box(Scale s)
      : Side(s.Of(300)),
        PerDevice(double(s.Design) / s.Device),
        Twice(static_cast<int>(std::lround(300 / PerDevice))),
        Lo(std::min(0, Twice - Side)),
        Size(Twice - 2 * Lo),
        Rows((Size + 1) / 2),
        Shift((300 / PerDevice - Twice) / 2) {}
  int Side;          // of the picture, in device pixels
  double PerDevice;  // design pixels a device pixel
  int Twice, Lo;     // the centre times 2, and the box's first pixel, in the picture's pixels
  int Size, Rows;    // the box's side and the rows of its upper half
  double Shift;
  // Where in the plane a position in the box's pixels lies: 150 design pixels are 0.8.
  float Plane(double at) const { return float(((Lo + at + Shift) * PerDevice - 150) / 150 * 0.8); }
};

// A position in the box's pixels.
struct At {
  float X, Y;
};

// The smooth count at each position, every core taking a share.
std::vector<float> Counts(const Box& b, const std::vector<At>& at, const std::atomic<bool>* stop) {
  const int count = static_cast<int>(at.size());
  std::vector<float> mu(count);
  constexpr int Share = 4096;
  OnEveryCore((count + Share - 1) / Share,
              [&](int k) {
                const int from = k * Share, n = std::min(Share, count - from);
                std::vector<float> x(n), y(n);
                for (int i = 0; i < n; ++i)
                  x[i] = b.Plane(at[from + i].X), y[i] = b.Plane(at[from + i].Y);
                Escapes(x.data(), y.data(), &mu[from], n);
              },
              stop);
  return mu;
}

// The smooth count in the middle of each pixel of the upper half, row by row.
std::vector<float> Middles(const Box& b, const std::atomic<bool>* stop) {
  std::vector<float> mu(std::size_t(b.Rows) * b.Size);
  std::vector<float> across(b.Size);
  for (int c = 0; c < b.Size; ++c) across[c] = b.Plane(c + 0.5);
  constexpr int Share = 4;  // rows
  OnEveryCore((b.Rows + Share - 1) / Share,
              [&](int k) {
                const int from = k * Share, rows = std::min(Share, b.Rows - from);
                std::vector<float> x(std::size_t(rows) * b.Size), y(x.size());
                for (int r = 0; r < rows; ++r)
                  for (int c = 0; c < b.Size; ++c)
                    x[r * b.Size + c] = across[c], y[r * b.Size + c] = b.Plane(from + r + 0.5);
                Escapes(x.data(), y.data(), &mu[std::size_t(from) * b.Size], rows * b.Size);
              },
              stop);
  return mu;
}

// Marks the pixels of the upper half whose middle count differs from a neighbour's by more than
// 16 levels' worth (a count changes the colour by up to 44 levels): only there does one sample
// read otherwise than several. Past the middle row the half turns into the other half.
std::vector<char> Detailed(const Box& b, const std::vector<float>& mu,
                           const std::atomic<bool>* stop) {
  constexpr float Apart = 16.f / 44;
  std::vector<char> fine(mu.size());
  OnEveryCore(
      b.Rows,
      [&](int r) {
        const float* const row = &mu[std::size_t(r) * b.Size];
        // Rows inside the half read their neighbours straight; the rest turn at the middle.
        const bool inner = r > 0 && r + 1 < b.Rows;
        for (int c = 0; c < b.Size; ++c) {
          bool differs = false;
          if (inner && c > 0 && c + 1 < b.Size) {
            for (const float* n : {row - b.Size, row, row + b.Size})
              differs = differs || std::abs(n[c - 1] - row[c]) > Apart ||
                        std::abs(n[c] - row[c]) > Apart || std::abs(n[c + 1] - row[c]) > Apart;
          } else {
            for (int nr = std::max(0, r - 1); nr <= std::min(b.Size - 1, r + 1); ++nr)
              for (int nc = std::max(0, c - 1); nc <= std::min(b.Size - 1, c + 1); ++nc) {
                const std::size_t at =
                    nr < b.Rows ? std::size_t(nr) * b.Size + nc
                                : std::size_t(b.Size - 1 - nr) * b.Size + b.Size - 1 - nc;
                differs = differs || std::abs(mu[at] - row[c]) > Apart;
              }
          }
          fine[std::size_t(r) * b.Size + c] = differs;
        }
      },
      stop);
  return fine;
}

// Calls visit(r, c) for each marked pixel, row by row.
template <typename Visit>
void EachMarked(const Box& b, const std::vector<char>& marked, const Visit& visit) {
  for (int r = 0; r < b.Rows; ++r)
    for (int c = 0; c < b.Size; ++c)
      if (marked[std::size_t(r) * b.Size + c]) visit(r, c);
}

// The colour of each detailed pixel, row by row, from 3 x 3 samples, the middle one among them.
std::vector<Rgb> Nine(const Box& b, const std::vector<float>& mu, const std::vector<char>& fine,
                      const std::atomic<bool>* stop) {
  const auto count = static_cast<std::size_t>(std::count(fine.begin(), fine.end(), 1));
  const std::vector<float> more = [&] {  // the samples' places go as soon as they are counted
    std::vector<At> at;
    at.reserve(8 * count);
    EachMarked(b, fine, [&](int r, int c) {
      for (int j = 0; j < 9; ++j)
        if (j != 4) at.push_back({c + 0.5f + (j % 3 - 1) / 3.f, r + 0.5f + (j / 3 - 1) / 3.f});
    });
    return Counts(b, at, stop);
  }();
  std::vector<Rgb> out;
  out.reserve(count);
  EachMarked(b, fine, [&](int r, int c) {
    Rgb sum = Band(mu[std::size_t(r) * b.Size + c]);
    for (int s = 0; s < 8; ++s) sum = sum + Band(more[8 * out.size() + s]);
    out.push_back(sum * (1.f / 9));
  });
  return out;
}

// The colour of each detailed pixel, row by row, from its middle sample, weighing half, and its
// four corners, each shared with the pixels that meet there: two samples a pixel reading as five.
std::vector<Rgb> Quincunx(const Box& b, const std::vector<float>& mu, const std::vector<char>& fine,
                          const std::atomic<bool>* stop) {
  const int wide = b.Size + 1;                                  // corners in a row
  std::vector<int> corner(std::size_t(b.Rows + 1) * wide, -1);  // each one's place in more
  const std::vector<float> more = [&] {  // the corners' places go as soon as they are counted
    std::vector<At> at;
    EachMarked(b, fine, [&](int r, int c) {
      for (int k : {0, 1, wide, wide + 1}) {
        int& i = corner[std::size_t(r) * wide + c + k];
        if (i < 0)
          i = static_cast<int>(at.size()), at.push_back({float(c + k % wide), float(r + k / wide)});
      }
    });
    return Counts(b, at, stop);
  }();
  std::vector<Rgb> out;
  out.reserve(static_cast<std::size_t>(std::count(fine.begin(), fine.end(), 1)));
  EachMarked(b, fine, [&](int r, int c) {
    Rgb sum = Band(mu[std::size_t(r) * b.Size + c]) * 4;
    for (int k : {0, 1, wide, wide + 1})
      sum = sum + Band(more[corner[std::size_t(r) * wide + c + k]]);
    out.push_back(sum * (1.f / 8));
  });
  return out;
}

}  // namespace

// A Julia set rich in spirals, filling the square, its centre lit in a lighter blue.
QImage BoardPicture(Scale scale, const std::atomic<bool>* stop) {
  const Box b(scale);
  const std::vector<float> mu = Middles(b, stop);
  const std::vector<char> fine = Detailed(b, mu, stop);
  // Up to two device pixels a design pixel (the files among them) the detail is drawn as finely
  // as 3 x 3 samples draw it; larger, it spans more pixels and two samples a pixel read the same.
  const std::vector<Rgb> detail =
      scale.Device <= 2 * scale.Design ? Nine(b, mu, fine, stop) : Quincunx(b, mu, fine, stop);
  if (Stopped(stop)) return {};
  // Each pixel of the half is written with its turn in the other half, lit towards the centre.
  QImage img(b.Side, b.Side, QImage::Format_RGB32);
  uchar* const bits = img.bits();
  const qsizetype line = img.bytesPerLine();
  std::vector<float> light(b.Size);  // a factor for each column and each row
  for (int i = 0; i < b.Size; ++i)
    light[i] = float(std::exp(-b.Plane(i + 0.5) * b.Plane(i + 0.5) / 0.0576));
  std::vector<int> first(b.Rows + 1);  // the first detailed pixel of each row
  for (int r = 0; r < b.Rows; ++r)
    first[r + 1] =
        first[r] + static_cast<int>(std::count(fine.begin() + std::size_t(r) * b.Size,
                                               fine.begin() + std::size_t(r + 1) * b.Size, 1));
  OnEveryCore(
      b.Rows,
      [&](int r) {
        const int last = b.Lo + b.Size - 1;
        for (int c = 0, d = first[r]; c < b.Size; ++c) {
          const std::size_t p = std::size_t(r) * b.Size + c;
          const Rgb col = fine[p] ? detail[d++] : Band(mu[p]);
          const float t = 0.55f * light[c] * light[r];
          const QRgb rgb = qRgb(int(col.R + (Light.R - col.R) * t + 0.5f),
                                int(col.G + (Light.G - col.G) * t + 0.5f),
                                int(col.B + (Light.B - col.B) * t + 0.5f));
          // The middle row, where there is one, is its own turn: each pixel writes only itself.
          for (auto [x, y] : {std::pair{b.Lo + c, b.Lo + r}, {last - c, last - r}}) {
            if (x >= 0 && x < b.Side && y >= 0 && y < b.Side)
              reinterpret_cast<QRgb*>(bits + y * line)[x] = rgb;
            if (2 * r == b.Size - 1) break;
          }
        }
      },
      stop);
  return Stopped(stop) ? QImage() : img;
}

QImage CellPicture(Scale scale, const std::atomic<bool>*) {
  QImage img(scale.Of(26), scale.Of(28), QImage::Format_RGB32);
  img.fill(QColor(194, 194, 194));
  return img;
}

}  // namespace pictures
