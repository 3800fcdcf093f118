// The seat markers of Mau Mau, Schwimmen, Rommé and Canasta in the real program under Xvfb: every
// seat's marker shows, whether the seat's cards stand up before it, its name plate lies under it
// or, at the human's seat, its cards fan out over it. Each seat is drawn once with its marker
// and once without; the marker must change a patch of the picture the size of a small icon.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/dialoge.h"
#include "app/gl/programm_gl.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/panel.h"
#include "core/spiele.h"
#include "platform/rnd.h"
#include "table/glu.h"

namespace {

// The seed of every deal: the same cards every run.
int saat = 7;

int unterschiede(const image::Image& a, const image::Image& b) {
    int n = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const uint8_t *p = a.at(x, y), *q = b.at(x, y);
            n += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 48;
        }
    return n;
}

TEST(Sitzmarken, EverySeatsMarkerShowsInTheRummyAndSheddingGames) {
    std::string warum;
    int gespielt = 0;
    const bool lief = programm_gl::imHauptmenue(
        [&](glapp::Tglapp& app) {
            const dialoge::Ids& d = dialoge::ids();
            // one deal every run: a round that ended before the human's first turn (a Schwimmen
            // hand of 31) would wait for its result box instead
            struct Zufall {
                decltype(central::dienste.zufallNeu) alt = central::dienste.zufallNeu;
                ~Zufall() { central::dienste.zufallNeu = alt; }
            } zufall;
            central::dienste.zufallNeu = [] { rnd::seed(saat); };
            for (int id : {spiele::kMauMau, spiele::kSchwimmen, spiele::kRomme, spiele::kCanasta}) {
                SCOPED_TRACE(id);
                app.CreateClickEvent(d.regeln[id], 2);
                ASSERT_EQ(glapp::spielAktiv, 1);
                app.InvsbDialog(d.kartenspiele);
                app.InvsbDialog(d.gameMenue);
                // dealt and the human asked: no step of the game runs and changes the markers; the
                // cards come to rest and are held there while the pictures are taken. The computer
                // seats' play depends on the frames a slow machine draws: a round that still ends
                // before the human's first turn is dealt again.
                for (int runde = 0; runde < 4; ++runde) {
                    ASSERT_TRUE(programm_gl::laufenBis(
                        app,
                        [] { return (::cg.aktSpieler == 1 && ::cg.antwort.offen == 2) || ::cg.phase.nr == 5; },
                        300000))
                        << "the human was never asked: phase " << +::cg.phase.nr << "/" << ::cg.phase.schritt
                        << ", seat " << +::cg.aktSpieler << ", question " << +::cg.antwort.offen << ", moves "
                        << glu::zugliste.anz << ", wait " << +::cg.bewegungWarten.aktiv;
                    if (::cg.phase.nr != 5) break;
                    // the same game again with another deal
                    app.msgboxDrop();
                    if (app.validDialog(d.spielliste)) app.InvsbDialog(d.spielliste);
                    glapp::spielAktiv = 0;
                    saat = 8 + runde;
                    app.CreateClickEvent(d.regeln[id], 2);
                    ASSERT_EQ(glapp::spielAktiv, 1);
                    app.InvsbDialog(d.kartenspiele);
                    app.InvsbDialog(d.gameMenue);
                }
                ASSERT_NE(+::cg.phase.nr, 5) << "every round ended before the human's first turn";
                saat = 7;
                ++gespielt;
                programm_gl::laufenBis(
                    app, [] { return glu::zugliste.anz == 0 && ::cg.bewegungWarten.aktiv == 0; }, 20000);
                app.Freeze = 1;
                const int n = ::cg.ablauf.anzSpieler;
                for (int s = 1; s <= n; ++s) {
                    SCOPED_TRACE(s);
                    panel::iconsVerbergen();
                    const image::Image ohne = programm_gl::aufnahme(app, false);
                    panel::icon(s, panel::bilder.dran);
                    const image::Image mit = programm_gl::aufnahme(app, false);
                    // the icon is 60 units, at least a third of that square in a 640-pixel window
                    EXPECT_GT(unterschiede(ohne, mit), 100) << "the marker of seat " << s << " is hidden";
                }
                app.Freeze = 0;
                glapp::spielAktiv = 0;
            }
        },
        warum);
    if (!lief && warum != "the main menu never drew") GTEST_SKIP() << warum;
    ASSERT_TRUE(lief) << warum;
    EXPECT_EQ(gespielt, 4);
}

}  // namespace
