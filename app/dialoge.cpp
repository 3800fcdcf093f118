// Dialog building and the dialog clicks. For now the main menu alone, so that the program
// opens; the other menus, rule pages and panels follow in their fixed order.
#include "app/dialoge.h"

#include "app/glapp.h"
#include "platform/text.h"

namespace dialoge {

Ids& ids() {
    static Ids i;
    return i;
}

namespace {

int menuButton(glapp::Tglapp& a, int x, int y, int w, int h, const std::string& caption) {
    return a.CreateCustomSpecialObject(10, x, y, w, h, 7, caption, "", 45, 40, 20, 5, 1.3f);
}

}  // namespace

void diagcreate(glapp::Tglapp& a) {
    Ids& d = ids();
    d.kartenspiele = a.CreateCustomDialog(280, 40, 260, 520, true, "Kartenspiele", 0, 10, "", 2.0f);
    a.SetCreateIn(d.kartenspiele);
    a.CreateCustomObject(1, 0, -19, "", 200, 32, 1.0f, 1.9f);
    const char* links[] = {"Mau Mau", "Schwimmen",  "Rommé",     "Canasta",
                           "Skat",    "Doppelkopf", "Schafkopf", "Jass"};
    const int linksId[] = {0, 2, 3, 4, 1, 5, 6, 12};
    for (int k = 1; k <= 8; ++k)
        d.spielKnoepfe[linksId[k - 1]] = menuButton(a, 60, 60 + 42 * k, 140, 38, text::w(links[k - 1]));
    const char* rechts[] = {"No Limit Poker",  "Pot Limit Poker", "Split Limit Poker", "Schnapsen",
                            "Sechsundsechzig", "Black Jack",      "17 und 4"};
    const int rechtsId[] = {8, -1, -1, 7, 10, 9, 11};
    for (int k = 1; k <= 7; ++k) {
        const int e = menuButton(a, 260, 60 + 42 * k, 140, 38, text::w(rechts[k - 1]));
        if (rechtsId[k - 1] >= 0) d.spielKnoepfe[rechtsId[k - 1]] = e;
    }
    d.credits = menuButton(a, 110, 350, 110, 38, "Credits");
    d.ende = menuButton(a, 110, 395, 110, 38, "Ende");
    a.CallDialog(d.kartenspiele);
}

void klick(glapp::Tglapp& a, int dialog, int element) {
    if (dialog == ids().kartenspiele && element == ids().ende) a.closeme();
}

std::string filtertext(std::string_view t) { return std::string(t); }
void bildrebuild(glapp::Tglapp&) {}
void showinnerhelp(glapp::Tglapp&) {}
void dotestsave(glapp::Tglapp&) {}
void mauMauListen(glapp::Tglapp&) {}

}  // namespace dialoge
