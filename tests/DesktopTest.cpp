// The game on a real desktop: an X server with a window manager, driven by the real mouse
// (xdotool). Run by desktop-check.sh once per screen size.
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "Program.h"

using namespace vexlar;

namespace {

QRect Global(const QWidget* w, const QRect& r) { return r.translated(w->mapToGlobal(QPoint())); }
QRect Global(const QWidget* w) { return Global(w, w->rect()); }

// Moves the real pointer there and clicks, then lets the game see it.
void Click(QPoint global) {
  QProcess::execute("xdotool", {"mousemove", QString::number(global.x()),
                                QString::number(global.y()), "click", "1"});
  QTest::qWait(80);
}
void Click(const QWidget* w, QPoint local) { Click(w->mapToGlobal(local)); }

// A part of a widget is shown whole: on the screen, and clipped by no window or control.
bool Shown(const QWidget* w, const QRect& r) {
  return w->isVisible() && (QRegion(r) - w->visibleRegion()).isEmpty() &&
         w->screen()->geometry().contains(Global(w, r));
}

// Closes the result box with the real mouse as soon as it shows (from inside its own loop). A
// click that comes before the window manager has placed the box misses, so it clicks again.
struct MessageCloser {
  QTimer poll;
  int boxes = 0, clicks = 0;
  QPointer<QMessageBox> last;
  MessageCloser() {
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      boxes += box != last;
      last = box;
      poll.stop();
      QAbstractButton* ok = box->button(QMessageBox::Ok);
      Click(ok, ok->rect().center());
      ++clicks;
      poll.start();
    });
    poll.start();
  }
};

// Clicks a bar's ▲ or ▼ until it shows the value.
bool SetBar(QScrollBar* bar, int value) {
  for (int n = 0; n < 30 && bar->value() != value; ++n)
    Click(bar, bar->value() < value ? QPoint(bar->width() / 2, 4)
                                    : QPoint(bar->width() / 2, bar->height() - 4));
  return bar->value() == value;
}

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    program = std::make_unique<Program>();
    w = program->Main.gameWindow();
    QVERIFY(
        QTest::qWaitFor([this] { return w->game().S.BoardBuilt && !w->game().Building; }, 10000));
    QTest::qWait(200);  // a window manager that resized late would show here
    screen = w->screen()->availableGeometry();
  }
  void cleanup() { program.reset(); }

  void boardAndPanelStandWholeOnTheScreen() {
    checkPanel();
    for (auto [side, ques] : {std::pair{8, 4}, {25, 16}}) {
      QVERIFY(SetBar(w->VScroll1, side));
      QVERIFY(SetBar(w->VScroll2, ques));
      Click(w->CmdStart, w->CmdStart->rect().center());
      QTRY_COMPARE(w->game().S.GridSize, side);  // a busy machine may take a while
      checkBoard();
      MessageCloser closer;
      Click(w->CmdFinish, w->CmdFinish->rect().center());
      QVERIFY2(QTest::qWaitFor(
                   [&] { return closer.boxes == 1 && !QApplication::activeModalWidget(); }, 5000),
               qPrintable(QString("%1 boxes, %2 clicks").arg(closer.boxes).arg(closer.clicks)));
    }
  }

  void restoringAndMaximizingKeepEveryControlReachable() {
    Click(w->CmdStart, w->CmdStart->rect().center());
    VEXLAROS& main = program->Main;
    // The window manager restores the window, then maximizes it again.
    main.showNormal();
    QVERIFY(QTest::qWaitFor([&] { return !main.isMaximized(); }, 5000));
    QTest::qWait(300);
    QCOMPARE(main.centralWidget()->size(), QSize(9480 / 15, 6330 / 15));
    QVERIFY(screen.contains(main.frameGeometry()));
    main.showMaximized();
    QVERIFY(QTest::qWaitFor([&] { return main.isMaximized(); }, 5000));
    QTest::qWait(300);
    checkPanel();
    checkBoard();

    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    QVERIFY(sub);
    sub->showNormal();
    QTest::qWait(300);
    QCOMPARE(w->size(), QSize(9480 / 15, 6795 / 15));
    QVERIFY(Global(main.centralWidget()).contains(Global(sub)) || screen.contains(Global(sub)));
    // The board keeps its first build and shows clipped: its top left cells are on view.
    QVERIFY(Shown(w->Board, w->Board->ButtonRect(1)));
    QVERIFY(Shown(w->Board, w->Board->ImageRect(0)));
    sub->showMaximized();
    QTest::qWait(300);
    checkPanel();
    checkBoard();
  }

 private:
  // The whole panel on the screen, right of the board area with a gap between.
  void checkPanel() {
    QVERIFY(Shown(w->CtrlBoxBack, w->CtrlBoxBack->rect()));
    for (QWidget* c : {static_cast<QWidget*>(w->CmdStart), static_cast<QWidget*>(w->VScroll1),
                       static_cast<QWidget*>(w->OptionBoxes.back().Check)})
      QVERIFY(Shown(c, c->rect()));
    QVERIFY(w->CtrlBoxBack->x() > w->PbxCover->geometry().right() + 2);  // a gap between
    // Drawn on the screen, not hidden under the cover: its left column shows the panel's teal.
    const QImage shot = w->screen()->grabWindow(0).toImage();
    const QColor left = shot.pixelColor(Global(w->CtrlBoxBack).topLeft() + QPoint(1, 60));
    QVERIFY2(left.green() > 100 && left.blue() > 100 && left.red() < 60, qPrintable(left.name()));
  }

  // Every edge button of the board on the screen and whole, and clear of the panel.
  void checkBoard() {
    const QImage shot = w->screen()->grabWindow(0).toImage();
    int buttons = 0;
    for (int i = 0; i < ButtonCapacity; ++i) {
      const QRect r = w->Board->ButtonRect(i);
      if (r.isEmpty()) continue;
      ++buttons;
      QVERIFY2(Shown(w->Board, r), qPrintable(QString("edge button %1 cut or covered").arg(i)));
      QVERIFY(Global(w->Board, r).right() < Global(w->CtrlBoxBack).left());
      // Its lowest row of pixels is drawn: a button face, not the window's navy.
      const QColor c =
          shot.pixelColor(Global(w->Board, r).bottomLeft() + QPoint(r.width() / 2, -2));
      QVERIFY2(c != QColor(0, 0, 128), qPrintable(QString("edge button %1 not drawn").arg(i)));
    }
    QCOMPARE(buttons, 4 * w->game().S.GridSize);
  }

  std::unique_ptr<Program> program;
  VEXLAR* w = nullptr;
  QRect screen;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  DesktopTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "DesktopTest.moc"
