// The game-tree search: exhaustive on endgames, bounded per frame, deterministic by seed.
#include "games/skat_jass_schnapsen/schnapsen_suche.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <vector>

#include "games/skat_jass_schnapsen/schnapsen.h"
#include "platform/rnd.h"
#include "platform/ticks.h"

namespace {

using namespace schnapsenki;
using schnapsen::kAss;
using schnapsen::kBube;
using schnapsen::kDame;
using schnapsen::kKoenig;
using schnapsen::kNeun;
using schnapsen::kZehn;

karte K(int t, int f) { return karte{static_cast<uint8_t>(t), static_cast<uint8_t>(f), 0}; }
void dazu(hand& h, const karte& k) { h.at(++h.anz) = k; }

BaumBuilder& builder() {
    static BaumBuilder b;  // the pool is large: one for all tests, as in the program
    return b;
}

// Runs slices on a frozen clock until the search has finished.
void bisFertig(BaumBuilder& b) {
    ticks::Manual uhr;
    for (int i = 0; i < 100000 && b.zustand() != 3; ++i) b.rechnen(60.0f);
}

// Plain alpha-beta over the same moves and leaf values, maximising for the searched seat.
float alphaBeta(const BaumBuilder& b, const BaumKnoten& k, int such, float alpha, float beta) {
    int z[kKinderMax];
    const int n = k.seite == 2 ? 0 : b.zuege(k, z);
    if (n == 0) return k.win;
    const bool maxi = k.amZug == such;
    float best = maxi ? -1e9f : 1e9f;
    for (int i = 0; i < n; ++i) {
        BaumKnoten c = k;
        c.kartenIndex = static_cast<uint8_t>(z[i]);
        b.zugAnwenden(c, k);
        const float v = alphaBeta(b, c, such, alpha, beta);
        if (maxi) {
            best = std::max(best, v);
            alpha = std::max(alpha, v);
        } else {
            best = std::min(best, v);
            beta = std::min(beta, v);
        }
        if (beta <= alpha) break;
    }
    return best;
}

// The 24 cards shuffled by the seed.
hand gemischt(uint64_t seed) {
    rnd::seed(seed);
    hand deck{};
    for (int f = 1; f <= 4; ++f)
        for (int t = kNeun; t <= kAss; ++t) dazu(deck, K(t, f));
    for (int i = deck.anz; i > 1; --i) std::swap(deck.at(i), deck.at(1 + rnd::random(i)));
    return deck;
}

// An endgame under the strict rule: both hands known, n cards each, the rest already won.
Lage endspiel(uint64_t seed, int n) {
    const hand deck = gemischt(seed);
    Lage l;
    l.sechsundsechzig = true;
    l.sperrenErlaubt = false;
    l.streng = true;
    l.trumpf = 1 + rnd::random(4);
    l.suchSitz = 1 + rnd::random(2);
    l.amZug = l.suchSitz;
    l.sperrSitz = rnd::random(3);
    int p = 1;
    for (int s = 1; s <= 2; ++s)
        for (int i = 0; i < n; ++i) dazu(l.haende[s], deck.at(p++));
    // the rest split into won tricks, small enough that nobody has reached 66 yet
    while (p <= deck.anz) {
        const int s = 1 + rnd::random(2);
        dazu(l.gewonnen[s], deck.at(p++));
        dazu(l.gewonnen[s], deck.at(p++));
    }
    const int gegner = 3 - l.suchSitz;
    if (rnd::random(2) == 1) {  // the other seat has led
        const int i = 1 + rnd::random(l.haende[gegner].anz);
        dazu(l.stich, l.haende[gegner].at(i));
        l.haende[gegner].at(i) = l.haende[gegner].at(l.haende[gegner].anz);
        l.haende[gegner].anz -= 1;
    }
    return l;
}

int augen(const hand& h) {
    int a = 0;
    for (int i = 1; i <= h.anz; ++i) a += schnapsen::kartenAugen(h.at(i));
    return a;
}

TEST(SchnapsenSuche, EndgamesMatchExhaustiveAlphaBeta) {
    int geprueft = 0;
    for (uint64_t seed = 1; geprueft < 40 && seed < 400; ++seed) {
        const int n = 1 + static_cast<int>(seed % 5);
        const Lage l = endspiel(seed, n);
        if (augen(l.gewonnen[1]) > 65 || augen(l.gewonnen[2]) > 65) continue;
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << n << " cards");
        BaumBuilder& b = builder();
        b.starten(l, 8, 1000000, kKnotenMax);
        bisFertig(b);
        ASSERT_EQ(b.zustand(), 3);
        const BaumKnoten& w = b.knoten(0);
        const float soll = alphaBeta(b, w, l.suchSitz, -1e9f, 1e9f);
        const BesterKnoten best = b.besterKnoten();
        ASSERT_GE(best.index, 1);
        EXPECT_NEAR(w.win, soll, 1e-3);
        EXPECT_NEAR(best.win, soll, 1e-3);
        ++geprueft;
    }
    EXPECT_EQ(geprueft, 40);
}

