// A developer's unattended series in the real program under Xvfb: with the computer playing seat
// 1 and the score table going on by itself, Schafkopf and Doppelkopf deal again after each deal.
#include <gtest/gtest.h>

#include <string>

#include "app/dialoge.h"
#include "app/gl/programm_gl.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "platform/ticks.h"

namespace {

// Frames until the next deal is under way (another dealer, the cards dealt), at most `ms`.
bool naechsterDeal(glapp::Tglapp& app, uint32_t ms) {
    const int geber = cg.geber;
    const uint32_t t0 = ticks::now();
    while (ticks::since(t0) < ms) {
        // the developer's full pace, set again as each deal reads the settings
        envParam.kiVerzoegerung = 0;
        envParam.zweiteVerzoegerung = 0;
        envParam.kartenSpeed = 1000000;
        app.NoPaint = 1;
        app.Mainloop(false);
        const int p = cg.phase.nr;
        if (cg.geber != geber && (p == 3 || p == 4 || p == 7 || p == 8)) return true;
    }
    return false;
}

TEST(SerieUnbeaufsichtigt, SchafkopfAndDoppelkopfDealAgainWhenTheScoreTableGoesOnByItself) {
    for (const int spiel : {spiele::kSchafkopf, spiele::kDoppelkopf}) {
        SCOPED_TRACE(spiel);
        std::string warum;
        int deals = 0;
        const bool lief = programm_gl::imHauptmenue(
            [&](glapp::Tglapp& app) {
                app.CreateClickEvent(dialoge::ids().regeln[spiel], 2);
                ASSERT_EQ(glapp::spielAktiv, 1);
                // developer switches: the computer plays seat 1, the game runs at full speed
                // and its score table goes on without a click
                app.Options.RenderFlags[10 - 2] = 1;
                app.Options.RenderFlags[11 - 2] = 1;
                while (deals < 2 && naechsterDeal(app, 30000)) ++deals;
                app.Options.RenderFlags[10 - 2] = 0;
                app.Options.RenderFlags[11 - 2] = 0;
            },
            warum);
        if (!lief && warum != "the main menu never drew") GTEST_SKIP() << warum;
        ASSERT_TRUE(lief) << warum;
        EXPECT_EQ(deals, 2) << "the series stopped after a deal";
    }
}

}  // namespace
