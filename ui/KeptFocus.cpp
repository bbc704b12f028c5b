#include "KeptFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace vexlar {

KeptFocus::KeptFocus(QWidget* window) : window_(window) {
  qApp->installEventFilter(this);  // to see where the player puts the focus
}

void KeptFocus::Restore() {
  if (last_ && last_->isEnabled() && last_->isVisible() && last_ != QApplication::focusWidget())
    last_->setFocus(Qt::OtherFocusReason);
}

void KeptFocus::PassOn(std::vector<QWidget*> displays, std::function<QWidget*()> to) {
  displays_ = std::move(displays);
  passTo_ = std::move(to);
}

bool KeptFocus::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() != QEvent::FocusIn || !watched->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(watched);
  // Focus the player or the game moved; where it lands while a restore hides the window, or as
  // the window manager activates it, is not kept.
  const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
  if (window_->isVisible() && window_->isAncestorOf(w) &&
      (why == Qt::MouseFocusReason || why == Qt::TabFocusReason || why == Qt::BacktabFocusReason ||
       why == Qt::ShortcutFocusReason))
    last_ = w;
  if (std::ranges::find(displays_, w) != displays_.end())
    if (QWidget* to = passTo_())
      QTimer::singleShot(0, to, [to] { to->setFocus(Qt::TabFocusReason); });
  return false;
}

}  // namespace vexlar
