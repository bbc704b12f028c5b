// The keyboard focus a window keeps: the control the player last put it on, given back once a
// window over it has closed or the window manager has restored or maximized it; and displays
// that pass on the focus they get.
#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace vexlar {

class KeptFocus : public QObject {
 public:
  explicit KeptFocus(QWidget* window);
  bool Kept() const { return !last_.isNull(); }
  void Restore();
  // These displays hand the focus they get on to the control to() names, if it names one.
  void PassOn(std::vector<QWidget*> displays, std::function<QWidget*()> to);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QWidget* window_;
  QPointer<QWidget> last_;
  std::vector<QWidget*> displays_;
  std::function<QWidget*()> passTo_;
};

}  // namespace vexlar
