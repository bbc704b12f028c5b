// Board numbering, layout, clearing, the first build and picture strips.
#include <gtest/gtest.h>

#include "GameTestSupport.h"
#include "GridControl.h"
#include "PanelLayout.h"
#include "PictureStrip.h"

using namespace vexlar;
using namespace vexlar::test;

TEST(Board, NumberingOfTheEightByEightBoard) {
  Fixture f;
  f.Start(8, 4);
  const GameState& s = f.G.S;
  EXPECT_EQ(s.PosCount, 100);
  EXPECT_EQ(s.ButCount, 36);
  EXPECT_EQ(s.BoxCount, 64);
  for (int k = 0; k <= 9; ++k) EXPECT_EQ(s.Cells[k].But, k);
  EXPECT_TRUE(s.Cells[10].IsButton);
  EXPECT_EQ(s.Cells[10].But, 10);
  EXPECT_FALSE(s.Cells[11].IsButton);
  EXPECT_EQ(s.Cells[11].Box, 0);
  EXPECT_EQ(s.Cells[11].Row, 1);
  EXPECT_EQ(s.Cells[11].Col, 1);
  EXPECT_EQ(s.Cells[19].But, 11);
  EXPECT_EQ(s.Cells[80].But, 24);
  EXPECT_EQ(s.Cells[88].Box, 63);
  EXPECT_EQ(s.Cells[89].But, 25);
  for (int k = 90; k <= 99; ++k) EXPECT_EQ(s.Cells[k].But, k - 64);
  int visible = 0;
  for (int i = 0; i < 36; ++i) visible += f.G.Board.Buttons[i].Visible;
  EXPECT_EQ(visible, 32);
  for (int corner : {0, 9, 26, 35}) {
    EXPECT_FALSE(f.G.Board.Buttons[corner].Visible) << corner;
    EXPECT_TRUE(s.Cells[s.ButtonPos(static_cast<std::int16_t>(corner))].IsButton);
  }
  EXPECT_TRUE(f.G.Board.Buttons[1].Visible);
  EXPECT_TRUE(f.G.Board.Buttons[10].Visible);
  // mark flags of images 0 and 63 live in records 9 and 72
  EXPECT_EQ(&f.G.S.MarkRec(0), &f.G.S.Cells[9]);
  EXPECT_EQ(&f.G.S.MarkRec(63), &f.G.S.Cells[72]);
}

TEST(Board, LargestBoardAndShrinkingHidesTheRest) {
  Fixture f;
  const GameState& s = f.G.S;
  EXPECT_EQ(s.PosCount, 729);
  EXPECT_EQ(s.ButCount, 104);
  EXPECT_EQ(s.BoxCount, 625);
  for (int corner : {0, 26, 77, 103}) EXPECT_FALSE(f.G.Board.Buttons[corner].Visible);
  EXPECT_TRUE(f.G.Board.Buttons[25].Visible);
  EXPECT_TRUE(f.G.Board.Images[624].Visible);
  EXPECT_FALSE(f.G.Board.Images[625].Visible);

  f.Start(25, 16);
  f.G.EdgeButtonClick(Edge(f.G.S, Side::Top, 1));
  f.G.CellClick(5);
  f.Finish();
  f.Start(8, 4);
  for (int i = 36; i < ButtonCapacity; ++i) EXPECT_FALSE(f.G.Board.Buttons[i].Visible) << i;
  for (int b = 64; b < ImageCapacity; ++b) EXPECT_FALSE(f.G.Board.Images[b].Visible) << b;
  for (int i = 0; i < 36; ++i) {
    EXPECT_EQ(f.G.Board.Buttons[i].Caption, "");
    EXPECT_EQ(f.G.Board.Buttons[i].BackColour, ColourUntouched);
  }
  int marked = 0;
  for (const auto& c : s.Cells) marked += c.Marked != 0 || c.Probed != 0 || c.Partner != 0;
  EXPECT_EQ(marked, 0);
}

TEST(Board, PlacesTileWithoutGapsAndPicturesArePieces) {
  Fixture f;
  f.Start(8, 4);
  const GameState& s = f.G.S;
  EXPECT_EQ(s.CellWidth, 60);
  for (int k = 0; k < s.PosCount; ++k) {
    const auto& c = s.Cells[k];
    const Rect r = c.IsButton ? f.G.Board.Buttons[c.But].Place : f.G.Board.Images[c.Box].Place;
    EXPECT_EQ(r.Left, 60 * c.Col + s.BoardLeft + 1);
    EXPECT_EQ(r.Top, 60 * c.Row + s.BoardTop + 1);
    EXPECT_EQ(r.Width, 60);
  }
  EXPECT_EQ(f.G.Board.Images[9].Strip, Clip::Board);
  EXPECT_EQ(f.G.Board.Images[9].Frame, 9);
  EXPECT_EQ(f.G.Board.BoardRows, 8);
  EXPECT_EQ(f.G.Board.BoardCols, 8);
}

