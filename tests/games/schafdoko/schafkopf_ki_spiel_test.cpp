// The Schafkopf computer player's card play: the scores of candidate records, the chance of the
// last card of a trick, the declarer's trump lead and the plain leads. Expected values are
// worked out by hand from the rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "games/schafkopf_doppelkopf/schafkopf_ki.h"
#include "platform/rnd.h"
#include "sd_karten.h"

namespace {

using namespace schafkopf;
using sdtest::SH;
using sdtest::SK;

// A table seen by one observer: its hand, the other seats' hands, the cards already gone.
struct Tisch {
    Ordnung o;
    sdki::Regeln r;
    TKartenWissen wissen[4]{};
    TParteiSicht sichten[5]{};
    sdki::Lage lage;
    schafkopfki::Tischlage t;

    Tisch(int typ, int farbe, int ich, const std::vector<std::string>& haende) {
        o = trumpfOrdnung(typ, farbe);
        r = sdki::regelnAus(o);
        for (TParteiSicht& v : sichten)
            for (int i = 0; i < 4; ++i) v.code[i] = v.code2[i] = 9;
        lage.regeln = &r;
        lage.ich = ich;
        for (int u = 1; u <= 4; ++u) {
            const auto h = SH(haende[static_cast<size_t>(u - 1)]);
            lage.handAnz[u] = static_cast<int>(h.size());
            for (const karte& k : h) sdki::dazu(u == ich ? lage.eigeneHand : lage.unsichtbar, k);
        }
        lage.wissen = wissen;
        t.typ = typ;
        t.farbe = farbe;
        t.o = &o;
        t.sichten = sichten;
    }
    void stich(const std::string& karten, int ausspieler) {
        const auto st = SH(karten);
        t.stichAnz = static_cast<int>(st.size());
        for (size_t i = 0; i < st.size(); ++i) {
            t.stich[i] = st[i];
            t.stich[i].nr = static_cast<uint16_t>((ausspieler - 1 + static_cast<int>(i)) % 4 + 1);
        }
        lage.stichAnzahl = t.stichAnz;
    }
    sdki::Sicht sicht() {
        sdki::Sicht s = sdki::wissenAktualisieren(lage);
        sdki::partnerSetzen(s, sichten, lage.istSolo, lage.solist);
        return s;
    }
};

schafkopfki::Kandidat rec(float p, float a, float w, float v) {
    schafkopfki::Kandidat c;
    c.pGewinn = p;
    c.stichAugen = a;
    c.kartenWert = w;
    c.vergleich = v;
    return c;
}

TEST(SchafkopfKiSpiel, CandidateScores) {
    Tisch tisch(kRufspiel, 1, 1, {"EO", "E7", "E8", "E9"});
    const sdki::Sicht s = tisch.sicht();
    struct Fall {
        int typ;
        schafkopfki::Kandidat c;
        int punkte;
    };
    const Fall faelle[] = {
        // 10 p a - (1.08 - p) 12.5 a, spending w x f, the bonus of v against q = a / 4
        {kRufspiel, rec(1.0f, 20, 0, 0), 200 - 20 + 45},    // v < 0.4q: 90 x 0.5
        {kRufspiel, rec(0.0f, 20, 0, 0), -270},             // no bonus at p <= 0.5
        {kRufspiel, rec(0.8f, 10, 120, 5), 80 - 35 - 240 - 72},  // v > 1.5q: -60 x 1.2
        {kRufspiel, rec(0.6f, 20, 0, 2.5f), 0},             // 0.4q <= v <= 0.6q: nothing
        {kRufspiel, rec(0.9f, 20, 0, 1), 180 - 45 + 36},    // 90 x 0.4
        {kRufspiel, rec(0.9f, 20, 0, 4), 180 - 45 + 20},    // 0.6q < v <= q: 50 x 0.4
        {kRufspiel, rec(0.9f, 20, 0, 11), 180 - 45 - 220},  // v > 2q: -200 x 1.1
        {kRufspiel, rec(0.55f, 8, 40, 0), 44 - 53 - 52 + 5},  // spending x 1.3, 90 x 0.05
        // Ramsch: 0.999 weighs the points with 11, 0.998 with 10
        {kRamsch, rec(0.999f, 10, 0, 0), -110},
        {kRamsch, rec(0.998f, 10, 0, 0), -100},
        {kRamsch, rec(0.0f, 10, 20, 0), 110 + 20},
    };
    for (const Fall& f : faelle) {
        tisch.t.typ = f.typ;
        EXPECT_EQ(schafkopfki::kandidatPunkte(s, tisch.t, SK("E7"), f.c), f.punkte)
            << f.typ << " p " << f.c.pGewinn << " a " << f.c.stichAugen << " v " << f.c.vergleich;
    }
}

TEST(SchafkopfKiSpiel, BettelScoresByTheChanceThatTheDeclarerTakes) {
    // seat 1 plays a Bettel; seat 2 leads: only the chance counts
    Tisch tisch(kBettel, 0, 2, {"E7 G7", "E9 EK", "E8 GA", "EA G8"});
    tisch.t.spieler = 1;
    const sdki::Sicht s = tisch.sicht();
    EXPECT_EQ(schafkopfki::kandidatPunkte(s, tisch.t, SK("EK"), rec(0.25f, 0, 0, 0)), 7500);
    // the declarer leading adds 110 per unseen lower card of the suit and the card's rank
    Tisch selbst(kBettel, 0, 1, {"E9 G7", "E7 EK", "E8 GA", "EA G8"});
    selbst.t.spieler = 1;
    const sdki::Sicht s1 = selbst.sicht();
    EXPECT_EQ(schafkopfki::kandidatPunkte(s1, selbst.t, SK("E9"), rec(0.25f, 0, 0, 0)),
              7500 + 2 * 110 + sdki::prlwert(selbst.r, SK("E9")));
}

TEST(SchafkopfKiSpiel, EqualScoresKeepTheEarlierCard) {
    Tisch tisch(kRufspiel, 1, 4, {"GA", "G7", "G8", "G9 GK"});
    tisch.stich("GA G7 G8", 1);
    const sdki::Sicht s = tisch.sicht();
    const std::vector<karte> sp = SH("G9 GK");
    const std::vector<schafkopfki::Kandidat> ks = {rec(0.3f, 20, 0, 0), rec(0.3f, 20, 0, 0)};
    EXPECT_EQ(schafkopfki::stichBewertung(s, tisch.t, sp, ks), 0);
}

TEST(SchafkopfKiSpiel, PlayingLastTheTrickGoesToTheOwnPartyOrNot) {
    struct Fall {
        int codeSitz1;  // seat 1's party in seat 4's view (seat 4 is in 10)
        int stufe;
        float min, max;
    };
    const Fall faelle[] = {{10, 3, 1.0f, 1.0f}, {11, 3, 0.0f, 0.0f}, {11, 2, 0.0f, 0.1f}, {10, 2, 0.9f, 1.0f}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.codeSitz1) + " level " + std::to_string(f.stufe));
        for (uint64_t seed = 1; seed <= 20; ++seed) {
            rnd::seed(seed);
            Tisch tisch(kRufspiel, 1, 4, {"EO", "E7", "E8", "G9 GK"});
            tisch.sichten[4].code[3] = tisch.sichten[4].code2[3] = 10;
            tisch.sichten[4].code[0] = tisch.sichten[4].code2[0] = f.codeSitz1;
            tisch.stich("GA G7 G8", 1);
            tisch.t.stufe = f.stufe;
            const sdki::Sicht s = tisch.sicht();
            std::vector<schafkopfki::Kandidat> ks;
            schafkopfki::bewerten(s, tisch.t, SH("G9 GK"), ks);
            ASSERT_EQ(ks.size(), 2u);
            for (const auto& c : ks) {
                EXPECT_GE(c.pGewinn, f.min);
                EXPECT_LE(c.pGewinn, f.max);
            }
            // the trick's points, nothing to come: GA 11 (+ G9 0, + GK 4)
            EXPECT_FLOAT_EQ(ks[0].stichAugen, 11.0f);
            EXPECT_FLOAT_EQ(ks[1].stichAugen, 15.0f);
        }
    }
}

