// The computer player of Texas Hold'em: its hand values against the program's evaluator, the
// win estimate (preflop table, river, ties, several opponents, slices), the situation record,
// the learning store and brain.txt, and the decision rules with a fixed random source.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/gtool.h"
#include "games/casino/holdem_bewertung.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_preflop.h"
#include "holdem_karten.h"
#include "platform/msgsink.h"
#include "platform/text.h"

namespace {

namespace fs = std::filesystem;
using namespace holdem;
using namespace holdem::ki;
using pokertest::handAus;
using pokertest::karteAus;

// Draws from a list, then `danach` for ever.
Zufall folge(std::vector<double> werte, double danach = 0.99) {
    auto q = std::make_shared<std::deque<double>>(werte.begin(), werte.end());
    return Zufall{[q, danach] {
        if (q->empty()) return danach;
        const double d = q->front();
        q->pop_front();
        return d;
    }};
}

std::vector<uint8_t> indizes(const std::string& s) {
    const hand64 h = handAus(s);
    std::vector<uint8_t> v;
    for (int i = 1; i <= h.anz; ++i) v.push_back(static_cast<uint8_t>(kartenIndex(h.at(i))));
    return v;
}

Schaetzung ganz(const std::string& hole, const std::string& board, int imSpiel, int inPartie) {
    const auto h = indizes(hole);
    Schaetzer s;
    s.start({h[0], h[1]}, indizes(board), imSpiel, inPartie, nullptr);
    EXPECT_TRUE(s.weiter(0));
    return s.ergebnis();
}

// ---- hand values ----

TEST(HoldemKiWert, OrdersRandomHandsAsTheProgramsEvaluator) {
    std::mt19937 gen(11);
    std::vector<karte> deck;
    for (uint8_t f = 1; f <= 4; ++f)
        for (uint8_t t = 1; t <= 13; ++t) deck.push_back(karte{t, f, 0});
    uint32_t vorher = 0;
    HandValue vorherWert{};
    for (int n = 0; n < 3000; ++n) {
        std::shuffle(deck.begin(), deck.end(), gen);
        hand64 h{};
        uint8_t k[7];
        for (int i = 0; i < 7; ++i) {
            h.at(++h.anz) = deck[static_cast<size_t>(i)];
            k[i] = static_cast<uint8_t>(kartenIndex(deck[static_cast<size_t>(i)]));
        }
        HandValue v;
        evaluateHand(h, false, v);
        const uint32_t w = handWert(k, 7);
        ASSERT_EQ(w >> 20, v.category) << pokertest::text(h);
        if (n > 0) {
            const int c = compareHandValues(v, vorherWert);
            EXPECT_EQ(c == 1, w > vorher) << pokertest::text(h);
            EXPECT_EQ(c == 0, w == vorher) << pokertest::text(h);
        }
        vorher = w;
        vorherWert = v;
    }
}

TEST(HoldemKiWert, NamedHands) {
    struct Fall {
        const char* karten;
        unsigned kategorie;
    } faelle[] = {
        {"Ah Kh Qh Jh Th 2c 3d", kRoyalFlush}, {"5h 4h 3h 2h Ah Kc Kd", kStraightFlush},
        {"9c 9d 9h 9s 2c 3d 4h", kFourOfAKind}, {"9c 9d 9h 2s 2c 3d 4h", kFullHouse},
        {"9c 9d 9h 2s 2c 2d 4h", kFullHouse},   {"Ac 5d 4h 3s 2c 9d 9h", kStraight},
        {"2c 2d 3h 3s 4c 4d Ah", kTwoPairs},    {"2c 7c 9c Jc Kc Ad Ah", kFlush},
    };
    for (const Fall& f : faelle) {
        const auto k = indizes(f.karten);
        EXPECT_EQ(handWert(k.data(), 7) >> 20, f.kategorie) << f.karten;
    }
    // the wheel is the lowest straight, the As-high flush beats the König-high one
    auto w = [](const char* s) {
        const auto k = indizes(s);
        return handWert(k.data(), 7);
    };
    EXPECT_LT(w("Ac 5d 4h 3s 2c Jd Qh"), w("6c 5d 4h 3s 2c Jd Qh"));
    EXPECT_GT(w("Ac 7c 9c Jc 2c Kd Qh"), w("Kc 7c 9c Jc 2c Ad Qh"));
}

// ---- the estimate ----

class HoldemKiPreflop : public ::testing::Test {
protected:
    void SetUp() override {
        if (!loadPreflopTable(KS_SOURCE_DIR)) GTEST_SKIP() << "data/pfp.txt has not been made";
    }
};

TEST_F(HoldemKiPreflop, EstimatesAreTheTablesCells) {
    const hand64 leer{};
    for (const char* hole : {"Ah Ad", "Kh Qh", "7s 2c", "2c 7s", "Ts 9s"})
        for (int im = 2; im <= 6; ++im) {
            const hand64 h = handAus(hole);
            const Schaetzung e = schaetzen(h.at(1), h.at(2), leer, im, 6, nullptr);
            EXPECT_FLOAT_EQ(static_cast<float>(e.erste), preflopWinChance(h.at(1), h.at(2), im)) << hole << im;
            EXPECT_FLOAT_EQ(static_cast<float>(e.zweite), preflopWinChance(h.at(1), h.at(2), 6)) << hole;
        }
}

TEST_F(HoldemKiPreflop, HeadsUpChancesMatchTheExactEquities) {
    // Exact heads-up equities, a split pot counted half: the table holds them within one step
    // of 1/255 (72o splits one pot in seventeen, so counting a split as won would be 3 points off).
    struct Fall {
        const char* hole;
        double equity;
    } faelle[] = {{"Ah Ad", 85.20}, {"Kh Kd", 82.40}, {"Ah Kh", 67.04}, {"7s 2c", 34.58}};
    const hand64 leer{};
    for (const Fall& f : faelle) {
        const hand64 h = handAus(f.hole);
        const Schaetzung e = schaetzen(h.at(1), h.at(2), leer, 2, 2, nullptr);
        EXPECT_NEAR(e.erste * 100, f.equity, 100.0 / 255) << f.hole;
    }
}

TEST(HoldemKiSchaetzung, OnTheRiverOnlyTheSeatsOwnCategoryIsReached) {
    // Three aces; only an opponent holding a 3 and a 5 (16 of the 990 hands) makes the wheel.
    const Schaetzung e = ganz("Ac Ad", "Ah Kd 7s 4c 2h", 3, 6);
    for (int k = 1; k <= 10; ++k) EXPECT_DOUBLE_EQ(e.reach[static_cast<size_t>(k)], k == kThreeOfAKind ? 1.0 : 0.0) << k;
    const double q = 16.0 / 990;
    // three seats in the hand, the seat among them; six in the game
    EXPECT_NEAR(e.ersteExakt, std::pow(1 - q, 3), 1e-12);
    EXPECT_NEAR(e.zweiteExakt, std::pow(1 - q, 6), 1e-12);
    const Schaetzung zwei = ganz("Ac Ad", "Ah Kd 7s 4c 2h", 2, 2);
    EXPECT_NEAR(zwei.ersteExakt, std::pow(1 - q, 2), 1e-12);
}

TEST(HoldemKiSchaetzung, ATieDoesNotLowerTheEstimate) {
    // the Royal Flush on the board: every opponent ties
    EXPECT_DOUBLE_EQ(ganz("2c 3d", "As Ks Qs Js Ts", 6, 6).ersteExakt, 1.0);
    // the nut straight on the board with a pair below it: only ties
    EXPECT_DOUBLE_EQ(ganz("2c 2d", "Ah Kd Qs Jc Th", 2, 2).ersteExakt, 1.0);
}

TEST(HoldemKiSchaetzung, SlicesGiveTheWholeWalk) {
    const auto h = indizes("Ah Qh");
    const auto b = indizes("Kh 7h 2c");
    Schaetzer ganzer;
    ganzer.start({h[0], h[1]}, b, 3, 5, nullptr);
    ASSERT_TRUE(ganzer.weiter(0));
    Schaetzer teil;
    teil.start({h[0], h[1]}, b, 3, 5, nullptr);
    int scheiben = 1;
    while (!teil.weiter(1)) ++scheiben;
    EXPECT_GE(scheiben, 1);
    EXPECT_DOUBLE_EQ(teil.ergebnis().ersteExakt, ganzer.ergebnis().ersteExakt);
    EXPECT_DOUBLE_EQ(teil.ergebnis().zweiteExakt, ganzer.ergebnis().zweiteExakt);
    // a flush draw with two overcards is neither lost nor won
    EXPECT_GT(ganzer.ergebnis().ersteExakt, 0.3);
    EXPECT_LT(ganzer.ergebnis().ersteExakt, 0.9);
    // reaches add up to the whole
    double summe = 0, w = 1;
    for (int k = 10; k >= 1; --k) {
        summe += w * ganzer.ergebnis().reach[static_cast<size_t>(k)];
        w -= w * ganzer.ergebnis().reach[static_cast<size_t>(k)];
    }
    EXPECT_NEAR(summe, 1.0, 1e-9);
}

TEST(HoldemKiSchaetzung, WeightsOfRareHoleCardsRaiseTheEstimate) {
    const auto h = indizes("Tc Td");
    const auto b = indizes("9h 8s 2c 3d");
    std::array<float, 13> g{};
    g.fill(0.5f);
    Schaetzer s;
    s.start({h[0], h[1]}, b, 2, 2, &g);
    s.weiter(0);
    const Schaetzung e = s.ergebnis();
    EXPECT_GT(e.erste, e.ersteExakt);
    g.fill(1.0f);
    s.start({h[0], h[1]}, b, 2, 2, &g);
    s.weiter(0);
    EXPECT_NEAR(s.ergebnis().erste, s.ergebnis().ersteExakt, 1e-12);
}

// The walk written as plainly as it goes: every board, every pair of opponent cards in card
// order, each seven cards valued on their own; the weights of a category summed pair by pair.
Schaetzung schlichterLauf(const std::array<uint8_t, 2>& hole, const std::vector<uint8_t>& board, int imSpiel,
                          int inPartie, const std::array<float, 13>* g) {
    std::vector<uint8_t> offen;
    for (uint8_t c = 0; c < 52; ++c)
        if (c != hole[0] && c != hole[1] && std::find(board.begin(), board.end(), c) == board.end())
            offen.push_back(c);
    const size_t fehlen = 5 - board.size();
    std::array<double, 11> anz{}, sA{}, sB{}, sAw{}, sBw{};
    auto lauf = [&](const std::vector<size_t>& gezogen) {
        std::vector<uint8_t> tisch = board, rest;
        for (size_t x : gezogen) tisch.push_back(offen[x]);
        for (size_t x = 0; x < offen.size(); ++x)
            if (std::find(gezogen.begin(), gezogen.end(), x) == gezogen.end()) rest.push_back(offen[x]);
        auto wert = [&](uint8_t a, uint8_t b) {
            std::vector<uint8_t> k = tisch;
            k.push_back(a);
            k.push_back(b);
            return handWert(k.data(), 7);
        };
        const uint32_t mein = wert(hole[0], hole[1]);
        const unsigned kat = mein >> 20;
        double zahl[11] = {}, gewicht[11] = {};
        for (size_t a = 0; a < rest.size(); ++a)
            for (size_t b = a + 1; b < rest.size(); ++b) {
                const uint32_t w = wert(rest[a], rest[b]);
                if (w <= mein) continue;
                zahl[w >> 20] += 1;
                if (g) gewicht[w >> 20] += 0.2 + 0.8 * 0.5 * ((*g)[rest[a] >> 2] + (*g)[rest[b] >> 2]);
            }
        const double paare = static_cast<double>(rest.size() * (rest.size() - 1) / 2);
        auto ueberleben = [&](const double* q, int spieler) {
            double s = 1, w = 1;
            for (unsigned k = 10; k >= kat && k >= 1; --k) {
                if (q[k] == 0) continue;
                const double qn = spieler > 1 ? 1.0 - std::pow(1.0 - q[k] / paare, spieler) : q[k] / paare;
                s -= qn * w;
                w -= w * qn;
            }
            return std::max(0.0, s);
        };
        anz[kat] += 1;
        sA[kat] += ueberleben(zahl, imSpiel);
        sB[kat] += ueberleben(zahl, inPartie);
        sAw[kat] += ueberleben(g ? gewicht : zahl, imSpiel);
        sBw[kat] += ueberleben(g ? gewicht : zahl, inPartie);
    };
    const size_t n = offen.size();
    if (fehlen == 0) lauf({});
    for (size_t i = 0; fehlen == 1 && i < n; ++i) lauf({i});
    for (size_t i = 0; fehlen == 2 && i < n; ++i)
        for (size_t j = i + 1; j < n; ++j) lauf({i, j});
    Schaetzung e;
    double rest = 0, w = 1;
    for (double a : anz) rest += a;
    for (size_t k = 10; k >= 1 && rest > 0; --k) {
        e.reach[k] = anz[k] / rest;
        e.ersteExakt += sA[k] / rest * w;
        e.zweiteExakt += sB[k] / rest * w;
        e.erste += sAw[k] / rest * w;
        e.zweite += sBw[k] / rest * w;
        w -= w * e.reach[k];
        rest -= anz[k];
    }
    return e;
}

TEST(HoldemKiSchaetzung, TheWalkGivesThePlainWalksFiguresToTheLastBit) {
    // Boards from which no five cards of a suit can come, so that the plain walk's values are
    // the walk's: flush draws of three and four cards, pairs, sets and straights on the board,
    // with weights and without, one or several opponents.
    std::array<float, 13> g{};
    for (size_t r = 0; r < 13; ++r) g[r] = 0.35f + 0.05f * static_cast<float>(r) - (r % 3 == 0 ? 0.2f : 0.0f);
    struct Fall {
        const char* hole;
        const char* board;
        int imSpiel, inPartie;
        bool gewichtet;
    };
    const Fall faelle[] = {
        {"Ah Qh", "Kh 7d 2c", 3, 6, true},         // two hearts on the flop
        {"9c 9d", "9h 5s 5d", 2, 4, true},         // a full house on the flop
        {"3c 4d", "5h 6s Tc", 4, 4, false},        // an open straight draw
        {"Ah 2h", "Kh 7h 2c Td", 3, 5, true},      // four hearts: a flush made, others' flushes
        {"Jc Ts", "9h 8h 7h Qd", 2, 6, true},      // a straight on three hearts
        {"Kd Kc", "Ks 8s 8d 3s", 5, 5, false},     // a full house on three spades
        {"6c 7c", "Ac Kc 2d 4c Qs", 2, 3, true},   // river: a flush of four on the board
        {"As Ad", "Ah Kd 7s 4c 2h", 3, 6, true},   // river: a rainbow
        {"2c 3d", "Th Jh Qh Kh 9s", 6, 6, true},   // river: four hearts and a straight
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.hole) + " / " + f.board);
        const auto h = indizes(f.hole);
        const auto b = indizes(f.board);
        Schaetzer s;
        s.start({h[0], h[1]}, b, f.imSpiel, f.inPartie, f.gewichtet ? &g : nullptr);
        ASSERT_TRUE(s.weiter(0));
        const Schaetzung e = s.ergebnis();
        const Schaetzung p =
            schlichterLauf({h[0], h[1]}, b, f.imSpiel, f.inPartie, f.gewichtet ? &g : nullptr);
        EXPECT_EQ(e.ersteExakt, p.ersteExakt);
        EXPECT_EQ(e.zweiteExakt, p.zweiteExakt);
        EXPECT_EQ(e.erste, p.erste);
        EXPECT_EQ(e.zweite, p.zweite);
        for (size_t k = 1; k <= 10; ++k) EXPECT_EQ(e.reach[k], p.reach[k]) << k;
    }
}

