// Tracing: the worked example and the edge cases of the rule, the whole trail table, paths that
// run both ways; firing with its captions, colours and counters; the pair highlight.
#include <gtest/gtest.h>

#include <array>

#include "GameTestSupport.h"
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

// Every entry of the trail table: the frame a cell shows when a probe enters it heading up,
// down, left or right while it shows `old`. A turn entry shows `turned` when the que that turned
// the probe lies at (dr, dc) from the cell, else `straight`; -1 leaves the picture as it is.
TEST_F(FiveByFive, TrailTable) {
  struct Entry {
    int Straight, Turned = -1, Dr = 0, Dc = 0;
  };
  const std::pair<int, std::array<Entry, 4>> table[] = {
      {0, {{{4}, {5}, {6}, {7}}}},
      {4, {{{-1}, {2}, {6, 8, -1, 1}, {7, 9, -1, -1}}}},
      {5, {{{2}, {-1}, {6, 10, 1, 1}, {7, 11, 1, -1}}}},
      {6, {{{4, 12, 1, -1}, {5, 13, -1, -1}, {-1}, {3}}}},
      {7, {{{4, 14, 1, 1}, {5, 15, -1, 1}, {3}, {-1}}}},
      {8, {{{-1}, {16}, {-1}, {23}}}},
      {9, {{{-1}, {16}, {22}, {-1}}}},
      {10, {{{17}, {-1}, {-1}, {21}}}},
      {11, {{{17}, {-1}, {20}, {-1}}}},
      {12, {{{-1}, {20}, {-1}, {18}}}},
      {13, {{{22}, {-1}, {-1}, {18}}}},
      {14, {{{-1}, {21}, {19}, {-1}}}},
      {15, {{{23}, {-1}, {19}, {-1}}}},
      {1, {{{-1}, {-1}, {-1}, {-1}}}},
      {2, {{{-1}, {-1}, {-1}, {-1}}}},
      {3, {{{-1}, {-1}, {-1}, {-1}}}},
  };
  // A cell whose next step leaves the board, so that it is drawn once: up, down, left, right.
  const std::pair<int, int> cell[] = {{1, 3}, {5, 3}, {3, 1}, {3, 5}};
  const Heading heading[] = {Heading::Up, Heading::Down, Heading::Left, Heading::Right};
  for (const auto& [old, entries] : table)
    for (int h = 0; h < 4; ++h)
      for (bool que : {false, true}) {
        const Entry& e = entries[h];
        if (que && e.Turned < 0) continue;
        const auto [row, col] = cell[h];
        PutQuesAt(g, que ? std::vector<std::pair<int, int>>{{row + e.Dr, col + e.Dc}}
                         : std::vector<std::pair<int, int>>{});
        const std::int16_t p = g.S.Pos(row, col);
        g.S.Cells[p].Trail = static_cast<std::int16_t>(old);
        Cell(row, col).Frame = 99;
        TraceFrom(g, p, heading[h]);
        EXPECT_EQ(Cell(row, col).Frame, que              ? e.Turned
                                        : e.Straight < 0 ? 99
                                                         : e.Straight)
            << "old " << old << ", heading " << h << (que ? ", turned" : "");
        g.S.Cells[p].Trail = 0;
      }
}

TEST(Tracing, PathsRunBothWays) {
  Fixture f;
  for (int round = 0; round < 24; ++round) {
    f.G.TimeOfDay = [round] { return round * 7.0f; };
    f.Start(8 + round % 18, 4 + round % 13);
    const GameState& s = f.G.S;
    for (int i = 1; i <= s.GridSize; ++i)
      for (Side side : {Side::Top, Side::Left}) {
        const std::int16_t k = EdgePos(s, side, i), r = TraceProbe(f.G, k);
        if (!s.ProbeHit && r != k) {
          ASSERT_EQ(TraceProbe(f.G, r), k) << "not reversible";
        }
      }
    f.Finish();
  }
}