// A first lead in Sechsundsechzig with the talon open.
Lage erstesAusspiel(uint64_t seed) {
    const hand deck = gemischt(seed);
    Lage l;
    l.sechsundsechzig = true;
    l.trumpf = deck.at(13).f;
    l.atout = deck.at(13);
    int p = 1;
    for (int s = 1; s <= 2; ++s)
        for (int i = 0; i < 6; ++i) dazu(l.haende[s], deck.at(p++));
    for (p = 14; p <= deck.anz; ++p) dazu(l.talon, deck.at(p));
    return l;
}

TEST(SchnapsenSuche, SliceKeepsToItsBudget) {
    BaumBuilder& b = builder();
    const Lage l = erstesAusspiel(7);
    {
        // every look at the clock costs a millisecond: the slice stops at 50 ms
        uint32_t t = 1000;
        ticks::setSource([&t] { return t++; });
        b.starten(l, 8, 100000, kKnotenMax);
        const uint32_t vorher = t;
        b.rechnen(60.0f);
        const uint32_t verbraucht = t - vorher;
        ticks::resetSource();
        EXPECT_GE(b.scheibenKnoten(), 30);
        EXPECT_LE(verbraucht, 53u);
    }
    struct Case {
        float fps;
        int knoten;  // 1.5 x the budget, rounded half to even
    };
    // 60: 80000 / 60 = 1333, x 1.5 = 1999.5 -> 2000; 200: (25 + 80) x 1000 / 200 = 525 -> 787.5 -> 788;
    // 500: (62 + 100) x 1000 / 500 = 324 -> 486
    const Case cases[] = {{60.0f, 2000}, {200.0f, 788}, {500.0f, 486}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fps);
        ticks::Manual uhr;  // frozen: only the node budget ends the slice
        b.starten(l, 8, 100000, kKnotenMax);
        b.rechnen(c.fps);
        EXPECT_EQ(b.scheibenKnoten(), c.knoten);
    }
}

TEST(SchnapsenSuche, SameSeedSameMove) {
    BaumBuilder& b = builder();
    int ersteKarte[2] = {};
    float ersterWert[2] = {};
    for (int lauf = 0; lauf < 2; ++lauf) {
        const Lage l = erstesAusspiel(11);
        b.starten(l, 6, 1000000, 20000);
        bisFertig(b);
        const BesterKnoten best = b.besterKnoten();
        ASSERT_GE(best.index, 1);
        ersteKarte[lauf] = b.karteAn(best.gespielt).t * 10 + b.karteAn(best.gespielt).f +
                           (best.kartenIndex == kSchliessen ? 1000 : 0);
        ersterWert[lauf] = best.win;
    }
    EXPECT_EQ(ersteKarte[0], ersteKarte[1]);
    EXPECT_EQ(ersterWert[0], ersterWert[1]);
}

