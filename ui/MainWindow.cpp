#include "MainWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QUrl>
#include <cstdio>

#include "AboutWindow.h"
#include "Pictures.h"

namespace vexlar {

VEXLAROS::VEXLAROS(SoundPort* sound, const QString& assetDir) : assetDir_(assetDir) {
  setWindowTitle("VEXLAR");
  const QIcon icon = GameIcon(assetDir);
  if (icon.isNull())
    std::fprintf(stderr, "VEXLAR: cannot use the icon %s, going without it\n",
                 qPrintable(assetDir + "/vexlar.png"));
  setWindowIcon(icon);
  resize(9480 / 15, 6330 / 15);
  area_ = new QMdiArea(this);
  area_->setBackground(QColor(0, 0, 128));
  setCentralWidget(area_);

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("&Instructions", this, [this] {
    // Handed to the desktop without waiting; if nothing opens, nothing changes.
    QDesktopServices::openUrl(QUrl::fromLocalFile(assetDir_ + "/instructions.html"));
  });
  help->addSeparator();
  help->addAction("&About", this, [this] {
    frmSplash about(assetDir_, this);  // made afresh, so the animation starts from its beginning
    about.exec();
  });

  game_ = new VEXLAR(sound, assetDir);
  QMdiSubWindow* sub = area_->addSubWindow(game_);
  sub->setWindowIcon(windowIcon());
  sub->showMaximized();
}

void ShowAtStartUp(VEXLAROS& main) {
  // Without a window manager showMaximized alone keeps the design size.
  main.setGeometry(QApplication::primaryScreen()->availableGeometry());
  main.showMaximized();
  main.gameWindow()->setFocus();
}

}  // namespace vexlar
