#include "BoardWidget.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "BoardAccessible.h"
#include "FocusRing.h"
#include "Fonts.h"

namespace vexlar {

namespace {
QRect ToQRect(const Rect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }
}  // namespace

BoardWidget::BoardWidget(const BoardModel& model, const Pictures& pictures, QWidget* parent)
    : QWidget(parent), model_(model), pictures_(pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName("Board");
  // The captions' least size; the buttons' captions grow from it.
  setFont(DesignFont("MS Sans Serif", 8.25, false));
  captionFace_ = CaptionFaceOf(font());
  letGo_.setSingleShot(true);
  letGo_.setInterval(1000);  // as long as a press held down on purpose
  connect(&letGo_, &QTimer::timeout, this, &BoardWidget::LetGo);
}

QRect BoardWidget::ButtonRect(int i) const {
  const ButtonView& v = model_.Buttons[i];
  return v.Visible ? ToQRect(v.Place) : QRect();
}

QRect BoardWidget::ImageRect(int b) const {
  const ImageView& v = model_.Images[b];
  return v.Visible ? ToQRect(v.Place) : QRect();
}

QRect BoardWidget::SpotRect(Spot s) const {
  if (s.Index < 0) return {};
  return s.Kind == Element::Button ? ButtonRect(s.Index) : ImageRect(s.Index);
}

QRegion BoardWidget::Changed(Element kind, int index) {
  const bool button = kind == Element::Button;
  QRect& drawn = button ? drawnButtons_[index] : drawnImages_[index];
  QRegion region(drawn);
  drawn = button ? ButtonRect(index) : ImageRect(index);
  if (!drawn.isEmpty()) announce({kind, index}, QAccessible::NameChanged);
  return region + drawn;
}

std::vector<BoardWidget::Spot> BoardWidget::Spots() const {
  std::vector<Spot> out;
  for (int i = 0; i < ButtonCapacity; ++i)
    if (model_.Buttons[i].Visible) out.push_back({Element::Button, i});
  for (int b = 0; b < ImageCapacity; ++b)
    if (model_.Images[b].Visible) out.push_back({Element::Image, b});
  std::sort(out.begin(), out.end(), [this](Spot a, Spot b) {
    const QRect x = SpotRect(a), y = SpotRect(b);
    return std::pair(x.top(), x.left()) < std::pair(y.top(), y.left());
  });
  return out;
}

int BoardWidget::ButtonAt(QPoint p) const {
  for (int i = 0; i < ButtonCapacity; ++i)
    if (ButtonRect(i).contains(p)) return i;
  return -1;
}

int BoardWidget::ImageAt(QPoint p) const {
  for (int b = 0; b < ImageCapacity; ++b)
    if (ImageRect(b).contains(p)) return b;
  return -1;
}

void BoardWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // Rect by rect: the bounding rect of marks spread over the board is nearly all of it.
  for (const QRect& r : e->region()) p.fillRect(r, FromBgr(0x800000));
  // A new cell size: the strips a game shows later start on their pictures for it now, so that
  // a mark, a glow or a trail is sharp the first time it shows.
  const QRect cell = ImageRect(0);
  const std::pair size(cell.size(), p.deviceTransform().m11());
  if (!cell.isEmpty() && size != prepared_) {
    prepared_ = size;
    for (Clip c : {Clip::Mark, Clip::Glow, Clip::Trail, Clip::Wrong})
      pictures_.Of(c).Prepare(size.first, size.second);
  }
  const BoardModel& m = model_;
  for (int b = 0; b < ImageCapacity; ++b) {
    const QRect r = ImageRect(b);
    if (!e->region().intersects(r)) continue;
    const ImageView& v = m.Images[b];
    const StripPicture& strip = pictures_.Of(v.Strip);
    PictureStrip cut = strip.Cut;
    if (v.Strip == Clip::Board) cut.Rows = m.BoardRows, cut.Cols = m.BoardCols;
    strip.Draw(p, r, cut.Frame(v.Frame));
    // A thin flat border, as four filled lines: an outlined rect goes through the path filler.
    for (const QRect& line :
         {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
          QRect(r.left(), r.top() + 1, 1, r.height() - 2),
          QRect(r.right(), r.top() + 1, 1, r.height() - 2)})
      p.fillRect(line, QColor(0, 0, 0, 90));
  }
  for (int i = 0; i < ButtonCapacity; ++i) {
    const QRect r = ButtonRect(i);
    if (!e->region().intersects(r)) continue;
    DrawEdgeButton(p, r, m.Buttons[i], i == pressedButton_, captionFace_);
  }
  // Along the element's edge only, so it never hides a caption or a mark.
  if (CursorShown()) DrawFocusRing(p, SpotRect(cursor_), 2);
}

