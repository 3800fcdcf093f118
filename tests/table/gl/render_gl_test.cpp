// The table drawn on a real GL context (Xvfb with Mesa's software renderer), read back.
#include <gtest/gtest.h>

#include "render_fixture.h"
#include "table/flugkarten.h"
#include "table/kartenmesh.h"

using namespace rendertest;

class TableGl : public testing::Test {
protected:
    void SetUp() override {
        std::string why;
        if (!openWindow(why)) GTEST_SKIP() << why;
        loadPictures();
    }
};

TEST_F(TableGl, ScreenshotOfADealtSkatTable) {
    dealSkat();
    EXPECT_EQ(glu::spieler[0].anz, 10);
    EXPECT_EQ(glu::spieler[10].anz, 2);
    glu::seatOverlay[2].bubble = "18";
    glu::seatOverlay[2].bubbleVisible = true;
    glu::seatOverlay[3].bubble = "?Passe";
    glu::seatOverlay[3].bubbleVisible = true;
    frame(4);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    ASSERT_TRUE(screenshot("table_skat.bmp"));
}

TEST_F(TableGl, ShadowDarkensTheTableBesideTheCardsByTheGreyValue) {
    dealSkat();
    struct Case {
        int gray;
        bool darkens, black;
    };
    const Case cases[] = {{60, true, false}, {99, true, true}, {0, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gray);
        envParam.gray = c.gray;
        frame(0);
        std::vector<Rgb> plain(W * H);
        for (int y = 0; y < H; y += 4)
            for (int x = 0; x < W; x += 4) plain[y * W + x] = pixel(x, y);
        frame(2);
        int darker = 0, lighter = 0, black = 0;
        for (int y = 0; y < H; y += 4)
            for (int x = 0; x < W; x += 4) {
                const Rgb p = pixel(x, y);
                if (p.sum() + 60 < plain[y * W + x].sum()) ++darker;
                if (p.sum() > plain[y * W + x].sum() + 60) ++lighter;
                if (p.sum() < 6 && plain[y * W + x].sum() > 60) ++black;
            }
        EXPECT_EQ(darker > 50, c.darkens) << darker;
        EXPECT_EQ(black > 50, c.black) << black;
        EXPECT_EQ(lighter, 0);
    }
    envParam.gray = 38;
}

TEST_F(TableGl, TestFrameClearsAndPrintsButDrawsNoGeometry) {
    dealSkat();
    glu::clearcolor(38);
    frame(0);
    const Rgb card = pixel(640, 500);
    clearFrame();
    glu::setprojection();
    glu::drawwithreflection(4, true);
    const Rgb p = pixel(640, 500);
    EXPECT_GT(card.sum(), 600);       // the hand's white card in a real frame
    EXPECT_NEAR(p.sum(), 3 * 97, 6);  // only the clear grey where it lay
    EXPECT_NEAR(pixel(400, 300).sum(), 3 * 97, 6);
}

namespace {

// The human may play a card and click the talon.
void humanTurn() {
    cg.aktSpieler = 1;
    cg.stapelListen[1].computer = 0;
    tischhooks::schale().tischModus = 1;
    cg.entscheidung.kartenSpiel = 1;
    cg.entscheidung.stapelKlick = 1;
    cg.entscheidung.klickStapel1 = 11;
}

}  // namespace

