// The settlement of a round under both scorings with the Rommé Hand doubling, the choice of the
// dealer, the checks of the options, and the decisions of the computer seats on small tables.
// Expected values are counted by hand from the rules.
#include <gtest/gtest.h>

#include <initializer_list>

#include "core/central.h"
#include "core/spiele.h"
#include "games/rummy_shedding/romme.h"
#include "harness/lib/harness.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/tischhooks.h"

namespace {

// Value codes: 7 1, 8 2, 9 3, Bube 4, Dame 5, König 6, 10 7, Ass 8, 2..6 9..13, Joker 14.
constexpr uint8_t S7 = 1, S8 = 2, S9 = 3, D = 5, K = 6, A = 8, Z2 = 9, Z3 = 10, Z4 = 11, Z5 = 12, Z6 = 13,
                  J = 14;
karte kr(uint8_t t) { return karte{t, 1, 0}; }
karte pi(uint8_t t) { return karte{t, 2, 0}; }
karte he(uint8_t t) { return karte{t, 3, 0}; }
karte ka(uint8_t t) { return karte{t, 4, 0}; }
const karte joker{J, 1, 0};

hand meld(std::initializer_list<karte> karten) {
    hand h{};
    for (const karte& k : karten) {
        h.at(++h.anz) = k;
        h.at(h.anz).nr = static_cast<uint16_t>(h.anz);
    }
    return h;
}

class RommeTisch : public testing::Test {
protected:
    void SetUp() override {
        glu::reset();
        cg = TCG{};
        k12.leeren();
        romme::anmelden();
        cg.spielId = spiele::kRomme;
        cg.ablauf.anzSpieler = 3;
        cg.ablauf.meldModus = 1;
        romme::optionenPruefen();
        cg.romme.mindestpunkte = 0;
        for (int s = 1; s <= 6; ++s) cg.sitzEinstellungen.at(s).staerke = 3;
    }
    void TearDown() override {
        tischhooks::reset();
        central::dienste = central::Dienste{};
        glu::reset();
        k12.leeren();
        cg = TCG{};
    }
    static void legen(int stack, const karte& c) {
        TSpieler& s = glu::spieler[stack - 1];
        s.anz += 1;
        s.at(s.anz) = TKartenSlot{};
        s.at(s.anz).c = c;
    }
    static void halten(int seat, std::initializer_list<karte> karten) {
        for (const karte& c : karten) legen(seat, c);
    }
    // A meld of the seat on the table: its cards in stack 12, a pile of the container.
    static int melden(int seat, std::initializer_list<karte> karten) {
        cg.aktSpieler = seat;
        const int p = k12.neuerStapel(seat, static_cast<int>(karten.size()));
        int i = 0;
        for (const karte& c : karten) {
            legen(12, c);
            const int slot = glu::spieler[11].anz;
            k12.pile(p).at(++i) = c;
            k12.pile(p).at(i).nr = static_cast<uint16_t>(slot);
            glu::spieler[11].at(slot).hi = p;
            glu::spieler[11].at(slot).pilePos = i;
        }
        return p;
    }
    // The decision dialog as the step leaves it open for the seat on turn.
    static void offen(int seat, int schritt, bool knoepfe) {
        cg.aktSpieler = seat;
        cg.phase.nr = romme::kSpielPhase;
        cg.phase.schritt = schritt;
        cg.antwort.offen = 2;
        cg.entscheidung.stapelKlick = 1;
        cg.entscheidung.kartenSpiel = 1;
        cg.entscheidung.mitKnoepfen = knoepfe ? 1 : 0;
        cg.entscheidung.knopfAnzahl = 2;
        cg.entscheidung.setzeCode(1, 79);
        cg.entscheidung.setzeCode(2, 0);
    }
};

TEST_F(RommeTisch, PenaltyPointsCountTheCardsLeftAndDoubleForARommeHand) {
    cg.romme.positiv = 0;
    cg.romme.letzterAbwurf = 2;  // seat 2 went out
    halten(1, {kr(K), ka(Z5)});  // 10 + 5
    halten(3, {he(S9), joker});  // the Joker beside the 9 stands for the 10
    struct Case {
        int karten;
        int seat1, seat3;
        bool doppelt;
    };
    for (const Case c : {Case{9, -15, -19, false}, Case{13, -30, -38, true}}) {
        SCOPED_TRACE(c.karten);
        cg.romme.kartenBeiZugbeginn = c.karten;
        const TGameResult r = romme::abrechnung();
        EXPECT_EQ(r.spieler, 2);
        EXPECT_EQ(r.at(1), c.seat1);
        EXPECT_EQ(r.at(2), 0);
        EXPECT_EQ(r.at(3), c.seat3);
        EXPECT_EQ(r.spielWerte[0], c.doppelt ? 1 : 0);
        EXPECT_EQ(
            r.text2.find(text::w(" gewinnt mit Rommé Hand (Punkte zählen doppelt).")) != std::string::npos,
            c.doppelt);
    }
}

TEST_F(RommeTisch, PositiveScoringCountsEachSeatsMeldsAndDoublesForARommeHand) {
    cg.romme.positiv = 1;
    cg.romme.letzterAbwurf = 3;
    melden(1, {kr(D), kr(K), kr(A)});     // 31
    melden(2, {he(S7), pi(S7), ka(S7)});  // 21
    melden(2, {joker, ka(D), ka(K)});     // the high end Dame, König, Ass: 31
    halten(1, {kr(Z2)});
    struct Case {
        int karten;
        int p1, p2;
    };
    for (const Case c : {Case{8, 31, 52}, Case{14, 62, 104}}) {
        SCOPED_TRACE(c.karten);
        cg.romme.kartenBeiZugbeginn = c.karten;
        const TGameResult r = romme::abrechnung();
        EXPECT_EQ(r.at(1), c.p1);
        EXPECT_EQ(r.at(2), c.p2);
        EXPECT_EQ(r.at(3), 0);
        EXPECT_EQ(r.spieler, 2);  // the highest score wins, not the seat that went out
    }
}

TEST_F(RommeTisch, OptionsKeepEnoughDecksForTheSeatsWhenRead) {
    struct Case {
        int seats, saetze, gelesen;
    };
    for (const Case c : {Case{3, 1, 1}, Case{4, 1, 2}, Case{6, 1, 2}, Case{6, 3, 3}, Case{2, 2, 2}}) {
        SCOPED_TRACE(c.seats);
        cg.ablauf.anzSpieler = c.seats;
        cg.romme.saetze = c.saetze;
        romme::optionenLesen();
        EXPECT_EQ(cg.romme.saetze, c.gelesen);
    }
    // "1. Kartengeber" skips seats that are not at the table
    EXPECT_EQ(romme::geberVerschieben(6, 1, 4), 1);
    EXPECT_EQ(romme::geberVerschieben(6, -1, 4), 5);
    EXPECT_EQ(romme::geberVerschieben(3, 1, 4), 3);
    EXPECT_EQ(romme::grenzeLesen("500 Punkte", 0), 500);
    EXPECT_EQ(romme::grenzeLesen("Keine Grenze", 200), 200);
    EXPECT_EQ(romme::grenzeLesen("Joker", 0), 99999);
}

TEST_F(RommeTisch, LimitTextAndMatchEnd) {
    cg.romme.rundenGrenze = 200;
    cg.romme.punkteGrenze = 0;
    cg.romme.positiv = 0;
    cg.spielliste.runden = 7;
    cg.konto[1] = -120;
    cg.konto[2] = -30;
    std::string t;
    romme::limitText(t);
    EXPECT_EQ(t, "7 von unbegrenzt Runden gespielt, 120 von unbegrenzt max. Punkten erreicht");
    EXPECT_FALSE(romme::partieEnde());
    cg.romme.punkteGrenze = 100;
    EXPECT_TRUE(romme::partieEnde());  // penalty points count negated
    cg.romme.punkteGrenze = 0;
    cg.romme.rundenGrenze = 7;
    EXPECT_TRUE(romme::partieEnde());
}

TEST(RommeDealer, RandomNeverPicksTheHumanAndTheWinnerDealsNext) {
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        harness::Einstellung e;
        e.spielId = spiele::kRomme;
        e.spieler = 4;
        e.seed = seed;
        harness::Lauf lauf(e);
        romme::anmelden();
        cg.romme = TRomme{};
        ASSERT_TRUE(lauf.starten());
        EXPECT_GE(cg.geber, 2) << seed;
        EXPECT_LE(cg.geber, 4) << seed;
        if (seed == 1) {
            cg.romme.naechsterGeber = 3;  // "Gewinner"
            cg.spielliste.runden = 1;
            const int32_t punkte[5] = {0, -40, -12, 0, -7};
            for (int s = 1; s <= 4; ++s) cg.spielliste.punkte[s][1] = punkte[s];
            ASSERT_TRUE(lauf.starten(1));
            EXPECT_EQ(cg.geber, 3);
            cg.romme.naechsterGeber = 4;  // "Verlierer"
            ASSERT_TRUE(lauf.starten(1));
            EXPECT_EQ(cg.geber, 1);
        }
    }
}

