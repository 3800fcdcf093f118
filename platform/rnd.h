// The program's one source of chance. Every Random(n), uniform draw and shuffle goes through
// it, so a seed replays a whole game.
#pragma once
#include <cstdint>

namespace rnd {

void seed(uint64_t s);
// Seeds from the clock and process: for a real run, never in tests.
void randomize();
// 0..n-1 (0 when n <= 0), as the runtime's Random(n).
int32_t random(int32_t n);
// Uniform in [0, 1), as the runtime's Random.
double uniform();
// The raw state, so a test can save and restore it around a call.
uint64_t state();
void setState(uint64_t s);

}  // namespace rnd
