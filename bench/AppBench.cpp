// Measures the real application: start-up against a bare Qt window, the cost of a Start and of a
// resize, CPU, memory and the clock. On a real X server (DISPLAY and QT_QPA_PLATFORM=xcb, as
// `make bench` runs it under tests/desktop-check.sh) or else on the offscreen platform.
//
// Run without arguments (or with --ticks N, --starts N, --demo). The program launches itself:
// first --starts times up to the idle board and as many times as the bare window, to time the
// start-up of fresh processes, then once for the whole run. Each launch is timed from just
// before the new process is spawned.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "AppRun.h"
#include "Measure.h"
#include "Program.h"

using namespace bench;

namespace {

constexpr const char* LaunchTimeVar = "VEXLAR_BENCH_T0";

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--ticks" && i + 1 < argc) o.Ticks = std::max(1, std::atoi(argv[++i]));
    if (a == "--starts" && i + 1 < argc) o.Starts = std::max(0, std::atoi(argv[++i]));
    if (a == "--demo") o.Demo = true;
    if (a == "--startup-only") o.Child = Options::StartUp;
    if (a == "--floor") o.Child = Options::Floor;
  }
  return o;
}

void DefaultEnv(const char* name, const char* value) {
  if (!std::getenv(name)) setenv(name, value, 0);
}

// A child that notes its first paint.
struct PaintedChild : QWidget {
  bool Painted = false;
  void paintEvent(QPaintEvent*) override { Painted = true; }
};

// One start-up, to the idle board or to the bare window's first paint: prints the wall time from
// spawn and from main(), and the process's CPU, all in ms.
int StartUp(int argc, char** argv, bool floor, std::int64_t spawned) {
  const std::int64_t mainEntry = Nanos();
  QApplication app(argc, argv);
  if (floor) {
    // The floor: a main window with one maximized child, shown as the game shows its own.
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    auto* child = new PaintedChild;
    area->addSubWindow(child, Qt::SubWindow | Qt::FramelessWindowHint)->showMaximized();
    main.setGeometry(QApplication::primaryScreen()->availableGeometry());
    main.showMaximized();
    RunUntilIdle([&] { return child->Painted; });
  } else {
    vexlar::Program program;
    const vexlar::Game& game = program.Main.gameWindow()->game();
    RunUntilIdle([&] { return game.S.BoardBuilt && !game.Building; });
  }
  const std::int64_t idle = Nanos();
  std::printf("%.3f %.3f %.3f\n", Ms(idle - spawned), Ms(idle - mainEntry), CpuMs());
  return 0;
}

// Spawns this program again with extra arguments; the child's standard output goes to outFd.
int Spawn(int argc, char** argv, const std::vector<std::string>& extra, int outFd) {
  std::vector<std::string> args(argv, argv + argc);
  args.insert(args.end(), extra.begin(), extra.end());
  std::vector<char*> cargv;
  for (auto& a : args) cargv.push_back(a.data());
  cargv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (outFd >= 0) posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
  setenv(LaunchTimeVar, std::to_string(Nanos()).c_str(), 1);
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

// The three figures of one start-up of a kind, as they come from a fresh process.
bool StartUp(int argc, char** argv, const char* flag, std::vector<double> (&out)[3]) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return false;
  const int pid = Spawn(argc, argv, {flag}, fds[1]);
  if (pid < 0) return false;
  std::string text;
  char buf[256];
  for (ssize_t k; (k = read(fds[0], buf, sizeof buf)) > 0;) text.append(buf, k);
  close(fds[0]);
  double v[3];
  if (Wait(pid) != 0 || std::sscanf(text.c_str(), "%lf %lf %lf", &v[0], &v[1], &v[2]) != 3)
    return false;
  for (int k = 0; k < 3; ++k) out[k].push_back(v[k]);
  return true;
}

// The median as well as the mean, since one run on a busy machine can stray far from the rest.
double Report(const char* what, std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const double mean = std::accumulate(v.begin(), v.end(), 0.0) / v.size();
  const double median = (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2;
  std::printf("(a) %s: median %.1f ms, mean %.1f ms, min %.1f ms, max %.1f ms over %zu runs\n",
              what, median, mean, v.front(), v.back(), v.size());
  return median;
}

// The launcher: fresh processes for the start-up figures, then one for the rest.
int Launch(int argc, char** argv, const Options& o) {
  std::vector<double> game[3], floor[3];
  // Taken in turns, so that a busy spell of the machine falls on both alike.
  for (int i = 0; i < o.Starts; ++i)
    if (!StartUp(argc, argv, "--startup-only", game) || !StartUp(argc, argv, "--floor", floor))
      return 1;
  Report("start-up, spawn to idle board", game[0]);
  Report("start-up, main() to idle board", game[1]);
  const double cpu = Report("start-up CPU, exec to idle board", game[2]);
  Report("bare main window with a maximized child, spawn to its first paint", floor[0]);
  const double least =
      Report("bare main window with a maximized child, CPU to its first paint", floor[2]);
  if (least > 0) std::printf("(a) start-up CPU against the bare window: %.2f times\n", cpu / least);
  std::fflush(stdout);
  const int pid = Spawn(argc, argv, {"--run"}, -1);
  return pid < 0 ? 1 : Wait(pid);
}

}  // namespace

int main(int argc, char** argv) {
  DefaultEnv("QT_QPA_PLATFORM", "offscreen");
  DefaultEnv("SDL_AUDIODRIVER", "dummy");
  const Options o = ParseOptions(argc, argv);
  const char* launched = std::getenv(LaunchTimeVar);
  if (!launched) return Launch(argc, argv, o);
  const std::int64_t spawned = std::atoll(launched);
  if (o.Child != Options::Run) return StartUp(argc, argv, o.Child == Options::Floor, spawned);
  return RunApp(argc, argv, o, spawned);
}
