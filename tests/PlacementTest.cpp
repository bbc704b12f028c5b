// Hiding the ques: distinct cells, adjacency rule, reach of every cell, and guaranteed termination.
#include <gtest/gtest.h>

#include <set>

#include "GameTestSupport.h"
#include "QueControl.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {
void CheckPlacement(const Game& g, bool adjacencyAllowed) {
  const GameState& s = g.S;
  std::set<int> seen;
  for (int j = 1; j <= s.QueCount; ++j) {
    const int b = s.QueList[j];
    ASSERT_GE(b, 0);
    ASSERT_LT(b, s.GridSize * s.GridSize);
    ASSERT_TRUE(seen.insert(b).second) << "cell chosen twice";
    ASSERT_TRUE(s.Cells[s.Pos(b / s.GridSize + 1, b % s.GridSize + 1)].Que);
  }
  EXPECT_EQ(s.QueList[0], 0);
  int flags = 0;
  for (int k = 0; k < s.PosCount; ++k) {
    if (!s.Cells[k].Que) continue;
    ++flags;
    ASSERT_FALSE(s.Cells[k].IsButton);
    if (!adjacencyAllowed) {
      ASSERT_FALSE(s.Cells[k + 1].Que) << "two ques share an edge";
      ASSERT_FALSE(s.Cells[k + s.GridSpan].Que) << "two ques share an edge";
    }
  }
  EXPECT_EQ(flags, s.QueCount);
}
}  // namespace

TEST(Placement, ManyGamesKeepTheRules) {
  Fixture f;
  for (int round = 0; round < 300; ++round) {
    f.G.Panel.ChkAdjacency = round % 3 == 0;
    f.G.Panel.ChkDemo = round % 2;
    f.G.TimeOfDay = [round] { return round * 1.5f; };
    f.Start(8 + round % 18, 4 + round % 13);
    CheckPlacement(f.G, f.G.Panel.ChkAdjacency != 0);
    f.Finish();
  }
}

TEST(Placement, SixteenQuesOnTheSmallestBoardWithoutAdjacencyAlwaysFinish) {
  Fixture f;
  for (int round = 0; round < 500; ++round) {
    f.G.TimeOfDay = [round] { return static_cast<float>(round); };
    f.Start(8, 16);
    ASSERT_EQ(f.G.S.QueCount, 8);  // the que bar is held at the board side
    f.Finish();
  }
  f.G.S.QueCount = 16;  // the largest count the lists allow, on the smallest board
  for (auto& c : f.G.S.Cells) c.Que = False;
  for (int round = 0; round < 500; ++round) {
    for (auto& c : f.G.S.Cells) c.Que = False;
    f.G.Random.Seed(static_cast<float>(round));
    PlaceQuesWith(f.G, [&] { return f.G.Random.Next(); });
    CheckPlacement(f.G, false);
  }
}

TEST(Placement, EveryRowOfCellsCanReceiveAQue) {
  Fixture f;
  std::set<int> rows;
  for (int round = 0; round < 200 && rows.size() < 8; ++round) {
    f.G.TimeOfDay = [round] { return static_cast<float>(round); };
    f.Start(8, 8);
    for (int j = 1; j <= f.G.S.QueCount; ++j) rows.insert(f.G.S.QueList[j] / 8);
    f.Finish();
  }
  EXPECT_EQ(rows.size(), 8u) << "the last row of cells never got a que";
}

TEST(Placement, StartsAfreshAfterTooManyRejectedDraws) {
  Fixture f;
  f.Start(8, 4);
  for (auto& c : f.G.S.Cells) c.Que = False;
  f.G.S.QueList.fill(0);
  // First que on position 11 (image 0), then only border draws until the restart,
  // then four cells far apart.
  std::vector<double> script = {0.11};
  for (int i = 0; i < 5; ++i) script.push_back(0.0);
  for (int pos : {33, 37, 73, 77}) script.push_back(pos / 100.0 + 0.001);
  std::size_t next = 0;
  PlaceQuesWith(
      f.G, [&] { return script.at(next++); }, 5);
  EXPECT_EQ(next, script.size());
  EXPECT_FALSE(f.G.S.Cells[11].Que) << "the first attempt was not undone";
  CheckPlacement(f.G, false);
  EXPECT_EQ(f.G.S.QueList[1], 2 * 8 + 2);
}

TEST(Placement, SameTimeOfDayGivesTheSameBoard) {
  Fixture a, b;
  a.Start(12, 9);
  b.Start(12, 9);
  EXPECT_EQ(a.G.S.QueList, b.G.S.QueList);
  b.Finish();
  b.G.TimeOfDay = [] { return 1.0f; };
  b.Start(12, 9);
  EXPECT_NE(a.G.S.QueList, b.G.S.QueList);
}
