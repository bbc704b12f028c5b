// Worked examples of the board, placement, marking, the clock, the finish and the panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "PanelLayout.h"
#include "PictureStrip.h"
#include "Play.h"
#include "Probe.h"
#include "QueControl.h"

using namespace vexlar;
using namespace vexlar::test;

TEST_F(Play, BoardNumberingOfTheDesignsExampleTheFirstBuildAndTheWindowsPlaces) {
  const GameState& s = G.S;
  // A 625-pixel window's one build, whatever activates it in its pump: 600 / 27 = 22 a position.
  EXPECT_EQ(s.BoardSize, 600);
  EXPECT_EQ(s.CellWidth, 22);
  EXPECT_EQ(G.Panel.Cover.Width, 625 - 8 - 2);
  EXPECT_EQ((std::vector<std::string>{"pump"}), Rec.Log);
  G.BuildBoardOnce(900, 0, 0);  // a second activation changes nothing
  EXPECT_EQ(s.BoardSize, 600);
  Start(8, 4);
  EXPECT_EQ(s.CellWidth, 60);
  // Side 8: buttons 10 and 11 at either end of row 1, images 0 to 7 between; the corners hidden.
  EXPECT_EQ(s.Cells[10].But, 10);
  EXPECT_EQ(s.Cells[11].Box, 0);
  EXPECT_EQ(s.Cells[19].But, 11);
  EXPECT_EQ(s.Cells[89].But, 25);
  EXPECT_EQ(s.Cells[90].But, 26);
  for (int corner : {0, 9, 26, 35}) EXPECT_FALSE(G.Board.Buttons[corner].Visible) << corner;
  EXPECT_EQ(&s.MarkRec(0), &s.Cells[9]);  // the mark flags of images 0 and 63
  EXPECT_EQ(&s.MarkRec(63), &s.Cells[72]);
  Finish();
  Start(14, 4);
  EXPECT_EQ(s.CellWidth, 38);  // 600 / 16 = 37.5, rounded half to even
  EXPECT_EQ(RoundEven(36.5), 36);
  EXPECT_EQ(G.Board.Images[9].Frame, 9);
  EXPECT_EQ(G.Board.BoardRows, 14);
  // A window of 425 pixels inside: 400 / 16 = 25 a position, the probe and the cover kept.
  G.EdgeButtonClick(1);
  G.ResizeBoard(425);
  EXPECT_EQ(s.CellWidth, 25);
  EXPECT_EQ(G.Board.Buttons[16].Place, (Rect{12, 37, 25, 25}));  // left of row 1
  EXPECT_EQ(G.Panel.Cover.Width, 425 - 8 - 2);
  EXPECT_EQ(G.Board.Buttons[1].Caption, "1");
  EXPECT_EQ(s.ProbeCount, 1);
  EXPECT_EQ((PictureStrip{200, 150, 3, 4}.Frame(5)), (Rect{50, 50, 50, 50}));
  EXPECT_EQ((PictureStrip{300, 300, 14, 14}.Frame(195)), (Rect{273, 273, 21, 21}));
  // Wide windows keep the rule, with the frame of a maximized child; narrow ones fit the width.
  EXPECT_EQ(LayoutWindow(1920, 1042).PanelLeftTwips, (1042 + 26) * 15 - 70);
  // The panel grows with the board, never below its design size: three times as big beside a
  // board of three times the design window's 7360 twips with its frame; Start three times as tall.
  EXPECT_EQ(LayoutWindow(632, 422).Scale, 1.0);
  const WindowLayout big = LayoutWindow(2000, 1446);
  std::vector<DesignPlace> start{{7380, 2445, 1290, 405}};
  LayoutPanel(start, big.PanelLeftTwips, big.Scale);
  EXPECT_EQ((std::vector<float>{start[0].Left, start[0].Top, start[0].Height}),
            (std::vector<float>{22010 + 270, 7335, 1215}));
  // A portrait screen: the panel, 1.83 times as big, ends at pixel 1076 beside a smaller board.
  EXPECT_EQ(LayoutWindow(1080, 1882).BoardHeight, 873);
}

