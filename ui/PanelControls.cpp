#include "PanelControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <cmath>

#include "CheckBox.h"
#include "ColouredLabel.h"
#include "Colours.h"
#include "FocusRing.h"
#include "Panel.h"

namespace vexlar {

namespace {

using K = PanelKind;

QLineEdit* ScoreBox(QWidget* parent, const char* caption) {
  auto* t = new QLineEdit(caption, parent);
  // A display: a click gives it the focus, which it passes on; Tab goes past it.
  t->setFocusPolicy(Qt::ClickFocus);
  t->setAlignment(Qt::AlignCenter);
  t->setReadOnly(true);
  return t;
}

// The settings and mark boxes: disabled, so only the bars and the game write them, and still
// legible: dark grey digits on light grey, about 7:1.
QLineEdit* NumberBox(QWidget* parent) {
  auto* t = new QLineEdit(parent);
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
QScrollBar* Bar(QWidget* parent, int low, int high) {
  auto* s = new Ringed<QScrollBar>(Qt::Vertical, parent);
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

// A colour 0xBBGGRR as style sheets name it.
QString Css(std::int32_t bgr) { return FromBgr(bgr).name(); }

QWidget* Made(const PanelRow& r, QWidget* parent) {
  switch (r.Kind) {
    case K::Back:
      return new PanelBack(parent);
    case K::Box:
      return nullptr;
    case K::Caption:
    case K::Strip:
      // Only the text: the back paints its ground.
      return ColouredLabel(parent, r.Caption, r.Fore, QFont(),
                           r.Kind == K::Strip ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    case K::Score:
      return ScoreBox(parent, r.Caption);
    case K::Button:
      return new Ringed<QPushButton>(r.Caption, parent);
    case K::Number:
      return NumberBox(parent);
    case K::Bar:
      return Bar(parent, r.Low, r.High);
    case K::Check:
      return new Ringed<PanelCheckBox>(parent);  // ringed, and Return ticks it
  }
  return nullptr;
}

}  // namespace

QWidget* MakePanelWidget(const PanelRow& r, QWidget* parent) {
  QWidget* w = Made(r, parent);
  if (w && *r.Said) w->setAccessibleName(QString(r.Said).trimmed());
  return w;
}

void ShareBarStyle(QWidget* owner, std::initializer_list<QScrollBar*> bars) {
  // Made after the bars, so that the window deletes them before it.
  auto* style = new BarStyle;
  style->setParent(owner);
  for (QScrollBar* bar : bars) bar->setStyle(style);
}

void ScalePanelWidget(QWidget* w, const PanelRow& row, double scale, int border) {
  if (row.Kind == K::Check) static_cast<PanelCheckBox*>(w)->SetScale(scale);
  if (row.Kind == K::Bar) static_cast<BarStyle*>(w->style())->Scale = scale;
  if (row.Kind != K::Score) return;
  const QString css = QString("background:%1;color:%2;border:%3px solid %4;")
                          .arg(Css(row.Back), Css(row.Fore))
                          .arg(border)
                          .arg(Css(bgr::Grey));
  if (w->styleSheet() != css) w->setStyleSheet(css);
}

}  // namespace vexlar
