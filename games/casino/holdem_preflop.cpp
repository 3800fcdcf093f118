#include "games/casino/holdem_preflop.h"

#include <cmath>
#include <cstring>
#include <string>

#include "games/casino/holdem_bewertung.h"
#include "platform/fileio.h"

namespace holdem {

uint8_t PreflopTable[kPreflopBytes] = {};

namespace {
// value code of rank index 1..13 (2 .. As)
constexpr uint8_t kCode[14] = {0, 9, 10, 11, 12, 13, 1, 2, 3, 7, 4, 5, 6, 8};

// A small generator of its own, so that the table does not depend on the program's random
// source and the same seed always gives the same file.
struct Zufall {
    uint64_t z;
    uint64_t naechste() {
        z += 0x9E3779B97F4A7C15ULL;
        uint64_t x = z;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
        return x ^ (x >> 31);
    }
    int unter(int n) { return static_cast<int>(naechste() % static_cast<uint64_t>(n)); }
};
}  // namespace

int preflopRankIndex(int t) {
    for (int r = 1; r <= 13; ++r)
        if (kCode[r] == t) return r;
    return 0;
}

int preflopOffset(int r, int k, bool suited, int players) {
    return 156 * (r - 1) + 12 * (k - 1) + (suited ? 6 : 0) + players - 2;
}

bool loadPreflopTable(const std::filesystem::path& appDir) {
    std::string b;
    if (!fileio::readAll(appDir / "data" / "pfp.txt", b, kPreflopBytes + 1)) return false;
    if (b.size() != static_cast<size_t>(kPreflopBytes)) return false;
    std::memcpy(PreflopTable, b.data(), kPreflopBytes);
    return true;
}

float preflopWinChance(const karte& a, const karte& b, int players) {
    const int r = preflopRankIndex(a.t), k = preflopRankIndex(b.t);
    if (r == 0 || k == 0 || players < 2 || players > 7) return 0.0f;
    return static_cast<float>(PreflopTable[preflopOffset(r, k, a.f == b.f, players)]) / 255.0f;
}

void preflopSimulation(int r, int k, bool suited, int deals, uint64_t seed, double (&chance)[6]) {
    const karte a{kCode[r], 1, 0};
    const karte b{kCode[k], static_cast<uint8_t>(suited && r != k ? 1 : 2), 0};
    karte rest[50];
    int n = 0;
    for (uint8_t t = 1; t <= 13; ++t)
        for (uint8_t f = 1; f <= 4; ++f) {
            const karte c{t, f, 0};
            if (!gleich(c, a) && !gleich(c, b)) rest[n++] = c;
        }
    Zufall z{seed ^ (static_cast<uint64_t>(r) << 40) ^ (static_cast<uint64_t>(k) << 32) ^ (suited ? 1u : 0u)};
    // a pot split with k other seats counts as 1 / (k + 1) of a won hand
    double gewonnen[6] = {};
    hand64 held{}, gegner{};
    for (int d = 0; d < deals; ++d) {
        // the first 5 + 12 cards of a partial shuffle: the board, then two per opponent
        for (int i = 0; i < 17; ++i) std::swap(rest[i], rest[i + z.unter(n - i)]);
        held.anz = 0;
        anhaengen(held, a);
        anhaengen(held, b);
        for (int i = 0; i < 5; ++i) anhaengen(held, rest[i]);
        HandValue wert;
        evaluateHand(held, false, wert);
        bool geschlagen = false;
        int gleichauf = 0;
        for (int o = 0; o < 6; ++o) {
            if (!geschlagen) {
                gegner.anz = 0;
                anhaengen(gegner, rest[5 + 2 * o]);
                anhaengen(gegner, rest[6 + 2 * o]);
                for (int i = 0; i < 5; ++i) anhaengen(gegner, rest[i]);
                HandValue g;
                evaluateHand(gegner, false, g);
                const int vergleich = compareHandValues(g, wert);
                geschlagen = vergleich == 1;
                if (vergleich == 0) ++gleichauf;
            }
            if (!geschlagen) gewonnen[o] += 1.0 / (gleichauf + 1);
        }
    }
    for (int o = 0; o < 6; ++o) chance[o] = deals > 0 ? gewonnen[o] / deals : 0.0;
}

void preflopBerechnen(int deals, uint64_t seed, uint8_t (&table)[kPreflopBytes]) {
    std::memset(table, 0, sizeof table);
    for (int r = 1; r <= 13; ++r)
        for (int k = r; k <= 13; ++k)
            for (int s = 0; s < 2; ++s) {
                double c[6];
                // a pair has no suited form: its suited cells repeat the others
                preflopSimulation(r, k, s == 1 && r != k, deals, seed, c);
                for (int p = 2; p <= 7; ++p) {
                    const auto byte = static_cast<uint8_t>(std::lround(c[p - 2] * 255.0));
                    table[preflopOffset(r, k, s == 1, p)] = byte;
                    table[preflopOffset(k, r, s == 1, p)] = byte;
                }
            }
}

}  // namespace holdem
