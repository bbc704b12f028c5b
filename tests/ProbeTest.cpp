// Tracing: the worked example and the edge cases of the rule, the trails a player sees, paths
// that run both ways; firing with its captions, colours and counters; the pair highlight.
#include <gtest/gtest.h>

#include <array>

#include "Play.h"
#include "Probe.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {
// Board side 5, probes drawn in demo mode.
struct FiveByFive : ::testing::Test {
  Recorder rec;
  Game g{&rec, &rec};
  void SetUp() override {
    LayoutDirect(g, 5);
    g.Panel.ChkDemo = 1;
  }
  std::int16_t At(Side side, int i) const { return EdgePos(g.S, side, i); }
  ImageView& Cell(int row, int col) { return g.Board.Images[ImageAt(g.S, row, col)]; }
};
}  // namespace

TEST_F(FiveByFive, TheWorkedExampleAndTheEdgesOfTheRule) {
  PutQues(g, {".....", "....Q", "..Q.."});
  // Up column 2, turned left in row 4 by the que at (3,3): up arrow, corner, left arrow.
  EXPECT_EQ(TraceProbe(g, At(Side::Bottom, 2)), At(Side::Left, 4));
  EXPECT_FALSE(g.S.ProbeHit);
  EXPECT_EQ(Cell(5, 2).Frame, 4);
  EXPECT_EQ(Cell(4, 2).Frame, 8);
  EXPECT_EQ(Cell(4, 1).Frame, 6);
  // (2,5) lies beside the first cell of row 3 from the right: reflected at once, nothing drawn.
  Cell(3, 5).Frame = 99;
  EXPECT_EQ(TraceProbe(g, At(Side::Right, 3)), At(Side::Right, 3));
  EXPECT_FALSE(g.S.ProbeHit);
  EXPECT_EQ(Cell(3, 5).Frame, 99);
  // Down column 3 into (3,3): absorbed in the last free cell, (2,3).
  EXPECT_EQ(TraceProbe(g, At(Side::Top, 3)), g.S.Pos(2, 3));
  EXPECT_TRUE(g.S.ProbeHit);
  EXPECT_EQ(Cell(2, 3).Frame, 5);
  // A que straight on beats the two beside it.
  PutQues(g, {"QQQ.."});
  EXPECT_EQ(TraceProbe(g, At(Side::Top, 2)), At(Side::Top, 2));
  EXPECT_TRUE(g.S.ProbeHit);
  // Ques on both diagonals ahead send the probe back down its column: 4, 9, 16 in that cell.
  PutQues(g, {".....", "Q.Q.."});
  EXPECT_EQ(TraceProbe(g, At(Side::Bottom, 2)), At(Side::Bottom, 2));
  EXPECT_FALSE(g.S.ProbeHit);
  EXPECT_EQ(Cell(3, 2).Frame, 16);
  EXPECT_EQ(Cell(4, 2).Frame, 2);
  // Turned toward the near border, it leaves beside the cell; without demo nothing is drawn.
  PutQues(g, {".....", ".Q..."});
  g.Panel.ChkDemo = 0;
  Cell(3, 1).Frame = 99;
  EXPECT_EQ(TraceProbe(g, At(Side::Bottom, 1)), At(Side::Left, 3));
  EXPECT_EQ(Cell(3, 1).Frame, 99);
}

