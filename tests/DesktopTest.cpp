// The game on real desktops (openbox, i3, weston), by xdotool's mouse and wmctrl's requests.
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "GameTestSupport.h"
#include "Program.h"

using namespace vexlar;
using namespace vexlar::test;

namespace {

const QByteArray Desktop = qgetenv("VEXLAR_DESKTOP");
const QColor Navy(0, 0, 128), Teal(0, 128, 128);
constexpr int Patience = 30000;  // ms; only ends a wait that never comes, however busy the machine

QRect Global(const QWidget* w, const QRect& r) { return r.translated(w->mapToGlobal(QPoint())); }

// The mouse releases the game has seen, once the test case starts.
struct : QObject {
  int seen = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    seen += e->type() == QEvent::MouseButtonRelease;
    return false;
  }
} Releases;

// A real click, in the middle unless told where, done once the game has seen the button go up.
void Click(const QWidget* w, QPoint at = {}) {
  const QPoint global = w->mapToGlobal(at.isNull() ? w->rect().center() : at);
  const int before = Releases.seen;
  QProcess::execute("xdotool", {"mousemove", QString::number(global.x()),
                                QString::number(global.y()), "click", "1"});
  if (!QTest::qWaitFor([&] { return Releases.seen > before; }, 5000)) qInfo("a click not seen");
}

// A part of a widget is shown whole: on the screen, and clipped by no window or control.
bool Shown(const QWidget* w, const QRect& r) {
  return w->isVisible() && (QRegion(r) - w->visibleRegion()).isEmpty() &&
         w->screen()->geometry().contains(Global(w, r));
}

// The share of a button's height its digits stand: dark rows clear of the outcome's corners.
double DigitShare(const QImage& shot, const QRect& r) {
  int top = r.bottom(), bottom = r.top();  // nothing dark: a share below none
  for (int y = r.top() + r.height() / 5; y <= r.bottom() - r.height() / 5; ++y)
    for (int x = r.left() + r.width() * 3 / 10; x <= r.right() - r.width() * 3 / 10; ++x)
      if (qGray(shot.pixel(x, y)) < 60) top = std::min(top, y), bottom = std::max(bottom, y);
  return (bottom - top + 1) / double(r.height());
}

// Clicks a bar's ▲ or ▼ until it shows the value.
bool SetBar(QScrollBar* bar, int value) {
  for (int n = 0; n < 30 && bar->value() != value; ++n)
    Click(bar, QPoint(bar->width() / 2, bar->value() < value ? 4 : bar->height() - 4));
  return bar->value() == value;
}

// A change of the window, and the state that tells it has come.
struct Step {
  QString name;
  std::function<void()> take;
  std::function<bool()> reached;
};

}  // namespace

class DesktopTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { qApp->installEventFilter(&Releases); }
  void init() {
    program = std::make_unique<Program>();
    w = program->Main.gameWindow();
    QTRY_VERIFY_WITH_TIMEOUT(w->game().S.BoardBuilt && !w->game().Building, Patience);
    screen = w->screen()->availableGeometry();
    QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), Patience);  // the panel beside the cover
  }
  void cleanup() { program.reset(); }

  // Each board size through every change of the window, in a running game and during the reveal.
  void wholeThroughEveryWindowChange_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("ques");
    for (auto [side, ques] : {std::pair{8, 4}, {25, 16}})
      QTest::addRow("%d cells", side) << side << ques;
  }
  void wholeThroughEveryWindowChange() {
    if (Desktop != "openbox") QSKIP("a stacking window manager's test");
    QFETCH(int, side);
    QFETCH(int, ques);
    QVERIFY(SetBar(w->VScroll1, side) && SetBar(w->VScroll2, ques));
    playSome(side);
    VEXLAROS& main = program->Main;
    auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    const QSize frame = main.frameGeometry().size() - main.size();
    const auto wm = [&](const QString& option, const QString& value) -> std::function<void()> {
      const QStringList args{"-i", "-r", QString::number(main.winId()), option, value};
      return [args] { QProcess::execute("wmctrl", args); };
    };
    const auto sized = [&](QSize size) {
      size = size.boundedTo(screen.size() - frame);
      const QString to = QString("0,%1,%2,%3,%4").arg(screen.x()).arg(screen.y()).arg(size.width());
      return Step{"sized to " + to.arg(size.height()), wm("-e", to.arg(size.height())),
                  [&main, size] { return main.size() == size; }};
    };
    const QString both = "maximized_vert,maximized_horz";
    const auto onScreen = [&] { return screen.contains(main.frameGeometry()); };
    const Step steps[] = {
        {"restored to 632 x 422 inside the screen", wm("-b", "remove," + both),
         [&] { return main.centralWidget()->size() == QSize(632, 422) && onScreen(); }},
        sized({960, 1040}),
        sized({1000, 600}),
        {"maximized", wm("-b", "add," + both), [&] { return main.isMaximized(); }},
        {"game window restored: it fills the area again", [&] { sub->showNormal(); },
         [&] { return sub->isMaximized() && sub->geometry() == sub->mdiArea()->rect(); }},
    };
    for (auto [phase, timer] : {std::pair{"running", &w->Timer1}, {"revealing", &w->Timer2}}) {
      QTRY_VERIFY2_WITH_TIMEOUT(QApplication::focusWidget(), phase, Patience);
      QWidget* const had = QApplication::focusWidget();
      const QString before = values();
      for (const Step& step : steps) {
        const QString wrong = broken(step, before, had);
        QVERIFY2(wrong.isEmpty(), qPrintable(phase + (", " + wrong)));
      }
      QVERIFY(!sub->close());
      QVERIFY2(timer->isActive(), phase);  // the game carries on
      if (timer == &w->Timer1) finishByMouse();
    }
  }

  // A dock ties the window to the installed desktop entry: by its X11 class, or its app id.
  void namedAsItsDesktopEntry() {
    if (Desktop != "openbox") QSKIP("an X11 desktop's test");
    const QFileInfo entry(VEXLAR_DESKTOP_ENTRY);
    QCOMPARE(QGuiApplication::desktopFileName() + ".desktop", entry.fileName());
    QFile file(entry.filePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString wmClass =
        QString(file.readAll()).section("StartupWMClass=", 1).section('\n', 0, 0);
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(program->Main.winId()), "WM_CLASS"});
    QVERIFY(xprop.waitForFinished());
    QVERIFY(!wmClass.isEmpty());
    QCOMPARE(QString(xprop.readAll()).trimmed().section(", ", 1), '"' + wmClass + '"');
  }

  // The panel stands as in the design, about 0.8 of the window's height and Start about 0.05 of
  // it; on a portrait screen, of the board's side, the panel beside the board at its top.
  void panelInProportionBesideTheBoard() {
    if (Desktop != "openbox") QSKIP("a stacking window manager's test");
    const double side = screen.width() < screen.height() ? w->Board->height() : w->height();
    const double panel = w->CtrlBoxBack->height() / side, start = w->CmdStart->height() / side;
    qInfo("window %dx%d, panel %d px (%.3f), Start %d px (%.3f)", w->width(), w->height(),
          w->CtrlBoxBack->height(), panel, w->CmdStart->height(), start);
    QVERIFY(panel > 0.75 && panel < 0.85 && start > 0.045 && start < 0.06);
  }

  // A tiling window manager halves the game's window for a second one beside it.
  void tiledBesideAnotherWindow() {
    if (Desktop != "i3") QSKIP("a tiling window manager's test");
    playSome(w->VScroll1->value());
    QWidget other;
    const Step halved{"halved", [&] { other.show(); },
                      [&] { return program->Main.width() <= screen.width() / 2 + 1; }};
    QCOMPARE(broken(halved, values(), nullptr /* the new window has it */), QString());
  }

  // Under a Wayland compositor the window starts maximized with the board and the panel whole.
  void wholeUnderWayland() {
    if (Desktop != "weston") QSKIP("a Wayland compositor's test");
    QTest::mouseClick(w->CmdStart, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(fault(), QString(), Patience);
    // The compositor's own picture holds the teal of the panel and every edge button, whole.
    const QRect button = w->Board->RectOf({Element::Button, 1});
    const int teal = int(4 * w->game().S.GridSize * button.width() * button.height() * 0.9 +
                         w->CtrlBoxBack->width() * 20);
    int seen = 0;
    const auto shown = [&] {
      for (const QString& old : QDir().entryList({"wayland-screenshot-*.png"})) QFile(old).remove();
      QProcess::execute("weston-screenshooter");
      const QImage shot = QImage(QDir().entryList({"wayland-screenshot-*.png"}).value(0))
                              .convertToFormat(QImage::Format_RGB32);  // rows without a gap
      const auto* px = reinterpret_cast<const QRgb*>(shot.constBits());
      return (seen = int(std::count(px, px + shot.width() * shot.height(), Teal.rgb()))) >= teal;
    };
    QVERIFY2(QTest::qWaitFor(shown, Patience),
             qPrintable(QString("%1 teal px of %2").arg(seen).arg(teal)));
  }

  // At a fractional scale the keyboard's ring, moved by real keys, leaves no pixel behind.
  void ringLeavesNothingBehindWhenScaled() {
    if (w->devicePixelRatio() == 1) QSKIP("a fractional scale's test");
    // Start has the keys at launch, the second Space puts the cursor down, ten moves follow.
    const QString keys = "key space space Right Right Down Down Down Left Down Right Right Up";
    QProcess::execute("xdotool", keys.split(' '));
    QTRY_COMPARE_WITH_TIMEOUT(w->Board->Cursor().Index, ImageAt(w->game().S, 3, 4), Patience);
    QCoreApplication::sendPostedEvents();
    const QImage shot = w->screen()->grabWindow(0).toImage();
    const QRect cursor = w->Board->RectOf(w->Board->Cursor()).adjusted(-1, -1, 1, 1);
    const QRegion off = QRegion(Global(w->Board, w->Board->rect())) - Global(w->Board, cursor);
    int stray = 0;  // yellow device pixels off the cursor and the pixel its ring rounds to
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x)
        stray += shot.pixel(x, y) == qRgb(255, 255, 0) &&
                 off.contains((QPointF(x, y) / shot.devicePixelRatio()).toPoint());
    QCOMPARE(stray, 0);
  }

 private:
  // Finished, and its one result box closed, by the real mouse: clicked until the box is placed.
  void finishByMouse() {
    QSignalSpy boxes(w, &VEXLAR::MessageShown);
    QTimer poll;  // a timer is not fired again inside its own click
    QRect board;  // where the edge buttons stand, which the box must leave in view
    for (int i = 0; i < ButtonCapacity; ++i)
      board |= Global(w->Board, w->Board->RectOf({Element::Button, i}));
    bool clear = true;
    poll.callOnTimeout([&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        clear = clear && !box->frameGeometry().intersects(board);
        Click(box->button(QMessageBox::Ok));
      }
    });
    poll.start(50);
    Click(w->CmdFinish);
    QTRY_VERIFY2_WITH_TIMEOUT(boxes.count() == 1 && !QApplication::activeModalWidget(),
                              qPrintable(QString("%1 result boxes").arg(boxes.count())), Patience);
    QVERIFY2(clear, "the result box over the board");
  }

  // A game of that side, by the mouse: probes at the top and the left edge, two cells marked.
  void playSome(int side) {
    Click(w->CmdStart);
    const GameState& s = w->game().S;
    QTRY_VERIFY_WITH_TIMEOUT(s.GridSize == side && !w->game().Building && w->Board->isVisible(),
                             Patience);
    for (int n = 1; n <= 4; ++n)
      for (Side side : {Side::Top, Side::Left})
        Click(w->Board, w->Board->RectOf({Element::Button, Edge(s, side, n)}).center());
    for (int n : {2, 5})
      Click(w->Board, w->Board->RectOf({Element::Image, ImageAt(s, n, n)}).center());
    QTRY_COMPARE_WITH_TIMEOUT(s.MarkCount, std::int16_t{2}, Patience);
    QVERIFY(s.ProbeCount >= 4);  // some probes come out at buttons clicked after them
  }

  // Takes the step and says what it broke, or nothing: the board, the panel, values or focus.
  QString broken(const Step& step, const QString& before, QWidget* had) const {
    step.take();
    QString f;
    if (!QTest::qWaitFor(step.reached, Patience)) return step.name + ": never reached";
    if (!QTest::qWaitFor([&] { return (f = fault()).isEmpty(); }, Patience))
      return step.name + ": " + f;
    if (had && !QTest::qWaitFor([&] { return QApplication::focusWidget() == had; }, Patience))
      return step.name + ": the focus not given back";
    return values() == before ? QString() : step.name + ": now " + values() + " was " + before;
  }

  // What a change of the window must keep: focus, probes, marks, cursor, captions and pictures.
  QString values() const {
    const Game& g = w->game();
    QString v = w->window()->focusWidget()->metaObject()->className();
    for (int n : {int(g.S.ProbeCount), int(g.S.MarkCount), int(w->Board->Cursor().Index)})
      v += QString(" %1").arg(n);
    for (const ButtonView& b : g.Board.Buttons)
      v += QString::fromStdString(b.Caption) + QString::number(b.BackColour, 16) + " ";
    for (const ImageView& i : g.Board.Images) v += QString::number(int(i.Strip));
    return v;
  }

  // The first thing cut, covered, undrawn or out of proportion (digits about 0.4), or nothing.
  QString fault() const {
    const bool x11 = QGuiApplication::platformName() == "xcb";
    for (const PanelPart& p : w->PanelParts)  // the back and every control the player works
      if (p.Widget && (p.Row->Tab || p.Row->Kind == PanelKind::Back) &&
          !Shown(p.Widget, p.Widget->rect()))
        return QString("%1 cut").arg(p.Row->Name);
    if (w->CtrlBoxBack->x() <= w->PbxCover->geometry().right() + 2) return "panel on the board";
    QCoreApplication::sendPostedEvents();  // the paints the game has asked for, before the grab
    QImage shot = x11 ? w->screen()->grabWindow(0).toImage() : QImage();
    shot = shot.scaled(shot.deviceIndependentSize().toSize());  // in the widgets' pixels
    const QPoint inside(w->CtrlBoxBack->width() / 40, 60);      // within the border of any scale
    if (x11 && shot.pixelColor(w->CtrlBoxBack->mapToGlobal(inside)) != Teal)
      return "panel not drawn";
    if (!w->Board->isVisible()) return {};  // under the cover
    int buttons = 0;
    for (int i = 0; i < ButtonCapacity; ++i) {
      const QRect r = w->Board->RectOf({Element::Button, i}), on = Global(w->Board, r);
      if (r.isEmpty()) continue;
      ++buttons;
      const QString button = QString("edge button %1 at %2,%3 ").arg(i).arg(r.x()).arg(r.y());
      if (!Shown(w->Board, r)) return button + "cut or covered";
      if (on.right() >= w->CtrlBoxBack->mapToGlobal(QPoint()).x()) return button + "in the panel";
      if (!x11) continue;
      // Its lowest row of pixels is drawn: a button face, not the window's navy.
      if (shot.pixelColor(on.bottomLeft() + QPoint(r.width() / 2, -2)) == Navy)
        return button + "not drawn";
      // On buttons smaller than the design's 285 twips the font's least size stands taller.
      const Outcome outcome = OutcomeOf(w->game().Board.Buttons[i]);
      const double share = DigitShare(shot, on);
      if ((outcome == Outcome::Pair || outcome == Outcome::Reflected) &&
          (share < 0.32 || (share > 0.48 && r.height() >= 285 / 15)))
        return button + QString("digits at %1 of %2 px").arg(share, 0, 'f', 2).arg(r.height());
    }
    const int all = 4 * w->game().S.GridSize;
    return buttons == all ? QString() : QString("%1 edge buttons of %2").arg(buttons).arg(all);
  }

  std::unique_ptr<Program> program;
  VEXLAR* w = nullptr;
  QRect screen;
};

QTEST_MAIN(DesktopTest)

#include "DesktopTest.moc"
