// The Schwimmen flow with scripted seats: the knock round, "Knack" at the start of a turn, the
// table renewed only before a knock, the computer player's key memory, and whole matches.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "core/central.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "games/rummy_shedding/maumau.h"
#include "games/rummy_shedding/schwimmen.h"
#include "harness/lib/harness.h"
#include "karten_helfer.h"
#include "table/glu.h"
#include "table/tischcg.h"

namespace {

using kartentest::k;
using kartentest::legen;
using kartentest::st;

struct SchwimmenAblauf : testing::Test {
    std::unique_ptr<harness::Lauf> lauf;

    void starten(int n, bool computer = false, uint64_t seed = 5) {
        harness::Einstellung e;
        e.spielId = spiele::kSchwimmen;
        e.spieler = n;
        e.seed = seed;
        e.menschAlsComputer = computer;
        e.maxFrames = 20000;
        lauf.reset();  // the old run empties the services when it goes
        lauf = std::make_unique<harness::Lauf>(e);
        schwimmen::anmelden();
        cg.schwimmen = TSchwimmen{};
        schwimmen::standardOptionen(cg.schwimmen);
        cg.schwimmen.positiv = 0;
        schwimmen::abgewiesenLoeschen();
        ASSERT_TRUE(lauf->starten(0));
        if (!computer)
            for (int s = 1; s <= 6; ++s) cg.stapelListen[s].computer = 0;
    }
    // Runs until a seat is asked or the round is booked; the question's kind, 0 when booked.
    int gefragt() {
        EXPECT_GE(lauf->bis([](const TCG& g) { return g.antwort.offen == 2 || schwimmen::rundeVorbei(g); }), 0);
        return schwimmen::rundeVorbei(cg) ? 0 : cg.phase.fluss2;
    }
    void knopf(int code) { ASSERT_TRUE(central::antwort(cg, central::kKnopf, 0, code)); }
    // Weak hands all round (no 31 within reach) and a table that helps nobody much.
    void schwacheKarten() {
        legen(1, {k(1, 1), k(2, 2), k(3, 3)});
        legen(2, {k(1, 2), k(2, 3), k(3, 4)});
        legen(3, {k(1, 3), k(2, 4), k(3, 1)});
        legen(12, {k(4, 1), k(5, 2), k(6, 3)});
    }
    // Three seats; the opener keeps his cards and the first turn is asked with the weak cards.
    void ersterZug() {
        starten(3);
        ASSERT_EQ(gefragt(), schwimmen::kNeueKarten);
        knopf(0);
        ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
        schwacheKarten();
    }
};

TEST(SchwimmenStatistik, EveryNewGameClearsTheSeatsInPlay) {
    for (int s = 0; s < 6; ++s) cg.schwimmen.statistik[s][0] = cg.schwimmen.statistik[s][1] = 7;
    cg.ablauf.anzSpieler = 4;
    central::neuesSpielAllgemein(cg);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(cg.schwimmen.statistik[s][0], 0) << s + 1;
        EXPECT_EQ(cg.schwimmen.statistik[s][1], 0) << s + 1;
    }
    EXPECT_EQ(cg.schwimmen.statistik[4][0], 7);  // seats not in play keep theirs
}

TEST_F(SchwimmenAblauf, AfterAKnockEveryOtherSeatHasOneMoreTurnAndTheTableStays) {
    ASSERT_NO_FATAL_FAILURE(ersterZug());
    const int klopfer = cg.aktSpieler;
    knopf(schwimmen::kKlopfen);
    std::vector<int> danach;
    while (gefragt() != 0) {
        danach.push_back(cg.aktSpieler);
        knopf(schwimmen::kSchieben);
    }
    // Two passes after a knock with three seats: no renewal, and the round ends.
    const int a = klopfer % 3 + 1, b = a % 3 + 1;
    EXPECT_EQ(danach, (std::vector<int>{a, b}));
    EXPECT_TRUE(gleich(st(12).at(1).c, k(4, 1)));
    // Negative mode: the lowest hand (all three hold 9 points: tie) loses a point each.
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(+cg.konto[s], -1);
    EXPECT_EQ(schwimmen::abgewiesen(), 0);
}