TEST_F(RommeTisch, LayingOffIsWorthThePointsTheMeldGains) {
    rommeki::Suche s;
    s.seat = 1;
    s.r = romme::regeln();
    const hand run = meld({kr(Z6), kr(S7), kr(S8)});
    s.sitzHatMeldung = true;
    EXPECT_EQ(rommeki::anlegeWert(run, kr(S9), s), 9);
    EXPECT_EQ(rommeki::anlegeWert(run, kr(Z5), s), 5);
    s.sitzHatMeldung = false;
    EXPECT_EQ(rommeki::anlegeWert(run, kr(S9), s), 0);
}

TEST_F(RommeTisch, SearchStaysInItsBufferAndLaysOnlyValidMelds) {
    cg.romme.fremdAnlegen = 1;
    cg.romme.doppelteFarben = 1;
    // many piles of sets and runs of other seats, a hand of 14 cards with Jokers
    for (int v = 1; v <= 13; ++v) {
        const uint8_t t = static_cast<uint8_t>(v);
        melden(2, {kr(t), pi(t), he(t)});
        if (v <= 11)
            melden(3, {ka(t), ka(romme::nachfolger(t)), ka(romme::nachfolger(romme::nachfolger(t)))});
    }
    melden(1, {he(Z2), he(Z3), he(Z4)});
    const hand h = meld({joker, joker, kr(Z2), kr(Z3), kr(Z4), kr(Z5), pi(Z5), he(Z5), ka(Z5), pi(S7), pi(S8),
                         pi(S9), he(D), he(K)});
    static rommeki::Zugbuffer b;
    rommeki::Suche s;
    s.seat = 1;
    s.limit = 8;
    s.fremd = true;
    s.druck = 20;
    s.sitzHatMeldung = true;
    s.r = romme::regeln();
    s.tisch = rommeki::tischLesen();
    rommeki::zugSuche(b, h, s);
    EXPECT_EQ(b.anzahl, rommeki::kBufferMax);
    // every recursion below the root is an entry: a full buffer stops the whole search
    EXPECT_LE(b.knoten, rommeki::kBufferMax + 1);
    for (int k = 1; k <= b.anzahl; ++k)
        for (int m = 0; m < b.e[k].anzahl; ++m) {
            const rommeki::Meldung& x = b.e[k].m[m];
            if (x.art != 0) continue;
            EXPECT_TRUE(romme::isset(x.karten, true, false, true, s.r)) << k << "." << m;
            EXPECT_NE(x.karten.at(1).t, J) << "a meld started from a Joker";
        }
}

