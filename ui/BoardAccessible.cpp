#include "BoardAccessible.h"

#include <QPointer>
#include <utility>

#include "BoardAnnounce.h"

namespace vexlar {

namespace {

// The board shows its elements while the cover does not hide it.
bool OnScreen(const BoardWidget* board, ElementId e) {
  return board->isVisible() && !board->RectOf(e).isEmpty();
}

// Held down, an end of a pair lights both ends; the click that follows lets them go.
const QString& HoldAction() {
  static const QString name = QStringLiteral("Hold");
  return name;
}

// One edge button or cell image of the board on show; it has no object of its own, the board
// draws it.
class ElementAccessible : public QAccessibleInterface,
                          public QAccessibleActionInterface,
                          public QAccessibleTableCellInterface {
 public:
  ElementAccessible(BoardWidget* board, ElementId e)
      : board_(board), spot_(e), span_(board->Model().Span) {}
  bool isValid() const override {
    return board_ && board_->Model().Span == span_ && OnScreen(board_, spot_);
  }
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
    if (t != QAccessible::Name || !isValid()) return {};
    return QString::fromStdString(board_->Model().At(spot_).Words);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    return board_->RectOf(spot_).translated(board_->mapToGlobal(QPoint()));
  }
  QAccessible::Role role() const override {
    return spot_.Kind == Element::Button ? QAccessible::Button : QAccessible::Cell;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.invisible = !isValid();
    s.focused = !s.invisible && board_->hasFocus() && board_->Cursor() == spot_;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    if (t == QAccessible::TableCellInterface)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  QStringList actionNames() const override {
    if (!isValid()) return {};
    return paired() ? QStringList{pressAction(), HoldAction()} : QStringList{pressAction()};
  }
  QString localizedActionDescription(const QString& name) const override {
    if (name == HoldAction()) return "Holds the button down: both ends of its pair light up";
    return QAccessibleActionInterface::localizedActionDescription(name);
  }
  void doAction(const QString& name) override {
    if (!actionNames().contains(name)) return;
    const bool hold = name == HoldAction();
    // From the event loop, as a mouse click comes, once the client has had its answer.
    QMetaObject::invokeMethod(
        board_,
        [board = board_, s = spot_, hold] {
          hold ? board->HoldElement(s) : board->ClickElement(s);
        },
        Qt::QueuedConnection);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int rowIndex() const override { return rowColumn().first; }
  int columnIndex() const override { return rowColumn().second; }
  int rowExtent() const override { return 1; }
  int columnExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  std::pair<int, int> rowColumn() const {
    if (!board_) return {-1, -1};
    const ElementView& v = board_->Model().At(spot_);
    return {v.Row, v.Col};
  }
  // An edge button where a probe went in and came out at another one.
  bool paired() const {
    return spot_.Kind == Element::Button &&
           OutcomeOf(board_->Model().Buttons[spot_.Index]) == Outcome::Pair;
  }

  QPointer<BoardWidget> board_;
  ElementId spot_;
  int span_;
};

}  // namespace

BoardAccessible::BoardAccessible(BoardWidget* board)
    : QAccessibleWidget(board, QAccessible::Table, "Board") {}

BoardAccessible::~BoardAccessible() { forget(); }

void* BoardAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

std::vector<ElementId> BoardAccessible::shown() const {
  if (!board()->isVisible()) return {};
  return board()->Shown();
}

int BoardAccessible::childCount() const { return static_cast<int>(shown().size()); }

QAccessibleInterface* BoardAccessible::child(int index) const {
  const std::vector<ElementId> all = shown();
  return index >= 0 && index < static_cast<int>(all.size()) ? Element(all[index]) : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const std::vector<ElementId> all = shown();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (Element(all[i]) == child) return static_cast<int>(i);
  return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
  const QPoint at = board()->mapFromGlobal(QPoint(x, y));
  const ElementId e = board()->isVisible() ? board()->At(at) : ElementId{};
  return e.Index >= 0 ? Element(e) : nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
  const ElementId at = board()->Cursor();
  return board()->hasFocus() && OnScreen(board(), at) ? Element(at) : nullptr;
}

int BoardAccessible::rowCount() const { return board()->isVisible() ? board()->Model().Span : 0; }

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
  if (row >= rowCount()) return nullptr;
  // A corner answers with its hidden button, never valid: clients read it as empty, and Qt's
  // bridge, which uses the answer unchecked, has a cell to read.
  const ElementId e = board()->Model().At(row, column);
  return e.Index >= 0 ? Element(e) : nullptr;
}

void BoardAccessible::forget() const {
  for (const auto& [slot, id] : elements_) QAccessible::deleteAccessibleInterface(id);
  elements_.clear();
}

QAccessibleInterface* BoardAccessible::Element(ElementId e) const {
  // A board of another size has other elements: those of the last one are gone.
  if (const int span = board()->Model().Span; span != span_) forget(), span_ = span;
  auto found = elements_.find(Slot(e));
  if (found == elements_.end())
    found =
        elements_
            .emplace(Slot(e),
                     QAccessible::registerAccessibleInterface(new ElementAccessible(board(), e)))
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

void Announce(QWidget* widget, ElementId s, QAccessible::Event what) {
  auto* board = qobject_cast<BoardWidget*>(widget);
  if (!QAccessible::isActive() || !board || !OnScreen(board, s)) return;  // nobody hears
  if (auto* a = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board))) {
    QAccessibleEvent e(a->Element(s), what);
    QAccessible::updateAccessibility(&e);
  }
}

}  // namespace vexlar
