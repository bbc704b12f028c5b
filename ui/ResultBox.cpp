#include "ResultBox.h"

#include <QAccessibleWidget>
#include <QScreen>
#include <QStyle>
#include <initializer_list>

namespace vexlar {

namespace {

constexpr int Gap = 8;  // pixels between the box and what it keeps clear

QRect Global(const QWidget* w) { return QRect(w->mapToGlobal(QPoint()), w->size()); }

// The box as an alert that holds the application until it is answered, as it does.
class ResultAccessible : public QAccessibleWidget {
 public:
  explicit ResultAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::AlertMessage) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.modal = true;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    const auto* box = static_cast<const QMessageBox*>(widget());
    if (t == QAccessible::Description || t == QAccessible::Value) return box->text();
    return QAccessibleWidget::text(t);
  }
};

}  // namespace

QPoint ResultPlace(QSize box, const QRect& board, const QRect& panel, const QRect& screen) {
  const int beside = board.center().y() - box.height() / 2;
  const std::initializer_list<QPoint> tries = {
      {panel.right() + Gap, beside},
      {board.center().x() - box.width() / 2, board.bottom() + Gap},
      {board.right() + Gap, beside},
  };
  for (QPoint at : tries) {
    QRect r(at, box);
    // Slid inside the screen along the board, never over it.
    r.moveTop(
        std::clamp(r.top(), screen.top(), std::max(screen.top(), screen.bottom() - r.height())));
    r.moveLeft(std::max(r.left(), screen.left()));
    if (screen.contains(r) && !r.intersects(board)) return r.topLeft();
  }
  return screen.bottomRight() - QPoint(box.width(), box.height());
}

ResultBox::ResultBox(const QString& text, QWidget* parent, const QWidget* board,
                     const QWidget* panel)
    : QMessageBox(QMessageBox::NoIcon, "VEXLAR", text, QMessageBox::Ok, parent),
      board_(board),
      panel_(panel) {
  static const bool installed = [] {
    QAccessible::installFactory([](const QString&, QObject* o) -> QAccessibleInterface* {
      auto* box = qobject_cast<ResultBox*>(o);
      return box ? new ResultAccessible(box) : nullptr;
    });
    return true;
  }();
  (void)installed;
}

void ResultBox::showEvent(QShowEvent* e) {
  QMessageBox::showEvent(e);
  if (!board_ || !panel_ || !screen()) return;
  // Not framed yet: the window manager frames it as it framed the main window, and puts the
  // box's inside where it is asked to.
  const QWidget* main = board_->window();
  const QRect inside = main->geometry(), outside = main->frameGeometry();
  QMargins frame(inside.left() - outside.left(), inside.top() - outside.top(),
                 outside.right() - inside.right(), outside.bottom() - inside.bottom());
  // A frame not yet read back from the window manager is taken as a title bar, so that the box,
  // asked for below the board, does not slide up onto it.
  if (frame.isNull()) frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight));
  const QPoint at = ResultPlace(size().grownBy(frame), Global(board_), Global(panel_),
                                screen()->availableGeometry());
  move(at + QPoint(frame.left(), frame.top()));
}

}  // namespace vexlar
#include "moc_ResultBox.cpp"