TEST(SchafkopfKiSpiel, TheLastCardOfTheDealComparesWithNothing) {
    // seat 4 plays the last card: nothing is unseen, the comparison and the average are 0
    Tisch tisch(kRufspiel, 1, 4, {"", "", "", "GK"});
    tisch.stich("GA G7 EO", 1);
    const sdki::Sicht s = tisch.sicht();
    std::vector<schafkopfki::Kandidat> ks;
    schafkopfki::bewerten(s, tisch.t, SH("GK"), ks);
    ASSERT_EQ(ks.size(), 1u);
    EXPECT_EQ(ks[0].vergleich, 0.0f);
    EXPECT_EQ(ks[0].stichAugen, 11.0f + 3.0f + 4.0f);
    EXPECT_EQ(sdtest::name(schafkopfki::kartenWahl(s, tisch.t, SH("GK")), false), "GK");
}

TEST(SchafkopfKiSpiel, TheLoneDeclarerLeadsTrumpsWhenItHasEnough) {
    // a Herz solo of seat 1; the rest of the deck lies with the others or is gone
    struct Fall {
        const char* hand;
        const char* weg;  // cards already played
        const char* karte;
    };
    const Fall faelle[] = {
        // 4 trumps against 10 unseen (4 < 10 div 2): the cheapest card, trumps avoided
        {"EO GO HO SO E7 E8 G7 G8", "", "E8"},
        // 4 against 9 (4 >= 9 div 2): trumps, from the top sequence its lowest card
        {"EO GO HO SO E7 E8 G7 G8", "H7", "SO"},
        // 5 against 9 (5 >= 9 div 3)
        {"EO GO HO SO EU E7 G7 G8", "", "EU"},
        // no trump unseen: the cheapest card
        {"EO GO HO SO E7 E8 G7 G8", "EU GU HU SU HA HZ HK H9 H8 H7", "E8"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.hand + std::string(" / ") + f.weg);
        const auto hand = SH(f.hand), weg = SH(f.weg);
        std::vector<karte> rest;
        for (const karte& k : kartenSatz()) {
            auto drin = [&](const std::vector<karte>& v) {
                return std::any_of(v.begin(), v.end(), [&](const karte& x) { return gleich(x, k); });
            };
            if (!drin(hand) && !drin(weg)) rest.push_back(k);
        }
        std::string andere[3];
        for (size_t i = 0; i < rest.size(); ++i)
            andere[i % 3] += sdtest::name(rest[i], false) + " ";
        for (int stufe : {1, 2, 3}) {
            Tisch tisch(kSolo, 3, 1, {f.hand, andere[0], andere[1], andere[2]});
            tisch.lage.istSolo = true;
            tisch.lage.solist = 1;
            tisch.t.spieler = 1;
            tisch.t.offen = true;
            tisch.t.stufe = stufe;
            std::vector<karte> sp = hand;
            std::stable_sort(sp.begin(), sp.end(), [&](const karte& a, const karte& b) {
                return sdki::prlwert(tisch.r, a) > sdki::prlwert(tisch.r, b);
            });
            const karte k = schafkopfki::kartenWahl(tisch.sicht(), tisch.t, sp);
            EXPECT_EQ(sdtest::name(k, false), f.karte) << "level " << stufe;
        }
    }
}

