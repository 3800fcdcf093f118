#include "core/seams.h"

namespace seams {

Spiele spiele;
Ton ton;

bool doppelkopfIstTrumpf(const karte& k) {
    return spiele.doppelkopfIstTrumpf && spiele.doppelkopfIstTrumpf(k);
}
bool schafkopfIstTrumpf(const karte& k) { return spiele.schafkopfIstTrumpf && spiele.schafkopfIstTrumpf(k); }
bool winsu(const karte& a, const karte& b) { return spiele.winsu && spiele.winsu(a, b); }
const hand* skatStich() { return spiele.skatStich ? spiele.skatStich() : nullptr; }
bool pokerAceLowStraight() { return spiele.pokerAceLowStraight ? spiele.pokerAceLowStraight() : true; }
bool pokerSpeedUpActive() { return spiele.pokerSpeedUpActive && spiele.pokerSpeedUpActive(); }
float pokerSpeedFactor() { return spiele.pokerSpeedFactor ? spiele.pokerSpeedFactor() : 1.0f; }

int sprachQueue(int seat) { return ton.sprachQueue ? ton.sprachQueue(seat) : 0; }
void sprachEinreihen(const std::string& datei, const std::string& text, int seat) {
    if (ton.sprachEinreihen) ton.sprachEinreihen(datei, text, seat);
}
std::string satzHolen(int stimme, int code) {
    return ton.satzHolen ? ton.satzHolen(stimme, code) : std::string();
}

}  // namespace seams
