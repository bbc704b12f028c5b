// Start-up: the main window with the game window inside, then the event loop.
#include <QApplication>
#include <QScreen>

#include "MainWindow.h"
#include "Sounds.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("VEXLAR");
  const QString dir = QApplication::applicationDirPath();
  vexlar::Sounds sounds(dir.toStdString());
  vexlar::VEXLAROS main(&sounds, dir);
  // Without a window manager showMaximized alone keeps the design size.
  main.setGeometry(QApplication::primaryScreen()->availableGeometry());
  main.showMaximized();
  main.gameWindow()->setFocus();
  return app.exec();
}
