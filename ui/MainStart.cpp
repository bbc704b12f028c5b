// Start-up: the main window with the game window inside, then the event loop.
#include "Program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vexlar::Program program;
  return app.exec();
}
