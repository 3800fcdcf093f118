// The card and table textures in a real GL context: a rebuilt context (event -4) reloads only
// what is not registered yet: the faces keep their numbers and the cache is not cut again; and
// going through the options again and again leaves no texture and no memory behind.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

#include "app/dialoge.h"
#include "app/gl/programm_gl.h"
#include "gui/glstate.h"
#include "table/render.h"

#if defined(__SANITIZE_ADDRESS__)
#define KS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KS_ASAN 1
#endif
#endif
#ifdef KS_ASAN
// The sanitizer runtime's own count (GCC ships no header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace fs = std::filesystem;

namespace {

using programm_gl::imHauptmenue;

TEST(Texturen, ANewContextKeepsTheRegisteredTexturesAndTheCache) {
    std::string warum;
    const bool lief = imHauptmenue(
        [](glapp::Tglapp& app) {
            const fs::path kb11 = fs::current_path() / "cache" / "kartenspiele" / "kb11.tmp";
            const int registriert = glstate::gl().Count;
            const uint32_t gesicht = glu::tex.face[1][1], tisch = glu::tex.tisch;
            EXPECT_NE(gesicht, 0u);
            EXPECT_NE(tisch, 0u);
            ASSERT_TRUE(fs::exists(kb11));
            const auto geschnitten = fs::last_write_time(kb11);
            app.event(pvl::peLoadTextures, -4);
            EXPECT_EQ(glstate::gl().Count, registriert) << "textures were registered anew";
            EXPECT_EQ(glu::tex.face[1][1], gesicht);
            EXPECT_EQ(glu::tex.tisch, tisch);
            EXPECT_EQ(fs::last_write_time(kb11), geschnitten) << "the faces were cut again";
        },
        warum);
    if (!lief && warum != "the main menu never drew") GTEST_SKIP() << warum;
    EXPECT_TRUE(lief) << warum;
}

// Live texture names: the library's (counted from 1), the program's (from 1001) and those the
// platform layer makes with glGenTextures all lie below 4096.
int lebendeTexturen() {
    int n = 0;
    for (GLuint t = 1; t < 4096; ++t) n += glIsTexture(t) == GL_TRUE;
    return n;
}

// Bytes the heap holds, the GL driver's texture memory among them.
size_t heap() {
#ifdef KS_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 m = mallinfo2();
    // Blocks of 128 KiB and more are mapped one by one and counted apart.
    return m.uordblks + m.hblkhd;
#endif
}

// One trip through the options as a user makes it: another texture detail applied in the
// settings (a new context, every texture again), the display applied in the graphics dialog,
// and another table, card back and card picture applied in "Anzeige"; then a few frames.
// Registered files whose name holds no picture: a name that something else took and deleted.
int ohneBild() {
    const auto& g = glstate::gl();
    int n = 0;
    for (int i = 1; i <= g.Count; ++i) n += glIsTexture(static_cast<GLuint>(g.Ids[i])) != GL_TRUE;
    return n;
}

void optionenReise(glapp::Tglapp& app, int k) {
    const dialoge::Ids& d = dialoge::ids();
    app.dlg(app.GraphicsDialog).el(app.Lib.texture).TopIndex = static_cast<int16_t>(k % 2 == 0 ? 1 : 3);
    app.CreateClickEvent(app.SettingsDialog, app.Lib.apply);
    app.CreateClickEvent(app.GraphicsDialog, app.Lib.change);
    app.dlg(d.anzeige).el(d.umgebung).TopIndex = static_cast<int16_t>(1 + k % 2);
    app.dlg(d.anzeige).el(d.rueckseite).TopIndex = static_cast<int16_t>(1 + k % 2);
    app.dlg(d.anzeige).el(d.kartenbild).TopIndex = static_cast<int16_t>(1 + k % 2);
    app.CreateClickEvent(d.anzeige, 2);
    for (int i = 0; i < 3; ++i) app.Mainloop(true);
}

TEST(Texturen, GoingThroughTheOptionsAgainAndAgainLeavesNothingBehind) {
    std::string warum;
    int texturenVorher = 0, texturenNachher = 0, tot = 0;
    // The heap swings by several hundred KiB from one trip to the next (blocks the driver holds
    // for a while), so each side is the least of three readings, three trips apart.
    size_t heapVorher = SIZE_MAX, heapNachher = SIZE_MAX;
    const bool lief = imHauptmenue(
        [&](glapp::Tglapp& app) {
            // Three trips first: by then each table has been loaded at each texture detail (the
            // detail changes before the table does), so everything is registered once.
            for (int k = 0; k < 3; ++k) {
                optionenReise(app, k);
                tot += ohneBild();
            }
            texturenVorher = lebendeTexturen();
            for (int k = 3; k < 9; ++k) {
                optionenReise(app, k);
                tot += ohneBild();
                size_t& seite = k < 6 ? heapVorher : heapNachher;
                seite = std::min(seite, heap());
            }
            texturenNachher = lebendeTexturen();
        },
        warum);
    if (!lief && warum != "the main menu never drew") GTEST_SKIP() << warum;
    ASSERT_TRUE(lief) << warum;
    EXPECT_GT(texturenVorher, 50);
    EXPECT_EQ(tot, 0) << "registered textures without their picture";
    EXPECT_EQ(texturenNachher, texturenVorher) << "textures left behind by six trips";
    // Trips that each left one card face (512 KiB) behind would hold 1.5 MB more three trips on.
    const long gewachsen = static_cast<long>(heapNachher) - static_cast<long>(heapVorher);
    EXPECT_LT(gewachsen, 768 * 1024) << "the heap grew by " << gewachsen << " bytes in three trips";
}

}  // namespace
