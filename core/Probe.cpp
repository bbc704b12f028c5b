#include "Probe.h"

#include <vector>

#include "Game.h"

namespace vexlar {

std::int16_t GameState::ButtonPos(std::int16_t i) const {
  for (std::int16_t k = 0; k < PosCount; ++k)
    if (Cells[k].IsButton && Cells[k].But == i) return k;
  return 0;
}

namespace {

// The trail frame drawn when a probe heading h enters cell p that shows old; -1 keeps it.
std::int16_t NextTrail(const GameState& s, std::int16_t old, Heading h, std::int16_t p) {
  const std::int16_t S = s.GridSpan;
  auto q = [&s](int k) { return s.Cells[k].Que != 0; };
  const int u = static_cast<int>(h);  // Up, Down, Left, Right
  auto pick = [u](int up, int down, int left, int right) {
    const int v[4] = {up, down, left, right};
    return static_cast<std::int16_t>(v[u]);
  };
  switch (old) {
    case 0:
      return pick(4, 5, 6, 7);
    case 4:
      return pick(-1, 2, q(p - S + 1) ? 8 : 6, q(p - S - 1) ? 9 : 7);
    case 5:
      return pick(2, -1, q(p + S + 1) ? 10 : 6, q(p + S - 1) ? 11 : 7);
    case 6:
      return pick(q(p + S - 1) ? 12 : 4, q(p - S - 1) ? 13 : 5, -1, 3);
    case 7:
      return pick(q(p + S + 1) ? 14 : 4, q(p - S + 1) ? 15 : 5, 3, -1);
    case 8:
      return pick(-1, 16, -1, 23);
    case 9:
      return pick(-1, 16, 22, -1);
    case 10:
      return pick(17, -1, -1, 21);
    case 11:
      return pick(17, -1, 20, -1);
    case 12:
      return pick(-1, 20, -1, 18);
    case 13:
      return pick(22, -1, -1, 18);
    case 14:
      return pick(-1, 21, 19, -1);
    case 15:
      return pick(23, -1, 19, -1);
    default:
      return -1;
  }
}

struct Step {
  std::int16_t Delta;
  Heading Turn1, Turn2;  // turn away from the first / second side cell
};

Step StepOf(const GameState& s, Heading h) {
  switch (h) {
    case Heading::Up:
      return {static_cast<std::int16_t>(-s.GridSpan), Heading::Right, Heading::Left};
    case Heading::Down:
      return {s.GridSpan, Heading::Right, Heading::Left};
    case Heading::Left:
      return {-1, Heading::Down, Heading::Up};
    case Heading::Right:
      return {1, Heading::Down, Heading::Up};
  }
  return {0, h, h};
}

}  // namespace

std::int16_t TraceFrom(Game& g, std::int16_t p, Heading h) {
  GameState& s = g.S;
  const bool demo = g.Panel.ChkDemo != 0;
  // Cells whose Trail is set; all go back to 0 only once the whole trace has ended.
  std::vector<std::int16_t> visited;
  std::int16_t outcome = p;
  for (;;) {
    if (demo) {
      const std::int16_t f = NextTrail(s, s.Cells[p].Trail, h, p);
      if (f >= 0) {
        g.Board.SetPicture(s.Cells[p].Box, Clip::Trail, f);
        s.Cells[p].Trail = f;
        visited.push_back(p);
      }
    }
    const bool vertical = h == Heading::Up || h == Heading::Down;
    const Step st = StepOf(s, h);
    const auto next = static_cast<std::int16_t>(p + st.Delta);
    // The vertical tracers know the border by its row, the horizontal ones by IsButton.
    const bool border =
        vertical ? (h == Heading::Up ? s.Cells[next].Row <= 0 : s.Cells[next].Row > s.GridSize)
                 : s.Cells[next].IsButton != 0;
    if (border) {
      outcome = next;
      break;
    }
    if (s.Cells[next].Que) {
      s.ProbeHit = True;
      outcome = p;
      break;
    }
    const std::int16_t side = vertical ? 1 : s.GridSpan;
    if (s.Cells[next - side].Que) {
      h = st.Turn1;
    } else if (s.Cells[next + side].Que) {
      h = st.Turn2;
    } else {
      p = next;
    }
  }
  for (std::int16_t k : visited) s.Cells[k].Trail = 0;
  return outcome;
}

std::int16_t TraceProbe(Game& g, std::int16_t start) {
  GameState& s = g.S;
  s.ProbeHit = False;
  const CellRec& c = s.Cells[start];
  Heading h;
  std::int16_t side;
  std::int16_t p;
  if (c.Row == 0) {
    h = Heading::Down, p = static_cast<std::int16_t>(start + s.GridSpan), side = 1;
  } else if (c.Row == s.GridEdge) {
    h = Heading::Up, p = static_cast<std::int16_t>(start - s.GridSpan), side = 1;
  } else if (c.Col == 0) {
    h = Heading::Right, p = static_cast<std::int16_t>(start + 1), side = s.GridSpan;
  } else {
    h = Heading::Left, p = static_cast<std::int16_t>(start - 1), side = s.GridSpan;
  }
  if (s.Cells[p].Que) {
    s.ProbeHit = True;
    return start;
  }
  if (s.Cells[p - side].Que || s.Cells[p + side].Que) return start;
  return TraceFrom(g, p, h);
}

void FireProbe(Game& g, std::int16_t index) {
  GameState& s = g.S;
  s.ProbeHit = False;
  const std::int16_t k = s.ButtonPos(index);
  ++s.ProbeCount;
  g.RunSound(SoundKind::SoundProbe);
  const std::int16_t r = TraceProbe(g, k);
  const std::string number = Decimal(s.ProbeCount);
  g.Board.SetCaption(index, number);
  s.Cells[k].Probed = True;
  if (s.ProbeHit) {
    g.Board.SetColour(index, ColourAbsorbed);
  } else if (r == k) {
    g.Board.SetColour(index, ColourReflected);
  } else {
    ++s.ExitCount;
    const std::int16_t e = s.Cells[r].But;
    s.Cells[k].Partner = r;
    s.Cells[r].Partner = k;
    s.Cells[r].Probed = True;
    g.Board.SetCaption(e, number);
    g.Board.SetColour(e, ColourPair);
    g.Board.SetColour(index, ColourPair);
  }
}

void Game::EdgeButtonClick(std::int16_t index) {
  if (S.ProbeBusy) return;
  S.ProbeBusy = True;
  const std::int16_t k = S.ButtonPos(index);
  if (!S.Cells[k].Probed) {
    FireProbe(*this, index);
    ProcessEvents();  // the probe is on screen before its sound
    PlaySound(SoundKind::SoundProbe);
  } else if (S.Cells[k].Partner > 0) {
    Board.SetColour(index, ColourPair);
    Board.SetColour(S.Cells[S.Cells[k].Partner].But, ColourPair);
  }
  S.ProbeBusy = False;
}

void Game::EdgeButtonPress(std::int16_t index) {
  const std::int32_t colour = Board.Buttons[index].BackColour;
  if (colour != ColourPair && colour != ColourHighlight) return;
  if (colour == ColourPair) {
    PlaySound(SoundKind::SoundFlash);
    Board.SetColour(index, ColourHighlight);
  }
  if (S.ProbeBusy) {
    S.ProbeBusy = False;
    return;
  }
  S.ProbeBusy = True;
  const std::int16_t k = S.ButtonPos(index);
  if (S.Cells[k].Probed && S.Cells[k].Partner > 0) {
    PlaySound(SoundKind::SoundFlash);
    Board.SetColour(index, ColourHighlight);
    Board.SetColour(S.Cells[S.Cells[k].Partner].But, ColourHighlight);
  }
  S.ProbeBusy = False;
}

}  // namespace vexlar
