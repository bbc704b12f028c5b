#include "BoardWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "Fonts.h"

namespace vexlar {

QColor FromBgr(std::int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

namespace {
QRect ToQRect(const Rect& r) { return QRect(r.Left, r.Top, r.Width, r.Height); }
}  // namespace

BoardWidget::BoardWidget(const BoardModel& model, const Pictures& pictures, QWidget* parent)
    : QWidget(parent), model_(model), pictures_(pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Crisp as the design's bitmap font: antialiased edges would pale the caption on teal.
  QFont font = DesignFont("MS Sans Serif", 8.25, false);
  font.setStyleStrategy(QFont::NoAntialias);
  setFont(font);
}

QRect BoardWidget::ButtonRect(int i) const {
  const ButtonView& v = model_.Buttons[i];
  return v.Visible ? ToQRect(v.Place) : QRect();
}

QRect BoardWidget::ImageRect(int b) const {
  const ImageView& v = model_.Images[b];
  return v.Visible ? ToQRect(v.Place) : QRect();
}

QRegion BoardWidget::Changed(Element kind, int index) {
  const bool button = kind == Element::Button;
  QRect& drawn = button ? drawnButtons_[index] : drawnImages_[index];
  QRegion region(drawn);
  drawn = button ? ButtonRect(index) : ImageRect(index);
  return region + drawn;
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
  p.fillRect(e->rect(), FromBgr(0x800000));
  const BoardModel& m = model_;
  for (int b = 0; b < ImageCapacity; ++b) {
    const QRect r = ImageRect(b);
    if (!e->region().intersects(r)) continue;
    const ImageView& v = m.Images[b];
    const StripPicture& strip = pictures_.Of(v.Strip);
    PictureStrip cut = strip.Cut;
    if (v.Strip == Clip::Board) cut.Rows = m.BoardRows, cut.Cols = m.BoardCols;
    strip.Draw(p, r, cut.Frame(v.Frame));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawRect(r.adjusted(0, 0, -1, -1));  // thin flat border
  }
  for (int i = 0; i < ButtonCapacity; ++i) {
    const QRect r = ButtonRect(i);
    if (!e->region().intersects(r)) continue;
    const ButtonView& v = m.Buttons[i];
    const QColor back = FromBgr(v.BackColour);
    p.fillRect(r, back);
    const bool down = i == pressedButton_;
    p.setPen(down ? back.darker(200) : back.lighter(160));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(down ? back.lighter(160) : back.darker(220));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    if (!v.Caption.empty()) {
      p.setPen(Qt::black);  // dark on every back colour, as the design's buttons draw captions
      p.drawText(r, Qt::AlignCenter, QString::fromStdString(v.Caption));
    }
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* e) { press(e, true); }

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  // The second press of a double-click: an edge button takes it as a press of its own, so a
  // double-click there is two clicks; a cell takes one click only.
  press(e, false);
}

void BoardWidget::press(QMouseEvent* e, bool cells) {
  const QPoint at = e->position().toPoint();
  pressedWith_ = e->button();
  pressedButton_ = ButtonAt(at);
  pressedImage_ = pressedButton_ < 0 && cells ? ImageAt(at) : -1;
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

}  // namespace vexlar
