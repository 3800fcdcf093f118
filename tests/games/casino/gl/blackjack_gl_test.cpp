// A Black Jack round drawn on a real GL context (Xvfb with Mesa's software renderer), read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/central.h"
#include "core/spiele.h"
#include "games/casino/blackjack.h"
#include "games/casino/chipanim.h"
#include "games/casino/chipdraw.h"
#include "harness/lib/harness.h"
#include "table/gl/render_fixture.h"

using namespace rendertest;

namespace {

harness::Einstellung vierSitze() {
    harness::Einstellung e;
    e.spielId = spiele::kBlackJack;
    e.spieler = 4;
    e.seed = 3;
    return e;
}

// Runs a round of four seats until the bets are in the boxes and the first seat is asked.
bool betsPlaced(harness::Lauf& lauf) {
    blackjack::anmelden();
    blackjack::optionen[0] = blackjack::Optionen{};
    if (!lauf.starten()) return false;
    return lauf.bis([](const TCG& g) {
        return g.phase.nr == 4 && g.antwort.offen == 2 && chipanim::AnimationHandler.fluege() == 0;
    }) >= 0;
}

}  // namespace

TEST(CasinoGl, ScreenshotOfABlackJackRoundWithChipStacks) {
    std::string why;
    if (!openWindow(why)) GTEST_SKIP() << why;
    loadPictures();
    harness::Lauf lauf(vierSitze());
    ASSERT_TRUE(betsPlaced(lauf));
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

namespace {

// Pixels that differ between two frames (RGB, bottom-up rows as read back).
int unterschied(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    int n = 0;
    for (size_t i = 0; i + 2 < a.size(); i += 3)
        n += std::abs(a[i] - b[i]) + std::abs(a[i + 1] - b[i + 1]) + std::abs(a[i + 2] - b[i + 2]) > 40;
    return n;
}

std::vector<uint8_t> lesen() {
    std::vector<uint8_t> p(static_cast<size_t>(W) * H * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, W, H, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    return p;
}

}  // namespace

// The human's hand before "Karte" / "Keine Karte": each of the three cards shows a good part of
// itself (its value corner), measured as the pixels that change when that one card is left out.
TEST(CasinoGl, TheHumansCardsEachShowTheirValue) {
    std::string why;
    if (!openWindow(why)) GTEST_SKIP() << why;
    loadPictures();
    harness::Einstellung e;
    e.spielId = spiele::kBlackJack;
    e.spieler = 3;
    e.seed = 5;
    e.menschAlsComputer = false;
    e.maxFrames = 20000;
    harness::Lauf lauf(e);
    blackjack::anmelden();
    blackjack::optionen[0] = blackjack::Optionen{};
    blackjack::optionen[0].spieler = 3;
    lauf.antworter = [](TCG& g) {
        if (g.entscheidung.art == 106) return central::antwort(g, central::kKnopf, 0, g.entscheidung.code(1));
        if (harness::anzahl(1) < 3) return central::antwort(g, central::kKnopf, 0, 75);
        return false;
    };
    ASSERT_TRUE(lauf.starten());
    // small cards on top of the talon (codes 9, 10, 11 are a 2, 3 and 4): nobody busts with three
    TSpieler& talon = glu::spieler[10];
    for (int i = 0; i < 12; ++i)
        talon.at(talon.anz - i).c =
            karte{static_cast<uint8_t>(9 + i % 3), static_cast<uint8_t>(1 + i % 4), 0};
    ASSERT_GE(lauf.bis([](const TCG& g) {
        return harness::anzahl(1) == 3 && g.antwort.offen == 2 && g.aktSpieler == 1 && glu::zugliste.anz == 0;
    }),
              0);
    glu::renderOptions = glu::RenderOptions{};
    glu::kameraModus = 0;
    // the window shapes the table view knows: 4:3 (640 x 480 as 800 x 600), 16:10 and 16:9
    struct Form {
        const char* name;
        int h, flag;
    };
    const Form formen[] = {{"4x3", 600, 0}, {"16x10", 500, 2}, {"16x9", 450, 1}};
    auto& g = glstate::gl();
    for (const Form& f : formen) {
        SCOPED_TRACE(f.name);
        for (auto& a : g.AspectFlags) a = 0;
        g.AspectFlags[f.flag] = 1;
        g.ViewAspect = static_cast<double>(W) / f.h;
        glViewport(0, 0, W, f.h);
        frame(4);
        const std::vector<uint8_t> alle = lesen();
        int flaeche[4] = {};
        for (int i = 1; i <= 3; ++i) {
            karte& k = glu::spieler[0].at(i).c;
            const karte merken = k;
            k.t = 0;
            frame(4);
            flaeche[i] = unterschied(alle, lesen());
            k = merken;
        }
        frame(4);
        ASSERT_TRUE(screenshot(std::string("blackjack_hand_") + f.name + ".bmp"));
        // the card in front shows whole; every card behind it still shows a fair part of itself
        const int ganz = *std::max_element(flaeche + 1, flaeche + 4);
        ASSERT_GT(ganz, 500);
        for (int i = 1; i <= 3; ++i) EXPECT_GT(flaeche[i], ganz / 4) << "card " << i << " of " << ganz;
    }
    for (auto& a : g.AspectFlags) a = 0;
    g.AspectFlags[0] = 1;
    g.ViewAspect = 4.0 / 3.0;
    glViewport(0, 0, W, H);
}

// The deal from the shoe: a card in flight takes the shoe's offset on its way, and is drawn where
// it is at each frame (the deal path reads the flight's progress from the packed slot record).
TEST(CasinoGl, CardsFlyingFromTheShoeAreDrawnOnTheirWay) {
    std::string why;
    if (!openWindow(why)) GTEST_SKIP() << why;
    loadPictures();
    harness::Einstellung e;
    e.spielId = spiele::kBlackJack;
    e.spieler = 2;
    e.seed = 9;
    harness::Lauf lauf(e);
    blackjack::anmelden();
    blackjack::optionen[0] = blackjack::Optionen{};
    ASSERT_TRUE(lauf.starten());
    // a card leaves the shoe (stack 11) for a seat and is a little way along
    auto unterwegs = [](const TCG&) {
        for (int s = 1; s <= kStapel; ++s)
            for (int i = 1; i <= glu::spieler[s - 1].anz; ++i) {
                const TBewegung& b = glu::spieler[s - 1].at(i).bewegung;
                const float p = b.progress;
                if (b.active && b.fromStack == 11 && b.toStack != 11 && p > 0.1f && p < 0.5f) return true;
            }
        return false;
    };
    ASSERT_GE(lauf.bis(unterwegs), 0);
    glu::renderOptions = glu::RenderOptions{};
    glu::kameraModus = 0;
    frame(4);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const std::vector<uint8_t> vorher = lesen();
    // a few frames on, the card has moved: the picture changes
    lauf.frames(3);
    frame(4);
    EXPECT_GT(unterschied(vorher, lesen()), 200);
}

// The chips cast shadows: with the shadow pass drawing their volumes the table beside the
// stacks turns darker, and nothing turns lighter (a volume with the wrong winding or left open
// leaves the stencil set where no chip is, or lightens nothing at all).
TEST(CasinoGl, ChipStacksCastShadowsOnTheTable) {
    std::string why;
    if (!openWindow(why)) GTEST_SKIP() << why;
    loadPictures();
    harness::Lauf lauf(vierSitze());
    ASSERT_TRUE(betsPlaced(lauf));
    glu::renderOptions = glu::RenderOptions{};
    glu::renderOptions.ShadowsOn = 1;
    glu::kameraModus = 0;
    const auto grau = envParam.gray;
    envParam.gray = 60;

    glu::chipDraw = [](uint8_t pass) {
        if (pass != 2) chipdraw::DrawChips(pass);
    };
    frame(2);
    const std::vector<uint8_t> ohne = lesen();
    glu::chipDraw = chipdraw::DrawChips;
    frame(2);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const std::vector<uint8_t> mit = lesen();
    int dunkler = 0, heller = 0;
    for (size_t i = 0; i + 2 < mit.size(); i += 3) {
        const int d = (mit[i] + mit[i + 1] + mit[i + 2]) - (ohne[i] + ohne[i + 1] + ohne[i + 2]);
        dunkler += d < -30;
        heller += d > 30;
    }
    // a bank tray, four seats' stacks and three bets: their shadows cover some hundreds of pixels
    EXPECT_GT(dunkler, 300);
    EXPECT_EQ(heller, 0);
    envParam.gray = grau;
}
