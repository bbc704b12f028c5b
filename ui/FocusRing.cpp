#include "FocusRing.h"

namespace vexlar {

void DrawFocusRing(QPainter& p, const QRect& r, int yellow) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setBrush(Qt::NoBrush);
  p.setPen(QColor(255, 255, 0));
  for (int i = 0; i < yellow; ++i) p.drawRect(r.adjusted(i, i, -1 - i, -1 - i));
  p.setPen(Qt::black);
  p.drawRect(r.adjusted(yellow, yellow, -1 - yellow, -1 - yellow));
  p.restore();
}

}  // namespace vexlar
