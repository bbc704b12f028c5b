#include "ExposeWait.h"

#include <QApplication>
#include <QWindow>
#include <utility>

namespace vexlar {

namespace {

// The longest wait for a window manager to show the window (milliseconds).
constexpr int MaxWaitMs = 3000;

}  // namespace

ExposeWait::ExposeWait(QWidget* widget, std::function<void()> then) : widget_(widget) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, std::move(then));
  qApp->installEventFilter(this);
}

void ExposeWait::Start() {
  if (timer_.isActive()) return;
  const QWindow* top = widget_->window()->windowHandle();
  timer_.start(top && top->isExposed() ? 0 : MaxWaitMs);
}

bool ExposeWait::eventFilter(QObject* watched, QEvent* e) {
  // The window manager's answer: the window shown where and as large as it placed it.
  if (e->type() != QEvent::Expose || !timer_.isActive()) return false;
  const QWindow* top = widget_->window()->windowHandle();
  if (watched == top && top->isExposed()) timer_.start(0);
  return false;
}

}  // namespace vexlar