TEST(SchafkopfKiSpiel, LeadsWithoutAKnownPartner) {
    Tisch tisch(kRufspiel, 1, 2, {"EO GO", "HA E7 G8", "SO S7", "HO SK"});
    tisch.sichten[2].code[1] = tisch.sichten[2].code2[1] = 11;
    tisch.t.spieler = 1;
    tisch.t.stufe = 3;
    const sdki::Sicht s = tisch.sicht();
    EXPECT_EQ(s.partner2, 0);
    const std::vector<karte> sp = SH("HA E7 G8");
    // no partner to lead to: nothing scores, and no seat 0 is asked
    EXPECT_EQ(schafkopfki::partnerAnspielen(s, sp), 0);
    // then the card with the fewest points, trumps not avoided: E7 comes first of the equals
    EXPECT_EQ(sdtest::name(schafkopfki::kartenWahl(s, tisch.t, sp), false), "E7");
    // one playable card is always the answer, leading or following
    for (int stufe : {1, 2, 3}) {
        tisch.t.stufe = stufe;
        EXPECT_EQ(sdtest::name(schafkopfki::kartenWahl(s, tisch.t, SH("G8")), false), "G8");
        Tisch folgen(kRufspiel, 1, 2, {"EO GO", "HA E7 G8", "SO S7", "HO SK"});
        folgen.stich("G9", 1);
        folgen.t.stufe = stufe;
        EXPECT_EQ(sdtest::name(schafkopfki::kartenWahl(folgen.sicht(), folgen.t, SH("G8")), false), "G8");
    }
}

TEST(SchafkopfKiSpiel, ASafeSideAsIsLed) {
    // seat 2 holds the Gras-As; nobody can hold a trump (all trumps are with seat 2 or gone)
    // and every other seat still holds Gras: the As is safe (1.0) and is led from level 2 on
    Tisch tisch(kRufspiel, 1, 2, {"G7 E7", "GA EO E8", "G8 E9", "G9 EK"});
    tisch.t.spieler = 1;
    for (int stufe : {2, 3}) {
        tisch.t.stufe = stufe;
        const sdki::Sicht s = tisch.sicht();
        EXPECT_FLOAT_EQ(schafkopfki::stichSicher(s, tisch.t, SK("GA")), 1.0f);
        EXPECT_EQ(sdtest::name(schafkopfki::kartenWahl(s, tisch.t, SH("EO GA E8")), false), "GA");
    }
}

}  // namespace
