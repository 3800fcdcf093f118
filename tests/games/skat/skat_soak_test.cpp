// Whole Skat matches between computer seats in the headless harness, under several rule sets:
// every card stays on the table, every card played follows suit when it must, every deal adds
// up to 120 card points and is booked as settled, nothing stalls and no consistency message
// appears. The same seeds replay the same matches.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "core/central.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "harness/lib/harness.h"
#include "table/glu.h"

namespace {

constexpr int kStapel[] = {1, 2, 3, 7, 8, 9, 11, 12, 15};

// Each of the 32 cards exactly once on the table while no card is in flight.
bool kartenErhalten(std::string& warum) {
    if (glu::zugliste.anz > 0) return true;
    std::set<int> gesehen;
    int n = 0;
    for (int s : kStapel) {
        const TSpieler& st = glu::spieler[s - 1];
        for (int i = 1; i <= st.anz; ++i) {
            const karte k = st.at(i).c;
            if (k.t == 0) continue;
            ++n;
            if (!gesehen.insert(k.t * 10 + k.f).second) {
                warum = "Karte doppelt auf Stapel " + std::to_string(s);
                return false;
            }
        }
    }
    if (n == 32) return true;
    warum = std::to_string(n) + " Karten auf dem Tisch";
    return false;
}

// Follows suit: checked against the seat's hand before the card left it.
struct Bedienen {
    hand vorher[4];
    int stichAnz = 0;
    bool pruefen(std::string& warum) {
        const hand& st = skat_1::stich();
        if (st.anz > stichAnz && st.anz >= 2) {
            const karte lead = st.at(1);
            const karte k = st.at(st.anz);
            const int seat = k.nr;
            auto folgt = [&](const karte& x) {
                return skat_1::istTrumpf(lead) ? skat_1::istTrumpf(x) : (x.f == lead.f && !skat_1::istTrumpf(x));
            };
            if (!folgt(k) && seat >= 1 && seat <= 3)
                for (int i = 1; i <= vorher[seat].anz; ++i)
                    if (folgt(vorher[seat].at(i))) {
                        warum = "Sitz " + std::to_string(seat) + " bedient nicht";
                        return false;
                    }
        }
        stichAnz = st.anz;
        for (int s = 1; s <= 3; ++s) {
            hand& h = vorher[s];
            h.anz = 0;
            const TSpieler& sp = glu::spieler[s - 1];
            for (int i = 1; i <= sp.anz; ++i)
                if (sp.at(i).c.t != 0) h.at(++h.anz) = sp.at(i).c;
        }
        return true;
    }
};

struct Zahlen {
    int deals = 0, mitSpieler = 0, gewonnen = 0, ramsch = 0, ramschOhneReizen = 0, eingepasst = 0, ueberreizt = 0, frames = 0;
};

void optionenSetzen(int satz) {
    TSkatOptionen& o = cg.skat.optionen;
    o.wertung = 1 + satz % 4;
    o.limit = 18;
    o.grandGrundwert = 24;
    o.bockrunden = o.ramschrunden = 1;
    o.geldProPunkt = 1;
    if (satz % 2 == 1) {
        o.kontraRe = 1;
        o.mitKontraAlle = 1;
        o.nachSpielansage = satz % 4 == 1;
        o.rum = 1;
        o.spitze = 1;
    }
    if (satz % 3 == 2) {
        o.bockRamsch = 1;
        o.bockrunden = 2;
        o.ramschrunden = 3;
        o.beiEingepasst = o.kontraVerloren = o.ueber100 = o.nach6060 = o.schneider = 1;
        o.ramschKeinerReizt = 1;
        o.grandHand = o.jungfrauAnsagen = o.durchmarsch = 1;
        o.bubenSchieben = satz % 2;
    }
}

Zahlen matchSpielen(uint64_t seed, int satz) {
    Zahlen z;
    harness::Einstellung e;
    e.spielId = spiele::kSkat;
    e.spieler = 3;
    e.seed = seed;
    harness::Lauf lauf(e);
    skat::anmelden();
    optionenSetzen(satz);
    Bedienen bedienen;
    lauf.invariante = [&](const TCG&, std::string& warum) { return kartenErhalten(warum) && bedienen.pruefen(warum); };
    bool erstes = true;
    while (erstes || !skat::partieEnde()) {
        int32_t vorher[4] = {0, cg.konto[1], cg.konto[2], cg.konto[3]};
        if (!lauf.starten(erstes ? 0 : 1)) break;
        erstes = false;
        const int f = lauf.bis(skat::dealVorbei);
        EXPECT_GE(f, 0);
        if (f < 0) break;
        z.frames += f;
        ++z.deals;
        const TGameResult& r = skat::letztesErgebnis();
        const TSkatSpiel& sp = cg.skat.spiel;
        for (int s = 1; s <= 3; ++s) glu::stapelZuHand(glu::spieler[s - 1]);
        int inHaenden = 0;
        for (int s = 1; s <= 3; ++s) inHaenden += skat_1::augenSumme(glu::spieler[s - 1].hand);
        const int alle = skat_1::augenSumme(skat_1::alleGespielt()) + inHaenden +
                         skat_1::augenSumme(skat_1::skatKopie());
        EXPECT_EQ(alle, 120) << "Deal " << z.deals;
        if (!sp.ramsch && sp.typ != skat_1::kEingepasst) {
            EXPECT_EQ(sp.augen + sp.gegenAugen + inHaenden, 120) << "Deal " << z.deals;
        }
        for (int s = 1; s <= 3; ++s) EXPECT_EQ(cg.konto[s] - vorher[s], r.at(s)) << "Deal " << z.deals;
        if (sp.ramsch) {
            ++z.ramsch;
            if (!sp.schieberamsch) ++z.ramschOhneReizen;
        } else if (sp.typ == skat_1::kEingepasst) {
            ++z.eingepasst;
        } else {
            ++z.mitSpieler;
            if (sp.typ == skat_1::kUeberreizt) ++z.ueberreizt;
            if (r.gewonnen) ++z.gewonnen;
        }
    }
    return z;
}

}  // namespace

