// The Schafkopf computer player's hand ratings at level "Profi" (no noise): trump and side values
// of golden hands, the Bettel danger, the thresholds of the bidding situation, the counter levels
// and the game each golden hand wishes to play. Every expected value is worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>

#include "games/schafkopf_doppelkopf/schafkopf_ki.h"
#include "sd_karten.h"

namespace {

using namespace schafkopf;
using sdtest::SH;

std::vector<karte> rest(const std::vector<karte>& hand) {
    std::vector<karte> r;
    for (const karte& k : kartenSatz())
        if (std::none_of(hand.begin(), hand.end(), [&](const karte& h) { return gleich(h, k); })) r.push_back(k);
    return r;
}

TEST(SchafkopfKiBieten, TrumpValueOfGoldenHands) {
    struct Fall {
        const char* hand;
        int typ, farbe;
        int wert;
    };
    const Fall faelle[] = {
        // eight top trumps of 14: sum over h = 0..7 of (2 - h/13) / 14 / 1.5 = 0.6593 -> 66;
        // six trumps above the quarter of the hand: x 1.6 -> 106
        {"EO GO HO SO EU GU HU SU", kSolo, 1, 106},
        // two of the four Unter at h 0 and 3: (2 + 1) / 4 / 1.5 = 0.5 -> 50; e = 0
        {"EU SU EA EZ GA GZ HA HZ", kWenz, 0, 50},
        // h = 0, 1, 4, 5, 8, 9, 10, 11 in a Herz solo: (16 - 48/13) / 21 = 0.5861 -> 59, x 1.6
        {"EO GO EU GU HA HZ HK H9", kSolo, 3, 94},
        // no trumps at all (Bettel has none): 0, and no division by an empty list
        {"E7 E8 G7 G8 H7 H8 S7 S8", kBettel, 0, 0},
        // four Ober of four: 100, two above the quarter: x 1.4
        {"EO GO HO SO EU GU GA GZ", kGeier, 0, 140},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(schafkopfki::trumpfWert(SH(f.hand), trumpfOrdnung(f.typ, f.farbe), 3), f.wert) << f.hand;

    // a trump list of one card: the rank share has no divisor and counts as 0
    Ordnung eins;
    eins.trumpf[0][kOber - 1] = true;
    eins.rang[0][kOber - 1] = 32;
    eins.trumpfListe = {SH("EO")[0]};
    // 2 / 1 / 1.5 = 1.333 -> 133, clamped to 100, one trump above the quarter of 2 cards: x 1.2
    EXPECT_EQ(schafkopfki::trumpfWert(SH("EO E7"), eins, 3), 120);
}

TEST(SchafkopfKiBieten, SideValueBySuit) {
    struct Fall {
        const char* hand;
        int typ, farbe, rufFarbe;
        int wert;
    };
    const Fall faelle[] = {
        // Gras solo: Eichel, Herz, Schellen count; each holds only its Ober (c = 0): 0.8
        {"EO GO HO SO EU GU GA GZ", kSolo, 2, 0, 80},
        // Herz solo: Eichel and Gras only Ober and Unter (0.8 each), no Schellen at all (1.0)
        {"EO GO EU GU HA HZ HK H9", kSolo, 3, 0, 87},
        // Wenz: A and Z in Eichel and Gras (1.0 each), Herz and Schellen only their Unter, a
        // trump (0.8 each): 3.6 / 4
        {"EU GU HU SU EA EZ GA GZ", kWenz, 0, 0, 90},
        // Rufspiel on Gras: Eichel A alone 1.0, the called Gras with one card and no Zehn 0.95,
        // Schellen only its Unter 0.8: (1 + 0.95 + 0.8) / 3 = 0.9167
        {"EO GO HU SU HA HZ G7 EA", kRufspiel, 2, 2, 92},
        // Geier: Eichel Unter alone 0.2, a bare Gras-Zehn 0, Herz and Schellen As with one
        // more card 0.6 each: (0.2 + 0 + 0.6 + 0.6) / 4 = 0.35
        {"EO GO EU GZ SA HA H9 SK", kGeier, 0, 0, 35},
        // Schellen solo: a bare Zehn 0, a Zehn with two more 0.4, Herz only its Ober 0.8
        {"EO GO HO SO EZ GZ G8 G9", kSolo, 4, 0, 40},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(schafkopfki::seitenWert(SH(f.hand), trumpfOrdnung(f.typ, f.farbe), f.rufFarbe, false, 3), f.wert)
            << f.hand;
    // with the flag the called suit counts nothing: (1 + 0 + 0.8) / 3
    EXPECT_EQ(schafkopfki::seitenWert(SH("EO GO HU SU HA HZ G7 EA"), trumpfOrdnung(kRufspiel, 2), 2, true, 3), 60);
}

TEST(SchafkopfKiBieten, BettelDanger) {
    struct Fall {
        const char* hand;
        int wert;
    };
    const Fall faelle[] = {
        // the lowest two of every suit: nothing below any card
        {"E7 E8 G7 G8 H7 H8 S7 S8", 100},
        // Eichel 9 lowest of its suit with E7 E8 below and five above: counts 1
        {"E9 G8 G7 H7 H8 S7 S8 SU", 99},
        // a lone Eichel-As: seven pooled cards below it, nothing above: more than 3, no danger
        // counted; the Gras-8 over the pooled G7 with 6 above counts 0
        {"EA G8 G9 H7 H8 S7 S8 S9", 100},
        // Eichel 8 (E7 below, 6 above: 0), Eichel Unter second: 3 below (E7 E9 Z... ) less 2
        {"E8 EU G7 G8 H7 H8 S7 S8", 99},
    };
    for (const Fall& f : faelle) {
        const auto h = SH(f.hand);
        EXPECT_EQ(schafkopfki::bettelWert(h, rest(h)), f.wert) << f.hand;
    }
}

TEST(SchafkopfKiBieten, ThresholdsOfTheBiddingSituation) {
    struct Fall {
        bool ramsch;
        int seat, gebote, stufe;
        schafkopfki::Schwellen s;
    };
    // dealer seat 4; seat 3 bids before it
    const Fall faelle[] = {
        {false, 4, 0, 3, {56, 56, 130}}, {true, 4, 0, 3, {54, 54, 126}}, {true, 3, 0, 3, {55, 55, 127}},
        {true, 4, 1, 3, {56, 56, 128}},  {true, 4, 0, 2, {56, 56, 128}}, {true, 1, 0, 3, {56, 56, 128}},
    };
    for (const Fall& f : faelle) {
        schafkopfki::Bietlage b;
        b.seat = f.seat;
        b.geber = 4;
        b.gebote = f.gebote;
        b.stufe = f.stufe;
        b.optionen.ramsch = f.ramsch ? 1 : 0;
        const schafkopfki::Schwellen s = schafkopfki::schwellen(b);
        EXPECT_EQ(s.trumpf, f.s.trumpf) << f.seat << " " << f.gebote;
        EXPECT_EQ(s.seite, f.s.seite);
        EXPECT_EQ(s.summe, f.s.summe);
    }
}

TEST(SchafkopfKiBieten, CounterLevels) {
    const schafkopfki::Schwellen s;  // 56, 56, 130
    struct Fall {
        int typ, seite, trumpf, stufe;
    };
    // solos at 0.95: level 4 from 136 / 59 / 59, 3 from 124 / 53 / 53, 2 from 105 / 45 / 45,
    // 1 from 80 / 35 / 35 (each product rounded)
    const Fall faelle[] = {
        {kSolo, 59, 77, 4}, {kSolo, 59, 58, 2}, {kSolo, 62, 62, 3}, {kSolo, 40, 40, 1},
        {kSolo, 34, 46, 0}, {kBettel, 100, 100, 0},
        // Rufspiel at 1.15: level 1 from 97 / 42 / 42
        {kRufspiel, 42, 55, 1}, {kRufspiel, 41, 70, 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(schafkopfki::kandidatStufe(f.typ, f.seite, f.trumpf, s), f.stufe)
            << f.typ << " " << f.seite << " " << f.trumpf;
}

sdki::Sicht bietSicht(int seat, const std::vector<karte>& hand, const sdki::Regeln& r) {
    static TKartenWissen wissen[4];
    sdki::Lage l;
    l.regeln = &r;
    l.ich = seat;
    for (const karte& k : hand) sdki::dazu(l.eigeneHand, k);
    for (const karte& k : rest(hand)) sdki::dazu(l.unsichtbar, k);
    for (int u = 1; u <= 4; ++u) l.handAnz[u] = 8;
    l.wissen = wissen;
    return sdki::wissenAktualisieren(l);
}

TEST(SchafkopfKiBieten, GoldenHandsWishTheirGame) {
    struct Fall {
        const char* hand;
        bool bettel;
        int typ, farbe, tout, stufe;
    };
    const Fall faelle[] = {
        // Geier 140 + side 65 beats every solo: Eichel U alone 0.2, Gras A Z 1.0, Herz and
        // Schellen only their Ober 0.8 -> 70, sum 210; side below 71: level 2. The Eichel
        // Unter is outranked: no Tout.
        {"EO GO HO SO EU GU GA GZ", false, kGeier, 0, 0, 2},
        // Herz solo 94 + 87 = 181, everything past the third raised threshold; two trumps
        // nobody outranks against six others' trumps, no side cards: Tout
        {"EO GO EU GU HA HZ HK H9", false, kSolo, 3, 1, 3},
        // Wenz 140 + 90, the side suits all top: Tout
        {"EU GU HU SU EA EZ GA GZ", false, kWenz, 0, 1, 3},
        // Rufspiel on Gras: trumps 74 + 12 = 86, side 92, sum 178 above the Gras solo's 153
        {"EO GO HU SU HA HZ G7 EA", false, kRufspiel, 2, 0, 3},
        // a perfect Bettel counts 200
        {"E7 E8 G7 G8 H7 H8 S7 S8", true, kBettel, 0, 0, 0},
        // without the Bettel option the same hand wishes nothing
        {"E7 E8 G7 G8 H7 H8 S7 S8", false, kKeinSpiel, 0, 0, 0},
    };
    const sdki::Regeln r = sdki::regelnAus(trumpfOrdnung(kKeinSpiel, 0));
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.hand);
        schafkopfki::Bietlage b;
        b.seat = 2;
        b.geber = 4;
        b.hand = SH(f.hand);
        b.andere = rest(b.hand);
        b.stufe = 3;
        b.optionen.tout = 1;
        b.optionen.bettel = f.bettel ? 1 : 0;
        TSchafkopfKiGebot g{};
        schafkopfki::spielWahl(g, b, bietSicht(2, b.hand, r));
        EXPECT_EQ(g.typ, f.typ);
        EXPECT_EQ(g.farbe, f.farbe);
        EXPECT_EQ(g.tout, f.tout);
        if (f.typ != kKeinSpiel) {
            EXPECT_EQ(g.eigeneStufe[f.typ][f.farbe], f.stufe);
        }
    }
}

TEST(SchafkopfKiBieten, RufspielRating) {
    const sdki::Regeln r = sdki::regelnAus(trumpfOrdnung(kKeinSpiel, 0));
    struct Fall {
        const char* hand;
        int seat;  // dealer 4: seat 1 bids first
        int asse, frei, blank, truempfe, rufSumme, klasse;
    };
    const Fall faelle[] = {
        // trumps -12 + 3 x 4 + 2 x 3 + 2 = 8 -> 4; no plain Eichel or Herz: 10; no As.
        // Missed: all five trump thresholds and side 12: 6 -> x 0.5: 7
        {"EO GO HO SU HU H9 G7 S7", 2, 0, 10, 0, 4, 7, 0},
        // bare Eichel-As and Gras-As (1 each); each As is safe from a ruff with
        // (1 - 0.10)^3 = 0.729: no Asse points. Trumps -12 + 16 + 6 = 10 -> 5; Schellen and
        // Herz void (10) + 2 for the first bidder; side 14. Five trump thresholds missed:
        // 19 x 0.6 = 11.4 -> 11
        {"EO GO HO SO EU GU EA GA", 1, 0, 12, 2, 5, 11, 0},
        // trumps -12 + 12 + 3 + 2 = 5 -> 2.5 rounds (halves to even) to 2; Herz void: 5; all
        // nine thresholds missed: 7 x 0.4 = 2.8 -> 3
        {"EO GO HO SU H9 G7 S7 E7", 2, 0, 5, 0, 2, 3, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.hand);
        schafkopfki::Bietlage b;
        b.seat = f.seat;
        b.geber = 4;
        b.hand = SH(f.hand);
        b.stufe = 3;
        TSchafkopfKiGebot g{};
        schafkopfki::rufspielBewerten(g, b, bietSicht(f.seat, b.hand, r));
        EXPECT_EQ(g.asse, f.asse);
        EXPECT_EQ(g.frei, f.frei);
        EXPECT_EQ(g.blank, f.blank);
        EXPECT_EQ(g.truempfe, f.truempfe);
        EXPECT_EQ(g.rufSumme, f.rufSumme);
        EXPECT_EQ(g.rufKlasse, f.klasse);
    }
}

TEST(SchafkopfKiBieten, RatingLeavesTheGameRecordAlone) {
    cg.schafkopf.spiel = TSchafkopfSpiel{};
    cg.schafkopf.spiel.typ = kRufspiel;
    cg.schafkopf.spiel.farbe = 2;
    const TSchafkopfSpiel vorher = cg.schafkopf.spiel;
    schafkopfki::Bietlage b;
    b.seat = 1;
    b.geber = 4;
    b.hand = SH("EO GO EU GU HA HZ HK H9");
    b.andere = rest(b.hand);
    TSchafkopfKiGebot g{};
    schafkopfki::spielWahl(g, b, bietSicht(1, b.hand, sdki::regelnAus(trumpfOrdnung(kRufspiel, 2))));
    EXPECT_EQ(cg.schafkopf.spiel.typ, vorher.typ);
    EXPECT_EQ(cg.schafkopf.spiel.farbe, vorher.farbe);
    EXPECT_EQ(g.typ, kSolo);
    cg.schafkopf.spiel = TSchafkopfSpiel{};
}

}  // namespace