TEST(Firing, OutcomesCaptionsColoursAndCounters) {
  Fixture f;
  f.Start(8, 4);
  PutQues(f.G, {"........", "....Q...", "..Q.....", "........", "........", "Q......."});
  GameState& s = f.G.S;
  const BoardModel& b = f.G.Board;
  f.Rec.Log.clear();
  const std::int16_t through = Edge(s, Side::Top, 8);  // down column 8 and out at its foot
  f.G.EdgeButtonClick(through);
  EXPECT_EQ((std::vector<std::string>{"run probe", "pump", "play probe"}), f.Rec.Log);
  const std::int16_t foot = Edge(s, Side::Bottom, 8);
  EXPECT_EQ(s.Cells[s.ButtonPos(through)].Partner, EdgePos(s, Side::Bottom, 8));
  EXPECT_EQ(s.Cells[EdgePos(s, Side::Bottom, 8)].Partner, EdgePos(s, Side::Top, 8));
  EXPECT_EQ(b.Buttons[through].Caption + b.Buttons[foot].Caption, "11");
  EXPECT_EQ(b.Buttons[foot].BackColour, ColourPair);
  const std::int16_t absorbed = Edge(s, Side::Left, 3), reflected = Edge(s, Side::Left, 5);
  f.G.EdgeButtonClick(absorbed);
  f.G.EdgeButtonClick(reflected);
  EXPECT_EQ(b.Buttons[absorbed].BackColour, ColourAbsorbed);
  EXPECT_EQ(b.Buttons[reflected].BackColour, ColourReflected);
  EXPECT_EQ(b.Buttons[absorbed].Caption + b.Buttons[reflected].Caption, "23");
  EXPECT_EQ(s.ExitCount, 1);
  // Used buttons fire nothing; a pair end paints both ends in the pair colour again.
  f.G.Board.SetColour(through, ColourHighlight);
  f.G.Board.SetColour(foot, ColourHighlight);
  for (std::int16_t used : {foot, absorbed, reflected}) f.G.EdgeButtonClick(used);
  EXPECT_EQ(s.ProbeCount, 3);
  EXPECT_EQ(b.Buttons[through].BackColour, ColourPair);
  // A click that arrives while a probe pumps events is dropped.
  f.Rec.OnPump = [&] { f.G.EdgeButtonClick(Edge(s, Side::Top, 7)); };
  f.G.EdgeButtonClick(Edge(s, Side::Top, 6));
  EXPECT_EQ(s.ProbeCount, 4);
  EXPECT_EQ(b.Buttons[Edge(s, Side::Top, 7)].Caption, "");
}

TEST(PairHighlight, PressLightsBothEndsAndTheClickPaintsThemBack) {
  Fixture f;
  f.Start(8, 4);
  PutQues(f.G, {});
  const GameState& s = f.G.S;
  const std::int16_t top = Edge(s, Side::Top, 1), foot = Edge(s, Side::Bottom, 1);
  f.G.EdgeButtonClick(top);
  f.Rec.Log.clear();
  f.G.EdgeButtonPress(top);
  EXPECT_EQ(f.G.Board.Buttons[foot].BackColour, ColourHighlight);
  EXPECT_EQ((std::vector<std::string>{"play flash", "play flash"}), f.Rec.Log);
  f.G.EdgeButtonPress(foot);  // yellow and intact: the flash again
  EXPECT_EQ(f.Rec.Log.size(), 3u);
  f.G.EdgeButtonClick(foot);
  EXPECT_EQ(f.G.Board.Buttons[top].BackColour, ColourPair);
  f.G.EdgeButtonPress(Edge(s, Side::Top, 3));  // unused: nothing at all
  EXPECT_EQ(f.Rec.Log.size(), 3u);
  // A press while a probe pumps events turns only the pressed end and clears the busy flag.
  f.Rec.OnPump = [&] {
    f.G.EdgeButtonPress(top);
    EXPECT_FALSE(f.G.S.ProbeBusy);
  };
  f.G.EdgeButtonClick(Edge(s, Side::Top, 2));
  EXPECT_EQ(f.G.Board.Buttons[top].BackColour, ColourHighlight);
  EXPECT_EQ(f.G.Board.Buttons[foot].BackColour, ColourPair);
}