// A card goes onto a set of its value whatever its suit, onto the end of a run of its suit, and
// into a Joker's place, the Joker coming back to the hand; a card that fits no pile is laid nowhere.
TEST_F(RommeTisch, SearchLaysOffOntoASetARunAndAJokersPlace) {
    const int satz = melden(2, {kr(D), pi(D), he(D)});
    const int reihe = melden(2, {he(Z2), he(Z3), he(Z4)});
    const int mitJoker = melden(2, {kr(S8), joker, kr(7)});
    const karte karten[] = {ka(D), he(Z5), kr(S9), pi(A)};
    const hand h = meld({karten[0], karten[1], karten[2], karten[3]});
    static rommeki::Zugbuffer b;
    rommeki::Suche s;
    s.seat = 2;
    s.sitzHatMeldung = true;
    s.r = romme::regeln();
    s.tisch = rommeki::tischLesen();
    rommeki::zugSuche(b, h, s);
    // each card's first lay-off: the table's pile and whether a Joker came back
    int pile[4] = {}, zurueck[4] = {};
    for (int k = 1; k <= b.anzahl; ++k) {
        const rommeki::Meldung& m = b.e[k].m[0];
        if (m.art != 1) continue;
        for (int i = 0; i < 4; ++i)
            if (gleich(m.karten.at(1), karten[i]) && pile[i] == 0) {
                pile[i] = s.tisch.id[m.ziel];
                zurueck[i] = m.zurueck;
            }
    }
    EXPECT_EQ(pile[0], satz);
    EXPECT_EQ(pile[1], reihe);
    EXPECT_EQ(pile[2], mitJoker);
    EXPECT_EQ(zurueck[2], 1);
    EXPECT_EQ(pile[3], 0);
}

