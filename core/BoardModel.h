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

enum class Element : std::int8_t { Button, Image };

// One element of the board: an edge button or a cell image; Index -1 for none.
struct ElementId {
  Element Kind = Element::Button;
  int Index = -1;
  bool operator==(const ElementId&) const = default;
};

constexpr int ElementCapacity = ButtonCapacity + ImageCapacity;
// An element's place among all of them, buttons first, for what is kept per element.
inline int Slot(ElementId e) {
  return e.Kind == Element::Button ? e.Index : ButtonCapacity + e.Index;
}

// What every element carries: where it stands, on screen and on the grid, and what it says.
struct ElementView {
  bool Visible = false;
  Rect Place;
  std::int16_t Row = 0, Col = 0;  // on the grid of the ring of edge buttons round the cells
  std::string Words;              // what it shows, in words, for screen readers and tooltips
  bool Dirty = true;              // cleared once the window has taken the change
  bool Reword = true;             // what it says may have changed: the game says it anew
};

struct ButtonView : ElementView {
  std::string Caption;
  std::int32_t BackColour = ColourUntouched;
};

struct ImageView : ElementView {
  Clip Strip = Clip::Cell;
  std::int16_t Frame = 0;
};

// What a used edge button tells, as its back colour says it (a lit-up pair is still a pair).
enum class Outcome : std::int8_t { None, Absorbed, Reflected, Pair };
Outcome OutcomeOf(const ButtonView& v);

struct BoardModel {
  std::array<ButtonView, ButtonCapacity> Buttons{};
  std::array<ImageView, ImageCapacity> Images{};
  // The element at each row * Span + column of the board laid out last, row by row.
  std::array<ElementId, CellCapacity> Grid{};
  std::int16_t Span = 0;       // its rows and columns, the ring's included
  std::int16_t BoardRows = 1;  // the board strip's row and column counts
  std::int16_t BoardCols = 1;
  std::int32_t WordsFor = -1;  // the standing of the game the words were said for

  const ElementView& At(ElementId e) const {
    if (e.Kind == Element::Button) return Buttons[e.Index];
    return Images[e.Index];
  }
  ElementView& At(ElementId e) {
    return const_cast<ElementView&>(static_cast<const BoardModel&>(*this).At(e));
  }
  // The element at a row and column of the grid; none outside it.
  ElementId At(int row, int col) const {
    if (row < 0 || col < 0 || row >= Span || col >= Span) return {};
    return Grid[row * Span + col];
  }

  void SetCaption(int i, const std::string& text);
  void SetColour(int i, std::int32_t colour);
  void ShowButton(int i, bool visible);
  void SetPicture(int b, Clip strip, std::int16_t frame);
  void ShowImage(int b, bool visible);
  // Places an element on screen and at its row and column of a grid of span rows.
  void Place(ElementId e, const Rect& r, std::int16_t row, std::int16_t col, std::int16_t span);

  // Hands each element that changed since the last call to seen(id), clearing its mark.
  template <typename F>
  void TakeDirty(F seen) {
    for (int i = 0; i < ButtonCapacity; ++i)
      if (Buttons[i].Dirty) Buttons[i].Dirty = false, seen(ElementId{Element::Button, i});
    for (int b = 0; b < ImageCapacity; ++b)
      if (Images[b].Dirty) Images[b].Dirty = false, seen(ElementId{Element::Image, b});
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
