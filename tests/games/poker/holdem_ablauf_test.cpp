// The flow of whole hands in the headless harness: every seat answers by a script, the cards
// are dealt from a talon laid out by the test where the hands matter.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <functional>

#include "core/central.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/casino/chipanim.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_zaehler.h"
#include "games/casino/pokerchips.h"
#include "games/poker/holdem_karten.h"
#include "gui/pvl.h"
#include "harness/lib/harness.h"
#include "platform/rnd.h"
#include "table/glu.h"
#include "table/tischdienste.h"

using namespace holdem;

namespace {

std::function<Zug(int seat)> skript;
std::vector<std::pair<int, Zug>> gegeben;  // every answer given, in order
std::vector<bool> angenommen;              // whether the action entry took it

void skriptTick() {
    const Zug z = skript(cg.aktSpieler);
    gegeben.push_back({cg.aktSpieler, z});
    angenommen.push_back(central::antwort(cg, central::kKnopf, z.betrag, z.code));
}

bool hat(int seat, int code) {
    for (const Zug& z : erlaubteZuege(lage(seat)))
        if (z.code == code) return true;
    return false;
}
Zug mitgehen(int seat) { return hat(seat, kCheck) ? Zug{kCheck, 0} : Zug{kCall, 0}; }

struct Tisch {
    harness::Lauf lauf;
    int64_t geld = 0;