// Player kind 12 takes the move that adds the most meld points, the others the move that plays
// the most cards; a move whose first meld would take the whole hand is never chosen, and of equal
// moves the earlier one stays.
TEST_F(RommeTisch, PlayerKindTwelveChoosesByPointsTheOthersByCards) {
    static rommeki::Zugbuffer b;
    struct Eintrag {
        int ersteKarten, karten, wert;
    };
    const Eintrag eintraege[] = {{3, 4, 20}, {3, 3, 33}, {10, 10, 90}, {3, 3, 33}, {3, 4, 25}};
    b.anzahl = 0;
    for (const Eintrag& x : eintraege) {
        rommeki::Eintrag& e = b.e[++b.anzahl];
        e = rommeki::Eintrag{};
        e.anzahl = 1;
        e.m[0].karten.anz = static_cast<int16_t>(x.ersteKarten);
        e.kartenSumme = x.karten;
        e.wertSumme = x.wert;
    }
    hand h{};
    h.anz = 10;
    struct Case {
        bool nachWert;
        int gewaehlt;
    };
    for (const Case c : {Case{true, 2}, Case{false, 1}}) {
        SCOPED_TRACE(c.nachWert);
        rommeki::Suche s;
        s.seat = 2;
        s.nachWert = c.nachWert;
        EXPECT_EQ(rommeki::besterZug(b, h, s), c.gewaehlt);
    }
}

TEST(RommeFortschritt, TheCardsInTheHandsTellHowFarTheRoundHasGone) {
    struct Case {
        int karten, fortschritt;
    };
    const Case cases[] = {{78, 10}, {52, 10}, {51, 9}, {49, 9}, {48, 8}, {44, 8}, {43, 7}, {39, 7}, {34, 6},
                          {29, 5},  {24, 4},  {23, 3}, {20, 3}, {16, 2}, {13, 1}, {12, 1}, {11, 0}, {0, 0}};
    for (const auto& c : cases) EXPECT_EQ(romme::fortschritt(c.karten), c.fortschritt) << c.karten;
}

TEST_F(RommeTisch, JokerOnTheDiscardPileIsAlwaysTaken) {
    cg.ablauf.anzSpieler = 2;
    halten(2, {kr(Z2), he(S7), pi(K), ka(Z4), kr(S9), he(A), pi(Z3), ka(D), kr(Z6), he(S8), pi(Z2), ka(S7),
               kr(K)});
    for (int i = 0; i < 10; ++i) legen(11, he(Z2));
    legen(13, joker);
    offen(2, romme::kZiehen, false);
    rommeki::kiTick();
    EXPECT_EQ(cg.antwort.art, central::kStapel);
    EXPECT_EQ(cg.antwort.wert1, 13);
}

TEST_F(RommeTisch, DiscardGivesUpTheSecondCopyAndHoldsBackMarkedCards) {
    cg.ablauf.anzSpieler = 2;
    cg.romme.doppelteFarben = 0;
    for (const karte& c : {he(S9), he(Z6), kr(Z2), pi(Z4)}) legen(11, c);  // what the others may still draw
    halten(1, {kr(Z3), pi(A)});
    float u[kHandMax + 1] = {};
    const int16_t keine[kHandMax] = {};
    // 7 and 8 of Herz wait for the 6 or the 9; the second 7 of Herz is of no use
    const hand h = meld({he(S7), he(S7), he(S8)});
    EXPECT_EQ(rommeki::abwurfWahl(h, keine, 2, u), 2);
    EXPECT_FLOAT_EQ(u[2], 0.0f);
    EXPECT_GT(u[1], 0.0f);
    EXPECT_GT(u[3], 0.0f);
    // a held-back card counts 1.0, a held-back Joker 1.5; among equals the higher card goes
    int16_t marken[kHandMax] = {1, 1, 1};
    EXPECT_EQ(rommeki::abwurfWahl(meld({kr(A), he(S7), joker}), marken, 2, u), 1);
    EXPECT_FLOAT_EQ(u[1], 1.0f);
    EXPECT_FLOAT_EQ(u[2], 1.0f);
    EXPECT_FLOAT_EQ(u[3], 1.5f);
    // every card above 1.0: the first card goes
    EXPECT_EQ(rommeki::abwurfWahl(meld({joker, joker}), marken, 2, u), 1);
    EXPECT_FLOAT_EQ(u[2], 1.5f);
}

