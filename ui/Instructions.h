// The instructions page: handed to the desktop, or shown in a window of the game's own where the
// desktop cannot show it, so the rules are always at hand.
#pragma once
#include <QString>

class QWidget;

namespace vexlar {

// The program that hands a page to the desktop's handler; tests put another in its place.
inline QString InstructionsOpener = "xdg-open";

void OpenInstructions(QWidget* parent, const QString& assetDir);

}  // namespace vexlar
