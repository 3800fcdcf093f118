// The in-game hint panel in the real program under Xvfb: wherever the table puts the seats' name
// plates and speech bubbles, at 640 x 480 and at 16:9, the panel stands clear of the plate and
// the bubble of the seat across the table. With KS_SHOTS set to a folder the frames are written
// there as BMP files to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/dialoge.h"
#include "app/gl/programm_gl.h"
#include "core/cg.h"
#include "core/gtool.h"
#include "core/spiele.h"
#include "gui/glpaint.h"
#include "table/overlays.h"

namespace fs = std::filesystem;

namespace {

using programm_gl::laufen;

// The dialog's painted body as fractions of the view (y from the top): the library draws the
// 800 x 600 screen at 0.988 of the view, 4 and 3 units in from its left and top edges.
glu::ViewRect flaeche(glapp::Tglapp& app, int d) {
    const pvl::TPVLDialog& g = app.dlg(d);
    const auto x = [](double v) { return static_cast<float>((v * 0.988 + 4) / 800); };
    const auto y = [](double v) { return static_cast<float>((v * 0.988 + 3) / 600); };
    return {x(g.X), y(g.Y), x(g.X + g.Width), y(g.Y + glpaint::bodyHeight(g))};
}

bool schneiden(const glu::ViewRect& a, const glu::ViewRect& b) {
    return !a.empty() && !b.empty() && a.left < b.right && b.left < a.right && a.top < b.bottom &&
           b.top < a.bottom;
}

std::string zeigen(const glu::ViewRect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" + std::to_string(r.right) +
           ", " + std::to_string(r.bottom) + ")";
}

void aufnehmen(glapp::Tglapp& app, const std::string& name) {
    const char* ordner = std::getenv("KS_SHOTS");
    if (!ordner) return;
    image::Image shot;
    const auto malen = app.Hooks.paintDialogs;
    app.Hooks.paintDialogs = [&] {
        malen();
        shot = programm_gl::bild();
    };
    app.Mainloop(true);
    app.Hooks.paintDialogs = malen;
    image::writeBmp(fs::path(ordner) / (name + ".bmp"), shot);
}

TEST(HinweisPanel, StandsClearOfThePlateAndBubbleOfTheSeatAcross) {
    // Doppelkopf: four seats, seat 3 across the table with its plate at the far edge.
    programm_gl::imSpiel(spiele::kDoppelkopf, [](glapp::Tglapp& app) {
        const dialoge::Ids& d = dialoge::ids();
        const struct { int w, h; } fenster[] = {{640, 480}, {1280, 720}};
        // The shortest and the tallest panel the hint texts give.
        const int hoehen[] = {77, 250, 410};
        for (const auto& f : fenster) {
            app.FormResize(f.w, f.h);
            for (int hoehe : hoehen) {
                SCOPED_TRACE(testing::Message() << f.w << "x" << f.h << ", panel " << hoehe);
                dialoge::showinnerhelp(app);
                app.dlg(d.helppanel).Height = static_cast<int16_t>(hoehe);
                // What the seat says, as the game has it said when it announces.
                gtool::sagen("Hochzeit mit Anna", 3, 0, false);
                laufen(app, 600);
                const glu::SeatAreas oben = glu::seatAreas[3];
                ASSERT_FALSE(oben.plate.empty()) << "seat 3's name plate was not drawn";
                ASSERT_FALSE(oben.bubble.empty()) << "seat 3's bubble was not drawn";
                const glu::ViewRect p = flaeche(app, d.helppanel);
                EXPECT_FALSE(schneiden(p, oben.plate))
                    << "panel " << zeigen(p) << " covers the plate " << zeigen(oben.plate);
                EXPECT_FALSE(schneiden(p, oben.bubble))
                    << "panel " << zeigen(p) << " covers the bubble " << zeigen(oben.bubble);
                aufnehmen(app, "hinweis_" + std::to_string(f.w) + "x" + std::to_string(f.h) + "_" +
                                   std::to_string(hoehe));
            }
        }
    });
}

}  // namespace