TEST_F(SchwimmenAblauf, AllSeatsPassingRenewsTheTableAndTheSameSeatGoesOn) {
    starten(3);
    ASSERT_EQ(gefragt(), schwimmen::kNeueKarten);
    knopf(0);
    ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
    const int erster = cg.aktSpieler;
    const int talon = st(11).anz;
    for (int i = 0; i < 3; ++i) {
        knopf(schwimmen::kSchieben);
        ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
    }
    EXPECT_EQ(+cg.aktSpieler, erster);
    EXPECT_EQ(+cg.schwimmen.schiebenInFolge, 0);
    EXPECT_EQ(+st(12).anz, 3);
    EXPECT_EQ(+st(11).anz, talon);  // three new cards out, the three old ones back under
    std::string warum;
    EXPECT_TRUE(schwimmen::kartenErhalten(warum)) << warum;
}

// All hands at once serve seat 1 first from the top of the talon (against the clock seat 3
// first); one seat per step starts at the dealer's neighbour in the deal's direction.
TEST_F(SchwimmenAblauf, DealStyleAndDirectionDecideWhichSeatGetsTheTopCards) {
    struct Fall {
        int stil, richtung, geber;
        int oben, mitte, unten;  // the seats served first, second and last
    };
    const Fall faelle[] = {{1, 1, 2, 1, 2, 3}, {1, 2, 2, 3, 2, 1}, {2, 1, 2, 3, 1, 2}, {2, 2, 2, 1, 3, 2},
                           {2, 1, 3, 1, 2, 3}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "style " << f.stil << ", direction " << f.richtung << ", dealer " << f.geber);
        starten(3);
        envParam.spielrichtung = f.richtung;  // after the start, which sets the defaults
        cg.ablaufEinstellung = static_cast<int16_t>(f.stil);
        cg.geber = f.geber;
        cg.aktSpieler = f.geber;
        // Bottom to top: the top three (Ass, Zehn, König Kreuz) go first, the next three (Dame,
        // Bube, Neun Kreuz) second, the Pik cards last; three Herz stay for the table.
        legen(11, {k(1, 3), k(2, 3), k(3, 3), k(1, 2), k(2, 2), k(3, 2), k(3, 1), k(4, 1), k(5, 1), k(6, 1),
                   k(7, 1), k(8, 1)});
        ASSERT_EQ(gefragt(), schwimmen::kNeueKarten);
        envParam.spielrichtung = 1;
        EXPECT_EQ(+cg.aktSpieler, f.geber) << "the dealer opens";
        EXPECT_EQ(schwimmen::handWert(schwimmen::stapelHand(f.oben), false), 310);   // 11 + 10 + 10
        EXPECT_EQ(schwimmen::handWert(schwimmen::stapelHand(f.mitte), false), 290);  // 10 + 10 + 9
        EXPECT_EQ(schwimmen::handWert(schwimmen::stapelHand(f.unten), false), 240);  // 9 + 8 + 7
    }
}