TEST(HoldemKiSchaetzung, TheTimeBudgetIsHalfAFrame) {
    EXPECT_EQ(zeitBudget(60), 8u);
    EXPECT_EQ(zeitBudget(30), 17u);
    EXPECT_EQ(zeitBudget(0), 8u);  // no rate yet: 60 frames
    EXPECT_EQ(zeitBudget(-5), 8u);
}

// ---- the situation ----

Tisch tisch() {
    Tisch t;
    t.level = 2;
    t.strasse = 3;
    t.bigBlind = 2;
    t.chips = 100;
    t.pot = 10;
    t.position = 6;
    t.spieler = 6;
    t.imSpiel = 2;
    t.inPartie = 6;
    t.minErhoehung = 2;
    t.tischEinsatz = 200;
    return t;
}
constexpr double kOhneRauschen = 0.55;  // "Normal": random(28) - 15 = 0

TEST(HoldemKiSituation, FieldsAreCappedAndFilled) {
    Tisch t = tisch();
    t.bigBlind = 20;
    t.pot = 5000;
    t.einsatz = 6000;
    t.gesetzt = 0;
    t.chips = 100000;
    const PokerSituation s = computeBringSetSums(t, 0.5, 0.5, folge({kOhneRauschen}));
    EXPECT_EQ(s.pot, 200);  // 250 big blinds
    EXPECT_EQ(s.toCall, 200);
    EXPECT_EQ(s.ownBet, 0);
    EXPECT_EQ(s.street, 13);
    EXPECT_EQ(s.label, -10);
    // calm 100 - 0 - 20 - 20 - 1 - 0 = 59: p = 50 either way; value 5000 x 0.5 - 6000 x 0.5
    EXPECT_EQ(s.win, 128);
    EXPECT_EQ(s.value, -500);
    // a huge pot would overflow 16 bits: the value stays at the largest
    t.pot = 10000000;
    t.einsatz = 0;
    EXPECT_EQ(computeBringSetSums(t, 0.9, 0.9, folge({kOhneRauschen})).value, 32767);
}

