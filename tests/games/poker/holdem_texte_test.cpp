// The texts and measures around the hands: seat captions, the pot announcement, the limit line,
// the series counter and the aggression measure, on a table set up by hand.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>

#include "core/cg.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_zaehler.h"
#include "games/casino/pokerchips.h"
#include "games/poker/holdem_karten.h"
#include "platform/text.h"
#include "table/glu.h"

using namespace holdem;

namespace {

struct Tisch : testing::Test {
    void SetUp() override {
        std::memset(static_cast<void*>(&cg), 0, sizeof cg);
        pokerchips::leeren();
        glu::reset();
        automatik = false;
        cg.spielId = 8;
        cg.ablauf.anzSpieler = 4;
        cg.poker.bigBlind = 10;
        cg.poker.startGeld = 100;
        cg.poker.deutsch = 1;
        cg.poker.handNameOption = 2;
        const char* namen[] = {"Anna", "Bert", "Carl", "Dora"};
        for (int s = 1; s <= 4; ++s) {
            cg.spieler.at(s).name = namen[s - 1];
            sitz(s).zustand = 1;
            geben(s, 100);
        }
    }
    static void geben(int s, int chips) { pokerchips::AddChipsToStack(s, 0, chips, -1); }
    static std::string titel(int s) { return text::toUtf8(sitz(s).titel.str()); }
};

TEST_F(Tisch, CaptionsFollowTheSeatsActions) {
    struct Fall {
        int aktion;
        const char* blase;
        bool deutsch;
        const char* titel;
    };
    const Fall faelle[] = {
        {1, "", true, "Geht mit"},
        {1, "", false, "Called"},
        {3, "", true, "Weiter"},
        {2, "", true, "Alles gesetzt"},
        {7, "Ich passe", true, "Passt"},
        {7, "leer", true, ""},
        {7, "", true, ""},
        {4, "", true, "Erhöht um 50 €"},
        {5, "", false, "Bet 50 €"},
        {11, "", true, ""},
        {10, "", true, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.aktion << " " << f.blase);
        cg.poker.deutsch = f.deutsch;
        sitz(2).aktion = static_cast<uint8_t>(f.aktion);
        sitz(2).zustand = f.aktion == 7 ? 2 : 1;
        sitz(2).blase.assign(f.blase);
        sitz(2).letzterBetrag = 5;
        sitz(2).gesetzt = 7;
        PokerSeatCaptions();
        EXPECT_EQ(titel(2), f.titel);
    }
}

TEST_F(Tisch, TheLastSeatInTheHandWins) {
    for (int s = 2; s <= 4; ++s) sitz(s).zustand = 2;
    PokerSeatCaptions();
    EXPECT_EQ(titel(1), "Gewinnt");
    EXPECT_EQ(sitz(1).aktion, 9);
}

TEST_F(Tisch, ShowdownCaptionsNameTheHandOrTheElimination) {
    const char* karten[] = {"Kc Kd", "2c 7h"};
    for (int s = 1; s <= 2; ++s) {
        const hand64 h = pokertest::handAus(karten[s - 1]);
        TSpieler& st = glu::spieler[s - 1];
        st.anz = 2;
        for (int i = 1; i <= 2; ++i) st.at(i).c = h.at(i);
        sitz(s).aktion = 8;
    }
    const hand64 b = pokertest::handAus("5h 5s 9d Jc Qh");
    glu::spieler[kBoard - 1].anz = 5;
    for (int i = 1; i <= 5; ++i) glu::spieler[kBoard - 1].at(i).c = b.at(i);
    sitz(3).zustand = sitz(4).zustand = 2;
    pokerchips::leeren();
    geben(1, 100);
    geben(2, 3);  // below the big blind, and it won nothing
    PokerSeatCaptions();
    EXPECT_EQ(titel(1), "Zwei Paare (K,5)");
    EXPECT_EQ(titel(2), "Ausgeschieden");
}

TEST_F(Tisch, AnnouncementListsMainPotSidePotAndTheEliminated) {
    // seat 2 wins the main pot, seat 4 a side pot, seat 3 is out of chips, seat 1 folded
    pokerchips::leeren();
    geben(1, 100);
    geben(2, 150);
    geben(3, 0);
    geben(4, 40);
    sitz(1).zustand = 2;
    sitz(2).gewinnt = 1, sitz(2).potNummer = 1, sitz(2).gewinn = 50;
    sitz(4).gewinnt = 1, sitz(4).potNummer = 2, sitz(4).gewinn = 20;
    std::string t;
    announcePotWinners(t);
    EXPECT_EQ(text::toUtf8(t), "Pot geht an: Bert (500 €)\rSidepot: Dora (200 €). Carl ist ausgeschieden.");
    // a seat that wins main and side pot is listed once, in the main list, with its total
    sitz(4).gewinnt = 0, sitz(4).gewinn = 0;
    sitz(2).gewinn = 70;
    geben(3, 20);
    announcePotWinners(t);
    EXPECT_EQ(text::toUtf8(t), "Pot geht an: Bert (700 €)");
}

TEST_F(Tisch, MatchEndGivesTheSeriesPoints) {
    PokerCounter = TPokerCounter{};  // no points left from another series of this process
    PokerCounter.Init();
    EXPECT_EQ(PokerCounter.matches, 1);
    EXPECT_EQ(PokerCounter.rounds, 1);
    pokerchips::leeren();
    geben(1, 150);
    geben(2, 5);  // seats 2 and 3 are out in the same hand and share place 3
    geben(3, 5);
    geben(4, 9);  // out earlier
    sitz(4).zustand = 0;
    sitz(4).platz = 4;
    cg.poker.intervall = 100000;
    PokerRemoveBrokeSeats(true);
    EXPECT_EQ(sitz(2).platz, 2);
    EXPECT_EQ(sitz(3).platz, 2);
    EXPECT_TRUE(PokerCheckMatchEnd());
    EXPECT_EQ(PokerCounter.points[0], 4);
    EXPECT_EQ(PokerCounter.points[1], 2);
    EXPECT_EQ(PokerCounter.points[2], 2);
    EXPECT_EQ(PokerCounter.points[3], 0);
    cg.spielliste.runden = 12;
    std::string t;
    PokerLimitText(t);
    EXPECT_EQ(t, "12 Runden gespielt, 4 max. Punkten erreicht");
    EXPECT_EQ(PokerCounter.StatText(),
              "1 Matches, 1 Runden\n\rSpieler 1: 4 Punkte\n\rSpieler 2: 2 Punkte"
              "\n\rSpieler 3: 2 Punkte\n\rSpieler 4: 0 Punkte");
    for (int m = 2; m <= 20; ++m) {
        EXPECT_FALSE(PokerCounter.SeriesOver());
        PokerCounter.NextMatch();
    }
    EXPECT_TRUE(PokerCounter.SeriesOver());
    PokerCounter.Init();
    EXPECT_EQ(PokerCounter.matches, 1);
    EXPECT_EQ(PokerCounter.points[0], 0);
    // the factor of an As on the river, of a 2 before the turn
    EXPECT_FLOAT_EQ(PokerCounter.rankFactor(4, 8), 1.49f);
    EXPECT_FLOAT_EQ(PokerCounter.rankFactor(2, 9), 0.62f);
}

TEST_F(Tisch, AggressionMeasuresTheHumansAllIns) {
    cg.ablauf.anzSpieler = 3;
    sitz(4).zustand = 0;
    // a human who folds: 180 while fewer than two entries count, then 0
    sitz(1).zustand = 2;
    cg.spielliste.runden = 0;
    updateAggression();
    EXPECT_EQ(cg.poker.aggression, 180);
    cg.spielliste.runden = 1;
    updateAggression();
    EXPECT_EQ(cg.poker.aggression, 0);
    // an all-in counts 100: 100 / 50 over two entries, times 100 and three players
    sitz(1).zustand = 1;
    sitz(1).allIn = 1;
    updateAggression();
    EXPECT_EQ(cg.poker.aggressionVerlauf[0], 100);
    EXPECT_EQ(cg.poker.aggression, 300);
}

}  // namespace

