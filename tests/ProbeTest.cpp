// Tracing rules, trail pictures, firing and the pair highlight.
#include <gtest/gtest.h>

#include <random>

#include "GameTestSupport.h"
#include "Probe.h"
#include "QueControl.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {
struct FiveByFive : ::testing::Test {
  Recorder rec;
  Game g{&rec, &rec};
  void SetUp() override {
    LayoutDirect(g, 5);
    g.S.Cells[24].Que = True;
    g.S.Cells[19].Que = True;
    g.Panel.ChkDemo = 1;
  }
  std::int16_t Frame(int pos) const { return g.Board.Images[g.S.Cells[pos].Box].Frame; }
};
}  // namespace

TEST_F(FiveByFive, ThroughProbeTurnsAndDrawsItsTrail) {
  EXPECT_EQ(TraceProbe(g, 44), 28);
  EXPECT_FALSE(g.S.ProbeHit);
  EXPECT_EQ(Frame(37), 4);
  EXPECT_EQ(Frame(30), 8);
  EXPECT_EQ(Frame(29), 6);
  EXPECT_EQ(g.Board.Images[g.S.Cells[30].Box].Strip, Clip::Trail);
  for (const auto& c : g.S.Cells) ASSERT_EQ(c.Trail, 0);
}

TEST_F(FiveByFive, ReflectionOnEntryAndAbsorption) {
  const auto before = g.Board.Images;
  EXPECT_EQ(TraceProbe(g, 27), 27);
  EXPECT_FALSE(g.S.ProbeHit);
  for (int b = 0; b < 25; ++b) EXPECT_EQ(g.Board.Images[b].Frame, before[b].Frame);
  EXPECT_EQ(TraceProbe(g, 3), 17);
  EXPECT_TRUE(g.S.ProbeHit);
  EXPECT_EQ(Frame(10), 5);
  EXPECT_EQ(Frame(17), 5);
}

TEST_F(FiveByFive, AbsorbedOnEntryBeatsTheSideCells) {
  g.S.Cells[8].Que = g.S.Cells[9].Que = g.S.Cells[10].Que = True;
  EXPECT_EQ(TraceProbe(g, 2), 2);
  EXPECT_TRUE(g.S.ProbeHit);
}

TEST_F(FiveByFive, TwoQuesDiagonallyAheadSendTheProbeBack) {
  for (auto& c : g.S.Cells) c.Que = False;
  g.S.Cells[15].Que = g.S.Cells[17].Que = True;  // row 2, columns 1 and 3; probe up column 2
  EXPECT_EQ(TraceProbe(g, 44), 44);
  EXPECT_FALSE(g.S.ProbeHit);
  EXPECT_EQ(Frame(23), 16);  // 4, 9, 16 drawn in turn
  EXPECT_EQ(Frame(30), 2);
  EXPECT_EQ(Frame(37), 2);
}

TEST_F(FiveByFive, DeflectionTowardTheNearBorderLeavesBesideTheCell) {
  for (auto& c : g.S.Cells) c.Que = False;
  g.S.Cells[2 * 7 + 2].Que = True;   // (2,2): a probe up column 1 turns left in (3,1)
  EXPECT_EQ(TraceProbe(g, 43), 21);  // left border of row 3
}

TEST_F(FiveByFive, WithoutDemoNothingIsDrawn) {
  g.Panel.ChkDemo = 0;
  const auto before = g.Board.Images;
  TraceProbe(g, 44);
  for (int b = 0; b < 25; ++b) EXPECT_EQ(g.Board.Images[b].Strip, before[b].Strip);
}

namespace {
// Random boards of every size: each trace ends at a visible button or in an absorption,
// paths are reversible, and no Trail outlives its trace.
void CheckRandomBoards(bool demo) {
  std::mt19937 gen(7);
  for (int round = 0; round < 60; ++round) {
    Fixture f;
    f.G.Panel.ChkAdjacency = round % 2;
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
  f.SetQues({});
  const GameState& s = f.G.S;
  for (int c = 1; c <= 10; ++c) EXPECT_EQ(TraceProbe(f.G, s.Pos(0, c)), s.Pos(s.GridEdge, c));
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(TraceProbe(f.G, s.Pos(r, 0)), s.Pos(r, s.GridEdge));
}

TEST(Firing, OutcomesCaptionsColoursAndCounters) {
  Fixture f;
  f.Start(8, 4);
  f.SetQues({{3, 3}, {2, 5}, {8, 8}, {6, 1}});
  GameState& s = f.G.S;
  f.Rec.Log.clear();
  const std::int16_t through = s.Cells[s.Pos(0, 4)].But;  // top of column 4
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

  const std::int16_t absorbed =
      s.Cells[s.Pos(3, 0)].But;  // row 3 from the left: straight into (3,3)
  f.G.EdgeButtonClick(absorbed);
  EXPECT_EQ(f.G.Board.Buttons[absorbed].BackColour, ColourAbsorbed);
  EXPECT_EQ(f.G.Board.Buttons[absorbed].Caption, "2");
  const std::int16_t reflected = s.Cells[s.Pos(5, 0)].But;  // (6,1) beside the first cell
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
  f.SetQues({});
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
  f.SetQues({});
  f.G.EdgeButtonClick(1);  // top of column 1 leaves at the bottom of column 1
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
  f.SetQues({});
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
