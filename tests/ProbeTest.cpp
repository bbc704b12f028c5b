// Tracing rules, trail pictures, firing and the pair highlight.
#include <gtest/gtest.h>

#include <random>

#include "GameTestSupport.h"
#include "Probe.h"
#include "QueControl.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {
// Board side 5 with ques at row 3, column 3 and row 2, column 5, probes drawn in demo mode.
struct FiveByFive : ::testing::Test {
  Recorder rec;
  Game g{&rec, &rec};
  void SetUp() override {
    LayoutDirect(g, 5);
    PutQues(g, {".....",  //
                "....Q",  //
                "..Q..",  //
                ".....",  //
                "....."});
    g.Panel.ChkDemo = 1;
  }
  std::int16_t At(Side side, int index) const { return EdgePos(g.S, side, index); }
  const ImageView& Cell(int row, int col) const {
    return g.Board.Images[g.S.Cells[g.S.Pos(row, col)].Box];
  }
};
}  // namespace

TEST_F(FiveByFive, ThroughProbeTurnsAndDrawsItsTrail) {
  // Up column 2, turned left in row 4 by the que at (3,3), out at the left of row 4.
  EXPECT_EQ(TraceProbe(g, At(Side::Bottom, 2)), At(Side::Left, 4));
  EXPECT_FALSE(g.S.ProbeHit);
  EXPECT_EQ(Cell(5, 2).Frame, 4);  // arrow up
  EXPECT_EQ(Cell(4, 2).Frame, 8);  // came up, turned left
  EXPECT_EQ(Cell(4, 1).Frame, 6);  // arrow left
  EXPECT_EQ(Cell(4, 2).Strip, Clip::Trail);
  for (const auto& c : g.S.Cells) ASSERT_EQ(c.Trail, 0);
}

TEST_F(FiveByFive, ReflectionOnEntryAndAbsorption) {
  const auto before = g.Board.Images;
  // The que at (2,5) lies beside the first cell of row 3 from the right.
  EXPECT_EQ(TraceProbe(g, At(Side::Right, 3)), At(Side::Right, 3));
  EXPECT_FALSE(g.S.ProbeHit);
  for (int b = 0; b < 25; ++b) EXPECT_EQ(g.Board.Images[b].Frame, before[b].Frame);
  // Down column 3 into the que at (3,3): absorbed in (2,3).
  EXPECT_EQ(TraceProbe(g, At(Side::Top, 3)), g.S.Pos(2, 3));
  EXPECT_TRUE(g.S.ProbeHit);
  EXPECT_EQ(Cell(1, 3).Frame, 5);
  EXPECT_EQ(Cell(2, 3).Frame, 5);
}

TEST_F(FiveByFive, AbsorbedOnEntryBeatsTheSideCells) {
  PutQues(g, {"QQQ.."});
  EXPECT_EQ(TraceProbe(g, At(Side::Top, 2)), At(Side::Top, 2));
  EXPECT_TRUE(g.S.ProbeHit);
}

TEST_F(FiveByFive, TwoQuesDiagonallyAheadSendTheProbeBack) {
  PutQues(g, {".....",  //
              "Q.Q.."});
  EXPECT_EQ(TraceProbe(g, At(Side::Bottom, 2)), At(Side::Bottom, 2));
  EXPECT_FALSE(g.S.ProbeHit);
  EXPECT_EQ(Cell(3, 2).Frame, 16);  // 4, 9, 16 drawn in turn
  EXPECT_EQ(Cell(4, 2).Frame, 2);
  EXPECT_EQ(Cell(5, 2).Frame, 2);
}

TEST_F(FiveByFive, DeflectionTowardTheNearBorderLeavesBesideTheCell) {
  PutQues(g, {".....",  //
              ".Q..."});
  // Up column 1, turned left in row 3: straight out at the left of row 3.
  EXPECT_EQ(TraceProbe(g, At(Side::Bottom, 1)), At(Side::Left, 3));
}

