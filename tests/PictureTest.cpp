// The shipped pictures as the drawing code draws them, their frames at every size, the movie.
#include <gtest/gtest.h>

#include <map>

#include "Paint.h"
#include "Pictures.h"

using namespace vexlar;

static QImage Picture(const QString& file) { return QImage(QString(VEXLAR_ASSET_DIR "/") + file); }

// The files are what the code draws at scales 1 and 2. Drawn for a cell, a strip has each frame
// at the cell's size, and each frame scaled down looks most like its own 1x frame.
TEST(Pictures, DrawnAsTheFilesAndFramedForEveryCell) {
  for (const PictureFile& f : PictureFiles) {
    SCOPED_TRACE(f.File);
    const QImage one = Picture(f.File), two = Picture(TwiceName(f.File));
    ASSERT_EQ(one.size(), QSize(f.Width, f.Height));
    EXPECT_EQ(f.Draw({1, 1}, nullptr).convertToFormat(one.format()), one);
    EXPECT_EQ(f.Draw({1, 2}, nullptr).convertToFormat(two.format()), two);
    PictureStrip cut = f.Cut();
    if (f.Strip == Clip::Board) cut.Rows = cut.Cols = 8;  // 37-px pieces, as an 8 x 8 Start cuts
    if (f.Strip == Clip::Cell) continue;  // one plain frame, stretched to the square cells
    // 53-px cells: more pixels than a 1x frame, fewer than a 2x one, of no whole scale.
    const QImage cell = f.Draw({cut.FrameWidth(), 53}, nullptr);
    ASSERT_EQ(cell.size(), QSize(cut.Cols, cut.Rows) * 53);
    const QImage down = cell.scaled(QSize(cut.Cols, cut.Rows) * cut.FrameWidth(),
                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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

// A cell's frame lies in the picture drawn for its device size, the files' sizes among them.
TEST(Pictures, FramesHaveTheCellsDeviceSize) {
  const PictureFile& marks = FileOf(Clip::Mark);
  StripFrames frames({}, marks.Draw);
  const Rect fifth = marks.Cut().Frame(5);  // row 1, column 1
  for (int side : {37, 100, 131}) {
    const StripFrames::Piece piece = frames.Frame(fifth, {side, side});
    EXPECT_EQ(piece.From, QRect(side, side, side, side));
    EXPECT_EQ(piece.Picture->size(), QSize(4, 3) * side);
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
