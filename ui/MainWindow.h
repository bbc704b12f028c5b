// The main window: a navy parent area holding the game window, and the Help menu.
#pragma once
#include <QMainWindow>
#include <QMdiArea>

#include "GameWindow.h"

namespace vexlar {

class VEXLAROS : public QMainWindow {
  Q_OBJECT
 public:
  VEXLAROS(SoundPort* sound, const QString& assetDir);
  VEXLAR* gameWindow() const { return game_; }

 protected:
  // Restored from maximized, the window takes its design size, centred on the screen.
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void ShowDesignSize();

  QMdiArea* area_;
  VEXLAR* game_;
  QString assetDir_;
};

// Shows the main window filling the screen, with the keyboard on the game window.
void ShowAtStartUp(VEXLAROS& main);

}  // namespace vexlar
