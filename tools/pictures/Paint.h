// Shared pieces of the picture generator: seeded noise, colour mixing and the drawing entry points.
#pragma once
#include <QColor>
#include <QImage>
#include <QString>
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

// The turning ball, frame n of 12, on a square of side px; the ground is left untouched outside it.
void DrawBall(QImage& img, int left, int top, int px, int n);

// The game's pictures at scale 1 or 2: at 2 the same frames in the same places with twice the
// pixels on each side, for screens of twice the density. Sizes are at scale 1.
QImage MarkStrip(int scale);     // 200 x 150, balls on black
QImage WrongStrip(int scale);    // 200 x 150, balls on red with an orange line
QImage GlowStrip(int scale);     // 153 x 204, the growing glow
QImage BoardPicture(int scale);  // 300 x 300, fractal spirals
QImage TrailStrip(int scale);    // 124 x 186, the 24 probe trail pieces
QImage CellPicture(int scale);   // 26 x 28, plain light grey
QImage Icon(int side, bool sixteenColours);
// Frame n of the about animation (254 x 191).
QImage AboutFrame(int n);
constexpr int AboutFrames = 36;

}  // namespace pictures