namespace {

TEST_F(Tisch, SeatOrderPassesOverSeatsOutOfTheMatchAndAllIns) {
    struct Fall {
        const char* name;
        int phase, von;
        bool vor, inHand, strikt;
        int schritte, ergebnis;
    };
    // seat 2 is out of the match, seat 3 folded, seat 4 all in; seats 1 and 4 are in the hand
    const Fall faelle[] = {
        {"positions: the next seat in the match", 1, 1, true, false, true, 1, 3},
        {"positions: the previous seat in the match", 1, 3, false, false, true, 1, 1},
        {"dealing: every seat in turn", 1, 1, true, false, false, 1, 2},
        {"betting: the next seat still to act", 4, 1, true, true, false, 1, 1},
        {"betting: two steps of the match", 4, 4, true, false, false, 2, 3},
        {"backwards in the hand, all-ins count", 4, 1, false, true, false, 1, 4},
    };
    sitz(2).zustand = 0;
    sitz(3).zustand = 2;
    sitz(4).allIn = 1;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        cg.phase.nr = static_cast<uint8_t>(f.phase);
        cg.aktSpieler = f.von;
        const int s =
            f.vor ? nextSeat(f.schritte, f.inHand, f.strikt) : previousSeat(f.schritte, f.inHand, f.strikt);
        EXPECT_EQ(s, f.ergebnis);
    }
    // once every seat in the hand is all in, they are all taken in turn
    sitz(1).allIn = 1;
    cg.phase.nr = 4;
    cg.aktSpieler = 1;
    EXPECT_EQ(nextSeat(1, true, false), 4);
}

}  // namespace

