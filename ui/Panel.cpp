#include "Panel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cmath>
#include <string_view>
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
    {"LblTime", K::Caption, &V::LblTime, {7350, 255, 1320, 630}, "Time Bonus", 0x505000, 0x80FFFF,
     Bold975, "TxtScore"},
    {"LblSkill", K::Caption, &V::LblSkill, {7350, 915, 1335, 615}, "Skill Bonus", 0x606000,
     0x80FFFF, Bold975, "TxtScore2"},
    {"TxtScore", K::Score, &V::TxtScore, {7425, 510, 1170, 315}, "Time Bonus", 0, 0x00FF00,
     Score975, "", "000000"},
    {"TxtScore2", K::Score, &V::TxtScore2, {7425, 1155, 1185, 315}, "Skill Bonus", 0, 0x00FFFF,
     Score975, "", "000000"},
    {"CmdFinish", K::Button, &V::CmdFinish, {7380, 1575, 1290, 405}, "Finished", -1, -1, Bold975},
    {"CmdPause", K::Button, &V::CmdPause, {7380, 2010, 1290, 405}, "Pause", -1, -1, Bold975, "",
     "Resume"},
    {"CmdStart", K::Button, &V::CmdStart, {7380, 2445, 1290, 405}, "Start", -1, -1, Bold975},
    {"LblGrid", K::Box, {}, {7365, 2925, 1320, 600}, "", Navy, -1, Bold825},
    {"LblQue", K::Box, {}, {7365, 3555, 1320, 600}, "", Navy, -1, Bold825},
    {"LblMark", K::Box, {}, {7365, 4200, 1320, 600}, "", 0x000080, -1, Bold825},
    {"LblGrid1", K::Caption, &V::LblGrid1, {7440, 3000, 465, 225}, "Grid", -1, Yellow, Bold825,
     "VScroll1"},
    {"LblGrid2", K::Caption, &V::LblGrid2, {7455, 3210, 465, 210}, "Size", -1, Yellow, Bold825,
     "VScroll1"},
    {"LblQue1", K::Caption, &V::LblQue1, {7440, 3630, 555, 225}, "Queue", -1, Yellow, Bold825,
     "VScroll2"},
    {"LblQue2", K::Caption, &V::LblQue2, {7440, 3855, 510, 225}, "Count", -1, Yellow, Bold825,
     "VScroll2"},
    {"LblMark1", K::Caption, &V::LblMark1, {7425, 4260, 555, 225}, "Mark", -1, Lilac, Bold825,
     "TxtMarks"},
    {"LblMark2", K::Caption, &V::LblMark2, {7440, 4470, 510, 225}, "Count", -1, Lilac, Bold825,
     "TxtMarks"},
    {"TxtGridSize", K::Number, &V::TxtGridSize, {7995, 3015, 435, 420}, "Grid Size", -1, -1,
     Number135, "", "25"},
    {"TxtQues", K::Number, &V::TxtQues, {8010, 3645, 435, 435}, "Queue Count", -1, -1, Number135,
     "", "25"},
    {"TxtMarks", K::Number, &V::TxtMarks, {8025, 4275, 450, 435}, "Mark Count", -1, -1, Number135,
     "", "25"},
    {"VScroll1", K::Bar, &V::VScroll1, {8445, 3015, 210, 435}, "Grid Size", -1, -1, Bold825, "", nullptr,
     MinGridSize, MaxGridSize},
    {"VScroll2", K::Bar, &V::VScroll2, {8430, 3660, 225, 435}, "Queue Count", -1, -1, Bold825, "",
     nullptr, MinQues, MaxQues},
};
// clang-format on

std::vector<PanelRow> AllRows() {
  std::vector<PanelRow> rows(std::begin(Fixed), std::end(Fixed));
  for (const OptionRow& o : Options()) {
    rows.push_back({"", K::Strip, {}, o.Strip, o.Caption, o.Back, o.Fore, Arial825, o.Name});
    rows.push_back({o.Name, K::Check, {}, o.Check, o.Caption, -1, -1, Arial825});
    rows.back().Option = rows[rows.size() - 2].Option = &o;
  }
  return rows;
}

QLineEdit* ScoreBox(QWidget* parent, const char* name) {
  auto* t = new QLineEdit("000000", parent);
  t->setAccessibleName(name);
  // A display: a click gives it the focus, which it passes on; Tab goes past it.
  t->setFocusPolicy(Qt::ClickFocus);
  t->setAlignment(Qt::AlignCenter);
  t->setReadOnly(true);
  return t;
}

