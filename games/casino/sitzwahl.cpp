#include "games/casino/sitzwahl.h"

#include "core/cg.h"
#include "games/casino/pokerchips.h"
#include "platform/num.h"

namespace sitzwahl {

namespace {

struct Punkt {
    int x, y;
};

// Seat spots of seats 2..6 by player count 2..6; seat 1 is always at (30, 32).
constexpr Punkt kSitze[5][5] = {{{34, 5}},
                                {{14, 8}, {53, 9}},
                                {{11, 10}, {34, 5}, {56, 10}},
                                {{9, 10}, {26, 5}, {42, 5}, {58, 11}},
                                {{9, 10}, {21, 6}, {34, 4}, {46, 6}, {58, 11}}};
constexpr Punkt kGeldBj[5][5] = {{{31, 7}},
                                 {{16, 9}, {48, 9}},
                                 {{10, 11}, {32, 7}, {53, 11}},
                                 {{8, 12}, {24, 8}, {39, 7}, {56, 12}},
                                 {{6, 12}, {19, 9}, {32, 7}, {44, 8}, {58, 12}}};
constexpr Punkt kGeldPoker[5][5] = {{{34, 9}},
                                    {{16, 13}, {51, 14}},
                                    {{14, 14}, {34, 9}, {52, 15}},
                                    {{12, 15}, {26, 10}, {41, 10}, {54, 16}},
                                    {{12, 15}, {23, 10}, {34, 9}, {44, 11}, {54, 16}}};

int gemerkt = 0;

int abstand(Punkt p, const Gitter& g) { return (p.x - g.gx) * (p.x - g.gx) + (p.y - g.gy) * (p.y - g.gy); }

int spieler() { return num::clamp<int>(cg.ablauf.anzSpieler, 1, 6); }

}  // namespace

Gitter cursorGitter(int cx, int cy, int l, int t, int w, int h, float a) {
    Gitter g;
    if (w <= 0 || h <= 0) return g;
    const double x = ((cx - w / 2.0) * a * 0.75 + w / 2.0 - l) / w / 1.25 * 80;
    const double y = static_cast<double>(cy - t) / h / 1.33 * 60;
    g.gx = static_cast<int>(num::round(x));
    g.gy = static_cast<int>(num::round(y));
    return g;
}

int PokerSeatUnderCursor(const Gitter& g, bool useCached, bool (*imSpiel)(int seat)) {
    if (useCached) return gemerkt;
    const int n = spieler();
    const int id = cg.spielId;
    const bool chips = pokerchips::IsChipGame();
    int gefunden = 0;
    if (!chips && g.gx >= 62 && g.gy < 9) return 0;
    int grenze = 40;
    if (!chips) {
        if ((id == 0 || id == 2) && n >= 5)
            grenze = 45;
        else
            grenze = n < 6 ? 75 : 60;
    }
    for (int s = 1; s <= n; ++s) {
        if (imSpiel && !imSpiel(s)) continue;
        Punkt p = s == 1 ? Punkt{30, 32} : (n >= 2 ? kSitze[n - 2][s - 2] : Punkt{30, 32});
        if (!chips) {
            p.y += (id == 3 || id == 4) ? -1 : 3;
            if (id == 1) p.x += s == 2 ? 4 : -4;
        }
        if (abstand(p, g) <= grenze) gefunden = s;
    }
    if (gefunden) gemerkt = gefunden;
    return gefunden;
}

int SeatMoneySpotUnderCursor(const Gitter& g) {
    const int n = spieler();
    if (n < 2) return 0;
    const auto& tabelle = cg.spielId == 9 ? kGeldBj : kGeldPoker;
    int gefunden = 0;
    for (int s = 2; s <= n; ++s)
        if (abstand(tabelle[n - 2][s - 2], g) <= 40) gefunden = s;
    return gefunden;
}

}  // namespace sitzwahl