TEST(SchnapsenSuche, RootMovesAndPruning) {
    BaumBuilder& b = builder();
    ticks::Manual uhr;
    Lage l;
    l.trumpf = 1;
    l.suchSitz = l.amZug = 2;
    l.sperrenErlaubt = false;
    dazu(l.talon, K(kNeun, 1));
    dazu(l.talon, K(kBube, 1));
    l.atout = K(kDame, 1);
    // leading Ass, Zehn and Neun of plain suits: only the lowest card is not dropped
    dazu(l.haende[2], K(kAss, 3));
    dazu(l.haende[2], K(kZehn, 2));
    dazu(l.haende[2], K(kNeun, 4));
    dazu(l.haende[1], K(kKoenig, 3));
    dazu(l.haende[1], K(kDame, 3));
    dazu(l.haende[1], K(kAss, 2));
    b.starten(l, 4, 100000, kKnotenMax);
    ASSERT_EQ(b.knoten(0).kinderAnz, 1);
    EXPECT_EQ(b.knoten(b.knoten(0).kinder[0]).kartenIndex, 3);
    EXPECT_EQ(b.gedroppt(), 2);
    // closing is offered on an empty trick with the talon open, never once it is closed
    l.sperrenErlaubt = true;
    b.starten(l, 4, 100000, kKnotenMax);
    EXPECT_EQ(b.knoten(b.knoten(0).kinder[0]).kartenIndex, kSchliessen);
    l.streng = true;
    l.sperrSitz = 1;
    b.starten(l, 4, 100000, kKnotenMax);
    for (int i = 0; i < b.knoten(0).kinderAnz; ++i)
        EXPECT_NE(b.knoten(b.knoten(0).kinder[i]).kartenIndex, kSchliessen);
    // one legal card under the strict rule: one child, and it is the move
    l.streng = true;
    l.haende[2] = hand{};
    dazu(l.haende[2], K(kNeun, 3));
    dazu(l.haende[2], K(kAss, 2));
    l.haende[1].anz = 2;
    dazu(l.stich, K(kKoenig, 3));
    b.starten(l, 4, 100000, kKnotenMax);
    ASSERT_EQ(b.knoten(0).kinderAnz, 1);
    bisFertig(b);
    EXPECT_EQ(b.karteAn(b.besterKnoten().gespielt).t, kNeun);
}

TEST(SchnapsenSuche, EarlierWinScoresHigher) {
    BaumKnoten k;
    k.streng = 1;
    for (int s = 1; s <= 2; ++s) k.gewonnen[s].anz = 2;
    k.stichAugen[2] = 70;
    k.stichAugen[1] = 30;
    k.hand[1] = k.hand[2] = 1;  // a card in each hand
    BaumKnoten frueh = k, spaet = k;
    frueh.tiefe = 2;
    spaet.tiefe = 4;
    BaumBuilder::bewerten(frueh, 2, false);
    BaumBuilder::bewerten(spaet, 2, false);
    // won by 40 points: 1 - 0.02 + 0.4 and 1 - 0.04 + 0.4
    EXPECT_NEAR(frueh.win, 1.38f, 1e-5);
    EXPECT_NEAR(spaet.win, 1.36f, 1e-5);
    EXPECT_EQ(frueh.seite, 2);
    // an announcement without a trick does not count: 20 + 50 announced, no trick, is undecided
    BaumKnoten ohne;
    ohne.angesagt[1] = 70;
    ohne.hand[1] = ohne.hand[2] = 7;  // three cards in each hand
    BaumBuilder::bewerten(ohne, 1, false);
    EXPECT_NE(ohne.seite, 2);
    // a trick worth nothing makes it count
    ohne.gewonnen[1].anz = 2;
    BaumBuilder::bewerten(ohne, 1, false);
    EXPECT_EQ(ohne.seite, 2);
}

