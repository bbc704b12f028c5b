#include "BoardAccessible.h"

#include <QPointer>
#include <utility>

namespace vexlar {

namespace {

using Spot = BoardWidget::Spot;

int GridSize(const BoardWidget* board) { return board->Positions ? board->Positions->GridSize : 0; }

// The board shows its elements: not under the cover, and with a game state to name them by.
bool Exposed(const BoardWidget* board) { return board->isVisible() && board->Positions; }

bool OnScreen(const BoardWidget* board, Spot s) {
  return Exposed(board) && !board->SpotRect(s).isEmpty();
}

// The row and column of the table that an element stands at.
std::pair<int, int> RowColumn(const GameState& g, Spot s) {
  const auto i = static_cast<std::int16_t>(s.Index);
  const CellRec& c = g.Cells[s.Kind == Element::Button ? g.ButtonPos(i) : g.ImagePos(i)];
  return {c.Row, c.Col};
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
  ElementAccessible(BoardWidget* board, Spot s) : board_(board), spot_(s), size_(GridSize(board)) {}
  bool isValid() const override {
    return board_ && GridSize(board_) == size_ && OnScreen(board_, spot_);
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
    return t == QAccessible::Name && isValid() && board_->Describe ? board_->Describe(spot_)
                                                                   : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    return board_->SpotRect(spot_).translated(board_->mapToGlobal(QPoint()));
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
    return board_ && board_->Positions ? RowColumn(*board_->Positions, spot_) : std::pair(-1, -1);
  }
  // An edge button where a probe went in and came out at another one.
  bool paired() const {
    if (spot_.Kind != Element::Button) return false;
    const GameState& g = *board_->Positions;
    return g.Cells[g.ButtonPos(static_cast<std::int16_t>(spot_.Index))].Partner > 0;
  }

  QPointer<BoardWidget> board_;
  Spot spot_;
  int size_;
};

}  // namespace

BoardAccessible::BoardAccessible(BoardWidget* board)
    : QAccessibleWidget(board, QAccessible::Table, "Board") {}

BoardAccessible::~BoardAccessible() { forget(); }

void* BoardAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

std::vector<Spot> BoardAccessible::shown() const {
  if (!Exposed(board())) return {};
  return board()->Spots();
}

int BoardAccessible::childCount() const { return static_cast<int>(shown().size()); }

QAccessibleInterface* BoardAccessible::child(int index) const {
  const std::vector<Spot> all = shown();
  return index >= 0 && index < static_cast<int>(all.size()) ? Element(all[index]) : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const std::vector<Spot> all = shown();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (Element(all[i]) == child) return static_cast<int>(i);
  return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
  const QPoint at = board()->mapFromGlobal(QPoint(x, y));
  for (Spot s : shown())
    if (board()->SpotRect(s).contains(at)) return Element(s);
  return nullptr;
}

QAccessibleInterface* BoardAccessible::focusChild() const {
  const Spot at = board()->Cursor();
  return board()->hasFocus() && OnScreen(board(), at) ? Element(at) : nullptr;
}

int BoardAccessible::rowCount() const {
  return Exposed(board()) ? board()->Positions->GridSpan : 0;
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
  const int span = rowCount();
  if (row < 0 || column < 0 || row >= span || column >= span) return nullptr;
  const GameState& g = *board()->Positions;
  const CellRec& c =
      g.Cells[g.Pos(static_cast<std::int16_t>(row), static_cast<std::int16_t>(column))];
  // A corner answers with its hidden button, never valid: clients read it as empty, and Qt's
  // bridge, which uses the answer unchecked, has a cell to read.
  return Element(c.IsButton ? Spot{Element::Button, c.But} : Spot{Element::Image, c.Box});
}

void BoardAccessible::forget() const {
  for (const auto& [spot, id] : elements_) QAccessible::deleteAccessibleInterface(id);
  elements_.clear();
}

QAccessibleInterface* BoardAccessible::Element(Spot s) const {
  // A board of another size has other elements: those of the last one are gone.
  if (const int size = GridSize(board()); size != size_) forget(), size_ = size;
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
  if (!QAccessible::isActive() || !OnScreen(board, s)) return;  // nobody hears, or nothing shows
  if (auto* a = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board))) {
    QAccessibleEvent e(a->Element(s), what);
    QAccessible::updateAccessibility(&e);
  }
}

}  // namespace vexlar
