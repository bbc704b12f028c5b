#include "EventStream.h"

#include <algorithm>

#include "Invariants.h"

namespace vexlar::test {

namespace {

constexpr int MaxPumpDepth = 4;

struct KindInfo {
  const char* Name;
  int Args;  // argument bytes after the head byte
  void (*Apply)(Player&, std::int16_t);
};

const KindInfo Kinds[EventKindCount] = {
    {"EdgeClick", 1, [](Player& p, std::int16_t a) { p.G.EdgeButtonClick(a); }},
    {"EdgePress", 1, [](Player& p, std::int16_t a) { p.G.EdgeButtonPress(a); }},
    {"CellClick", 2, [](Player& p, std::int16_t a) { p.G.CellClick(a); }},
    {"Timer1Tick", 0, [](Player& p, std::int16_t) { p.G.Timer1Tick(); }},
    {"Timer2Tick", 0, [](Player& p, std::int16_t) { p.G.Timer2Tick(); }},
    {"PauseClick", 0, [](Player& p, std::int16_t) { p.G.PauseClick(); }},
    {"FinishClick", 0, [](Player& p, std::int16_t) { p.G.FinishClick(); }},
    {"StartClick", 0, [](Player& p, std::int16_t) { p.G.StartGame(); }},
    {"SetVScroll1", 1, [](Player& p, std::int16_t a) { p.G.SetVScroll1(a); }},
    {"SetVScroll2", 1, [](Player& p, std::int16_t a) { p.G.SetVScroll2(a); }},
    {"OptionClick", 1,
     [](Player& p, std::int16_t a) {
       const OptionRow& o = Options()[a];
       p.G.OptionClick(o, static_cast<std::int16_t>(p.G.Panel.*o.Value ^ 1));
     }},
    {"Activate", 1, [](Player& p, std::int16_t a) { p.G.BuildBoardOnce(a, 10, 10); }},
    {"CloseMessage", 0, [](Player& p, std::int16_t) { p.MessageOpen = false; }},
};

// Right after the first reveal step: the hits counted, and the result text that tells them.
void CheckReveal(const GameState& s, std::vector<std::string>& v) {
  int hits = 0;
  for (int j = 1; j <= s.QueCount && j < ListCapacity; ++j)
    hits += s.MarkRec(s.QueList[j]).Marked ? 1 : 0;
  if (s.HitCount != hits)
    v.push_back("HitCount " + Decimal(s.HitCount) + " with " + Decimal(hits) + " marked ques");
  if (s.ResultText.find("You hit " + Decimal(s.HitCount) + " of " + Decimal(s.QueCount) + " ") != 0)
    v.push_back("ResultText \"" + s.ResultText + "\"");
}

// Low two bits: the first unmarked que, some que, some mark, or any cell of the board.
std::int16_t SomeCell(const Game& g, unsigned a) {
  const GameState& s = g.S;
  const unsigned pick = a >> 2;
  for (int j = 1; (a & 3) == 0 && j <= s.QueCount; ++j)
    if (!s.MarkRec(s.QueList[j]).Marked) return s.QueList[j];
  if ((a & 3) == 1 && s.QueCount > 0) return s.QueList[1 + pick % s.QueCount];
  if ((a & 3) == 2 && s.MarkCount > 0) return s.MarkList[1 + pick % s.MarkCount];
  return static_cast<std::int16_t>(pick % std::max<unsigned>(1, s.BoxCount));
}

Event Decode(const Game& g, const std::vector<std::uint8_t>& bytes, std::size_t& at) {
  auto next = [&]() -> unsigned { return at < bytes.size() ? bytes[at++] : 0u; };
  const unsigned head = next();
  Event e{static_cast<EventKind>((head & 0x7F) % EventKindCount), 0, (head & 0x80) != 0};
  unsigned a = 0;
  for (int i = 0; i < Kinds[static_cast<int>(e.Kind)].Args; ++i) a |= next() << (8 * i);
  using K = EventKind;
  if (e.Kind == K::EdgeClick || e.Kind == K::EdgePress)
    e.Arg = static_cast<std::int16_t>(a % std::max<int>(1, g.S.ButCount));
  if (e.Kind == K::CellClick) e.Arg = SomeCell(g, a);
  if (e.Kind == K::SetVScroll1) e.Arg = static_cast<std::int16_t>(MinGridSize + a % 18);
  if (e.Kind == K::SetVScroll2) e.Arg = static_cast<std::int16_t>(MinQues + a % 13);
  if (e.Kind == K::OptionClick) e.Arg = static_cast<std::int16_t>(a % Options().size());
  if (e.Kind == K::Activate) e.Arg = static_cast<std::int16_t>(300 + 4 * a);  // inner height
  return e;
}

std::string Describe(const Event& e) {
  const KindInfo& k = Kinds[static_cast<int>(e.Kind)];
  return k.Name + (k.Args > 0 ? "(" + std::to_string(e.Arg) + ")" : "") +
         (e.Queued ? " queued" : "");
}

bool Deliverable(const Game& g, bool messageOpen, const Event& e) {
  const PanelView& p = g.Panel;
  const int a = e.Arg;
  const bool board = !p.CoverVisible && !messageOpen;
  const bool but = board && a >= 0 && a < ButtonCapacity && g.Board.Buttons[a].Visible;
  const bool box = board && a >= 0 && a < ImageCapacity && g.Board.Images[a].Visible;
  const bool option = e.Kind == EventKind::OptionClick && Enabled(p, Options()[a]);
  // clang-format off
  const bool open[EventKindCount] = {
      but, but, box, p.Timer1Enabled, p.Timer2Enabled, p.PauseEnabled, p.FinishEnabled,
      p.StartEnabled, true, true, option, true, messageOpen};
  // clang-format on
  // The modal message lets only the timers and its own OK through.
  const bool held =
      messageOpen && e.Kind > EventKind::Timer2Tick && e.Kind != EventKind::CloseMessage;
  return open[static_cast<int>(e.Kind)] && !held;
}

}  // namespace

int ArgBytes(EventKind k) { return Kinds[static_cast<int>(k)].Args; }

Player::Player() {
  // A clock the bytes decide, so each game hides its ques afresh and a replay hides them alike.
  G.TimeOfDay = [this] { return static_cast<float>(Delivered % 86400) + 0.5f; };
  Rec.OnPump = [this] { Pump(); };
  G.LoadWindow();
}

void Player::Run() {
  while (Failure.empty() && At < Bytes.size()) Deliver(Decode(G, Bytes, At));
}

void Player::Pump() {
  if (Depth >= MaxPumpDepth) return;
  ++Depth;
  while (Failure.empty() && At < Bytes.size() && (Bytes[At] & 0x80) != 0)
    Deliver(Decode(G, Bytes, At));
  --Depth;
}

void Player::Deliver(const Event& e) {
  if (!Deliverable(G, MessageOpen, e)) {
    ++Dropped;
    return;
  }
  if (OnDeliver) OnDeliver(e);
  const std::size_t index = Delivered++;
  const bool revealing = e.Kind == EventKind::Timer2Tick && !G.S.RevealDone && !G.S.Paused;
  Kinds[static_cast<int>(e.Kind)].Apply(*this, e.Arg);
  Rec.Log.clear();
  if (!Failure.empty()) return;  // an event inside its pump failed; that report stands
  std::vector<std::string> v = CheckInvariants(G, Depth > 0);
  if (revealing) CheckReveal(G.S, v);
  if (revealing != G.Panel.PendingMessage.has_value()) v.push_back("message without the reveal");
  if (G.Panel.PendingMessage && (*G.Panel.PendingMessage != G.S.ResultText || MessageOpen))
    v.push_back("the message is not ResultText or opens over another");
  MessageOpen = MessageOpen || G.Panel.PendingMessage.has_value();
  G.Panel.PendingMessage.reset();
  if (v.empty()) return;
  Failure = "event #" + std::to_string(index) + " " + Describe(e) + " at depth " +
            std::to_string(Depth) + ":";
  for (const std::string& x : v) Failure += "\n  " + x;
}

}  // namespace vexlar::test
