#include "ColouredLabel.h"

#include "Colours.h"

namespace vexlar {

QLabel* ColouredLabel(QWidget* parent, const QString& caption, std::int32_t fore, const QFont& font,
                      Qt::Alignment align, std::int32_t back) {
  auto* l = new QLabel(caption, parent);
  l->setFont(font);
  l->setAlignment(align);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, FromBgr(fore));
  if (back >= 0) pal.setColor(QPalette::Window, FromBgr(back));
  l->setAutoFillBackground(back >= 0);
  l->setPalette(pal);
  return l;
}

}  // namespace vexlar
