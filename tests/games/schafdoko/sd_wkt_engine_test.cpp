// The card-holding probability engine: the chance of holding a card of a kind against the
// counting formula, the deductions of a refresh, and piles that hold a card twice.
#include <gtest/gtest.h>

#include <cmath>

#include "games/schafkopf_doppelkopf/doppelkopf_regeln.h"
#include "games/schafkopf_doppelkopf/sd_wkt.h"
#include "sd_karten.h"

namespace {

using sdtest::SH;
using sdtest::SK;

TKartenZahl zahl(const std::vector<karte>& h) {
    TKartenZahl z{};
    for (const karte& k : h) sdki::dazu(z, k);
    return z;
}

const sdki::Regeln& rufspielRegeln() {
    static const sdki::Regeln r = sdki::regelnAus(schafkopf::trumpfOrdnung(schafkopf::kRufspiel, 1));
    return r;
}

// Observer 1; the other seats hold `hand2..4` cards, `unsichtbar` all their cards together.
struct Aufbau {
    TKartenWissen wissen[4]{};
    sdki::Lage lage;
    Aufbau(const std::string& eigene, const std::string& unsichtbar, int n2, int n3, int n4) {
        lage.regeln = &rufspielRegeln();
        lage.ich = 1;
        lage.eigeneHand = zahl(SH(eigene));
        lage.unsichtbar = zahl(SH(unsichtbar));
        lage.handAnz[1] = lage.eigeneHand.n;
        lage.handAnz[2] = n2;
        lage.handAnz[3] = n3;
        lage.handAnz[4] = n4;
        lage.wissen = wissen;
    }
    sdki::Sicht sicht() const { return sdki::wissenAktualisieren(lage); }
};

// The chance that seat 2 holds at least one of k unseen Gras cards, with n cards of its own and
// T cards in the third seats' hands: 1 - C(T,k) / C(n+T,k), worked out by hand.
TEST(SdWkt, HoldingAClassFollowsTheCountingFormula) {
    struct Fall {
        int n, t;
        const char* gras;    // the k unseen plain Gras cards
        const char* fueller; // the rest of the unseen cards
        double erwartet;     // seat 2 holds at least one
    };
    const Fall faelle[] = {
        // k = 0: nothing to hold
        {8, 16, "", "E7 E8 E9 EK EZ S7 S8 S9 SK SZ SA EO SO HO EU GU SU HU H7 H8 H9 HK HZ HA", 0.0},
        // k = 1: 1 - 16/24
        {8, 16, "GA", "E7 E8 E9 EK EZ S7 S8 S9 SK SZ SA EO SO HO EU GU SU HU H7 H8 H9 HK HZ", 1.0 / 3},
        // k = 2: 1 - 120/276
        {8, 16, "GA GZ", "E7 E8 E9 EK EZ S7 S8 S9 SK SZ SA EO SO HO EU GU SU HU H7 H8 H9 HK", 156.0 / 276},
        // k = 3: 1 - 56/220
        {4, 8, "GA GZ GK", "E7 E8 E9 EK EZ S7 S8 S9 SK", 164.0 / 220},
        // k = 2, n = 1, T = 6: 1 - 15/21
        {1, 6, "GA G7", "E7 E8 E9 EK EZ", 6.0 / 21},
        // k larger than T: the seat must hold one
        {2, 2, "GA GZ GK", "E7", 1.0},
        // no other seat has open slots
        {3, 0, "G9", "E7 E8", 1.0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.gras) + " n=" + std::to_string(f.n) + " T=" + std::to_string(f.t));
        Aufbau a("EA", std::string(f.gras) + " " + f.fueller, f.n, f.t / 2, f.t - f.t / 2);
        const sdki::Sicht s = a.sicht();
        EXPECT_NEAR(sdki::wktFarbe(s, 2, 2), f.erwartet, 1e-5);
        EXPECT_NEAR(sdki::wktFrei(s, 2, 2), 1.0 - f.erwartet, 1e-5);
    }
}

TEST(SdWkt, TheObserversOwnCardsNeverDiluteTheChance) {
    // the observer holds five Gras cards: only GA is unseen, one of 2 + 2 + 2 slots
    Aufbau a("G7 G8 G9 GK GZ EO", "GA E7 E8 E9 EK EZ", 2, 2, 2);
    const sdki::Sicht s = a.sicht();
    EXPECT_NEAR(sdki::wktFarbe(s, 2, 2), 1.0 - 4.0 / 6, 1e-5);
    // the observer's own seat: its hand is all known
    EXPECT_EQ(s.w[1].bekannt.n, 6);
    EXPECT_EQ(s.w[1].frei[1], 1);  // no plain Eichel in hand
    EXPECT_EQ(s.w[1].frei[2], 0);
    EXPECT_EQ(s.unbekannt.n, 6);
}