// What a demo probe leaves drawn on a 7 x 7 board, cell by cell: {row, column, frame}. A turn
// shows where it came in and where it went; a path that comes back joins both ways.
TEST(Trails, TurnsUTurnsAndPathsThatComeBack) {
  struct Path {
    std::vector<std::string> Ques;
    Side From;
    int At;
    std::vector<std::array<int, 3>> Shows;
  };
  const std::string row3 = "Q.....Q", q1 = "Q......", q7 = "......Q", q3 = "..Q....";
  const Path paths[] = {
      // One que beside the path: up, down, left and right, turned either way.
      {{"", "", "..Q"}, Side::Bottom, 2, {{4, 2, 8}, {5, 2, 4}, {4, 1, 6}}},
      {{"", "", q1}, Side::Bottom, 2, {{4, 2, 9}, {4, 3, 7}}},
      {{"", "", "", "", "..Q"}, Side::Top, 2, {{4, 2, 10}, {3, 2, 5}, {4, 1, 6}}},
      {{"", "", "", "", q1}, Side::Top, 2, {{4, 2, 11}, {4, 3, 7}}},
      {{"", "", "....Q"}, Side::Right, 2, {{2, 6, 12}, {2, 7, 6}, {1, 6, 4}}},
      {{"....Q"}, Side::Right, 2, {{2, 6, 13}, {3, 6, 5}}},
      {{"", "", q3}, Side::Left, 2, {{2, 2, 14}, {2, 1, 7}, {1, 2, 4}}},
      {{q3}, Side::Left, 2, {{2, 2, 15}, {3, 2, 5}}},
      // Round three turns and across its own path, which shows the newer arrow.
      {{"", ".Q...Q", "", "", "", ".....Q"}, Side::Left, 5, {{5, 5, 14}, {3, 3, 13}, {5, 3, 5}}},
      // Turned, sent back by two ques ahead, and out again at its own button.
      {{"", "", row3, "", q7}, Side::Bottom, 2, {{4, 2, 22}, {4, 6, 19}, {4, 4, 3}, {6, 2, 2}}},
      {{"", "", row3, "", q1}, Side::Bottom, 6, {{4, 6, 23}, {4, 2, 18}}},
      {{"", "", q1, "", "Q.....Q"}, Side::Top, 6, {{4, 6, 21}, {4, 2, 18}, {2, 6, 2}}},
      {{q3, "", "", "", "", "", "..Q.Q"}, Side::Right, 2, {{2, 4, 22}, {6, 4, 17}}},
      {{"..Q.Q", "", "", "", "", "", q3}, Side::Right, 6, {{6, 4, 20}, {2, 4, 16}}},
  };
  for (const Path& path : paths) {
    Recorder rec;
    Game g{&rec, &rec};
    LayoutDirect(g, 7);
    g.Panel.ChkDemo = 1;
    PutQues(g, path.Ques);
    TraceProbe(g, EdgePos(g.S, path.From, path.At));
    for (auto [row, col, frame] : path.Shows)
      EXPECT_EQ(g.Board.Images[ImageAt(g.S, row, col)].Frame, frame)
          << "from side " << int(path.From) << " at " << path.At << ", cell " << row << "," << col;
  }
}

TEST_F(Play, TracingPathsRunBothWays) {
  for (int round = 0; round < 24; ++round) {
    G.TimeOfDay = [round] { return round * 7.0f; };
    Start(8 + round % 18, 4 + round % 13);
    const GameState& s = G.S;
    for (int i = 1; i <= s.GridSize; ++i)
      for (Side side : {Side::Top, Side::Left}) {
        const std::int16_t k = EdgePos(s, side, i), r = TraceProbe(G, k);
        if (!s.ProbeHit && r != k) {
          ASSERT_EQ(TraceProbe(G, r), k) << "not reversible";
        }
      }
    Finish();
  }
}

TEST_F(Play, FiringOutcomesCaptionsColoursAndCounters) {
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
  // A click that arrives while a probe pumps events is dropped.
  Rec.OnPump = [&] { G.EdgeButtonClick(Edge(s, Side::Top, 7)); };
  G.EdgeButtonClick(Edge(s, Side::Top, 6));
  EXPECT_EQ(s.ProbeCount, 4);
  EXPECT_EQ(b.Buttons[Edge(s, Side::Top, 7)].Caption, "");
}

TEST_F(Play, PairHighlightPressLightsBothEndsAndTheClickPaintsThemBack) {
  Start(8, 4);
  PutQues(G, {});
  const GameState& s = G.S;
  const std::int16_t top = Edge(s, Side::Top, 1), foot = Edge(s, Side::Bottom, 1);
  G.EdgeButtonClick(top);
  Rec.Log.clear();
  G.EdgeButtonPress(top);
  EXPECT_EQ(G.Board.Buttons[foot].BackColour, ColourHighlight);
  EXPECT_EQ((std::vector<std::string>{"play flash", "play flash"}), Rec.Log);
  G.EdgeButtonPress(foot);  // yellow and intact: the flash again
  EXPECT_EQ(Rec.Log.size(), 3u);
  G.EdgeButtonClick(foot);
  EXPECT_EQ(G.Board.Buttons[top].BackColour, ColourPair);
  G.EdgeButtonPress(Edge(s, Side::Top, 3));  // unused: nothing at all
  EXPECT_EQ(Rec.Log.size(), 3u);
  // A press while a probe pumps events turns only the pressed end and clears the busy flag.
  Rec.OnPump = [&] {
    G.EdgeButtonPress(top);
    EXPECT_FALSE(G.S.ProbeBusy);
  };
  G.EdgeButtonClick(Edge(s, Side::Top, 2));
  EXPECT_EQ(G.Board.Buttons[top].BackColour, ColourHighlight);
  EXPECT_EQ(G.Board.Buttons[foot].BackColour, ColourPair);
}