TEST(HoldemKiSituation, CalmBlendsTheEstimates) {
    struct Fall {
        double ruhe, p1, p2, p;
    } faelle[] = {{50, 80, 40, 60}, {80, 80, 40, 80}, {20, 80, 40, 40}, {10, 80, 40, 39.95}, {35, 80, 20, 35}};
    for (const Fall& f : faelle) EXPECT_NEAR(mischung(f.ruhe, f.p1, f.p2), f.p, 1e-12) << f.ruhe;
    // a quiet late seat with nothing to call: 100 - 0 - 5 - 0 - 0 - 10 + round(50/10) = 90... by hand:
    Tisch t = tisch();  // pot 10 = 5 big blinds, position 6 of 6: share round(500/6) = 83
    EXPECT_DOUBLE_EQ(ruhe(t), 100 - 5 - std::round(10 - 83 / 10.0));
}

TEST(HoldemKiSituation, NormalBlurStaysWithinTheRange) {
    Tisch t = tisch();
    EXPECT_EQ(computeBringSetSums(t, 1.0, 1.0, folge({0.999})).winFirst, 255);  // +12
    EXPECT_EQ(computeBringSetSums(t, 0.0, 0.0, folge({0.0})).winFirst, 0);      // -15
    EXPECT_EQ(computeBringSetSums(t, 0.5, 0.5, folge({0.0})).winFirst, 89);     // 35 %
}

