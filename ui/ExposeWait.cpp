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
}

void ExposeWait::Start() {
  if (timer_.isActive()) return;
  const QWindow* top = widget_->window()->windowHandle();
  timer_.start(top && top->isExposed() ? 0 : MaxWaitMs);
  qApp->installEventFilter(this);  // only while it waits: every event of the game passes here
}

void ExposeWait::Stop() {
  timer_.stop();
  qApp->removeEventFilter(this);
}

bool ExposeWait::eventFilter(QObject* watched, QEvent* e) {
  // The window manager's answer: the window shown where and as large as it placed it.
  if (e->type() != QEvent::Expose || !timer_.isActive()) return false;
  const QWindow* top = widget_->window()->windowHandle();
  if (watched == top && top->isExposed()) timer_.start(0);
  return false;
}

}  // namespace vexlar