// Random boards: ques distinct, apart unless adjacency is on, in every row; paths reversible.
TEST_F(Play, PlacementDistinctCellsApartUnlessAdjacencyEveryRowReachedAndPathsRunBothWays) {
  std::set<int> rows;
  for (int round = 0; round < 300; ++round) {
    G.Panel.ChkAdjacency = round % 3 == 0;
    G.TimeOfDay = [round] { return round * 1.5f; };
    Start(8 + round % 18, 4 + round % 13);
    const GameState& s = G.S;
    std::set<int> seen;
    for (int j = 1; j <= s.QueCount; ++j) {
      const std::int16_t b = s.QueList[j], k = s.ImagePos(b);
      ASSERT_TRUE(seen.insert(b).second) << "a cell chosen twice";
      if (s.GridSize == 8) rows.insert(b / 8);
      if (G.Panel.ChkAdjacency) continue;
      for (int n : {-1, 1, -s.GridSpan, +s.GridSpan})
        ASSERT_FALSE(s.Cells[k + n].Que) << "touching";
    }
    for (int i = 1; i <= s.GridSize; ++i)
      for (Side side : {Side::Top, Side::Left}) {
        const std::int16_t k = EdgePos(s, side, i), r = TraceProbe(G, k);
        ASSERT_TRUE(s.ProbeHit || r == k || TraceProbe(G, r) == k) << "not reversible";
      }
    Finish();
  }
  EXPECT_EQ(rows.size(), 8u) << "a row of cells never got a que";
}

TEST_F(Play, PlacementStuckStartsAgainFromAnEmptyBoard) {
  Start(8, 8);
  std::vector<double> script = {0.11};  // image 0, then only border draws: a fresh start
  script.insert(script.end(), 5, 0.0);
  for (int pos : {33, 37, 73, 77}) script.push_back(pos / 100.0 + 0.001);
  PutQues(G, {});
  G.S.QueCount = 4;
  std::size_t next = 0;
  PlaceQuesWith(
      G, [&] { return script.at(next++); }, 5);
  EXPECT_FALSE(G.S.Cells[11].Que) << "the first attempt was not undone";
  EXPECT_EQ(G.S.QueList[1], 2 * 8 + 2);
}

TEST_F(Play, MarkingLimitOrderAndRemoval) {
  Start(8, 4);
  Rec.Log.clear();
  for (int i : {7, 3, 9, 3}) G.CellClick(static_cast<std::int16_t>(i));
  EXPECT_EQ(G.S.MarkList[1], 7);  // 3 left the list, 9 moved down
  EXPECT_EQ(G.S.MarkList[2], 9);
  for (int i : {0, 20, 30}) G.CellClick(static_cast<std::int16_t>(i));
  EXPECT_EQ(G.Panel.TxtMarks, "4");  // the fifth was refused
  EXPECT_EQ(G.Board.Images[30].Strip, Clip::Board);
  EXPECT_EQ(Rec.Log.back(), "play mark");
  EXPECT_EQ(std::count(Rec.Log.begin(), Rec.Log.end(), "play boomcrak"), 6);
  G.CellClick(0);  // removal is never refused; image 0's flag lives in a border record
  EXPECT_EQ(G.S.MarkCount, 3);
  EXPECT_FALSE(G.S.Cells[9].Marked);
}

TEST_F(Play, ClockCountsDownInTicksHoldsWhilePausedAnimatesMarksAndShowsQuesInDemo) {
  G.Panel.ChkDemo = 1;
  Start(8, 4);
  PutQues(G, {"Q.......", "", "..Q.....", "", "", "", "......Q."});
  EXPECT_EQ(G.S.TimeBonus, 1040);
  G.CellClick(ImageAt(G.S, 1, 1));
  G.CellClick(40);
  G.S.MarkFrame = 11;
  G.Timer1Tick();
  EXPECT_EQ(G.Panel.TxtScore, "1039");
  EXPECT_EQ(G.S.MarkFrame, 0);  // both marks showed 11, then the count wrapped
  EXPECT_EQ(G.Board.Images[40].Frame, 11);
  EXPECT_EQ(G.Board.Images[ImageAt(G.S, 1, 1)].Strip,
            Clip::Mark);  // a marked que keeps its mark
  EXPECT_EQ(G.Board.Images[ImageAt(G.S, 3, 3)].Strip, Clip::Glow);
  G.PauseClick();
  G.Timer1Tick();  // a tick already queued does nothing
  EXPECT_EQ(G.S.TimeBonus, 1039);
  G.PauseClick();
  for (int t = 0; t < 1039; ++t) G.Timer1Tick();
  EXPECT_EQ(G.Panel.TxtScore, "000000");
  G.Timer1Tick();
  EXPECT_EQ(G.S.TimeBonus, -1);  // the game goes on
  G.S.MarkFrame = 5;
  G.CellClick(41);  // a new mark shows the frame the others show
  EXPECT_EQ(G.Board.Images[41].Frame, 5);
  G.TakeBoardChanges([](ElementId) {});
  Finish();  // the que on show says it was missed, though it shows as it did
  G.TakeBoardChanges([](ElementId) {});
  EXPECT_EQ(G.Board.Images[ImageAt(G.S, 3, 3)].Words, "row 3, column 3: a que, missed");
  EXPECT_EQ(G.Board.Images[41].Words, "row 6, column 2: marked, no que here");
  Start(8, 4);  // and a new game's marks turn from the first frame
  G.CellClick(41);
  EXPECT_EQ(G.Board.Images[41].Frame, 0);
}