TEST(SchnapsenSuche, LastTrickTotals) {
    // hands played out, nobody at 66: Schnapsen counts the last trick's taker as 100
    BaumKnoten k;
    k.letzterSieger = 1;
    for (int s = 1; s <= 2; ++s) k.gewonnen[s].anz = 4;
    k.stichAugen[1] = 60;
    k.stichAugen[2] = 60;
    BaumKnoten s = k;
    BaumBuilder::bewerten(s, 1, false);
    EXPECT_EQ(s.seite, 2);
    EXPECT_NEAR(s.win, 1.0f + 0.01f * (100 - 60), 1e-5);
    // Sechsundsechzig: 10 more for the last trick
    BaumKnoten z = k;
    BaumBuilder::bewerten(z, 1, true);
    EXPECT_NEAR(z.win, 1.0f + 0.01f * (70 - 60), 1e-5);
    // with a closer the other seat wins whoever took the last trick
    BaumKnoten c = k;
    c.sperrSitz = 1;
    c.streng = 1;
    BaumBuilder::bewerten(c, 1, false);
    EXPECT_NEAR(c.win, -2.0f, 1e-5);
}

}  // namespace

namespace {

// The developer texts of a one-card endgame worked out by hand: Herz is trump, seat 2 holds
// 60 in tricks and leads the Herz Ass, seat 1 (38 in tricks) must give its Pik Ass; seat 2 then
// has 82 at depth 2, 44 ahead: win = average = 1 - 0.02 + 0.44.
TEST(SchnapsenSuche, DeveloperTextsShowTheLineFound) {
    Lage l;
    l.sperrenErlaubt = false;
    l.streng = true;
    l.trumpf = 3;
    l.suchSitz = l.amZug = 2;
    dazu(l.haende[2], K(kAss, 3));
    dazu(l.haende[1], K(kAss, 2));
    for (const karte& k :
         {K(kAss, 1), K(kZehn, 1), K(kAss, 4), K(kZehn, 4), K(kZehn, 2), K(kKoenig, 1), K(kKoenig, 2)})
        dazu(l.gewonnen[2], k);
    for (const karte& k : {K(kZehn, 3), K(kKoenig, 3), K(kDame, 3), K(kDame, 1), K(kDame, 2), K(kKoenig, 4),
                           K(kDame, 4), K(kBube, 1), K(kBube, 2), K(kBube, 3), K(kBube, 4)})
        dazu(l.gewonnen[1], k);
    BaumBuilder& b = builder();
    b.starten(l, 10, 200, kKnotenMax);
    bisFertig(b);
    EXPECT_EQ(b.besterText(), "BESTER: Herz Ass Pik Ass");
    EXPECT_EQ(b.baumText(),
              "Spieler 2 spielt Herz Ass.  stichcount:60 und hat dann 60 Punkte. Win:142 Avg:142 <E>\r"
              "-Spieler 1 spielt Pik Ass.  stichcount:38 und hat dann 38 Punkte. Win:142 Avg:142 <S>\r");
}

}  // namespace

