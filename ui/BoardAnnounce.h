// What the board tells assistive technology, one way: the board tells, its readers listen.
#pragma once
#include <QAccessible>

#include "BoardModel.h"

class QWidget;

namespace vexlar {

// Tells assistive technology that an element on screen shows something else (NameChanged) or
// that the keyboard cursor has come to it (Focus).
void Announce(QWidget* board, ElementId e, QAccessible::Event what);

}  // namespace vexlar
