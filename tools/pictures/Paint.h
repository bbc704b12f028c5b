// Shared pieces of the picture generator: seeded noise, colour mixing and the drawing entry points.
#pragma once
#include <QColor>
#include <QImage>
#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>

namespace pictures {

// Smooth value noise in 3-D, 0..1; the same seed gives the same picture on every machine.
double Noise(double x, double y, double z, std::uint32_t seed);
// Several octaves of Noise added up, still 0..1.
double Fractal(double x, double y, double z, std::uint32_t seed, int octaves);

// A colour as three floats in levels of 0 to 255, mixed and summed without rounding.
struct Rgb {
  float R = 0, G = 0, B = 0;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.R + b.R, a.G + b.G, a.B + b.B}; }
inline Rgb operator*(Rgb a, float k) { return {a.R * k, a.G * k, a.B * k}; }
inline Rgb Of(const QColor& c) { return {float(c.red()), float(c.green()), float(c.blue())}; }
// a where t is 0, b where t is 1; t is held to 0..1.
Rgb Mix(Rgb a, Rgb b, double t);
// The nearest 8-bit colour.
QRgb ToRgb(Rgb c);
double Clamp01(double v);

// The turning ball, frame n of 12, on a square of side px, with sub x sub samples a pixel; the
// ground is left untouched outside it.
void DrawBall(QImage& img, int left, int top, int px, int n, int sub = 4);

// How large a picture is drawn: every Design pixels of it become Device pixels, in whole blocks
// from its top left (a part block at the right or bottom is left out). {1, 1} draws the 1x file,
// {1, 2} the 2x one, {50, 37} marks for cells of 37 pixels.
struct Scale {
  int Design = 1, Device = 1;
  // The drawn length of design pixels.
  int Of(int design) const { return design / Design * Device; }
  bool operator==(const Scale&) const = default;
};

// The game's pictures at a scale: the same frames in the same places, each Design pixels of a
// frame's side drawn as Device pixels. Sizes are at {1, 1}. Once *stop turns true the drawing
// ends early and gives a null picture.
using StripDrawing = QImage (*)(Scale scale, const std::atomic<bool>* stop);
QImage MarkStrip(Scale scale, const std::atomic<bool>* stop = nullptr);     // 200 x 150, on black
QImage WrongStrip(Scale scale, const std::atomic<bool>* stop = nullptr);    // 200 x 150, on red
QImage GlowStrip(Scale scale, const std::atomic<bool>* stop = nullptr);     // 153 x 204, the glow
QImage BoardPicture(Scale scale, const std::atomic<bool>* stop = nullptr);  // 300 x 300, spirals
QImage TrailStrip(Scale scale, const std::atomic<bool>* stop = nullptr);    // 124 x 186, the trail
QImage CellPicture(Scale scale, const std::atomic<bool>* stop = nullptr);   // 26 x 28, light grey
inline bool Stopped(const std::atomic<bool>* stop) { return stop && *stop; }
// Runs job(0) to job(count - 1) on every core, this thread among them, each core taking the next
// in turn, until all are done or *stop turns true.
void OnEveryCore(int count, const std::function<void(int)>& job, const std::atomic<bool>* stop);

QImage Icon(int side, bool sixteenColours);
// Frame n of the about animation (254 x 191).
QImage AboutFrame(int n, int scale);
constexpr int AboutFrames = 36;

}  // namespace pictures
