// The poker rule page in the real program under Xvfb: opened the way the player opens it (main
// menu, the game's menu, "Neues Spiel"), its start-cash and blinds lists name the money in the
// currency its chooser shows, from the first look on.
#include <gtest/gtest.h>

#include <string>

#include "app/dialoge.h"
#include "app/gl/programm_gl.h"
#include "core/spiele.h"
#include "platform/text.h"

namespace {

TEST(PokerSeite, MoneyListsSpeakTheChosenCurrencyFromTheFirstLook) {
    std::string warum;
    const bool lief = programm_gl::imHauptmenue(
        [](glapp::Tglapp& app) {
            const dialoge::Ids& d = dialoge::ids();
            const int seite = d.regeln[spiele::kPoker];
            const auto& e = d.regelOptionen[spiele::kPoker];
            ASSERT_EQ(e.size(), 7u);
            const int startGeld = e[0], blinds = e[1], waehrung = e[3];
            // Start cash of 100, 200 and 500 chip units and a big blind of 2 (small 1); a unit
            // is ten dollars or ten euros in chips.
            const struct {
                int waehrung;
                const char* name;
                const char* start[3];
                const char* blind;
            } faelle[] = {
                {3, "Chips (Dollar)", {"1000 $", "2000 $", "5000 $"}, "20 $ (B), 10 $ (S)"},
                {2, "Chips (Euro)", {"1000 €", "2000 €", "5000 €"}, "20 € (B), 10 € (S)"},
            };
            for (const auto& f : faelle) {
                SCOPED_TRACE(f.name);
                // The page as the player left it last time: the texts as a page of the other
                // currency wrote them.
                app.InvsbDialog(seite);
                app.SetTopIndex(seite, waehrung, f.waehrung);
                for (int z = 1; z <= 3; ++z) app.WriteLine(seite, startGeld, z, "?");
                app.CreateClickEvent(d.kartenspiele, d.spielKnoepfe[spiele::kPoker]);
                app.CreateClickEvent(d.gameMenue, d.gmNeu);
                programm_gl::laufen(app, 300);
                ASSERT_TRUE(app.dlg(seite).Visible);
                for (int z = 1; z <= 3; ++z)
                    EXPECT_EQ(app.GetLine(seite, startGeld, z), text::w(f.start[z - 1])) << "line " << z;
                EXPECT_EQ(app.GetLine(seite, blinds, 1), text::w(f.blind));
            }
        },
        warum);
    if (!lief && warum != "the main menu never drew") GTEST_SKIP() << warum;
    ASSERT_TRUE(lief) << warum;
}

}  // namespace
