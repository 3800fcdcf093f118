#include "core/skat_1.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <utility>

#include "core/cg.h"
#include "core/seams.h"
#include "core/spiele.h"
#include "hand_fixture.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/text.h"

namespace {

using hand_test::H;
using hand_test::Karten;
using hand_test::S;

hand voll(int n) {
    hand h{};
    for (int i = 1; i <= n; ++i) handaddk(h, skat_1::karteBilden(1 + i % 8, 1 + i % 4));
    return h;
}

hand g_stich{};

// Ober and Unter as in a Wenz-like game: enough to tell the library uses the game's own test.
bool schafkopfTrumpf(const karte& k) { return k.t == 4 || k.t == 5; }

class Skat1 : public testing::Test {
protected:
    void SetUp() override {
        cg.spielId = spiele::kSkat;
        cg.skat.sk.typ = 0;
        g_stich = hand{};
        seams::spiele = {};
        seams::spiele.skatStich = [] { return static_cast<const hand*>(&g_stich); };
        seams::spiele.schafkopfIstTrumpf = schafkopfTrumpf;
        seams::spiele.doppelkopfIstTrumpf = [](const karte& k) { return k.f == 4; };
        skat_1::augenZuruecksetzen();
        skat_1::sortierGewichte(11);
    }
    void TearDown() override {
        seams::spiele = {};
        cg.spielId = 0;
        cg.skat.sk.typ = 0;
        g_stich = hand{};
    }
    msgsink::Capture msgs;
    const std::string handaddkText = text::w("ACHTUNG! handaddk: Fehler bei Bereichsüberprüfung");
};

TEST_F(Skat1, EmptyHandCountsNothingAndDrawsNoCard) {
    hand h{};
    const karte k = skat_1::karteBilden(8, 1);
    EXPECT_EQ(skat_1::kartenAnzahl(h, k), 0);
    EXPECT_EQ(skat_1::wertAnzahl(h, 8), 0);
    EXPECT_EQ(skat_1::farbAnzahl(h, 1), 0);
    EXPECT_EQ(skat_1::kartenIndex(h, k), 0);
    EXPECT_EQ(skat_1::letzterWertIndex(h, 8), 0);
    EXPECT_FALSE(skat_1::enthaeltKarte(h, k));
    EXPECT_EQ(skat_1::augenSumme(h), 0);
    const karte z = skat_1::zufallsKarte(h);
    EXPECT_EQ(z.t, 0);
    EXPECT_EQ(z.f, 0);
    skat_1::mischen(h);
    EXPECT_EQ(h.anz, 0);
    EXPECT_TRUE(msgs.texts().empty());
}

TEST_F(Skat1, AppendingPastCapacityIsRefusedWithTheMessage) {
    hand h = voll(166);
    handaddk(h, skat_1::karteBilden(8, 1));
    EXPECT_EQ(h.anz, 166);

    hand64 h64{};
    for (int i = 0; i < 65; ++i) handaddk64(h64, skat_1::karteBilden(8, 1));
    EXPECT_EQ(h64.anz, 64);

    hand25 h25{};
    for (int i = 0; i < 26; ++i) handaddk25(h25, skat_1::karteBilden(8, 1));
    EXPECT_EQ(h25.anz, 25);
    handaddk25k(h25, kurzkarte{8, 1});
    EXPECT_EQ(h25.anz, 25);

    ASSERT_EQ(msgs.texts().size(), 4u);
    for (const auto& t : msgs.texts()) EXPECT_EQ(t, handaddkText);
}

TEST_F(Skat1, AppendingToADamagedCountBringsItBackInRange) {
    struct Case {
        int16_t anz;
        int16_t nachher;
    };
    const Case cases[] = {{-1, 0}, {-300, 0}, {200, 166}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.anz);
        msgsink::clear();
        hand h{};
        h.anz = c.anz;
        handaddk(h, skat_1::karteBilden(8, 1));
        EXPECT_EQ(h.anz, c.nachher);
        EXPECT_EQ(msgs.texts().size(), 1u);
    }
}

