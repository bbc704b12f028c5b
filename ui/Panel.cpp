#include "Panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "CheckBox.h"
#include "FocusRing.h"
#include "Fonts.h"
#include "GameWindow.h"
#include "Twips.h"

namespace vexlar {

namespace {

QString Css(std::int32_t bgr) { return FromBgr(bgr).name(); }

constexpr PanelFont Bold975{"MS Sans Serif", 9.75, true}, Bold825{"MS Sans Serif", 8.25, true},
    Score975{"Times New Roman", 9.75, true}, Number135{"MS Sans Serif", 13.5, true},
    Arial825{"Arial", 8.25, false};
constexpr std::int32_t Yellow = 0xFFFF80, Lilac = 0xC0C0FF, Navy = 0x800000;
using V = VEXLAR;
using K = PanelKind;

// clang-format off
const PanelRow Fixed[] = {
    {"CtrlBoxBack", K::Back, &V::CtrlBoxBack, CtrlBoxBackPlace, "", 0x808000, 0xC0C000, Bold825},
    {"LblTime", K::Caption, &V::LblTime, {7350, 255, 1320, 630}, "Time Bonus", 0x505000, 0x80FFFF, Bold975},
    {"LblSkill", K::Caption, &V::LblSkill, {7350, 915, 1335, 615}, "Skill Bonus", 0x606000, 0x80FFFF, Bold975},
    {"TxtScore", K::Score, &V::TxtScore, {7425, 510, 1170, 315}, "Time Bonus", 0, 0x00FF00, Score975},
    {"TxtScore2", K::Score, &V::TxtScore2, {7425, 1155, 1185, 315}, "Skill Bonus", 0, 0x00FFFF, Score975},
    {"CmdFinish", K::Button, &V::CmdFinish, {7380, 1575, 1290, 405}, "Finished", -1, -1, Bold975},
    {"CmdPause", K::Button, &V::CmdPause, {7380, 2010, 1290, 405}, "Pause", -1, -1, Bold975},
    {"CmdStart", K::Button, &V::CmdStart, {7380, 2445, 1290, 405}, "Start", -1, -1, Bold975},
    {"LblGrid", K::Box, &V::LblGrid, {7365, 2925, 1320, 600}, "", Navy, 0x80FF80, Bold825},
    {"LblQue", K::Box, &V::LblQue, {7365, 3555, 1320, 600}, "", Navy, 0x80FF80, Bold825},
    {"LblMark", K::Box, &V::LblMark, {7365, 4200, 1320, 600}, "", 0x000080, 0x0000C0, Bold825},
    {"LblGrid1", K::Caption, &V::LblGrid1, {7440, 3000, 465, 225}, "Grid", -1, Yellow, Bold825},
    {"LblGrid2", K::Caption, &V::LblGrid2, {7455, 3210, 465, 210}, "Size", -1, Yellow, Bold825},
    {"LblQue1", K::Caption, &V::LblQue1, {7440, 3630, 555, 225}, "Queue", -1, Yellow, Bold825},
    {"LblQue2", K::Caption, &V::LblQue2, {7440, 3855, 510, 225}, "Count", -1, Yellow, Bold825},
    {"LblMark1", K::Caption, &V::LblMark1, {7425, 4260, 555, 225}, "Mark", -1, Lilac, Bold825},
    {"LblMark2", K::Caption, &V::LblMark2, {7440, 4470, 510, 225}, "Count", -1, Lilac, Bold825},
    {"TxtGridSize", K::Number, &V::TxtGridSize, {7995, 3015, 435, 420}, "Grid Size", -1, -1, Number135},
    {"TxtQues", K::Number, &V::TxtQues, {8010, 3645, 435, 435}, "Queue Count", -1, -1, Number135},
    {"TxtMarks", K::Number, &V::TxtMarks, {8025, 4275, 450, 435}, "Mark Count", -1, -1, Number135},
    {"VScroll1", K::Bar, &V::VScroll1, {8445, 3015, 210, 435}, "Grid Size", -1, -1, Bold825, MinGridSize, MaxGridSize},
    {"VScroll2", K::Bar, &V::VScroll2, {8430, 3660, 225, 435}, "Queue Count", -1, -1, Bold825, MinQues, MaxQues},
};
// clang-format on

std::vector<PanelRow> AllRows() {
  std::vector<PanelRow> rows(std::begin(Fixed), std::end(Fixed));
  for (const OptionRow& o : Options()) {
    rows.push_back({o.Name, K::Strip, {}, o.Strip, o.Caption, o.Back, o.Fore, Arial825});
    rows.push_back({o.Name, K::Check, {}, o.Check, o.Caption, -1, -1, Arial825});
    rows.back().Option = rows[rows.size() - 2].Option = &o;
  }
  return rows;
}

QLineEdit* ScoreBox(QWidget* parent, std::int32_t fore, const char* name, const QFont& font) {
  auto* t = new QLineEdit("000000", parent);
  t->setAccessibleName(name);
  // A display: a click gives it the focus, which it passes on; Tab goes past it.
  t->setFocusPolicy(Qt::ClickFocus);
  t->setFont(font);
  t->setAlignment(Qt::AlignCenter);
  t->setReadOnly(true);
  t->setStyleSheet(QString("background:black;color:%1;border:1px solid gray;").arg(Css(fore)));
  return t;
}

// The settings and mark boxes: disabled, so only the bars and the game write them, and still
// legible: dark grey digits on light grey, about 7:1.
QLineEdit* NumberBox(QWidget* parent, const char* name, const QFont& font) {
  auto* t = new QLineEdit(parent);
  t->setAccessibleName(name);
  t->setFont(font);
  t->setAlignment(Qt::AlignCenter);
  t->setEnabled(false);
  QPalette pal = t->palette();
  pal.setColor(QPalette::Disabled, QPalette::Base, QColor(239, 239, 239));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(80, 80, 80));
  t->setPalette(pal);
  return t;
}

// A bar used as a spinner: its thumb runs up as its value rises, and ▲, Up and Page Up raise it.
QScrollBar* Bar(QWidget* parent, int low, int high, const char* name) {
  auto* s = new Ringed<QScrollBar>(Qt::Vertical, parent);
  s->setAccessibleName(name);
  s->setFocusPolicy(Qt::StrongFocus);
  s->setRange(low, high);
  s->setSingleStep(1);
  s->setPageStep(1);
  s->setInvertedAppearance(true);
  // The arrows, keys and menu of a scroll bar move down the page; each move is turned round
  // here, so that up, Page Up, Home and the menu's Top all raise the value.
  QObject::connect(s, &QAbstractSlider::actionTriggered, s, [s](int action) {
    using A = QAbstractSlider::SliderAction;
    switch (action) {
      case A::SliderSingleStepSub:
      case A::SliderPageStepSub:
        return s->setSliderPosition(s->value() + 1);
      case A::SliderSingleStepAdd:
      case A::SliderPageStepAdd:
        return s->setSliderPosition(s->value() - 1);
      case A::SliderToMinimum:
        return s->setSliderPosition(s->maximum());
      case A::SliderToMaximum:
        return s->setSliderPosition(s->minimum());
    }
  });
  return s;
}

QWidget* Make(const PanelRow& r, QWidget* parent) {
  const QFont font = DesignFont(r.Font.Family, r.Font.Points, r.Font.Bold);
  switch (r.Kind) {
    case K::Back: {
      auto* l = new QLabel(parent);
      l->setStyleSheet(QString("background:%1;border:1px solid %2;").arg(Css(r.Back), Css(r.Fore)));
      return l;
    }
    case K::Box:
      return ColouredLabel(parent, "", r.Back, r.Fore, font, true);
    case K::Caption:
      return ColouredLabel(parent, r.Caption, r.Back, r.Fore, font, r.Back >= 0,
                           r.Back >= 0 ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignCenter);
    case K::Strip:
      return ColouredLabel(parent, r.Caption, r.Back, r.Fore, font, true,
                           Qt::AlignLeft | Qt::AlignVCenter);
    case K::Score:
      return ScoreBox(parent, r.Fore, r.Caption, font);
    case K::Button: {
      auto* b = new Ringed<QPushButton>(r.Caption, parent);
      b->setFont(font);
      return b;
    }
    case K::Number:
      return NumberBox(parent, r.Caption, font);
    case K::Bar:
      return Bar(parent, r.Low, r.High, r.Caption);
    case K::Check: {
      auto* check = new PanelCheckBox(parent);
      check->setAccessibleName(QString(r.Caption).trimmed());
      return check;
    }
  }
  return nullptr;
}

template <typename... F>
struct Overload : F... {
  using F::operator()...;
};

}  // namespace

