// A seeded storm of random mouse and key input on the real windows, delivered as the platform
// delivers it, with every invariant of the game checked after every event.
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMetaEnum>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <utility>

#include "AboutWindow.h"
#include "Instructions.h"
#include "Invariants.h"
#include "MainWindow.h"
#include "Program.h"

using namespace vexlar;

namespace {

constexpr int EventCount = 8000;

// Counts the handlers' event pumps: input that arrives inside one may find a busy flag set.
struct CountingPump : EventPump {
  EventPump* Inner = nullptr;
  int Depth = 0;
  void ProcessEvents() override { ++Depth, Inner->ProcessEvents(), --Depth; }
};

struct Spot {
  QWidget* W;
  QPoint At;
  QString What;
};

}  // namespace

class StormTest : public QObject {
  Q_OBJECT
 private slots:
  void randomInputKeepsEveryInvariant();

 private:
  int roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  Spot in(QWidget* w, QRect r, const QString& what) {
    return {w, r.topLeft() + QPoint(roll(r.width()), roll(r.height())), what};
  }

  // A point of a modal window, else of the board, the panel or anywhere in the game window.
  Spot pick(QWidget* modal) {
    if (modal) {
      QList<QWidget*> all = modal->findChildren<QWidget*>();
      all.removeIf([](QWidget* x) { return !x->isVisible(); });
      QWidget* x = all.isEmpty() || roll(5) == 0 ? modal : all[roll(all.size())];
      return in(x, x->rect(), x->metaObject()->className());
    }
    const int r = roll(100);
    const bool edge = r < 30;
    const auto rect = [&](int i) {
      return w_->Board->RectOf({edge ? Element::Button : Element::Image, i});
    };
    std::vector<int> shown;  // what the board shows, whether the cover lies over it or not
    for (int i = 0; r < 55 && i < (edge ? ButtonCapacity : ImageCapacity); ++i)
      if (!rect(i).isEmpty()) shown.push_back(i);
    if (!shown.empty()) {
      const int i = shown[roll(int(shown.size()))];
      return in(w_->Board, rect(i), QString(edge ? "edge %1" : "cell %1").arg(i));
    }
    if (r < 55 || r >= 93) return in(w_, w_->rect(), "the game window");
    const auto& [w, name] = panel_[roll(int(panel_.size()))];
    return in(w, w->rect(), name);
  }

  void send(QEvent::Type type, Qt::MouseButton b, const Spot& s) {
    QWindow* win = s.W->window()->windowHandle();
    if (type == QEvent::MouseButtonPress) grab_ = win;
    if (type == QEvent::MouseButtonRelease && grab_ && grab_->isVisible()) win = grab_;  // grabbed
    const QPointF global = s.W->mapToGlobal(QPointF(s.At));
    held_.setFlag(b, type == QEvent::MouseButtonPress);
    qt_handleMouseEvent(win, win->mapFromGlobal(global), global, held_, b, type, {}, ++time_);
  }

  // An event as the report names it, and its delivery: a sanitizer's report names it first.
  using Event = std::pair<QString, std::function<void()>>;

