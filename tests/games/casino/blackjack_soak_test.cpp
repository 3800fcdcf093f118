// Whole rounds and series of Black Jack and 17 und 4 in the headless harness.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/central.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/casino/blackjack.h"
#include "games/casino/chipanim.h"
#include "games/casino/pokerchips.h"
#include "gui/pvl.h"
#include "harness/lib/harness.h"
#include "platform/rnd.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace {

bool chipsRuhen() {
    const auto& h = chipanim::AnimationHandler;
    if (h.anfragen() != 0 || h.fluege() != 0) return false;
    for (int s = 1; s <= pokerchips::kSitze; ++s)
        if (pokerchips::seat(s).removal != 0) return false;
    return true;
}

int kartenImSpiel() {
    int n = harness::anzahl(11) + harness::anzahl(13);
    for (int s = 1; s <= blackjack::anzahl(); ++s) n += harness::anzahl(s);
    return n;
}

// The money of the seats and their boxes never changes once the starting money is out, and no
// card leaves the table; both hold in every frame in which nothing moves.
bool invariante(const TCG& g, std::string& warum, int karten) {
    if (!chipsRuhen() || glu::zugliste.anz != 0) return true;
    const bool ausgezahlt = g.spielliste.runden > 0 || g.phase.nr == 10 || g.phase.nr == 1 || g.phase.nr == 4;
    const int64_t soll = int64_t{blackjack::anzahl()} * g.blackjack.regeln.startGeld;
    if (ausgezahlt && blackjack::tischGeld() != soll) {
        warum = "money " + std::to_string(blackjack::tischGeld()) + " instead of " + std::to_string(soll);
        return false;
    }
    if (kartenImSpiel() != karten) {
        warum = "cards " + std::to_string(kartenImSpiel()) + " instead of " + std::to_string(karten);
        return false;
    }
    return true;
}

struct Serie {
    int spielId;
    int spieler;
    std::array<int, 6> stufen;
    int decks;
};

// Plays `runden` rounds, starting a new series whenever one ends.
void spielen(const Serie& s, uint64_t seed, int runden) {
    harness::Einstellung e;
    e.spielId = s.spielId;
    e.spieler = s.spieler;
    e.seed = seed;
    harness::Lauf lauf(e);
    blackjack::anmelden();
    static std::array<int, 6> stufen;
    stufen = s.stufen;
    central::dienste.staerke = [](int, int seat) { return stufen[static_cast<size_t>(seat - 1)]; };
    const bool kurz = s.spielId == spiele::kSiebzehnUndVier;
    blackjack::Optionen& o = blackjack::optionen[kurz ? 1 : 0];
    o = blackjack::Optionen{};
    o.spieler = s.spieler;
    o.decks = s.decks;
    o.runden = "20 Runden";
    blackjack::automatik = true;
    const int karten = (kurz ? 32 : 52) * s.decks;
    lauf.invariante = [karten](const TCG& g, std::string& warum) { return invariante(g, warum, karten); };
    ASSERT_TRUE(lauf.starten());
    cg.sitzEinstellungen.at(1).staerke = s.stufen[0];
    for (int r = 1; r <= runden; ++r) {
        SCOPED_TRACE(testing::Message() << "round " << r);
        ASSERT_GE(lauf.bis(blackjack::rundeVorbei), 0);
        int32_t summe = 0;
        for (int i = 1; i <= s.spieler; ++i) summe += cg.blackjack.sitz.at(i).betrag;
        ASSERT_EQ(summe, 0) << "the dealer's result is minus the others'";
        const bool ende = blackjack::partieEnde();
        ASSERT_TRUE(lauf.starten(ende ? 0 : 1));
        cg.sitzEinstellungen.at(1).staerke = s.stufen[0];
    }
}

TEST(BlackJackSoak, SeriesAtEveryLevelKeepMoneyAndCards) {
    const Serie serien[] = {
        {spiele::kBlackJack, 4, {3, 3, 3, 3, 3, 3}, 1},
        {spiele::kBlackJack, 6, {0, 1, 2, 3, 0, 1}, 3},
        {spiele::kBlackJack, 2, {1, 2, 2, 2, 2, 2}, 2},
        {spiele::kSiebzehnUndVier, 5, {2, 0, 3, 1, 2, 2}, 1},
        {spiele::kSiebzehnUndVier, 3, {3, 3, 0, 3, 3, 3}, 2},
    };
    for (const auto& s : serien)
        for (uint64_t seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(testing::Message()
                         << "game " << s.spielId << " seats " << s.spieler << " seed " << seed);
            spielen(s, seed, 45);
            if (testing::Test::HasFatalFailure()) return;
        }
}

