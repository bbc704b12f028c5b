// Marking, the clock, pause, finish with its score and message, and the settings controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "GameTestSupport.h"

using namespace vexlar;
using namespace vexlar::test;

TEST(Load, IdleControlsAfterLoadAndBuild) {
  Fixture f;
  const PanelView& p = f.G.Panel;
  EXPECT_EQ(p.TxtGridSize, "14");
  EXPECT_EQ(p.TxtQues, "4");
  EXPECT_EQ(p.TxtMarks, "0");
  EXPECT_EQ(p.TxtScore, "000000");
  EXPECT_EQ(p.TimerInterval, 50);
  EXPECT_FALSE(p.PauseEnabled || p.FinishEnabled || p.Timer1Enabled || p.Timer2Enabled);
  EXPECT_TRUE(f.G.S.RevealDone);
  EXPECT_EQ(f.G.ScoreBoxFocus(), FocusTarget::Start);
  for (int v : f.Rec.Volumes) EXPECT_EQ(v, 0);
}

TEST(Clock, TimeBonusCountsDownInTicksAndPauseHoldsIt) {
  Fixture f;
  f.Start(8, 4);
  EXPECT_EQ(f.G.S.TimeBonus, 1040);
  EXPECT_EQ(f.G.ScoreBoxFocus(), FocusTarget::Finish);
  f.G.Timer1Tick();
  EXPECT_EQ(f.G.Panel.TxtScore, "1039");
  f.G.PauseClick();
  EXPECT_EQ(f.G.Panel.PauseCaption, "Resume");
  EXPECT_TRUE(f.G.Panel.CoverVisible && f.G.Panel.ResumeVisible);
  EXPECT_FALSE(f.G.Panel.FinishEnabled || f.G.Panel.Timer1Enabled || f.G.Panel.StartEnabled);
  f.G.Timer1Tick();  // a tick already queued does nothing
  EXPECT_EQ(f.G.S.TimeBonus, 1039);
  f.G.PauseClick();
  EXPECT_EQ(f.G.Panel.PauseCaption, "Pause");
  EXPECT_TRUE(f.G.Panel.FinishEnabled && f.G.Panel.Timer1Enabled);
  EXPECT_FALSE(f.G.Panel.CoverVisible || f.G.Panel.ResumeVisible);
  for (int t = 0; t < 1038; ++t) f.G.Timer1Tick();
  EXPECT_EQ(f.G.Panel.TxtScore, "1");
  f.G.Timer1Tick();
  EXPECT_EQ(f.G.Panel.TxtScore, "000000");
  f.G.Timer1Tick();
  EXPECT_EQ(f.G.S.TimeBonus, -1);
  EXPECT_EQ(f.G.Panel.TxtScore, "000000");
  f.Finish();
  f.Start(25, 16);
  EXPECT_EQ(f.G.S.TimeBonus, 7850);
}

TEST(Clock, MarksAnimateInStepAndDemoShowsUnmarkedQues) {
  Fixture f;
  f.G.Panel.ChkDemo = 1;
  f.Start(8, 4);
  PutQues(f.G, {"Q.......",  //
                "........",  //
                "..Q.....",  //
                "........",  //
                "....Q...",  //
                "........",  //
                "......Q."});
  f.G.CellClick(f.Image(1, 1));
  f.G.CellClick(40);
  f.G.S.MarkFrame = 11;
  f.G.Timer1Tick();
  EXPECT_EQ(f.G.S.MarkFrame, 0);
  EXPECT_EQ(f.G.Board.Images[f.Image(1, 1)].Strip, Clip::Mark);
  EXPECT_EQ(f.G.Board.Images[40].Frame, 11);
  EXPECT_EQ(f.G.Board.Images[f.Image(3, 3)].Strip, Clip::Glow);
  EXPECT_EQ(f.G.S.QueFrame, 1);
  f.G.CellClick(40);  // a cell marked now shows the frame the others show
  EXPECT_EQ(f.G.Board.Images[40].Strip, Clip::Board);
  f.G.S.MarkFrame = 5;
  f.G.CellClick(41);
  EXPECT_EQ(f.G.Board.Images[41].Frame, 5);
}