TEST_F(Tisch, PanelShowsPotAndBetInTheChosenCurrency) {
    anmelden();  // the registration tells the chips the currency option
    struct Fall {
        int waehrung;
        int32_t pot, einsatz;
        const char* potText;
        const char* einsatzText;
    };
    // a chip unit is 10 money units, or 2 cents with the euro coins
    const Fall faelle[] = {
        {2, 0, 0, "Pot: 0 €", "Einsatz: 0 €"},
        {2, 35, 10, "Pot: 350 €", "Einsatz: 100 €"},
        {3, 35, 10, "Pot: 350 $", "Einsatz: 100 $"},
        {1, 35, 10, "Pot: 70 ct", "Einsatz: 20 ct"},
        {1, 150, 51, "Pot: 3,00 €", "Einsatz: 1,02 €"},
    };
    static std::string pot, einsatz;
    panelTexte = [](const std::string& p, const std::string& e) {
        pot = text::toUtf8(p);
        einsatz = text::toUtf8(e);
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.potText);
        cg.poker.waehrung = f.waehrung;
        cg.poker.pot = f.pot;
        cg.poker.einsatz = f.einsatz;
        pot = einsatz = "?";
        PokerSeatCaptions();
        EXPECT_EQ(pot, f.potText);
        EXPECT_EQ(einsatz, f.einsatzText);
        EXPECT_EQ(text::toUtf8(PokerPotText()), f.potText);
    }
    panelTexte = nullptr;
}

TEST_F(Tisch, OptionListTextsFollowTheCurrency) {
    anmelden();
    cg.spielId = 3;  // the page is also changed while another game runs
    struct Fall {
        int waehrung;
        std::array<const char*, 3> start, blinds;
    };
    const Fall faelle[] = {
        {2,
         {"1000 €", "2000 €", "5000 €"},
         {"20 € (B), 10 € (S)", "40 € (B), 20 € (S)", "100 € (B), 50 € (S)"}},
        {3,
         {"1000 $", "2000 $", "5000 $"},
         {"20 $ (B), 10 $ (S)", "40 $ (B), 20 $ (S)", "100 $ (B), 50 $ (S)"}},
        {1,
         {"2,00 €", "4,00 €", "10,00 €"},
         {"4 ct (B), 2 ct (S)", "8 ct (B), 4 ct (S)", "20 ct (B), 10 ct (S)"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.waehrung);
        const auto start = PokerStartCashTexts(f.waehrung);
        const auto blinds = PokerBlindsTexts(f.waehrung);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(text::toUtf8(start[i]), f.start[i]);
            EXPECT_EQ(text::toUtf8(blinds[i]), f.blinds[i]);
        }
        EXPECT_EQ(cg.poker.waehrung, f.waehrung);
        EXPECT_EQ(cg.spielId, 3);
    }
    EXPECT_EQ(text::toUtf8(PokerAbbreviationCaption(true)),
              "Abkürzungen verwenden (z.B. \"Paar K\" statt \"Paar König\")");
    EXPECT_EQ(text::toUtf8(PokerAbbreviationCaption(false)),
              "Abkürzungen verwenden (z.B. \"Paar K\" statt \"Pair King\")");
}

