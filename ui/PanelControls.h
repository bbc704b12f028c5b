// The panel's widgets as its rows make them: their looks and behaviour, their fonts and places
// left to the layout.
#pragma once
#include <QLabel>
#include <QScrollBar>
#include <QWidget>
#include <initializer_list>

namespace vexlar {

struct PanelRow;

// A row's widget; none for a box, which the back paints.
QWidget* MakePanelWidget(const PanelRow& row, QWidget* parent);
// Gives the bars one style, owned by the window, whose arrows grow with the panel.
void ShareBarStyle(QWidget* owner, std::initializer_list<QScrollBar*> bars);
// Brings what a widget draws itself (borders, boxes, arrows) to the panel's scale.
void ScalePanelWidget(QWidget* w, const PanelRow& row, double scale, int border);

}  // namespace vexlar
