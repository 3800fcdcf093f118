// The computer seat's card play: neighbour cards in each game's order, the guessed hands, the
// lead rules, following as declarer, as defender and in Null, the choice within a set, and every
// card chosen in whole deals being legal.
#include <string>
#include <vector>

#include "games/skat/ki_fixture.h"
#include "games/skat_jass_schnapsen/skat.h"
#include "harness/lib/harness.h"

namespace {

using namespace skat_1;
using skattest::H;
using skattest::K;

class SkatKiSpiel : public skattest::KiTisch {};

std::string name(const karte& k) { return std::to_string(k.t) + "/" + std::to_string(k.f); }

}  // namespace

TEST_F(SkatKiSpiel, NeighboursFollowEachGamesOrder) {
    struct Fall {
        const char* name;
        int typ;
        karte k, hoeher, tiefer;
    };
    const std::vector<Fall> faelle = {
        // Kreuz game: plain suits skip the Bube, the trumps run Buben, As, 10, König ... 7
        {"plain Dame", 1, K(5, 3), K(6, 3), K(3, 3)},
        {"plain 9 up skips the Bube", 1, K(3, 3), K(5, 3), K(2, 3)},
        {"plain 7 and As stay", 1, K(1, 3), K(2, 3), K(1, 3)},
        {"plain As stays", 1, K(8, 3), K(8, 3), K(7, 3)},
        {"Kreuz Bube on top", 1, K(4, 1), K(4, 1), K(4, 2)},
        {"Pik Bube", 1, K(4, 2), K(4, 1), K(4, 3)},
        {"Karo Bube down to the trump As", 1, K(4, 4), K(4, 3), K(8, 1)},
        {"trump As up to the Karo Bube", 1, K(8, 1), K(4, 4), K(7, 1)},
        {"trump Dame down skips the Bube", 1, K(5, 1), K(6, 1), K(3, 1)},
        {"trump 7 down to no card", 1, K(1, 1), K(2, 1), karte{0, 1, 0}},
        // Grand: the Karo Bube is the lowest trump
        {"Grand Karo Bube", kGrand, K(4, 4), K(4, 3), K(4, 4)},
        {"Grand plain 10", kGrand, K(7, 2), K(8, 2), K(6, 2)},
        // Null: 7 8 9 10 Bube Dame König As
        {"Null 9", kNull, K(3, 3), K(7, 3), K(2, 3)},
        {"Null 10", kNull, K(7, 3), K(4, 3), K(3, 3)},
        {"Null Bube", kNull, K(4, 3), K(5, 3), K(7, 3)},
        {"Null König", kNull, K(6, 3), K(8, 3), K(5, 3)},
        {"Null As and 7 stay", kNull, K(8, 3), K(8, 3), K(6, 3)},
        {"Null 7", kNull, K(1, 3), K(2, 3), K(1, 3)},
        // Ramsch: plain 7 8 9 Dame König 10 As, the Buben are trumps
        {"Ramsch 9", kRamsch, K(3, 2), K(5, 2), K(2, 2)},
        {"Ramsch König", kRamsch, K(6, 2), K(7, 2), K(5, 2)},
        {"Ramsch Herz Bube", kRamsch, K(4, 3), K(4, 2), K(4, 4)},
        {"Ramsch Karo Bube stays lowest", kRamsch, K(4, 4), K(4, 3), K(4, 4)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        spiel(f.typ, 1);
        const karte h = skatki::naechstHoehere(f.k), t = skatki::naechstNiedrigere(f.k);
        EXPECT_TRUE(h.t == f.hoeher.t && h.f == f.hoeher.f) << name(h);
        EXPECT_TRUE(t.t == f.tiefer.t && t.f == f.tiefer.f) << name(t);
    }
}

TEST_F(SkatKiSpiel, DefendersGiveTheDeclarerAShareOfTheUnknownTrumps) {
    struct Fall {
        int n, reizwert, k;
    };
    const std::vector<Fall> faelle = {
        {0, 18, 0},  {1, 18, 0}, {1, 30, 0}, {2, 18, 1}, {3, 30, 1}, {4, 24, 2},
        {4, 27, 1},  {5, 24, 2}, {5, 27, 2}, {7, 24, 3}, {9, 24, 4}, {9, 27, 3},
        {11, 18, 4}, {11, 30, 4},
    };
    for (const Fall& f : faelle) EXPECT_EQ(skatki::trumpfAnteil(f.n, f.reizwert), f.k) << f.n << " at " << f.reizwert;
}

TEST_F(SkatKiSpiel, GuessedHandsHoldExactlyTheUnknownCards) {
    // a whole deal: seat 2 defends a Kreuz game of seat 1, the Skat is unknown to it
    spiel(1, 1);
    cg.skat.spiel.reizwert = 18;
    hand deck{};
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 8; ++t) handaddk(deck, K(t, f));
    mischen(deck);
    hand h[4] = {};
    for (int i = 1; i <= 30; ++i) handaddk(h[(i - 1) / 10 + 1], deck.at(i));
    for (int s = 1; s <= 3; ++s) legen(s, h[s]);
    skatKopie() = H({deck.at(31), deck.at(32)});
    for (int runde = 0; runde < 20; ++runde) {
        skatki::Lage l;
        skatki::lageAufbauen(2, l, true);
        EXPECT_EQ(l.geraten[3].anz + l.geraten[1].anz, 22);
        for (int i = 1; i <= 22; ++i) {
            const karte k = i <= 10 ? h[1].at(i) : i <= 20 ? h[3].at(i - 10) : skatKopie().at(i - 20);
            EXPECT_EQ(kartenAnzahl(l.geraten[1], k) + kartenAnzahl(l.geraten[3], k), 1) << name(k);
        }
    }
}