TEST(SdWkt, WhenEveryOtherSeatIsVoidTheRemainingSeatHoldsTheClass) {
    Aufbau a("EO GO", "GA GZ G7 E7 E8 S7", 2, 2, 2);
    a.wissen[2].frei[2] = 1;  // seats 3 and 4 showed no Gras
    a.wissen[3].frei[2] = 1;
    const sdki::Sicht s = a.sicht();
    EXPECT_EQ(sdki::anzahl(s.w[2].bekannt, SK("GA")), 1);
    EXPECT_EQ(sdki::anzahl(s.w[2].bekannt, SK("G7")), 1);
    EXPECT_EQ(s.w[2].bekannt.n, 3);
    EXPECT_EQ(s.unbekannt.n, 3);  // the three Gras cards are placed
    EXPECT_FLOAT_EQ(sdki::wktFarbe(s, 2, 2), 1.0f);
    EXPECT_FLOAT_EQ(sdki::wktFrei(s, 3, 2), 1.0f);
    EXPECT_FLOAT_EQ(sdki::wktFarbe(s, 3, 2), 0.0f);
    // three Gras cards fill seat 2's hand of two: inconsistent, yet every answer stays a chance
    for (int seat = 1; seat <= 4; ++seat)
        for (int kl : {1, 2, 3, 4, 6}) {
            const float p = sdki::wktFarbe(s, seat, kl);
            EXPECT_TRUE(p >= 0.0f && p <= 1.0f) << seat << " " << kl;
        }
    // with the voids seat 3's possible cards are the unseen minus Gras
    EXPECT_EQ(s.w[3].moeglich.n, 3);
}

TEST(SdWkt, InconsistentKnowledgeAndBadSeatsGiveNoNonsense) {
    // seat 2 is said to hold one card but four are known as its: n would be -3
    Aufbau a("EO", "GA GZ GK G9 E7 E8", 1, 3, 2);
    a.wissen[2].frei[2] = 1;
    a.wissen[3].frei[2] = 1;
    const sdki::Sicht s = a.sicht();
    for (int seat : {-1, 0, 5}) EXPECT_EQ(sdki::wktFarbe(s, seat, 2), 0.0f) << seat;
    const float p = sdki::wktFarbe(s, 2, 1);
    EXPECT_FALSE(std::isnan(p));
    EXPECT_GE(p, 0.0f);
    EXPECT_LE(p, 1.0f);
    EXPECT_FLOAT_EQ(sdki::wktFarbe(s, 2, 2), 1.0f);  // a known Gras card
}

TEST(SdWkt, QueriesMatchByClassRankAndPoints) {
    const sdki::Regeln& r = rufspielRegeln();
    struct Fall {
        const char* karte;
        sdki::Abfrage q;
        bool passt;
    };
    auto q = [](int art, int farbe, int hoeher, int niedriger, bool augen, const char* bezug) {
        sdki::Abfrage a;
        a.art = art;
        a.farbe = farbe;
        a.hoeher = hoeher;
        a.niedriger = niedriger;
        a.nachAugen = augen ? 1 : 0;
        a.bezugskarte = bezug ? SK(bezug) : karte{};
        return a;
    };
    const Fall faelle[] = {
        {"GA", q(1, 2, -1, -1, false, nullptr), true},
        {"GO", q(1, 2, -1, -1, false, nullptr), false},  // an Ober is a trump, not Gras
        {"GO", q(1, 6, -1, -1, false, nullptr), true},
        {"HA", q(1, 3, -1, -1, false, nullptr), false},  // Herz is trump in the Rufspiel
        {"GK", q(4, 2, -1, -1, false, nullptr), true},
        {"G9", q(4, 2, -1, -1, false, nullptr), false},
        {"GZ", q(1, 2, 1, -1, false, "GK"), true},
        {"GZ", q(1, 2, 1, -1, false, "GA"), false},
        {"GK", q(1, 2, -1, 1, false, "GZ"), true},
        {"EU", q(1, 6, 1, -1, false, "HA"), true},   // an Unter beats the Herz-As
        {"HA", q(1, 6, 1, -1, true, "EU"), true},    // but holds more points
        {"EO", q(6, 0, -1, 1, true, "GK"), true},    // 3 points below 4, any class
        {"EO", q(6, 0, 1, -1, true, "GK"), false},
    };
    // the card alone, and counted in a pile that holds it twice beside the Eichel-König, which
    // fits none of these questions (plain Eichel, 4 points)
    for (const Fall& f : faelle) {
        EXPECT_EQ(sdki::passtZuAbfrage(r, SK(f.karte), f.q), f.passt)
            << f.karte << " art " << f.q.art << " farbe " << f.q.farbe;
        EXPECT_EQ(sdki::abfrageAnzahl(r, zahl({SK(f.karte), SK(f.karte), SK("EK")}), f.q), f.passt ? 2 : 0)
            << f.karte << " art " << f.q.art << " farbe " << f.q.farbe;
    }
    sdki::Abfrage exakt;
    exakt.art = 5;
    exakt.hoeher = r.wert[sdki::kartenId(SK("GA"))];
    EXPECT_TRUE(sdki::passtZuAbfrage(r, SK("GA"), exakt));
    EXPECT_FALSE(sdki::passtZuAbfrage(r, SK("GZ"), exakt));
    EXPECT_EQ(sdki::abfrageAnzahl(r, zahl(SH("GA GZ GA EA")), exakt), 2);
}

