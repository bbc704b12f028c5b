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

QColor Mix(const QColor& a, const QColor& b, double t);
double Clamp01(double v);
// The mean colour of sub x sub samples over pixel (x, y); colourAt takes the sample's position.
QColor Supersampled(int x, int y, int sub, const std::function<QColor(double, double)>& colourAt);

// The turning ball, frame n of 12, on a square of side px, with sub x sub samples a pixel; the
// ground is left untouched outside it.
void DrawBall(QImage& img, int left, int top, int px, int n, int sub = 4);

// The game's pictures at an integer scale: the same frames in the same places with scale times
// the pixels on each side (1 and 2 are the files, more for large or dense screens). Sizes are at
// scale 1. Once *stop turns true the drawing ends early and gives a null picture.
using StripDrawing = QImage (*)(int scale, const std::atomic<bool>* stop);
QImage MarkStrip(int scale, const std::atomic<bool>* stop = nullptr);     // 200 x 150, on black
QImage WrongStrip(int scale, const std::atomic<bool>* stop = nullptr);    // 200 x 150, on red
QImage GlowStrip(int scale, const std::atomic<bool>* stop = nullptr);     // 153 x 204, the glow
QImage BoardPicture(int scale, const std::atomic<bool>* stop = nullptr);  // 300 x 300, spirals
QImage TrailStrip(int scale, const std::atomic<bool>* stop = nullptr);    // 124 x 186, the trail
QImage CellPicture(int scale, const std::atomic<bool>* stop = nullptr);   // 26 x 28, light grey
inline bool Stopped(const std::atomic<bool>* stop) { return stop && *stop; }

QImage Icon(int side, bool sixteenColours);
// Frame n of the about animation (254 x 191).
QImage AboutFrame(int n, int scale);
constexpr int AboutFrames = 36;

}  // namespace pictures
