// A Skat deal under way drawn on a real GL context (Xvfb with Mesa's software renderer): the
// flow runs in the harness to the middle of a trick, then the table is drawn and kept as a
// picture.
#include <gtest/gtest.h>

#include "games/skat_jass_schnapsen/skat.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/skat_jass_schnapsen/skat_regeln.h"
#include "harness/lib/harness.h"
#include "table/gl/render_fixture.h"

using namespace rendertest;

TEST(SkatGl, ScreenshotOfADealUnderWay) {
    std::string why;
    if (!openWindow(why)) GTEST_SKIP() << why;
    loadPictures();
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    harness::Einstellung e;
    e.spielId = spiele::kSkat;
    e.spieler = 3;
    e.seed = 3;
    harness::Lauf lauf(e);
    skat::anmelden();
    cg.skat.optionen.wertung = 1;
    cg.skat.optionen.limit = 36;
    ASSERT_TRUE(lauf.starten());
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return (g.phase.nr == 4 && skat_1::alleGespielt().anz >= 9 && skat_1::stich().anz == 2 &&
                glu::zugliste.anz == 0) ||
               skat::dealVorbei(g);
    }),
              0);
    ASSERT_EQ(skat_1::stich().anz, 2);
    EXPECT_EQ(glu::spieler[11].anz, 2);  // two cards on the trick
    cg.kartenSkala = 0.96f;
    glu::renderOptions = glu::RenderOptions{};
    glu::kameraModus = 0;
    glu::seatOverlay[2].bubble = skat::spielName();
    glu::seatOverlay[2].bubbleVisible = true;
    frame(4);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // the middle of the table shows the thrown cards, not the bare cloth
    const Rgb mitte = pixel(W / 2, H / 2);
    EXPECT_GT(mitte.sum(), 0);
    ASSERT_TRUE(screenshot("skat_im_spiel.bmp"));
}