TEST_F(Skat1, RemovingAbsentCardLeavesHandUnchanged) {
    hand h = H({{1, 1}, {8, 2}});
    skat_1::karteEntfernen(h, skat_1::karteBilden(8, 3));
    skat_1::karteAlleEntfernen(h, skat_1::karteBilden(8, 3));
    EXPECT_EQ(S(h), "1/1 8/2");
    hand64 h64{};
    handaddk64(h64, skat_1::karteBilden(1, 1));
    skat_1::karteEntfernen64(h64, skat_1::karteBilden(2, 1));
    EXPECT_EQ(h64.anz, 1);
}

TEST_F(Skat1, RemoveFindsFirstEqualCardAndRemoveAllEvery) {
    hand h = H({{1, 1}, {8, 2}, {1, 1}, {3, 3}});
    skat_1::karteEntfernen(h, skat_1::karteBilden(1, 1));
    EXPECT_EQ(S(h), "8/2 1/1 3/3");
    h = H({{1, 1}, {8, 2}, {1, 1}, {3, 3}});
    skat_1::karteAlleEntfernen(h, skat_1::karteBilden(1, 1));
    EXPECT_EQ(S(h), "8/2 3/3");
    h = H({{1, 1}, {8, 2}, {1, 1}, {3, 3}, {1, 4}});
    EXPECT_EQ(skat_1::wertEntfernen(h, 1), 2);
    EXPECT_EQ(S(h), "8/2 3/3");
}