// Four ques on side 8 and 9 probes, 2 of them out elsewhere: hits, skill bonus and message.
TEST_F(Play, FinishScoresTheDesignsExamples) {
  struct Case {
    std::vector<std::pair<int, int>> Marks;
    int Hits, Skill;
    const char* Message;
  };
  const Case cases[] = {
      {{{2, 2}, {2, 6}, {6, 2}, {4, 4}}, 3, 510, "You hit 3 of 4 with 9 probes."},
      {{{2, 2}, {2, 6}, {6, 2}, {6, 6}}, 4, 810, "You hit 4 of 4 with 9 probes."},
      {{{4, 4}}, 0, 0, "You hit 0 of 4 with 9 probes."},
      {{{2, 2}, {2, 6}}, 2, 410, "You hit 2 of 4 with 9 probes."},  // every mark right, ques left
  };
  for (const Case& c : cases) {      // one after the other, as a player plays them
    G.Panel.PendingMessage.reset();  // the last result box shown
    Start(8, 4);
    PutQues(G, {"", ".Q...Q..", "", "", "", ".Q...Q.."});
    G.S.ProbeCount = 9;
    G.S.ExitCount = 2;
    for (auto [r, col] : c.Marks) G.CellClick(ImageAt(G.S, r, col));
    G.SetVScroll1(25);  // bars moved during the game do not change its score
    G.FinishClick();
    EXPECT_FALSE(G.Panel.PendingMessage);
    G.StartGame();  // ignored while Finish waits for the first reveal step
    G.Timer2Tick();
    EXPECT_EQ(G.S.HitCount, c.Hits);
    EXPECT_EQ(G.S.SkillBonus, c.Skill);
    EXPECT_EQ(G.Panel.TxtScore2, Decimal(c.Skill));
    EXPECT_EQ(G.Panel.PendingMessage.value_or(""), c.Message);
    G.TakeBoardChanges([](ElementId) {});  // the words said as the window takes the changes
    const std::string said = c.Hits == 4 ? "marked, a que found" : "a que, missed";
    EXPECT_EQ(G.Board.Images[ImageAt(G.S, 6, 6)].Words, "row 6, column 6: " + said);
    EXPECT_EQ(G.Board.Images[ImageAt(G.S, 4, 4)].Strip,
              std::ranges::count(c.Marks, std::pair{4, 4}) ? Clip::Wrong : Clip::Board);
  }
}

TEST_F(Play, SettingsQueBarHeldAtTheBoardSideAndMuteSetsEveryVolume) {
  EXPECT_EQ(G.Panel.TxtGridSize + "/" + G.Panel.TxtQues, "14/4");
  EXPECT_EQ(Rec.Volumes, (std::array<int, SoundKindCount>{}));  // full volume from the load
  G.SetVScroll2(14);
  G.SetVScroll1(13);
  EXPECT_EQ(G.Panel.TxtQues, "13");
  G.SetVScroll1(10);
  G.SetVScroll2(16);
  EXPECT_EQ(G.Panel.TxtQues, "10");
  const OptionRow& mute = OptionFor(&PanelView::ChkAudio);
  G.OptionClick(mute, 1);
  for (int v : Rec.Volumes) EXPECT_EQ(v, VolumeSilent);
  G.OptionClick(mute, 0);
  for (int v : Rec.Volumes) EXPECT_EQ(v, 0);
}
