// The committed pictures: sizes, frame geometry and what each frame shows.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <map>

#include "Pictures.h"

using namespace vexlar;

namespace {

QString Path(const QString& file) { return QString(VEXLAR_ASSET_DIR "/") + file; }

QImage Frame(const QImage& img, const PictureStrip& cut, int f) {
  const Rect r = cut.Frame(static_cast<std::int16_t>(f));
  return img.copy(r.Left, r.Top, r.Width, r.Height);
}

double Lightness(const QImage& img) {
  double sum = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) sum += img.pixelColor(x, y).lightnessF();
  return sum / (img.width() * img.height());
}

// How far apart two pictures of the same size are: the sum of their grey-level differences.
double Difference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
  return sum;
}

bool IsCyan(QColor c) { return c.red() < 170 && c.green() > 170 && c.blue() > 170; }

// Share of the pixels whose hue lies in [from, to) degrees, among the saturated ones.
double HueShare(const QImage& img, int from, int to) {
  int in = 0, coloured = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.hsvSaturation() < 80 || c.value() < 60) continue;
      ++coloured;
      in += c.hsvHue() >= from && c.hsvHue() < to;
    }
  return coloured ? double(in) / coloured : 0;
}

struct Loaded {
  QImage Img;
  PictureStrip Cut;
};

Loaded Load(Clip c) {
  for (const PictureFile& f : PictureFiles)
    if (f.Strip == c) {
      QImage img(Path(f.File));
      return {img, PictureStrip{img.width(), img.height(), f.Rows, f.Cols}};
    }
  return {};
}

}  // namespace

TEST(Pictures, EveryFileHasItsBitmapSizeAndFrameSize) {
  const std::map<Clip, std::pair<int, int>> frameSize = {
      {Clip::Cell, {26, 28}},    {Clip::Mark, {50, 50}},  {Clip::Glow, {51, 51}},
      {Clip::Board, {300, 300}}, {Clip::Trail, {31, 31}}, {Clip::Wrong, {50, 50}}};
  for (const PictureFile& f : PictureFiles) {
    SCOPED_TRACE(f.File);
    const Loaded l = Load(f.Strip);
    ASSERT_FALSE(l.Img.isNull());
    EXPECT_EQ(l.Img.size(), QSize(f.Width, f.Height));
    EXPECT_EQ(l.Cut.FrameWidth(), frameSize.at(f.Strip).first);
    EXPECT_EQ(l.Cut.FrameHeight(), frameSize.at(f.Strip).second);
    const Rect last = l.Cut.Frame(static_cast<std::int16_t>(l.Cut.FrameCount() - 1));
    EXPECT_LE(last.Left + last.Width, f.Width);
    EXPECT_LE(last.Top + last.Height, f.Height);
  }
  // The board picture cut for a 14-cell side: 21-pixel pieces, the last 6 pixels unused.
  const PictureStrip board{300, 300, 14, 14};
  const Rect piece = board.Frame(195);
  EXPECT_EQ(piece.Left, 273);
  EXPECT_EQ(piece.Top, 273);
  EXPECT_EQ(piece.Width, 21);
}

