// The developer panel of the shell: what each of its buttons changes, the fixed test hands and
// the card-sum check.
#include <algorithm>
#include <vector>

#include "app/entwickler.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "dialoge_fixture.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_zaehler.h"
#include "table/glu.h"

namespace {

using Entwickler = Dialoge;

TSpieler& st(int s) { return *glu::stapel(s, "test"); }

void legen(int s, const std::vector<karte>& karten) {
    st(s).anz = static_cast<int32_t>(karten.size());
    for (size_t i = 0; i < karten.size(); ++i) st(s).at(static_cast<int>(i) + 1).c = karten[i];
}

std::vector<karte> karten(int s) {
    std::vector<karte> v;
    for (int i = 1; i <= st(s).anz; ++i) v.push_back(st(s).at(i).c);
    return v;
}

bool vorher(const karte& a, const karte& b) { return a.t != b.t ? a.t < b.t : a.f < b.f; }

std::vector<karte> sortiert(std::vector<karte> v) {
    std::sort(v.begin(), v.end(), vorher);
    return v;
}

// The Skat deck as dealt in value order: seat 1 the Sieben to the Achten and Neunen, seat 2 the
// rest of the Neunen, the Buben and the Damen, seat 3 the Könige, Zehnen and Asse but two, the
// talon the last two Asse.
void skatGeben() {
    glu::reset();
    glu::anzSitze = 3;
    std::vector<karte> deck;
    for (uint8_t t = 1; t <= 8; ++t)
        for (uint8_t f = 1; f <= 4; ++f) deck.push_back(karte{t, f, 0});
    legen(1, {deck.begin(), deck.begin() + 10});
    legen(2, {deck.begin() + 10, deck.begin() + 20});
    legen(3, {deck.begin() + 20, deck.begin() + 30});
    legen(11, {deck.begin() + 30, deck.end()});
    ::cg.spielId = spiele::kSkat;
}

int klickAuf(int knopf) { return dialoge::ids().debugKnoepfe[knopf]; }

TEST_F(Entwickler, ReflectionAndFadeButtons) {
    envParam.reflection = 40;
    envParam.ref_weg = 7;
    const struct {
        int knopf, reflection, refWeg;
    } faelle[] = {{6, 45, 7}, {7, 40, 7}, {7, 35, 7}, {8, 35, 8}, {9, 35, 7}, {9, 35, 6}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.knopf);
        dialoge::klick(*app, d().infopanel, klickAuf(f.knopf));
        EXPECT_EQ(+envParam.reflection, f.reflection);
        EXPECT_EQ(+envParam.ref_weg, f.refWeg);
    }
}

// "X" brings the four Buben, three Asse, two Zehnen and the Kreuz König to seat 1 from seats 2
// and 3 and the talon; the deck stays whole and the hand is sorted with the Buben at one end.
TEST_F(Entwickler, SkatGrandHandTakesItsCardsFromTheOthers) {
    skatGeben();
    dialoge::klick(*app, d().infopanel, klickAuf(4));
    const std::vector<karte> grand = {{4, 1, 0}, {4, 2, 0}, {4, 3, 0}, {4, 4, 0}, {6, 1, 0},
                                      {7, 1, 0}, {7, 2, 0}, {8, 1, 0}, {8, 2, 0}, {8, 3, 0}};
    const std::vector<karte> gegeben = sortiert(karten(1));
    EXPECT_TRUE(std::equal(grand.begin(), grand.end(), gegeben.begin(), gegeben.end(),
                           [](const karte& a, const karte& b) { return gleich(a, b); }));
    std::vector<karte> rest;
    for (int s : {1, 2, 3, 11})
        for (const karte& k : karten(s)) rest.push_back(k);
    EXPECT_EQ(rest.size(), 32u);
    rest = sortiert(rest);
    for (size_t i = 0; i < rest.size(); ++i)
        EXPECT_TRUE(rest[i].t == i / 4 + 1 && rest[i].f == i % 4 + 1) << i;
    // Buben on top: the first four slots or the last four.
    const std::vector<karte> h = karten(1);
    const bool vorne = std::all_of(h.begin(), h.begin() + 4, [](const karte& k) { return k.t == 4; });
    const bool hinten = std::all_of(h.end() - 4, h.end(), [](const karte& k) { return k.t == 4; });
    EXPECT_TRUE(vorne || hinten);
    // The mirror hands follow the stacks.
    EXPECT_EQ(st(2).hand.anz, 10);
    for (int i = 1; i <= 10; ++i) EXPECT_TRUE(gleich(st(2).hand.at(i), st(2).at(i).c)) << i;
    // "Cheat" then turns it into the Null hand of Sieben, Achten and three Neunen.
    dialoge::klick(*app, d().infopanel, klickAuf(3));
    for (const karte& k : karten(1)) EXPECT_LE(k.t, 3) << +k.t << "/" << +k.f;
}