std::span<const PanelRow> PanelRows() {
  static const std::vector<PanelRow> rows = AllRows();
  return rows;
}

QLabel* ColouredLabel(QWidget* parent, const char* caption, std::int32_t back, std::int32_t fore,
                      const QFont& font, bool bordered, Qt::Alignment align) {
  auto* l = new QLabel(caption, parent);
  l->setFont(font);
  l->setAlignment(align);
  QString css = QString("color:%1;").arg(Css(fore));
  css += back < 0 ? "background:transparent;" : QString("background:%1;").arg(Css(back));
  if (bordered) css += "border:1px solid black;";
  l->setStyleSheet(css);
  return l;
}

void VEXLAR::buildPanel() {
  for (const PanelRow& row : PanelRows()) {
    QWidget* w = Make(row, this);
    PanelParts.push_back({&row, w});
    std::visit(
        Overload{[](std::monostate) {},
                 [this, w]<typename T>(T VEXLAR::*member) { this->*member = static_cast<T>(w); }},
        row.Member);
    if (row.Kind == K::Strip) OptionBoxes.push_back({row.Option, static_cast<QLabel*>(w), nullptr});
    if (row.Kind == K::Check) OptionBoxes.back().Check = static_cast<QCheckBox*>(w);
  }
  // Design places first; the first activation slides the panel beside the board.
  for (const PanelPart& p : PanelParts) p.Widget->setGeometry(Pixels(p.Row->Place));

  // The keyboard's round in the order of the tab indexes; the score boxes (5, 13) are left out.
  std::vector<std::pair<int, QWidget*>> tabs = {{2, Board},    {4, VScroll1},   {7, CmdPause},
                                                {8, VScroll2}, {11, CmdFinish}, {12, CmdStart}};
  for (const OptionBox& o : OptionBoxes) tabs.emplace_back(o.Row->Tab, o.Check);
  std::sort(tabs.begin(), tabs.end());
  for (std::size_t i = 1; i < tabs.size(); ++i) setTabOrder(tabs[i - 1].second, tabs[i].second);
}

void VEXLAR::placePanel(std::int32_t panelLeft) {
  std::vector<DesignPlace> places;
  for (const PanelPart& p : PanelParts) places.push_back(p.Row->Place);
  LayoutPanel(places, panelLeft);
  for (std::size_t i = 0; i < places.size(); ++i)
    PanelParts[i].Widget->setGeometry(Pixels(places[i]));
}

QCheckBox* VEXLAR::Check(std::int16_t PanelView::*value) const {
  const OptionRow* row = &OptionFor(value);
  return OptionBoxes[static_cast<std::size_t>(row - Options().data())].Check;
}

}  // namespace vexlar
