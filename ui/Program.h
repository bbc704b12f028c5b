// Start-up: the sounds and the main window with the game window inside, shown as the game
// starts. The program and the benchmark both start the game through this.
#pragma once
#include <QApplication>

#include "MainWindow.h"
#include "Sounds.h"

namespace vexlar {

// Where the game finds its sounds, pictures and pages: beside its executable.
QString AssetDir();

struct Program {
  // Needs the application object; loads everything from the program's own directory.
  Program();
  Sounds Sound;
  VEXLAROS Main;
};

}  // namespace vexlar