TEST(HoldemKiSituation, AggressionOffsetByTableAndPlayers) {
    struct Fall {
        int32_t aggression;
        int computer;
        bool mensch;
        int inPartie, offset;
    } faelle[] = {{10, 1, true, 6, -2}, {100, 1, true, 6, 2}, {900, 1, true, 6, 18}, {900, 2, true, 6, 16},
                  {900, 4, true, 6, 11},  {900, 1, false, 6, 5}, {900, 1, true, 2, 11}, {450, 3, false, 3, 2}};
    // 18 x 0.9 = 16.2 -> 16; 18 x 0.6 = 10.8 -> 11; 18 x 0.3 = 5.4 -> 5; 12 x 0.8 = 9.6 -> 10, x 0.3 = 3, x 0.8 = 2.4 -> 2
    for (const Fall& f : faelle)
        EXPECT_EQ(aggressionOffset(f.aggression, f.computer, f.mensch, f.inPartie), f.offset) << f.aggression;
}

// ---- the learning store ----

PokerSituation satz(uint8_t win, int16_t label, uint8_t seat = 1) {
    PokerSituation s;
    s.win = s.winFirst = s.winSecond = win;
    s.pot = 10;
    s.street = 13;
    s.calm = 128;
    s.value = 5;
    s.label = label;
    s.seat = seat;
    return s;
}

fs::path ordner() {
    const fs::path p = fs::temp_directory_path() / ("holdem_ki_" + std::to_string(::getpid()));
    fs::create_directories(p);
    return p;
}

TEST(HoldemKiSpeicher, DistanceOfEqualRecordsIsTheSmallest) {
    const Zufall z = folge({});
    EXPECT_EQ(situationDistance(satz(100, 3), satz(100, 3), 2, z), -1000);
    EXPECT_GT(situationDistance(satz(100, 3), satz(110, 3), 2, z), -1000);
    // "Anfänger" adds noise: every draw below its chance
    EXPECT_EQ(situationDistance(satz(100, 3), satz(100, 3), 1, folge({}, 0.0)), -1000 + 15 + 40 + 100 + 140 + 300 + 800);
}

TEST(HoldemKiSpeicher, AnEmptyStoreGivesNoAdviceAndTiesGoToTheLowerIndex) {
    Clusterer c;
    const Zufall z = folge({});
    EXPECT_EQ(c.nearestAdvice(satz(100, 0), 2, 2, z), -10);
    c.anhaengen(satz(100, 7));
    c.anhaengen(satz(100, 3));
    EXPECT_EQ(c.nearestAdvice(satz(100, 0), 2, 2, z), 7);
    c.anhaengen(satz(150, 0));
    EXPECT_EQ(c.nearestAdvice(satz(150, 0), 2, 2, z), 0);  // a stored 0 is advice like any other
}

TEST(HoldemKiSpeicher, UsedAdviceIsForgottenButNeverAFoldOrRecordZero) {
    Clusterer c;
    c.learn = true;
    c.mode = 4;
    c.anhaengen(satz(10, 5));
    c.anhaengen(satz(100, -2));
    c.anhaengen(satz(200, 9));
    const Zufall z = folge({});
    EXPECT_EQ(c.nearestAdvice(satz(10, 0), 3, 2, z), 5);    // record 0: not remembered
    EXPECT_EQ(c.nearestAdvice(satz(100, 0), 3, 2, z), -2);  // a fold: not remembered
    EXPECT_EQ(c.nearestAdvice(satz(200, 0), 3, 2, z), 9);
    EXPECT_EQ(c.paarAnz(), 1);
    EXPECT_FALSE(c.forgetLoser(2));
    EXPECT_TRUE(c.forgetLoser(3));
    ASSERT_EQ(c.lernAnz(), 2);
    EXPECT_EQ(c.gelernt(0).label, 5);
    EXPECT_EQ(c.gelernt(1).label, -2);
}

