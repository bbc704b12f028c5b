// A picture strip: one bitmap cut into Rows x Cols equal frames, numbered row by row from 0.
#pragma once
#include <cstdint>

#include "BoardModel.h"

namespace vexlar {

struct PictureStrip {
  std::int32_t BitmapWidth = 0;
  std::int32_t BitmapHeight = 0;
  std::int16_t Rows = 1;
  std::int16_t Cols = 1;

  std::int32_t FrameWidth() const { return BitmapWidth / Cols; }
  std::int32_t FrameHeight() const { return BitmapHeight / Rows; }
  std::int16_t FrameCount() const { return static_cast<std::int16_t>(Rows * Cols); }
  // Pixels left over at the right or bottom belong to no frame.
  Rect Frame(std::int16_t f) const {
    return {(f % Cols) * FrameWidth(), (f / Cols) * FrameHeight(), FrameWidth(), FrameHeight()};
  }
};

}  // namespace vexlar
