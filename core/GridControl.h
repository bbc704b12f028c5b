// Building, laying out, clearing and picturing the board of edge buttons and cell images.
#pragma once
#include <cstdint>

namespace vexlar {

struct Game;

void CreateBoard(Game& g, std::int16_t edge);
void LayoutBoard(Game& g, std::int16_t edge);
void ClearBoard(Game& g, std::int16_t edge);
void TileBoardPicture(Game& g);

}  // namespace vexlar
