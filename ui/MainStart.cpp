// Start-up: the main window with the game window inside, then the event loop.
#include <QApplication>

#include "MainWindow.h"
#include "Sounds.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VEXLAR");
  const QString dir = QApplication::applicationDirPath();
  vexlar::Sounds sounds(dir.toStdString());
  vexlar::VEXLAROS main(&sounds, dir);
  vexlar::ShowAtStartUp(main);
  return app.exec();
}
