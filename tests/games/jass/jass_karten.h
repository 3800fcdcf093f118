// Cards and hands for the Jass tests, written as on the table: H9 is the Herz Neun, PB the Pik
// Bube, K10 the Kreuz Zehn, RA the Karo Ass (suits K Kreuz, P Pik, H Herz, R Karo).
#pragma once
#include <initializer_list>
#include <string>

#include "games/skat_jass_schnapsen/jass.h"

namespace jasstest {

inline karte k(const std::string& s, int seat = 0) {
    uint8_t f = 0;
    switch (s[0]) {
        case 'K':
            f = 1;
            break;
        case 'P':
            f = 2;
            break;
        case 'H':
            f = 3;
            break;
        case 'R':
            f = 4;
            break;
        default:
            break;
    }
    const std::string w = s.substr(1);
    uint8_t t = 0;
    if (w == "6") t = jass::kSechs;
    if (w == "7") t = jass::kSieben;
    if (w == "8") t = jass::kAcht;
    if (w == "9") t = jass::kNeun;
    if (w == "10") t = jass::kZehn;
    if (w == "B") t = jass::kBube;
    if (w == "D") t = jass::kDame;
    if (w == "K") t = jass::kKoenig;
    if (w == "A") t = jass::kAss;
    return karte{t, f, static_cast<uint16_t>(seat)};
}

inline hand h(std::initializer_list<const char*> karten) {
    hand x{};
    for (const char* c : karten) x.at(++x.anz) = k(c);
    return x;
}

// A trick: the cards in playing order, played by seats 1, 2, ... from `erster` on in the playing
// order (seat number minus one).
inline hand stich(std::initializer_list<const char*> karten, int erster = 1) {
    hand x{};
    int seat = erster;
    for (const char* c : karten) {
        x.at(++x.anz) = k(c, seat);
        seat = seat <= 1 ? 4 : seat - 1;
    }
    return x;
}

inline std::string text(const hand& x) {
    static const char* const farben = "KPHR";
    std::string s;
    for (int i = 1; i <= x.anz; ++i) {
        const karte c = x.at(i);
        std::string w;
        switch (c.t) {
            case jass::kSechs:
                w = "6";
                break;
            case jass::kSieben:
                w = "7";
                break;
            case jass::kAcht:
                w = "8";
                break;
            case jass::kNeun:
                w = "9";
                break;
            case jass::kZehn:
                w = "10";
                break;
            case jass::kBube:
                w = "B";
                break;
            case jass::kDame:
                w = "D";
                break;
            case jass::kKoenig:
                w = "K";
                break;
            case jass::kAss:
                w = "A";
                break;
            default:
                w = "?";
                break;
        }
        if (!s.empty()) s += " ";
        s += std::string(1, c.f >= 1 && c.f <= 4 ? farben[c.f - 1] : '?') + w;
    }
    return s;
}

inline hand alle36() {
    hand x{};
    for (uint8_t f = 1; f <= 4; ++f)
        for (uint8_t t : {1, 2, 3, 4, 5, 6, 7, 8, 13}) x.at(++x.anz) = karte{t, f, 0};
    return x;
}

}  // namespace jasstest
