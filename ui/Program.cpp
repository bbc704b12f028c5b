#include "Program.h"

namespace vexlar {

namespace {
// The game finds its sounds, pictures and pages beside its executable.
QString AssetDir() { return QApplication::applicationDirPath(); }
}  // namespace

Program::Program() : Sound(AssetDir().toStdString()), Main(&Sound, AssetDir()) {
  QApplication::setApplicationName("VEXLAR");
  ShowAtStartUp(Main);
}

}  // namespace vexlar
