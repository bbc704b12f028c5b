#include "MainWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindowStateChangeEvent>
#include <cstdio>

#include "AboutWindow.h"
#include "PanelLayout.h"
#include "Pictures.h"

namespace vexlar {

namespace {
// The main window's area as designed: 9480 x 6330 twips.
constexpr QSize DesignArea(9480 / TwipsPerPixel, 6330 / TwipsPerPixel);
}  // namespace

VEXLAROS::VEXLAROS(SoundPort* sound, const QString& assetDir) : assetDir_(assetDir) {
  setWindowTitle("VEXLAR");
  const QIcon icon = GameIcon(assetDir);
  if (icon.isNull())
    std::fprintf(stderr, "VEXLAR: cannot use the icon %s, going without it\n",
                 qPrintable(assetDir + "/vexlar.png"));
  setWindowIcon(icon);
  resize(DesignArea);
  area_ = new QMdiArea(this);
  area_->setBackground(QColor(0, 0, 128));
  // The design's own size is the least at which the board and the panel stand whole.
  area_->setMinimumSize(DesignArea);
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
  // Restored, the game window takes its design size at the area's top left.
  sub->setGeometry(QRect(QPoint(), game_->size().grownBy(sub->contentsMargins())));
  sub->showMaximized();
}

void VEXLAROS::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() != QEvent::WindowStateChange) return;
  const Qt::WindowStates was = static_cast<QWindowStateChangeEvent*>(e)->oldState();
  if ((was & Qt::WindowMaximized) && windowState() == Qt::WindowNoState)
    QTimer::singleShot(0, this, &VEXLAROS::ShowDesignSize);
}

void VEXLAROS::ShowDesignSize() {
  // The window manager may give back the whole screen it had before maximizing.
  const QSize frame = frameGeometry().size() - geometry().size();
  resize(size() - area_->size() + DesignArea);
  QRect placed(QPoint(), size() + frame);
  placed.moveCenter(screen()->availableGeometry().center());
  move(placed.topLeft());
}

void ShowAtStartUp(VEXLAROS& main) {
  // Without a window manager showMaximized alone keeps the design size.
  main.setGeometry(QApplication::primaryScreen()->availableGeometry());
  main.showMaximized();
  main.gameWindow()->setFocus();
}

}  // namespace vexlar
