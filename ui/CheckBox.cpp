#include "CheckBox.h"

#include <QPainter>
#include <cmath>

#include "Colours.h"

namespace vexlar {

PanelCheckBox::PanelCheckBox(QWidget* parent) : QCheckBox(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelCheckBox::SetScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  update();
}

void PanelCheckBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), FromBgr(bgr::Navy));
  // Disabled, the box greys and the tick stays dark enough to read (about 7:1).
  const bool on = isEnabled();
  const int side = static_cast<int>(std::lround(11 * scale_));  // room for the focus ring around it
  const QRect box(static_cast<int>(std::lround(3 * scale_)), (height() - side) / 2, side, side);
  p.fillRect(box, on ? QColor(255, 255, 255) : QColor(212, 208, 200));
  p.setPen(QColor(128, 128, 128));
  p.drawRect(box.adjusted(0, 0, -1, -1));
  if (!isChecked()) return;
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(on ? QColor(0, 0, 0) : QColor(64, 64, 64), 2.0 * scale_, Qt::SolidLine,
                Qt::SquareCap, Qt::MiterJoin));
  const QPointF o = box.topLeft();
  p.drawPolyline(QPolygonF({o + QPointF(2.5, 5.5) * scale_, o + QPointF(4.5, 7.5) * scale_,
                            o + QPointF(8.5, 3) * scale_}));
}

}  // namespace vexlar
#include "moc_CheckBox.cpp"
