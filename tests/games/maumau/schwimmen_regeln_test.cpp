// Schwimmen rules and computer player: hand values in tenths, the result of a round, the match
// end, who still plays after a knock, direct 31, and the evaluated swap.
#include <gtest/gtest.h>

#include <cstring>

#include "games/rummy_shedding/schwimmen.h"
#include "karten_helfer.h"
#include "platform/text.h"

namespace {

using kartentest::k;

// Built one by one: GCC 12 at -O2 drops the count of a record built inline into a braced list
// (see tests/core/karten_test.cpp).
std::vector<hand> haende(std::initializer_list<hand> l) {
    std::vector<hand> v;
    for (const hand& h : l) {
        v.emplace_back();
        std::memcpy(&v.back(), &h, sizeof(hand));
    }
    return v;
}

hand h3(karte a, karte b, karte c) {
    hand h{};
    h.anz = 3;
    h.at(1) = a;
    h.at(2) = b;
    h.at(3) = c;
    return h;
}

TSchwimmen optionen(bool pasch = true, bool alle = true, bool positiv = false) {
    TSchwimmen s{};
    schwimmen::standardOptionen(s);
    s.mitPasch = pasch;
    s.alleTauschen = alle;
    s.positiv = positiv;
    return s;
}

TEST(SchwimmenRegeln, HandValuesInTenths) {
    struct Case {
        hand h;
        bool pasch;
        int wert;
    };
    const Case cases[] = {
        {h3(k(8, 1), k(7, 1), k(6, 1)), false, 310},  // As, Zehn, König of one suit: 31
        {h3(k(8, 3), k(4, 3), k(5, 3)), false, 310},  // As, Bube, Dame
        {h3(k(5, 1), k(5, 2), k(5, 3)), true, 305},   // three Damen: 30,5
        {h3(k(5, 1), k(5, 2), k(5, 3)), false, 100},  // without the option: one Dame, 10
        {h3(k(8, 1), k(8, 2), k(8, 3)), true, 310},   // three Asse
        {h3(k(8, 1), k(8, 2), k(8, 3)), false, 110},  // three Asse of different suits
        {h3(k(1, 1), k(1, 2), k(1, 3)), true, 305},   // three Sieben are still 30,5
        {h3(k(7, 1), k(3, 1), k(6, 2)), false, 190},  // Zehn + Neun Kreuz
        {h3(k(7, 1), k(7, 2), k(1, 3)), false, 100},  // two suits of equal sums: that sum
        {h3(k(8, 4), k(2, 4), k(6, 1)), false, 190},  // As + Acht Karo beat the König
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wert << (c.pasch ? " mit Pasch" : ""));
        EXPECT_EQ(schwimmen::handWert(c.h, c.pasch), c.wert);
    }
}

TEST(SchwimmenRegeln, ValueTexts) {
    EXPECT_EQ(schwimmen::wertText(305), "30,5");
    EXPECT_EQ(schwimmen::wertText(310), "31");
    EXPECT_EQ(schwimmen::wertText(190), "19");
}

TEST(SchwimmenRegeln, RoundResultSharesThePointOnTies) {
    const std::vector<std::string> namen = {"Anna", "Bert", "Carl", "Dora"};
    const auto neg = schwimmen::rundenErgebnis({250, 180, 300, 180}, false, namen);
    EXPECT_EQ(neg.punkte, (std::vector<int>{0, -1, 0, -1}));
    EXPECT_EQ(neg.text, "Bert und Dora verlieren mit 18 Augen.");
    const auto pos = schwimmen::rundenErgebnis({305, 180, 305, 305}, true, namen);
    EXPECT_EQ(pos.punkte, (std::vector<int>{1, 0, 1, 1}));
    EXPECT_EQ(pos.text, "Anna, Carl und Dora gewinnen mit 30,5 Augen.");
    EXPECT_EQ(pos.kurz, "30,5 Augen");
    const auto eins = schwimmen::rundenErgebnis({310, 180}, true, namen);
    EXPECT_EQ(eins.text, "Anna gewinnt mit 31 Augen.");
}

TEST(SchwimmenRegeln, MatchEndAndListTexts) {
    TSchwimmen s = optionen();
    s.rundenLimit = 200;
    s.punkteLimit = 3;
    int32_t konto[4] = {0, -2, 0, -1};
    EXPECT_FALSE(schwimmen::partieEnde(s, 50, konto, 3));
    konto[1] = -3;
    EXPECT_TRUE(schwimmen::partieEnde(s, 50, konto, 3));
    s.positiv = 1;
    EXPECT_FALSE(schwimmen::partieEnde(s, 50, konto, 3));
    s.rundenLimit = 50;
    EXPECT_TRUE(schwimmen::partieEnde(s, 50, konto, 3));
    EXPECT_EQ(schwimmen::zahlAusText("12 Punkte"), 12);
    EXPECT_EQ(schwimmen::zahlAusText("1 Runde"), 1);
    EXPECT_EQ(schwimmen::zahlAusText("Keine Grenze"), 0);
}

