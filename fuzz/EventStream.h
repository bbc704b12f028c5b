// Plays a byte string of window events into a Game, nesting queued ones inside its event pumps.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "GameTestSupport.h"

namespace vexlar::test {

// clang-format off
enum class EventKind : std::uint8_t {
  EdgeClick, EdgePress, CellClick, Timer1Tick, Timer2Tick, PauseClick, FinishClick, StartClick,
  SetVScroll1, SetVScroll2, OptionClick, Activate, CloseMessage
};
// clang-format on
constexpr int EventKindCount = 13;

struct Event {
  EventKind Kind = EventKind::Timer1Tick;
  std::int16_t Arg = 0;
  bool Queued = false;  // already waiting when a handler pumps events, so it runs inside it
};

// A head byte (kind modulo the count, bit 7 queued), then ArgBytes argument bytes; missing
// bytes read as 0. Arguments resolve against the game, so random bytes mostly hit live controls,
// and no hidden, covered or disabled control gets an event, nor anything behind the message.
int ArgBytes(EventKind k);

struct Player {
  Recorder Rec;
  Game G{&Rec, &Rec};
  std::vector<std::uint8_t> Bytes;
  std::size_t At = 0;
  std::function<void(const Event&)> OnDeliver;
  bool MessageOpen = false;
  int Depth = 0;  // handlers pumping events beneath the current one
  std::size_t Delivered = 0, Dropped = 0;
  std::string Failure;  // empty while every check holds

  Player();
  Player(const Player&) = delete;  // its pump and recorder point back at it
  void Run();

 private:
  void Pump();
  void Deliver(const Event& e);
};

}  // namespace vexlar::test