TEST(HoldemKiSpeicher, LearningByModeAndAFullStore) {
    Clusterer c;
    c.addSituation(satz(10, 1, 1));
    EXPECT_EQ(c.laufAnz(), 0);  // learn off
    c.learn = true;
    c.addSituation(satz(10, 1, 1));
    c.addSituation(satz(10, 1, 2));  // mode 0: only the human's
    EXPECT_EQ(c.laufAnz(), 1);
    EXPECT_FALSE(c.learnFromWinner(1, true));  // mode 0 copies none
    EXPECT_EQ(c.laufAnz(), 0);
    c.mode = 1;
    for (int i = 0; i < 120; ++i) c.addSituation(satz(10, 1, static_cast<uint8_t>(2 + i % 2)));
    EXPECT_EQ(c.laufAnz(), kLaufMax);
    EXPECT_TRUE(c.learnFromWinner(2, false));
    EXPECT_EQ(c.lernAnz(), 50);
    // running 100 + learned 9,950 reach the limit: nothing copied, running table kept
    while (c.lernAnz() < 9950) c.anhaengen(satz(20, -1));
    EXPECT_FALSE(c.learnFromWinner(3, true));
    EXPECT_EQ(c.lernAnz(), 9950);
    EXPECT_EQ(c.laufAnz(), kLaufMax);
}

TEST(HoldemKiSpeicher, BrainFileRoundTripAndDamagedFiles) {
    const fs::path d = ordner();
    Clusterer c;
    for (int i = 0; i < 37; ++i) c.anhaengen(satz(static_cast<uint8_t>(i), static_cast<int16_t>(i % 5 - 2)));
    ASSERT_TRUE(c.saveClusters(d / "brain.txt"));
    EXPECT_EQ(fs::file_size(d / "brain.txt"), kBrainBytes);
    Clusterer l;
    std::string fehler;
    ASSERT_TRUE(l.loadClusters(d / "brain.txt", fehler));
    ASSERT_EQ(l.lernAnz(), 37);
    for (int i = 0; i < 37; ++i) EXPECT_EQ(std::memcmp(&l.gelernt(i), &c.gelernt(i), 20), 0) << i;

    auto datei = [&](size_t groesse, int32_t anz) {
        std::string b(groesse, '\x01');
        if (groesse >= kBrainBytes) std::memcpy(b.data() + kBrainBytes - 4, &anz, 4);
        std::ofstream(d / "b.txt", std::ios::binary).write(b.data(), static_cast<std::streamsize>(b.size()));
        Clusterer x;
        x.anhaengen(satz(1, 1));
        const bool ok = x.loadClusters(d / "b.txt", fehler);
        return std::pair{ok, x.lernAnz()};
    };
    EXPECT_EQ(datei(kBrainBytes, 10000), (std::pair{true, 10000}));
    EXPECT_EQ(datei(kBrainBytes, 0), (std::pair{true, 0}));
    EXPECT_EQ(datei(kBrainBytes, 10001), (std::pair{false, 0}));
    EXPECT_EQ(datei(kBrainBytes, -1), (std::pair{false, 0}));
    EXPECT_EQ(datei(kBrainBytes - 1, 5), (std::pair{false, 0}));
    EXPECT_EQ(datei(kBrainBytes + 1, 5), (std::pair{false, 0}));
    EXPECT_EQ(datei(3, 0), (std::pair{false, 0}));
    Clusterer leer;
    EXPECT_FALSE(leer.loadClusters(d / "fehlt.txt", fehler));
    EXPECT_EQ(leer.lernAnz(), 0);
    // a store that cannot be written says so and leaves the old file
    fs::create_directories(d / "ordner.txt");
    EXPECT_FALSE(c.saveClusters(d / "ordner.txt"));
    fs::remove_all(d);
}

TEST(HoldemKiSpeicher, ANewPlayerStartsFromTheProgramsStore) {
    const fs::path d = ordner();
    Clusterer vorlage;
    for (int i = 0; i < 5; ++i) vorlage.anhaengen(satz(static_cast<uint8_t>(40 * i), 3));
    ASSERT_TRUE(vorlage.saveClusters(d / "vorlage.txt"));
    const fs::path alt = brainDatei;
    std::string meldung;
    // no file of the player yet: the program's store
    brainDatei = d / "settings" / "brain.txt";
    clusterer().ClearStore();
    EXPECT_TRUE(brainLaden(meldung, d / "vorlage.txt"));
    EXPECT_EQ(clusterer().lernAnz(), 5);
    // neither file: empty, and the log is told
    EXPECT_FALSE(brainLaden(meldung, d / "fehlt.txt"));
    EXPECT_EQ(clusterer().lernAnz(), 0);
    EXPECT_NE(meldung.find("beginnt leer"), std::string::npos) << meldung;
    // the player's own file wins; a damaged one leaves the store empty, not the program's
    Clusterer eigen;
    eigen.anhaengen(satz(9, -1));
    ASSERT_TRUE(eigen.saveClusters(brainDatei));
    EXPECT_TRUE(brainLaden(meldung, d / "vorlage.txt"));
    EXPECT_EQ(clusterer().lernAnz(), 1);
    std::ofstream(brainDatei, std::ios::binary | std::ios::trunc) << "kaputt";
    meldung.clear();
    EXPECT_FALSE(brainLaden(meldung, d / "vorlage.txt"));
    EXPECT_EQ(clusterer().lernAnz(), 0);
    EXPECT_NE(meldung.find("200024"), std::string::npos) << meldung;
    brainDatei = alt;
    fs::remove_all(d);
}

