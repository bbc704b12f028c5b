// The pictures: sizes and frames at every scale, and what each frame shows.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <map>

#include "Pictures.h"

using namespace vexlar;

namespace {

QImage Picture(const QString& file) { return QImage(QString(VEXLAR_ASSET_DIR "/") + file); }

QImage Frame(const QImage& img, const PictureStrip& cut, int f) {
  const Rect r = cut.Frame(static_cast<std::int16_t>(f));
  return img.copy(r.Left, r.Top, r.Width, r.Height);
}

// Adds up f over the pixels of a picture.
template <typename F>
double Sum(const QImage& img, F f) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) sum += f(img.pixelColor(x, y), x, y);
  return sum;
}

double Lightness(const QImage& img) {
  return Sum(img, [](QColor c, int, int) { return c.lightnessF(); }) / (img.width() * img.height());
}

// Share of the saturated pixels whose hue lies in [from, to) degrees.
double HueShare(const QImage& img, int from, int to) {
  const auto saturated = [](QColor c) { return c.hsvSaturation() >= 80 && c.value() >= 60; };
  return Sum(img, [&](QColor c, int,
                      int) { return saturated(c) && c.hsvHue() >= from && c.hsvHue() < to; }) /
         Sum(img, [&](QColor c, int, int) { return saturated(c); });
}

}  // namespace

// Each picture has its size, and its 2x picture and the one drawn at run time at scale 3, scaled
// down, show each frame where the 1x picture shows it: every such frame looks most like the 1x
// frame of its own number.
TEST(Pictures, SizesAndFramesAtEveryScale) {
  for (const PictureFile& f : PictureFiles) {
    SCOPED_TRACE(f.File);
    const QImage one = Picture(f.File), two = Picture(TwiceName(f.File));
    ASSERT_EQ(one.size(), QSize(f.Width, f.Height));
    ASSERT_EQ(two.size(), 2 * one.size());
    // The board's spirals take seconds at scale 3, drawn by the same code as at scale 2.
    const QImage three = f.Strip == Clip::Board ? two : f.Draw(3, nullptr);
    ASSERT_EQ(three.size(), (f.Strip == Clip::Board ? 2 : 3) * one.size());
    PictureStrip cut = f.Cut();
    if (f.Strip == Clip::Board) cut.Rows = cut.Cols = 4;  // pieces as a Start cuts them
    for (const QImage& big : {two, three}) {
      const QImage down = big.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      for (int a = 0; a < cut.FrameCount(); ++a) {
        std::map<double, int> byDifference;
        for (int b = 0; b < cut.FrameCount(); ++b) {
          const QImage x = Frame(down, cut, a), y = Frame(one, cut, b);
          byDifference[Sum(x, [&](QColor c, int i, int j) {
            return std::abs(qGray(c.rgb()) - qGray(y.pixel(i, j)));
          })] = b;
        }
        EXPECT_EQ(byDifference.begin()->second, a);
      }
    }
  }
  const QImage cell = Picture("cell.png");
  EXPECT_EQ(Sum(cell, [](QColor c, int, int) { return c != QColor(194, 194, 194); }), 0);
}

TEST(Pictures, BallsTurnOnBlackAndOnRedWithAnOrangeLine) {
  const QImage mark = Picture("markball.png"), wrong = Picture("wrongball.png");
  const PictureStrip cut = FileOf(Clip::Mark).Cut();
  QSet<QRgb> faces;
  for (int f = 0; f < 12; ++f) {
    SCOPED_TRACE(f);
    const QImage m = Frame(mark, cut, f), w = Frame(wrong, cut, f);
    EXPECT_EQ(m.pixelColor(1, 1), QColor(Qt::black));
    const QColor line = w.pixelColor(0, 25), ground = w.pixelColor(2, 2);
    EXPECT_TRUE(line.red() > 200 && line.green() > 100 && line.green() < 200 && line.blue() < 80);
    EXPECT_TRUE(ground.red() > 150 && ground.green() < 40 && ground.blue() < 40);
    EXPECT_EQ(m.pixel(25, 25), w.pixel(25, 25));  // the same ball on both grounds
    faces.insert(m.pixel(25, 20));
  }
  EXPECT_GE(faces.size(), 10);               // each step of the turn shows another face
  EXPECT_GT(HueShare(mark, 40, 70), 0.2);    // yellow
  EXPECT_GT(HueShare(mark, 90, 160), 0.05);  // green
  EXPECT_GT(HueShare(mark, 260, 300), 0.1);  // violet
}

