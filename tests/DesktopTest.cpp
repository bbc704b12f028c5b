// The game on a real desktop: an X server with a stacking (openbox) or tiling (i3) window manager,
// driven by the real mouse (xdotool) and the window manager's own requests (wmctrl), or a Wayland
// compositor (weston). Run by desktop-check.sh once per screen and desktop.
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <climits>

#include "GameTestSupport.h"
#include "Program.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {

const QByteArray Desktop = qgetenv("VEXLAR_DESKTOP");
const QColor Navy(0, 0, 128), Teal(0, 128, 128);

QRect Global(const QWidget* w, const QRect& r) { return r.translated(w->mapToGlobal(QPoint())); }
QRect Global(const QWidget* w) { return Global(w, w->rect()); }

// Moves the real pointer there and clicks, then lets the game see it.
void Click(QPoint global) {
  QProcess::execute("xdotool", {"mousemove", QString::number(global.x()),
                                QString::number(global.y()), "click", "1"});
  QTest::qWait(80);
}
void Click(const QWidget* w, QPoint local) { Click(w->mapToGlobal(local)); }
void Click(const QWidget* w) { Click(w, w->rect().center()); }

// A part of a widget is shown whole: on the screen, and clipped by no window or control.
bool Shown(const QWidget* w, const QRect& r) {
  return w->isVisible() && (QRegion(r) - w->visibleRegion()).isEmpty() &&
         w->screen()->geometry().contains(Global(w, r));
}

