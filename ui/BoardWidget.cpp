#include "BoardWidget.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <utility>

#include "BoardAnnounce.h"
#include "Fonts.h"
#include "Twips.h"

namespace vexlar {

BoardWidget::BoardWidget(const BoardModel& model, const Pictures& pictures, QWidget* parent)
    : QWidget(parent),
      model_(model),
      // The captions' least size; the buttons' captions grow from it.
      painter_(DesignFont("MS Sans Serif", 8.25, false), pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName("Board");
  letGo_.setSingleShot(true);
  letGo_.setInterval(1000);  // as long as a press held down on purpose
  connect(&letGo_, &QTimer::timeout, this, &BoardWidget::LetGo);
}

QRect BoardWidget::RectOf(ElementId e) const {
  if (e.Index < 0) return {};
  const ElementView& v = model_.At(e);
  return v.Visible ? ToQRect(v.Place) : QRect();
}

QRegion BoardWidget::Changed(ElementId e) {
  QRect& drawn = drawn_[Slot(e)];
  QRegion region(drawn);
  drawn = RectOf(e);
  if (!drawn.isEmpty()) announce(e, QAccessible::NameChanged);
  return region + drawn;
}

std::vector<ElementId> BoardWidget::Shown() const {
  std::vector<ElementId> out;
  for (int row = 0; row < model_.Span; ++row)
    for (int col = 0; col < model_.Span; ++col)
      if (const ElementId e = model_.At(row, col); model_.At(e).Visible) out.push_back(e);
  return out;
}

ElementId BoardWidget::At(QPoint p) const {
  for (ElementId e : Shown())
    if (RectOf(e).contains(p)) return e;
  return {};
}

void BoardWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // Rect by rect: the bounding rect of marks spread over the board is nearly all of it.
  for (const QRect& r : e->region()) p.fillRect(r, FromBgr(bgr::Navy));
  painter_.Prepare(RectOf({Element::Image, 0}).size(), p.deviceTransform().m11());
  for (ElementId s : Shown())
    if (const QRect r = RectOf(s); e->region().intersects(r))
      painter_.Draw(p, model_, s, r, s == pressed_);
  if (CursorShown()) ElementPainter::DrawRing(p, RectOf(cursor_));
}

void BoardWidget::mousePressEvent(QMouseEvent* e) { press(e, true); }

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double-click: an edge button takes it as a press of its own, so a
  // double-click there is two clicks; a cell takes one click only.
  press(e, false);
}

void BoardWidget::press(QMouseEvent* e, bool cells) {
  if (e->buttons() != e->button()) return;  // another button is down: its press goes on alone
  pressedWith_ = e->button();
  pressed_ = At(e->position().toPoint());
  if (pressed_.Kind == Element::Image && !cells) pressed_ = {};
  // The keyboard carries on from the element the mouse chose, its ring hidden meanwhile.
  if (std::exchange(keyboard_, false)) updateAround(cursor_);
  if (pressed_.Index < 0) return;
  placeCursor(pressed_);
  if (pressed_.Kind != Element::Button) return;
  update(RectOf(pressed_));
  emit EdgePressed(pressed_.Index);  // any mouse button presses
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != pressedWith_) return;  // another button let go while this one is down
  const ElementId was = std::exchange(pressed_, {});
  if (was.Kind == Element::Button) update(RectOf(was));
  // A click is the primary button pressed and released on the same element.
  if (e->button() == Qt::LeftButton && was.Index >= 0 && At(e->position().toPoint()) == was)
    click(was);
}

void BoardWidget::updateAround(ElementId e) {
  if (const QRect r = RectOf(e); !r.isEmpty()) update(r.adjusted(-2, -2, 2, 2));
}

void BoardWidget::announce(ElementId e, QAccessible::Event what) {
  if (e.Index < 0) return;
  std::string& told = told_[Slot(e)];
  const bool heard = QAccessible::isActive() ||
                     isSignalConnected(QMetaMethod::fromSignal(&BoardWidget::Announced));
  // Nobody listens: nothing told is remembered.
  if (!heard) return told.clear();
  const std::string& words = model_.At(e).Words;
  if (told == words && what == QAccessible::NameChanged) return;
  told = words;
  Announce(this, e, what);
  emit Announced(QString::fromStdString(words));
}

void BoardWidget::click(ElementId e) {
  if (e.Kind == Element::Button)
    emit EdgeClicked(e.Index);
  else
    emit CellClicked(e.Index);
}

void BoardWidget::ClickElement(ElementId e) {
  if (RectOf(e).isEmpty()) return;
  placeCursor(e);
  if (e.Kind == Element::Button) emit EdgePressed(e.Index);
  click(e);
}

void BoardWidget::HoldElement(ElementId e) {
  if (e.Kind != Element::Button || RectOf(e).isEmpty()) return;
  placeCursor(e);
  emit EdgePressed(e.Index);
  held_ = e.Index;
  letGo_.start();
  qApp->installEventFilter(this);  // the player's next press anywhere lets go first
}

void BoardWidget::LetGo() {
  const int held = std::exchange(held_, -1);
  if (held < 0) return;
  letGo_.stop();
  qApp->removeEventFilter(this);
  // A Start in between repaints the buttons; a click on an unprobed one would fire a probe.
  if (model_.Buttons[held].BackColour == ColourHighlight) emit EdgeClicked(held);
}

bool BoardWidget::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress) LetGo();
  return QWidget::eventFilter(watched, e);
}

bool BoardWidget::event(QEvent* e) {
  if (e->type() != QEvent::ToolTip) return QWidget::event(e);
  // Used edge buttons tell their outcome in words too, for those who cannot tell the colours.
  const auto* help = static_cast<QHelpEvent*>(e);
  const ElementId at = At(help->pos());
  if (at.Kind == Element::Button && at.Index >= 0 && !model_.Buttons[at.Index].Caption.empty())
    QToolTip::showText(help->globalPos(), QString::fromStdString(model_.At(at).Words), this,
                       RectOf(at));
  else
    QToolTip::hideText();
  return true;
}

}  // namespace vexlar
#include "moc_BoardWidget.cpp"