TEST(SdWkt, RuffingChanceNeedsTheVoidAndATrump) {
    // seat 2 is known void in Gras: its ruffing chance is its plain trump chance
    Aufbau a("EA", "GA GK EO SO E7 E8", 2, 2, 2);
    a.wissen[1].frei[2] = 1;
    const sdki::Sicht s = a.sicht();
    EXPECT_NEAR(sdki::wktFreiUndFarbe(s, 2, 2, 6), sdki::wktFarbe(s, 2, 6), 1e-6);
    // two trumps among the four open cards of seats 3 and 4 with 2 slots each (seat 2 is void
    // in Gras, yet its slots still count for the trumps): 1 - C(4,2)/C(6,2) = 1 - 6/15
    EXPECT_NEAR(sdki::wktFarbe(s, 2, 6), 1.0 - 6.0 / 15, 1e-5);
}

TEST(SdWkt, ADeclarerAloneHoldsOneOfTheLastTrumps) {
    Aufbau a("EA GA", "EO HU E7 E8 S7 S8", 2, 2, 2);
    a.lage.istSolo = true;
    a.lage.solist = 3;
    const sdki::Sicht s = a.sicht();
    // the first unseen trump of the pile (Eichel first): the Eichel-Ober
    EXPECT_EQ(s.w[3].bekannt.n, 1);
    EXPECT_EQ(sdki::anzahl(s.w[3].bekannt, SK("EO")), 1);
    EXPECT_FLOAT_EQ(sdki::wktFarbe(s, 3, 6), 1.0f);
    // without the rule it is a plain chance: 1 - C(4,2)/C(6,2)
    a.lage.solistTrumpfRegel = false;
    EXPECT_NEAR(sdki::wktFarbe(a.sicht(), 3, 6), 1.0 - 6.0 / 15, 1e-5);
}

TEST(SdWkt, PilesCountEveryCopy) {
    // the Doppelkopf deck holds every card twice: removal takes one copy
    const auto h = sdtest::DH("hZ hZ cD cD dA h9");
    TKartenZahl z = zahl(h);
    EXPECT_EQ(z.n, 6);
    EXPECT_EQ(sdki::anzahl(z, sdtest::DK("hZ")), 2);
    sdki::weg(z, sdtest::DK("hZ"));
    EXPECT_EQ(sdki::anzahl(z, sdtest::DK("hZ")), 1);
    EXPECT_EQ(z.n, 5);
    sdki::weg(z, sdtest::DK("sA"));  // not there: nothing happens
    EXPECT_EQ(z.n, 5);
    const TKartenZahl rest = sdki::ohne(zahl(h), zahl(sdtest::DH("cD hZ hZ hZ")));
    EXPECT_EQ(rest.n, 3);
    EXPECT_EQ(sdki::anzahl(rest, sdtest::DK("cD")), 1);
    EXPECT_EQ(sdki::anzahl(rest, sdtest::DK("hZ")), 0);
}

