// The pictures: the shipped files as the drawing code draws them, their frames at every scale,
// the icon and the about movie.
#include <gtest/gtest.h>

#include <QImageReader>
#include <QPainter>
#include <map>

#include "Paint.h"
#include "Pictures.h"

using namespace vexlar;

static QImage Picture(const QString& file) { return QImage(QString(VEXLAR_ASSET_DIR "/") + file); }

// Each picture has its size, and its 2x picture and the one drawn at run time at scale 3, scaled
// down, show each frame where the 1x picture shows it: every such frame looks most like the 1x
// frame of its own number.
TEST(Pictures, SizesAndFramesAtEveryScale) {
  for (const PictureFile& f : PictureFiles) {
    SCOPED_TRACE(f.File);
    const QImage one = Picture(f.File), two = Picture(TwiceName(f.File));
    ASSERT_EQ(one.size(), QSize(f.Width, f.Height));
    ASSERT_EQ(two.size(), 2 * one.size());
    // The shipped file is what the drawing code draws now, and draws at run time at other scales.
    // The board's spirals take seconds at any scale.
    EXPECT_TRUE(f.Strip == Clip::Board || f.Draw(1, nullptr).convertToFormat(one.format()) == one);
    const QImage three = f.Strip == Clip::Board ? two : f.Draw(3, nullptr);
    ASSERT_EQ(three.size(), (f.Strip == Clip::Board ? 2 : 3) * one.size());
    PictureStrip cut = f.Cut();
    if (f.Strip == Clip::Board) cut.Rows = cut.Cols = 4;  // pieces as a Start cuts them
    for (const QImage& big : {two, three}) {
      const QImage down = big.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      for (int a = 0; a < cut.FrameCount(); ++a) {
        const Rect at = cut.Frame(static_cast<std::int16_t>(a));
        std::map<double, int> byDifference;  // the grey difference of each 1x frame, summed
        for (int b = 0; b < cut.FrameCount(); ++b) {
          const Rect to = cut.Frame(static_cast<std::int16_t>(b));
          double sum = 0;
          for (int y = 0; y < at.Height; ++y)
            for (int x = 0; x < at.Width; ++x)
              sum += std::abs(qGray(down.pixel(at.Left + x, at.Top + y)) -
                              qGray(one.pixel(to.Left + x, to.Top + y)));
          byDifference[sum] = b;
        }
        EXPECT_EQ(byDifference.begin()->second, a);
      }
    }
  }
}

TEST(Pictures, TheIconAsDrawnAndTheAboutMovieWhole) {
  for (int side : {32, 64}) {
    const QImage icon = Picture(side == 32 ? "vexlar.png" : "vexlar@2x.png");
    EXPECT_EQ(pictures::Icon(side, true).convertToFormat(icon.format()), icon);
  }
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
