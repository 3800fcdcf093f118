// The harness plays a tiny scripted game to its end: six cards dealt from the talon to two
// seats, each seat plays its cards onto the table when asked, then a "Weiter" closes the game.
#include "harness/lib/harness.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/gtool.h"
#include "core/spiele.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace {

constexpr int kKarten = 6;
constexpr int kEnde = 9;
bool g_meldenImSchritt = false;

void ziehen(int von, int slot, int nach) {
    if (glu::movecardrecord(von, slot, nach, harness::anzahl(nach) + 1, 1, 2, 14, 0, 0))
        cg.bewegungWarten.aktiv = 1;
}

void neuesSpiel(bool) {
    central::neuesSpielAllgemein(cg);
    for (int s = 11; s <= 16; ++s) glu::spieler[s - 1].anz = 0;
    TSpieler& talon = glu::spieler[10];
    for (int i = 1; i <= kKarten; ++i) talon.at(i).c = karte{static_cast<uint8_t>(i), 1, 0};
    talon.anz = kKarten;
    // Shuffled with the one random source, so a seed replays the same deal.
    for (int i = kKarten; i > 1; --i) std::swap(talon.at(i).c, talon.at(rnd::random(i) + 1).c);
    // The core sets the phase to 0 after this routine: phase 0 is the deal.
    cg.phase.schritt = 0;
    cg.phase.fluss1 = 0;
    cg.aktSpieler = 1;
}

void schritt(TCG& g) {
    if (g_meldenImSchritt) msgsink::show("ACHTUNG! test.schritt: absichtlich");
    switch (g.phase.nr) {
        case 0:
            if (g.phase.schritt < kKarten) {
                ziehen(11, harness::anzahl(11), g.phase.schritt % 2 + 1);
                ++g.phase.schritt;
            } else {
                g.phase.nr = 2;
            }
            break;
        case 2:
            central::entscheidungAbfragen(g, 58);
            g.phase.nr = 3;
            break;
        case 3: {
            const int slot = g.antwort.wert2;
            if (g.antwort.art != central::kKarte || slot < 1 || slot > harness::anzahl(g.aktSpieler)) {
                g.phase.nr = 2;  // ask again
                break;
            }
            ziehen(g.aktSpieler, slot, 12);
            g.aktSpieler = 3 - g.aktSpieler;
            g.phase.nr = ++g.phase.fluss1 < kKarten ? 2 : 4;
            break;
        }
        case 4:
            central::entscheidungAbfragen(g, 37);
            g.phase.nr = 5;
            break;
        case 5:
            if (g.antwort.art == central::kKnopf && g.antwort.wert2 == 37) g.phase.nr = kEnde;
            break;
        default:
            break;
    }
}

// The computer seat plays its first card and goes on.
void kiTick() {
    if (cg.entscheidung.art == 58) central::antwort(cg, central::kKarte, 0, 1);
    if (cg.entscheidung.art == 37) central::antwort(cg, central::kKnopf, 0, 37);
}

spiele::Eintrag fakeSpiel() {
    spiele::Eintrag e;
    e.spielSchritt = schritt;
    e.kiTick = kiTick;
    e.neuesSpiel = neuesSpiel;
    e.spielLaden = [] {};
    return e;
}

bool zuEnde(const TCG& g) { return g.phase.nr == kEnde; }

// No card is ever lost or doubled while the game runs.
bool kartenErhalten(const TCG&, std::string& warum) {
    int n = 0;
    for (int s : {1, 2, 11, 12})
        for (int i = 1; i <= harness::anzahl(s); ++i) n += glu::spieler[s - 1].at(i).c.t != 0;
    if (n == kKarten) return true;
    warum = std::to_string(n) + " Karten auf dem Tisch";
    return false;
}

std::vector<int> ablage() {
    std::vector<int> v;
    for (int i = 1; i <= harness::anzahl(12); ++i) v.push_back(glu::spieler[11].at(i).c.t);
    return v;
}

class Harness : public testing::Test {
protected:
    void SetUp() override {
        g_meldenImSchritt = false;
        ASSERT_TRUE(spiele::anmelden(spiele::kMauMau, fakeSpiel()));
    }
    void TearDown() override { spiele::abmelden(spiele::kMauMau); }
    static harness::Einstellung einstellung(uint64_t seed) {
        harness::Einstellung e;
        e.spielId = spiele::kMauMau;
        e.spieler = 2;
        e.seed = seed;
        return e;
    }
};

