// Mau Mau and Schwimmen saved in the middle of a round and loaded again: the hands, the talon and
// the open cards come back as they were, and the round plays on to its end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/central.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/rummy_shedding/maumau.h"
#include "games/rummy_shedding/schwimmen.h"
#include "gui/pvl.h"
#include "harness/lib/harness.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace {

struct Speicher {
    // A folder per process: ctest runs the tests that save side by side.
    std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("maumau_spielstand_test_" + std::to_string(getpid()));
    Speicher() {
        tischdienste::anbinden(spielstand::anbindung);
        static pvl::TPVLDialog panel{};
        spielstand::anbindung.ipanel = [] { return &panel; };
        std::filesystem::create_directories(ordner);
    }
    ~Speicher() {
        std::filesystem::remove_all(ordner);
        spielstand::anbindung = spielstand::Anbindung{};
    }
};

struct Fall {
    const char* code;
    int spielId;
    void (*anmelden)();
    bool (*rundeVorbei)(const TCG&);
    bool (*kartenErhalten)(std::string&);
    std::vector<int> stapel;
};

TEST(MauMauSchwimmenSpielstand, ARoundSavedInTheMiddlePlaysOnAfterLoading) {
    const Fall faelle[] = {
        {"mau", spiele::kMauMau, maumau::anmelden, maumau::rundeVorbei, maumau::kartenErhalten, {1, 2, 3, 11, 13}},
        {"swi", spiele::kSchwimmen, schwimmen::anmelden, schwimmen::rundeVorbei, schwimmen::kartenErhalten,
         {1, 2, 3, 11, 12}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.code);
        harness::Einstellung e;
        e.spielId = f.spielId;
        e.spieler = 3;
        e.seed = 11;
        e.maxFrames = 50000;
        harness::Lauf lauf(e);
        f.anmelden();
        Speicher speicher;
        ASSERT_TRUE(lauf.starten(0));
        // The second question of the play phase, with nothing in flight.
        int fragen = 0;
        ASSERT_GE(lauf.bis([&](const TCG& g) {
            if (g.phase.nr == 4 && g.antwort.offen == 2 && glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0)
                ++fragen;
            return fragen >= 2;
        }),
                  0);
        std::vector<int> vorher;
        for (int s : f.stapel) vorher.push_back(harness::anzahl(s));
        const karte oben = glu::spieler[f.stapel.back() - 1].at(1).c;
        const int akt = cg.aktSpieler;
        ASSERT_TRUE(spielstand::spielSpeichern(cg, speicher.ordner, "mitte", true));
        lauf.frames(300);  // play on, then go back
        ASSERT_TRUE(spielstand::spielLaden(cg, speicher.ordner, "mitte", f.code));
        ASSERT_TRUE(central::nachLaden(cg));
        for (size_t i = 0; i < f.stapel.size(); ++i) EXPECT_EQ(harness::anzahl(f.stapel[i]), vorher[i]) << f.stapel[i];
        EXPECT_TRUE(gleich(glu::spieler[f.stapel.back() - 1].at(1).c, oben));
        EXPECT_EQ(cg.aktSpieler, akt);
        std::string warum;
        EXPECT_TRUE(f.kartenErhalten(warum)) << warum;
        EXPECT_GE(lauf.bis(f.rundeVorbei), 0);
    }
}

}  // namespace
