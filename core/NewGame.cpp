// The game window's load, its first activation, and Start.
#include "Game.h"
#include "GridControl.h"
#include "Phase.h"
#include "QueControl.h"

namespace vexlar {

Game::Game(SoundPort* sound, EventPump* pump) : Sound(sound), Pump(pump) {}

void Game::LoadWindow() {
  SetVScroll1(14);
  S.RevealDone = True;
  S.ProbeBusy = False;
  ShowPhase(Panel, Phase::Loaded);
  SetAllVolumes(SoundVolume);
  Panel.TimerInterval = 50;
  S.MarkFrame = 0;
}

void Game::BuildBoardOnce(std::int32_t innerHeight, std::int32_t but0Left, std::int32_t but0Top) {
  if (S.BoardBuilt || Building) return;
  Building = true;  // an activation during the pump below must not build again
  S.BoardLeft = static_cast<std::int16_t>(RoundEven(but0Left + 1));
  S.BoardTop = static_cast<std::int16_t>(RoundEven(but0Top + 1));
  S.GridEdge = 26;
  S.GridSize = 25;
  MeasureBoard(innerHeight);
  Panel.CoverVisible = true;  // painted by the pump below, before the long build
  ProcessEvents();
  CreateBoard(*this, S.GridEdge);
  LayoutBoard(*this, S.GridEdge);
  S.BoardBuilt = True;
  Building = false;
  ShowPhase(Panel, Phase::Idle);
}

void Game::MeasureBoard(std::int32_t innerHeight) {
  S.BoardSize = static_cast<std::int16_t>(RoundEven(innerHeight - 25));
  Panel.Cover.Height = innerHeight - Panel.Cover.Top - 2;
  Panel.Cover.Width = innerHeight - Panel.Cover.Left - 2;
  // The board on show keeps its size in cells: GridEdge + 1 positions a side (27 when first built).
  S.CellWidth = S.CellHeight =
      static_cast<std::int16_t>(RoundEven(static_cast<double>(S.BoardSize) / (S.GridEdge + 1)));
}

void Game::ResizeBoard(std::int32_t innerHeight) {
  if (!S.BoardBuilt) return;
  MeasureBoard(innerHeight);
  // Places only: captions, colours, pictures, marks and the clock stay as they are.
  LayoutBoard(*this, S.GridEdge);
}

void Game::ClearLists() {
  for (int i = 0; i <= S.QueCount; ++i) S.QueList[i] = 0;
  for (int i = 0; i <= S.MarkCount; ++i) S.MarkList[i] = 0;
  S.MarkCount = 0;
  S.QueCount = 0;
}

void Game::StartGame() {
  // Start may not overtake a Finish still waiting for its first reveal step.
  if (FinishPending || !S.BoardBuilt) return;
  Panel.CoverVisible = true;  // the board is rebuilt under the cover
  Panel.TxtScore2 = "000000";
  S.SkillBonus = 0;
  S.HitCount = 0;
  S.ExitCount = 0;
  const double side = LeadingNumber(Panel.TxtGridSize);
  const double ques = LeadingNumber(Panel.TxtQues);
  S.TimeBonus = RoundEven(side * side * 10 + ques * 100);
  Panel.Timer2Enabled = false;  // a reveal still running stops before the board is rebuilt
  S.RevealDone = False;
  ClearLists();
  ClearBoard(*this, S.GridEdge);
  S.ProbeCount = 0;
  S.GridSize = Panel.VScroll1;
  S.GridEdge = static_cast<std::int16_t>(S.GridSize + 1);
  S.GridSpan = static_cast<std::int16_t>(S.GridSize + 2);
  S.CellWidth = S.CellHeight =
      static_cast<std::int16_t>(RoundEven(static_cast<double>(S.BoardSize) / S.GridSpan));
  LayoutBoard(*this, S.GridEdge);
  Panel.TxtQues = Decimal(Panel.VScroll2);
  Panel.TxtMarks = Decimal(0);  // a new game has no marks yet
  S.MarkFrame = S.QueFrame = 0;
  S.QueCount = Panel.VScroll2;
  Board.BoardRows = Board.BoardCols = Panel.VScroll1;
  TileBoardPicture(*this);
  PlaceQues(*this);
  ShowPhase(Panel, Phase::Running);  // uncovers the board, locks the options, starts the clock
}

}  // namespace vexlar
