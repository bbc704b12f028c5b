#include "MainWindow.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "AboutWindow.h"
#include "Colours.h"
#include "Instructions.h"
#include "Pictures.h"
#include "Twips.h"

namespace vexlar {

namespace {
// The main window's area as designed.
const QSize DesignArea = Pixels(9480, 6330);
}  // namespace

VEXLAROS::VEXLAROS(SoundPort* sound, const QString& assetDir) : assetDir_(assetDir) {
  setWindowTitle("VEXLAR");
  const QIcon icon = GameIcon(assetDir);
  if (icon.isNull())
    Complain("cannot use the icon " + (assetDir + "/vexlar.png").toStdString(), "going without it");
  setWindowIcon(icon);
  resize(DesignArea);
  area_ = new QMdiArea(this);
  area_->setBackground(FromBgr(bgr::Navy));
  // The design's own size is the least at which the board and the panel stand whole.
  area_->setMinimumSize(DesignArea);
  setCentralWidget(area_);

  QMenu* help = menuBar()->addMenu("&Help");
  help->addAction("&Instructions", this, [this] { OpenInstructions(this, assetDir_); });
  help->addSeparator();
  help->addAction("&About", this, [this] {
    frmSplash about(assetDir_, this);  // made afresh, so the animation starts from its beginning
    about.exec();
    game_->RestoreFocus();
  });

  game_ = new VEXLAR(sound, assetDir);
  // The one child always fills the area: no buttons to close, shrink or restore it.
  QMdiSubWindow* sub = area_->addSubWindow(game_, Qt::SubWindow | Qt::FramelessWindowHint);
  sub->installEventFilter(this);
  sub->setWindowIcon(windowIcon());
  sub->showMaximized();
}

bool VEXLAROS::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Close && watched != this) {
    e->ignore();  // the sub-window's menu and Ctrl+F4 would close the game window alone
    return true;
  }
  // Whatever shrinks or restores the game window (a key, its menu, a program) is undone.
  if (e->type() == QEvent::WindowStateChange && watched != this) {
    auto* sub = static_cast<QWidget*>(watched);
    if (!sub->isMaximized())
      QTimer::singleShot(0, sub, [sub] { sub->setWindowState(Qt::WindowMaximized); });
  }
  return QMainWindow::eventFilter(watched, e);
}

void VEXLAROS::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() != QEvent::WindowStateChange) return;
  QTimer::singleShot(0, game_, &VEXLAR::RestoreFocus);
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
#include "moc_MainWindow.cpp"