// What was learned is marked for the save at shut-down; reading or writing the file clears the
// mark, so an unchanged store is never rewritten.
TEST(HoldemKiSpeicher, OnlyAChangedStoreIsMarkedForSaving) {
    const fs::path d = ordner();
    const fs::path alt = brainDatei;
    brainDatei = d / "brain.txt";
    Clusterer& c = clusterer();
    std::string meldung;
    c.ClearStore();
    EXPECT_TRUE(c.geaendert());
    ASSERT_TRUE(brainSpeichern());
    EXPECT_FALSE(c.geaendert());
    c.anhaengen(satz(7, 2));
    EXPECT_TRUE(c.geaendert());
    ASSERT_TRUE(brainSpeichern());
    EXPECT_TRUE(brainLaden(meldung));
    EXPECT_FALSE(c.geaendert());
    EXPECT_EQ(c.lernAnz(), 1);
    // a full store takes nothing more, and nothing is marked
    for (int i = c.lernAnz(); i < 10001; ++i) c.anhaengen(satz(1, 1));
    ASSERT_TRUE(brainSpeichern());
    c.anhaengen(satz(2, 2));
    EXPECT_FALSE(c.geaendert());
    c.ClearStore();
    brainDatei = alt;
    fs::remove_all(d);
}

// ---- the decisions ----

struct Erwartet {
    uint8_t kind, unit;
    int32_t amount;
};
void pruefe(const PokerDecision& d, Erwartet e, const std::string& was) {
    EXPECT_EQ(d.kind, e.kind) << was;
    EXPECT_EQ(d.unit, e.unit) << was;
    EXPECT_EQ(d.amount, e.amount) << was;
}

// A store whose only record carries the advice.
Clusterer rat(int16_t label) {
    Clusterer c;
    c.anhaengen(satz(50, label));
    return c;
}

Schaetzung chance(double p) {
    Schaetzung e;
    e.erste = e.zweite = e.ersteExakt = e.zweiteExakt = p;
    return e;
}

TEST(HoldemKiEntscheidung, AdviceOnTheLaterStreets) {
    struct Fall {
        const char* was;
        int16_t advice;
        int32_t einsatz, minErh, maxErh;
        bool andereAllIn, split, kannErhoehen;
        Erwartet e;
    } faelle[] = {
        {"-2, nothing to call: check", -2, 0, 2, 1000000, false, false, true, {kMitgehen, kOhne, 0}},
        {"0: the minimum raise", 0, 0, 6, 1000000, false, false, true, {kErhoehen, kChips, 6}},
        {"5 big blinds", 5, 0, 2, 1000000, false, false, true, {kErhoehen, kChips, 10}},
        {"the others all in: call", 5, 0, 2, 1000000, true, false, true, {kMitgehen, kOhne, 0}},
        {"cut to the maximum raise", 30, 0, 2, 8, false, false, true, {kErhoehen, kChips, 8}},
        {"Split Limit without raise: call", 5, 0, 2, 4, false, true, false, {kMitgehen, kOhne, 0}},
        {"-1 calls", -1, 2, 2, 1000000, false, false, true, {kMitgehen, kOhne, 0}},
        {"100: all-in", 100, 0, 2, 1000000, false, false, true, {kAllesRein, kOhne, 0}},
    };
    for (const Fall& f : faelle) {
        Tisch t = tisch();
        t.einsatz = f.einsatz;
        t.minErhoehung = f.minErh;
        t.maxErhoehung = f.maxErh;
        t.andereAllIn = f.andereAllIn;
        t.splitLimit = f.split;
        t.kannErhoehen = f.kannErhoehen;
        Clusterer c = rat(f.advice);
        PokerDecision d;
        decideAction(t, chance(0.2), c, folge({kOhneRauschen}), d);
        pruefe(d, f.e, f.was);
    }
}

TEST(HoldemKiEntscheidung, AnEmptyStoreDecidesByTheRules) {
    // the river, the nuts, somebody raised: class 6 and no random step hits: all-in
    Tisch t = tisch();
    t.strasse = 7;
    t.einsatz = 10;
    t.andereErhoeht = 1;
    t.chips = 500;
    Clusterer leer;
    PokerDecision d;
    decideAction(t, chance(0.97), leer, folge({kOhneRauschen}), d);
    pruefe(d, {kAllesRein, kOhne, 0}, "empty store");
    // a store whose advice is 0 would have raised the minimum instead
    Clusterer null = rat(0);
    decideAction(t, chance(0.97), null, folge({kOhneRauschen}), d);
    EXPECT_EQ(d.kind, kErhoehen);
}