// A scripted human at seat 1 that bets the minimum and never draws.
bool stehen(TCG& g) {
    if (g.entscheidung.art == 106) return central::antwort(g, central::kKnopf, 0, g.entscheidung.code(1));
    return central::antwort(g, central::kKnopf, 0, 37);
}

TEST(BlackJackSoak, DealerOutcomesMatchTheExactOneDeckTable) {
    // A one-deck shoe shuffled before every round; the dealer stands on soft 17. The player
    // never draws, so the dealer's cards are as if dealt off a full deck.
    harness::Einstellung e;
    e.spielId = spiele::kBlackJack;
    e.spieler = 2;
    e.seed = 99;
    e.menschAlsComputer = false;
    harness::Lauf lauf(e);
    blackjack::anmelden();
    blackjack::Optionen& o = blackjack::optionen[0];
    o = blackjack::Optionen{};
    o.spieler = 2;
    o.mischen = true;
    o.runden = "Keine Grenze";
    o.startGeld = 3;
    blackjack::automatik = true;
    lauf.antworter = stehen;
    static int dealerKarten = 0;
    static bool dealerNatural = false;
    lauf.invariante = [](const TCG& g, std::string&) {
        if (g.phase.nr == 4 && g.phase.schritt == 10) {
            dealerKarten = harness::anzahl(g.blackjack.dealer);
            dealerNatural = blackjack::BlackJackIsNatural(g.blackjack.dealer);
        }
        return true;
    };
    ASSERT_TRUE(lauf.starten());
    std::array<int, 6> zahl{};  // 17, 18, 19, 20, 21, bust
    int n = 0;
    for (int r = 0; r < 6000; ++r) {
        ASSERT_GE(lauf.bis(blackjack::rundeVorbei), 0);
        ASSERT_GE(dealerKarten, 2);
        if (!dealerNatural) {
            const int w = cg.blackjack.dealerWert;
            ASSERT_GE(w, 17);
            zahl[static_cast<size_t>(w > 21 ? 5 : w - 17)] += 1;
            ++n;
        }
        ASSERT_TRUE(lauf.starten(blackjack::partieEnde() ? 0 : 1));
    }
    const double exakt[6] = {0.1532, 0.1451, 0.1417, 0.1847, 0.0774, 0.2980};
    for (size_t i = 0; i < 6; ++i) {
        const double p = static_cast<double>(zahl[i]) / n;
        const double sd = std::sqrt(exakt[i] * (1 - exakt[i]) / n);
        EXPECT_NEAR(p, exakt[i], 4 * sd) << "outcome " << i;
    }
}

// Deals a prepared talon: the cards are taken from its top, the last of the list first.
void talonLegen(std::initializer_list<uint8_t> werte) {
    TSpieler& t = glu::spieler[10];
    int i = t.anz;
    for (uint8_t w : werte) {
        t.at(i).c = karte{w, 1, 0};
        --i;
    }
}

// Two seats, seat 1 the scripted human, seat 2 the dealer (a fresh series always gives it).
std::unique_ptr<harness::Lauf> tisch(int id, const std::function<bool(TCG&)>& a, int einsatzIndex = 1) {
    harness::Einstellung e;
    e.spielId = id;
    e.spieler = 2;
    e.seed = 4;
    e.menschAlsComputer = false;
    auto lauf = std::make_unique<harness::Lauf>(e);
    blackjack::anmelden();
    const bool kurz = id == spiele::kSiebzehnUndVier;
    blackjack::Optionen& o = blackjack::optionen[kurz ? 1 : 0];
    o = blackjack::Optionen{};
    o.spieler = 2;
    o.minEinsatz = einsatzIndex;
    o.zweiteKarte = 1;
    lauf->antworter = a;
    EXPECT_TRUE(lauf->starten());
    return lauf;
}

TEST(BlackJackRound, ANaturalPaysThreeToTwoRoundedDown) {
    // minimum bet 10: the natural wins 15
    auto lauf = tisch(spiele::kBlackJack, stehen, 5);
    // seat 1: As, König; dealer: 9, 8
    talonLegen({8, 6, 3, 2});
    ASSERT_GE(lauf->bis(blackjack::rundeVorbei), 0);
    EXPECT_EQ(+cg.blackjack.sitz.at(1).betrag, 15);
    EXPECT_EQ(+cg.blackjack.sitz.at(2).betrag, -15);
    EXPECT_EQ(pokerchips::seatChipTotal(1), 115);
}

TEST(BlackJackRound, ABustingSeatPaysAtOnce) {
    int gefragt = 0;
    auto lauf = tisch(spiele::kBlackJack, [&](TCG& g) {
        if (g.entscheidung.art == 106) return central::antwort(g, central::kKnopf, 0, g.entscheidung.code(1));
        ++gefragt;
        return central::antwort(g, central::kKnopf, 0, 75);
    });
    // seat 1: 10, 6 draws a König; the dealer 10, 7
    talonLegen({7, 13, 7, 1, 6});
    ASSERT_GE(lauf->bis(blackjack::rundeVorbei), 0);
    EXPECT_EQ(gefragt, 1);
    EXPECT_EQ(+cg.blackjack.sitz.at(1).ergebnis, -1);
    EXPECT_EQ(+cg.blackjack.sitz.at(1).betrag, -2);
    EXPECT_EQ(pokerchips::seatChipTotal(2), 102);
}

