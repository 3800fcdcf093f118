// The table engine's stack records: every card on the table lies in a card slot of a stack,
// together with its placement and its motion. Byte layouts are fixed (208-byte slots).
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/karten.h"
#include "platform/text.h"

constexpr int kSlots = 166;  // card slots per stack
constexpr int kStapel = 20;  // stacks per array (ids 1..20, twins -1..-20)
constexpr int kZuege = 166;  // capacity of both move lists

#pragma pack(push, 1)

// x, y, z and three angles in degrees: a stack's place on the table.
struct Pos6 {
    float v[6];
};
static_assert(sizeof(Pos6) == 24);

// The flight of one card (or the hover lift of a hand card).
struct TBewegung {
    uint8_t active;    // 1 while the card moves; the motion step skips 0
    uint8_t kind;      // 1 hover lift, 2/3 flight, 5 talon shuffle, 6 flight to the twin slot
    float progress;    // 0 .. 1
    float speed;       // progress per time step
    uint8_t state;     // 3 flying; lift: 0 rising, 2 raised, 1 lowering
    float fx, fy, fz;  // position during the flight
    float extraA;      // spin of flight codes 0x20 / 0x100
    float extraB;      // swing of flight code 0x40
    float fa1, fa2, fa3;
    uint8_t fface;
    float ftilt2;
    float liftPhase;
    float ftilt1;
    int32_t toStack, toSlot;
    int32_t fromStack, fromSlot;
    int32_t flightCode;
    float flightRandom;
    int32_t moveNr;    // index of the move in zugliste
    float startDelay;  // progress units to wait before starting
    float endHold;     // progress units to wait just before landing
    int32_t option;
    uint8_t recorded;
    uint8_t started;
    int32_t marker;
    uint32_t liftDuration;  // ms, raise/lower timer
    uint32_t liftStart;     // tick of the raise/lower
    uint8_t reserved[13];
};
static_assert(sizeof(TBewegung) == 123);
static_assert(offsetof(TBewegung, fx) == 11);
static_assert(offsetof(TBewegung, fface) == 43);
static_assert(offsetof(TBewegung, toStack) == 56);
static_assert(offsetof(TBewegung, flightCode) == 72);
static_assert(offsetof(TBewegung, moveNr) == 80);
static_assert(offsetof(TBewegung, marker) == 98);

// One card slot. The fields from x up to the motion record are the card's placement.
struct TKartenSlot {
    karte c;
    float x, y, z;
    float a1, a2, a3;
    uint8_t face;        // 1 = face up in its placement
    float draw1, draw2;  // per-card drawing parameters ("tilts")
    uint32_t words[8];
    int32_t dealNr;   // stack x 50 + slot, given when dealt
    int32_t hi;       // stack 12 in the meld games: pile 1..60, 0 none
    int32_t pilePos;  // position 1..64 in that pile
    uint32_t word;
    TBewegung bewegung;
};
static_assert(sizeof(TKartenSlot) == 208);
static_assert(offsetof(TKartenSlot, x) == 4);
static_assert(offsetof(TKartenSlot, face) == 28);
static_assert(offsetof(TKartenSlot, draw1) == 29);
static_assert(offsetof(TKartenSlot, dealNr) == 69);
static_assert(offsetof(TKartenSlot, hi) == 73);
static_assert(offsetof(TKartenSlot, pilePos) == 77);
static_assert(offsetof(TKartenSlot, bewegung) == 85);

constexpr size_t kPlacementBegin = offsetof(TKartenSlot, x);
constexpr size_t kPlacementEnd = offsetof(TKartenSlot, bewegung);

// The glide of a whole stack to another place.
struct TGleiten {
    uint8_t active;
    float progress;
    uint8_t state;  // 2 while sliding
    Pos6 target;
    float parameter;
    float speed;
    uint32_t startTick;
};
static_assert(sizeof(TGleiten) == 42);

// One stack: a seat's hand or a table pile, or the twin of one.
struct TSpieler {
    TKartenSlot k[kSlots];  // k[1..166] through at(i); slot 1 is the bottom of a pile
    int32_t anz;
    int32_t id;
    Pos6 pos;     // resting place
    Pos6 aktPos;  // drawn place (interpolated while gliding)
    ::hand hand;  // mirror hand for the hand library
    TGleiten gleiten;
    uint32_t extra1, extra2;
    ShortString<15> text1, text2;
    int32_t extra3;
    int32_t idKopie;

    TKartenSlot& at(int i) { return k[i - 1]; }
    const TKartenSlot& at(int i) const { return k[i - 1]; }
};
static_assert(offsetof(TSpieler, anz) == 208 * 166);
static_assert(offsetof(TSpieler, pos) == 208 * 166 + 8);
static_assert(offsetof(TSpieler, hand) == 208 * 166 + 56);
static_assert(offsetof(TSpieler, gleiten) == 208 * 166 + 850);
static_assert(sizeof(TSpieler) == 208 * 166 + 940);

// One requested move under way.
struct TZug {
    int32_t kind;  // move kind in the low byte
    int32_t fromStack, fromSlot, toStack, toSlot;
};
static_assert(sizeof(TZug) == 20);

struct TZugliste {
    TZug z[kZuege];  // z[1..166] through at(i)
    int32_t anz;
    TZug& at(int i) { return z[i - 1]; }
    const TZug& at(int i) const { return z[i - 1]; }
};
static_assert(sizeof(TZugliste) == 20 * 166 + 4);

// One completed move awaiting the shell.
struct TFertig {
    int32_t fromStack, toStack, fromSlot, toSlot;
    int32_t kind;
};
static_assert(sizeof(TFertig) == 20);

struct TFertigliste {
    int32_t anz;
    TFertig f[kZuege];
    TFertig& at(int i) { return f[i - 1]; }
    const TFertig& at(int i) const { return f[i - 1]; }
};
static_assert(sizeof(TFertigliste) == 4 + 20 * 166);

#pragma pack(pop)
