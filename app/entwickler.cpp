#include "app/entwickler.h"

#include <algorithm>
#include <vector>

#include "core/cg.h"
#include "core/gtool.h"
#include "core/skat_1.h"
#include "core/spiele.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_zaehler.h"
#include "games/rummy_shedding/canasta.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "table/glu.h"

namespace entwickler {

namespace {

// Canasta's codes: 6 Dame, 8 Ass, 9 Zwei, 10 Drei, 14 Joker; Skat's: 1..3 Sieben..Neun, 4 Bube,
// 6 König, 7 Zehn, 8 Ass. Suits 1 Kreuz .. 4 Karo.
const std::vector<karte> kSkatGrand = {{4, 1, 0}, {4, 2, 0}, {4, 3, 0}, {4, 4, 0}, {8, 1, 0},
                                       {7, 1, 0}, {6, 1, 0}, {8, 2, 0}, {7, 2, 0}, {8, 3, 0}};
const std::vector<karte> kSkatNull = {{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {1, 2, 0}, {2, 2, 0},
                                      {1, 3, 0}, {2, 3, 0}, {3, 3, 0}, {1, 4, 0}, {2, 4, 0}};
const std::vector<karte> kCanastaWild = {{14, 1, 0}, {14, 2, 0}, {9, 1, 0}, {9, 2, 0}, {8, 1, 0}, {8, 2, 0},
                                         {8, 3, 0}, {8, 4, 0}, {6, 1, 0}, {6, 2, 0}, {6, 3, 0}};
const std::vector<karte> kCanastaDreier = {{10, 3, 0}, {10, 4, 0}, {10, 3, 0}, {10, 4, 0}, {14, 1, 0}, {14, 2, 0},
                                           {14, 1, 0}, {14, 2, 0}, {8, 1, 0}, {8, 2, 0}, {8, 3, 0}};

int wieOft(const std::vector<karte>& v, size_t bis, const karte& k) {
    return static_cast<int>(std::count_if(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(bis),
                                          [&](const karte& x) { return gleich(x, k); }));
}

// The seat's slot holding a card the wanted list has more of in the seat than asked for (or
// not at all); 0 when none.
int freierSlot(const TSpieler& s, const std::vector<karte>& soll, size_t n) {
    for (int i = 1; i <= s.anz; ++i) {
        const karte c = s.at(i).c;
        int imSitz = 0;
        for (int j = 1; j <= s.anz; ++j) imSitz += gleich(s.at(j).c, c) ? 1 : 0;
        if (imSitz > wieOft(soll, n, c)) return i;
    }
    return 0;
}

// Brings one more copy of k into seat 1 from another seat or the talon.
void holen(TSpieler& eins, const karte& k, const std::vector<karte>& soll, size_t n) {
    std::vector<int> quellen;
    for (int s = 2; s <= glu::anzSitze; ++s) quellen.push_back(s);
    quellen.push_back(11);
    for (int q : quellen) {
        TSpieler* von = glu::stapel(q, "entwickler.testHand");
        if (!von) continue;
        for (int i = 1; i <= von->anz; ++i) {
            if (!gleich(von->at(i).c, k)) continue;
            const int frei = freierSlot(eins, soll, n);
            if (frei == 0) return;
            std::swap(eins.at(frei).c, von->at(i).c);
            return;
        }
    }
}

}  // namespace

bool testHand(int spielId, int nr) {
    const bool skat = spielId == spiele::kSkat, canasta = spielId == spiele::kCanasta;
    if (!skat && !canasta) return false;
    const std::vector<karte>& soll = skat ? (nr == 1 ? kSkatGrand : kSkatNull) : (nr == 1 ? kCanastaWild : kCanastaDreier);
    TSpieler* eins = glu::stapel(1, "entwickler.testHand");
    if (!eins) return false;
    const size_t n = std::min<size_t>(soll.size(), static_cast<size_t>(std::max<int>(0, eins->anz)));
    for (size_t i = 0; i < n; ++i) {
        int imSitz = 0;
        for (int j = 1; j <= eins->anz; ++j) imSitz += gleich(eins->at(j).c, soll[i]) ? 1 : 0;
        if (imSitz < wieOft(soll, i + 1, soll[i])) holen(*eins, soll[i], soll, n);
    }
    glu::stapelZuHand(*eins);
    if (skat)
        skat_1::handOrdnen(eins->hand, ::cg.skat.sk.typ);
    else
        gtool::handSortieren(eins->hand, 1, 0, false);
    glu::handZuStapel(*eins);
    for (int s = 1; s <= glu::anzSitze; ++s)
        if (TSpieler* st = glu::stapel(s, "entwickler.testHand")) glu::stapelZuHand(*st);
    return true;
}

std::string kartenSumme(int spielId) {
    int soll = 0;
    if (spielId == spiele::kSkat) {
        soll = 120;
    } else if (spielId == spiele::kCanasta) {
        // Per set: Asse and Zweier 8 x 20, Acht to König 24 x 10, Vier to Sieben 16 x 5, the
        // black Dreier 2 x 5 (the red ones count apart), and the two Jokers.
        const int saetze = std::clamp<int>(::cg.canasta.kartenblatt, 1, 3);
        soll = saetze * (490 + 2 * ::cg.canasta.jokerWert);
    } else {
        return "";
    }
    int ist = 0;
    for (int s = 1; s <= 20; ++s) {
        const TSpieler* st = glu::stapel(s, "entwickler.kartenSumme");
        if (!st) continue;
        for (int i = 1; i <= st->anz; ++i) {
            const karte k = st->at(i).c;
            if (spielId == spiele::kSkat)
                ist += k.t >= 1 && k.t <= 15 ? skat_1::augen[k.t - 1] : 0;
            else
                ist += canasta::kartePunkte(k);
        }
    }
    return "Summe soll: " + std::to_string(soll) + ", Summe ist: " + std::to_string(ist);
}

std::string statusZaehler(int spielId) {
    const auto z = [](int32_t n) { return std::to_string(n); };
    if (spielId == spiele::kSchafkopf) {
        const schafkopf::Statistik& st = schafkopf::statistik();
        return "stat0(rufwin): " + z(st.rufGewonnen) + ", stat1(rufloose): " + z(st.rufVerloren) +
               "\n\rstat2(sowin): " + z(st.gewonnen - st.rufGewonnen + st.toutGewonnen) +
               ", stat3(soloose): " + z(st.verloren - st.rufVerloren + st.toutVerloren) +
               "\n\rstat4(keinspiel): " + z(st.ohneSpieler);
    }
    if (spielId == spiele::kSkat) {
        const skat::Statistik& st = skat::statistik();
        return "stat0(nullwin): " + z(st.nullGewonnen) + ", stat1(nullloose): " + z(st.nullVerloren) +
               "\n\rstat2(won): " + z(st.gewonnen) + ", stat3(lost): " + z(st.verloren) + "\n\r>>" +
               z(::cg.phase.nr) + "<<";
    }
    if (spielId != spiele::kPoker) return "";
    const holdem::ki::Clusterer& c = holdem::ki::clusterer();
    static const char* const kModi[5] = {"learn", "learn.comp.win", "learn.mensch.all", "learn.mensch.win",
                                         "del.comp.loose"};
    std::string t = std::to_string(holdem::PokerCounter.matches) + " - " + std::to_string(holdem::PokerCounter.rounds) +
                    " - live: " + std::to_string(holdem::PokerCountSeatsInGame()) +
                    " Aggro:" + std::to_string(+::cg.poker.aggression);
    if (c.learn) t += std::string(" ") + kModi[std::clamp(c.mode, 0, 4)];
    if (c.playing) t += ", playing";
    return t;
}

}  // namespace entwickler