TEST_F(FiveByFive, WithoutDemoNothingIsDrawn) {
  g.Panel.ChkDemo = 0;
  const auto before = g.Board.Images;
  TraceProbe(g, At(Side::Bottom, 2));
  for (int b = 0; b < 25; ++b) EXPECT_EQ(g.Board.Images[b].Strip, before[b].Strip);
}

namespace {
// Random boards of every size: each trace ends at a visible button or in an absorption,
// paths are reversible, and no Trail outlives its trace.
void CheckRandomBoards(bool demo) {
  std::mt19937 gen(7);
  for (int round = 0; round < 60; ++round) {
    Fixture f;
    f.G.Panel.ChkAdjacency = static_cast<std::int16_t>(round % 2);
    f.G.Panel.ChkDemo = demo;
    f.G.TimeOfDay = [round] { return static_cast<float>(round * 37); };
    f.Start(8 + round % 18, 4 + (round * 5) % 13);
    const GameState& s = f.G.S;
    for (std::int16_t k = 0; k < s.PosCount; ++k) {
      const CellRec& c = s.Cells[k];
      const bool corner =
          (c.Row == 0 || c.Row == s.GridEdge) && (c.Col == 0 || c.Col == s.GridEdge);
      if (!c.IsButton || corner) continue;
      const std::int16_t r = TraceProbe(f.G, k);
      for (const auto& rec : s.Cells) ASSERT_EQ(rec.Trail, 0);
      if (s.ProbeHit || r == k) continue;
      ASSERT_TRUE(s.Cells[r].IsButton);
      ASSERT_TRUE(f.G.Board.Buttons[s.Cells[r].But].Visible) << "exit at a corner";
      ASSERT_EQ(TraceProbe(f.G, r), k) << "not reversible";
      ASSERT_FALSE(s.ProbeHit);
    }
  }
}
}  // namespace

TEST(TraceProperties, RandomBoards) { CheckRandomBoards(false); }
TEST(TraceProperties, RandomBoardsInDemoMode) { CheckRandomBoards(true); }

TEST(TraceProperties, EmptyBoardGoesStraightAcross) {
  Fixture f;
  f.Start(10, 4);
  PutQues(f.G, {});
  const GameState& s = f.G.S;
  for (int i = 1; i <= 10; ++i) {
    EXPECT_EQ(TraceProbe(f.G, EdgePos(s, Side::Top, i)), EdgePos(s, Side::Bottom, i));
    EXPECT_EQ(TraceProbe(f.G, EdgePos(s, Side::Left, i)), EdgePos(s, Side::Right, i));
  }
}

TEST(Firing, OutcomesCaptionsColoursAndCounters) {
  Fixture f;
  f.Start(8, 4);
  PutQues(f.G, {"........",  //
                "....Q...",  //
                "..Q.....",  //
                "........",  //
                "........",  //
                "Q.......",  //
                "........",  //
                ".......Q"});
  GameState& s = f.G.S;
  f.Rec.Log.clear();
  const std::int16_t through = Edge(s, Side::Top, 4);
  f.G.EdgeButtonClick(through);
  EXPECT_EQ(s.ProbeCount, 1);
  EXPECT_EQ((std::vector<std::string>{"run probe", "pump", "play probe"}), f.Rec.Log);
  const std::int16_t r = s.Cells[s.ButtonPos(through)].Partner;
  ASSERT_GT(r, 0);
  const std::int16_t e = s.Cells[r].But;
  EXPECT_EQ(s.Cells[r].Partner, s.ButtonPos(through));
  EXPECT_EQ(f.G.Board.Buttons[through].Caption, "1");
  EXPECT_EQ(f.G.Board.Buttons[e].Caption, "1");
  EXPECT_EQ(f.G.Board.Buttons[e].BackColour, ColourPair);
  EXPECT_EQ(s.ExitCount, 1);

  const std::int16_t absorbed = Edge(s, Side::Left, 3);  // straight into (3,3)
  f.G.EdgeButtonClick(absorbed);
  EXPECT_EQ(f.G.Board.Buttons[absorbed].BackColour, ColourAbsorbed);
  EXPECT_EQ(f.G.Board.Buttons[absorbed].Caption, "2");
  const std::int16_t reflected = Edge(s, Side::Left, 5);  // (6,1) beside the first cell
  f.G.EdgeButtonClick(reflected);
  EXPECT_EQ(f.G.Board.Buttons[reflected].BackColour, ColourReflected);
  EXPECT_EQ(f.G.Board.Buttons[reflected].Caption, "3");
  EXPECT_EQ(s.ExitCount, 1);

  // used buttons fire nothing; a pair end repaints both in the pair colour
  f.G.Board.SetColour(through, ColourHighlight);
  f.G.Board.SetColour(e, ColourHighlight);
  for (std::int16_t used : {through, e, absorbed, reflected}) f.G.EdgeButtonClick(used);
  EXPECT_EQ(s.ProbeCount, 3);
  EXPECT_EQ(f.G.Board.Buttons[through].BackColour, ColourPair);
  EXPECT_EQ(f.G.Board.Buttons[e].BackColour, ColourPair);
  EXPECT_EQ(f.G.Board.Buttons[absorbed].Caption, "2");
}

