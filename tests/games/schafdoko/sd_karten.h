// Cards written short in the Schafkopf and Doppelkopf tests. Schafkopf: suit E, G, H, S and
// value 7 8 9 U O K Z A ("EO" Eichel-Ober, "HZ" Herz-Zehn). Doppelkopf: suit c (Kreuz), s (Pik),
// h (Herz), d (Karo) and value 9 B D K Z A ("cD" Kreuz-Dame, "dA" the Fuchs).
#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "core/karten.h"

namespace sdtest {

inline karte SK(const std::string& s) {
    const std::string farben = "EGHS", werte = "789UOKZA";
    return karte{static_cast<uint8_t>(werte.find(s[1]) + 1), static_cast<uint8_t>(farben.find(s[0]) + 1), 0};
}
inline karte DK(const std::string& s) {
    const std::string farben = "cshd", werte = "9BDKZA";
    return karte{static_cast<uint8_t>(werte.find(s[1]) + 3), static_cast<uint8_t>(farben.find(s[0]) + 1), 0};
}
// A blank-separated list of cards.
inline std::vector<karte> liste(const std::string& s, karte (*k)(const std::string&)) {
    std::vector<karte> r;
    std::istringstream in(s);
    std::string w;
    while (in >> w) r.push_back(k(w));
    return r;
}
inline std::vector<karte> SH(const std::string& s) { return liste(s, SK); }
inline std::vector<karte> DH(const std::string& s) { return liste(s, DK); }

inline std::string name(const karte& k, bool doko) {
    const std::string farben = doko ? "cshd" : "EGHS", werte = doko ? "  9BDKZA" : "789UOKZA";
    if (k.f < 1 || k.f > 4 || k.t < 1 || k.t > 8) return "?";
    return std::string(1, farben[k.f - 1u]) + werte[k.t - 1u];
}
inline std::string namen(const std::vector<karte>& h, bool doko) {
    std::string r;
    for (const karte& k : h) r += (r.empty() ? "" : " ") + name(k, doko);
    return r;
}

}  // namespace sdtest