// The status markers beside the seats: the seat on turn, the row of passes that leads to it,
// and after a knock the knocker, counted back over the turns begun since.
TEST(SchwimmenAnzeige, MarkersShowTheTurnThePassesAndTheKnocker) {
    using M = schwimmen::Marke;
    struct Fall {
        const char* name;
        int akt, schritt, passes, geklopft, zuege;
        M marke[5];  // seats 1..4 at [1..4]
    };
    const Fall faelle[] = {
        {"a fresh turn", 2, 1, 0, 0, 0, {M::keine, M::keine, M::dran, M::keine, M::keine}},
        {"two passes before seat 4", 4, 1, 2, 0, 0, {M::keine, M::keine, M::geschoben, M::geschoben, M::dran}},
        {"passes round the corner", 1, 0, 2, 0, 0, {M::keine, M::dran, M::keine, M::geschoben, M::geschoben}},
        {"seat 2 has just knocked", 3, 0, 0, 1, 0, {M::keine, M::keine, M::geklopft, M::dran, M::keine}},
        {"seat 3 asked after seat 2 knocked", 3, 1, 0, 1, 1, {M::keine, M::keine, M::geklopft, M::dran, M::keine}},
        {"seat 4 next after the knock", 4, 0, 0, 1, 1, {M::keine, M::keine, M::geklopft, M::keine, M::dran}},
        {"the hands are shown", 4, 30, 0, 1, 3, {M::keine, M::keine, M::keine, M::keine, M::keine}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TCG g{};
        g.spielId = spiele::kSchwimmen;
        g.phase.nr = 4;
        g.phase.schritt = f.schritt;
        g.aktSpieler = f.akt;
        g.schwimmen.schiebenInFolge = f.passes;
        g.schwimmen.geklopft = static_cast<uint8_t>(f.geklopft);
        g.schwimmen.zuegeNachKlopfen = f.zuege;
        cg.ablauf.anzSpieler = 4;
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(schwimmen::statusMarke(g, s), f.marke[s]) << "seat " << s;
    }
}

TEST_F(SchwimmenAblauf, ThirtyOneEndsTheRoundAtTheStartOfTheFirstTurn) {
    starten(3);
    ASSERT_EQ(gefragt(), schwimmen::kNeueKarten);
    schwacheKarten();
    legen(2, {k(8, 3), k(7, 3), k(6, 3)});  // As, Zehn, König Herz
    legen(12, {});
    legen(11, {k(4, 1), k(5, 2), k(6, 1), k(7, 2), k(8, 4)});
    knopf(0);
    EXPECT_EQ(gefragt(), 0);  // booked without a single turn
    EXPECT_EQ(+cg.aktSpieler, 2);
    // Negative mode: seats 1 and 3 hold 9 points each and lose one.
    EXPECT_EQ(+cg.konto[1], -1);
    EXPECT_EQ(+cg.konto[2], 0);
    EXPECT_EQ(+cg.konto[3], -1);
}

TEST_F(SchwimmenAblauf, ComputerDoesNotRepeatTheSecondOrThirdLastKey) {
    starten(3);
    ASSERT_EQ(gefragt(), schwimmen::kNeueKarten);
    knopf(0);
    ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
    const int seat = cg.aktSpieler;
    cg.sitzEinstellungen.at(seat).staerke = 2;
    cg.schwimmen.alleTauschen = 0;
    // Zehn and Neun Kreuz with the Sieben Karo; the As Kreuz on the table: level 2 gives the Sieben
    // (value code 1, suit 4) for the As (value code 8). Key 10000 + 1000 + 800 + 4 + 8 = 11812.
    legen(1, {k(1, 2), k(2, 3), k(3, 4)});
    legen(2, {k(1, 3), k(2, 4), k(3, 2)});
    legen(3, {k(1, 2), k(2, 4), k(4, 3)});
    legen(seat, {k(7, 1), k(3, 1), k(1, 4)});
    legen(12, {k(8, 1), k(5, 3), k(6, 2)});
    struct Case {
        int vorletzter, drittletzter;
        bool tauscht;
    };
    const Case cases[] = {{0, 0, true}, {11812, 0, false}, {0, 11812, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.vorletzter << " / " << c.drittletzter);
        int32_t* info = cg.schwimmen.sitzInfo[seat - 1];
        info[9] = 0;
        info[10] = c.vorletzter;
        info[11] = c.drittletzter;
        cg.antwort.offen = 2;
        schwimmenki::kiTick();
        if (c.tauscht) {
            EXPECT_EQ(+cg.antwort.art, central::kKarte);
            EXPECT_EQ(+cg.antwort.wert2, 3);
        } else {
            EXPECT_EQ(+cg.antwort.art, central::kKnopf);
            EXPECT_EQ(+cg.antwort.wert2, schwimmen::kSchieben);
        }
        EXPECT_EQ(info[9], 11812);
    }
}

TEST_F(SchwimmenAblauf, TheCardsASeatWasSeenToTakeAreKnown) {
    ASSERT_NO_FATAL_FAILURE(ersterZug());
    const int seat = cg.aktSpieler;
    const hand& bekannt = cg.bekannteKarten.at(seat);
    ASSERT_TRUE(central::antwort(cg, central::kKarte, 0, 1));  // lays its first card
    ASSERT_EQ(gefragt(), schwimmen::kTischKarte);
    // The table is sorted: Kreuz Bube first. Take it.
    ASSERT_TRUE(gleich(st(12).at(1).c, k(4, 1)));
    ASSERT_TRUE(central::antwort(cg, central::kStapel, 12, 1));
    ASSERT_EQ(+bekannt.anz, 1);
    EXPECT_TRUE(gleich(bekannt.at(1), k(4, 1)));
    // Once round the table (two passes), then the seat lays the Bube down again: no longer known.
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
        knopf(schwimmen::kSchieben);
    }
    ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
    ASSERT_EQ(+cg.aktSpieler, seat);
    int slot = 0;
    for (int i = 1; i <= st(seat).anz; ++i)
        if (gleich(st(seat).at(i).c, k(4, 1))) slot = i;
    ASSERT_NE(slot, 0);
    ASSERT_TRUE(central::antwort(cg, central::kKarte, 0, slot));
    EXPECT_EQ(+bekannt.anz, 0);
    // "Alle tauschen": the whole table becomes known.
    ASSERT_EQ(gefragt(), schwimmen::kTischKarte);
    ASSERT_TRUE(central::antwort(cg, central::kStapel, 12, 1));
    ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
    const int naechster = cg.aktSpieler;
    knopf(schwimmen::kAlle);
    EXPECT_EQ(+cg.bekannteKarten.at(naechster).anz, 3);
}

