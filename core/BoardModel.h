// The visible state of every control of the game window, as plain data a window only draws.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "GameState.h"

namespace vexlar {

// Which picture a cell image shows: the design cell picture or a frame of one of the strips.
enum class Clip : std::int8_t { Cell = 0, Mark = 2, Glow = 3, Board = 4, Trail = 5, Wrong = 6 };

struct Rect {
  std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const Rect&) const = default;
};

struct ButtonView {
  std::string Caption;
  std::int32_t BackColour = ColourUntouched;
  bool Visible = false;
  Rect Place;
  bool Dirty = true;  // cleared once the window has taken the change
};

struct ImageView {
  Clip Strip = Clip::Cell;
  std::int16_t Frame = 0;
  bool Visible = false;
  Rect Place;
  bool Dirty = true;
};

enum class Element : std::int8_t { Button, Image };

// What a used edge button tells, as its back colour says it (a lit-up pair is still a pair).
enum class Outcome : std::int8_t { None, Absorbed, Reflected, Pair };
Outcome OutcomeOf(const ButtonView& v);

struct BoardModel {
  std::array<ButtonView, ButtonCapacity> Buttons{};
  std::array<ImageView, ImageCapacity> Images{};
  std::int16_t BoardRows = 1;  // the board strip's row and column counts
  std::int16_t BoardCols = 1;
  bool Created = false;  // elements 1.. exist

  void SetCaption(int i, const std::string& text);
  void SetColour(int i, std::int32_t colour);
  void ShowButton(int i, bool visible);
  void PlaceButton(int i, const Rect& r);
  void SetPicture(int b, Clip strip, std::int16_t frame);
  void ShowImage(int b, bool visible);
  void PlaceImage(int b, const Rect& r);

  // Hands each element that changed since the last call to seen(kind, index), clearing its mark.
  template <typename F>
  void TakeDirty(F seen) {
    Take(Buttons, Element::Button, seen);
    Take(Images, Element::Image, seen);
  }

 private:
  template <typename A, typename F>
  static void Take(A& elements, Element kind, F& seen) {
    for (int i = 0; i < static_cast<int>(elements.size()); ++i)
      if (elements[i].Dirty) elements[i].Dirty = false, seen(kind, i);
  }
};

enum class FocusTarget : std::int8_t { None, Start, Finish };

struct PanelView {
  bool StartEnabled = false;
  bool PauseEnabled = false;
  bool FinishEnabled = false;
  bool OptionsEnabled = true;  // the options a game locks (see Options.h)
  std::string PauseCaption = "Pause";
  bool CoverVisible = false;
  bool ResumeVisible = false;
  Rect Cover{8, 8, 477, 462};  // design place in pixels; sized by the first build
  std::string TxtGridSize = "8";
  std::string TxtQues = "4";
  std::string TxtMarks = "0";
  std::string TxtScore = "000000";
  std::string TxtScore2 = "000000";
  std::int16_t VScroll1 = 8;
  std::int16_t VScroll2 = 4;
  std::int16_t ChkAdjacency = 0;  // check-box values: 0 clear, 1 ticked
  std::int16_t ChkDemo = 0;
  std::int16_t ChkAudio = 0;
  bool Timer1Enabled = false;
  bool Timer2Enabled = false;
  std::int32_t TimerInterval = 1000;          // ms; the load sets 50
  std::optional<std::string> PendingMessage;  // shown by the window, then cleared
};

}  // namespace vexlar