TEST(Marking, LimitOrderAndRemoval) {
  Fixture f;
  f.Start(8, 4);
  f.Rec.Log.clear();
  for (int i : {7, 3, 9}) f.G.CellClick(static_cast<std::int16_t>(i));
  f.G.CellClick(3);
  EXPECT_EQ(f.G.S.MarkCount, 2);
  EXPECT_EQ(f.G.S.MarkList[1], 7);
  EXPECT_EQ(f.G.S.MarkList[2], 9);
  EXPECT_FALSE(f.G.S.MarkRec(3).Marked);
  for (int i : {0, 20}) f.G.CellClick(static_cast<std::int16_t>(i));
  EXPECT_EQ(f.G.Panel.TxtMarks, "4");
  f.G.CellClick(30);  // refused
  EXPECT_EQ(f.G.S.MarkCount, 4);
  EXPECT_EQ(f.G.Panel.TxtMarks, "4");
  EXPECT_EQ(f.G.Board.Images[30].Strip, Clip::Board);
  EXPECT_EQ(f.Rec.Log.back(), "play mark");
  EXPECT_EQ(std::count(f.Rec.Log.begin(), f.Rec.Log.end(), "play boomcrak"), 6);
  f.G.CellClick(0);  // removal is never refused; image 0's flag lives in a border record
  EXPECT_EQ(f.G.S.MarkCount, 3);
  EXPECT_FALSE(f.G.S.Cells[9].Marked);
}

TEST(Marking, RandomClicksKeepTheListAndFlagsInStep) {
  Fixture f;
  std::mt19937 gen(11);
  for (int game = 0; game < 20; ++game) {
    f.Start(8 + game % 18, 4 + game % 13);
    const int cells = f.G.S.GridSize * f.G.S.GridSize;
    // clicks concentrated on a few cells so removals happen often
    std::uniform_int_distribution<int> pick(0, std::min(cells - 1, 24));
    for (int n = 0; n < 400; ++n) {
      f.G.CellClick(static_cast<std::int16_t>(pick(gen)));
      const GameState& s = f.G.S;
      ASSERT_LE(s.MarkCount, s.QueCount);
      std::vector<int> listed(s.MarkList.begin() + 1, s.MarkList.begin() + 1 + s.MarkCount);
      std::sort(listed.begin(), listed.end());
      ASSERT_EQ(std::adjacent_find(listed.begin(), listed.end()), listed.end());
      for (int b = 0; b < cells; ++b)
        ASSERT_EQ(s.MarkRec(static_cast<std::int16_t>(b)).Marked != 0,
                  std::binary_search(listed.begin(), listed.end(), b));
      ASSERT_EQ(f.G.Panel.TxtMarks, Decimal(s.MarkCount));
    }
    f.Finish();
  }
}

namespace {
// Four ques on a side-8 board, 9 probes of which 2 came out elsewhere.
struct ScoredGame : ::testing::Test {
  Fixture f;
  void SetUp() override {
    f.Start(8, 4);
    PutQues(f.G, {"........",  //
                  ".Q...Q..",  //
                  "........",  //
                  "........",  //
                  "........",  //
                  ".Q...Q.."});
    f.G.S.ProbeCount = 9;
    f.G.S.ExitCount = 2;
  }
  void Finish() {
    f.G.FinishClick();
    EXPECT_FALSE(f.G.Panel.PendingMessage.has_value());
    f.G.Timer2Tick();
  }
};
}  // namespace

TEST_F(ScoredGame, ThreeHitsAndAWrongMark) {
  for (auto [r, c] : {std::pair{2, 2}, {2, 6}, {6, 2}, {4, 4}}) f.G.CellClick(f.Image(r, c));
  Finish();
  EXPECT_EQ(f.G.S.HitCount, 3);
  EXPECT_EQ(f.G.S.SkillBonus, 510);
  EXPECT_EQ(f.G.Panel.TxtScore2, "510");
  EXPECT_EQ(f.G.Panel.PendingMessage.value_or(""), "You hit 3 of 4 with 9 probes.");
  EXPECT_EQ(f.G.Board.Images[f.Image(4, 4)].Strip, Clip::Wrong);
  EXPECT_EQ(f.G.Board.Images[f.Image(2, 2)].Strip, Clip::Mark);
  EXPECT_EQ(f.G.Board.Images[f.Image(6, 6)].Strip, Clip::Glow);
  f.G.Panel.PendingMessage.reset();
  f.G.CellClick(f.Image(4, 4));  // marks still change after Finish, the score does not
  f.G.CellClick(f.Image(6, 6));
  f.G.Timer2Tick();
  EXPECT_EQ(f.G.S.HitCount, 3);
  EXPECT_FALSE(f.G.Panel.PendingMessage.has_value());
}