TEST_F(SkatKiSpiel, AgainstAnOpenDeclarerTheGuessIsItsHand) {
    for (int allein : {1, 3}) {
        SCOPED_TRACE(allein);
        spiel(kGrand, allein, kOffen);
        legen(1, H({K(4, 1), K(8, 1), K(7, 1)}));
        legen(2, H({K(1, 2), K(2, 2), K(3, 2)}));
        legen(3, H({K(8, 3), K(7, 3), K(6, 4)}));
        skatKopie() = H({K(1, 4), K(2, 4)});
        skatki::Lage l;
        skatki::lageAufbauen(2, l, true);
        const int partner = allein == 1 ? 3 : 1;
        EXPECT_EQ(l.partner, partner);
        ASSERT_EQ(l.geraten[allein].anz, 3);
        for (int i = 1; i <= 3; ++i) EXPECT_TRUE(gleich(l.geraten[allein].at(i), l.real[allein].at(i)));
        ASSERT_EQ(l.geraten[partner].anz, 5);  // the partner's hand and the Skat
        EXPECT_TRUE(gleich(l.geraten[partner].at(4), K(1, 4)));
    }
}

TEST_F(SkatKiSpiel, SuitLeadPrefersACardNobodyCanTake) {
    // Pik game, seat 1 declares and leads; it holds Kreuz As and Kreuz 10 and the Pik Bube.
    struct Fall {
        const char* name;
        hand h3;
        karte erwartet;
    };
    const std::vector<Fall> faelle = {
        // nobody else holds Kreuz or a trump: the Kreuz As stands (priority 30)
        {"no Kreuz, no trump behind", H({K(6, 3), K(3, 4), K(7, 4), K(8, 4)}), K(8, 1)},
        // a trump behind: the Kreuz As only reaches priority 20, and the Pik Bube beating the
        // only other trump takes over on the trumps
        {"one trump behind", H({K(6, 3), K(3, 4), K(7, 4), K(1, 2)}), K(4, 2)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        spiel(kPik, 1);
        charakter(1, 0);
        legen(1, H({K(8, 1), K(7, 1), K(4, 2), K(1, 3)}));
        legen(2, H({K(2, 3), K(3, 3), K(1, 4), K(2, 4)}));
        legen(3, f.h3);
        const karte k = skatki::spielta(1);
        EXPECT_TRUE(gleich(k, f.erwartet)) << name(k);
    }
}

TEST_F(SkatKiSpiel, NullDeclarerLeadsTheSingletonSeven) {
    spiel(kNull, 1);
    charakter(1, 0);
    legen(1, H({K(1, 3), K(8, 1), K(8, 2), K(6, 4)}));
    legen(2, H({K(2, 3), K(1, 1), K(1, 2), K(1, 4)}));
    legen(3, H({K(3, 3), K(2, 1), K(2, 2), K(2, 4)}));
    const karte k = skatki::spielta(1);
    EXPECT_TRUE(gleich(k, K(1, 3))) << name(k);
}

TEST_F(SkatKiSpiel, TheTrickThatWouldGiveTheOtherParty60IsTaken) {
    // Kreuz game, seat 3 plays third after Herz 7 and Herz 8; it has no Herz, a trump 7 and a
    // Pik 9 that the Pik Dame of seat 2 can take. A trick worth nothing is not bought with a
    // trump, unless the other party's won cards would reach 60 with it: the defenders' for the
    // declarer, the declarer's for a defender.
    struct Fall {
        const char* name;
        int allein;
        bool haufen59;
        karte erwartet;
    };
    const hand basis = H({K(8, 4), K(7, 4), K(6, 4), K(8, 2), K(7, 2), K(6, 3), K(5, 3), K(6, 2)});  // 57
    hand mit59 = basis, mit60 = basis;
    handaddk(mit59, K(4, 3));  // a Bube: 59
    handaddk(mit60, K(5, 4));  // a Dame: 60
    const std::vector<Fall> faelle = {
        {"declarer, defenders at 59", 3, true, K(3, 2)},
        {"declarer, defenders at 60", 3, false, K(1, 1)},
        {"defender, declarer at 59", 2, true, K(3, 2)},
        {"defender, declarer at 60", 2, false, K(1, 1)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        spiel(kKreuz, f.allein);
        charakter(3, 0);
        legen(1, H({K(1, 4)}));
        legen(2, H({K(5, 2)}));
        legen(3, H({K(1, 1), K(3, 2)}));
        stichLegen(1, H({K(1, 3), K(2, 3)}));
        gewonnenGegner() = gewonnenAllein() = hand{};
        (f.allein == 3 ? gewonnenGegner() : gewonnenAllein()) = f.haufen59 ? mit59 : mit60;
        const karte k = skatki::spielta(3);
        EXPECT_TRUE(gleich(k, f.erwartet)) << name(k);
    }
}

TEST_F(SkatKiSpiel, AsStaysBackWhileTheKoenigCanComeBehind) {
    struct Fall {
        const char* name;
        hand h1;
        karte erwartet;
    };
    const std::vector<Fall> faelle = {
        {"König of the suit still out", H({K(6, 3), K(1, 4)}), K(7, 3)},
        {"no König or Zehn out", H({K(3, 4), K(1, 4)}), K(8, 3)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        spiel(kKreuz, 3);
        charakter(3, 0);
        legen(1, f.h1);
        legen(2, H({K(1, 2), K(2, 4)}));
        legen(3, H({K(8, 3), K(7, 3), K(1, 1)}));
        stichLegen(1, H({K(2, 3), K(1, 3)}));
        const karte k = skatki::spielta(3);
        EXPECT_TRUE(gleich(k, f.erwartet)) << name(k);
    }
}

TEST_F(SkatKiSpiel, NullFollowingStaysUnderOrGetsRidOfTheHighest) {
    struct Fall {
        const char* name;
        int seat;  // 2 plays second, 3 third
        hand stich, eigene;
        karte erwartet;
    };
    const std::vector<Fall> faelle = {
        {"third, all higher: the highest", 3, H({K(2, 3), K(1, 3)}), H({K(7, 3), K(8, 3), K(1, 2)}), K(8, 3)},
        {"third: the highest still under", 3, H({K(7, 3), K(2, 3)}), H({K(3, 3), K(1, 3), K(8, 2)}), K(3, 3)},
        {"third without the suit: the highest card", 3, H({K(7, 3), K(2, 3)}), H({K(1, 2), K(6, 4), K(3, 1)}),
         K(6, 4)},
        {"second: the lowest of the suit", 2, H({K(7, 3)}), H({K(3, 3), K(8, 3), K(2, 4)}), K(3, 3)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        spiel(kNull, 1);
        charakter(f.seat, 0);
        legen(1, H({K(5, 1), K(5, 2)}));
        legen(f.seat == 2 ? 3 : 2, H({K(6, 1), K(6, 2), K(4, 4)}));
        legen(f.seat, f.eigene);
        stichLegen(1, f.stich);
        const karte k = skatki::spielta(f.seat);
        EXPECT_TRUE(gleich(k, f.erwartet)) << name(k);
    }
}

TEST_F(SkatKiSpiel, DiscardPrefersTheZehnOneCountAboveAnAs) {
    spiel(kKreuz, 3);
    legen(1, H({K(3, 2)}));
    legen(2, H({K(1, 4)}));
    skatki::Lage l;
    skatki::lageAufbauen(3, l, false);
    // the Herz As beats nothing the others hold, the Pik Zehn beats one card
    EXPECT_TRUE(gleich(skatki::abwurfKarte(l, H({K(8, 3), K(7, 2)})), K(7, 2)));
    EXPECT_TRUE(gleich(skatki::abwurfKarte(l, H({K(7, 2), K(8, 3)})), K(8, 3)));
    // otherwise the lowest count, then the lower value code
    EXPECT_TRUE(gleich(skatki::abwurfKarte(l, H({K(6, 3), K(5, 3), K(6, 2)})), K(5, 3)));
}

// Whole deals under several rule sets: every card the computer chooses is one the seat may play.
TEST(SkatKiDeals, EveryChosenCardIsLegal) {
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    skat_1::musterVergessen();
    int karten = 0, falsch = 0, nullOderRamsch = 0;
    for (uint64_t seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE(seed);
        harness::Einstellung e;
        e.spielId = spiele::kSkat;
        e.spieler = 3;
        e.seed = seed;
        e.menschAlsComputer = false;
        harness::Lauf lauf(e);
        skat::anmelden();
        cg.skat.optionen.grandGrundwert = 24;
        ASSERT_TRUE(skat::optionSetzen("Wertung", 1));
        ASSERT_TRUE(skat::optionSetzen("Spiele", 36));
        if (seed % 2) {
            ASSERT_TRUE(skat::optionSetzen("Kontra", 3));
        }
        if (seed % 3 == 0) {
            ASSERT_TRUE(skat::optionSetzen("Bock", 3));
            ASSERT_TRUE(skat::optionSetzen("Ramsch", 1));
        }
        lauf.antworter = [&](TCG& g) {
            if (g.entscheidung.art == 58) {
                const int seat = g.aktSpieler;
                const karte k = skatki::spielta(seat);
                const TSpieler& s = glu::spieler[seat - 1];
                bool legal = false;
                for (int i = 1; i <= s.anz; ++i)
                    if (gleich(s.at(i).c, k)) legal = skat::spielbar(s.at(i));
                ++karten;
                if (!legal) ++falsch;
                if (skat_1::nullOderRamsch()) ++nullOderRamsch;
            }
            for (int s = 1; s <= 3; ++s) cg.sitzEinstellungen.at(s).staerke = 3;
            skatki::kiTick();
            return true;
        };
        ASSERT_TRUE(lauf.starten(0));
        for (int s = 1; s <= 3; ++s) cg.stapelListen[s].computer = 0;
        for (int deal = 0; deal < 3; ++deal) {
            if (deal > 0) {
                ASSERT_TRUE(lauf.starten(1));
                for (int s = 1; s <= 3; ++s) cg.stapelListen[s].computer = 0;
            }
            ASSERT_GE(lauf.bis(skat::dealVorbei), 0);
            ASSERT_FALSE(lauf.fehlgeschlagen());
        }
    }
    EXPECT_GT(karten, 1000);
    EXPECT_GT(nullOderRamsch, 0);
    EXPECT_EQ(falsch, 0);
}

namespace {
hand g_andererStich;
const hand* andererStich() { return &g_andererStich; }
}  // namespace

// The card goes out by its real slot, and only when the flow's own test accepts it; else the
// first card the flow accepts.
TEST_F(SkatKiSpiel, CardIsSentByItsSlotAndOnlyWhenLegal) {
    spiel(kGrand, 1);
    charakter(2, 0);
    cg.phase.nr = 4;
    cg.aktSpieler = 2;
    legen(1, H({K(5, 3), K(5, 1)}));
    legen(2, H({K(1, 1), K(8, 3), K(2, 1)}));
    legen(3, H({K(6, 4), K(3, 2), K(1, 4)}));
    stichLegen(1, H({K(1, 3)}));
    for (const bool gleicherStich : {true, false}) {
        SCOPED_TRACE(gleicherStich);
        // the flow sees the same trick, or one led with Kreuz
        g_andererStich = gleicherStich ? stich() : H({K(3, 1)});
        seams::spiele.skatStich = andererStich;
        central::entscheidungAbfragen(cg, 58);
        cg.antwort.art = 7;
        skatki::kiTick();
        EXPECT_EQ(cg.antwort.art, central::kKarte);
        EXPECT_EQ(cg.antwort.wert2, gleicherStich ? 2 : 1);  // the Herz As, else the Kreuz 7
    }
}

// The second seat forecasts the third card: a partner behind lets a cheap lead pass with its
// weakest losing card and takes a lead worth 10 or more as cheaply as it can; the declarer
// behind takes with its highest card.
TEST_F(SkatKiSpiel, SecondSeatForecastsTheThirdCard) {
    struct Fall {
        const char* name;
        int allein;
        karte angespielt, dritte, gewinner;
    };
    const std::vector<Fall> faelle = {
        {"partner behind, cheap lead", 1, K(3, 3), K(2, 2), K(3, 3)},
        {"partner behind, a Zehn led", 1, K(7, 3), K(1, 1), K(1, 1)},
        {"declarer behind", 3, K(3, 3), K(4, 1), K(4, 1)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        spiel(kKreuz, f.allein);
        charakter(2, 0);
        legen(1, H({K(8, 4), K(7, 2)}));
        legen(2, H({K(1, 3), K(5, 4), K(3, 2)}));
        legen(3, H({K(1, 1), K(4, 1), K(2, 2), K(6, 4)}));
        stichLegen(1, H({f.angespielt}));
        skatki::Lage l;
        skatki::lageAufbauen(2, l, false);
        l.angespielt = f.angespielt;
        skatki::vorhersage(l);
        EXPECT_TRUE(l.zweiterPlatz);
        EXPECT_TRUE(gleich(l.zweite, f.dritte)) << name(l.zweite);
        EXPECT_TRUE(gleich(l.gewinner, f.gewinner)) << name(l.gewinner);
        EXPECT_TRUE(gleich(l.naechsteNiedrigste, K(1, 1)));  // by value code: the Kreuz 7
    }
}

// "wahrs" 0: the seat reasons with the other seats' real hands; 100: always with its guesses.
TEST_F(SkatKiSpiel, WahrsChoosesBetweenRealAndGuessedHands) {
    for (const int wahrs : {0, 100}) {
        SCOPED_TRACE(wahrs);
        spiel(kKreuz, 3);
        charakter(2, wahrs);
        legen(1, H({K(8, 4)}));
        legen(2, H({K(1, 3), K(5, 4)}));
        legen(3, H({K(4, 1), K(2, 2)}));
        stichLegen(1, H({K(3, 3)}));
        for (int runde = 0; runde < 10; ++runde) {
            skatki::Lage l;
            skatki::lageAufbauen(2, l, false);
            l.geraten[3] = H({K(8, 3), K(2, 2)});
            l.angespielt = K(3, 3);
            skatki::vorhersage(l);
            EXPECT_TRUE(gleich(l.zweite, wahrs == 0 ? K(4, 1) : K(8, 3))) << name(l.zweite);
        }
    }
}