TEST_F(Tisch, TheLastCheckedPresetBoxSetsTheLists) {
    struct Fall {
        std::array<bool, 3> boxen;
        bool gewaehlt;
        int waehrung, blinds, variante;
    };
    const Fall faelle[] = {
        {{false, false, false}, false, 0, 0, 0},
        {{true, false, false}, true, 2, 1, 3},
        {{false, true, false}, true, 1, 1, 2},
        {{false, false, true}, true, 3, 2, 1},
        {{true, true, false}, true, 1, 1, 2},
        {{true, false, true}, true, 3, 2, 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.boxen[0] << f.boxen[1] << f.boxen[2]);
        const bool b[3] = {f.boxen[0], f.boxen[1], f.boxen[2]};
        Vorwahl v{0, 0, 0, 0, 0, 0};
        ASSERT_EQ(PokerPreset(b, v), f.gewaehlt);
        if (!f.gewaehlt) continue;
        EXPECT_EQ(v.spieler, 5);
        EXPECT_EQ(v.startGeld, 2);
        EXPECT_EQ(v.intervall, 3);
        EXPECT_EQ(v.waehrung, f.waehrung);
        EXPECT_EQ(v.blinds, f.blinds);
        EXPECT_EQ(v.variante, f.variante);
    }
}

TEST_F(Tisch, OnlyTheFirstPresetsSettingsMatchIt) {
    auto erstes = [] {
        cg.poker.splitLimit = cg.poker.potLimit = 0;
        cg.ablauf.anzSpieler = 6;
        cg.poker.waehrung = 2;
        cg.poker.intervall = 10;
        cg.poker.bigBlindStart = 2;
        cg.poker.startGeld = 200;
    };
    erstes();
    EXPECT_TRUE(PokerMatchesFirstPreset());
    const std::function<void()> abweichungen[] = {
        [] { cg.poker.potLimit = 1; },       [] { cg.poker.splitLimit = 1; },
        [] { cg.ablauf.anzSpieler = 5; },    [] { cg.poker.waehrung = 1; },
        [] { cg.poker.intervall = 7; },      [] { cg.poker.bigBlindStart = 4; },
        [] { cg.poker.startGeld = 500; },
    };
    for (size_t i = 0; i < std::size(abweichungen); ++i) {
        SCOPED_TRACE(i);
        erstes();
        abweichungen[i]();
        EXPECT_FALSE(PokerMatchesFirstPreset());
    }
}

TEST_F(Tisch, EveryBettingTickFirstTakesDepartedChipsOutOfTheStacks) {
    // seat 2: three 1-chips of which the middle one has left; seat 3's lower marker has left too
    pokerchips::leeren();
    pokerchips::AddChipsToStack(2, 0, 3, -1);
    pokerchips::AddChipsToStack(3, pokerchips::kMarke, 2, -1);
    pokerchips::seat(2).stacks[0].entries[1].zustand = pokerchips::kFort;
    pokerchips::seat(2).removal = 1;
    pokerchips::seat(3).stacks[pokerchips::kMarke].entries[0].zustand = pokerchips::kFort;
    pokerchips::seat(3).removal = 1;
    cg.phase.nr = 4;
    cg.antwort.warten = 6;  // the hand is being handed on: nothing else happens in the tick
    cg.phase.schritt = 0;
    pokerStep(cg);
    const pokerchips::ChipStack& st = pokerchips::seat(2).stacks[0];
    EXPECT_EQ(st.count, 2);
    EXPECT_EQ(pokerchips::seatChipTotal(2), 2);
    EXPECT_EQ(pokerchips::seat(2).removal, 0);
    for (int i = 0; i < st.count; ++i) {
        EXPECT_EQ(st.entries[i].slot, i);
        EXPECT_EQ(st.entries[i].zustand, pokerchips::kRuht);
    }
    // a marker away from the bank keeps its slot, reserved
    EXPECT_EQ(pokerchips::seat(3).stacks[pokerchips::kMarke].count, 2);
    EXPECT_EQ(pokerchips::seat(3).stacks[pokerchips::kMarke].entries[0].zustand, pokerchips::kReserviert);
    EXPECT_EQ(pokerchips::seat(3).removal, 0);
}