// The settings and mark boxes: disabled, so only the bars and the game write them, and still
// legible: dark grey digits on light grey, about 7:1.
QLineEdit* NumberBox(QWidget* parent, const char* name) {
  auto* t = new QLineEdit(parent);
  t->setAccessibleName(name);
  t->setAlignment(Qt::AlignCenter);
  t->setEnabled(false);
  QPalette pal = t->palette();
  pal.setColor(QPalette::Disabled, QPalette::Base, QColor(239, 239, 239));
  pal.setColor(QPalette::Disabled, QPalette::Text, QColor(80, 80, 80));
  t->setPalette(pal);
  return t;
}

// The bars' arrows as tall as a bar is wide, their marks drawn as at a font resolution grown
// with the panel, so that the whole bar grows with it.
class BarStyle : public QProxyStyle {
 public:
  double Scale = 1;
  int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
    return m == PM_ScrollBarExtent && w ? w->width() : QProxyStyle::pixelMetric(m, o, w);
  }
  void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                          const QWidget* w) const override {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(o);
    if (c != CC_ScrollBar || !bar || !w) return QProxyStyle::drawComplexControl(c, o, p, w);
    QImage dpi(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(w->logicalDpiY() * Scale / 0.0254));
    dpi.setDotsPerMeterX(dotsPerMetre);
    dpi.setDotsPerMeterY(dotsPerMetre);
    QStyleOptionSlider grown = *bar;
    grown.fontMetrics = QFontMetrics(w->font(), &dpi);
    QProxyStyle::drawComplexControl(c, &grown, p, w);
  }
};

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

// A row's widget, its font left to the layout; none for a box.
QWidget* Make(const PanelRow& r, QWidget* parent) {
  switch (r.Kind) {
    case K::Back:
      return new PanelBack(parent);
    case K::Box:
      return nullptr;
    case K::Caption:
    case K::Strip: {
      // Only the text: the back paints its ground.
      QLabel* l =
          ColouredLabel(parent, r.Caption, -1, r.Fore, QFont(), false,
                        r.Kind == K::Strip ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      l->setAccessibleName(QString(r.Caption).trimmed());
      return l;
    }
    case K::Score:
      return ScoreBox(parent, r.Caption);
    case K::Button:
      return new Ringed<QPushButton>(r.Caption, parent);
    case K::Number:
      return NumberBox(parent, r.Caption);
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

// The room a caption's text has: its place inside the border, less the control it names where
// that stands in it, above or beside it, and a clear gap.
QRect Room(const QRect& place, const QRect& named, int border, int gap) {
  const QRect in = place.adjusted(border, border, -border, -border);
  if (!named.intersects(in)) return in;
  const QRect above(in.topLeft(), QPoint(in.right(), named.top() - gap - 1));
  const QRect before(in.topLeft(), QPoint(named.left() - gap - 1, in.bottom()));
  const auto area = [](const QRect& r) { return r.width() * r.height(); };
  return area(above) >= area(before) ? above : before;
}

// The row's font at the panel's scale, made smaller until its widest text fits the room.
QFont Fitted(const PanelRow& r, double scale, const QSize& room, const QWidget* on) {
  QFont f = DesignFont(r.Font.Family, r.Font.Points * scale, r.Font.Bold);
  const QString text = r.Widest ? r.Widest : r.Caption;
  for (int n = 0; n < 40; ++n) {
    const QFontMetricsF m(f, on);
    if (m.horizontalAdvance(text) <= room.width() && m.height() <= room.height()) break;
    f.setPointSizeF(f.pointSizeF() * 0.95);
  }
  return f;
}

// Where the text of a control lies clear of its frame and bevel, at the panel's scale.
QSize TextRoom(PanelKind kind, const QSize& size, double scale) {
  const int across = kind == K::Button ? 8 : 6, down = 4;
  return size - QSize(static_cast<int>(across * scale), static_cast<int>(down * scale));
}

// The keyboard's stops: the controls the player works, not the displays.
bool TabStop(PanelKind kind) { return kind == K::Button || kind == K::Bar || kind == K::Check; }

template <typename... F>
struct Overload : F... {
  using F::operator()...;
};

}  // namespace

bool PaintedBehind(const PanelRow& row) {
  return row.Kind == K::Back || row.Kind == K::Box || row.Kind == K::Strip ||
         (row.Kind == K::Caption && row.Back >= 0);
}

void PanelBack::Paint(std::vector<Painted> rows, int border) {
  rows_ = std::move(rows);
  border_ = border;
  update();
}

void PanelBack::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const Painted& r : rows_) {
    const int b = border_;
    // The shape has a border of its own colour; the boxes and strips a black one.
    const QColor edge = r.Row->Kind == K::Back ? FromBgr(r.Row->Fore) : QColor(Qt::black);
    p.fillRect(r.Place, edge);
    p.fillRect(r.Place.adjusted(b, b, -b, -b), FromBgr(r.Row->Back));
  }
}

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
  // Made after the bars, so that the window deletes them before it.
  auto* barStyle = new BarStyle;
  barStyle->setParent(this);
  for (QScrollBar* bar : {VScroll1, VScroll2}) bar->setStyle(barStyle);
  std::vector<const PanelPart*> stops;
  for (const PanelPart& p : PanelParts) {
    const auto named = std::ranges::find_if(PanelParts, [&](const PanelPart& c) {
      return std::string_view(c.Row->Name) == p.Row->Names;
    });
    if (*p.Row->Names) static_cast<QLabel*>(p.Widget)->setBuddy(named->Widget);
    if (TabStop(p.Row->Kind)) stops.push_back(&p);
  }
  // Tab goes down the panel as the player reads it, from the board and back to it.
  std::ranges::stable_sort(stops, {}, [](const PanelPart* p) { return p->Row->Place.Top; });
  QWidget* before = Board;
  for (const PanelPart* p : stops) setTabOrder(before, p->Widget), before = p->Widget;
}

