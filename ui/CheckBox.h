// The panel's check boxes, drawn as the design's desktop draws a check box whose back colour is
// navy: a light box with a dark tick, legible enabled or disabled.
#pragma once
#include <QCheckBox>

namespace vexlar {

class PanelCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit PanelCheckBox(QWidget* parent);
  // The panel's scale: the box and its tick grow with it.
  void SetScale(double scale);

 protected:
  void paintEvent(QPaintEvent* e) override;
  // The whole control takes the click, as small as it is.
  bool hitButton(const QPoint& at) const override { return rect().contains(at); }

 private:
  double scale_ = 1;
};

}  // namespace vexlar
