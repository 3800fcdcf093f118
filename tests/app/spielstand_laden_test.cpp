// A saved game loaded into the program through the load dialog, whatever wrote it: a record
// written without the program's table (a test run of the headless harness) names no seats, may
// let a computer play seat 1 and holds an empty table panel, and the program still lays out every
// seat, the human at seat 1, and keeps its panel.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/dialoge.h"
#include "app/klick.h"
#include "app/glapp.h"
#include "programm_fixture.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "core/spielstand.h"

namespace fs = std::filesystem;

namespace {

using Laden = ProgrammOhneBild;

TEST_F(Laden, ASaveWithoutTheProgramsTableSeatsEveryPlayerAndKeepsThePanel) {
    const dialoge::Ids& d = dialoge::ids();
    const int p = central::ids.ipanel;
    const int elemente = app->dlg(p).ElementCount;
    ASSERT_GT(elemente, 30);
    fs::create_directories(dir / "save");
    for (int id : {spiele::kMauMau, spiele::kRomme}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(central::neuesSpiel(cg, id, 0));
        const int n = cg.ablauf.anzSpieler;
        ASSERT_GE(n, 2);
        // the harness's writer: no names drawn, no panel but an empty record
        for (int s = 1; s <= 6; ++s) cg.spieler.at(s).name = "";
        cg.stapelListen[1].computer = 1;
        auto leer = std::make_unique<pvl::TPVLDialog>();
        std::memset(static_cast<void*>(leer.get()), 0, sizeof(pvl::TPVLDialog));
        const auto echt = spielstand::anbindung.ipanel;
        spielstand::anbindung.ipanel = [&leer] { return leer.get(); };
        ASSERT_TRUE(spielstand::spielSpeichern(cg, dir / "save", "harness", true));
        spielstand::anbindung.ipanel = echt;
        for (int s = 1; s <= 6; ++s) envParam.namen[s] = "";

        dialoge::showladen(*app);
        ASSERT_EQ(app->GetLine(d.laden, d.ladenListe, 1), "harness");
        app->SetSelIndex(d.laden, d.ladenListe, 1);
        dialoge::klick(*app, d.laden, d.ladenOk);
        ASSERT_EQ(glapp::spielAktiv, 1) << "the load was refused";

        for (int s = 2; s <= n; ++s) {
            EXPECT_FALSE(cg.spieler.at(s).name.str().empty()) << "seat " << s;
            EXPECT_FALSE(envParam.namen[s].str().empty()) << "seat " << s << " has no name plate";
        }
        EXPECT_EQ(envParam.namen[1].str(), central::dienste.menschName(cg.spielIdMenue));
        EXPECT_EQ(+cg.stapelListen[1].computer, 0) << "the human's seat is played by the program";
        // the live panel keeps every element, its marker row shown as at a new game
        EXPECT_EQ(app->dlg(p).ElementCount, elemente);
        for (int s = 1; s <= n; ++s) EXPECT_TRUE(app->validElement(p, central::ids.zugMarke[s])) << s;
        for (int i = 1; i <= 25; ++i) EXPECT_TRUE(app->isVisible(p, central::ids.tab[i])) << "marker " << i;
        glapp::spielAktiv = 0;
        fs::remove(dir / "save" / ("harness." + spielstand::spielCode(cg)));
        fs::remove(dir / "save" / ("harness._" + spielstand::spielCode(cg)));
    }
}

}  // namespace
