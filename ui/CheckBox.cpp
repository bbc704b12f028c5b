#include "CheckBox.h"

#include <QPainter>

namespace vexlar {

PanelCheckBox::PanelCheckBox(QWidget* parent) : QCheckBox(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelCheckBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0, 0, 128));
  // Disabled, the box greys and the tick stays dark enough to read (about 7:1).
  const bool on = isEnabled();
  const QRect box(1, (height() - 13) / 2, 13, 13);
  p.fillRect(box, on ? QColor(255, 255, 255) : QColor(212, 208, 200));
  p.setPen(QColor(128, 128, 128));
  p.drawRect(box.adjusted(0, 0, -1, -1));
  if (!isChecked()) return;
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(on ? QColor(0, 0, 0) : QColor(64, 64, 64), 2.0, Qt::SolidLine, Qt::SquareCap,
                Qt::MiterJoin));
  const QPointF o = box.topLeft();
  p.drawPolyline(QPolygonF({o + QPointF(3, 6.5), o + QPointF(5.5, 9), o + QPointF(10, 4)}));
}

}  // namespace vexlar
