#include "platform/rnd.h"

#include <chrono>
#include <unistd.h>

namespace rnd {
namespace {
// splitmix64: small, fast, and every 64-bit state is valid, so any seed replays.
uint64_t g_state = 0x2545F4914F6CDD1Dull;

uint64_t next() {
    uint64_t z = (g_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

void seed(uint64_t s) { g_state = s; }
void randomize() {
    auto t = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    g_state = t ^ (static_cast<uint64_t>(getpid()) << 32);
}
double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
int32_t random(int32_t n) {
    if (n <= 0) return 0;
    return static_cast<int32_t>((next() >> 33) % static_cast<uint64_t>(n));
}
uint64_t state() { return g_state; }
void setState(uint64_t s) { g_state = s; }

}  // namespace rnd
