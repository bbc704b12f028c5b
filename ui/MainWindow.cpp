#include "MainWindow.h"

#include <QDesktopServices>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QUrl>

namespace vexlar {

VEXLAROS::VEXLAROS(SoundPort* sound, const QString& assetDir) : assetDir_(assetDir) {
  setWindowTitle("VEXLAR");
  setWindowIcon(QIcon(assetDir + "/vexlar.png"));
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
    QMessageBox::about(this, "VEXLAR", "VEXLAR\nA deduction game of probes and hidden ques.");
  });

  game_ = new VEXLAR(sound, assetDir);
  QMdiSubWindow* sub = area_->addSubWindow(game_);
  sub->setWindowIcon(windowIcon());
  sub->showMaximized();
}

}  // namespace vexlar