TEST_F(SchwimmenAblauf, WholeMatchesEndWithCardsConserved) {
    struct Variante {
        int spieler;
        bool pasch, alle, positiv;
        int stufe;
    };
    const Variante varianten[] = {
        {3, true, true, false, 3}, {2, false, false, true, 3}, {6, true, false, false, 2}, {4, true, true, true, 0}};
    for (const auto& v : varianten) {
        for (uint64_t seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(testing::Message() << v.spieler << " seats, level " << v.stufe << ", seed " << seed);
            starten(v.spieler, true, seed);
            cg.schwimmen.mitPasch = v.pasch;
            cg.schwimmen.alleTauschen = v.alle;
            cg.schwimmen.positiv = v.positiv;
            cg.schwimmen.punkteLimit = 3;
            static int stufe;
            stufe = v.stufe;
            central::dienste.staerke = [](int, int) { return stufe; };
            ASSERT_TRUE(lauf->starten(0));
            cg.sitzEinstellungen.at(1).staerke = stufe;
            lauf->invariante = [](const TCG&, std::string& warum) { return schwimmen::kartenErhalten(warum); };
            bool ende = false;
            for (int runde = 1; runde <= 60 && !ende; ++runde) {
                int32_t vorher[7] = {};
                for (int s = 1; s <= v.spieler; ++s) vorher[s] = cg.konto[s];
                ASSERT_GE(lauf->bis(schwimmen::rundeVorbei), 0);
                int summe = 0;
                for (int s = 1; s <= v.spieler; ++s) {
                    const int d = cg.konto[s] - vorher[s];
                    EXPECT_TRUE(d == 0 || d == (v.positiv ? 1 : -1));
                    summe += d != 0;
                }
                EXPECT_GE(summe, 1);
                ende = schwimmen::partieEnde();
                if (!ende) {
                    ASSERT_TRUE(lauf->starten(1));
                    cg.sitzEinstellungen.at(1).staerke = stufe;
                }
            }
            EXPECT_TRUE(ende);
            EXPECT_EQ(schwimmen::abgewiesen(), 0);
        }
    }
}

}  // namespace