    static harness::Einstellung einstellung(int seats, uint64_t seed) {
        harness::Einstellung e;
        e.spielId = spiele::kPoker;
        e.spieler = seats;
        e.seed = seed;
        e.maxFrames = 200000;
        return e;
    }
    Tisch(int seats, int variante = kNoLimit, uint64_t seed = 1, int intervall = 1)
        : lauf(einstellung(seats, seed)) {
        holdem::anmelden();
        spiele::Eintrag e = *spiele::eintrag(spiele::kPoker);
        e.kiTick = skriptTick;
        spiele::anmelden(spiele::kPoker, e);
        optionen = Optionen{};
        optionen.spieler = seats - 1;
        optionen.intervall = intervall;
        automatik = true;
        abgelehnt = 0;
        gegeben.clear();
        angenommen.clear();
        cg.poker.potLimit = variante == kPotLimit;
        cg.poker.splitLimit = variante == kSplitLimit;
        // chips on the table never change while they rest
        lauf.invariante = [this](const TCG& g, std::string& warum) {
            if (g.phase.nr != 4 || !chipsInRuhe()) return true;
            if (geld == 0) geld = tischGeld();
            if (tischGeld() != geld) {
                warum = "money on the table " + std::to_string(tischGeld()) + " instead of " +
                        std::to_string(geld);
                return false;
            }
            return true;
        };
    }
    // Until the hole cards are about to be dealt.
    bool vorDemGeben() {
        return lauf.bis([](const TCG& g) { return g.phase.nr == 1 && g.phase.schritt == 0; }) >= 0;
    }
    bool handEnde() { return lauf.bis(handVorbei) >= 0; }
    // Lays the talon out: the hole cards of the seats in dealing order, then the board.
    void talon(const std::vector<std::string>& hole, const std::string& board) {
        hand64 folge{};
        for (const std::string& h : hole) {
            const hand64 k = pokertest::handAus(h);
            for (int i = 1; i <= k.anz; ++i) folge.at(++folge.anz) = k.at(i);
        }
        const hand64 b = pokertest::handAus(board);
        for (int i = 1; i <= b.anz; ++i) folge.at(++folge.anz) = b.at(i);
        TSpieler& t = glu::spieler[kTalon - 1];
        // move the wanted cards to the top, in order
        for (int i = 1; i <= folge.anz; ++i) {
            const int ziel = t.anz + 1 - i;
            for (int j = 1; j <= t.anz; ++j)
                if (gleich(t.at(j).c, folge.at(i))) std::swap(t.at(j).c, t.at(ziel).c);
        }
    }
    // The seats in the order the hole cards are dealt (from the one after the big blind).
    std::vector<int> gebeFolge() {
        std::vector<int> f;
        int s = cg.poker.bbSitz;
        for (int k = 0; k < anzahl(); ++k) {
            s = s % anzahl() + 1;
            f.push_back(s);
        }
        return f;
    }
};

int board() { return glu::spieler[kBoard - 1].anz; }

TEST(HoldemFlow, EveryoneFoldsToTheBigBlind) {
    Tisch t(4);
    skript = [](int) { return Zug{kFold, 0}; };
    ASSERT_TRUE(t.lauf.starten(0));
    ASSERT_TRUE(t.handEnde());
    // the first match after start begins with seat 1 as small blind
    EXPECT_EQ(cg.poker.sbSitz, 1);
    EXPECT_EQ(cg.poker.bbSitz, 2);
    EXPECT_EQ(cg.poker.dealer, 4);
    EXPECT_EQ(board(), 0);  // no showdown: the board is never dealt
    EXPECT_EQ(gegeben.size(), 3u);
    EXPECT_EQ(sitz(2).gewinn, 3);
    EXPECT_EQ(cg.spielliste.punkte[1][1], -1);
    EXPECT_EQ(cg.spielliste.punkte[2][1], 1);
    EXPECT_EQ(cg.spielliste.punkte[3][1], 0);
    t.lauf.frames(100);
    EXPECT_EQ(pokerchips::seatChipTotal(2), 201);
    EXPECT_EQ(pokerchips::seatChipTotal(1), 199);
    std::string text;
    announcePotWinners(text);
    EXPECT_EQ(text.rfind("Pot geht an: ", 0), 0u);
    EXPECT_EQ(text.find("Sidepot"), std::string::npos);
}

TEST(HoldemFlow, HeadsUpTheBigBlindDeals) {
    Tisch t(2);
    skript = [](int) { return Zug{kFold, 0}; };
    ASSERT_TRUE(t.lauf.starten(0));
    ASSERT_TRUE(t.handEnde());
    EXPECT_EQ(cg.poker.sbSitz, 1);
    EXPECT_EQ(cg.poker.bbSitz, 2);
    EXPECT_EQ(cg.poker.dealer, 2);
    // the small blind acts first before the flop and loses its blind by folding
    ASSERT_EQ(gegeben.size(), 1u);
    EXPECT_EQ(gegeben[0].first, 1);
}

TEST(HoldemFlow, AllInAndCallRunTheBoardOutToTheShowdown) {
    Tisch t(3);
    // seat 3 (first after the big blind) goes all in, seat 1 folds, seat 2 calls all in
    skript = [](int s) {
        if (s == 3) return Zug{kAllIn, 0};
        if (s == 1) return Zug{kFold, 0};
        return Zug{kCall, 0};
    };
    ASSERT_TRUE(t.lauf.starten(0));
    ASSERT_TRUE(t.vorDemGeben());
    const std::vector<int> f = t.gebeFolge();  // 3, 1, 2
    ASSERT_EQ(f[0], 3);
    t.talon({"Ah Ad", "7c 2d", "Kh Kd"}, "3c 8d 9s Jh 4c");
    const int32_t einsatzVorher = cg.poker.einsatz;
    ASSERT_TRUE(t.lauf.bis([](const TCG&) { return sitz(3).allIn == 1; }) >= 0);
    EXPECT_EQ(einsatzVorher, 2);
    EXPECT_EQ(cg.poker.einsatz, 200);  // the all-in above the bet raises it to the seat's total
    ASSERT_TRUE(t.handEnde());
    EXPECT_EQ(gegeben.size(), 3u);  // nobody is asked once all are all in
    EXPECT_EQ(board(), 5);
    EXPECT_EQ(sitz(3).gewinn, 401);  // aces: both stacks and the folded small blind
    EXPECT_EQ(sitz(2).gewinn, 0);
    EXPECT_EQ(cg.spielliste.punkte[3][1], 201);
    EXPECT_EQ(cg.spielliste.punkte[2][1], -200);
    EXPECT_EQ(cg.spielliste.punkte[1][1], -1);
    EXPECT_EQ(sitz(3).besteHand[0] + sitz(3).besteHand[1], 2);  // both aces are in the best five
}

TEST(HoldemFlow, SplitLimitCapsTheRaisesOfEachRound) {
    Tisch t(3, kSplitLimit);
    int hoechst[8] = {};
    skript = [&hoechst](int s) {
        const int strasse = cg.poker.strasse;
        hoechst[strasse] = std::max(hoechst[strasse], static_cast<int>(cg.poker.erhoehungenRunde));
        for (const Zug& z : erlaubteZuege(lage(s)))
            if (z.code == kRaise) return z;
        return mitgehen(s);
    };
    ASSERT_TRUE(t.lauf.starten(0));
    ASSERT_TRUE(t.handEnde());
    t.lauf.frames(1);
    EXPECT_EQ(hoechst[1], 3);
    EXPECT_EQ(hoechst[3], 4);
    EXPECT_EQ(hoechst[5], 4);
    EXPECT_EQ(hoechst[7], 4);
    // blinds 1 + 2, then 3 raises of 2 preflop, 4 of 2 on the flop and 4 of 4 on turn and river
    EXPECT_EQ(cg.poker.pot, 3 * (8 + 8 + 16 + 16));
}

TEST(HoldemFlow, BlindsRiseAfterTheInterval) {
    Tisch t(3, kNoLimit, 1, 2);  // every 7 hands
    skript = [](int) { return Zug{kFold, 0}; };
    ASSERT_TRUE(t.lauf.starten(0));
    for (int h = 1; h <= 7; ++h) {
        SCOPED_TRACE(h);
        ASSERT_TRUE(t.handEnde());
        EXPECT_EQ(cg.poker.bigBlind, h < 7 ? 2 : 4);
        ASSERT_TRUE(t.lauf.starten(1));
    }
}

TEST(HoldemFlow, PaymentsBeyondTheChipsAreAllIns) {
    Tisch t(3);
    // hand 1: all fold to the big blind (seat 2 ends with 201, seat 1 with 199)
    skript = [](int) { return Zug{kFold, 0}; };
    ASSERT_TRUE(t.lauf.starten(0));
    ASSERT_TRUE(t.handEnde());
    ASSERT_TRUE(t.lauf.starten(1));
    // hand 2: seat 2 small blind, seat 3 big blind; seat 1 calls the blind, seat 2 raises far
    // beyond its 200 chips, seat 3 folds and seat 1 calls what it cannot cover
    skript = [](int s) {
        if (s == 2) return Zug{kRaise, 5000};
        if (s == 3) return Zug{kFold, 0};
        return Zug{kCall, 0};
    };
    ASSERT_TRUE(t.handEnde());
    EXPECT_EQ(abgelehnt, 0);
    EXPECT_EQ(sitz(2).gesetzt, 201);  // its blind and all its chips
    EXPECT_EQ(sitz(2).allIn, 1);
    EXPECT_EQ(sitz(1).gesetzt, 199);  // the call is capped at its chips
    EXPECT_EQ(sitz(1).allIn, 1);
    EXPECT_EQ(cg.poker.pot, 201 + 199 + 2);
    EXPECT_EQ(board(), 5);
    // whoever wins the main pot, the 2 chips nobody could call go back to seat 2
    EXPECT_GE(sitz(2).gewinn, 2);
    t.lauf.frames(200);
    EXPECT_EQ(pokerchips::seatChipTotal(1) + pokerchips::seatChipTotal(2) + pokerchips::seatChipTotal(3),
              600);
}

TEST(HoldemFlow, AnswersTheSeatCannotGiveAreRefusedAndAskedAgain) {
    Tisch t(3, kSplitLimit);
    int n = 0;
    // a check while the big blind is to be called, then raises beyond the cap of three
    skript = [&n](int s) {
        ++n;
        if (n == 1) return Zug{kCheck, 0};
        return n <= 6 ? Zug{kRaise, 2} : mitgehen(s);
    };
    ASSERT_TRUE(t.lauf.starten(0));
    ASSERT_TRUE(t.handEnde());
    ASSERT_GE(gegeben.size(), 7u);
    EXPECT_FALSE(angenommen[0]);  // no such button: the action entry refuses it
    EXPECT_EQ(gegeben[1].first, 3);
    // seats 3, 1 and 2 raise; seat 3's fourth raise is refused twice, then it calls
    EXPECT_EQ(abgelehnt, 2);
    EXPECT_EQ(gegeben[4].first, 3);
    EXPECT_EQ(gegeben[5].first, 3);
    EXPECT_EQ(gegeben[6].first, 3);
    EXPECT_EQ(sitz(3).gesetzt, 8 + 0);  // 3 raises of 2 on the blind of 2, nothing after the flop
    abgelehnt = 0;
}

TEST(HoldemFlow, ASaveInTheMiddleOfAHandGoesOnAlike) {
    const auto ordner =
        std::filesystem::temp_directory_path() / ("holdem_save_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(ordner);
    static pvl::TPVLDialog panel{};
    Tisch t(4, kPotLimit, 9);
    tischdienste::anbinden(spielstand::anbindung);
    spielstand::anbindung.ipanel = [] { return &panel; };
    skript = [](int s) {
        const std::vector<Zug> zuege = erlaubteZuege(lage(s));
        return zuege[static_cast<size_t>(rnd::random(static_cast<int32_t>(zuege.size())))];
    };
    ASSERT_TRUE(t.lauf.starten(0));
    for (int h = 0; h < 2; ++h) {
        ASSERT_TRUE(t.handEnde());
        ASSERT_TRUE(t.lauf.starten(partieVorbei() ? 0 : 1));
    }
    // a question open after the flop, nothing on the move (in a later hand if this one ends before)
    auto offen = [](const TCG& g) {
        return g.phase.nr == 4 && g.antwort.offen == 2 && g.poker.strasse >= 3 && glu::zugliste.anz == 0 &&
               glu::fertigliste.anz == 0 && chipsInRuhe();
    };
    for (int h = 0; h < 50; ++h) {
        ASSERT_GE(t.lauf.bis([&offen](const TCG& g) { return offen(g) || handVorbei(g); }), 0);
        if (offen(cg)) break;
        ASSERT_TRUE(t.lauf.starten(partieVorbei() ? 0 : 1));
    }
    ASSERT_TRUE(offen(cg));
    ASSERT_TRUE(spielstand::spielSpeichern(cg, ordner, "mitte", true));
    const std::string code = spielstand::spielCode(cg);
    const uint64_t zufall = rnd::state();
    auto ergebnis = [] {
        std::array<int64_t, 8> v{};
        for (int s = 1; s <= 4; ++s) v[static_cast<size_t>(s - 1)] = pokerchips::seatChipTotal(s);
        for (int s = 1; s <= 4; ++s) v[static_cast<size_t>(s + 3)] = sitz(s).gewinn - sitz(s).gesetzt;
        return v;
    };
    ASSERT_TRUE(t.handEnde());
    t.lauf.frames(200);
    const auto weiter = ergebnis();

    ASSERT_TRUE(spielstand::spielLaden(cg, ordner, "mitte", code));
    ASSERT_TRUE(central::nachLaden(cg));
    rnd::setState(zufall);
    ASSERT_TRUE(t.handEnde());
    t.lauf.frames(200);
    EXPECT_EQ(ergebnis(), weiter);
    spielstand::anbindung = spielstand::Anbindung{};
    std::filesystem::remove_all(ordner);
}

TEST(HoldemSoak, WholeMatchesConserveTheChipsAndPlayOnlyLegalAnswers) {
    for (int variante : {kNoLimit, kPotLimit, kSplitLimit})
        for (uint64_t seed = 1; seed <= 2; ++seed) {
            SCOPED_TRACE(testing::Message() << "variant " << variante << " seed " << seed);
            Tisch t(6, variante, seed, 2);
            int illegal = 0;
            skript = [&illegal](int s) {
                const std::vector<Zug> zuege = erlaubteZuege(lage(s));
                Zug z = zuege[static_cast<size_t>(rnd::random(static_cast<int32_t>(zuege.size())))];
                if (z.code == kRaise) {
                    // anywhere in the raise range
                    int32_t hoch = z.betrag;
                    for (const Zug& e : zuege)
                        if (e.code == kRaise) hoch = e.betrag;
                    z.betrag += rnd::random(hoch - z.betrag + 1);
                }
                // folds are mostly turned into a check or call, so that hands reach the showdown
                if (z.code == kFold && rnd::random(4) != 0) {
                    if (hat(s, kCheck)) z = {kCheck, 0};
                    if (hat(s, kCall)) z = {kCall, 0};
                }
                if (!erlaubt(lage(s), z)) ++illegal;
                return z;
            };
            ASSERT_TRUE(t.lauf.starten(0));
            int haende = 0;
            for (; haende < 400; ++haende) {
                ASSERT_TRUE(t.handEnde());
                int64_t summe = 0;
                for (int s = 1; s <= 6; ++s)
                    summe += cg.spielliste.punkte[s][std::min(cg.spielliste.runden, 200)];
                ASSERT_EQ(summe, 0);
                if (partieVorbei()) {
                    // one seat can still pay the blind; the others have their places
                    int zahlen = 0;
                    for (int s = 1; s <= 6; ++s) {
                        if (PokerSeatInGame(s) && pokerchips::seatChipTotal(s) >= cg.poker.bigBlind)
                            ++zahlen;
                        else
                            EXPECT_GE(sitz(s).platz, 2) << "seat " << s;
                    }
                    EXPECT_EQ(zahlen, 1);
                    break;
                }
                ASSERT_TRUE(t.lauf.starten(1));
            }
            EXPECT_LT(haende, 400) << "the match should end";
            EXPECT_EQ(abgelehnt, 0);
            EXPECT_EQ(illegal, 0);
        }
}

}  // namespace