void BoardWidget::mousePressEvent(QMouseEvent* e) { press(e, true); }

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double-click: an edge button takes it as a press of its own, so a
  // double-click there is two clicks; a cell takes one click only.
  press(e, false);
}

void BoardWidget::press(QMouseEvent* e, bool cells) {
  if (e->buttons() != e->button()) return;  // another button is down: its press goes on alone
  const QPoint at = e->position().toPoint();
  pressedWith_ = e->button();
  pressedButton_ = ButtonAt(at);
  pressedImage_ = pressedButton_ < 0 && cells ? ImageAt(at) : -1;
  // The keyboard carries on from the element the mouse chose, its ring hidden meanwhile.
  if (std::exchange(keyboard_, false)) updateSpot(cursor_);
  if (pressedButton_ >= 0 || pressedImage_ >= 0)
    placeCursor(pressedButton_ >= 0 ? Spot{Element::Button, pressedButton_}
                                    : Spot{Element::Image, pressedImage_});
  if (pressedButton_ < 0) return;
  update(ButtonRect(pressedButton_));
  emit EdgePressed(pressedButton_);  // any mouse button presses
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != pressedWith_) return;  // another button let go while this one is down
  const QPoint at = e->position().toPoint();
  const int button = pressedButton_;
  const int image = pressedImage_;
  pressedButton_ = pressedImage_ = -1;
  // A click is the primary button pressed and released on the same element.
  const bool primary = e->button() == Qt::LeftButton;
  if (button >= 0) {
    update(ButtonRect(button));
    if (primary && ButtonAt(at) == button) emit EdgeClicked(button);
  } else if (primary && image >= 0 && ImageAt(at) == image) {
    emit CellClicked(image);
  }
}

void BoardWidget::updateSpot(Spot s) {
  if (const QRect r = SpotRect(s); !r.isEmpty()) update(r.adjusted(-2, -2, 2, 2));
}

void BoardWidget::announce(Spot s, QAccessible::Event what) {
  if (s.Index < 0) return;
  QString& told = s.Kind == Element::Button ? toldButtons_[s.Index] : toldImages_[s.Index];
  const bool heard = QAccessible::isActive() ||
                     isSignalConnected(QMetaMethod::fromSignal(&BoardWidget::Announced));
  // Nobody listens: no words are made on every clock tick, and nothing told is remembered.
  if (!heard || !Describe) return told.clear();
  const QString text = Describe(s);
  if (std::exchange(told, text) == text && what == QAccessible::NameChanged) return;
  Announce(this, s, what);
  emit Announced(text);
}

void BoardWidget::click(Spot s) {
  if (s.Kind == Element::Button)
    emit EdgeClicked(s.Index);
  else
    emit CellClicked(s.Index);
}

void BoardWidget::ClickElement(Spot s) {
  if (SpotRect(s).isEmpty()) return;
  placeCursor(s);
  if (s.Kind == Element::Button) emit EdgePressed(s.Index);
  click(s);
}

void BoardWidget::HoldElement(Spot s) {
  if (s.Kind != Element::Button || SpotRect(s).isEmpty()) return;
  placeCursor(s);
  emit EdgePressed(s.Index);
  held_ = s.Index;
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
  const int i = ButtonAt(help->pos());
  if (i >= 0 && !model_.Buttons[i].Caption.empty() && Describe)
    QToolTip::showText(help->globalPos(), Describe({Element::Button, i}), this, ButtonRect(i));
  else
    QToolTip::hideText();
  return true;
}

}  // namespace vexlar
#include "moc_BoardWidget.cpp"
