// The game's colours, written as its forms write them (&H00BBGGRR), and the one way to a QColor.
#pragma once
#include <QColor>
#include <cstdint>

namespace vexlar {

namespace bgr {
constexpr std::int32_t Black = 0x000000, White = 0xFFFFFF, Grey = 0x808080;
constexpr std::int32_t Navy = 0x800000, Maroon = 0x000080, Red = 0x0000FF;
constexpr std::int32_t Teal = 0x808000, LightTeal = 0xC0C000, DarkTeal = 0x505000,
                       DimTeal = 0x606000;
constexpr std::int32_t Green = 0x00FF00, Yellow = 0x00FFFF, LightYellow = 0x80FFFF,
                       Cream = 0xC0FFFF, LightCyan = 0xFFFF80, Pink = 0xC0C0FF;
constexpr std::int32_t Mint = 0xC0FFC0, Silver = 0xE0E0E0, TitleBlue = 0xB00000;
}  // namespace bgr

inline QColor FromBgr(std::int32_t c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

}  // namespace vexlar