TEST_F(RommeTisch, PressureCountsOnlyOnTheFirstLayOutDecisionOfATurn) {
    cg.ablauf.anzSpieler = 2;
    cg.romme.zugNummer = 2;
    halten(1, {kr(S7), kr(S8), kr(S9), he(S7), he(S8), pi(S7), pi(S8), ka(S7), ka(S8), kr(K), he(K), pi(K),
               ka(K)});
    halten(2, {kr(Z2), kr(Z3), kr(Z4), he(K), pi(A)});
    struct Case {
        int runde;
        int druck;
    };
    // seat 2 holds 5 cards: 1; 2 draws of 2 seats: round(2 / 2 x 3) = 3; 9 cards on average: 2 + 2 + 2
    for (const Case c : {Case{1, 10}, Case{2, 0}}) {
        SCOPED_TRACE(c.runde);
        offen(2, romme::kAuslegeAntwort, true);
        cg.romme.auslegeRunde = c.runde;
        rommeki::kiTick();
        EXPECT_EQ(rommeki::druck(), c.druck);
        EXPECT_EQ(cg.antwort.art, central::kKnopf);
        EXPECT_EQ(cg.antwort.wert2, 79);
        EXPECT_EQ(cg.gespielteHand.anz, 3);
    }
}

}  // namespace

namespace {

TEST_F(RommeTisch, OnlyAProfiHoldsItsMeldsBackForARommeHand) {
    cg.ablauf.anzSpieler = 2;
    cg.romme.zugNummer = 1;
    halten(1, {kr(S7), kr(S8), he(S9), he(K), pi(A), ka(Z2), ka(Z3), he(Z4), pi(Z5), he(Z6), ka(K), pi(D),
               ka(S9)});
    // a run of nine Kreuz and five cards that make nothing: nine of thirteen would be laid at once
    halten(2, {kr(Z2), kr(Z3), kr(Z4), kr(Z5), kr(Z6), kr(S7), kr(S8), kr(S9), kr(7), he(K), ka(7), pi(A),
               he(D), pi(S9)});
    struct Case {
        int staerke;
        int code;
        int markiert;
    };
    for (const Case c : {Case{3, 0, 9}, Case{2, 79, 0}}) {
        SCOPED_TRACE(c.staerke);
        cg.sitzEinstellungen.at(2).staerke = c.staerke;
        offen(2, romme::kAuslegeAntwort, true);
        cg.romme.auslegeRunde = 1;
        rommeki::kiTick();
        EXPECT_EQ(cg.antwort.wert2, c.code);
        int markiert = 0;
        for (int i = 1; i <= 14; ++i) markiert += cg.romme.marken.at(2).at(i);
        EXPECT_EQ(markiert, c.markiert);
    }
}

TEST_F(RommeTisch, WatchHookKeepsTheCardsASeatTookFromTheDiscardPile) {
    cg.phase.nr = romme::kSpielPhase;
    cg.aktSpieler = 2;
    legen(13, he(D));
    rommeki::nachZug(central::kStapel, 13, 1);
    ASSERT_EQ(cg.bekannteKarten.at(2).anz, 1);
    EXPECT_EQ(cg.bekannteKarten.at(2).at(1).t, D);
    halten(2, {kr(Z2), he(D)});
    rommeki::nachZug(central::kKarte, 0, 2);  // the Dame is discarded again
    EXPECT_EQ(cg.bekannteKarten.at(2).anz, 0);
}

}  // namespace

