// The board picture's Julia set, z -> z * z + c: how soon points leave it, many at once.
#pragma once

namespace pictures {

// The smooth count of a point that has not left after the steps taken.
constexpr float Never = -1000;
// The smooth escape count of each point x + iy, or Never.
void Escapes(const float* x, const float* y, float* mu, int count);

}  // namespace pictures