// The share of a numbered button's height that its digits stand, read from the screen: the dark
// rows of its middle, clear of the outcome's corners.
double DigitShare(const QImage& shot, const QRect& r) {
  int top = INT_MAX, bottom = -1;
  for (int y = r.top() + r.height() / 5; y <= r.bottom() - r.height() / 5; ++y)
    for (int x = r.left() + r.width() * 3 / 10; x <= r.right() - r.width() * 3 / 10; ++x)
      if (qGray(shot.pixel(x, y)) < 60) top = std::min(top, y), bottom = std::max(bottom, y);
  return (bottom - top + 1) / double(r.height());
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
      Click(box->button(QMessageBox::Ok));
      ++clicks;
      poll.start();
    });
    poll.start();
  }
  bool closedOne() const { return boxes == 1 && !QApplication::activeModalWidget(); }
  QString said() const { return QString("%1 boxes, %2 clicks").arg(boxes).arg(clicks); }
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
    screen = w->screen()->availableGeometry();
  }
  void cleanup() { program.reset(); }

  void boardAndPanelStandWholeOnTheScreen() {
    if (Desktop != "openbox") QSKIP("a stacking window manager's test");
    QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
    for (auto [side, ques] : {std::pair{8, 4}, {25, 16}}) {
      QVERIFY(SetBar(w->VScroll1, side));
      QVERIFY(SetBar(w->VScroll2, ques));
      Click(w->CmdStart);
      QTRY_COMPARE(w->game().S.GridSize, side);  // a busy machine may take a while
      QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
      finishByMouse();
    }
  }

  // Restored, given the sizes of a snapped and a small window, and maximized again through the
  // window manager, in a running game and during the reveal: the board and the panel stand
  // whole at every size, and the game carries on as it was.
  void theLayoutFollowsTheWindowInEveryPhase() {
    if (Desktop != "openbox") QSKIP("a stacking window manager's test");
    VEXLAROS& main = program->Main;
    playSome();
    const QSize frame = main.frameGeometry().size() - main.size();
    const auto wm = [&](const QStringList& args) {
      QProcess::execute("wmctrl", QStringList{"-i", "-r", QString::number(main.winId())} + args);
    };
    for (const char* phase : {"running", "revealing"}) {
      const QString before = values();
      QWidget* const had = QApplication::focusWidget();
      wm({"-b", "remove,maximized_vert,maximized_horz"});
      QTRY_COMPARE_WITH_TIMEOUT(main.centralWidget()->size(), QSize(9480 / 15, 6330 / 15), 5000);
      QVERIFY(screen.contains(main.frameGeometry()));
      QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
      for (QSize size : {QSize(960, 1040), QSize(1000, 600)}) {
        size = size.boundedTo(screen.size() - frame);
        wm({"-e", QString("0,%1,%2,%3,%4")
                      .arg(screen.x())
                      .arg(screen.y())
                      .arg(size.width())
                      .arg(size.height())});
        QTRY_COMPARE_WITH_TIMEOUT(main.size(), size, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
        QCOMPARE(values(), before);
      }
      wm({"-b", "add,maximized_vert,maximized_horz"});
      QTRY_VERIFY_WITH_TIMEOUT(main.isMaximized(), 5000);
      QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
      QCOMPARE(values(), before);
      // The game window restored inside the main window and maximized again; it never closes
      // alone, and the keyboard stays where it was.
      auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
      for (bool restored : {true, false}) {
        restored ? sub->showNormal() : sub->showMaximized();
        QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
        QTRY_COMPARE(QApplication::focusWidget(), had);
        QCOMPARE(values(), before);
      }
      QVERIFY(!sub->close());
      QVERIFY(phase == QString("running") ? w->Timer1.isActive() : w->Timer2.isActive());
      if (phase != QString("running")) break;
      finishByMouse();
    }
  }

  // A tiling window manager halves the game's window for a second one beside it.
  void tiledBesideAnotherWindow() {
    if (Desktop != "i3") QSKIP("a tiling window manager's test");
    QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
    playSome();
    const QString before = values();
    QWidget other;
    other.show();
    QTRY_VERIFY_WITH_TIMEOUT(program->Main.width() <= screen.width() / 2 + 1, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
    QCOMPARE(values(), before);
  }

  // Under a Wayland compositor the window starts maximized with the board and the panel whole.
  void wholeUnderWayland() {
    if (Desktop != "weston") QSKIP("a Wayland compositor's test");
    QTest::mouseClick(w->CmdStart, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), 5000);
    // On the compositor's own picture of the screen: the teal of the panel and of every edge
    // button, at their full size.
    const auto tealOnScreen = [] {
      for (const QString& old : QDir().entryList({"wayland-screenshot-*.png"})) QFile(old).remove();
      QProcess::execute("weston-screenshooter");
      const QStringList shots = QDir().entryList({"wayland-screenshot-*.png"});
      const QImage shot(shots.value(0));
      int seen = 0;
      for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) seen += shot.pixelColor(x, y) == Teal;
      return seen;
    };
    const QRect button = w->Board->ButtonRect(1);
    const int teal = int(4 * w->game().S.GridSize * button.width() * button.height() * 0.9 +
                         w->CtrlBoxBack->width() * 20);
    int seen = 0;
    QVERIFY2(QTest::qWaitFor([&] { return (seen = tealOnScreen()) >= teal; }, 10000),
             qPrintable(QString("%1 teal pixels of %2").arg(seen).arg(teal)));
  }

 private:
  // Finished by the real mouse, and the one result box it brings closed the same way.
  void finishByMouse() {
    MessageCloser closer;
    Click(w->CmdFinish);
    QVERIFY2(QTest::qWaitFor([&] { return closer.closedOne(); }, 5000), qPrintable(closer.said()));
  }

  // A game with probes fired at the top and the left edge and two cells marked, by the mouse.
  void playSome() {
    Click(w->CmdStart);
    QTRY_VERIFY(w->game().S.GridSpan > 0 && w->Board->isVisible());
    const GameState& s = w->game().S;
    for (int n = 1; n <= 4; ++n) {
      Click(w->Board, w->Board->ButtonRect(Edge(s, Side::Top, n)).center());
      Click(w->Board, w->Board->ButtonRect(Edge(s, Side::Left, n)).center());
    }
    for (int n : {2, 5}) Click(w->Board, w->Board->ImageRect(ImageAt(s, n, n)).center());
    QTRY_COMPARE(s.MarkCount, std::int16_t{2});
    QVERIFY(s.ProbeCount >= 4);  // some probes come out at buttons clicked after them
  }

  // What a resize must keep: outcomes, marks, the board's cursor and the focus.
  QString values() const {
    const Game& g = w->game();
    QString v = QString("%1 probes, %2 marks, cursor on %3, focus on %4:")
                    .arg(g.S.ProbeCount)
                    .arg(g.S.MarkCount)
                    .arg(w->Board->Cursor().Index)
                    .arg(w->window()->focusWidget()->metaObject()->className());
    for (const ButtonView& b : g.Board.Buttons)
      v += QString::fromStdString(b.Caption) + QString::number(b.BackColour, 16) + " ";
    for (const ImageView& i : g.Board.Images) v += QString::number(int(i.Strip));
    return v;
  }

  // The first thing cut, covered, undrawn or out of proportion on the board or the panel, or
  // nothing: the panel and every edge button whole on the screen, the buttons left of the panel,
  // each drawn, and every caption's digits about 0.4 of its button.
  QString fault() const {
    for (QWidget* c : std::initializer_list<QWidget*>{w->CtrlBoxBack, w->CmdStart, w->VScroll1,
                                                      w->OptionBoxes.back().Check})
      if (!Shown(c, c->rect())) return QString("%1 cut").arg(c->metaObject()->className());
    if (w->CtrlBoxBack->x() <= w->PbxCover->geometry().right() + 2) return "panel on the board";
    const bool x11 = QGuiApplication::platformName() == "xcb";
    const QImage shot = x11 ? w->screen()->grabWindow(0).toImage() : QImage();
    if (x11 && shot.pixelColor(Global(w->CtrlBoxBack).topLeft() + QPoint(1, 60)) != Teal)
      return "panel not drawn";
    if (!w->Board->isVisible()) return {};  // under the cover
    int buttons = 0;
    for (int i = 0; i < ButtonCapacity; ++i) {
      const QRect r = w->Board->ButtonRect(i);
      if (r.isEmpty()) continue;
      ++buttons;
      const QString button = QString("edge button %1 at %2,%3 ").arg(i).arg(r.x()).arg(r.y());
      if (!Shown(w->Board, r)) return button + "cut or covered";
      if (Global(w->Board, r).right() >= Global(w->CtrlBoxBack).left())
        return button + "in the panel";
      if (!x11) continue;
      const QRect on = Global(w->Board, r);
      // Its lowest row of pixels is drawn: a button face, not the window's navy.
      if (shot.pixelColor(on.bottomLeft() + QPoint(r.width() / 2, -2)) == Navy)
        return button + "not drawn";
      // Measured where the outcome's marks keep to the corners.
      const Outcome outcome = OutcomeOf(w->game().Board.Buttons[i]);
      const double share = DigitShare(shot, on);
      if ((outcome == Outcome::Pair || outcome == Outcome::Reflected) &&
          (share < 0.32 || share > 0.48))
        return button + QString("digits at %1 of %2 px").arg(share, 0, 'f', 2).arg(r.height());
    }
    const int expected = 4 * w->game().S.GridSize;
    return buttons == expected ? QString()
                               : QString("%1 edge buttons of %2").arg(buttons).arg(expected);
  }

  std::unique_ptr<Program> program;
  VEXLAR* w = nullptr;
  QRect screen;
};

QTEST_MAIN(DesktopTest)

#include "DesktopTest.moc"