// A swap flies its cards through the table engine; once they have landed the table holds three
// cards in sort order and the seat three, the card taken first (it is dealt onto the hand). Seat on turn: Karo Sieben, Karo
// Zehn, Herz Ass; table: Kreuz Bube, Pik Dame, Herz König.
namespace {
struct Tausch {
    const char* name;
    int legt, nimmt;  // hand slot laid (0: swap all), table slot taken afterwards
    karte hand[3], tisch[3];
};
}  // namespace

TEST_F(SchwimmenAblauf, AfterASwapHasLandedTableAndHandHoldThreeCardsEach) {
    const Tausch faelle[] = {
        // Herz Ass sorts in before Herz König (place 3), the König is taken from place 4
        {"lay the Ass, take the König", 3, 4, {k(6, 3), k(1, 4), k(7, 4)}, {k(4, 1), k(5, 2), k(8, 3)}},
        {"lay the Sieben, take the Bube", 1, 1, {k(4, 1), k(7, 4), k(8, 3)}, {k(5, 2), k(6, 3), k(1, 4)}},
        {"take back the card just laid", 2, 4, {k(7, 4), k(1, 4), k(8, 3)}, {k(4, 1), k(5, 2), k(6, 3)}},
        {"swap all", 0, 0, {k(4, 1), k(5, 2), k(6, 3)}, {k(8, 3), k(7, 4), k(1, 4)}},
    };
    for (const Tausch& f : faelle) {
        SCOPED_TRACE(f.name);
        ASSERT_NO_FATAL_FAILURE(ersterZug());
        const int seat = cg.aktSpieler;
        legen(seat, {k(1, 4), k(7, 4), k(8, 3)});
        if (f.legt == 0) {
            knopf(schwimmen::kAlle);
        } else {
            ASSERT_TRUE(central::antwort(cg, central::kKarte, 0, f.legt));
            ASSERT_EQ(gefragt(), schwimmen::kTischKarte);
            ASSERT_TRUE(central::antwort(cg, central::kStapel, 12, f.nimmt));
        }
        ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
        EXPECT_NE(+cg.aktSpieler, seat);
        EXPECT_EQ(glu::zugliste.anz, 0);
        ASSERT_EQ(+st(seat).anz, 3);
        ASSERT_EQ(+st(12).anz, 3);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_TRUE(gleich(st(seat).at(i).c, f.hand[i - 1]))
                << "hand slot " << i << ": " << int(st(seat).at(i).c.t) << "/" << int(st(seat).at(i).c.f);
            EXPECT_TRUE(gleich(st(12).at(i).c, f.tisch[i - 1]))
                << "table slot " << i << ": " << int(st(12).at(i).c.t) << "/" << int(st(12).at(i).c.f);
        }
        EXPECT_EQ(+st(16).anz, 0);
        EXPECT_EQ(schwimmen::abgewiesen(), 0);
    }
}

