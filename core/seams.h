// Calls from the card library and the game tools up into units that sit above core/: the game
// units (trump tests, trick comparison, the current Skat trick) and the sound manager. Each unit
// fills its entries once at start-up; an empty entry answers with the default named beside it,
// so the library works (and is tested) before those units exist.
#pragma once
#include <string>

#include "core/karten.h"

namespace seams {

struct Spiele {
    bool (*doppelkopfIstTrumpf)(const karte& k) = nullptr;    // empty: no trumps
    bool (*schafkopfIstTrumpf)(const karte& k) = nullptr;     // empty: no trumps
    bool (*winsu)(const karte& a, const karte& b) = nullptr;  // empty: a never beats b
    const hand* (*skatStich)() = nullptr;     // the Skat unit's current trick; empty: none led
    bool (*pokerAceLowStraight)() = nullptr;  // empty: true
    bool (*pokerSpeedUpActive)() = nullptr;   // empty: false
    float (*pokerSpeedFactor)() = nullptr;    // empty: 1.0
};

struct Ton {
    // With seat 0 and nothing playing starts the head of the speech queue and returns 0; 3 while
    // a sample of that seat (any seat for 0) still plays. Empty: 0.
    int (*sprachQueue)(int seat) = nullptr;
    // Appends one sample (file, shown text, seat) to the speech queue. Empty: nothing.
    void (*sprachEinreihen)(const std::string& datei, const std::string& text, int seat) = nullptr;
    // A random sentence of the voice (1..6) for the code (10..38). Empty: "".
    std::string (*satzHolen)(int stimme, int code) = nullptr;
};

extern Spiele spiele;
extern Ton ton;

bool doppelkopfIstTrumpf(const karte& k);
bool schafkopfIstTrumpf(const karte& k);
bool winsu(const karte& a, const karte& b);
const hand* skatStich();
bool pokerAceLowStraight();
bool pokerSpeedUpActive();
float pokerSpeedFactor();

int sprachQueue(int seat);
void sprachEinreihen(const std::string& datei, const std::string& text, int seat);
std::string satzHolen(int stimme, int code);

}  // namespace seams