TEST_F(Skat1, RemoveAtClampsTheIndexAndReports) {
    struct Case {
        int index;
        std::string entfernt;
        std::string rest;
        bool meldung;
    };
    const Case cases[] = {
        {1, "1/1", "2/2 3/3", false}, {3, "3/3", "1/1 2/2", false}, {0, "1/1", "2/2 3/3", true},
        {-7, "1/1", "2/2 3/3", true}, {4, "3/3", "1/1 2/2", true},  {167, "3/3", "1/1 2/2", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        msgsink::clear();
        hand h = H({{1, 1}, {2, 2}, {3, 3}});
        hand e{};
        handaddk(e, skat_1::karteEntfernenBei(h, c.index));
        EXPECT_EQ(S(e), c.entfernt);
        EXPECT_EQ(S(h), c.rest);
        EXPECT_EQ(!msgs.texts().empty(), c.meldung);
    }
    msgsink::clear();
    hand leer{};
    EXPECT_EQ(skat_1::karteEntfernenBei(leer, 1).t, 0);
    EXPECT_EQ(leer.anz, 0);
    hand64 l64{};
    EXPECT_EQ(skat_1::karteEntfernenBei64(l64, 5).t, 0);
    hand25 h25{};
    handaddk25(h25, skat_1::karteBilden(5, 2));
    EXPECT_EQ(skat_1::karteEntfernenBei25(h25, 9).t, 5);
    EXPECT_EQ(h25.anz, 0);
    EXPECT_EQ(msgs.texts().size(), 3u);
    EXPECT_TRUE(msgs.contains("skat_1.karteEntfernenBei25"));
}

TEST_F(Skat1, KartenIndexPrefersExactTagThenTheLaterCard) {
    hand h = H({{8, 1}, {8, 1}, {8, 1}});
    skat_1::nrNummerieren(h);
    karte k = skat_1::karteBilden(8, 1);
    k.nr = 2;
    EXPECT_EQ(skat_1::kartenIndex(h, k), 2);
    k.nr = 9;
    EXPECT_EQ(skat_1::kartenIndex(h, k), 3);
    EXPECT_EQ(skat_1::kartenIndex(h, skat_1::karteBilden(8, 2)), 0);
    EXPECT_TRUE(skat_1::enthaeltGenau(h, karte{8, 1, 3}));
    EXPECT_FALSE(skat_1::enthaeltGenau(h, karte{8, 1, 4}));
    hand64 h64{};
    skat_1::handZuHand64(h, h64);
    k.nr = 1;
    EXPECT_EQ(skat_1::kartenIndex64(h64, k), 1);
}

TEST_F(Skat1, XassignLinksEqualCardsToDifferentSources) {
    hand src = H({{8, 1}, {3, 2}, {8, 1}});
    hand dst = H({{8, 1}, {8, 1}, {3, 2}});
    xassignfromto(src, dst);
    EXPECT_EQ(dst.at(1).nr, 3);
    EXPECT_EQ(dst.at(2).nr, 1);
    EXPECT_EQ(dst.at(3).nr, 2);
    EXPECT_TRUE(msgs.texts().empty());

    hand fremd = H({{8, 1}, {1, 4}});
    fremd.at(2).nr = 42;
    xassignfromto(H({{8, 1}}), fremd);
    EXPECT_EQ(fremd.at(1).nr, 1);
    EXPECT_EQ(fremd.at(2).nr, 42);
    ASSERT_EQ(msgs.texts().size(), 1u);
    EXPECT_EQ(msgs.texts()[0], "ACHTUNG! xassignfromto: hdst.k nicht in hsrc.k enthalten");
}

TEST_F(Skat1, SkatDisplayOrder) {
    struct Case {
        int typ;
        Karten karten;
        std::string sortiert;
    };
    const Case cases[] = {
        // Kreuz game: Buben first, then the trump suit, then the others.
        {1, {{4, 1}, {4, 3}, {8, 2}, {1, 1}, {8, 1}}, "4/1 4/3 8/1 1/1 8/2"},
        // Herz game: Herz moves in front of Kreuz and Pik behind the Buben.
        {3, {{8, 1}, {1, 3}, {4, 4}, {7, 2}, {4, 2}, {6, 3}}, "4/2 4/4 6/3 1/3 8/1 7/2"},
        // Grand: Buben, then suits in order, each in weight order (10 under As).
        {11, {{7, 2}, {4, 4}, {8, 2}, {1, 1}, {4, 1}}, "4/1 4/4 1/1 8/2 7/2"},
        // Null: As, König, Dame, Bube, 10, 9, 8, 7 within each suit, Buben not on top.
        {10,
         {{1, 3}, {7, 3}, {4, 3}, {8, 3}, {2, 3}, {6, 3}, {3, 3}, {5, 3}, {4, 1}},
         "4/1 8/3 6/3 5/3 4/3 7/3 3/3 2/3 1/3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typ);
        hand h = H(c.karten);
        skat_1::handOrdnen(h, c.typ);
        EXPECT_EQ(S(h), c.sortiert);
    }
    // The Null sort puts the default weights back.
    EXPECT_EQ(skat_1::gewichte[4 - 1], 9.0);
    EXPECT_EQ(skat_1::gewichte[7 - 1], 7.0);
    EXPECT_TRUE(msgs.texts().empty());
}

TEST_F(Skat1, SortWeightsOfNull) {
    skat_1::sortierGewichte(10);
    EXPECT_EQ(skat_1::gewichte[4 - 1], 4.0);
    EXPECT_EQ(skat_1::gewichte[7 - 1], 3.5);
    skat_1::sortierGewichte(11);
    EXPECT_EQ(skat_1::gewichte[4 - 1], 9.0);
}

TEST_F(Skat1, ValueCodesOutsideTheTablesAreReportedAndClamped) {
    hand h = H({{13, 1}, {8, 1}});
    skat_1::handOrdnen(h, 11);
    EXPECT_TRUE(msgs.contains("skat_1.handOrdnen"));
    EXPECT_EQ(h.anz, 2);
    msgsink::clear();
    // Points: 0 and 99 lie outside 1..15.
    EXPECT_EQ(skat_1::augenSumme(H({{8, 1}, {7, 2}, {4, 3}})), 23);
    EXPECT_TRUE(msgs.texts().empty());
    EXPECT_EQ(skat_1::augenSumme(H({{8, 1}, {0, 2}, {99, 3}})), 11);
    EXPECT_EQ(msgs.texts().size(), 2u);
}

TEST_F(Skat1, TrumpRuleOfEachGame) {
    struct Case {
        int spiel;
        int typ;
        int t;
        int f;
        bool trumpf;
    };
    const Case cases[] = {
        {spiele::kSkat, 11, 4, 3, true},      {spiele::kSkat, 11, 8, 1, false},  // Grand: Buben only
        {spiele::kSkat, 12, 4, 4, true},      {spiele::kSkat, 12, 8, 4, false},  // Ramsch
        {spiele::kSkat, 10, 4, 1, false},     {spiele::kSkat, 0, 4, 1, false},   // Null, none
        {spiele::kSkat, 3, 1, 3, true},       {spiele::kSkat, 3, 4, 1, true},
        {spiele::kSkat, 3, 8, 1, false},      {spiele::kPoker, 1, 4, 1, false},
        {spiele::kPoker, 1, 8, 1, false},  // Poker: never
        {spiele::kSchafkopf, 1, 5, 1, true},  {spiele::kSchafkopf, 1, 8, 1, false},
        {spiele::kDoppelkopf, 1, 8, 4, true}, {spiele::kDoppelkopf, 1, 4, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spiel << " typ " << c.typ << " " << c.t << "/" << c.f);
        cg.spielId = static_cast<uint8_t>(c.spiel);
        cg.skat.sk.typ = c.typ;
        EXPECT_EQ(skat_1::istTrumpf(skat_1::karteBilden(c.t, c.f)), c.trumpf);
    }
    // Without the game units filled in there are no trumps in their games.
    seams::spiele.schafkopfIstTrumpf = nullptr;
    cg.spielId = spiele::kSchafkopf;
    EXPECT_FALSE(skat_1::istTrumpf(skat_1::karteBilden(5, 1)));
}

TEST_F(Skat1, SuitCountsFollowEachGamesTrumps) {
    const hand h = H({{4, 3}, {8, 3}, {5, 3}, {1, 1}, {4, 1}, {5, 2}});
    struct Case {
        int spiel;
        int typ;
        int farbe;
        int anzahl;
    };
    const Case cases[] = {
        {spiele::kSkat, 3, 3, 3},       // Herz game: all Herz, the Herz Bube too
        {spiele::kSkat, 3, 6, 4},       // trumps: the Herz cards and Kreuz-Bube
        {spiele::kSchafkopf, 0, 3, 1},  // only the Herz card that is no trump
        {spiele::kSchafkopf, 0, 6, 4}, {spiele::kSchafkopf, 0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spiel << " farbe " << c.farbe);
        cg.spielId = static_cast<uint8_t>(c.spiel);
        cg.skat.sk.typ = c.typ;
        EXPECT_EQ(skat_1::farbAnzahl(h, c.farbe), c.anzahl);
    }
    // Apart from its trumps a Herz game has no Herz card left.
    cg.spielId = spiele::kSkat;
    cg.skat.sk.typ = 3;
    EXPECT_EQ(skat_1::farbAnzahlOhneTrumpf(h, 3), 0);
    EXPECT_EQ(skat_1::farbAnzahlOhneTrumpf(h, 1), 1);
}

TEST_F(Skat1, SuitFiltersSplitTheHand) {
    cg.skat.sk.typ = 11;  // Grand: only Buben are trumps
    const hand h = H({{4, 3}, {8, 3}, {1, 1}, {4, 1}, {5, 3}});
    hand teil{}, rest{};
    skat_1::farbeTeilen(h, 0, "3", true, teil);
    skat_1::farbeTeilen(h, 0, "3", false, rest);
    EXPECT_EQ(S(teil), "8/3 5/3");
    EXPECT_EQ(S(rest), "4/3 1/1 4/1");
    skat_1::farbeTeilen(h, 2, "", true, teil);
    EXPECT_EQ(S(teil), "4/3 4/1");
    skat_1::farbeTeilen(h, 0, "kein", true, teil);  // unreadable suit: nothing selected
    EXPECT_EQ(teil.anz, 0);
    hand x = h;
    EXPECT_EQ(skat_1::nurFarbe(x, 6), 2);
    // Schnapsen keeps its hands whole.
    cg.spielId = spiele::kSchnapsen;
    x = h;
    EXPECT_EQ(skat_1::nurFarbe(x, 1), 5);
    EXPECT_EQ(skat_1::ohneFarbe(x, 1), 5);
    skat_1::farbKarten(h, 3, teil);
    EXPECT_EQ(teil.anz, 5);
}

TEST_F(Skat1, PlayableCardsFollowTheLedCard) {
    cg.skat.sk.typ = 1;  // Kreuz game
    const hand h = H({{4, 3}, {8, 1}, {8, 2}, {1, 2}, {6, 3}});
    struct Case {
        Karten stich;
        std::string bedienbar;
    };
    const Case cases[] = {
        {{}, "4/3 8/1 8/2 1/2 6/3"},                // nothing led: everything
        {{{7, 2}}, "8/2 1/2"},                      // Pik led
        {{{4, 4}}, "4/3 8/1"},                      // a Bube is a trump: trumps
        {{{3, 4}, {8, 4}}, "4/3 8/1 8/2 1/2 6/3"},  // Karo led and none held: everything
        {{{2, 3}}, "6/3"},                          // Herz led: not the Herz Bube
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(S(H(c.stich)));
        g_stich = H(c.stich);
        hand d{};
        skat_1::bedienbareKarten(h, d);
        EXPECT_EQ(S(d), c.bedienbar);
    }
}

TEST_F(Skat1, RandomCardIsUniformOverAllCards) {
    rnd::seed(7);
    std::map<int, int> gezogen;
    const hand vier = H({{1, 1}, {2, 1}, {3, 1}, {4, 1}});
    for (int i = 0; i < 40000; ++i) {
        hand h = vier;
        ++gezogen[skat_1::zufallsKarte(h).t];
        ASSERT_EQ(h.anz, 3);
    }
    ASSERT_EQ(gezogen.size(), 4u);  // never the empty slot 0
    for (auto [t, n] : gezogen) {
        SCOPED_TRACE(t);
        // 10000 expected, four standard deviations either side; rounding r x 3.9 + 0.5 would
        // give the last card only about 9230.
        EXPECT_GT(n, 9650);
        EXPECT_LT(n, 10350);
    }
}

TEST_F(Skat1, ShuffleKeepsEveryCard) {
    rnd::seed(3);
    hand h = voll(32);
    h.besitzer = 4;
    const hand vorher = h;
    skat_1::mischen(h);
    ASSERT_EQ(h.anz, 32);
    EXPECT_EQ(h.besitzer, 4);
    EXPECT_NE(S(h), S(vorher));
    hand rest = vorher;
    skat_1::handAbziehen(rest, h);
    EXPECT_EQ(rest.anz, 0);
}

TEST_F(Skat1, InsertAppendAndSubtract) {
    hand h = H({{1, 1}, {2, 2}, {3, 3}});
    skat_1::karteEinfuegen(h, skat_1::karteBilden(8, 4), 2);
    EXPECT_EQ(S(h), "1/1 8/4 2/2 3/3");
    skat_1::karteEinfuegen(h, skat_1::karteBilden(7, 4), 5);
    EXPECT_EQ(S(h), "1/1 8/4 2/2 3/3 7/4");
    skat_1::handAnhaengen(h, H({{1, 1}, {5, 5}}));
    EXPECT_EQ(S(h), "1/1 8/4 2/2 3/3 7/4 1/1 5/5");
    skat_1::handAbziehen(h, H({{1, 1}, {3, 3}}));
    EXPECT_EQ(S(h), "8/4 2/2 7/4 1/1 5/5");
    skat_1::handAbziehenAlle(h, H({{1, 1}, {5, 5}}));
    EXPECT_EQ(S(h), "8/4 2/2 7/4");
    hand w{};
    skat_1::wertKartenNehmen(h, 2, w);
    EXPECT_EQ(S(w), "2/2");
    EXPECT_EQ(S(h), "8/4 7/4");
    skat_1::einzelkarte(skat_1::karteBilden(6, 1), h);
    EXPECT_EQ(S(h), "6/1");
}

TEST_F(Skat1, Hand64AppendByCopyStopsAtCapacity) {
    hand64 a{}, b{};
    for (int i = 0; i < 40; ++i) handaddk64(a, skat_1::karteBilden(1, 1));
    for (int i = 0; i < 30; ++i) handaddk64(b, skat_1::karteBilden(2, 2));
    skat_1::hand64Anhaengen2(a, b);
    EXPECT_EQ(a.anz, 64);
    EXPECT_EQ(a.at(41).t, 2);
    EXPECT_EQ(a.at(64).t, 2);
    EXPECT_TRUE(msgs.contains("skat_1.hand64Anhaengen2"));
    msgsink::clear();
    hand64 c{};
    skat_1::hand64Anhaengen2(c, b);
    EXPECT_EQ(c.anz, 30);
    EXPECT_TRUE(msgs.texts().empty());
}

TEST_F(Skat1, ConvertersCutTooManyCardsAndReport) {
    struct Case {
        int karten;
        int anz64;
        int anz25;
        bool meldung64;
        bool meldung25;
    };
    const Case cases[] = {{0, 0, 0, false, false},
                          {25, 25, 25, false, false},
                          {26, 26, 25, false, true},
                          {64, 64, 25, false, true},
                          {70, 64, 25, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.karten);
        msgsink::clear();
        hand h = voll(c.karten);
        h.besitzer = 3;
        hand64 h64{};
        skat_1::handZuHand64(h, h64);
        EXPECT_EQ(h64.anz, c.anz64);
        EXPECT_EQ(h64.besitzer, 3);
        EXPECT_EQ(msgs.contains("skat_1.handZuHand64"), c.meldung64);
        hand25 h25{};
        skat_1::handZuHand25(h, h25);
        EXPECT_EQ(h25.anz, c.anz25);
        EXPECT_EQ(h25.besitzer, 3);
        EXPECT_EQ(msgs.contains("skat_1.handZuHand25"), c.meldung25);
        hand zurueck{};
        skat_1::hand25ZuHand(h25, zurueck);
        ASSERT_EQ(zurueck.anz, c.anz25);
        for (int i = 1; i <= zurueck.anz; ++i) {
            EXPECT_TRUE(gleich(zurueck.at(i), h.at(i)));
            EXPECT_EQ(zurueck.at(i).nr, i);
        }
        skat_1::hand64ZuHand(h64, zurueck);
        EXPECT_EQ(zurueck.anz, c.anz64);
    }
}

TEST_F(Skat1, ClearingKeepsCanastaCounters) {
    hand h = voll(12);
    h.zaehler1[0] = 5;
    h.zaehler2[5][2] = 7;
    cg.spielId = spiele::kCanasta;
    skat_1::handLeeren(h);
    EXPECT_EQ(h.anz, 0);
    EXPECT_EQ(h.zaehler1[0], 5);
    EXPECT_EQ(h.at(1).t, 2);  // the cards stay
    cg.spielId = spiele::kRomme;
    skat_1::handLeeren(h);
    EXPECT_EQ(h.zaehler1[0], 0);
    EXPECT_EQ(h.zaehler2[5][2], 0);
    h = voll(12);
    skat_1::handLeeren2(h);
    EXPECT_EQ(h.at(10).t, 0);
    EXPECT_EQ(h.at(11).t, 4);
}

// In Null a card is safe when it goes under the lowest card of each opponent in its suit or the
// opponent runs out of the suit first.
TEST_F(Skat1, NullCheckCountsUnsafeCards) {
    cg.skat.sk.typ = 10;
    seams::spiele.winsu = [](const karte& a, const karte& b) { return a.f == b.f && a.t < b.t; };
    const hand a = H({{1, 1}, {8, 1}, {2, 3}});
    const hand b = H({{3, 1}, {5, 1}, {1, 3}});
    const hand c = H({{2, 1}, {8, 3}});
    karte erste{}, zweite{};
    EXPECT_EQ(skat_1::nullUnsicher(a, b, c, erste, zweite), 2);
    EXPECT_TRUE(gleich(erste, skat_1::karteBilden(8, 1)));   // Kreuz-As cannot go under
    EXPECT_TRUE(gleich(zweite, skat_1::karteBilden(2, 3)));  // Herz-8 above b's Herz-7
}

}  // namespace
