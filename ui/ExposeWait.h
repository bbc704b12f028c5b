// The wait for the window manager: a window's first activation runs once the window manager has
// shown it at the size it gave it (its first expose), or after 3 s if it never does.
#pragma once
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vexlar {

// Held by the widget it waits for, so that it stops watching before the widget goes.
class ExposeWait : public QObject {
 public:
  ExposeWait(QWidget* widget, std::function<void()> then);
  // From the widget's show: waits, unless it waits already.
  void Start();
  void Stop();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QWidget* widget_;
  QTimer timer_;
};

}  // namespace vexlar