TEST(BlackJackRound, ADoubledSeatGetsExactlyOneCard) {
    auto lauf = tisch(spiele::kBlackJack, [](TCG& g) {
        if (g.entscheidung.art == 106) return central::antwort(g, central::kKnopf, 0, g.entscheidung.code(1));
        if (g.entscheidung.code(1) == 109) return central::antwort(g, central::kKnopf, 0, 109);
        ADD_FAILURE() << "asked again after doubling";
        return central::antwort(g, central::kKnopf, 0, 37);
    });
    // seat 1: 5, 6 doubles and gets a 10 (21); the dealer 10, 8 stands
    talonLegen({12, 13, 7, 2, 7});
    ASSERT_GE(lauf->bis(blackjack::rundeVorbei), 0);
    EXPECT_EQ(+cg.blackjack.sitz.at(1).verdoppelt, 1);
    EXPECT_EQ(+cg.blackjack.sitz.at(1).betrag, 4);
    EXPECT_EQ(pokerchips::seatChipTotal(1), 104);
}

TEST(BlackJackRound, SeventeenAndFourTiesLoseAndTheDealerStartsWithOneCard) {
    auto lauf = tisch(spiele::kSiebzehnUndVier, [](TCG& g) {
        if (g.entscheidung.art == 106) return central::antwort(g, central::kKnopf, 0, g.entscheidung.code(1));
        if (g.aktSpieler == 1) return central::antwort(g, central::kKnopf, 0, 37);
        return false;
    });
    // seat 1: 10, 7; the dealer 10 and then a 7: 17 against 17
    talonLegen({7, 1, 7, 1});
    ASSERT_GE(lauf->bis([](const TCG& g) { return g.phase.nr == 4; }), 0);
    EXPECT_EQ(harness::anzahl(2), 1);
    EXPECT_EQ(harness::anzahl(1), 2);
    ASSERT_GE(lauf->bis(blackjack::rundeVorbei), 0);
    EXPECT_EQ(+cg.blackjack.dealerWert, 17);
    EXPECT_EQ(+cg.blackjack.sitz.at(1).ergebnis, -1);
    EXPECT_EQ(+cg.blackjack.sitz.at(1).betrag, -1);
}

TEST(BlackJackRound, ASaveInTheMiddleOfARoundGoesOnAlike) {
    const auto ordner = std::filesystem::temp_directory_path() / ("bj_save_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(ordner);
    static pvl::TPVLDialog panel{};
    harness::Einstellung e;
    e.spielId = spiele::kBlackJack;
    e.spieler = 4;
    e.seed = 21;
    harness::Lauf lauf(e);
    blackjack::anmelden();
    tischdienste::anbinden(spielstand::anbindung);
    spielstand::anbindung.ipanel = [] { return &panel; };
    blackjack::optionen[0] = blackjack::Optionen{};
    blackjack::automatik = true;
    ASSERT_TRUE(lauf.starten());
    for (int r = 0; r < 2; ++r) {
        ASSERT_GE(lauf.bis(blackjack::rundeVorbei), 0);
        ASSERT_TRUE(lauf.starten(1));
    }
    // a question open in the play, nothing on the move
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == 4 && g.antwort.offen == 2 && glu::zugliste.anz == 0 && glu::fertigliste.anz == 0;
    }),
              0);
    ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner, "mitte", true));
    const uint64_t zufall = rnd::state();
    auto ergebnis = [] {
        std::array<int64_t, 8> v{};
        for (int s = 1; s <= 4; ++s) v[static_cast<size_t>(s - 1)] = pokerchips::seatChipTotal(s);
        for (int s = 1; s <= 4; ++s) v[static_cast<size_t>(s + 3)] = cg.blackjack.sitz.at(s).betrag;
        return v;
    };
    ASSERT_GE(lauf.bis(blackjack::rundeVorbei), 0);
    const auto weiter = ergebnis();

    ASSERT_TRUE(spielstand::spielLaden(cg, ordner, "mitte", "bjk"));
    ASSERT_TRUE(central::nachLaden(cg));
    rnd::setState(zufall);
    ASSERT_GE(lauf.bis(blackjack::rundeVorbei), 0);
    EXPECT_EQ(ergebnis(), weiter);
    spielstand::anbindung = spielstand::Anbindung{};
    std::filesystem::remove_all(ordner);
}

}  // namespace