TEST(SchwimmenRegeln, WhoStillPlaysAfterAKnockCountsRoundTheTable) {
    TSchwimmen s = optionen();
    s.geklopft = 1;
    // Three seats, seat 2 knocked: seat 3 is on turn with one turn begun since the knock.
    s.zuegeNachKlopfen = 1;
    EXPECT_TRUE(schwimmen::nochDran(s, 3, 1, 3));   // seat 1 follows past the last seat
    EXPECT_FALSE(schwimmen::nochDran(s, 3, 2, 3));  // the knocker
    // Four seats, seat 4 knocked; seat 2 on turn, its turn the second since the knock.
    s.zuegeNachKlopfen = 2;
    EXPECT_TRUE(schwimmen::nochDran(s, 2, 3, 4));
    EXPECT_FALSE(schwimmen::nochDran(s, 2, 4, 4));
    EXPECT_FALSE(schwimmen::nochDran(s, 2, 1, 4));  // already had its turn
    s.geklopft = 0;
    EXPECT_TRUE(schwimmen::nochDran(s, 2, 1, 4));
}

TEST(SchwimmenKi, DirectThirtyOneIsAlwaysTaken) {
    const TSchwimmen s = optionen(true, false);
    // As and Zehn Herz in hand, Bube Herz on the table: give the Sieben (slot 3), take slot 2.
    const hand eigene = h3(k(8, 3), k(7, 3), k(1, 1));
    const hand tisch = h3(k(5, 2), k(4, 3), k(2, 4));
    const schwimmenki::Wahl w = schwimmenki::direktWahl(eigene, tisch, s);
    EXPECT_EQ(w.entscheidung, 1);
    EXPECT_EQ(w.i, 3);
    EXPECT_EQ(w.j, 2);
    // With "Alle Karten tauschen erlaubt" a table of As, König and Dame of one suit is taken whole.
    const TSchwimmen alle = optionen(true, true);
    const schwimmenki::Wahl a = schwimmenki::direktWahl(eigene, h3(k(8, 2), k(6, 2), k(5, 2)), alle);
    EXPECT_EQ(a.entscheidung, 2);
    // Every level takes the direct 31 (the turn checks it before weighing): nothing to weigh.
    EXPECT_EQ(schwimmenki::direktWahl(h3(k(1, 1), k(2, 2), k(3, 3)), tisch, s).entscheidung, 0);
}

TEST(SchwimmenKi, LevelTwoTakesTheHighestOwnValueWhateverItLeaves) {
    TSchwimmen s = optionen(false, false, true);
    // Seat 1: Zehn and Neun Kreuz (19). Table: As Kreuz, König Pik, Dame Pik.
    // Seat 2 holds As Pik and Bube Pik: a Pik card left on the table gives it 31.
    const std::vector<hand> hs = haende({h3(k(7, 1), k(3, 1), k(1, 4)), h3(k(8, 2), k(4, 2), k(1, 3))});
    const hand tisch = h3(k(8, 1), k(6, 2), k(5, 2));
    // Level 2: the As Kreuz for the Sieben Karo: 11 + 10 + 9 = 30.
    const schwimmenki::Wahl w2 = schwimmenki::tauschWahl(hs, tisch, s, 1, 2);
    EXPECT_EQ(w2.entscheidung, 1);
    EXPECT_EQ(w2.i, 3);
    EXPECT_EQ(w2.j, 1);
    // Level 3 sees that every swap leaves König and Dame Pik or a Pik on the table, so seat 2 can
    // reach 31: 300 - 155 = 145 for the best swap, below the 190 of keeping. It keeps.
    const schwimmenki::Wahl w3 = schwimmenki::tauschWahl(hs, tisch, s, 1, 3);
    EXPECT_EQ(w3.entscheidung, 0);
}

TEST(SchwimmenKi, PositiveModeStopsSwappingAtTwentyNine) {
    const TSchwimmen s = optionen(false, false, true);
    const hand tisch = h3(k(6, 1), k(5, 3), k(4, 4));  // König Kreuz, Dame Herz, Bube Karo
    const hand gegner = h3(k(1, 3), k(2, 3), k(3, 4));
    // As, Zehn and Neun Kreuz hold 30: the König would make 31, but at 29 or more the weighed
    // swap is dropped (a direct 31 is taken before any weighing).
    const std::vector<hand> hoch = haende({h3(k(8, 1), k(7, 1), k(3, 1)), gegner});
    EXPECT_EQ(schwimmenki::tauschWahl(hoch, tisch, s, 1, 3).entscheidung, 0);
    // As and Zehn Kreuz with the Sieben Pik hold 21: the Sieben goes for the König.
    const schwimmenki::Wahl w = schwimmenki::tauschWahl(haende({h3(k(8, 1), k(7, 1), k(1, 2)), gegner}), tisch, s, 1, 3);
    EXPECT_EQ(w.entscheidung, 1);
    EXPECT_EQ(w.i, 3);
    EXPECT_EQ(w.j, 1);
}

}  // namespace
