// The casino chips of Black Jack and Poker: chip types, the stacks of the sixteen chip seats,
// totals and availability, adding chips, the chip part of a saved game, the set-up of a seat
// with the bank's supply, and change making. A seat's money is never stored as a number; it is
// the sum of its chips. Chips change place only through the move queue of chipanim.h.
#pragma once
#include <cstdint>

#include "core/chipsave.h"

namespace pokerchips {

// Chip types: 0..4 are worth 1, 5, 10, 25, 100; 5 is the end mark of the type walks and never
// stored; 6 is the marker piece (dealer button and blinds).
constexpr int kTypen = 7;
constexpr int kKeinTyp = 5;
constexpr int kMarke = 6;
constexpr int kMarkenWert = -111;   // the value that names a marker in a move request
constexpr int kStapelMax = 169;     // slots per chip stack
constexpr int kSitze = kChipSitze;  // 1..6 players, 7 bank, 8 pot, 9..16 areas before seats 1..8
constexpr int kBank = 7;
constexpr int kPot = 8;

struct Pose {
    float x = 0, y = 0, z = 0, a1 = 0, a2 = 0, a3 = 0;
};

enum Zustand : uint8_t { kFliegt = 0, kRuht = 1, kFort = 2, kReserviert = 3 };

struct ChipEntry {
    uint8_t typ = 0;
    int32_t slot = 0;  // equal to its position in the stack
    int16_t wert = 0;  // chip value, or a marker's code 0, 1 or 2
    int32_t sitz = 0;
    uint8_t typ2 = 0;
    float shade = 1;  // 0.8 .. 1.0
    uint8_t zustand = kRuht;
    int32_t flug = -1;  // index into the flight table, -1 when none
    Pose pose;          // resting pose within the stack
};

struct ChipStack {
    ChipEntry entries[kStapelMax];
    int32_t count = 0;
    int32_t incoming = 0;  // chips in flight towards this stack (gives each its landing slot)
    Pose base;
};

struct ChipSeat {
    ChipStack stacks[kTypen];
    uint8_t kind = 1;  // 0 the bank, 1 a player seat or an area before one, 2 the pot
    Pose base;
    Pose tischPos;        // position and orientation on the table
    int32_t removal = 0;  // departed chips still waiting to be taken out of the stacks
};

// ChipStacks[s - 1] is chip seat s.
extern ChipSeat ChipStacks[kSitze];
inline ChipSeat& seat(int s) { return ChipStacks[s - 1]; }
inline bool seatOk(int s) { return s >= 1 && s <= kSitze; }

int chipValue(int type);
int chipTypeToCode(int type);
int chipCodeToType(int code);
int chipValueToType(int value);
// The next lower chip type: 4, 3, 2, 1, 0 and then the end mark 5.
inline int lowerType(int type) { return chipCodeToType(chipTypeToCode(type) - 1); }

bool IsChipGame();
// Euro chips with cents are shown (thinner and thicker chips).
bool ChipsAsEuroCents();

int32_t seatChipTotal(int s);
// Resting chips of a type less the queued single requests for one of them; type 5: the money
// value so available.
int32_t chipsAvailable(int s, int type);
bool higherChipsAvailable(int s, int type);

void AddChipsToStack(int s, int type, int n, int index);
void initChipSeat(int s, bool keep);
void RestoreChipCounts(const ChipSaveRecord& rec);
void SaveChipCounts(ChipSaveRecord& rec);
// The record a loaded game brought, kept for the game's restore.
extern ChipSaveRecord geladen;

// Column (0..2) and height within the column of a slot; index -1 is the top chip.
int ChipStackColumn(int s, int type, int index);
int chipRowInColumn(int index, int s);

bool potCanPayShares();
void breakPotChip();
bool needsChange();
void LowTerminateNew();

// Takes departed chips out of their stacks (closing the gaps); the drawing walks and the chip
// handler's frame both call it, so a frame that draws nothing still makes progress.
void abgangEntfernen();
// A chip has left its slot, a slot was reserved or an awaited chip has landed: the next
// abgangEntfernen looks at the stacks again (until then nothing can have left).
void abgangMelden();

// What the games tell the chip unit: whether a seat is still in the game (empty: every seat),
// the starting money that sizes the bank's supply (empty: 100), Poker's currency option, and a
// poker seat's payout when it has won (false when it has not).
extern bool (*sitzImSpiel)(int s);
extern int32_t (*startGeld)();
extern int32_t (*pokerWaehrung)();
extern bool (*potAuszahlung)(int s, int& betrag);
// The GUI's uniform-chip option: every chip the same shade and no jitter.
extern bool gleicheChips;

// Puts a seat's top marker onto another seat at once, without a flight.
void markeVersetzen(int von, int nach);

// Every seat emptied, the bank without supply (tests and a new program state).
void leeren();

}  // namespace pokerchips