TEST(HoldemKiEntscheidung, LaterStreetClasses) {
    struct Fall {
        const char* was;
        int strasse;
        double p;
        int andereErhoeht;
        int32_t einsatz, minErh;
        std::vector<double> zuege;
        Erwartet e;
    } faelle[] = {
        {"river p 96, nobody raised, 2 bb to call: class 1 calls", 7, 0.96, 0, 4, 2, {}, {kMitgehen, kOhne, 0}},
        {"river p 96 after a raise: all-in", 7, 0.96, 1, 4, 2, {}, {kAllesRein, kOhne, 0}},
        {"turn class 0 calls with 0.9", 5, 0.30, 1, 4, 2, {0.5}, {kMitgehen, kOhne, 0}},
        {"turn class 0 folds otherwise", 5, 0.30, 1, 4, 2, {0.95}, {kPassen, kOhne, 0}},
        {"turn class 5, minimum raise 14 bb", 5, 0.86, 1, 4, 28, {}, {kErhoehen, kBigBlinds, 14}},
        {"flop class 4 drops to 1 by the first draw", 3, 0.82, 1, 4, 2, {0.1}, {kMitgehen, kOhne, 0}},
        {"every class to 1 with 0.3", 7, 0.92, 1, 4, 2, {0.99, 0.99, 0.99, 0.99, 0.2}, {kMitgehen, kOhne, 0}},
    };
    for (const Fall& f : faelle) {
        Tisch t = tisch();
        t.strasse = f.strasse;
        t.andereErhoeht = f.andereErhoeht;
        t.einsatz = f.einsatz;
        t.minErhoehung = f.minErh;
        t.chips = 1000;
        PokerDecision d;
        ruleDecision(t, f.p, f.p, folge(f.zuege), d);
        pruefe(d, f.e, f.was);
    }
}

TEST(HoldemKiEntscheidung, PreflopRows) {
    constexpr double kNull = 0.58;  // "Normal": random(18) - 10 = 0
    struct Fall {
        const char* was;
        double p;
        int position, erhoehungen;
        int32_t einsatz, gesetzt, minErh, chips;
        bool allInHand;
        std::vector<double> zuege;
        Erwartet e;
    } faelle[] = {
        {"late, p 22: call", 0.22, 6, 0, 2, 0, 2, 100, false, {kNull}, {kMitgehen, kOhne, 0}},
        {"late, p 21: fold", 0.21, 6, 0, 2, 0, 2, 100, false, {kNull}, {kPassen, kOhne, 0}},
        {"late, p 21, nothing to call: check", 0.21, 6, 0, 2, 2, 2, 100, false, {kNull}, {kMitgehen, kOhne, 0}},
        {"R3 class 5 raises 10 bb", 0.60, 6, 0, 2, 0, 2, 100, false, {kNull, 0.05}, {kErhoehen, kBigBlinds, 10}},
        {"R3 class 5, minimum 12 bb", 0.60, 6, 0, 2, 0, 24, 100, false, {kNull, 0.05}, {kErhoehen, kBigBlinds, 12}},
        {"R3 class 4, minimum 12 bb: call", 0.60, 6, 0, 2, 0, 24, 100, false, {kNull, 0.5, 0.15}, {kMitgehen, kOhne, 0}},
        {"short seat, p1 65, all-in seen: calls all-in", 0.65, 6, 1, 20, 0, 2, 10, true, {kNull}, {kAllesRein, kOhne, 0}},
        {"short seat, p1 52 after a raise: calls with all it has", 0.52, 6, 1, 20, 0, 2, 10, false, {kNull}, {kAllesRein, kOhne, 0}},
        {"early, four in the hand, p 31: fold", 0.31, 2, 0, 2, 0, 2, 100, false, {kNull}, {kPassen, kOhne, 0}},
    };
    for (const Fall& f : faelle) {
        Tisch t = tisch();
        t.strasse = 1;
        t.imSpiel = 4;
        t.position = f.position;
        t.erhoehungenRunde = f.erhoehungen;
        t.andereErhoeht = f.erhoehungen;
        t.einsatz = f.einsatz;
        t.gesetzt = f.gesetzt;
        t.minErhoehung = f.minErh;
        t.chips = f.chips;
        t.allInHand = f.allInHand;
        t.allInSitze = f.allInHand ? 1 : 0;
        PokerDecision d;
        preflopRules(t, f.p, f.p, folge(f.zuege), d);
        pruefe(d, f.e, f.was);
    }
}

TEST(HoldemKiEntscheidung, TwoRaisesCloseTheBigClassesOfR5) {
    // p 45 with one big blind to call passes the raised test (class 1); k = -2, so p >= 38 is R5.
    // The table draw 0.8 picks the first table, where R5's factor is 0.2 after one raise and 0
    // after two: the draws of 0 then reach class 5 only after one raise.
    for (int raises : {1, 2}) {
        Tisch t = tisch();
        t.strasse = 1;
        t.erhoehungenRunde = raises;
        t.einsatz = 2;
        t.minErhoehung = 2;
        PokerDecision d;
        preflopRules(t, 0.45, 0.45, folge({0.58, 0.8, 0.0, 0.0}), d);
        if (raises == 1)
            pruefe(d, {kErhoehen, kBigBlinds, 10}, "R5 after one raise");
        else
            pruefe(d, {kMitgehen, kOhne, 0}, "R5 after two raises");
    }
}

TEST(HoldemKiEntscheidung, FinalRules) {
    PokerSituation s = satz(128, -10);
    s.value = 0;
    struct Fall {
        const char* was;
        PokerDecision rein;
        int32_t chips, einsatz, teiler, zaehler;
        bool allInErlaubt;
        Erwartet e;
    } faelle[] = {
        {"1.5 bb left, no divisor: stays", {kMitgehen, kOhne, 0}, 7, 4, 0, 2, true, {kMitgehen, kOhne, 0}},
        {"1.5 bb left, divisor 3 divides 3", {kMitgehen, kOhne, 0}, 7, 4, 3, 2, true, {kAllesRein, kOhne, 0}},
        {"1.5 bb left, divisor 3, counter 3", {kMitgehen, kOhne, 0}, 7, 4, 3, 3, true, {kMitgehen, kOhne, 0}},
        {"less than a bb left", {kMitgehen, kOhne, 0}, 5, 4, 0, 0, true, {kAllesRein, kOhne, 0}},
        {"all-in not allowed: maximum raise", {kAllesRein, kOhne, 0}, 100, 4, 0, 0, false, {kErhoehen, kChips, 50}},
    };
    for (const Fall& f : faelle) {
        Tisch t = tisch();
        t.strasse = 1;
        t.chips = f.chips;
        t.einsatz = f.einsatz;
        t.teiler = f.teiler;
        t.ablaufZaehler = f.zaehler;
        t.allInErlaubt = f.allInErlaubt;
        t.maxErhoehung = 50;
        PokerDecision d = f.rein;
        commonFinalRules(t, s, d);
        pruefe(d, f.e, f.was);
    }
    // pot commitment: a weak call of a quarter of the stake is given up
    Tisch t = tisch();
    t.strasse = 5;
    t.einsatz = 60;
    t.chips = 500;
    PokerDecision d{kMitgehen, kOhne, 0};
    commonFinalRules(t, s, d);
    EXPECT_EQ(d.kind, kPassen);
}

