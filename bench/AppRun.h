// The application benchmark's long run: one process, its figures printed as they come.
#pragma once
#include <cstdint>

namespace bench {

struct Options {
  int Ticks = 1000;
  int Starts = 9;
  bool Demo = false;
  enum { Run, StartUp, Floor } Child = Run;  // what a launched copy does
};

// Starts the game as start-up does and measures it; spawned is the launch time (Nanos()).
int RunApp(int argc, char** argv, const Options& o, std::int64_t spawned);

}  // namespace bench
