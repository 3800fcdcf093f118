// Cards and hands written short in the Skat tests: K(value code, suit), H({...}).
#pragma once
#include <initializer_list>

#include "games/skat_jass_schnapsen/skat_regeln.h"

namespace skattest {

inline karte K(int t, int f) { return skat_1::karteBilden(t, f); }

inline hand H(std::initializer_list<karte> ks) {
    hand h{};
    for (const karte& k : ks) handaddk(h, k);
    return h;
}

}  // namespace skattest
