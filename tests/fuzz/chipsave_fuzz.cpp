// The chip part of a saved game: any 256 bytes rebuild the chip stacks without writing past a
// stack, and saving them again gives counts that fit.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/cg.h"
#include "games/casino/pokerchips.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ChipSaveRecord rec{};
    std::memcpy(&rec, data, size < sizeof rec ? size : sizeof rec);
    cg.spielId = 9;
    cg.ablauf.anzSpieler = 4;
    pokerchips::RestoreChipCounts(rec);
    ChipSaveRecord wieder{};
    pokerchips::SaveChipCounts(wieder);
    for (int s = 1; s <= pokerchips::kSitze; ++s)
        for (int t = 0; t < pokerchips::kTypen; ++t)
            if (wieder.at(s).anzahl[t] < 0 || wieder.at(s).anzahl[t] > pokerchips::kStapelMax) __builtin_trap();
    return 0;
}