// Swapping all: the table's cards wait on the holder beside the table, then fly into the hand
// with the exchange's own flight (turning over, no wobble) while the seat's cards lie on the table.
TEST_F(SchwimmenAblauf, SwappingAllFliesTheHeldCardsIntoTheHandAsTheExchange) {
    ASSERT_NO_FATAL_FAILURE(ersterZug());
    const int seat = cg.aktSpieler;
    knopf(schwimmen::kAlle);
    ASSERT_GE(lauf->bis([](const TCG& g) { return g.phase.schritt == 6; }), 0);
    EXPECT_FLOAT_EQ(+st(16).pos.v[0], st(12).pos.v[0] + 330.0f);
    EXPECT_EQ(+st(12).anz, 3);
    for (int i = 1; i <= 3; ++i) {
        const TBewegung& b = st(16).at(i).bewegung;
        EXPECT_EQ(+b.active, 1) << i;
        EXPECT_EQ(+b.flightCode, 0x1230) << i;
        EXPECT_EQ(+b.toStack, -seat) << i;
        EXPECT_EQ(+b.toSlot, i) << i;
    }
    EXPECT_EQ(tischcg::tz.phase2, 0);  // only those three moves are the exchange
}

// A card laid between the table's cards shifts those after it up one slot; once landed each of
// the four slots lies in its own place of the table's layout (left to right), none covers another.
TEST_F(SchwimmenAblauf, ALaidCardLeavesEveryTableSlotInItsOwnPlace) {
    const float platz[4] = {-310.0f, -80.0f, 150.0f, 370.0f};
    for (int gelegt : {1, 2, 3}) {
        SCOPED_TRACE(gelegt);
        ASSERT_NO_FATAL_FAILURE(ersterZug());
        // Kreuz Zehn sorts in first, Pik König second, Herz Ass third: each laid card shifts the
        // table's cards from its own place on.
        legen(cg.aktSpieler, {k(7, 1), k(6, 2), k(8, 3)});
        ASSERT_TRUE(central::antwort(cg, central::kKarte, 0, gelegt));
        ASSERT_EQ(gefragt(), schwimmen::kTischKarte);
        ASSERT_EQ(+st(12).anz, 4);
        EXPECT_EQ(+cg.schwimmen.abgelegtPos, gelegt);
        for (int i = 1; i <= 4; ++i) EXPECT_FLOAT_EQ(+st(12).at(i).x, platz[i - 1]) << "slot " << i;
        ASSERT_TRUE(central::antwort(cg, central::kStapel, 12, 1));
        ASSERT_EQ(gefragt(), schwimmen::kZugAlle);
        for (int i = 1; i <= 3; ++i) EXPECT_FLOAT_EQ(+st(12).at(i).x, platz[i - 1]) << "slot " << i;
    }
}

namespace {

// Once a round is shown the computer seats' hands slide to their open places; they must stay open
// there while the round is booked and its result shows, or the table draws them closed beyond
// its far edge and their bubbles ("Knack" among them) at the top of the window. The next deal
// closes them again.
TEST(RundenEnde, HandsStayOpenWhileTheBookedRoundShows) {
    struct Fall {
        const char* name;
        int spielId;
        void (*anmelden)();
        bool (*rundeVorbei)(const TCG&);
        bool (*handOffen)(int);
    };
    const Fall faelle[] = {
        {"Schwimmen", spiele::kSchwimmen, schwimmen::anmelden, schwimmen::rundeVorbei, schwimmen::handOffen},
        {"Mau Mau", spiele::kMauMau, maumau::anmelden, maumau::rundeVorbei, maumau::handOffen},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        harness::Einstellung e;
        e.spielId = f.spielId;
        e.spieler = 4;
        e.seed = 3;
        harness::Lauf lauf(e);
        f.anmelden();
        ASSERT_TRUE(lauf.starten(0));
        ASSERT_GE(lauf.bis(f.rundeVorbei), 0);
        for (int s = 2; s <= 4; ++s) EXPECT_TRUE(f.handOffen(s)) << "seat " << s;
        EXPECT_FALSE(f.handOffen(1));
        ASSERT_TRUE(lauf.starten(1));
        lauf.frames(1);
        for (int s = 2; s <= 4; ++s) EXPECT_FALSE(f.handOffen(s)) << "seat " << s << " in the next deal";
        EXPECT_TRUE(lauf.fehler().empty());
    }
}

}  // namespace
