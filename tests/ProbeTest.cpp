// Tracing and its trails on worked examples; firing, its captions and counters; the pair highlight.
#include <gtest/gtest.h>

#include <array>

#include "GridControl.h"
#include "Play.h"
#include "Probe.h"

using namespace vexlar;
using namespace vexlar::test;

// What a probe leaves drawn, cell by cell: {row, column, frame}, 99 where it drew nothing; and
// where it ends, a position {row, column} with the borders at 0 and side + 1. A turn shows where
// it came in and where it went; a path that comes back joins both ways.
TEST(Trails, TheEdgesOfTheRuleTurnsUTurnsAndPathsThatComeBack) {
  struct Path {
    int Size;
    std::vector<std::string> Ques;
    Side From;
    int At;
    std::vector<std::array<int, 3>> Shows;
    std::array<int, 2> Ends{};  // {0, 0}, a hidden corner: not checked
    bool Hit = false, Demo = true;
  };
  const std::string row3 = "Q.....Q", q1 = "Q......", q7 = "......Q", q3 = "..Q....";
  const std::vector<std::string> example = {".....", "....Q", "..Q.."};
  const Path paths[] = {
      // Up column 2, turned left in row 4 by the que at (3,3): up arrow, corner, left arrow.
      {5, example, Side::Bottom, 2, {{5, 2, 4}, {4, 2, 8}, {4, 1, 6}}, {4, 0}},
      // (2,5) lies beside the first cell of row 3 from the right: reflected at once, undrawn.
      {5, example, Side::Right, 3, {{3, 5, 99}}, {3, 6}},
      // Down column 3 into (3,3): absorbed in the last free cell, (2,3).
      {5, example, Side::Top, 3, {{2, 3, 5}}, {2, 3}, true},
      {5, {"QQQ.."}, Side::Top, 2, {}, {0, 2}, true},  // a que straight on beats those beside it
      // Ques on both diagonals ahead send it back down its column: 4, 9, 16 in that cell.
      {5, {".....", "Q.Q.."}, Side::Bottom, 2, {{3, 2, 16}, {4, 2, 2}}, {6, 2}},
      // Turned toward the near border, it leaves beside the cell; without demo nothing is drawn.
      {5, {".....", ".Q..."}, Side::Bottom, 1, {{3, 1, 99}}, {3, 0}, false, false},
      // One que beside the path: up, down, left and right, turned either way.
      {7, {"", "", q1}, Side::Bottom, 2, {{4, 2, 9}, {4, 3, 7}}},
      {7, {"", "", "", "", "..Q"}, Side::Top, 2, {{4, 2, 10}, {3, 2, 5}, {4, 1, 6}}},
      {7, {"", "", "", "", q1}, Side::Top, 2, {{4, 2, 11}, {4, 3, 7}}},
      {7, {"", "", "....Q"}, Side::Right, 2, {{2, 6, 12}, {2, 7, 6}, {1, 6, 4}}},
      {7, {"....Q"}, Side::Right, 2, {{2, 6, 13}, {3, 6, 5}}},
      {7, {"", "", q3}, Side::Left, 2, {{2, 2, 14}, {2, 1, 7}, {1, 2, 4}}},
      {7, {q3}, Side::Left, 2, {{2, 2, 15}, {3, 2, 5}}},
      // Round three turns and across its own path, which shows the newer arrow.
      {7, {"", ".Q...Q", "", "", "", ".....Q"}, Side::Left, 5, {{5, 5, 14}, {3, 3, 13}, {5, 3, 5}}},
      // Turned, sent back by two ques ahead, and out again at its own button.
      {7, {"", "", row3, "", q7}, Side::Bottom, 2, {{4, 2, 22}, {4, 6, 19}, {4, 4, 3}, {6, 2, 2}}},
      {7, {"", "", row3, "", q1}, Side::Bottom, 6, {{4, 6, 23}, {4, 2, 18}}},
      {7, {"", "", q1, "", "Q.....Q"}, Side::Top, 6, {{4, 6, 21}, {4, 2, 18}, {2, 6, 2}}},
      {7, {q3, "", "", "", "", "", "..Q.Q"}, Side::Right, 2, {{2, 4, 22}, {6, 4, 17}}},
      {7, {"..Q.Q", "", "", "", "", "", q3}, Side::Right, 6, {{6, 4, 20}, {2, 4, 16}}},
  };
  for (const Path& path : paths) {
    SCOPED_TRACE(testing::Message() << "from side " << int(path.From) << " at " << path.At);
    Recorder rec;
    Game g{&rec, &rec};
    g.S.GridSize = static_cast<std::int16_t>(path.Size);  // below the bars' least, so laid directly
    g.S.GridEdge = static_cast<std::int16_t>(path.Size + 1);
    g.S.GridSpan = static_cast<std::int16_t>(path.Size + 2);
    CreateBoard(g, 26);
    LayoutBoard(g, g.S.GridEdge);
    g.Panel.ChkDemo = path.Demo;
    PutQues(g, path.Ques);
    const auto image = [&](int row, int col) -> ImageView& {
      return g.Board.Images[ImageAt(g.S, row, col)];
    };
    for (auto [row, col, frame] : path.Shows)
      if (frame == 99) image(row, col).Frame = 99;
    const std::int16_t end = TraceProbe(g, EdgePos(g.S, path.From, path.At));
    for (auto [row, col, frame] : path.Shows)
      EXPECT_EQ(image(row, col).Frame, frame) << "cell " << row << "," << col;
    if (path.Ends[0] || path.Ends[1]) {
      EXPECT_EQ(end, g.S.Pos(std::int16_t(path.Ends[0]), std::int16_t(path.Ends[1])));
      EXPECT_EQ(g.S.ProbeHit != 0, path.Hit);
    }
  }
}