TEST(Pictures, GlowGrowsWhiterAndTheBoardIsGreenTealAndBlue) {
  const QImage glow = Picture("queglow.png");
  const PictureStrip cut = FileOf(Clip::Glow).Cut();
  const QColor corner = Frame(glow, cut, 0).pixelColor(2, 2);
  EXPECT_TRUE(corner.blue() > corner.red() && corner.lightnessF() < 0.3);
  double before = 0;
  for (int f = 0; f < 12; ++f) {
    const double now = Lightness(Frame(glow, cut, f));
    EXPECT_GT(now, before) << "frame " << f;
    before = now;
  }
  EXPECT_GT(before, 0.85);
  const QImage board = Picture("board.png");
  EXPECT_GT(HueShare(board, 90, 160), 0.05);   // green
  EXPECT_GT(HueShare(board, 160, 200), 0.05);  // teal
  EXPECT_GT(HueShare(board, 200, 250), 0.2);   // blue
  EXPECT_GT(Lightness(board.copy(130, 130, 40, 40)), Lightness(board) + 0.05);
}

// Which edges of each trail frame its cyan path crosses: Top, Bottom, Left, Right.
TEST(Pictures, TrailFramesLeaveByTheEdgesTheirPathsUse) {
  const char* edges[24] = {"",   "",   "TB", "LR", "TB", "TB", "LR", "LR", "BL", "BR", "TL", "TR",
                           "RT", "RB", "LT", "LB", "B",  "T",  "R",  "L",  "TR", "TL", "BR", "BL"};
  const QImage trail = Picture("trail.png");
  const auto cyan = [](QColor c) { return c.red() < 170 && c.green() > 170 && c.blue() > 170; };
  for (int f = 0; f < 24; ++f) {
    const QImage img = Frame(trail, FileOf(Clip::Trail).Cut(), f);
    for (char edge : {'T', 'B', 'L', 'R'}) {
      // A band four pixels deep along that edge, short of the corners.
      const double crossing = Sum(img, [&](QColor c, int x, int y) {
        const int depth = edge == 'T' ? y : edge == 'B' ? 30 - y : edge == 'L' ? x : 30 - x;
        const int along = edge == 'T' || edge == 'B' ? x : y;
        return depth < 4 && along >= 6 && along < 25 && cyan(c);
      });
      EXPECT_EQ(crossing > 0, std::strchr(edges[f], edge) != nullptr) << "frame " << f << edge;
    }
  }
}

TEST(Pictures, IconIsABlueBallWithARedVOnAStarInSixteenColoursAndTheAboutMovieFits) {
  const QImage icon = Picture("vexlar.png"), twice = Picture("vexlar@2x.png");
  ASSERT_EQ(icon.size(), QSize(32, 32));
  QSet<QRgb> opaque;
  Sum(icon, [&](QColor c, int, int) { return c.alpha() == 255 && (opaque.insert(c.rgb()), true); });
  EXPECT_LE(opaque.size(), 16);
  for (QRgb c :
       {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(255, 255, 0)})
    EXPECT_TRUE(opaque.contains(c)) << std::hex << c;
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);           // outside the star
  EXPECT_EQ(icon.pixel(16, 16), qRgb(255, 0, 0));   // the V crosses the middle
  EXPECT_EQ(twice.pixel(32, 38), qRgb(255, 0, 0));  // and below the middle at twice the size
  // The about movie at both densities, each ring whole: no blue at its top or bottom edge.
  for (int scale : {1, 2}) {
    QImageReader movie(QString(VEXLAR_ASSET_DIR "/") + (scale == 1 ? "about.gif" : "about@2x.gif"));
    EXPECT_EQ(movie.size(), QSize(254, 191) * scale);
    EXPECT_GT(movie.imageCount(), 12);
    QImage frame(movie.size(), QImage::Format_RGB32);
    frame.fill(Qt::black);
    for (int f = 0; movie.canRead(); ++f) {
      QPainter(&frame).drawImage(movie.currentImageRect().topLeft(), movie.read());
      for (int y : {0, frame.height() - 1})
        for (int x = 0; x < frame.width(); ++x) {
          const QColor c = frame.pixelColor(x, y);
          ASSERT_LT(c.blue() - c.red(), 30) << "frame " << f << " at " << x << "," << y;
        }
    }
  }
}
