#include "Panel.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "Colours.h"
#include "Fonts.h"
#include "GameWindow.h"
#include "PanelControls.h"
#include "Twips.h"

namespace vexlar {

namespace {

using K = PanelKind;

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
  const QString text = r.FitTo ? r.FitTo : r.Caption;
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

template <typename... F>
struct Overload : F... {
  using F::operator()...;
};

}  // namespace

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

void VEXLAR::buildPanel() {
  for (const PanelRow& row : PanelRows()) {
    QWidget* w = MakePanelWidget(row, this);
    PanelParts.push_back({&row, w});
    std::visit(
        Overload{[](std::monostate) {},
                 [this, w]<typename T>(T VEXLAR::*member) { this->*member = static_cast<T>(w); }},
        row.Member);
    if (row.Kind == K::Strip) OptionBoxes.push_back({row.Option, static_cast<QLabel*>(w), nullptr});
    if (row.Kind == K::Check) OptionBoxes.back().Check = static_cast<QCheckBox*>(w);
  }
  ShareBarStyle(this, {VScroll1, VScroll2});
  std::vector<const PanelPart*> stops;
  for (const PanelPart& p : PanelParts) {
    const auto named = std::ranges::find_if(PanelParts, [&](const PanelPart& c) {
      return std::string_view(c.Row->Name) == p.Row->Names;
    });
    if (*p.Row->Names) static_cast<QLabel*>(p.Widget)->setBuddy(named->Widget);
    if (p.Row->Tab) stops.push_back(&p);
  }
  // Tab goes down the panel, from the board and back to it.
  std::ranges::sort(stops, {}, [](const PanelPart* p) { return p->Row->Tab; });
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
  std::vector<QFont> fonts(PanelParts.size());
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
    fonts[i] = Fitted(row, layout.Scale, room, w);
    ScalePanelWidget(w, row, layout.Scale, border);
  }
  // Texts of one kind and design font keep one size: that of the one with the least room.
  for (std::size_t i = 0; i < PanelParts.size(); ++i) {
    const PanelRow& row = *PanelParts[i].Row;
    for (std::size_t j = 0; j < PanelParts.size(); ++j)
      if (PanelParts[j].Row->Kind == row.Kind &&
          PanelParts[j].Row->Font.Points == row.Font.Points &&
          fonts[j].pointSizeF() < fonts[i].pointSizeF())
        fonts[i] = fonts[j];
    if (PanelParts[i].Widget && row.Kind != K::Back) PanelParts[i].Widget->setFont(fonts[i]);
  }
  CtrlBoxBack->setGeometry(at.front());
  CtrlBoxBack->Paint(std::move(painted), border);
}

QCheckBox* VEXLAR::Check(std::int16_t PanelView::*value) const {
  const OptionRow* row = &OptionFor(value);
  return OptionBoxes[static_cast<std::size_t>(row - Options().data())].Check;
}

}  // namespace vexlar