namespace {

TEST_F(RommeTisch, AJokerGoesOntoAnotherSeatsMeldOnlyWithPenaltyPointsUnderPressure) {
    cg.romme.fremdAnlegen = 1;
    melden(2, {he(Z2), he(Z3), he(Z4)});
    melden(3, {kr(S8), kr(S9), kr(7)});
    const hand h = meld({joker, pi(K), ka(Z5)});
    struct Case {
        bool positiv;
        int druck;
        bool fremdJoker;
    };
    for (const Case c : {Case{true, 20, false}, Case{false, 20, true}, Case{false, 10, false}}) {
        SCOPED_TRACE(testing::Message() << c.positiv << " " << c.druck);
        cg.romme.positiv = c.positiv;
        static rommeki::Zugbuffer b;
        rommeki::Suche s;
        s.seat = 2;
        s.fremd = true;
        s.druck = c.druck;
        s.sitzHatMeldung = true;
        s.r = romme::regeln();
        s.tisch = rommeki::tischLesen();
        rommeki::zugSuche(b, h, s);
        bool eigen = false, fremd = false;
        for (int k = 1; k <= b.anzahl; ++k) {
            const rommeki::Meldung& m = b.e[k].m[0];
            if (m.art != 1 || m.karten.at(1).t != J) continue;
            (s.tisch.besitzer[m.ziel] == 2 ? eigen : fremd) = true;
        }
        EXPECT_EQ(fremd, c.fremdJoker);
        EXPECT_EQ(eigen, c.druck > 18);  // with little pressure a Joker stays in a hand of three
    }
}

}  // namespace

namespace {

TEST_F(RommeTisch, AJokerIsNeverThrownAwayWhileANaturalCardIsLeft) {
    cg.ablauf.anzSpieler = 2;
    legen(11, kr(Z3));
    halten(1, {kr(Z2), he(Z2)});
    float u[kHandMax + 1] = {};
    const int16_t keine[kHandMax] = {};
    // the two 2s wait for a third, the Joker counts least: still the 2 of higher points goes
    EXPECT_EQ(rommeki::abwurfWahl(meld({ka(Z2), pi(Z2), joker}), keine, 2, u), 2);
    EXPECT_EQ(rommeki::abwurfWahl(meld({joker, ka(Z2)}), keine, 2, u), 2);
}

}  // namespace

namespace {

TEST_F(RommeTisch, HighScoresOnlyForPositiveScoringByMatchLength) {
    cg.spielliste.runden = 12;
    cg.romme.positiv = 0;
    cg.konto[1] = 300;
    std::string t;
    romme::highscoreText(t);
    EXPECT_EQ(t, "");  // penalty points enter no list
    cg.romme.positiv = 1;
    romme::highscoreText(t);
    EXPECT_EQ(t, "Sie haben den 1. Platz in der Highscoreliste erreicht.");
    cg.konto[1] = 120;
    romme::highscoreText(t);
    EXPECT_EQ(t, "Sie haben den 2. Platz in der Highscoreliste erreicht.");
    EXPECT_EQ(cg.highscore.at(spiele::kRomme, 2, 1).punkte, 300);
    EXPECT_EQ(cg.highscore.at(spiele::kRomme, 2, 2).punkte, 120);
    // ten rounds or fewer: the list of short matches
    cg.spielliste.runden = 10;
    cg.konto[1] = 90;
    romme::highscoreText(t);
    EXPECT_EQ(t, "Sie haben den 1. Platz in der Highscoreliste erreicht.");
    EXPECT_EQ(cg.highscore.at(spiele::kRomme, 1, 1).punkte, 90);
}

}  // namespace

namespace {

// The line under the meld buttons: the selection's points against the minimum while the seat
// has no meld yet; the plain minimum, greyed, while the selection is no meld.
TEST(RommeMindestZeile, PointsAgainstTheMinimumUntilTheFirstMeld) {
    struct Fall {
        bool hatMeldung;
        int mindest, punkte;
        bool sichtbar, aktiv;
        const char* text;
    } const faelle[] = {
        {false, 40, 0, true, false, "!Mindestpunktzahl 40"},
        {false, 40, 30, true, true, "!30 von 40 Mindestpunktzahl"},
        {false, 40, 45, true, true, "!45 von 40 Mindestpunktzahl"},
        {true, 40, 30, false, false, ""},
        {false, 0, 30, false, false, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.mindest) + "/" + std::to_string(f.punkte) + (f.hatMeldung ? " meld" : ""));
        const romme::MindestZeile z = romme::mindestZeile(f.hatMeldung, f.mindest, f.punkte);
        EXPECT_EQ(z.sichtbar, f.sichtbar);
        EXPECT_EQ(z.aktiv, f.aktiv);
        if (f.sichtbar) {
            EXPECT_EQ(z.text, f.text);
        }
    }
}

}  // namespace
