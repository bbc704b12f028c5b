// Measures the real application on the offscreen platform: start-up, CPU, memory and the clock.
//
// Run without arguments (or with --ticks N, --starts N, --demo). The program launches itself:
// first --starts times only up to the idle board, to time the start-up of fresh processes, then
// once for the whole run. Each launch is timed from just before the new process is spawned.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

#include "Program.h"

namespace {

constexpr const char* LaunchTimeVar = "VEXLAR_BENCH_T0";

struct Options {
  int Ticks = 1000;
  int Starts = 9;
  bool Demo = false;
  bool StartupOnly = false;
};

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--ticks" && i + 1 < argc) o.Ticks = std::max(1, std::atoi(argv[++i]));
    if (a == "--starts" && i + 1 < argc) o.Starts = std::max(0, std::atoi(argv[++i]));
    if (a == "--demo") o.Demo = true;
    if (a == "--startup-only") o.StartupOnly = true;
  }
  return o;
}

std::int64_t Nanos(clockid_t clock) {
  timespec ts{};
  clock_gettime(clock, &ts);
  return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

double Ms(std::int64_t nanos) { return static_cast<double>(nanos) / 1e6; }

// Age of this process in ns from the kernel's start time (resolution one clock tick, 10 ms).
std::int64_t AgeFromProcStat() {
  std::ifstream in("/proc/self/stat");
  const std::string line((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto close = line.rfind(')');
  if (close == std::string::npos) return -1;
  // Field 22 (starttime); the fields after the command name start with field 3.
  const char* p = line.c_str() + close + 2;
  for (int field = 3; field < 22 && *p; ++field) {
    p = std::strchr(p, ' ');
    if (!p) return -1;
    ++p;
  }
  const double ticks = std::strtod(p, nullptr);
  const double started = ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
  return Nanos(CLOCK_BOOTTIME) - static_cast<std::int64_t>(started * 1e9);
}

double CpuSeconds(int who) {
  rusage u{};
  getrusage(who, &u);
  auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return s(u.ru_utime) + s(u.ru_stime);
}

void DefaultEnv(const char* name, const char* value) {
  if (!std::getenv(name)) setenv(name, value, 0);
}

// Runs the event loop until stop() says so; stop is asked each time the loop is about to wait.
void RunUntilIdle(const std::function<bool()>& stop) {
  QEventLoop loop;
  auto* dispatcher = QAbstractEventDispatcher::instance();
  const auto c = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
    if (stop()) loop.quit();
  });
  loop.exec();
  QObject::disconnect(c);
}

void RunFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

struct CpuShare {
  double Process = 0;  // all threads, per cent of one core
  double UiThread = 0;
};

CpuShare MeasureCpu(int ms) {
  const double p0 = CpuSeconds(RUSAGE_SELF), t0 = CpuSeconds(RUSAGE_THREAD);
  const std::int64_t w0 = Nanos(CLOCK_MONOTONIC);
  RunFor(ms);
  const double wall = static_cast<double>(Nanos(CLOCK_MONOTONIC) - w0) / 1e9;
  return {100.0 * (CpuSeconds(RUSAGE_SELF) - p0) / wall,
          100.0 * (CpuSeconds(RUSAGE_THREAD) - t0) / wall};
}

// The application itself, built as start-up builds it, then measured.
int RunApp(int argc, char** argv, const Options& o) {
  const std::int64_t mainEntry = Nanos(CLOCK_MONOTONIC);
  const std::int64_t ageAtMain = AgeFromProcStat();
  const char* launched = std::getenv(LaunchTimeVar);
  const std::int64_t spawned = launched ? std::atoll(launched) : -1;
  DefaultEnv("QT_QPA_PLATFORM", "offscreen");
  DefaultEnv("SDL_AUDIODRIVER", "dummy");

  QApplication app(argc, argv);
  vexlar::Program program;
  vexlar::VEXLAR* gw = program.Main.gameWindow();
  vexlar::Game& game = gw->game();
  RunUntilIdle([&] { return game.S.BoardBuilt != 0; });
  const std::int64_t idle = Nanos(CLOCK_MONOTONIC);

  if (o.StartupOnly) {
    std::printf("%lld %lld %lld\n", static_cast<long long>(spawned < 0 ? -1 : idle - spawned),
                static_cast<long long>(idle - mainEntry), static_cast<long long>(ageAtMain));
    return 0;
  }
  std::printf("(a) start-up of this run, spawn to idle board: %.1f ms\n",
              spawned < 0 ? -1.0 : Ms(idle - spawned));
  std::printf("(a) start-up of this run, main() to idle board: %.1f ms\n", Ms(idle - mainEntry));
  std::printf("(a) process age at main() by /proc/self/stat (10 ms steps): %.0f ms\n",
              Ms(ageAtMain));
  std::printf("    board built: %d edge buttons, %d cell images; window %dx%d\n", game.S.ButCount,
              game.S.BoxCount, gw->width(), gw->height());

  const CpuShare idleCpu = MeasureCpu(3000);
  std::printf("    CPU while idle before any game: %.2f %% of one core (UI thread %.2f %%)\n",
              idleCpu.Process, idleCpu.UiThread);

  gw->VScroll1->setValue(25);
  gw->VScroll2->setValue(16);
  if (o.Demo) gw->Check(&vexlar::PanelView::ChkDemo)->click();
  const std::int64_t click = Nanos(CLOCK_MONOTONIC);
  gw->CmdStart->click();
  RunUntilIdle([] { return true; });
  std::printf("    Start click (25x25, 16 ques%s) to idle: %.1f ms\n", o.Demo ? ", demo" : "",
              Ms(Nanos(CLOCK_MONOTONIC) - click));

  // Sixteen marks spread over the board, set through the game as a cell click sets them.
  for (std::int16_t j = 0; j < 16; ++j) game.CellClick(static_cast<std::int16_t>(j * 39));
  gw->Sync();
  std::printf("    marks standing: %d, demo mode %s\n", game.S.MarkCount, o.Demo ? "on" : "off");
  // The sharper pictures for the new cell size are drawn on worker threads first.
  const CpuShare drawing = MeasureCpu(6000);
  std::printf(
      "    CPU of the 6 s after Start, the pictures for its cells drawn: %.1f %% of one core\n",
      drawing.Process);

  const CpuShare running = MeasureCpu(5000);
  std::printf("(b) CPU of a running game with 16 marks: %.2f %% of one core (UI thread %.2f %%)\n",
              running.Process, running.UiThread);

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
  const auto hook = QObject::connect(gw->TxtScore, &QLineEdit::textChanged,
                                     [&] { at.push_back(Nanos(CLOCK_MONOTONIC)); });
  RunUntilIdle([&] { return at.size() >= static_cast<std::size_t>(ticks) + 1; });
  QObject::disconnect(hook);
  std::vector<double> gaps;
  for (std::size_t i = 1; i < at.size(); ++i) gaps.push_back(Ms(at[i] - at[i - 1]));
  const double mean = std::accumulate(gaps.begin(), gaps.end(), 0.0) / gaps.size();
  double square = 0;
  for (double g : gaps) square += (g - mean) * (g - mean);
  const double sd = std::sqrt(square / gaps.size());
  const auto [lo, hi] = std::minmax_element(gaps.begin(), gaps.end());
  std::printf("(d) clock: %zu tick intervals, mean %.3f ms (%+.2f %% of 50 ms)\n", gaps.size(),
              mean, (mean - 50.0) * 2.0);
  std::printf("(d) clock: standard deviation %.3f ms, shortest %.3f ms, longest %.3f ms\n", sd, *lo,
              *hi);

  // Laying out anew: the game window between two sizes, each resize handled and painted at once.
  QWidget* sub = gw->parentWidget();
  const QSize big = sub->size(), small = big * 3 / 4;
  constexpr int Resizes = 40;
  const double r0 = CpuSeconds(RUSAGE_THREAD);
  for (int n = 0; n < Resizes; ++n) {
    sub->resize(n % 2 ? big : small);
    gw->repaint();
  }
  std::printf(
      "(e) layout anew after a resize, with its paint: %.2f ms of CPU each (%dx%d <-> %dx%d)\n",
      1000 * (CpuSeconds(RUSAGE_THREAD) - r0) / Resizes, big.width(), big.height(), small.width(),
      small.height());
  sub->resize(big);

  // The reveal: Finished, the result box answered from the event loop, then the animation.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  answer.start(20);
  gw->CmdFinish->click();
  RunFor(200);
  answer.stop();
  const CpuShare reveal = MeasureCpu(5000);
  std::printf("(f) CPU during the reveal: %.2f %% of one core (UI thread %.2f %%)\n",
              reveal.Process, reveal.UiThread);

  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  std::printf("(c) peak resident memory: %.1f MiB\n", u.ru_maxrss / 1024.0);
  return 0;
}

// Spawns this program again with extra arguments; the child's standard output goes to out_fd.
int Spawn(int argc, char** argv, const std::vector<std::string>& extra, int outFd) {
  std::vector<std::string> args(argv, argv + argc);
  args.insert(args.end(), extra.begin(), extra.end());
  std::vector<char*> cargv;
  for (auto& a : args) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (outFd >= 0) posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
  setenv(LaunchTimeVar, std::to_string(Nanos(CLOCK_MONOTONIC)).c_str(), 1);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, cargv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (outFd >= 0) close(outFd);
  if (rc != 0) {
    std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(rc));
    return -1;
  }
  return pid;
}