TEST(SdWkt, TheSecondOfTwoEqualCardsMayCountHigher) {
    const schafkopf::Ordnung o = doppelkopf::trumpfOrdnung(doppelkopf::kNormal);
    const karte dulle = sdtest::DK("hZ");
    const sdki::Regeln mit = sdki::regelnAus(o, sdki::kartenId(dulle));
    const sdki::Regeln ohneRegel = sdki::regelnAus(o);
    sdki::Abfrage q;
    q.art = 1;
    q.farbe = 6;
    q.hoeher = 1;
    q.bezugskarte = dulle;
    EXPECT_TRUE(sdki::passtZuAbfrage(mit, dulle, q));
    EXPECT_FALSE(sdki::passtZuAbfrage(ohneRegel, dulle, q));
    EXPECT_EQ(sdki::abfrageAnzahl(mit, zahl(sdtest::DH("hZ hZ")), q), 2);
    EXPECT_EQ(sdki::abfrageAnzahl(ohneRegel, zahl(sdtest::DH("hZ hZ")), q), 0);
    // with one Dulle unseen among two seats of one card each, seat 2 holds it half the time
    TKartenWissen w[4]{};
    sdki::Lage l;
    l.regeln = &mit;
    l.ich = 1;
    l.eigeneHand = zahl(sdtest::DH("cD"));
    l.unsichtbar = zahl(sdtest::DH("hZ c9"));
    l.handAnz[1] = 1;
    l.handAnz[2] = 1;
    l.handAnz[3] = 1;
    l.wissen = w;
    EXPECT_NEAR(sdki::wktHoeher(sdki::wissenAktualisieren(l), 2, dulle), 0.5, 1e-6);
}

// The same question under other trump rules has another answer, and the first rules' answer
// again when they come back: both Dullen are trumps in a normal game, none is without trumps.
TEST(SdWkt, AQuestionIsAnsweredUnderTheRulesItIsAskedWith) {
    const sdki::Regeln normal = sdki::regelnAus(doppelkopf::trumpfOrdnung(doppelkopf::kNormal));
    const sdki::Regeln fleischlos = sdki::regelnAus(doppelkopf::trumpfOrdnung(doppelkopf::kFleischlos));
    sdki::Abfrage trumpf;
    trumpf.art = 1;
    trumpf.farbe = sdki::kKlasseTrumpf;
    sdki::Abfrage herz = trumpf;
    herz.farbe = 3;
    const TKartenZahl pile = zahl(sdtest::DH("hZ hZ c9"));
    for (int runde = 0; runde < 2; ++runde) {
        EXPECT_EQ(sdki::abfrageAnzahl(normal, pile, trumpf), 2);
        EXPECT_EQ(sdki::abfrageAnzahl(normal, pile, herz), 0);
        EXPECT_EQ(sdki::abfrageAnzahl(fleischlos, pile, trumpf), 0);
        EXPECT_EQ(sdki::abfrageAnzahl(fleischlos, pile, herz), 2);
    }
}

TEST(SdWkt, APlayedCardMarksTheVoidAndLeavesTheKnownCards) {
    const sdki::Regeln& r = rufspielRegeln();
    TKartenWissen w[4]{};
    sdki::dazu(w[2].bekannt, SK("EO"));
    karte stich[1] = {SK("GA")};
    sdki::nachKarte(w, r, stich, 1, SK("EO"), 3);  // seat 3 trumps the Gras
    EXPECT_EQ(w[2].frei[2], 1);
    EXPECT_EQ(w[2].frei[6], 0);
    EXPECT_EQ(w[2].bekannt.n, 0);
    sdki::nachKarte(w, r, stich, 1, SK("G7"), 2);  // seat 2 follows
    EXPECT_EQ(w[1].frei[2], 0);
    sdki::nachKarte(w, r, stich, 0, SK("E7"), 4);  // a lead shows no void
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(w[3].frei[k], 0);
}

TEST(SdWkt, CountingHelpers) {
    Aufbau a("EA", "GA GZ G7 EO HU E7", 2, 2, 2);
    const sdki::Sicht s = a.sicht();
    // Rufspiel order: EO > ... > HU > HA ... trumps above every plain card
    EXPECT_EQ(sdki::hoeherUnbekannt(s, SK("GK"), true), 2);   // GA GZ
    EXPECT_EQ(sdki::niedrigerUnbekannt(s, SK("GK"), true), 1);  // G7
    // any class: + EO HU, and E7, as every plain Eichel card ranks above the plain Gras cards
    EXPECT_EQ(sdki::hoeherUnbekannt(s, SK("GK"), false), 5);
    EXPECT_EQ(sdki::hoeherUnbekannt(s, SK("EU"), false), 1);  // EO
    // points of GA GZ G7 EO HU E7 = 11 + 10 + 0 + 3 + 2 + 0 over 6 cards
    EXPECT_FLOAT_EQ(sdki::augenSchnitt(s), 26.0f / 6);
    const TKartenZahl h = sdki::hoehereKarten(rufspielRegeln(), SK("G9"), s.unsichtbar);
    EXPECT_EQ(h.n, 2);
}

}  // namespace
