// The board for screen readers: a table of the ring of edge buttons around the cells, with one
// accessible child for each element on screen, named by where it lies and what it shows, that
// can be clicked (an end of a pair held down too), and told about when either changes.
#pragma once
#include <QAccessibleWidget>
#include <map>
#include <vector>

#include "BoardWidget.h"

namespace vexlar {

class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardAccessible(BoardWidget* board);
  ~BoardAccessible() override;
  void* interface_cast(QAccessible::InterfaceType t) override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  // The interface of one element of the board on show, made the first time it is asked for and
  // kept while the board keeps its size.
  QAccessibleInterface* Element(ElementId e) const;

  // GridSize + 2 rows and columns while the board is on screen; the corners are empty.
  int rowCount() const override;
  int columnCount() const override { return rowCount(); }
  QAccessibleInterface* cellAt(int row, int column) const override;
  // Nothing on the board is captioned, headed or selected.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  BoardWidget* board() const { return static_cast<BoardWidget*>(widget()); }
  // The elements on screen in reading order: none while the cover hides the board.
  std::vector<ElementId> shown() const;
  void forget() const;
  mutable std::map<int, QAccessible::Id> elements_;  // by slot
  mutable int span_ = 0;  // the rows and columns of the board the elements belong to
};

// Lets Qt's accessibility make a BoardAccessible for every board.
void InstallBoardAccessibility();

}  // namespace vexlar