  // A press, the release of a button that is down, a click or a double-click; mostly left.
  Event mouse(int r, QWidget* modal) {
    static const Qt::MouseButton any[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton,
                                          Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton b = r < 50 ? any[roll(5)] : Qt::LeftButton;
    const Spot s = pick(modal);
    const int clicks = (held_ & b) || r < 42 ? 0 : r >= 50 && r < 55 ? 2 : 1;
    const auto type = held_ & b ? QEvent::MouseButtonRelease : QEvent::MouseButtonPress;
    static const char* const how[] = {"press", "click", "double-click"};
    n_["double-clicks"] += clicks == 2;
    const char* name = QMetaEnum::fromType<Qt::MouseButtons>().valueToKey(b);
    return {QString("%1 %2 on %3").arg(held_ & b ? "release" : how[clicks], name, s.What),
            [=, this] {
              if (clicks == 0) send(type, b, s);
              for (int n = 0; n < clicks; ++n)  // the second press makes a double-click
                send(QEvent::MouseButtonPress, b, s), send(QEvent::MouseButtonRelease, b, s);
            }};
  }

  // A key to the focus widget of the modal window or the main window; Space is held a while.
  Event key(QWidget* modal) {
    static const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Space, " "},   {Qt::Key_Tab, "\t"},      {Qt::Key_Backtab, ""},
        {Qt::Key_Left, ""},     {Qt::Key_Right, ""},      {Qt::Key_Up, ""},
        {Qt::Key_Down, ""},     {Qt::Key_Return, "\r"},   {Qt::Key_PageUp, ""},
        {Qt::Key_PageDown, ""}, {Qt::Key_Escape, "\x1b"}, {Qt::Key_V, "v"}};
    ++n_["keys"];
    QWidget* top = modal ? modal : w_->window();
    const QWidget* focus = top->focusWidget();
    const QString to = focus ? focus->metaObject()->className() : "no focus";
    if (spaceIn_ && roll(4) == 0)
      return {"Space up on " + to, [this] {
                qt_handleKeyEvent(std::exchange(spaceIn_, nullptr), QEvent::KeyRelease,
                                  Qt::Key_Space, {}, " ");
              }};
    const auto [k, text] = keys[roll(std::size(keys))];
    const auto mods = k == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    return {QKeySequence(k | mods).toString() + " on " + to, [=, this, win = top->windowHandle()] {
              qt_handleKeyEvent(win, QEvent::KeyPress, k, mods, text,
                                k == Qt::Key_Space && spaceIn_);
              if (k == Qt::Key_Space) spaceIn_ = win;
              if (k != Qt::Key_Space) qt_handleKeyEvent(win, QEvent::KeyRelease, k, mods, text);
            }};
  }

  void tick() {
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    aboutAsked_ = aboutAsked_ && !qobject_cast<frmSplash*>(modal);
    // The main window takes the focus back from a closed dialog, as a window manager gives it.
    if (!modal && !QApplication::activeWindow()) w_->window()->activateWindow();
    if (!failure_.isEmpty() || n_["events"] == EventCount) return closer_.start();
    const int r = roll(100);
    if (r < 5)  // a pause that lets the 50 ms timers tick
      return QTimer::singleShot(10 + roll(30), Qt::PreciseTimer, this, &StormTest::tick);
    // Armed first: the event may run a handler's event pump or a modal window's loop.
    QTimer::singleShot(0, this, &StormTest::tick);
    Game& g = w_->game();
    const Event about{"Help > About", [this] {  // queued: the menu runs it from the event loop
                        aboutAsked_ = QMetaObject::invokeMethod(about_, &QAction::trigger,
                                                                Qt::QueuedConnection);
                      }};
    const auto [what, deliver] = r < 10 && !modal && !aboutAsked_ ? about
                                 : r < 34                         ? key(modal)
                                                                  : mouse(r, modal);
    const QString event = QString("%1: %2").arg(++n_["events"]).arg(what);
    recent_ << event;
    if (recent_.size() > 12) recent_.removeFirst();
    deliver();

    static const char* const phases[] = {"loaded", "idle", "running", "paused", "finished"};
    const Phase now = test::PhaseOf(g), was = std::exchange(last_, now);  // the last one seen
    ++n_[std::string("events in ") + phases[int(now)]];
    if (now != was) ++n_[std::string(phases[int(was)]) + " to " + phases[int(now)]];
    if (now == Phase::Running && now != was) sizes_.insert(g.S.GridSize);
    if (modal && !modal->isVisible())
      ++n_[qobject_cast<frmSplash*>(modal) ? "about windows closed" : "result boxes closed"];
    const std::vector<std::string> broken = test::CheckInvariants(g, pump_.Depth > 0);
    if (broken.empty() || !failure_.isEmpty()) return;
    failure_ = QString("seed %1, event %2\nbroke:\n").arg(seed_).arg(event);
    for (const std::string& b : broken) failure_ += "  " + QString::fromStdString(b) + "\n";
    failure_ += "the events before it:\n  " + recent_.join("\n  ");
  }

  const std::uint32_t seed_ = 20240917;
  std::mt19937 rng_;
  VEXLAR* w_ = nullptr;
  QAction* about_ = nullptr;
  CountingPump pump_;
  QEventLoop loop_;
  QTimer closer_;
  std::vector<std::pair<QWidget*, QString>> panel_;
  QPointer<QWindow> grab_, spaceIn_;  // where the held mouse buttons and Space went down
  Qt::MouseButtons held_;
  int time_ = 0;
  bool aboutAsked_ = false;
  Phase last_ = Phase::Loaded;
  std::map<std::string, int> n_;  // what the storm did and met
  std::set<int> sizes_;
  QStringList recent_;
  QString failure_;
};

void StormTest::randomInputKeepsEveryInvariant() {
  rng_.seed(seed_);
  InstructionsOpener = "true";  // the desktop's handler: nothing opens
  VEXLAROS main(nullptr, AssetDir());
  w_ = main.gameWindow();
  pump_.Inner = w_;
  w_->game().Pump = &pump_;
  w_->game().TimeOfDay = [this] { return float(roll(86400)); };  // placements follow the seed
  for (QAction* a : main.findChildren<QAction*>()) about_ = a->text() == "&About" ? a : about_;
  QVERIFY(about_);
  // Every control Tab reaches; Start and Finish more often than Pause, so that games end about as
  // often as they stop.
  for (const PanelPart& p : w_->PanelParts) {
    const QString name = p.Row->Name;
    for (int n = name == "CmdStart" ? 3 : name == "CmdFinish" ? 2 : p.Row->Tab ? 1 : 0; n > 0; --n)
      panel_.push_back({p.Widget, name});
  }
  // The end: closes what is open, and what opens from the events still pending when it quits.
  connect(&closer_, &QTimer::timeout, this, [this] {
    if (QWidget* modal = QApplication::activeModalWidget())
      return static_cast<QDialog*>(modal)->reject();
    loop_.quit();
  });
  closer_.setInterval(10);
  ShowAtStartUp(main);
  QTimer::singleShot(0, this, &StormTest::tick);
  loop_.exec();
  closer_.stop();
  QVERIFY2(failure_.isEmpty(), qPrintable(failure_));
  for (const auto& [what, n] : n_) std::printf("%s %d, ", what.c_str(), n);
  std::printf("%zu board sizes\n", sizes_.size());
  QCOMPARE(n_["events"], EventCount);
  QVERIFY(sizes_.size() >= 3);  // idle is left out: a busy machine may build and start in one event
  for (const char* what : {"finished to running", "running to paused", "running to finished",
                           "about windows closed", "result boxes closed", "events in running",
                           "events in paused", "events in finished", "double-clicks", "keys"})
    QVERIFY2(n_[what] >= 5, what);
}

QTEST_MAIN(StormTest)

#include "StormTest.moc"
