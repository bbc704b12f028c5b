// The design's fonts on this desktop: metric-compatible stand-ins at the same sizes.
#pragma once
#include <QFont>

namespace vexlar {

// Registers the stand-ins once; later calls do nothing.
void InstallFontSubstitutes();
// A font of the design by family name, size in points and weight.
QFont DesignFont(const char* family, double points, bool bold);

}  // namespace vexlar
