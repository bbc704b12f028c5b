// Firing probes from the edge buttons and tracing their paths through the ques.
#pragma once
#include <cstdint>

namespace vexlar {

struct Game;

enum class Heading : std::int8_t { Up, Down, Left, Right };

// Traces a probe from border position start; sets ProbeHit, returns the outcome position.
std::int16_t TraceProbe(Game& g, std::int16_t start);
// Continues a trace in cell p heading h: the four direction tracers as one loop.
std::int16_t TraceFrom(Game& g, std::int16_t p, Heading h);

// Counts, traces and shows one probe fired from edge button index.
void FireProbe(Game& g, std::int16_t index);

}  // namespace vexlar