int Wait(int pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

// The launcher: fresh processes for the start-up figures, then one for the rest.
int Launch(int argc, char** argv, const Options& o) {
  DefaultEnv("QT_QPA_PLATFORM", "offscreen");
  DefaultEnv("SDL_AUDIODRIVER", "dummy");
  std::vector<double> spawnToIdle, mainToIdle, ageAtMain;
  for (int i = 0; i < o.Starts; ++i) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return 1;
    const int pid = Spawn(argc, argv, {"--startup-only"}, fds[1]);
    if (pid < 0) return 1;
    std::string out;
    char buf[256];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) out.append(buf, n);
    close(fds[0]);
    if (Wait(pid) != 0) return 1;
    long long a = -1, b = -1, c = -1;
    if (std::sscanf(out.c_str(), "%lld %lld %lld", &a, &b, &c) != 3) return 1;
    spawnToIdle.push_back(Ms(a));
    mainToIdle.push_back(Ms(b));
    ageAtMain.push_back(Ms(c));
  }
  // The median as well, since one run on a busy machine can stray far from the rest.
  auto report = [](const char* what, std::vector<double> v) {
    if (v.empty()) return;
    std::sort(v.begin(), v.end());
    const double mean = std::accumulate(v.begin(), v.end(), 0.0) / v.size();
    const double median = (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
    std::printf("(a) %s: median %.1f ms, mean %.1f ms, min %.1f ms, max %.1f ms over %zu runs\n",
                what, median, mean, v.front(), v.back(), v.size());
  };
  report("start-up, spawn to idle board", spawnToIdle);
  report("start-up, main() to idle board", mainToIdle);
  report("process age at main() by /proc/self/stat (10 ms steps)", ageAtMain);
  std::fflush(stdout);
  const int pid = Spawn(argc, argv, {"--run"}, -1);
  return pid < 0 ? 1 : Wait(pid);
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = ParseOptions(argc, argv);
  if (std::getenv(LaunchTimeVar)) return RunApp(argc, argv, o);
  return Launch(argc, argv, o);
}