// Scaled down, every frame of a 2x picture looks most like the 1x frame of its own number.
TEST(Pictures, TwiceDensityPicturesShowTheSameFramesInTheSameOrder) {
  for (const PictureFile& f : PictureFiles) {
    SCOPED_TRACE(f.File);
    const Loaded one = Load(f.Strip);
    const QImage two(Path(TwiceName(f.File)));
    ASSERT_EQ(two.size(), 2 * one.Img.size());
    const QImage down = two.scaled(one.Img.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    PictureStrip cut = one.Cut;
    if (f.Strip == Clip::Board) cut.Rows = cut.Cols = 4;  // pieces as a Start cuts them
    for (int a = 0; a < cut.FrameCount(); ++a) {
      std::map<double, int> byDifference;
      for (int b = 0; b < cut.FrameCount(); ++b)
        byDifference[Difference(Frame(down, cut, a), Frame(one.Img, cut, b))] = b;
      EXPECT_EQ(byDifference.begin()->second, a);
    }
  }
}

TEST(Pictures, CellPictureIsPlainLightGrey) {
  const QImage cell(Path("cell.png"));
  for (int y = 0; y < cell.height(); ++y)
    for (int x = 0; x < cell.width(); ++x) ASSERT_EQ(cell.pixelColor(x, y), QColor(194, 194, 194));
}

TEST(Pictures, BallsTurnOnBlackAndOnRedWithAnOrangeLine) {
  const Loaded mark = Load(Clip::Mark), wrong = Load(Clip::Wrong);
  ASSERT_EQ(mark.Cut.FrameCount(), 12);
  QSet<QRgb> centres;
  for (int f = 0; f < 12; ++f) {
    SCOPED_TRACE(f);
    const QImage m = Frame(mark.Img, mark.Cut, f), w = Frame(wrong.Img, wrong.Cut, f);
    EXPECT_EQ(m.pixelColor(1, 1), QColor(Qt::black));
    const QColor line = w.pixelColor(0, 25), ground = w.pixelColor(2, 2);
    EXPECT_TRUE(line.red() > 200 && line.green() > 100 && line.green() < 200 && line.blue() < 80);
    EXPECT_TRUE(ground.red() > 150 && ground.green() < 40 && ground.blue() < 40);
    EXPECT_EQ(m.pixel(25, 25), w.pixel(25, 25));  // the same ball on both grounds
    centres.insert(m.pixel(25, 20));
  }
  EXPECT_GE(centres.size(), 10);                 // each step of the turn shows another face
  EXPECT_GT(HueShare(mark.Img, 40, 70), 0.2);    // yellow
  EXPECT_GT(HueShare(mark.Img, 90, 160), 0.05);  // green
  EXPECT_GT(HueShare(mark.Img, 260, 300), 0.1);  // violet
}

TEST(Pictures, GlowGrowsFromAPaleDiscOnDarkBlueToAlmostWhite) {
  const Loaded glow = Load(Clip::Glow);
  ASSERT_EQ(glow.Cut.FrameCount(), 12);
  const QImage first = Frame(glow.Img, glow.Cut, 0);
  const QColor corner = first.pixelColor(2, 2), centre = first.pixelColor(25, 25);
  EXPECT_TRUE(corner.blue() > corner.red() && corner.lightnessF() < 0.3);
  EXPECT_GT(centre.lightnessF(), 0.8);
  double before = 0;
  for (int f = 0; f < 12; ++f) {
    const double now = Lightness(Frame(glow.Img, glow.Cut, f));
    EXPECT_GT(now, before) << "frame " << f;
    before = now;
  }
  EXPECT_GT(Frame(glow.Img, glow.Cut, 6).pixelColor(2, 2).lightnessF(), corner.lightnessF() + 0.1);
  EXPECT_GT(before, 0.85);
}

TEST(Pictures, BoardPictureShowsGreenTealAndBlueWithALighterCentre) {
  const QImage board(Path("board.png"));
  EXPECT_GT(HueShare(board, 90, 160), 0.05);   // green
  EXPECT_GT(HueShare(board, 160, 200), 0.05);  // teal
  EXPECT_GT(HueShare(board, 200, 250), 0.2);   // blue
  EXPECT_GT(Lightness(board.copy(130, 130, 40, 40)), Lightness(board) + 0.05);
}

// Which edges of a trail frame the path crosses: Top, Bottom, Left, Right.
TEST(Pictures, TrailFramesLeaveByTheEdgesTheirPathsUse) {
  const char* edges[24] = {"",   "",   "TB", "LR", "TB", "TB", "LR", "LR", "BL", "BR", "TL", "TR",
                           "RT", "RB", "LT", "LB", "B",  "T",  "R",  "L",  "TR", "TL", "BR", "BL"};
  const Loaded trail = Load(Clip::Trail);
  ASSERT_EQ(trail.Cut.FrameCount(), 24);
  for (int f = 0; f < 24; ++f) {
    const QImage img = Frame(trail.Img, trail.Cut, f);
    const auto crosses = [&](char edge) {
      for (int a = 6; a < 25; ++a)
        for (int d = 0; d < 4; ++d) {
          const int x = edge == 'L' ? d : edge == 'R' ? 30 - d : a;
          const int y = edge == 'T' ? d : edge == 'B' ? 30 - d : a;
          if (IsCyan(img.pixelColor(x, y))) return true;
        }
      return false;
    };
    for (char edge : {'T', 'B', 'L', 'R'})
      EXPECT_EQ(crosses(edge), std::strchr(edges[f], edge) != nullptr)
          << "frame " << f << ", edge " << edge;
    int cyan = 0;
    for (int y = 0; y < 31; ++y)
      for (int x = 0; x < 31; ++x) cyan += IsCyan(img.pixelColor(x, y));
    EXPECT_EQ(cyan == 0, f < 2) << "frame " << f;
  }
}

TEST(Pictures, IconIsABlueBallWithARedVOnAStarInSixteenColours) {
  const QImage icon(Path("vexlar.png"));
  ASSERT_EQ(icon.size(), QSize(32, 32));
  QSet<QRgb> opaque;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (qAlpha(icon.pixel(x, y)) == 255) opaque.insert(icon.pixel(x, y));
  EXPECT_LE(opaque.size(), 16);
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);  // outside the star
  for (QRgb c :
       {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(255, 255, 0)})
    EXPECT_TRUE(opaque.contains(c)) << std::hex << c;
  EXPECT_EQ(icon.pixel(16, 16), qRgb(255, 0, 0));  // the V crosses the middle
  // The same icon for screens of twice the density.
  const QImage twice(Path("vexlar@2x.png"));
  ASSERT_EQ(twice.size(), QSize(64, 64));
  EXPECT_EQ(twice.pixel(32, 38), qRgb(255, 0, 0));  // the V, below the middle
  EXPECT_EQ(qAlpha(twice.pixel(0, 0)), 0);
}

TEST(Pictures, AboutAnimationIsAnAnimatedPictureOfThePlayersSize) {
  QImageReader reader(Path("about.gif"));
  ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
  EXPECT_EQ(reader.size(), QSize(254, 191));
  EXPECT_GT(reader.imageCount(), 12);
}