void VEXLAR::placePanel(const WindowLayout& layout) {
  std::vector<DesignPlace> places;
  for (const PanelPart& p : PanelParts) places.push_back(p.Row->Place);
  LayoutPanel(places, layout.PanelLeftTwips, layout.Scale);
  std::vector<QRect> at;
  for (const DesignPlace& d : places) at.push_back(Pixels(d));
  const int border = std::max(1, static_cast<int>(std::lround(layout.Scale)));
  const QPoint origin = at.front().topLeft();  // the back's
  std::vector<PanelBack::Painted> painted;
  for (std::size_t i = 0; i < PanelParts.size(); ++i) {
    const PanelRow& row = *PanelParts[i].Row;
    QWidget* w = PanelParts[i].Widget;
    if (PaintedBehind(row)) painted.push_back({&row, at[i].translated(-origin)});
    if (!w || row.Kind == K::Back) continue;
    const QRect place = at[i];
    QSize room = TextRoom(row.Kind, place.size(), layout.Scale);
    if (row.Kind == K::Caption || row.Kind == K::Strip) {
      // The caption keeps its whole place; its text stands in the room beside its control.
      const QWidget* named = static_cast<QLabel*>(w)->buddy();
      const auto n = std::ranges::find(PanelParts, named, &PanelPart::Widget) - PanelParts.begin();
      const QRect r =
          Room(place, at[static_cast<std::size_t>(n)], row.Back >= 0 ? border : 0, border);
      w->setContentsMargins(r.left() - place.left(), r.top() - place.top(),
                            place.right() - r.right(), place.bottom() - r.bottom());
      room = r.size();
    }
    w->setGeometry(place);
    w->setFont(Fitted(row, layout.Scale, room, w));
    if (row.Kind == K::Score) {
      const QString css = QString("background:black;color:%1;border:%2px solid gray;")
                              .arg(Css(row.Fore))
                              .arg(border);
      if (w->styleSheet() != css) w->setStyleSheet(css);
    }
    if (row.Kind == K::Check) static_cast<PanelCheckBox*>(w)->SetScale(layout.Scale);
  }
  static_cast<BarStyle*>(VScroll1->style())->Scale = layout.Scale;
  CtrlBoxBack->setGeometry(at.front());
  CtrlBoxBack->Paint(std::move(painted), border);
}

QCheckBox* VEXLAR::Check(std::int16_t PanelView::*value) const {
  const OptionRow* row = &OptionFor(value);
  return OptionBoxes[static_cast<std::size_t>(row - Options().data())].Check;
}

}  // namespace vexlar
