// The long run of the application benchmark: the first Start at the screen's size and a Start
// again, a resize, a running game, the clock, laying out anew, the reveal and the peak memory.
#include "AppRun.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <vector>

#include "Measure.h"
#include "Program.h"

namespace bench {

namespace {

// CPU is counted over this long after a Start or a resize, the pictures for its cells drawn.
constexpr int After = 14000;

// Finished, the result box answered from the event loop as a player answers it.
void Finish(vexlar::VEXLAR* gw) {
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  answer.start(20);
  gw->CmdFinish->click();
  RunFor(200);
}

// The CPU of the running loop over overMs, printed as a share of one core with the UI thread's
// part; returns the process's ms.
double Percent(const char* what, int overMs) {
  const double ui0 = CpuMs(RUSAGE_THREAD);
  const double ms = CpuOver(overMs), uiMs = CpuMs(RUSAGE_THREAD) - ui0;
  std::printf("%s: %.2f %% of one core (UI thread %.2f %%)\n", what, 100 * ms / overMs,
              100 * uiMs / overMs);
  return ms;
}

}  // namespace

int RunApp(int argc, char** argv, const Options& o, std::int64_t spawned) {
  const std::int64_t mainEntry = Nanos();
  QApplication app(argc, argv);
  vexlar::Program program;
  vexlar::VEXLAR* gw = program.Main.gameWindow();
  vexlar::Game& game = gw->game();
  RunUntilIdle([&] { return game.S.BoardBuilt && !game.Building; });
  const std::int64_t idle = Nanos();
  std::printf(
      "(a) start-up of this run: spawn to idle board %.1f ms, main() to it %.1f ms, "
      "%.1f ms of CPU\n",
      Ms(idle - spawned), Ms(idle - mainEntry), CpuMs());
  const QSize screen = QApplication::primaryScreen()->size();
  std::printf("    %s, screen %dx%d, window %dx%d: %d edge buttons, %d cell images\n",
              qPrintable(QApplication::platformName()), screen.width(), screen.height(),
              gw->width(), gw->height(), game.S.ButCount, game.S.BoxCount);
  // As a player's machine sees it: the CPU over a while after the act, less the idle rate.
  const double idleCpu = Percent("    CPU while idle before any game", 5000);
  const double idleAfter = idleCpu * After / 5000;

  // The first Start at this size and a Start at it again, each followed by a running game.
  gw->VScroll1->setValue(25);
  gw->VScroll2->setValue(16);
  if (o.Demo) gw->Check(&vexlar::PanelView::ChkDemo)->click();
  const auto start = [gw] { gw->CmdStart->click(); };
  const double first = CpuOver(After, start) - idleAfter;
  const int cell = gw->Board->RectOf({vexlar::Element::Image, 0}).width();
  Finish(gw);
  const double again = CpuOver(After, start) - idleAfter;
  const double running = CpuOver(After) - idleAfter;
  std::printf("(g) CPU in the %d s after a Start or a resize, less the idle rate:\n", After / 1000);
  std::printf("(g) first Start, 25x25%s, %d-px cells: %.0f ms\n", o.Demo ? " demo" : "", cell,
              first);
  std::printf("(g) Start again at that size: %.0f ms\n", again);
  std::printf("(g) a running game alone, no Start: %.0f ms\n", running);
  // A size not seen before: the window restored, then given four fifths of the screen.
  program.Main.showNormal();
  RunFor(1500);
  const QSize to = QApplication::primaryScreen()->availableSize() * 4 / 5;
  const double resized = CpuOver(After, [&] { program.Main.resize(to); }) - idleAfter;
  std::printf("(g) resize to %dx%d in a running game, %d-px cells: %.0f ms\n", gw->width(),
              gw->height(), gw->Board->RectOf({vexlar::Element::Image, 0}).width(), resized);
  program.Main.showMaximized();
  RunFor(1500);

  // Sixteen marks spread over the board, set through the game as a cell click sets them.
  for (std::int16_t j = 0; j < 16; ++j) game.CellClick(static_cast<std::int16_t>(j * 39));
  gw->Sync();
  RunFor(1000);
  std::printf("    marks standing: %d, demo mode %s\n", game.S.MarkCount, o.Demo ? "on" : "off");
  Percent("(b) CPU of a running game with 16 marks", 5000);

  // A tick shows the new bonus in TxtScore; that text changes on every tick while it is > 0.
  int ticks = o.Ticks;
  const int available = game.S.TimeBonus - 2;
  if (ticks + 1 > available) {
    std::printf("    only %d ticks of time bonus left; measuring %d intervals\n", available,
                available - 1);
    ticks = available - 1;
  }
  std::vector<std::int64_t> at;
  at.reserve(static_cast<std::size_t>(ticks) + 1);
  const auto hook =
      QObject::connect(gw->TxtScore, &QLineEdit::textChanged, [&] { at.push_back(Nanos()); });
  RunUntilIdle([&] { return at.size() >= static_cast<std::size_t>(ticks) + 1; });
  QObject::disconnect(hook);
  std::vector<double> gaps;
  for (std::size_t i = 1; i < at.size(); ++i) gaps.push_back(Ms(at[i] - at[i - 1]));
  const double mean = std::accumulate(gaps.begin(), gaps.end(), 0.0) / gaps.size();
  double square = 0;
  for (double g : gaps) square += (g - mean) * (g - mean);
  const auto [lo, hi] = std::minmax_element(gaps.begin(), gaps.end());
  std::printf("(d) clock: %zu tick intervals, mean %.3f ms (%+.2f %% of 50 ms)\n", gaps.size(),
              mean, (mean - 50.0) * 2.0);
  std::printf("(d) clock: standard deviation %.3f ms, shortest %.3f ms, longest %.3f ms\n",
              std::sqrt(square / gaps.size()), *lo, *hi);

  // Laying out anew: the game window between two sizes, each resize handled and painted at once.
  QWidget* sub = gw->parentWidget();
  const QSize big = sub->size(), small = big * 3 / 4;
  constexpr int Resizes = 40;
  const double ui = CpuMs(RUSAGE_THREAD), all = CpuMs();
  for (int n = 0; n < Resizes; ++n) {
    sub->resize(n % 2 ? big : small);
    gw->repaint();
  }
  std::printf(
      "(e) layout anew after a resize, with its paint: %.2f ms of CPU each, %.2f ms on "
      "the UI thread (%dx%d <-> %dx%d)\n",
      (CpuMs() - all) / Resizes, (CpuMs(RUSAGE_THREAD) - ui) / Resizes, big.width(), big.height(),
      small.width(), small.height());
  sub->resize(big);

  // The reveal: Finished, the result box answered from the event loop, then the animation.
  Finish(gw);
  Percent("(f) CPU during the reveal", 5000);

  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  std::printf("(c) peak resident memory: %.1f MiB\n", u.ru_maxrss / 1024.0);
  return 0;
}

}  // namespace bench
