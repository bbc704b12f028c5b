#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Types.h"

namespace vexlar {

std::string Decimal(std::int32_t value) { return std::to_string(value); }

void Complain(const std::string& what, const std::string& instead, const std::string& why) {
  const std::string line = what + ", " + instead + (why.empty() ? "" : ": " + why);
  std::fprintf(stderr, "VEXLAR: %s\n", line.c_str());
}

double LeadingNumber(const std::string& text) {
  // Leading blanks are skipped; anything after the number is ignored.
  const char* begin = text.c_str();
  char* end = nullptr;
  const double v = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(v)) return 0.0;
  return v;
}

std::int32_t RoundEven(double value) {
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double r = std::nearbyint(value);
  std::fesetround(saved);
  return static_cast<std::int32_t>(r);
}

}  // namespace vexlar