namespace {

// The suits as the card table names them.
constexpr int kKreuz = 1, kPik = 2, kHerz = 3, kKaro = 4;

// The cards of a hand of a search node, in hand order.
std::vector<int> handKarten(const BaumBuilder& b, uint32_t hand) {
    std::vector<int> v;
    for (; hand != 0; hand &= hand - 1) {
        const karte k = b.karteAn(std::countr_zero(hand));
        v.push_back(k.t * 10 + k.f);
    }
    return v;
}
int code(int t, int f) { return t * 10 + f; }

// Sechsundsechzig with Herz as trump, seat 2 searched and on turn, closing not offered.
Lage herzTrumpf() {
    Lage l;
    l.sechsundsechzig = true;
    l.sperrenErlaubt = false;
    l.trumpf = kHerz;
    l.suchSitz = l.amZug = 2;
    return l;
}

BaumKnoten spiele(const BaumBuilder& b, const BaumKnoten& eltern, int kartenIndex) {
    BaumKnoten kind = eltern;
    kind.kartenIndex = static_cast<uint8_t>(kartenIndex);
    b.zugAnwenden(kind, eltern);
    return kind;
}

// Herz is trump, three cards in the talon (Karo Bube, Kreuz König, Pik Dame: the Pik Dame is
// drawn first) and the open Herz Neun under it; seat 1 holds 32 in tricks. Seat 2 leads its Kreuz
// Neun, seat 1 takes it with the Kreuz Bube (2 points) and draws the Pik Dame, seat 2 the Kreuz
// König. Seat 1 leads its Karo König, seat 2 throws its Pik Neun: seat 1 takes 4 more and draws
// the last card, the Karo Bube, seat 2 the open trump card, and the strict rule holds from now on.
// A drawn card goes behind the cards already held.
TEST(SchnapsenSuche, TheTakerDrawsFirstAndTheOtherTakesTheOpenTrumpCardLast) {
    Lage l = herzTrumpf();
    dazu(l.haende[2], K(kNeun, kKreuz));
    dazu(l.haende[2], K(kNeun, kPik));
    dazu(l.haende[1], K(kBube, kKreuz));
    dazu(l.haende[1], K(kKoenig, kKaro));
    for (const karte& k : {K(kBube, kKaro), K(kKoenig, kKreuz), K(kDame, kPik)}) dazu(l.talon, k);
    l.atout = K(kNeun, kHerz);
    for (const karte& k : {K(kAss, kKaro), K(kZehn, kKaro), K(kAss, kKreuz), K(kNeun, kKaro)})
        dazu(l.gewonnen[1], k);
    BaumBuilder& b = builder();
    b.starten(l, 8, 100000, kKnotenMax);

    const BaumKnoten ausspiel = spiele(b, b.knoten(0), 1);
    EXPECT_EQ(b.karteAn(ausspiel.gespielt).t, kNeun);
    EXPECT_EQ(ausspiel.amZug, 1);
    const BaumKnoten stich1 = spiele(b, ausspiel, 1);
    EXPECT_EQ(stich1.amZug, 1);  // the taker leads
    EXPECT_EQ(stich1.stichAugen[1], 32 + 2);
    EXPECT_EQ(handKarten(b, stich1.hand[1]), (std::vector<int>{code(kKoenig, kKaro), code(kDame, kPik)}));
    EXPECT_EQ(handKarten(b, stich1.hand[2]), (std::vector<int>{code(kNeun, kPik), code(kKoenig, kKreuz)}));
    EXPECT_EQ(+stich1.talonAnz, 1);
    EXPECT_EQ(+stich1.streng, 0);

    const BaumKnoten stich2 = spiele(b, spiele(b, stich1, 1), 1);
    EXPECT_EQ(stich2.amZug, 1);
    EXPECT_EQ(stich2.stichAugen[1], 32 + 2 + 4);
    EXPECT_EQ(stich2.stichAugen[2], 0);
    EXPECT_EQ(handKarten(b, stich2.hand[1]), (std::vector<int>{code(kDame, kPik), code(kBube, kKaro)}));
    EXPECT_EQ(handKarten(b, stich2.hand[2]), (std::vector<int>{code(kKoenig, kKreuz), code(kNeun, kHerz)}));
    EXPECT_EQ(+stich2.talonAnz, 0);
    EXPECT_EQ(+stich2.atoutDa, 0);
    EXPECT_EQ(+stich2.streng, 1);

    // card 2 of the taker's hand is the card it drew last; without a Karo seat 2 must trump it
    const BaumKnoten karo = spiele(b, stich2, 2);
    EXPECT_EQ(b.karteAn(karo.gespielt).t, kBube);
    EXPECT_EQ(b.karteAn(karo.gespielt).f, kKaro);
    int z[kKinderMax];
    ASSERT_EQ(b.zuege(karo, z), 1);
    EXPECT_EQ(z[0], 2);
}

// The cards the search may answer a lead with under the strict rule, worked out from the rules:
// take the trick in suit if possible, else follow suit, else trump, else any card; without the
// strict rule any card.
TEST(SchnapsenSuche, AnswersUnderTheStrictRule) {
    struct Case {
        const char* was;
        bool streng;
        std::vector<karte> hand;
        std::vector<int> erlaubt;  // card indexes
    };
    const Case cases[] = {
        {"takes in suit", true, {K(kBube, kKaro), K(kAss, kKaro), K(kNeun, kHerz), K(kKoenig, kPik)}, {2}},
        {"follows suit", true, {K(kNeun, kHerz), K(kBube, kKaro), K(kKoenig, kPik)}, {2}},
        {"trumps", true, {K(kKoenig, kPik), K(kNeun, kHerz), K(kDame, kHerz)}, {2, 3}},
        {"any card", true, {K(kKoenig, kPik), K(kDame, kKreuz)}, {1, 2}},
        {"open talon: any card", false, {K(kBube, kKaro), K(kAss, kKaro), K(kNeun, kHerz)}, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        Lage l = herzTrumpf();
        l.streng = c.streng;
        for (const karte& k : c.hand) dazu(l.haende[2], k);
        dazu(l.haende[1], K(kNeun, kKreuz));
        dazu(l.stich, K(kZehn, kKaro));
        if (!c.streng) dazu(l.talon, K(kAss, kPik));
        BaumBuilder& b = builder();
        b.starten(l, 8, 100000, kKnotenMax);
        int z[kKinderMax];
        const int n = b.zuege(b.knoten(0), z);
        EXPECT_EQ(std::vector<int>(z, z + n), c.erlaubt);
    }
}

// Leading a Dame or König whose partner is in the hand announces the pair: 40 in trumps, else 20.
TEST(SchnapsenSuche, LeadingHalfAPairAnnouncesIt) {
    Lage l = herzTrumpf();
    for (const karte& k : {K(kDame, kHerz), K(kKoenig, kHerz), K(kKoenig, kKreuz), K(kDame, kKreuz),
                           K(kDame, kPik), K(kNeun, kKaro)})
        dazu(l.haende[2], k);
    dazu(l.haende[1], K(kNeun, kKreuz));
    dazu(l.talon, K(kAss, kPik));
    dazu(l.talon, K(kAss, kKaro));
    l.angesagt[2] = 20;
    BaumBuilder& b = builder();
    b.starten(l, 8, 100000, kKnotenMax);
    const int soll[] = {60, 60, 40, 40, 20, 20};  // the Pik Dame and the Karo Neun make no pair
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(spiele(b, b.knoten(0), i).angesagt[2], soll[i - 1]);
    }
}

}  // namespace