TEST_F(Play, FiringOutcomesCaptionsColoursCountersAndThePairHighlight) {
  Start(8, 4);
  PutQues(G, {"........", "....Q...", "..Q.....", "........", "........", "Q......."});
  GameState& s = G.S;
  const BoardModel& b = G.Board;
  Rec.Log.clear();
  const std::int16_t through = Edge(s, Side::Top, 8);  // down column 8 and out at its foot
  G.EdgeButtonClick(through);
  EXPECT_EQ((std::vector<std::string>{"run probe", "pump", "play probe"}), Rec.Log);
  const std::int16_t foot = Edge(s, Side::Bottom, 8);
  EXPECT_EQ(s.Cells[s.ButtonPos(through)].Partner, EdgePos(s, Side::Bottom, 8));
  EXPECT_EQ(s.Cells[EdgePos(s, Side::Bottom, 8)].Partner, EdgePos(s, Side::Top, 8));
  EXPECT_EQ(b.Buttons[through].Caption + b.Buttons[foot].Caption, "11");
  EXPECT_EQ(b.Buttons[foot].BackColour, ColourPair);
  const std::int16_t absorbed = Edge(s, Side::Left, 3), reflected = Edge(s, Side::Left, 5);
  G.EdgeButtonClick(absorbed);
  G.EdgeButtonClick(reflected);
  EXPECT_EQ(b.Buttons[absorbed].BackColour, ColourAbsorbed);
  EXPECT_EQ(b.Buttons[reflected].BackColour, ColourReflected);
  EXPECT_EQ(b.Buttons[absorbed].Caption + b.Buttons[reflected].Caption, "23");
  EXPECT_EQ(s.ExitCount, 1);
  // Used buttons fire nothing; a pair end paints both ends in the pair colour again.
  G.Board.SetColour(through, ColourHighlight);
  G.Board.SetColour(foot, ColourHighlight);
  for (std::int16_t used : {foot, absorbed, reflected}) G.EdgeButtonClick(used);
  EXPECT_EQ(s.ProbeCount, 3);
  EXPECT_EQ(b.Buttons[through].BackColour, ColourPair);
  // A pair end's press lights both with a flash each, its click paints them back; unused: nothing.
  Rec.Log.clear();
  G.EdgeButtonPress(through);
  EXPECT_EQ(b.Buttons[foot].BackColour, ColourHighlight);
  EXPECT_EQ((std::vector<std::string>{"play flash", "play flash"}), Rec.Log);
  G.EdgeButtonPress(foot);
  EXPECT_EQ(Rec.Log.size(), 3u);
  G.EdgeButtonClick(foot);
  EXPECT_EQ(b.Buttons[through].BackColour, ColourPair);
  G.EdgeButtonPress(Edge(s, Side::Top, 3));
  EXPECT_EQ(Rec.Log.size(), 3u);
  // During a probe's pump a click is dropped; a press lights the pressed end only, not busy.
  Rec.OnPump = [&] { G.EdgeButtonClick(Edge(s, Side::Top, 7)); };
  G.EdgeButtonClick(Edge(s, Side::Top, 6));
  EXPECT_EQ(s.ProbeCount, 4);
  EXPECT_EQ(b.Buttons[Edge(s, Side::Top, 7)].Caption, "");
  Rec.OnPump = [&] {
    G.EdgeButtonPress(through);
    EXPECT_FALSE(s.ProbeBusy);
  };
  G.EdgeButtonClick(Edge(s, Side::Top, 2));
  EXPECT_EQ(b.Buttons[through].BackColour, ColourHighlight);
  EXPECT_EQ(b.Buttons[foot].BackColour, ColourPair);
}
