// The shipped pictures as the drawing code draws them, their frames at every scale, the movie.
#include <gtest/gtest.h>

#include <map>

#include "Paint.h"
#include "Pictures.h"

using namespace vexlar;

static QImage Picture(const QString& file) { return QImage(QString(VEXLAR_ASSET_DIR "/") + file); }

// Each frame of the 2x and scale-3 pictures, scaled down, looks most like its own 1x frame.
TEST(Pictures, SizesAndFramesAtEveryScale) {
  for (const PictureFile& f : PictureFiles) {
    SCOPED_TRACE(f.File);
    const QImage one = Picture(f.File), two = Picture(TwiceName(f.File));
    ASSERT_EQ(one.size(), QSize(f.Width, f.Height));
    ASSERT_EQ(two.size(), 2 * one.size());
    // The shipped file is what the code draws now; the board's spirals take seconds to draw.
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
  // The about movie as drawn, at both densities, its rings whole as the arrow goes round.
  for (int scale : {1, 2})
    for (int f = 0; f < pictures::AboutFrames; f += pictures::AboutFrames / 4) {
      const QImage frame = pictures::AboutFrame(f, scale);
      ASSERT_EQ(frame.size(), QSize(254, 191) * scale);
      for (int y : {0, frame.height() - 1})
        for (int x = 0; x < frame.width(); ++x) {
          const QColor c = frame.pixelColor(x, y);
          ASSERT_LT(c.blue() - c.red(), 30) << "frame " << f << " at " << x << "," << y;
        }
    }
}
