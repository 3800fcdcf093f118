// The computer player at the table in the headless harness: seats of every level play whole
// hands with legal answers only and the chips kept, estimates spread over frames leave the
// question pending without moving the table, and with learning on the store fills and is
// written to its file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/central.h"
#include "core/spiele.h"
#include "games/casino/holdem.h"
#include "games/casino/holdem_ki.h"
#include "games/casino/holdem_preflop.h"
#include "harness/lib/harness.h"

namespace {

namespace fs = std::filesystem;
using namespace holdem;

int stufe(int, int seat) {
    static constexpr int kStufen[7] = {0, 3, 1, 2, 3, 1, 2};
    return kStufen[std::clamp(seat, 0, 6)];
}

int offenGeblieben = 0;   // ticks after which the seat's question was still open
int tischBewegt = 0;      // ticks that left it open but changed the pot or the bets

void zaehlenderTick() {
    const int32_t pot = cg.poker.pot, einsatz = cg.poker.einsatz;
    const int s = cg.aktSpieler;
    kiTick();
    if (cg.antwort.offen == 2 && cg.aktSpieler == s) {
        ++offenGeblieben;
        if (cg.poker.pot != pot || cg.poker.einsatz != einsatz) ++tischBewegt;
    }
}

TEST(HoldemKiSpiel, EveryLevelPlaysLegallyInSlicesAndLearns) {
    loadPreflopTable(KS_SOURCE_DIR);
    const fs::path ordner = fs::temp_directory_path() / ("holdem_ki_spiel_" + std::to_string(::getpid()));
    fs::remove_all(ordner);
    ki::brainDatei = ordner / "brain.txt";
    ki::Clusterer& store = ki::clusterer();
    store.ClearStore();
    store.learn = true;
    store.mode = 1;
    // a frame rate so high that half a frame is two milliseconds: flop estimates need slices
    ki::bildRate = [] { return 250.0f; };
    offenGeblieben = tischBewegt = 0;

    for (int variante : {kNoLimit, kPotLimit, kSplitLimit}) {
        SCOPED_TRACE(testing::Message() << "variant " << variante);
        harness::Einstellung e;
        e.spielId = spiele::kPoker;
        e.spieler = 6;
        e.seed = 5 + static_cast<uint64_t>(variante);
        e.maxFrames = 400000;
        harness::Lauf lauf(e);
        holdem::anmelden();
        spiele::Eintrag eintrag = *spiele::eintrag(spiele::kPoker);
        eintrag.kiTick = zaehlenderTick;
        spiele::anmelden(spiele::kPoker, eintrag);
        central::dienste.staerke = stufe;
        optionen = Optionen{};
        optionen.spieler = 5;
        automatik = true;
        abgelehnt = 0;
        cg.poker.potLimit = variante == kPotLimit;
        cg.poker.splitLimit = variante == kSplitLimit;
        int64_t geld = 0;
        lauf.invariante = [&geld](const TCG& g, std::string& warum) {
            if (g.phase.nr != 4 || !chipsInRuhe()) return true;
            if (geld == 0) geld = tischGeld();
            if (tischGeld() == geld) return true;
            warum = "money on the table " + std::to_string(tischGeld()) + " instead of " + std::to_string(geld);
            return false;
        };
        ASSERT_TRUE(lauf.starten(0));
        cg.sitzEinstellungen.at(1).staerke = 3;
        for (int hand = 0; hand < 4; ++hand) {
            ASSERT_GE(lauf.bis(handVorbei), 0);
            if (partieVorbei()) break;
            ASSERT_TRUE(lauf.starten(1));
        }
        EXPECT_EQ(abgelehnt, 0);
        central::dienste.staerke = nullptr;
    }
    ki::bildRate = nullptr;
    EXPECT_GT(offenGeblieben, 0) << "no estimate ran in slices";
    EXPECT_EQ(tischBewegt, 0);
    // the winners' situations were learned and written
    EXPECT_GT(store.lernAnz(), 0);
    EXPECT_EQ(store.laufAnz(), 0);
    ASSERT_TRUE(fs::exists(ki::brainDatei));
    EXPECT_EQ(fs::file_size(ki::brainDatei), ki::kBrainBytes);
    ki::Clusterer gelesen;
    std::string fehler;
    ASSERT_TRUE(gelesen.loadClusters(ki::brainDatei, fehler)) << fehler;
    EXPECT_EQ(gelesen.lernAnz(), store.lernAnz());
    for (int i = 0; i < gelesen.lernAnz(); ++i) {
        const ki::PokerSituation& s = gelesen.gelernt(i);
        EXPECT_TRUE(s.seat >= 1 && s.seat <= 6) << i;
        EXPECT_TRUE(s.label == -2 || s.label == -1 || (s.label >= 1 && s.label <= 100)) << s.label;
        EXPECT_TRUE(s.street == 10 || s.street == 13 || s.street == 14 || s.street == 16) << int(s.street);
    }
    store.learn = false;
    store.mode = 0;
    store.ClearStore();
    ki::brainDatei.clear();
    fs::remove_all(ordner);
}

}  // namespace
