// The chip part of a saved game: the 256 bytes that follow the game part in the save file.
// The chip unit fills it before a save and rebuilds its chip stacks from it after a load.
#pragma once
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

struct ChipSaveSitz {
    int16_t anzahl[7];  // chips of type 0..6 belonging to the chip seat
    int8_t marke1;      // marker code of the seat's first marker entry, 0 = none
    int8_t marke2;      // marker code of its second marker entry, 0 = fewer than two
};
static_assert(sizeof(ChipSaveSitz) == 16);
static_assert(offsetof(ChipSaveSitz, marke1) == 14);
static_assert(offsetof(ChipSaveSitz, marke2) == 15);

constexpr int kChipSitze = 16;  // 1..6 players, 7 bank, 8 pot, 9..16 the areas before seats 1..8

struct ChipSaveRecord {
    ChipSaveSitz sitz[kChipSitze];  // chip seat s at [s - 1]
    ChipSaveSitz& at(int s) { return sitz[s - 1]; }
    const ChipSaveSitz& at(int s) const { return sitz[s - 1]; }
};
static_assert(sizeof(ChipSaveRecord) == 256);

#pragma pack(pop)