TEST_F(Harness, ComputerSeatsPlayTheScriptedGameToItsEnd) {
    harness::Lauf lauf(einstellung(1));
    lauf.invariante = kartenErhalten;
    ASSERT_TRUE(lauf.starten());
    EXPECT_GT(lauf.bis(zuEnde), 0);
    EXPECT_EQ(harness::anzahl(12), kKarten);
    EXPECT_EQ(harness::anzahl(1) + harness::anzahl(2) + harness::anzahl(11), 0);
    EXPECT_EQ(cg.bewegungWarten.aktiv, 0);
    EXPECT_FALSE(lauf.fehlgeschlagen());
}

TEST_F(Harness, ScriptedAnswererPlaysTheHumanSeat) {
    harness::Einstellung e = einstellung(2);
    e.menschAlsComputer = false;
    harness::Lauf lauf(e);
    lauf.invariante = kartenErhalten;
    static int antworten;
    antworten = 0;
    // The human always plays its last card and then presses "Weiter".
    lauf.antworter = [](TCG& g) {
        ++antworten;
        if (g.entscheidung.art == 58) return central::antwort(g, central::kKarte, 0, harness::anzahl(1));
        return central::antwort(g, central::kKnopf, 0, 37);
    };
    ASSERT_TRUE(lauf.starten());
    EXPECT_GT(lauf.bis(zuEnde), 0);
    EXPECT_EQ(antworten, 4);  // three cards and the closing button
    EXPECT_EQ(harness::anzahl(12), kKarten);
}

TEST_F(Harness, OneSeedReplaysTheSameGame) {
    std::vector<int> erste, zweite, andere;
    int frames1 = 0, frames2 = 0;
    {
        harness::Lauf lauf(einstellung(42));
        ASSERT_TRUE(lauf.starten());
        frames1 = lauf.bis(zuEnde);
        erste = ablage();
    }
    {
        harness::Lauf lauf(einstellung(42));
        ASSERT_TRUE(lauf.starten());
        frames2 = lauf.bis(zuEnde);
        zweite = ablage();
    }
    {
        harness::Lauf lauf(einstellung(43));
        ASSERT_TRUE(lauf.starten());
        lauf.bis(zuEnde);
        andere = ablage();
    }
    EXPECT_EQ(frames1, frames2);
    EXPECT_EQ(erste, zweite);
    EXPECT_NE(erste, andere);
}

void ohneAntworter() {
    harness::Einstellung e;
    e.spielId = spiele::kMauMau;
    e.spieler = 2;
    e.menschAlsComputer = false;
    e.watchdog = 200;
    harness::Lauf lauf(e);
    lauf.starten();
    lauf.bis(zuEnde);
}

TEST_F(Harness, WatchdogFailsOnADecisionNobodyAnswers) {
    EXPECT_NONFATAL_FAILURE(ohneAntworter(), "Entscheidung 58 für Sitz 1 seit 200 Frames unbeantwortet");
}

void mitMeldung() {
    g_meldenImSchritt = true;
    harness::Einstellung e;
    e.spielId = spiele::kMauMau;
    e.spieler = 2;
    harness::Lauf lauf(e);
    lauf.starten();
    lauf.frames(3);
}

TEST_F(Harness, ConsistencyMessageFailsTheRun) {
    EXPECT_NONFATAL_FAILURE(mitMeldung(), "ACHTUNG! test.schritt: absichtlich");
}

// A move request that is refused never leaves the game waiting for it.
TEST_F(Harness, RefusedMoveRequestSetsNoWait) {
    harness::Lauf lauf(einstellung(3));
    ASSERT_TRUE(lauf.starten());
    msgsink::Capture meldungen;
    cg.bewegungWarten.halter = 0;
    cg.bewegungWarten.marke = 0;
    EXPECT_FALSE(glu::movecardrecord(11, 0, 1, 1, 1, 2, 14, 0, 0));
    EXPECT_FALSE(glu::movecardrecord(11, 1, 30, 1, 1, 2, 14, 0, 0));
    EXPECT_EQ(cg.bewegungWarten.halter, 0);
    EXPECT_EQ(cg.bewegungWarten.marke, 0);
    EXPECT_EQ(glu::zugliste.anz, 0);
    EXPECT_FALSE(meldungen.texts().empty());
}

// The game tools reach the real stacks in the harness: a talon shuffle keeps its cards.
TEST_F(Harness, TalonShuffleKeepsTheCardsOfTheTalon) {
    harness::Lauf lauf(einstellung(3));
    ASSERT_TRUE(lauf.starten());
    TSpieler& talon = glu::spieler[10];
    talon.anz = 8;
    for (int i = 1; i <= 8; ++i) talon.at(i).c = karte{static_cast<uint8_t>(i), 2, 0};
    gtool::talonMischen();
    ASSERT_EQ(talon.anz, 8);
    std::vector<int> werte;
    for (int i = 1; i <= 8; ++i) werte.push_back(talon.at(i).c.t);
    std::sort(werte.begin(), werte.end());
    EXPECT_EQ(werte, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

}  // namespace
