// The Skat pattern-file reader on any bytes: it parses or skips, never reads past the text,
// never stores more than 20 rules, and scores a hand with whatever it kept.
#include <cstddef>
#include <cstdint>
#include <string>

#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    skat_1::Mustertabelle tab;
    std::string meldung;
    skat_1::musterParsen(text, tab, meldung);
    if (tab.anzahl < 0 || tab.anzahl > skat_1::kMusterRegeln) __builtin_trap();
    hand h{};
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 8; t += 3) handaddk(h, skat_1::karteBilden(t, f));
    for (int trumpf = 0; trumpf <= 4; ++trumpf) skat_1::musterWert(tab, h, trumpf);
    return 0;
}
