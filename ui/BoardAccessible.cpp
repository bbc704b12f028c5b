#include "BoardAccessible.h"

#include <QPointer>
#include <utility>

namespace vexlar {

namespace {

// One edge button or cell image; it has no object of its own, the board draws it.
class ElementAccessible : public QAccessibleInterface {
 public:
  ElementAccessible(BoardWidget* board, BoardWidget::Spot s) : board_(board), spot_(s) {}
  bool isValid() const override { return board_; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(board_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && board_ && board_->Describe ? board_->Describe(spot_)
                                                                : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!board_) return {};
    const QRect r = board_->SpotRect(spot_);
    return r.translated(board_->mapToGlobal(QPoint()));
  }
  QAccessible::Role role() const override {
    return spot_.Kind == Element::Button ? QAccessible::Button : QAccessible::Cell;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.invisible = !board_ || board_->SpotRect(spot_).isEmpty();
    s.focused = board_ && board_->hasFocus() && board_->Cursor() == spot_;
    return s;
  }

 private:
  QPointer<BoardWidget> board_;
  BoardWidget::Spot spot_;
};

}  // namespace

BoardAccessible::BoardAccessible(BoardWidget* board)
    : QAccessibleWidget(board, QAccessible::Table, "Board") {}

BoardAccessible::~BoardAccessible() {
  for (const auto& [spot, id] : elements_) QAccessible::deleteAccessibleInterface(id);
}

int BoardAccessible::childCount() const { return static_cast<int>(board()->Spots().size()); }

QAccessibleInterface* BoardAccessible::child(int index) const {
  const std::vector<BoardWidget::Spot> all = board()->Spots();
  return index >= 0 && index < static_cast<int>(all.size()) ? Element(all[index]) : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const std::vector<BoardWidget::Spot> all = board()->Spots();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (Element(all[i]) == child) return static_cast<int>(i);
  return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
  const QPoint at = board()->mapFromGlobal(QPoint(x, y));
  for (BoardWidget::Spot s : board()->Spots())
    if (board()->SpotRect(s).contains(at)) return Element(s);
  return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
  return board()->hasFocus() && board()->Cursor().Index >= 0 ? Element(board()->Cursor()) : nullptr;
}

QAccessibleInterface* BoardAccessible::Element(BoardWidget::Spot s) const {
  const std::pair key(static_cast<int>(s.Kind), s.Index);
  auto found = elements_.find(key);
  if (found == elements_.end())
    found =
        elements_
            .emplace(key,
                     QAccessible::registerAccessibleInterface(new ElementAccessible(board(), s)))
            .first;
  return QAccessible::accessibleInterface(found->second);
}

void InstallBoardAccessibility() {
  static bool installed = false;
  if (std::exchange(installed, true)) return;
  QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
    if (auto* board = qobject_cast<BoardWidget*>(object)) return new BoardAccessible(board);
    return nullptr;
  });
}

void Announce(BoardWidget* board, BoardWidget::Spot s, QAccessible::Event what) {
  if (s.Index < 0 || !QAccessible::isActive()) return;  // nobody listens: spare the work
  if (auto* a = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board))) {
    QAccessibleEvent e(a->Element(s), what);
    QAccessible::updateAccessibility(&e);
  }
}

}  // namespace vexlar