TEST_F(TableGl, PickFindsTheHandCardAndTheTalonUnderTheMouse) {
    dealSkat();
    humanTurn();
    frame(4);
    glu::hover = glu::Hover{};
    glu::pickobject(600, 560);  // the right-most card of the hand, face up at the bottom
    EXPECT_EQ(glu::hover.handCard, 10);
    EXPECT_EQ(glu::hover.tableStack, 0);
    glu::pickobject(120, 450);  // the talon at the left
    EXPECT_EQ(glu::hover.tableStack, 11);
    EXPECT_EQ(glu::hover.tableSlot, 2);
    EXPECT_EQ(glu::hover.handCard, 0);
    glu::pickobject(400, 300);  // bare cloth
    EXPECT_EQ(glu::hover.tableStack, 0);
    EXPECT_EQ(glu::hover.prevTableStack, 11);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

namespace {
karte nurSpielbar;
bool nurDieseKarte(const TKartenSlot& k) { return k.c.t == nurSpielbar.t && k.c.f == nurSpielbar.f; }
}  // namespace

TEST_F(TableGl, PickTakesTheTopmostCardEvenWhenItMayNotBePlayed) {
    // Pointing at the visible part of a card that may not be played once picked the legal card
    // lying partly beneath it, and the click played that one.
    dealSkat();
    humanTurn();
    TSpieler& hand = glu::spieler[0];
    ASSERT_EQ(hand.anz, 10);
    frame(4);
    // The left edge of the top card: from there on, card 9 lies beneath card 10.
    int x = 0;
    for (int px = 480; px < 640 && x == 0; ++px) {
        glu::pickobject(px, 560);
        if (glu::hover.handCard == 10) x = px + 3;
    }
    ASSERT_GT(x, 0);
    hand.anz = 9;
    glu::pickobject(x, 560);
    ASSERT_EQ(glu::hover.handCard, 9) << "card 9 does not lie under the point";
    hand.anz = 10;
    nurSpielbar = hand.at(9).c;
    tischhooks::tab().spielbar[1] = nurDieseKarte;
    glu::pickobject(x, 560);
    EXPECT_EQ(glu::hover.handCard, 10);
    ASSERT_FALSE(glu::islegalcard(hand.at(10)));  // so the shell refuses the pick
    // With nothing to play, the hand is not picked at all.
    cg.entscheidung.kartenSpiel = 0;
    glu::pickobject(x, 560);
    EXPECT_EQ(glu::hover.handCard, 0);
    tischhooks::tab().spielbar[1] = nullptr;
}

TEST_F(TableGl, NothingIsPickedOnAComputerTurnOrWithoutInput) {
    dealSkat();
    struct Case {
        const char* name;
        int akt;
        uint8_t computer, modus;
    };
    const Case cases[] = {{"computer on turn", 2, 1, 1}, {"table mode 2 after a card move", 1, 0, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        humanTurn();
        cg.aktSpieler = c.akt;
        cg.stapelListen[c.akt].computer = c.computer;
        tischhooks::schale().tischModus = c.modus;
        glu::hover = glu::Hover{};
        glu::hover.handCard = 3;  // kept: no pass runs
        glu::pickobject(600, 560);
        EXPECT_EQ(glu::hover.handCard, 3);
        EXPECT_FALSE(glu::pickingFlag);
    }
}

TEST_F(TableGl, NoGlErrorInAnyModeOrOption) {
    dealSkat();
    humanTurn();
    glu::seatOverlay[2].bubble = text::w("?Ich passe, und das ist auch gut so, liebe Freunde");
    glu::seatOverlay[2].bubbleVisible = true;
    glu::seatOverlay[3].bubble = text::w("18");
    glu::seatOverlay[3].bubbleVisible = true;
    struct Case {
        const char* name;
        int rund;
        uint8_t low, soft, noEffects;
        int transparenz;
    };
    const Case cases[] = {{"rect", 0, 0, 0, 0, 0},
                          {"round, translucent", 1, 0, 0, 0, 30},
                          {"oval, low detail", 2, 1, 0, 0, 0},
                          {"shaped 3, soft shadows", 3, 0, 1, 0, 0},
                          {"shaped 5", 5, 0, 0, 0, 20},
                          {"shaped 6, no effects", 6, 0, 0, 1, 0}};
    for (const auto& c : cases) {
        envParam.rund = c.rund;
        envParam.transparenz = c.transparenz;
        glu::renderOptions.LowDetailShadows = c.low;
        glu::renderOptions.LowestDetail = c.low;
        glu::renderOptions.SoftShadows = c.soft;
        glu::renderOptions.NoEffects = c.noEffects;
        for (int mode = 0; mode <= 4; ++mode) {
            SCOPED_TRACE(testing::Message() << c.name << ", mode " << mode);
            frame(static_cast<uint8_t>(mode));
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
        glu::pickobject(600, 560);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    clearFrame();
    glu::drawwithreflection(4, true);  // the start-up test frame: text only
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    envParam.rund = 0;
    envParam.transparenz = 0;
}

TEST_F(TableGl, AnUnknownTableShapeDrawsTheRoomButNoTable) {
    emptyTable();
    const auto centre = [](int rund) {
        envParam.rund = rund;
        frame(0);
        return pixel(400, 330);
    };
    const Rgb table = centre(0), none = centre(7), negative = centre(-1), above = centre(12);
    envParam.rund = 0;
    EXPECT_GT(std::abs(table.sum() - none.sum()) + std::abs(table.r - none.r) + std::abs(table.b - none.b),
              30);
    EXPECT_EQ(none.sum(), negative.sum());
    EXPECT_EQ(none.sum(), above.sum());
}

TEST_F(TableGl, MenuSceneDrawsTheFlyingCards) {
    emptyTable();
    glu::startflyingcards();
    glClearColor(0, 0, 0, 0);
    int lit = 0;
    for (int f = 0; f < 30; ++f) {
        clearFrame();
        glu::drawframe(30);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    for (int y = 0; y < H; y += 8)
        for (int x = 0; x < W; x += 8) lit += pixel(x, y).sum() > 60;
    EXPECT_GT(lit, 50);  // some card is on the screen
    screenshot("menu_scene.bmp");
    glu::setprojection();
}

namespace {

uint32_t solidTexture(uint8_t r, uint8_t g, uint8_t b) {
    GLuint t = 0;
    glGenTextures(1, &t);
    glBindTexture(GL_TEXTURE_2D, t);
    const uint8_t px[4 * 4] = {r, g, b, 255, r, g, b, 255, r, g, b, 255, r, g, b, 255};
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, px);
    return t;
}

}  // namespace

// Face and back of a free card are drawn as the flying cards draw them (face, then back, both
// at one place): only the side turned to the viewer may show, flat or arched.
TEST_F(TableGl, AFreeCardShowsOnlyTheSideTurnedToTheViewer) {
    emptyTable();
    glu::startflyingcards();
    const uint32_t red = solidTexture(230, 20, 20), blue = solidTexture(20, 20, 230);
    struct Case {
        float turn, bend;
        bool faceSeen;
    };
    const Case cases[] = {{0, 0, true}, {180, 0, false}, {0, 20, true}, {180, 20, false}, {30, 10, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.turn << "/" << c.bend);
        clearFrame();
        glu::renderPass = 0;
        glu::CardArgs a;
        a.x = 380;
        a.y = 900;
        a.z = -1000;
        a.width = 200;
        a.height = 350;
        a.corner = 7;
        a.bend = c.bend;
        a.tilt = 0.5f;
        a.a2 = c.turn;
        a.texture = red;
        glu::drawcard(a);
        a.texture = blue;
        a.backSide = true;
        glu::drawcard(a);
        glFinish();
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));  // as the base state has it
        int reds = 0, blues = 0;
        for (int y = 0; y < H; y += 2)
            for (int x = 0; x < W; x += 2) {
                const Rgb p = pixel(x, y);
                reds += p.r > 2 * p.b + 30;
                blues += p.b > 2 * p.r + 30;
            }
        EXPECT_GT(c.faceSeen ? reds : blues, 500);
        EXPECT_EQ(c.faceSeen ? blues : reds, 0);
    }
    const GLuint names[2] = {red, blue};
    glDeleteTextures(2, names);
    glu::setprojection();
}

// The display option for unshaded cards lifts the darkening toward a card's lower end: the
// same card draws brighter, and most where it was darkest.
TEST_F(TableGl, UnshadedCardsDrawBrighter) {
    emptyTable();
    glu::startflyingcards();
    const uint32_t grey = solidTexture(200, 200, 200);
    const auto draw = [&](uint8_t unshaded) {
        glu::renderOptions.Unshaded = unshaded;
        clearFrame();
        glu::renderPass = 0;
        glu::CardArgs a;
        a.x = 380;
        a.y = 900;
        a.z = -1000;
        a.width = 200;
        a.height = 350;
        a.texture = grey;
        glu::drawcard(a);
        glFinish();
        std::vector<int> rows;
        for (int y = 0; y < H; y += 2) {
            int sum = 0;
            for (int x = 0; x < W; x += 2) sum += pixel(x, y).sum();
            rows.push_back(sum);
        }
        return rows;
    };
    const std::vector<int> shaded = draw(0), plain = draw(1);
    glu::renderOptions.Unshaded = 0;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    int brighter = 0, darker = 0;
    for (size_t i = 0; i < shaded.size(); ++i) {
        brighter += plain[i] > shaded[i] + 50;
        darker += plain[i] + 50 < shaded[i];
    }
    EXPECT_GT(brighter, 20);
    EXPECT_EQ(darker, 0);
    const GLuint name = grey;
    glDeleteTextures(1, &name);
    glu::setprojection();
}

// A game's label stands on its card: Jass writes on the top card of a pile beside the table.
TEST_F(TableGl, AGamesLabelIsWrittenOnItsCard) {
    dealSkat();
    cg.spielId = 12;
    // a pile of three on stack 7, where the Skat lies
    glu::spieler[6].pos = glu::spieler[10].pos;
    glu::spieler[6].aktPos = glu::spieler[10].aktPos;
    glu::spieler[6].anz = 3;
    for (int i = 1; i <= 3; ++i) glu::spieler[6].at(i) = glu::spieler[10].at(1);
    glu::spieler[10].anz = 0;
    frame(0);
    std::vector<Rgb> plain(W * H);
    for (int y = 0; y < H; y += 2)
        for (int x = 0; x < W; x += 2) plain[y * W + x] = pixel(x, y);
    glu::cardLabel = [](int stack, int slot) { return std::string(stack == 7 && slot == 3 ? "157" : ""); };
    frame(0);
    glu::cardLabel = nullptr;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    int changed = 0;
    for (int y = 0; y < H; y += 2)
        for (int x = 0; x < W; x += 2) changed += std::abs(pixel(x, y).sum() - plain[y * W + x].sum()) > 30;
    EXPECT_GT(changed, 20);
    screenshot("table_label.bmp");
}

// A label reads from left to right however its pile lies: on a pile turned half round it sits
// where it sits on the straight pile, seen from the viewer, rather than standing on its head in
// the opposite corner.
TEST_F(TableGl, ALabelOnAPileTurnedHalfRoundStaysUpright) {
    dealSkat();
    cg.spielId = 12;
    const Pos6 skatPos = glu::spieler[10].pos;
    const TKartenSlot karte = glu::spieler[10].at(1);
    glu::spieler[10].anz = 0;
    struct Schwerpunkt {
        double x = 0, y = 0;
        int n = 0;
    };
    // the changed pixels between two pictures
    auto unterschied = [&](const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
        Schwerpunkt p;
        for (int y = 0; y < H; y += 2)
            for (int x = 0; x < W; x += 2)
                if (std::abs(a[y * W + x].sum() - b[y * W + x].sum()) > 30) {
                    p.x += x;
                    p.y += y;
                    ++p.n;
                }
        if (p.n > 0) p.x /= p.n, p.y /= p.n;
        return p;
    };
    auto bild = [&] {
        frame(0);
        std::vector<Rgb> v(W * H);
        for (int y = 0; y < H; y += 2)
            for (int x = 0; x < W; x += 2) v[y * W + x] = pixel(x, y);
        return v;
    };
    // where the label lies against the card's middle, for the pile turned by `drehung`
    auto labelLage = [&](float drehung) {
        TSpieler& stapel = glu::spieler[6];
        stapel.pos = skatPos;
        stapel.pos.v[5] += drehung;
        stapel.aktPos = stapel.pos;
        stapel.anz = 0;
        const std::vector<Rgb> leer = bild();
        stapel.anz = 1;
        stapel.at(1) = karte;
        const std::vector<Rgb> ohne = bild();
        glu::cardLabel = [](int stack, int slot) {
            return std::string(stack == 7 && slot == 1 ? "88888" : "");
        };
        const std::vector<Rgb> mit = bild();
        glu::cardLabel = nullptr;
        const Schwerpunkt k = unterschied(leer, ohne), l = unterschied(ohne, mit);
        EXPECT_GT(k.n, 20);
        EXPECT_GT(l.n, 5);
        return std::pair<double, double>{l.x - k.x, l.y - k.y};
    };
    const auto gerade = labelLage(0), gedreht = labelLage(180);
    EXPECT_NEAR(gedreht.first, gerade.first, 6.0);
    EXPECT_NEAR(gedreht.second, gerade.second, 6.0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// The mirror image shows the side of a card that faces the table top: under a computer's hand
// (its backs toward the viewer) the table turns bluish. The mirror's flip reverses the winding,
// so with the wrong front face that side would be culled and no image drawn.
TEST_F(TableGl, TheMirrorShowsTheSideFacingTheTable) {
    dealSkat();
    const int before = envParam.reflection;
    envParam.reflection = 99;
    const auto bluish = [](uint8_t mode) {
        frame(mode);
        int n = 0;
        for (int y = 200; y < 300; ++y)
            for (int x = 120; x < 700; ++x) {
                const Rgb p = pixel(x, y);
                n += p.b > p.r;  // the wood is red-brown
            }
        return n;
    };
    const int plain = bluish(0), mirrored = bluish(3);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_GT(mirrored, plain + 1000);
    envParam.reflection = before;
}

namespace {

// A window shape emulated in the 800 x 600 window: the viewport, the aspect and the shape flag
// the library would set for it.
struct Shape {
    const char* name;
    int w, h;
    int flag;  // 0 4:3, 1 16:9, 2 16:10, 4 free
};
const Shape kShapes[] = {
    {"4:3", 800, 600, 0}, {"16:10", 800, 500, 2}, {"16:9", 800, 450, 1}, {"1024x600", 800, 469, 4}};

void useShape(const Shape& s) {
    auto& g = glstate::gl();
    for (auto& f : g.AspectFlags) f = 0;
    g.AspectFlags[s.flag] = 1;
    g.ViewAspect = static_cast<double>(s.w) / s.h;
    glViewport(0, 0, s.w, s.h);
    glu::setprojection();
}

void restoreShape() { useShape(kShapes[0]); }

// Pixels of the viewport (window rows from the bottom) darker than `limit` in all channels.
int darkCount(const Shape& s, int limit, int step, int* total) {
    std::vector<uint8_t> px(static_cast<size_t>(s.w) * s.h * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, s.w, s.h, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    int dark = 0;
    *total = 0;
    for (int y = 0; y < s.h; y += step)
        for (int x = 0; x < s.w; x += step) {
            const uint8_t* p = &px[(static_cast<size_t>(y) * s.w + x) * 4];
            ++*total;
            dark += p[0] < limit && p[1] < limit && p[2] < limit;
        }
    // The four corner pixels always count.
    for (int cy : {0, s.h - 1})
        for (int cx : {0, s.w - 1}) {
            const uint8_t* p = &px[(static_cast<size_t>(cy) * s.w + cx) * 4];
            EXPECT_TRUE(p[0] < limit && p[1] < limit && p[2] < limit) << "corner " << cx << "," << cy;
        }
    return dark;
}

}  // namespace

// The darkening quad of the shadow pass darkens every pixel whose stencil is set: with the
// stencil set everywhere and grey 99, the whole view turns black in every window shape, for
// the table frame's quad and for the flat one.
TEST_F(TableGl, ShadowDarkeningCoversTheWholeViewInEveryShape) {
    dealSkat();
    envParam.gray = 99;
    for (const Shape& s : kShapes) {
        for (bool flat : {false, true}) {
            SCOPED_TRACE(std::string(s.name) + (flat ? " flat" : ""));
            useShape(s);
            glClearColor(1, 1, 1, 1);
            glClearStencil(1);
            clearFrame();
            glEnable(GL_STENCIL_TEST);
            glStencilFunc(GL_NOTEQUAL, 0, 255);
            glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
            glDisable(GL_DEPTH_TEST);
            if (flat)
                glu::drawbackdropflat(2);
            else
                glu::drawbackdrop(2);
            glEnable(GL_DEPTH_TEST);
            glDisable(GL_STENCIL_TEST);
            glFinish();
            int total = 0;
            EXPECT_EQ(darkCount(s, 8, 4, &total), total);
        }
    }
    glClearStencil(0);
    glClearColor(0, 0, 0, 0);
    envParam.gray = 38;
    restoreShape();
}

// The menu backdrop is centred on the screen in every shape: with a picture of four coloured
// quadrants, the pixels just beside the screen's middle show the four colours in their places.
TEST_F(TableGl, MenuBackdropIsCentredInEveryShape) {
    emptyTable();
    GLuint quadrants = 0;
    glGenTextures(1, &quadrants);
    glBindTexture(GL_TEXTURE_2D, quadrants);
    // Rows bottom-up: blue, white below; red, green above.
    const uint8_t px[2 * 2 * 3] = {0, 0, 255, 255, 255, 255, 255, 0, 0, 0, 255, 0};
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, px);
    const uint32_t saved = glu::tex.backdrop;
    glu::tex.backdrop = quadrants;  // a small GL name: once taken for a tile of the library image
    glu::startflyingcards();
    auto& g = glstate::gl();
    for (const Shape& s : kShapes) {
        SCOPED_TRACE(s.name);
        useShape(s);
        g.ViewWidth = s.w;
        g.ViewHeight = s.h;
        glClearColor(0, 0, 0, 0);
        clearFrame();
        glu::drawframe(0);
        glFinish();
        struct Probe {
            int dx, dy;  // from the middle, window rows upwards
            int r, g, b;
        };
        // Beside the middle, clear of the flying cards that rise through it: the two halves meet
        // within 8 pixels of the middle column and 12 of the middle row.
        const Probe probes[] = {{-8, 100, 255, 0, 0}, {8, 100, 0, 255, 0},    {-100, 12, 255, 0, 0},
                                {100, 12, 0, 255, 0}, {-100, -12, 0, 0, 255}, {100, -12, 255, 255, 255}};
        for (const auto& p : probes) {
            uint8_t c[4] = {};
            glReadPixels(s.w / 2 + p.dx, s.h / 2 + p.dy, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, c);
            EXPECT_NEAR(c[0], p.r, 40) << p.dx << "," << p.dy;
            EXPECT_NEAR(c[1], p.g, 40) << p.dx << "," << p.dy;
            EXPECT_NEAR(c[2], p.b, 40) << p.dx << "," << p.dy;
        }
        if (s.flag == 1) screenshot("menu_scene_16x9.bmp");
    }
    g.ViewWidth = W;
    g.ViewHeight = H;
    glu::tex.backdrop = saved;
    glDeleteTextures(1, &quadrants);
    restoreShape();
}

TEST_F(TableGl, ScreenshotOfADealtTableAt16x9WithShadows) {
    dealSkat();
    useShape(kShapes[2]);
    frame(4);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    ASSERT_TRUE(screenshot("table_skat_16x9.bmp"));
    restoreShape();
}
