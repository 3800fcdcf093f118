// The element notation of the dialog builder: one short call per kind of element, all in the
// create-in dialog, captions written in UTF-8 here and stored in Windows-1252.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/glapp.h"
#include "platform/text.h"

namespace dialoge::bau {

struct Bauer {
    glapp::Tglapp& a;

    int dialog(int x, int y, int w, int h, bool excl, std::string_view cap, int style, int extra,
               std::string_view txt, float scale) {
        const int d = a.CreateCustomDialog(x, y, w, h, excl, text::w(cap), static_cast<uint8_t>(style),
                                           static_cast<uint16_t>(extra), txt, scale);
        a.SetCreateIn(d);
        return d;
    }
    // A large dialog (640 x 500 at 80, 50) in the menu style.
    int gross(std::string_view cap) {
        const int d = a.CreateCapDialog(true, text::w(cap));
        a.SetNewDialog(d, 10, "menu2.jpg", 1.8f, 0);
        a.SetCreateIn(d);
        return d;
    }
    int knopf(int x, int y, int w, int h, std::string_view cap, int sub = 7) {
        return a.CreateCustomSpecialObject(10, x, y, w, h, static_cast<uint8_t>(sub), text::w(cap), "", 45,
                                           40, 20, 5, 1.3f);
    }
    int label(int x, int y, std::string_view cap) { return a.CreateObject(1, x, y, text::w(cap)); }
    int check(int x, int y, std::string_view cap) { return a.CreateObject(4, x, y, text::w(cap)); }
    int gruppe(std::string_view cap, std::initializer_list<int> glieder, bool radio = true) {
        const int g = a.CreateObject(5, 0, 0, text::w(cap));
        for (int m : glieder) radio ? a.AddChild(g, m) : a.AddBaby(g, m);
        return g;
    }
    int rahmen(int x, int y, int w, int h, std::string_view cap) {
        return a.CreateCustomObject(18, x, y, text::w(cap), w, h, 0.0f, 1.0f);
    }
    int wahl(int x, int y, int w, int h, const std::vector<std::string>& eintraege) {
        const int e = a.CreateCustomObject(17, x, y, "HorList2", w, h, 0.02f, 1.0f);
        for (const std::string& s : eintraege) a.AddString(e, text::w(s), 0);
        return e;
    }
    int obj(int kind, int x, int y, int w, int h, float opt, float scale, std::string_view cap) {
        return a.CreateCustomObject(kind, x, y, text::w(cap), w, h, opt, scale);
    }
    int icon(int x, int y, int w, int h, int sub, std::string_view cap) {
        return a.CreateSpecialObject(10, x, y, w, h, static_cast<uint8_t>(sub), text::w(cap));
    }
    pvl::TPVLElement& el(int d, int e) { return a.dlg(d).el(e); }
};

// The shared entry lists of the rule pages.
std::vector<std::string> r16(bool b);
std::vector<std::string> p14();
std::vector<std::string> geber(int n);
std::vector<std::string> naechster();
std::vector<std::string> b16();
std::vector<std::string> punkte(std::initializer_list<int> werte, bool ohneGrenze);

// The rule pages, each finished by maketabcon (diag_regeln.cpp).
void regelnSkat(Bauer& b);
void regelnMauMau(Bauer& b);
void regelnSchwimmen(Bauer& b);
void regelnRomme(Bauer& b);
void regelnCanasta(Bauer& b);
void regelnDoppelkopf(Bauer& b);
void regelnSchafkopf(Bauer& b);
void regelnPoker(Bauer& b);
void regelnSchnapsen(Bauer& b, bool sechsundsechzig);
void regelnBlackJack(Bauer& b, bool siebzehnUndVier);
void regelnJass(Bauer& b);
void skatUnterseiten(Bauer& b, int welche);  // 0 Kontra, 1 Bock und Ramsch, 2 Um Geld

// Turns a rule page's container to its page (1 "Allgemein", 2 "Regeln").
void seiteZeigen(glapp::Tglapp& a, int spiel, int seite);
// Fills the card-word tables (ours and the game core's copy) and the opponents' names.
void wortTabellen();

}  // namespace dialoge::bau

namespace dialoge::bau {
// One credits line: a role with its name behind a row of dots, a centred heading (no name), or
// an empty line (role " ").
std::string creditsZeile(const glapp::Tglapp& a, const std::string& rolle, const std::string& name);
// The credits list: the heading, the groups of the team, and blank lines to scroll out.
void creditsFuellen(glapp::Tglapp& a, int dialog, int liste);
}  // namespace dialoge::bau
