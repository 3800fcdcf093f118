// Hands written and read as (value, suit) pairs, for the tests of the hand library and the
// game tools.
#pragma once
#include <initializer_list>
#include <string>
#include <utility>

#include "core/karten.h"
#include "core/skat_1.h"

namespace hand_test {

using Karten = std::initializer_list<std::pair<int, int>>;  // (t, f)

inline hand H(Karten ks) {
    hand h{};
    for (auto [t, f] : ks) handaddk(h, skat_1::karteBilden(t, f));
    return h;
}

// "t/f t/f ..." of cards 1..anz.
inline std::string S(const hand& h) {
    std::string s;
    for (int i = 1; i <= h.anz; ++i) {
        if (!s.empty()) s += ' ';
        s += std::to_string(h.at(i).t) + "/" + std::to_string(h.at(i).f);
    }
    return s;
}

}  // namespace hand_test
