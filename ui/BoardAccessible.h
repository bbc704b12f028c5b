// The board for screen readers: one accessible child for each visible edge button and cell
// image, named by where it lies and what it shows, and told about when either changes.
#pragma once
#include <QAccessibleWidget>
#include <map>

#include "BoardWidget.h"

namespace vexlar {

class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardWidget* board);
  ~BoardAccessible() override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  // The interface of one element, made the first time it is asked for and kept.
  QAccessibleInterface* Element(BoardWidget::Spot s) const;

 private:
  BoardWidget* board() const { return static_cast<BoardWidget*>(widget()); }
  mutable std::map<std::pair<int, int>, QAccessible::Id> elements_;
};

// Lets Qt's accessibility make a BoardAccessible for every board.
void InstallBoardAccessibility();
// Tells assistive technology that an element shows something else (NameChanged) or that the
// keyboard cursor has come to it (Focus).
void Announce(BoardWidget* board, BoardWidget::Spot s, QAccessible::Event what);

}  // namespace vexlar