class SkatSoak : public testing::Test {
protected:
    void SetUp() override {
        skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
        skat_1::musterVergessen();
    }
};

TEST_F(SkatSoak, MatchesUnderEveryRuleSetPlayToTheirEnd) {
    Zahlen gesamt;
    for (uint64_t seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE(seed);
        const Zahlen z = matchSpielen(seed, static_cast<int>(seed % 6));
        ASSERT_FALSE(HasFailure());
        gesamt.deals += z.deals;
        gesamt.mitSpieler += z.mitSpieler;
        gesamt.gewonnen += z.gewonnen;
        gesamt.ramsch += z.ramsch;
        gesamt.ramschOhneReizen += z.ramschOhneReizen;
        gesamt.eingepasst += z.eingepasst;
        gesamt.ueberreizt += z.ueberreizt;
        gesamt.frames += z.frames;
    }
    const int gereizt = gesamt.mitSpieler + gesamt.eingepasst + gesamt.ramschOhneReizen;
    std::printf("%d deals: %d bid, %d with a declarer (%d won, %d overbid), %d Ramsch (%d after all passed), "
                "%d passed in; %d frames\n",
                gesamt.deals, gereizt, gesamt.mitSpieler, gesamt.gewonnen, gesamt.ueberreizt, gesamt.ramsch,
                gesamt.ramschOhneReizen, gesamt.eingepasst, gesamt.frames);
    EXPECT_GE(gesamt.deals, 24 * 18);
}

TEST_F(SkatSoak, OneSeedReplaysTheSameMatch) {
    const Zahlen a = matchSpielen(77, 5);
    const int32_t konto1 = cg.konto[1];
    const Zahlen b = matchSpielen(77, 5);
    EXPECT_EQ(a.frames, b.frames);
    EXPECT_EQ(konto1, cg.konto[1]);
}
