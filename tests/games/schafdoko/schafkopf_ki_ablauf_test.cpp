// The Schafkopf computer player in the running game: the answers of its driver to each decision
// dialog, short series of computer seats of every level under several rule sets, and a human's
// card updating the card knowledge and party beliefs exactly as a computer's does.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "core/central.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf_ki.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "harness/lib/harness.h"

namespace {

using namespace schafkopf;

// A pending dialog of seat 2 with these answer codes; the stored answer after one tick.
int antwortAuf(int art, std::initializer_list<int> codes) {
    cg.aktSpieler = 2;
    cg.antwort.art = sd::kNichts;
    TEntscheidung& e = cg.entscheidung;
    e.art = art;
    e.mitKnoepfen = 1;
    e.knopfAnzahl = static_cast<int32_t>(codes.size());
    int i = 1;
    for (int c : codes) e.setzeCode(i++, static_cast<int16_t>(c));
    schafkopfki::kiTick();
    return cg.antwort.art == central::kKnopf ? cg.antwort.wert2 : 0;
}

class SchafkopfKiDialog : public testing::Test {
protected:
    void SetUp() override {
        central::dienste.staerke = [](int, int) { return 3; };
        cg.schafkopf.z = TSchafkopfZustand{};
        cg.schafkopf.spiel = TSchafkopfSpiel{};
    }
    void TearDown() override {
        central::dienste.staerke = nullptr;
        cg.entscheidung = TEntscheidung{};
        cg.schafkopf.z = TSchafkopfZustand{};
    }
    TSchafkopfKiGebot& gebot() { return cg.schafkopf.z.kiGebot[1]; }
};

TEST_F(SchafkopfKiDialog, GameChoicePressesTheWishOnlyWhileItOutranks) {
    struct Fall {
        int wunsch;     // the seat's wished game type
        int genannt;    // the highest game named so far (0: none)
        std::initializer_list<int> codes;
        int antwort;
    };
    const Fall faelle[] = {
        {kWenz, 0, {kSolo, kWenz, kGeier, kRufspiel}, kWenz},  // nothing named: the wish
        {kWenz, kRufspiel, {43, kSolo, kWenz}, kWenz},          // the wish outranks the Rufspiel
        {kRufspiel, kWenz, {43, kSolo}, 43},                    // it no longer does: pass
        {kWenz, kSolo, {kSolo, kSie}, kSolo},                   // no pass, no wish: a game offered
        {kKeinSpiel, 0, {kSolo, kRufspiel}, kSolo},             // no wish after naming to play
    };
    for (const Fall& f : faelle) {
        gebot().typ = static_cast<uint8_t>(f.wunsch);
        cg.schafkopf.z.angesagt = f.genannt ? 1 : 0;
        cg.schafkopf.z.hoechstes = TSchafkopfSpiel{};
        cg.schafkopf.z.hoechstes.typ = static_cast<uint8_t>(f.genannt);
        EXPECT_EQ(antwortAuf(92, f.codes), f.antwort) << f.wunsch << " over " << f.genannt;
    }
}

TEST_F(SchafkopfKiDialog, SuitToutAndDoubling) {
    gebot().farbe = 2;
    EXPECT_EQ(antwortAuf(91, {1, 2, 4}), 2);
    EXPECT_EQ(antwortAuf(91, {1, 4}), 1);  // the wished suit is not offered: the first
    gebot().tout = 1;
    EXPECT_EQ(antwortAuf(94, {94, 95}), 94);
    gebot().tout = 0;
    EXPECT_EQ(antwortAuf(94, {94, 95}), 95);
    EXPECT_EQ(antwortAuf(97, {96, 43}), 96);

    cg.schafkopf.spiel.typ = kSolo;
    cg.schafkopf.spiel.farbe = 3;
    struct Fall {
        int code;       // seat 2's own party in its view
        int kontra;     // the doubling so far
        int eigen, gegen;
        int art;
        int antwort;
    };
    const Fall faelle[] = {
        {11, 0, 0, 1, 44, 1},   // against the declarer, counter level 1 above 0: Kontra
        {11, 0, 3, 0, 44, -1},  // the own-game level does not count against the declarer
        {10, 1, 2, 0, 63, 2},   // the declarer's side, own level 2 above Kontra: Re
        {10, 1, 1, 4, 63, -1},  // own level 1 is not above 1
    };
    for (const Fall& f : faelle) {
        cg.schafkopf.z.sichten[2].code[1] = f.code;
        cg.schafkopf.z.kontra = f.kontra;
        gebot().eigeneStufe[kSolo][3] = static_cast<uint8_t>(f.eigen);
        gebot().gegenStufe[kSolo][3] = static_cast<uint8_t>(f.gegen);
        EXPECT_EQ(antwortAuf(f.art, {f.art == 44 ? 1 : 2, -1}), f.antwort) << f.code << " " << f.kontra;
    }
    // a dialog that is not the player's stays pending
    EXPECT_EQ(antwortAuf(50, {1, 2}), 0);
    EXPECT_EQ(cg.antwort.art, sd::kNichts);
}

int g_stufen[5] = {0, 3, 3, 3, 3};

struct Serie {
    std::set<int> typen;
    int deals = 0;
    int mitEvidenz = 0;  // deals whose party views hold evidence at the end
    int alleinMitEvidenz = 0;  // of them one-against-three games
};

void serie(uint64_t seed, const std::vector<std::pair<const char*, int>>& optionen, Serie& ergebnis) {
    harness::Einstellung e;
    e.spielId = spiele::kSchafkopf;
    e.seed = seed;
    e.fps = 10.0f;
    harness::Lauf lauf(e);
    schafkopf::anmelden();
    schafkopf::optionenStandard();
    for (const auto& [name, wert] : optionen) ASSERT_TRUE(schafkopf::optionSetzen(name, wert)) << name;
    central::dienste.staerke = [](int, int seat) { return seat >= 1 && seat <= 4 ? g_stufen[seat] : 2; };
    sd::Legalitaet legal;
    lauf.invariante = [&](const TCG& g, std::string& warum) {
        return schafkopf::kartenErhalten(warum) &&
               legal.pruefen(g.schafkopf.z.stich, g.schafkopf.z.stichAnz, g.phase.nr == 4 ? g.aktSpieler : 0,
                             schafkopf::spielbareKarten, warum);
    };
    bool erstes = true;
    while (erstes || !schafkopf::partieEnde()) {
        const int32_t vorher[5] = {0, cg.konto[1], cg.konto[2], cg.konto[3], cg.konto[4]};
        ASSERT_TRUE(lauf.starten(erstes ? 0 : 1));
        erstes = false;
        legal = sd::Legalitaet{};
        ASSERT_GE(lauf.bis(schafkopf::dealVorbei), 0) << "seed " << seed;
        std::string warum;
        EXPECT_TRUE(schafkopf::dealPruefen(vorher, warum)) << warum << " seed " << seed;
        ergebnis.typen.insert(cg.schafkopf.spiel.typ);
        ++ergebnis.deals;
        bool evidenz = false;
        for (TParteiSicht& v : cg.schafkopf.z.sichten)
            for (int p = 1; p <= 4; ++p)
                for (int w = 1; w <= 4; ++w) evidenz = evidenz || sdki::evidenz(v, p, w) != 0;
        ergebnis.mitEvidenz += evidenz;
        const int typ = cg.schafkopf.spiel.typ;
        ergebnis.alleinMitEvidenz += evidenz && typ != kRufspiel && typ != kRamsch && typ != kKeinSpiel;
        ASSERT_FALSE(::testing::Test::HasFailure());
    }
    central::dienste.staerke = nullptr;
}

TEST(SchafkopfKiSerie, ComputerSeatsOfEveryLevelPlaySeriesToTheEnd) {
    const std::vector<std::vector<std::pair<const char*, int>>> saetze = {
        {{"Runden", 10}},
        {{"Runden", 10}, {"Farbwenz", 1}, {"Farbgeier", 1}, {"Bettel", 1}, {"Ramsch", 1}},
        {{"Runden", 10}, {"StillesSolo", 1}, {"Tout", 0}, {"Kontra", 0}},
    };
    const int stufen[3][5] = {{0, 3, 3, 3, 3}, {0, 1, 2, 3, 1}, {0, 2, 2, 1, 3}};
    Serie s;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        std::memcpy(g_stufen, stufen[seed % 3], sizeof(g_stufen));
        serie(seed, saetze[seed % saetze.size()], s);
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(s.deals, 60);
    // the computer seats bid: more than plain Rufspiel and no game come up
    EXPECT_GE(s.typen.size(), 4u);
    EXPECT_TRUE(s.typen.count(kRufspiel));
    // cards put on other seats' tricks in hidden-party games become evidence
    EXPECT_GE(s.mitEvidenz, 1);
    // one against three, the parties are known: no inference runs
    EXPECT_EQ(s.alleinMitEvidenz, 0);
}

// The state of the first deal's end: every seat's knowledge and every view of the parties.
struct Stand {
    TKartenWissen wissen[4];
    TParteiSicht sichten[5];
    int stiche[4];
};

Stand ersterDeal(uint64_t seed, bool menschSpielt) {
    harness::Einstellung e;
    e.spielId = spiele::kSchafkopf;
    e.seed = seed;
    e.menschAlsComputer = !menschSpielt;
    harness::Lauf lauf(e);
    schafkopf::anmelden();
    schafkopf::optionenStandard();
    central::dienste.staerke = [](int, int) { return 3; };
    // the human seat presses and plays what the computer player would
    lauf.antworter = [](TCG&) {
        schafkopfki::kiTick();
        return true;
    };
    Stand s{};
    if (!lauf.starten(0) || lauf.bis(schafkopf::dealVorbei) < 0) {
        ADD_FAILURE() << "seed " << seed;
        return s;
    }
    std::memcpy(s.wissen, cg.schafkopf.z.wissen, sizeof(s.wissen));
    std::memcpy(s.sichten, cg.schafkopf.z.sichten, sizeof(s.sichten));
    for (int u = 1; u <= 4; ++u) s.stiche[u - 1] = sd::anz(u + 6);
    central::dienste.staerke = nullptr;
    return s;
}

TEST(SchafkopfKiSerie, AHumansCardUpdatesTheKnowledgeAsAComputersDoes) {
    int mitKarten = 0;
    for (uint64_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        const Stand computer = ersterDeal(seed, false);
        const Stand mensch = ersterDeal(seed, true);
        EXPECT_EQ(std::memcmp(computer.stiche, mensch.stiche, sizeof(computer.stiche)), 0);
        EXPECT_EQ(std::memcmp(computer.wissen, mensch.wissen, sizeof(computer.wissen)), 0);
        EXPECT_EQ(std::memcmp(computer.sichten, mensch.sichten, sizeof(computer.sichten)), 0);
        int voids = 0;
        for (const TKartenWissen& w : mensch.wissen)
            for (int k = 1; k <= 6; ++k) voids += w.frei[k];
        mitKarten += voids > 0;
    }
    EXPECT_GE(mitKarten, 1);  // some deal was played and showed a void
}

}  // namespace
