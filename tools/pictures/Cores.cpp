#include <thread>
#include <vector>

#include "Paint.h"

namespace pictures {

void OnEveryCore(int count, const std::function<void(int)>& job, const std::atomic<bool>* stop) {
  std::atomic<int> next = 0;
  const auto work = [&] {
    for (int i; !Stopped(stop) && (i = next++) < count;) job(i);
  };
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::vector<std::thread> helpers(std::max(0, std::min(cores, count) - 1));
  for (std::thread& t : helpers) t = std::thread(work);
  work();
  for (std::thread& t : helpers) t.join();
}

}  // namespace pictures
