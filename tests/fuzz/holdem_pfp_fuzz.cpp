// The preflop table data/pfp.txt: any bytes are taken whole or not at all, and every lookup
// stays inside the table.
#include "fuzz_folder.h"
#include "games/casino/holdem_preflop.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::programFolder();
    fuzz::put("data/pfp.txt", data, size);
    const bool ok = holdem::loadPreflopTable(".");
    if (ok != (size == holdem::kPreflopBytes)) __builtin_trap();
    for (uint8_t t = 0; t <= 14; ++t)
        for (int p = 0; p <= 8; ++p) {
            const float c = holdem::preflopWinChance(karte{t, 1, 0}, karte{8, 1, 0}, p);
            if (!(c >= 0.0f && c <= 1.0f)) __builtin_trap();
        }
    return 0;
}
