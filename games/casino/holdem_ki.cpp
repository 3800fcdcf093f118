// The computer seats of Texas Hold'em until a stronger player exists: simple rules over the
// legal answers, and for level 0 a uniform choice among them (the self-play yardstick).
#include <algorithm>
#include <vector>

#include "core/central.h"
#include "games/casino/holdem.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace holdem {

namespace {

// Strength of the seat's cards: 0 weak .. 3 strong, from the hole cards before the flop and
// from the best hand with the board after it.
int staerke(int s) {
    hand64 h;
    seatSevenCards(s, h);
    if (h.anz < 2) return 0;
    if (h.anz == 2) {
        const int a = cardRank(h.at(1)), b = cardRank(h.at(2));
        if (a == b) return a >= 18 ? 3 : 2;
        if (std::max(a, b) >= 20 && std::min(a, b) >= 17) return 2;
        return std::max(a, b) >= 19 || h.at(1).f == h.at(2).f ? 1 : 0;
    }
    HandValue v;
    evaluateHand(h, false, v);
    if (v.category >= kStraight) return 3;
    if (v.category >= kTwoPairs) return 2;
    return v.category == kPair ? 1 : 0;
}

Zug waehlen(int s, const std::vector<Zug>& zuege) {
    auto finde = [&](int code) -> const Zug* {
        for (const Zug& z : zuege)
            if (z.code == code) return &z;
        return nullptr;
    };
    const int stufe = cg.sitzEinstellungen.at(s).staerke;
    if (stufe == 0) {
        // uniformly among the answers, a raise anywhere in its range
        const Zug& z = zuege[static_cast<size_t>(rnd::random(static_cast<int32_t>(zuege.size())))];
        if (z.code != kRaise) return z;
        const Zug* hoch = &z;
        for (const Zug& e : zuege)
            if (e.code == kRaise) hoch = &e;
        const Zug* tief = finde(kRaise);
        Zug r = *tief;
        r.betrag = tief->betrag + static_cast<int32_t>(rnd::random(hoch->betrag - tief->betrag + 1));
        return r;
    }
    const int st = staerke(s);
    const Lage l = lage(s);
    const int32_t zuZahlen = l.einsatz - l.gesetzt;
    const Zug* mit = finde(zuZahlen > 0 ? kCall : kCheck);
    const Zug* erh = finde(kRaise);
    if (st >= 3 && erh && rnd::random(3) != 0) return *erh;
    if (st >= 2 && erh && rnd::random(4) == 0) return *erh;
    if (mit) {
        // a weak hand calls only what is cheap
        if (st == 0 && zuZahlen > 0 && zuZahlen * 6 > l.chips && rnd::random(3) != 0) return *finde(kFold);
        return *mit;
    }
    if (st >= 2 && finde(kAllIn)) return *finde(kAllIn);
    return *finde(kFold);
}

}  // namespace

void kiTick() {
    const int s = cg.aktSpieler;
    if (s < 1 || s > anzahl() || cg.antwort.offen != 2) return;
    const Zug z = waehlen(s, erlaubteZuege(lage(s)));
    central::antwort(cg, central::kKnopf, z.betrag, z.code);
}

}  // namespace holdem
