// Cards and the card-set records every game keeps its cards in. These records are stored inside
// the central game record and so inside saved games: their byte layout is fixed.
#pragma once
#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// One card. t: value code (32-card deck 1..8 = 7, 8, 9, Bube, Dame, König, 10, As; the 52-card
// deck adds 9..13 = 2..6; 14 = Joker in Rommé and Canasta; 0 = no card). f: suit 1 Kreuz,
// 2 Pik, 3 Herz, 4 Karo (0 = no card). nr: a tag linking the card to its place elsewhere.
struct karte {
    uint8_t t;
    uint8_t f;
    uint16_t nr;
};
static_assert(sizeof(karte) == 4);
static_assert(offsetof(karte, nr) == 2);

// The 2-byte form without the tag (element of hand25).
struct kurzkarte {
    uint8_t t;
    uint8_t f;
};
static_assert(sizeof(kurzkarte) == 2);

constexpr int kHandMax = 166;
constexpr int kHand64Max = 64;
constexpr int kHand25Max = 25;

// Up to 166 cards; only k[1..anz] are valid.
struct hand {
    karte k[kHandMax];
    int16_t anz;
    uint8_t reserved1[88];  // copied with the record, never read by the library
    uint8_t besitzer;       // owner seat, carried over by the converters
    uint8_t reserved2[15];
    uint8_t zaehler1[6];     // [1..6] per-seat counters of some games
    uint8_t zaehler2[6][3];  // [1..6][1..3] per-seat counters of some games

    karte& at(int i) { return k[i - 1]; }
    const karte& at(int i) const { return k[i - 1]; }
};
static_assert(sizeof(hand) == 794);
static_assert(offsetof(hand, anz) == 664);
static_assert(offsetof(hand, reserved1) == 666);
static_assert(offsetof(hand, besitzer) == 754);
static_assert(offsetof(hand, reserved2) == 755);
static_assert(offsetof(hand, zaehler1) == 770);
static_assert(offsetof(hand, zaehler2) == 776);

struct hand64 {
    karte k[kHand64Max];
    int16_t anz;
    uint8_t besitzer;

    karte& at(int i) { return k[i - 1]; }
    const karte& at(int i) const { return k[i - 1]; }
};
static_assert(sizeof(hand64) == 259);
static_assert(offsetof(hand64, anz) == 256);
static_assert(offsetof(hand64, besitzer) == 258);

struct hand25 {
    kurzkarte k[kHand25Max];
    int8_t anz;
    uint8_t besitzer;

    kurzkarte& at(int i) { return k[i - 1]; }
    const kurzkarte& at(int i) const { return k[i - 1]; }
};
static_assert(sizeof(hand25) == 52);
static_assert(offsetof(hand25, anz) == 50);
static_assert(offsetof(hand25, besitzer) == 51);

#pragma pack(pop)

// Two cards are the same card when value and suit agree; the tag takes part only where said.
inline bool gleich(const karte& a, const karte& b) { return a.t == b.t && a.f == b.f; }