TEST(Firing, ClicksDuringTheEventPumpAreIgnored) {
  Fixture f;
  f.Start(8, 4);
  PutQues(f.G, {});
  int inner = 0;
  f.Rec.OnPump = [&] {
    if (inner++ == 0) f.G.EdgeButtonClick(2);
  };
  f.G.EdgeButtonClick(1);
  EXPECT_EQ(f.G.S.ProbeCount, 1);
  EXPECT_EQ(f.G.Board.Buttons[2].Caption, "");
}

TEST(PairHighlight, PressLightsBothEndsAndClickRestores) {
  Fixture f;
  f.Start(8, 4);
  PutQues(f.G, {});
  f.G.EdgeButtonClick(Edge(f.G.S, Side::Top, 1));  // leaves at the bottom of column 1
  const std::int16_t other = f.G.S.Cells[f.G.S.Cells[f.G.S.ButtonPos(1)].Partner].But;
  f.Rec.Log.clear();
  f.G.EdgeButtonPress(1);
  EXPECT_EQ(f.G.Board.Buttons[1].BackColour, ColourHighlight);
  EXPECT_EQ(f.G.Board.Buttons[other].BackColour, ColourHighlight);
  EXPECT_EQ((std::vector<std::string>{"play flash", "play flash"}), f.Rec.Log);
  f.G.EdgeButtonPress(other);  // yellow and intact: flash again, still yellow
  EXPECT_EQ(f.Rec.Log.size(), 3u);
  f.G.EdgeButtonClick(other);
  EXPECT_EQ(f.G.Board.Buttons[1].BackColour, ColourPair);
  EXPECT_EQ(f.G.Board.Buttons[other].BackColour, ColourPair);
  EXPECT_FALSE(f.G.S.ProbeBusy);

  f.Rec.Log.clear();
  f.G.EdgeButtonPress(3);  // unused: nothing at all
  EXPECT_TRUE(f.Rec.Log.empty());
  EXPECT_EQ(f.G.Board.Buttons[3].BackColour, ColourUntouched);
}

TEST(PairHighlight, PressDuringTheProbePumpClearsTheBusyFlag) {
  Fixture f;
  f.Start(8, 4);
  PutQues(f.G, {});
  f.G.EdgeButtonClick(1);
  const std::int16_t other = f.G.S.Cells[f.G.S.Cells[f.G.S.ButtonPos(1)].Partner].But;
  f.Rec.OnPump = [&] {
    f.G.EdgeButtonPress(1);
    EXPECT_FALSE(f.G.S.ProbeBusy);
  };
  f.G.EdgeButtonClick(2);
  EXPECT_EQ(f.G.Board.Buttons[1].BackColour, ColourHighlight);
  EXPECT_EQ(f.G.Board.Buttons[other].BackColour, ColourPair);  // only the pressed one turned
}
