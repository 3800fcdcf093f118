// Dialogs over a game on the table, in the real program under Xvfb: a dialog stands above the
// table, its cards and its labels. Each dialog is drawn twice, once over the table and once
// over an emptied screen, and inside its body the two pictures must be the same. With
// KS_SHOTS set to a folder the pictures are written there as BMP files to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/dialoge.h"
#include "app/gl/programm_gl.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "gui/glpaint.h"
#include "platform/ticks.h"

namespace fs = std::filesystem;

namespace {

using programm_gl::aufnahme;
using programm_gl::laufenBis;

// Pixels inside the body of dialog d (virtual units, 12 in from its edges) that differ between
// the two pictures.
int unterschiede(glapp::Tglapp& app, int d, const image::Image& a, const image::Image& b) {
    const pvl::TPVLDialog& g = app.dlg(d);
    const double sx = a.width / 800.0, sy = a.height / 600.0;
    int n = 0;
    for (int vy = g.Y + 12; vy < g.Y + glpaint::bodyHeight(g) - 12; ++vy)
        for (int vx = g.X + 12; vx < g.X + g.Width - 12; ++vx) {
            const int x = static_cast<int>((vx * 0.988 + 4) * sx);
            const int y = a.height - 1 - static_cast<int>((vy * 0.988 + 3) * sy);
            if (x < 0 || y < 0 || x >= a.width || y >= a.height) continue;
            const uint8_t *p = a.at(x, y), *q = b.at(x, y);
            n += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 24;
        }
    return n;
}

TEST(DialogUeberTisch, MenusSaveDialogAndScoreListHideTheTableBehindThem) {
    // Doppelkopf: four seats, the hand of white cards along the bottom edge, where the menus
    // have their "Zurück"; dealt until the human is asked.
    programm_gl::imSpiel(spiele::kDoppelkopf, [](glapp::Tglapp& app) {
        const dialoge::Ids& d = dialoge::ids();
        app.CreateClickEvent(d.iconLayer, d.iconMenue);
        ASSERT_EQ(app.CurrentDialog, d.spielmenue);
        const struct {
            int dialog;
            const char* name;
        } faelle[] = {{d.spielmenue, "spielmenue"}, {d.speichern, "speichern"}, {d.spielliste, "spielliste"}};
        for (const auto& f : faelle) {
            SCOPED_TRACE(f.name);
            for (int x : {d.spielmenue, d.speichern, d.spielliste})
                if (x != f.dialog) app.InvsbDialog(x);
            app.CallDialog(f.dialog);
            const uint32_t t0 = ticks::now();
            while (ticks::since(t0) < 800) app.Mainloop(true);
            // The focused button pulses with the library's animated angle: held still, the
            // two pictures differ only by what lies behind the dialog.
            app.Freeze = 1;
            const image::Image ueberTisch = aufnahme(app, false), ueberLeer = aufnahme(app, true);
            if (const char* ordner = std::getenv("KS_SHOTS")) {
                image::writeBmp(fs::path(ordner) / (std::string(f.name) + "_tisch.bmp"), ueberTisch);
                image::writeBmp(fs::path(ordner) / (std::string(f.name) + "_leer.bmp"), ueberLeer);
            }
            app.Freeze = 0;
            EXPECT_EQ(unterschiede(app, f.dialog, ueberTisch, ueberLeer), 0)
                << "the table shows through the dialog";
        }
    });
}

}  // namespace