TEST_F(ScoredGame, AllFoundEarnsTheFullFindBonus) {
  for (auto [r, c] : {std::pair{2, 2}, {2, 6}, {6, 2}, {6, 6}}) f.G.CellClick(f.Image(r, c));
  Finish();
  EXPECT_EQ(f.G.S.SkillBonus, 810);
}

TEST_F(ScoredGame, NoHitSkipsTheFormula) {
  f.G.CellClick(f.Image(4, 4));
  Finish();
  EXPECT_EQ(f.G.Panel.TxtScore2, "0");
  EXPECT_EQ(f.G.Panel.PendingMessage.value_or(""), "You hit 0 of 4 with 9 probes.");
}

TEST_F(ScoredGame, ScoreComesFromTheGameNotFromTheBarsMovedMeanwhile) {
  for (auto [r, c] : {std::pair{2, 2}, {2, 6}, {6, 2}, {6, 6}}) f.G.CellClick(f.Image(r, c));
  f.G.SetVScroll1(25);
  f.G.SetVScroll2(16);
  Finish();
  EXPECT_EQ(f.G.S.SkillBonus, 810);
  EXPECT_EQ(f.G.Panel.PendingMessage.value_or(""), "You hit 4 of 4 with 9 probes.");
}

TEST_F(ScoredGame, StartBeforeTheFirstRevealStepIsIgnored) {
  f.G.FinishClick();
  EXPECT_TRUE(f.G.Panel.StartEnabled);
  f.G.StartGame();
  EXPECT_TRUE(f.G.Panel.Timer2Enabled);
  f.G.Timer2Tick();
  EXPECT_TRUE(f.G.Panel.PendingMessage.has_value());
  f.G.StartGame();  // now it starts, and stops the reveal first
  EXPECT_FALSE(f.G.Panel.Timer2Enabled);
  EXPECT_EQ(f.G.Panel.TxtScore2, "000000");
  EXPECT_FALSE(f.G.S.RevealDone);
}

TEST(StartShowsNoMarks, TxtMarksIsZeroAtStart) {
  Fixture f;
  f.Start(8, 4);
  f.G.CellClick(1);
  f.G.CellClick(2);
  f.Finish();
  f.Start(9, 5);
  EXPECT_EQ(f.G.Panel.TxtMarks, "0");
  EXPECT_EQ(f.G.S.MarkCount, 0);
}

TEST(Settings, QueBarFollowsTheBoardSide) {
  Fixture f;
  f.G.SetVScroll2(14);
  EXPECT_EQ(f.G.Panel.TxtQues, "14");
  f.G.SetVScroll1(13);
  EXPECT_EQ(f.G.Panel.VScroll2, 13);
  EXPECT_EQ(f.G.Panel.TxtQues, "13");
  f.G.SetVScroll1(8);
  EXPECT_EQ(f.G.Panel.TxtQues, "8");
  f.G.SetVScroll1(25);
  EXPECT_EQ(f.G.Panel.VScroll2, 8);
  f.G.SetVScroll1(10);
  f.G.SetVScroll2(16);  // held at the board side
  EXPECT_EQ(f.G.Panel.VScroll2, 10);
  EXPECT_EQ(f.G.Panel.TxtQues, "10");
  f.G.SetVScroll1(3);
  EXPECT_EQ(f.G.Panel.VScroll1, 8);
  EXPECT_EQ(f.G.Panel.TxtGridSize, "8");
}

TEST(Settings, MuteSetsEveryVolume) {
  Fixture f;
  const OptionRow& mute = OptionFor(&PanelView::ChkAudio);
  f.G.OptionClick(mute, 1);
  EXPECT_EQ(f.G.Panel.ChkAudio, 1);
  for (int v : f.Rec.Volumes) EXPECT_EQ(v, VolumeSilent);
  f.G.OptionClick(mute, 0);
  for (int v : f.Rec.Volumes) EXPECT_EQ(v, 0);
}

TEST(Text, LeadingNumbersDecimalsAndRounding) {
  EXPECT_EQ(LeadingNumber("14"), 14);
  EXPECT_EQ(LeadingNumber("12abc"), 12);
  EXPECT_EQ(LeadingNumber("abc"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(Decimal(-42), "-42");
  EXPECT_EQ(RoundEven(37.5), 38);
  EXPECT_EQ(RoundEven(36.5), 36);
  EXPECT_EQ(RoundEven(-2.5), -2);
}
