#include "Program.h"

namespace vexlar {

QString AssetDir() { return QApplication::applicationDirPath(); }

Program::Program() : Sound(AssetDir().toStdString()), Main(&Sound, AssetDir()) {
  // Named before the first window, which takes its X11 class and Wayland app id from these.
  QApplication::setApplicationName(VEXLAR_APP_NAME);
  QGuiApplication::setDesktopFileName(VEXLAR_APP_ID);
  ShowAtStartUp(Main);
}

}  // namespace vexlar
