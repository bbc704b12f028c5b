// The control panel as rows: every control, caption and box with its design name, its place in
// twips, its caption, colours, font, tab place and the name a screen reader reads. The build, the
// layout, the tab order and the tests read them.
#pragma once
#include <QFont>
#include <QWidget>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "Options.h"
#include "PanelLayout.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace vexlar {

class VEXLAR;

enum class PanelKind {
  Back,     // the panel's background
  Box,      // a bordered box behind a setting's captions and controls
  Caption,  // a text naming the control it is tied to
  Score,    // a score display
  Button,
  Number,  // a setting's or the marks' number box
  Bar,     // a bar used as a spinner
  Strip,   // an option's strip, its caption on it
  Check,   // an option's check box
};

struct PanelFont {
  const char* Family;
  double Points;
  bool Bold;
};

class PanelBack;

// The member of the window that holds a row's widget; options are held in OptionBoxes, and the
// boxes, painted by the back, have none.
using PanelMember =
    std::variant<std::monostate, PanelBack * VEXLAR::*, QLabel * VEXLAR::*, QLineEdit * VEXLAR::*,
                 QPushButton * VEXLAR::*, QScrollBar * VEXLAR::*>;

struct PanelRow {
  const char* Name;  // the design name
  PanelKind Kind;
  PanelMember Member;
  DesignPlace Place;        // twips, at the design size
  const char* Caption;      // the text it shows first
  std::int32_t Back, Fore;  // 0xBBGGRR; a caption without a back colour draws only its text
  PanelFont Font;
  int Tab;                      // its place as Tab goes down the panel from the board; 0 for none
  const char* Said;             // the name a screen reader reads; a button's caption is read
  const char* Names = "";       // the design name of the control a caption names
  const char* FitTo = nullptr;  // the text its font is fitted to, if not its caption
  int Low = 0, High = 0;        // a bar's range
  const OptionRow* Option = nullptr;  // a strip's or check box's option
};

// Every row, back to front: the fixed ones, then a strip and a check box per option.
std::span<const PanelRow> PanelRows();

// A row's widget as the window holds it; none for a box, which the back paints.
struct PanelPart {
  const PanelRow* Row;
  QWidget* Widget;
};

// The panel's background, CtrlBoxBack: its shape and the boxes and strips behind the captions,
// painted from their rows, so that only text and controls are widgets.
class PanelBack : public QWidget {
 public:
  explicit PanelBack(QWidget* parent) : QWidget(parent) {}
  struct Painted {
    const PanelRow* Row;
    QRect Place;  // in this widget's pixels
  };
  // What to paint, back to front, and the width of the borders.
  void Paint(std::vector<Painted> rows, int border);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::vector<Painted> rows_;
  int border_ = 1;
};

// Whether the back paints a row: the shape, a box, or the ground of a caption that has one.
bool PaintedBehind(const PanelRow& row);

}  // namespace vexlar