// A Skat deck on the table gives 4 x (11 + 10 + 4 + 3 + 2) = 120 points; a lost Ass 109.
TEST_F(Entwickler, CardSumSkat) {
    skatGeben();
    EXPECT_EQ(entwickler::kartenSumme(spiele::kSkat), "Summe soll: 120, Summe ist: 120");
    st(11).anz = 1;
    EXPECT_EQ(entwickler::kartenSumme(spiele::kSkat), "Summe soll: 120, Summe ist: 109");
    EXPECT_EQ(entwickler::kartenSumme(spiele::kMauMau), "");
    EXPECT_FALSE(entwickler::testHand(spiele::kMauMau, 1));
}

// One Canasta set with Jokers at 50: Asse and Zweier 8 x 20 = 160, Acht to König 24 x 10 = 240,
// Vier to Sieben 16 x 5 = 80, black Dreier 2 x 5 = 10, red Dreier 0, Jokers 100: 590. Two sets
// with Jokers at 30: 2 x (490 + 60) = 1100.
TEST_F(Entwickler, CanastaSumAndTestHandWithTwoSets) {
    glu::reset();
    glu::anzSitze = 2;
    ::cg.spielId = spiele::kCanasta;
    ::cg.canasta.jokerWert = 50;
    ::cg.canasta.kartenblatt = 1;
    std::vector<karte> deck;
    for (uint8_t t = 1; t <= 14; ++t)
        for (uint8_t f = 1; f <= 4; ++f)
            if (t != 14 || f <= 2) deck.push_back(karte{t, f, 0});
    legen(11, deck);
    EXPECT_EQ(entwickler::kartenSumme(spiele::kCanasta), "Summe soll: 590, Summe ist: 590");

    ::cg.canasta.jokerWert = 30;
    ::cg.canasta.kartenblatt = 2;
    std::vector<karte> zwei = deck;
    zwei.insert(zwei.end(), deck.begin(), deck.end());
    // seat 1 holds eleven Sieben and Achten, seat 2 fifteen cards, the rest lies on the talon
    legen(1, {zwei.begin(), zwei.begin() + 11});
    legen(2, {zwei.begin() + 11, zwei.begin() + 26});
    legen(11, {zwei.begin() + 26, zwei.end()});
    EXPECT_EQ(entwickler::kartenSumme(spiele::kCanasta), "Summe soll: 1100, Summe ist: 1100");
    // "Cheat": both pairs of red Dreier, all four Jokers and three Asse
    dialoge::klick(*app, d().infopanel, klickAuf(3));
    const std::vector<karte> soll = sortiert({{10, 3, 0}, {10, 4, 0}, {10, 3, 0}, {10, 4, 0}, {14, 1, 0}, {14, 2, 0},
                                              {14, 1, 0}, {14, 2, 0}, {8, 1, 0}, {8, 2, 0}, {8, 3, 0}});
    const std::vector<karte> ist = sortiert(karten(1));
    ASSERT_EQ(ist.size(), soll.size());
    for (size_t i = 0; i < soll.size(); ++i) EXPECT_TRUE(gleich(ist[i], soll[i])) << i;
    EXPECT_EQ(st(1).anz + st(2).anz + st(11).anz, 108);
    EXPECT_EQ(entwickler::kartenSumme(spiele::kCanasta), "Summe soll: 1100, Summe ist: 1100");
}

// The check and the poker test case answer in a message box (recorded here, where the library
// has not built its boxes).
TEST_F(Entwickler, CheckAndTestCaseAnswerInAMessage) {
    skatGeben();
    st(2).anz = 9;  // the Karo Dame of seat 2 is lost
    dialoge::klick(*app, d().infopanel, klickAuf(2));
    EXPECT_TRUE(cap->contains("Summe soll: 120, Summe ist: 117"));
    dialoge::klick(*app, d().infopanel, klickAuf(12));
    EXPECT_TRUE(cap->contains("3-GEGENSPIELER: 100.00 %"));
}

// Poker's line of the status text: matches and hands of the series, the seats still in the
// game, the table's aggression and the learning store's mode.
TEST_F(Entwickler, PokerStatusLine) {
    holdem::PokerCounter.matches = 2;
    holdem::PokerCounter.rounds = 17;
    ::cg.poker.aggression = 120;
    holdem::ki::Clusterer& c = holdem::ki::clusterer();
    c.learn = false;
    c.playing = false;
    EXPECT_EQ(entwickler::statusZaehler(spiele::kPoker), "2 - 17 - live: 0 Aggro:120");
    c.learn = true;
    c.mode = 3;
    c.playing = true;
    EXPECT_EQ(entwickler::statusZaehler(spiele::kPoker), "2 - 17 - live: 0 Aggro:120 learn.mensch.win, playing");
    c.learn = false;
    c.playing = false;
    c.mode = 0;
    EXPECT_EQ(entwickler::statusZaehler(spiele::kMauMau), "");
}

}  // namespace
