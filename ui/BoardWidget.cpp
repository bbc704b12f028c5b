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

BoardWidget::BoardWidget(Game& game, const Pictures& pictures, QWidget* parent)
    : QWidget(parent), game_(game), pictures_(pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFont(DesignFont("MS Sans Serif", 8.25, false));
}

QRect BoardWidget::ButtonRect(int i) const {
  const ButtonView& v = game_.Board.Buttons[i];
  return v.Visible ? ToQRect(v.Place) : QRect();
}

QRect BoardWidget::ImageRect(int b) const {
  const ImageView& v = game_.Board.Images[b];
  return v.Visible ? ToQRect(v.Place) : QRect();
}

QRegion BoardWidget::TakeDirty() {
  QRegion region;
  for (int i = 0; i < ButtonCapacity; ++i) {
    ButtonView& v = game_.Board.Buttons[i];
    if (!v.Dirty) continue;
    v.Dirty = false;
    region += drawnButtons_[i];
    drawnButtons_[i] = ButtonRect(i);
    region += drawnButtons_[i];
  }
  for (int b = 0; b < ImageCapacity; ++b) {
    ImageView& v = game_.Board.Images[b];
    if (!v.Dirty) continue;
    v.Dirty = false;
    region += drawnImages_[b];
    drawnImages_[b] = ImageRect(b);
    region += drawnImages_[b];
  }
  return region;
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
  const BoardModel& m = game_.Board;
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
      p.setPen(back.lightness() > 140 ? Qt::black : Qt::white);
      p.drawText(r, Qt::AlignCenter, QString::fromStdString(v.Caption));
    }
  }
}

void BoardWidget::mousePressEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  pressedButton_ = ButtonAt(at);
  pressedImage_ = pressedButton_ < 0 ? ImageAt(at) : -1;
  if (pressedButton_ >= 0) {
    update(ButtonRect(pressedButton_));
    game_.EdgeButtonPress(static_cast<std::int16_t>(pressedButton_));
    emit Changed();
  }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  const int button = pressedButton_;
  const int image = pressedImage_;
  pressedButton_ = pressedImage_ = -1;
  // A click is a press and a release on the same element.
  if (button >= 0) {
    update(ButtonRect(button));
    if (ButtonAt(at) == button) {
      game_.EdgeButtonClick(static_cast<std::int16_t>(button));
      emit Changed();
    }
  } else if (image >= 0 && ImageAt(at) == image) {
    game_.CellClick(static_cast<std::int16_t>(image));
    emit Changed();
  }
}

}  // namespace vexlar