TEST(HoldemKiEntscheidung, TalkBonusByRaise) {
    const std::pair<int, int> faelle[] = {{1, 0}, {3, 0}, {4, -10}, {6, -5}, {8, 0}, {10, 2}, {20, 5}, {25, 8}, {30, 10}};
    for (auto [bb, bonus] : faelle) EXPECT_EQ(talkBonus(bb), bonus) << bb;
}

// ---- the developer panel ----

// Sets a switch of the developer mode for one test and clears it afterwards.
struct Schalter {
    bool& b;
    explicit Schalter(bool& s) : b(s) { b = true; }
    ~Schalter() { b = false; }
};

TEST(PokerEntwickler, SharesInThousandths) {
    const std::pair<double, const char*> faelle[] = {
        {125, "12.50 %"}, {1000, "100.00 %"}, {2550, "255.00 %"}, {-35, "-3.50 %"}, {0, "0.00 %"}};
    for (auto [x, t] : faelle) EXPECT_EQ(tausendstel(x), t) << x;
}

// Only in developer mode does the record builder complain about amounts the flow never gives:
// a bet above the table's (to call -20) and a negative own bet.
TEST(PokerEntwickler, NegativeAmountsAreReportedInDeveloperModeOnly) {
    Tisch t;
    t.seat = 4;
    t.einsatz = 20;
    t.gesetzt = 40;
    {
        msgsink::Capture cap;
        computeBringSetSums(t, 0.5, 0.5, folge({kOhneRauschen}));
        EXPECT_TRUE(cap.texts().empty());
    }
    Schalter an(gtool::entwicklerModus);
    {
        msgsink::Capture cap;
        computeBringSetSums(t, 0.5, 0.5, folge({kOhneRauschen}));
        EXPECT_EQ(cap.texts(), (std::vector<std::string>{"ACHTUNG! Fehler: Negative BringSum.b bei Spieler 4",
                                                         "ACHTUNG! Fehler: Negative A_BRING.b bei Spieler 4"}));
    }
    {
        t.einsatz = 0;
        t.gesetzt = -2;
        msgsink::Capture cap;
        computeBringSetSums(t, 0.5, 0.5, folge({kOhneRauschen}));
        EXPECT_EQ(cap.texts(), (std::vector<std::string>{"ACHTUNG! Fehler: Negative SetSum.b bei Spieler 4"}));
    }
}

// A certain win ("Profi" leaves 100 % unblurred): the value is the whole pot, 500 chips, and the
// decision byte 255. With advice from the store the seat's line shows both; without advice the
// later-street rules take class 6 (100 % after a raise, and no draw of 0.99 lowers it) and write
// theirs.
TEST(PokerEntwickler, DeveloperLinesOfTheLaterStreets) {
    Tisch t = tisch();
    t.seat = 2;
    t.level = 3;
    t.bigBlind = 10;
    t.minErhoehung = 10;
    t.pot = 500;
    t.chips = 1000;
    Schaetzung e;
    e.erste = e.zweite = e.ersteExakt = e.zweiteExakt = 1.0;
    Schalter an(gtool::kiLogAn);
    kiLog("");
    Clusterer mitRat;
    PokerSituation gelernt;
    gelernt.label = -1;
    mitRat.anhaengen(gelernt);
    PokerDecision d;
    decideAction(t, e, mitRat, folge({}), d);
    EXPECT_EQ(gtool::kiLogLetzte(), "\n\rNr2 - E:50.00 %, Win:255.00 %");
    // (a raise by another seat keeps the rules from taking class 1 for a free look)
    t.andereErhoeht = 1;
    Clusterer leer;
    decideAction(t, e, leer, folge({}), d);
    EXPECT_EQ(gtool::kiLogLetzte(), "\n\rNr2 - G:6, Win:100.00 %");
}

TEST(PokerEntwickler, TestCasesOfTheDeveloperPanel) {
    // Ass and K�nig to a flop of Dame, Bube and 10 of their suit: nothing the three others can
    // hold or the turn and river bring beats the Royal Flush.
    EXPECT_EQ(PokerTestfall1(), "Testfall1: \r3-GEGENSPIELER: 100.00 %");
    const std::string t = PokerTimeWinProbability();
    std::vector<std::string> zeilen;
    for (size_t a = 0, b; a <= t.size(); a = b + 1) {
        b = t.find('\r', a);
        if (b == std::string::npos) b = t.size();
        zeilen.push_back(t.substr(a, b - a));
    }
    ASSERT_EQ(zeilen.size(), 4u) << t;
    const char* const vorne[4] = {"GETWKT2.1: 1: ", "GETWKT2.2: 1: ", "GETWKT3.1: 1: ", "GETWKT3.2: 1: "};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(zeilen[i].rfind(vorne[i], 0), 0u) << zeilen[i];
        EXPECT_EQ(zeilen[i].substr(zeilen[i].size() - 3), " ms") << zeilen[i];
    }
}

}  // namespace