TEST(Board, FirstBuildGeometryAndCellWidthsRoundHalfToEven) {
  Fixture f;
  EXPECT_EQ(f.G.S.BoardSize, 600);
  EXPECT_EQ(f.G.S.CellWidth, 22);
  EXPECT_EQ(f.G.S.BoardLeft, 11);
  EXPECT_EQ(f.G.Panel.Cover.Width, 625 - 8 - 2);
  EXPECT_EQ(f.G.Panel.Cover.Height, 625 - 8 - 2);
  EXPECT_TRUE(f.G.Panel.CoverVisible);
  EXPECT_TRUE(f.G.Panel.StartEnabled);
  EXPECT_EQ(f.Rec.Log, std::vector<std::string>{"pump"});
  f.G.BuildBoardOnce(900, 0, 0);  // a second activation changes nothing
  EXPECT_EQ(f.G.S.BoardSize, 600);
  f.Start(14, 4);
  EXPECT_EQ(f.G.S.CellWidth, 38);  // 37.5
  f.Finish();
  f.Start(22, 4);
  EXPECT_EQ(f.G.S.CellWidth, 25);
}

TEST(Board, ActivationDuringTheBuildPumpDoesNotBuildTwice) {
  Recorder rec;
  Game g(&rec, &rec);
  g.LoadWindow();
  int pumps = 0;
  rec.OnPump = [&] {
    ++pumps;
    g.BuildBoardOnce(625, 10, 10);
  };
  g.BuildBoardOnce(625, 10, 10);
  EXPECT_EQ(pumps, 1);
  EXPECT_TRUE(g.S.BoardBuilt);
}

TEST(PictureStrip, FrameRectangles) {
  PictureStrip a{200, 150, 3, 4};
  EXPECT_EQ(a.FrameWidth(), 50);
  EXPECT_EQ(a.FrameHeight(), 50);
  EXPECT_EQ(a.Frame(5), (Rect{50, 50, 50, 50}));
  EXPECT_EQ(a.Frame(11), (Rect{150, 100, 50, 50}));
  PictureStrip board{300, 300, 14, 14};
  EXPECT_EQ(board.Frame(195), (Rect{273, 273, 21, 21}));  // the last 6 pixels show nowhere
  PictureStrip trail{124, 186, 6, 4};
  EXPECT_EQ(trail.FrameCount(), 24);
  EXPECT_EQ(trail.Frame(23), (Rect{93, 155, 31, 31}));
}

TEST(PanelLayout, SlidesBesideTheBoardKeepingOffsets) {
  // TxtScore, VScroll1, CmdStart, then CtrlBoxBack, in their design places.
  std::vector<DesignPlace> p = {
      {7425, 510, 1170, 315}, {8445, 3015, 210, 435}, {7380, 2445, 1290, 405}, CtrlBoxBackPlace};
  const std::int32_t left = PanelLeftFor(7350);
  EXPECT_EQ(left, 7280);
  LayoutPanel(p, left);
  EXPECT_EQ(p[3].Left, 7280);
  EXPECT_EQ(p[0].Left, 7415);
  EXPECT_EQ(p[1].Left, 8435);
  EXPECT_EQ(p[2].Left, 7370);
  EXPECT_EQ(p[2].Top, 2445);
  const std::vector<DesignPlace> moved = p;
  LayoutPanel(p, left);  // already in place: nothing changes
  for (std::size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i].Left, moved[i].Left);
  EXPECT_EQ(PanelLeftFor(2400 * 15), 35930);  // taller than 16 bits can hold
  // Wide windows keep the rule, with the frame of a maximized child; narrow ones fit the width.
  EXPECT_EQ(LayoutWindow(1920, 1042).BoardHeight, 1042);
  EXPECT_EQ(LayoutWindow(1920, 1042).PanelLeftTwips, (1042 + 26) * 15 - 70);
  const WindowLayout narrow = LayoutWindow(1080, 1882);
  EXPECT_EQ(narrow.BoardHeight, 956);  // the panel then ends at 16145 twips, pixel 1076
  EXPECT_EQ(narrow.PanelLeftTwips, (956 + 26) * 15 - 70);
}
