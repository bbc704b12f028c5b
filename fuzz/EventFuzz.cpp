// libFuzzer target: any byte string is a session of window events; a broken invariant aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "EventStream.h"
#include "Invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string state[2];
  for (std::string& s : state) {  // played twice: the same bytes must make the same game
    vexlar::test::Player player;
    player.Bytes.assign(data, data + size);
    player.Run();
    if (!player.Failure.empty()) {
      std::fprintf(stderr, "%s\n", player.Failure.c_str());
      std::abort();
    }
    s = vexlar::test::StateText(player.G);
  }
  if (state[0] != state[1]) {
    std::fprintf(stderr, "the same bytes played to two different games\n");
    std::abort();
  }
  return 0;
}
