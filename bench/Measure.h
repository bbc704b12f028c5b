// What the application benchmark measures with: clocks, the process's CPU and the event loop.
#pragma once
#include <sys/resource.h>

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>
#include <cstdint>
#include <ctime>
#include <functional>

namespace bench {

inline std::int64_t Nanos(clockid_t clock = CLOCK_MONOTONIC) {
  timespec ts{};
  clock_gettime(clock, &ts);
  return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

inline double Ms(std::int64_t nanos) { return static_cast<double>(nanos) / 1e6; }

// CPU time in ms of this process (RUSAGE_SELF, every thread since exec) or of the calling thread.
inline double CpuMs(int who = RUSAGE_SELF) {
  rusage u{};
  getrusage(who, &u);
  auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
  return ms(u.ru_utime) + ms(u.ru_stime);
}

// Runs the event loop until stop() says so; stop is asked each time the loop is about to wait.
inline void RunUntilIdle(const std::function<bool()>& stop) {
  QEventLoop loop;
  auto* dispatcher = QAbstractEventDispatcher::instance();
  const auto c = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, [&] {
    if (stop()) loop.quit();
  });
  loop.exec();
  QObject::disconnect(c);
}

inline void RunFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// CPU of this process in ms over the ms after act, the event loop running all the while.
inline double CpuOver(int ms, const std::function<void()>& act = {}) {
  const double c0 = CpuMs();
  if (act) act();
  RunFor(ms);
  return CpuMs() - c0;
}

}  // namespace bench
