// A Black Jack round drawn on a real GL context (Xvfb with Mesa's software renderer), read back.
#include <gtest/gtest.h>

#include "core/spiele.h"
#include "games/casino/blackjack.h"
#include "games/casino/chipanim.h"
#include "games/casino/chipdraw.h"
#include "harness/lib/harness.h"
#include "table/gl/render_fixture.h"

using namespace rendertest;

TEST(CasinoGl, ScreenshotOfABlackJackRoundWithChipStacks) {
    std::string why;
    if (!openWindow(why)) GTEST_SKIP() << why;
    loadPictures();
    harness::Einstellung e;
    e.spielId = spiele::kBlackJack;
    e.spieler = 4;
    e.seed = 3;
    harness::Lauf lauf(e);
    blackjack::anmelden();
    blackjack::optionen[0] = blackjack::Optionen{};
    ASSERT_TRUE(lauf.starten());
    // the bets are in the boxes and the first seat is asked
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return g.phase.nr == 4 && g.antwort.offen == 2 && chipanim::AnimationHandler.fluege() == 0;
    }),
              0);
    const bool texturen =
        chipdraw::texturenLaden(std::filesystem::path(KS_SOURCE_DIR) / "data" / "bilder" / "1", false, 1);
    glu::renderOptions = glu::RenderOptions{};
    glu::kameraModus = 0;

    glu::chipDraw = nullptr;
    frame(4);
    std::vector<Rgb> ohne;
    for (int y = 0; y < H; y += 4)
        for (int x = 0; x < W; x += 4) ohne.push_back(pixel(x, y));

    glu::chipDraw = chipdraw::DrawChips;
    frame(4);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    int anders = 0;
    size_t i = 0;
    for (int y = 0; y < H; y += 4)
        for (int x = 0; x < W; x += 4) {
            const Rgb p = pixel(x, y);
            if (std::abs(p.sum() - ohne[i].sum()) > 30) ++anders;
            ++i;
        }
    // the bank's tray, four seats' stacks and three bets cover a good part of the table
    EXPECT_GT(anders, 100);
    ASSERT_TRUE(screenshot("table_blackjack.bmp"));
    if (texturen) chipdraw::texturen = chipdraw::Texturen{};
}
