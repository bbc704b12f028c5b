#include "GameTestSupport.h"

namespace vexlar::test {

std::int16_t EdgePos(const GameState& s, Side side, int index) {
  const auto i = static_cast<std::int16_t>(index), e = s.GridEdge;
  return side == Side::Top      ? s.Pos(0, i)
         : side == Side::Bottom ? s.Pos(e, i)
         : side == Side::Left   ? s.Pos(i, 0)
                                : s.Pos(i, e);
}

void PutQues(Game& g, const std::vector<std::string>& rows) {
  for (auto& c : g.S.Cells) c.Que = False;
  g.S.QueList.fill(0);
  g.S.QueCount = 0;
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c)
      if (rows[r][c] == 'Q') {
        const std::int16_t k =
            g.S.Pos(static_cast<std::int16_t>(r + 1), static_cast<std::int16_t>(c + 1));
        g.S.Cells[k].Que = True;
        g.S.QueList[++g.S.QueCount] = g.S.Cells[k].Box;
      }
}

}  // namespace vexlar::test
