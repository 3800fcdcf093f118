// The card rules of Jass by the Schieber rules: card points for every trump code, the trump
// order, the follow rule with the trump Bube and no undertrumping, the trick winner in the
// suits and the directions with Slalom, and the Weis search. Every expected value is worked out
// by hand.
#include <gtest/gtest.h>

#include "games/jass/jass_karten.h"

namespace {

using jasstest::h;
using jasstest::k;
using jasstest::stich;
using jasstest::text;

TEST(JassRegeln, EveryTrumpCodeHolds152CardPoints) {
    // Suit game: trump B 20 + 9 14 + A 11 + 10 + K 4 + D 3 = 62, each other suit A, 10, K, D, B =
    // 30, so 62 + 3 x 30. Directions: A (or 6) 11, 10, K 4, D 3, B 2, 8 8 = 38 per suit.
    const hand deck = jasstest::alle36();
    ASSERT_EQ(deck.anz, 36);
    for (int t : {1, 2, 3, 4, jass::kObenabe, jass::kUndenufe, jass::kSlalomObenabe, jass::kSlalomUndenufe}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(jass::handPunkte(deck, t), 152);
    }
}

TEST(JassRegeln, CardPointsFollowTheTrumpCode) {
    struct Case {
        const char* karte;
        int trumpf;
        int punkte;
    };
    const Case cases[] = {
        {"HB", 3, 20},  {"H9", 3, 14},  {"HA", 3, 11}, {"H8", 3, 0},   {"PB", 3, 2},  {"P9", 3, 0},
        {"P8", 3, 0},   {"P6", 3, 0},   {"P8", 15, 8}, {"PA", 15, 11}, {"P6", 15, 0}, {"PB", 15, 2},
        {"P8", 16, 8},  {"P6", 16, 11}, {"PA", 16, 0}, {"P9", 16, 0},  {"P8", 18, 8}, {"P6", 18, 0},
        {"PA", 18, 11}, {"P6", 19, 11}, {"PA", 19, 0}, {"P8", 19, 8},  {"RK", 19, 4}, {"RD", 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.karte << " / " << c.trumpf);
        EXPECT_EQ(jass::kartenPunkte(k(c.karte), c.trumpf), c.punkte);
    }
}

TEST(JassRegeln, TrumpRanksBubeNeunAssAboveEveryOtherCard) {
    const jass::Ordnung o = jass::ordnung(false, 3);
    const char* absteigend[] = {"HB", "H9", "HA", "HK", "HD", "H10", "H8", "H7", "H6", "KA", "K6"};
    for (size_t i = 0; i + 1 < std::size(absteigend); ++i) {
        SCOPED_TRACE(absteigend[i]);
        EXPECT_GT(o.wert(k(absteigend[i])), o.wert(k(absteigend[i + 1])));
    }
    // Undenufe turns every suit upside down: the Sechs beats the Ass.
    const jass::Ordnung u = jass::ordnung(true, 0);
    EXPECT_GT(u.wert(k("P6")), u.wert(k("P7")));
    EXPECT_GT(u.wert(k("PK")), u.wert(k("PA")));
    EXPECT_FALSE(jass::istTrumpf(k("H6"), jass::kObenabe));
    EXPECT_TRUE(jass::istTrumpf(k("H6"), 3));
}

TEST(JassRegeln, PlayableCardsFollowSuitTrumpBubeAndNoUndertrumping) {
    struct Case {
        int trumpf;
        hand stich;
        hand hand_;
        const char* spielbar;
    };
    const Case cases[] = {
        // leading: anything
        {3, stich({}), h({"HB", "P7", "KK"}), "HB P7 KK"},
        // trump led, the only trump is the Bube: it need not follow
        {3, stich({"HA"}), h({"HB", "P7", "KK"}), "HB P7 KK"},
        // trump led with other trumps in hand: trumps only
        {3, stich({"H10"}), h({"HB", "H6", "P7"}), "HB H6"},
        // trump led, no trump in hand
        {3, stich({"HA"}), h({"P7", "KK"}), "P7 KK"},
        // suit led: that suit or a trump
        {3, stich({"P10"}), h({"P8", "H6", "KA"}), "P8 H6"},
        {3, stich({"P10"}), h({"P8", "HB"}), "P8 HB"},
        // trumped already: a lower trump is refused
        {3, stich({"P10", "H9"}), h({"P8", "H6", "KA"}), "P8"},
        {3, stich({"P10", "H9"}), h({"H6", "KA"}), "KA"},
        // ... but a higher one may overtrump
        {3, stich({"P10", "H9"}), h({"HB", "KA"}), "HB KA"},
        // only lower trumps left: the whole hand
        {3, stich({"P10", "H9"}), h({"H6", "H7"}), "H6 H7"},
        // directions: follow suit, no trump at all
        {jass::kObenabe, stich({"P10"}), h({"P6", "HA"}), "P6"},
        {jass::kUndenufe, stich({"P10"}), h({"HA", "KA"}), "HA KA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << text(c.stich) << " / " << text(c.hand_));
        hand aus;
        jass::legaleKarten(c.hand_, c.stich, c.trumpf, jass::stichOrdnung(c.trumpf, 0), aus);
        EXPECT_EQ(text(aus), c.spielbar);
    }
}

TEST(JassRegeln, TrickWinnerInSuitsDirectionsAndSlalom) {
    struct Case {
        int trumpf;
        int stichZahl;  // completed tricks before this one (Slalom alternates)
        hand stich;     // seats 1, 4, 3, 2 in playing order
        int gewinner;
    };
    const Case cases[] = {
        {3, 0, stich({"P10", "PA", "H6", "PK"}), 3},  // the smallest trump beats the led Ass
        {3, 0, stich({"HA", "H9", "HB", "HK"}), 3},   // trump Bube above trump Neun
        {3, 0, stich({"HA", "H9", "HK", "H6"}), 4},   // trump Neun above trump Ass
        {3, 0, stich({"P7", "KA", "RA", "P8"}), 2},   // off-suit Asse take nothing
        {15, 0, stich({"P10", "KA", "PK", "P6"}), 3},
        {16, 0, stich({"P10", "P6", "PA", "K6"}), 4},  // Undenufe: the led suit's Sechs
        {18, 0, stich({"P10", "P7", "PA", "P6"}), 3},  // Slalom Obenabe: first trick high
        {18, 1, stich({"P10", "P7", "PA", "P6"}), 2},  // second trick low
        {18, 2, stich({"P10", "P7", "PA", "P6"}), 3},
        {19, 0, stich({"P10", "P7", "PA", "P6"}), 2},  // Slalom Undenufe: first trick low
        {19, 1, stich({"P10", "P7", "PA", "P6"}), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.trumpf << " / " << c.stichZahl << ": " << text(c.stich));
        const karte b = jass::stichBeste(c.stich, c.trumpf, jass::stichOrdnung(c.trumpf, c.stichZahl));
        EXPECT_EQ(b.nr, c.gewinner);
    }
    // A card that would take the trick, and one that would not; the trick stays as it was.
    const hand s = stich({"P10", "PA"});
    const jass::Ordnung o = jass::stichOrdnung(3, 0);
    EXPECT_TRUE(jass::wuerdeStechen(k("H6"), s, 3, o));
    EXPECT_FALSE(jass::wuerdeStechen(k("PK"), s, 3, o));
    EXPECT_EQ(s.anz, 2);
}

TEST(JassWeis, RunsAndFourOfAKindByValue) {
    struct Case {
        hand gegeben;
        int trumpf;
        int wert;
        const char* karten;  // the Weis cards found, "" for none
    };
    const hand sieben = h({"H6", "H7", "H8", "H9", "H10", "HB", "HD", "PA", "KA"});
    const hand sechser = h({"K6", "P6", "H6", "R6", "K10", "PA", "HD", "R8", "KK"});
    const hand asse = h({"KA", "PA", "HA", "RA", "K7", "P9", "HB", "R6", "K10"});
    const hand zwei = h({"H7", "H8", "H9", "P10", "PB", "PD", "KA", "R6", "K8"});
    const Case cases[] = {
        // a seven-card run offers 100, 50 and 20; its 100 is the whole run
        {sieben, 1, 100, "HD HB H10 H9 H8 H7 H6"},
        {sieben, 1, 50, "HD HB H10 H9"},
        {sieben, 1, 20, "HD HB H10"},
        {sieben, 1, 150, ""},
        {sieben, 1, 200, ""},
        // four Sechsen count only in Undenufe, four Asse in every other game
        {sechser, jass::kUndenufe, 100, "K6 P6 H6 R6"},
        {sechser, jass::kSlalomUndenufe, 100, "K6 P6 H6 R6"},
        {sechser, 1, 100, ""},
        {sechser, jass::kObenabe, 100, ""},
        {asse, jass::kUndenufe, 100, ""},
        {asse, jass::kSlalomUndenufe, 100, ""},
        {asse, 3, 100, "KA PA HA RA"},
        {asse, jass::kSlalomObenabe, 100, "KA PA HA RA"},
        {asse, 3, 20, ""},
        {h({"KB", "PB", "HB", "RB", "K9", "P9", "H9", "R9", "KA"}), 1, 200, "KB PB HB RB"},
        {h({"KB", "PB", "HB", "RB", "K9", "P9", "H9", "R9", "KA"}), 1, 150, "K9 P9 H9 R9"},
        // of two runs of three the higher one counts; in Undenufe the lower cards are the higher
        {zwei, 1, 20, "PD PB P10"},
        {zwei, jass::kUndenufe, 20, "H7 H8 H9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << text(c.gegeben) << " / " << c.trumpf << " / " << c.wert);
        hand w;
        jass::weisSuchen(c.gegeben, c.wert, c.trumpf, w);
        EXPECT_EQ(text(w), c.karten);
        EXPECT_EQ(jass::hatWeis(c.gegeben, c.wert, c.trumpf), std::string(c.karten) != "");
    }
    hand w;
    EXPECT_EQ(jass::weisSuchen(sieben, 20, 1, w), 7);
}

TEST(JassWeis, ComparisonKeysOfTheTieBreakChain) {
    const hand herz = h({"H10", "H9", "H8", "H7"});
    const hand pik = h({"PA", "PK", "PD", "PB"});
    const hand damen = h({"KD", "PD", "HD", "RD"});
    struct Case {
        const hand* weis;
        int art;
        int trumpf;
        int position;
        int wert;
    };
    const Case cases[] = {
        {&herz, 1, 3, 1, 4}, {&damen, 1, 3, 1, 4}, {&herz, 2, 3, 1, 50},
        {&pik, 2, 3, 1, 90},                                              // the top card's rank, trump or not
        {&herz, 3, 3, 1, 1}, {&pik, 3, 3, 1, 0},   {&damen, 3, 3, 1, 0},  // a run in trump
        {&herz, 4, 3, 1, 9}, {&herz, 4, 3, 2, 8},                         // earlier first
        {&herz, 6, 3, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << text(*c.weis) << " kind " << c.art);
        EXPECT_EQ(jass::weisSchluessel(*c.weis, c.art, c.trumpf, c.position), c.wert);
    }
    EXPECT_EQ(jass::weisName(3), "Dreiblatt");
    EXPECT_EQ(jass::weisName(9), "Neunblatt");
}

}  // namespace
