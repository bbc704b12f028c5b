// The one game object: state, visible controls, and every handler of the game window.
#pragma once
#include <cstdint>
#include <functional>

#include "BoardModel.h"
#include "GameState.h"
#include "Options.h"
#include "QueControl.h"

namespace vexlar {

struct Game {
  GameState S;
  BoardModel Board;
  PanelView Panel;
  Rng Random;
  // Seconds since midnight; the placement is seeded from it at every Start.
  std::function<float()> TimeOfDay;
  SoundPort* Sound = nullptr;
  EventPump* Pump = nullptr;

  Game(SoundPort* sound, EventPump* pump);

  // Load of the game window: idle controls, settings shown, timers at 50 ms.
  void LoadWindow();
  // First activation: builds the largest board once.
  void BuildBoardOnce(std::int32_t innerHeight, std::int32_t but0Left, std::int32_t but0Top);
  // The window's inner height changed after the first build: the board on show, at any phase,
  // takes the new size; the next Start lays out from it too.
  void ResizeBoard(std::int32_t innerHeight);
  void StartGame();
  void ClearLists();

  void EdgeButtonClick(std::int16_t index);
  void EdgeButtonPress(std::int16_t index);
  void CellClick(std::int16_t i);

  void Timer1Tick();
  void Timer2Tick();
  void PauseClick();
  void FinishClick();
  // Hands each board element changed since the last call to seen(id), with what it says now.
  template <typename F>
  void TakeBoardChanges(F seen) {
    SayBoard();
    Board.TakeDirty(seen);
  }
  // Who receives the focus that a score box is given.
  FocusTarget ScoreBoxFocus() const;

  // The bars' values as the toolkit sets them; each raises its Change handler when it changes.
  void SetVScroll1(std::int16_t value);
  void SetVScroll2(std::int16_t value);
  void VScroll1Change();
  void VScroll2Change();
  // A click on an option's check box that leaves it showing value (0 clear, 1 ticked).
  void OptionClick(const OptionRow& option, std::int16_t value);
  void AudioMuteClick();

  // Finish waits for the first reveal step; Start is ignored meanwhile.
  bool FinishPending = false;
  // Guards the first build against an activation delivered during its event pump.
  bool Building = false;

  void PlaySound(SoundKind k) {
    if (Sound) Sound->PlaySound(k);
  }
  void RunSound(SoundKind k) {
    if (Sound) Sound->RunSound(k);
  }
  void ProcessEvents() {
    if (Pump) Pump->ProcessEvents();
  }
  void SetAllVolumes(std::int32_t v);

 private:
  // Says anew what each board element shows whose look, place or standing changed.
  void SayBoard();
  // The board square, its cell size for the board on show, and the cover, from the inner height.
  void MeasureBoard(std::int32_t innerHeight);
};

constexpr std::int32_t SoundVolume = 0;

}  // namespace vexlar
