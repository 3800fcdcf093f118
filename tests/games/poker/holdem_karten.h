// Cards for the poker tests written as text: "Ah Td 2c" (rank 2..9, T, J, Q, K, A; suit c Kreuz,
// s Pik, h Herz, d Karo).
#pragma once
#include <sstream>
#include <string>

#include "core/karten.h"

namespace pokertest {

inline karte karteAus(const std::string& s) {
    static const std::string raenge = "789JQKTA23456";  // value codes 1..13
    static const std::string farben = "cshd";
    const auto t = raenge.find(s.at(0));
    const auto f = farben.find(s.at(1));
    return karte{static_cast<uint8_t>(t + 1), static_cast<uint8_t>(f + 1), 0};
}

inline hand64 handAus(const std::string& s) {
    hand64 h{};
    std::istringstream in(s);
    std::string w;
    while (in >> w) h.at(++h.anz) = karteAus(w);
    return h;
}

inline std::string text(const karte& k) {
    static const std::string raenge = "?789JQKTA23456";
    static const std::string farben = "?cshd";
    return std::string(1, raenge.at(k.t)) + farben.at(k.f);
}

inline std::string text(const hand64& h) {
    std::string s;
    for (int i = 1; i <= h.anz; ++i) s += (i > 1 ? " " : "") + text(h.at(i));
    return s;
}

}  // namespace pokertest
