// The instructions page, always in a window of the game's own, with a button that hands the page
// to the desktop's web browser for those who want one.
#pragma once
#include <QString>

class QWidget;

namespace vexlar {

// The program that hands a page to the desktop's browser; tests put another in its place.
inline QString InstructionsOpener = "xdg-open";

// Shows the page beside the parent, or raises the window that already shows it.
void OpenInstructions(QWidget* parent, const QString& assetDir);

}  // namespace vexlar