namespace {

// With a depth limit of one the first moves are leaves: each scores the points as they stand,
// seat 2 with 21 in tricks against 4, 0.01 x 17; the root takes the first of equal moves.
TEST(SchnapsenSuche, LeavesAtTheDepthLimitScoreTheirPoints) {
    Lage l = herzTrumpf();
    dazu(l.haende[2], K(kNeun, kPik));
    dazu(l.haende[2], K(kNeun, kKaro));
    dazu(l.haende[1], K(kNeun, kKreuz));
    dazu(l.talon, K(kAss, kPik));
    dazu(l.talon, K(kAss, kKaro));
    l.atout = K(kBube, kHerz);
    dazu(l.gewonnen[2], K(kAss, kKreuz));
    dazu(l.gewonnen[2], K(kZehn, kKreuz));
    dazu(l.gewonnen[1], K(kKoenig, kKreuz));
    BaumBuilder& b = builder();
    b.starten(l, 1, 100000, kKnotenMax);
    bisFertig(b);
    const BaumKnoten& w = b.knoten(0);
    ASSERT_EQ(w.kinderAnz, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(b.knoten(w.kinder[i]).win, 0.17f, 1e-6);
        EXPECT_NEAR(b.knoten(w.kinder[i]).avg, 0.17f, 1e-6);
    }
    EXPECT_NEAR(w.avg, 0.17f, 1e-6);
    EXPECT_EQ(b.besterKnoten().kartenIndex, 1);
    EXPECT_EQ(b.karteAn(b.besterKnoten().gespielt).f, kPik);
}

}  // namespace
