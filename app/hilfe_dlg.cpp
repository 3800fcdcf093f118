// The help dialog, the in-game hint panel and the high-score dialog: the game core's help
// containers and high-score tables put into the elements the builder made.
#include <algorithm>
#include <cmath>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/highscore.h"
#include "core/hilfe.h"
#include "core/spiele.h"
#include "games/casino/holdem_regeln.h"
#include "platform/num.h"
#include "platform/text.h"
#include "table/overlays.h"

namespace dialoge {

namespace {

// The library's create-in dialog is restored when the filler is done.
struct CreateIn {
    glapp::Tglapp& a;
    int alt;
    CreateIn(glapp::Tglapp& app, int d) : a(app), alt(app.CreateInDialog) { a.SetCreateIn(d); }
    ~CreateIn() { a.SetCreateIn(alt); }
};

std::string ohneErstes(const std::string& s) { return s.empty() ? s : s.substr(1); }

}  // namespace

void buildhelp(glapp::Tglapp& a) {
    const Ids& d = ids();
    if (!glapp::hc || !a.validDialog(d.hilfe)) return;
    const int g = ::cg.spielIdMenue <= 12 ? ::cg.spielIdMenue : ::cg.spielId;
    const std::string ordner = g <= 12 ? central::spielNamen.ordner[g] : "";
    // A missing file leaves an empty container: the dialog says so instead of showing nothing.
    glapp::hc->laden(ordner);
    const HelpPage p = glapp::hc->inhaltZeigen();
    {
        CreateIn c(a, d.hilfe);
        a.DelStrings(d.hilfe, d.hilfeThemen, true);
        for (const std::string& z : p.lines) a.AddString(d.hilfeThemen, z, 0);
    }
    if (glapp::hc->count == 0)
        writehelptext(a, text::w("Hilfe"), "", "", text::w("Für dieses Spiel gibt es keine Hilfe."));
    else
        writehelptext(a, p.caption, p.title, "", p.text);
    a.SetPageIndex(d.hilfe, d.hilfeContainer, 1);
}

void writehelptext(glapp::Tglapp& a, const std::string& heading, const std::string& title,
                   const std::string& term, const std::string& text_) {
    const Ids& d = ids();
    if (!a.validElement(d.hilfe, d.hilfeText)) return;
    CreateIn c(a, d.hilfe);
    const int e = d.hilfeText;
    a.DelStrings(d.hilfe, e, true);
    a.dlg(d.hilfe).el(e).ListOption = 1;
    // the file's first line may bring its line break along; it must not stand before the colon
    const std::string kopf = text::trim(heading);
    a.AddString(e, " " + kopf + (title.empty() ? "" : ": " + title), 0);

    std::string t = text_;
    if (t.rfind("\r\n", 0) == 0)
        t.erase(0, 2);
    else if (!t.empty() && (t[0] == '\r' || t[0] == '\n'))
        t.erase(0, 1);
    const double breite = a.dlg(d.hilfe).el(e).Width - 20;
    auto passt = [&](const std::string& zeile) { return a.charwidth(zeile) * 11.5 < breite; };

    std::vector<std::string> zeilen;
    std::string zeile;
    size_t i = 0;
    while (i < t.size()) {
        if (t[i] == '\r' || t[i] == '\n') {
            if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
            zeilen.push_back(zeile);
            zeile.clear();
            ++i;
            continue;
        }
        size_t j = i;
        while (j < t.size() && t[j] != ' ' && t[j] != '\r' && t[j] != '\n') ++j;
        std::string wort = t.substr(i, j - i);
        if (j < t.size() && t[j] == ' ') ++j;
        const std::string probe = zeile.empty() ? wort : zeile + " " + wort;
        if (!zeile.empty() && !passt(probe)) {
            zeilen.push_back(zeile);
            zeile = wort;
        } else {
            zeile = probe;
        }
        i = j;
    }
    if (!zeile.empty()) zeilen.push_back(zeile);
    for (const std::string& z : zeilen) a.AddString(e, " " + z, 0);
    a.AddString(e, " ", 0);

    a.SetHighlight(d.hilfe, e, term);
    // The painter underlines the characters after each "#" run of a line's mask: every hit of
    // the search word gets its run one place before it.
    if (!term.empty()) {
        const std::string such = text::lower(term);
        const int n = a.dlg(d.hilfe).el(e).LineCount;
        for (int z = 1; z <= n; ++z) {
            const std::string klein = text::lower(a.ReadLine(d.hilfe, e, z));
            std::string maske(klein.size(), ' ');
            for (size_t p = klein.find(such); p != std::string::npos; p = klein.find(such, p + such.size()))
                for (size_t k = 0; k < such.size() && p + k >= 1; ++k) maske[p + k - 1] = '#';
            a.AddString(e, maske, z);
        }
    }
    int top = 0;
    if (!term.empty()) {
        const std::string such = text::lower(term);
        const int n = a.dlg(d.hilfe).el(e).LineCount;
        for (int z = 1; z <= n; ++z) {
            std::string s = ohneErstes(a.ReadLine(d.hilfe, e, z));
            if (z > 1) s = ohneErstes(a.ReadLine(d.hilfe, e, z - 1)) + " " + s;
            if (z < n) s += " " + ohneErstes(a.ReadLine(d.hilfe, e, z + 1));
            if (text::lower(s).find(such) != std::string::npos) {
                top = std::max(0, z - 2);  // a hit in the first lines never scrolls above the top
                break;
            }
        }
    }
    a.dlg(d.hilfe).el(e).TopIndex = static_cast<int16_t>(top);
}

void showinnerhelp(glapp::Tglapp& a) {
    const Ids& d = ids();
    if (!glapp::ihc || !a.validDialog(d.helppanel)) return;
    THelpChapter c;
    glapp::ihc->themaHolen(::cg.entscheidung.art, c);
    static const int hoehen[11] = {77, 100, 130, 160, 190, 220, 250, 290, 330, 370, 410};
    const int n = zeilenZahl(c.text, 70);
    a.dlg(d.helppanel).Height = static_cast<int16_t>(hoehen[std::clamp(n, 0, 10)]);
    a.SetCaption(d.helppanel, d.hilfePanelText, c.text);
    if (!a.dlg(d.helppanel).Visible) a.dlg(d.helppanel).Y = kHinweisOben;
    a.ShowDialog(d.helppanel);
    a.SetVisible(d.iconLayer, d.iconHilfe, false);
}

int hinweisOben(int hoehe, const std::vector<Flaeche>& frei, int jetzt) {
    // Clear of the decision buttons and their text along the bottom edge.
    const int unten = std::max(kHinweisOben, 555 - hoehe);
    const auto kosten = [&](int oben) {
        const Flaeche p{static_cast<float>(kHinweisLinks), static_cast<float>(oben),
                        static_cast<float>(kHinweisLinks + kHinweisBreite), static_cast<float>(oben + hoehe)};
        float k = 0;
        for (const Flaeche& f : frei) {
            const float flaeche = (f.right - f.left) * (f.bottom - f.top);
            if (!(flaeche > 0)) continue;
            const float w = std::min(p.right, f.right) - std::max(p.left, f.left);
            const float h = std::min(p.bottom, f.bottom) - std::max(p.top, f.top);
            if (w > 0 && h > 0) k += w * h / flaeche;
        }
        return k;
    };
    // The best places touch an edge of a plate or bubble (or the screen's limits).
    std::vector<int> orte{kHinweisOben, unten};
    for (const Flaeche& f : frei) {
        orte.push_back(static_cast<int>(std::ceil(f.bottom)) + 4);
        orte.push_back(static_cast<int>(std::floor(f.top)) - 4 - hoehe);
    }
    int best = kHinweisOben;
    float bestK = kosten(best);
    for (int o : orte) {
        if (o < kHinweisOben || o > unten) continue;
        const float k = kosten(o);
        if (k < bestK - 0.001f || (k < bestK + 0.001f && o < best)) {
            best = o;
            bestK = k;
        }
    }
    if (jetzt >= kHinweisOben && jetzt <= unten && kosten(jetzt) < bestK + 0.001f) return jetzt;
    return best;
}

void placeinnerhelp(glapp::Tglapp& a) {
    const Ids& d = ids();
    if (!a.validDialog(d.helppanel) || !a.dlg(d.helppanel).Visible) return;
    // The table's areas are fractions of the view; the library paints the 800 x 600 screen at
    // 0.988 of the view, 4 and 3 units in from its left and top edges.
    std::vector<Flaeche> frei;
    const auto fl = [&](const glu::ViewRect& r) {
        if (r.empty()) return;
        const auto x = [](float v) { return (v * 800 - 4) / 0.988f; };
        const auto y = [](float v) { return (v * 600 - 3) / 0.988f; };
        frei.push_back({x(r.left) - 4, y(r.top) - 4, x(r.right) + 4, y(r.bottom) + 4});
    };
    for (int s = 1; s <= 10; ++s) {
        fl(glu::seatAreas[s].plate);
        fl(glu::seatAreas[s].bubble);
    }
    pvl::TPVLDialog& g = a.dlg(d.helppanel);
    g.Y = static_cast<int16_t>(hinweisOben(g.Height, frei, g.Y));
}

void buildhighscore(glapp::Tglapp& a, int stufe) {
    const Ids& d = ids();
    if (!a.validDialog(d.highscore)) return;
    stufe = std::clamp(stufe, 1, 3);
    const int g = ::cg.spielId;
    const int anzeigeId = ::cg.spielIdMenue <= 12 ? ::cg.spielIdMenue : g;
    a.SetCaption(d.highscore, 1,
                 (anzeigeId <= 12 ? central::spielNamen.anzeige[anzeigeId] : "") + "\n Highscore");
    std::vector<std::string> kat;
    switch (g) {
        case 0:
        case 2:
        case 3:
            kat = {"Unter 10 Runden", "Über 10 Runden"};
            break;
        case 1:
            kat = {"ISkO", "Nicht ISkO", "Über 12 Spiele"};
            break;
        case 4:
            kat = {"Zweierpartei", "Einzelspieler", "Über 15 Runden"};
            break;
        case 5:
        case 6:
            kat = {"Unter 10 Spiele", "Unter 25 Spiele", "Über 25 Spiele"};
            break;
        case 8:
            kat = {""};
            break;
        default:
            kat = {"Anfänger", "Standard", "Profi"};
            break;
    }
    const std::string titel = stufe <= static_cast<int>(kat.size()) ? kat[stufe - 1] : "";
    a.SetCaption(d.highscore, d.hsTitel, "!" + text::w(titel));
    for (int i = 0; i < 3; ++i) {
        a.SetCaption(d.highscore, d.hsTab[i], i < static_cast<int>(kat.size()) ? text::w(kat[i]) : "");
        a.SetVisible(d.highscore, d.hsTab[i], kat.size() >= 2 && i < static_cast<int>(kat.size()));
    }

    CreateIn c(a, d.highscore);
    const int e = d.hsListe;
    a.DelStrings(d.highscore, e, true);
    a.dlg(d.highscore).el(e).ListOption = 5;
    auto zeile = [&](std::initializer_list<std::string> z) {
        for (const std::string& s : z) a.AddString(e, s, 0);
    };
    if (g == spiele::kPoker)
        zeile({"!", "Platz", "Name", "!", "Ergebnis"});
    else if (g == spiele::kSchnapsen || g == spiele::kJass)
        zeile({"!", "Platz", "Differenz", "!", "Name"});
    else
        zeile({"!", "Platz", "Punkte", "!", "Name"});
    const int tabelle = std::clamp<int>(g, 0, kHighscoreTabellen - 1);
    for (int p = 1; p <= highscore::kBelegt; ++p) {
        const THighscoreEintrag& h = ::cg.highscore.at(tabelle, stufe, p);
        const std::string name = h.leer || h.name.size() == 0 ? "Leer" : h.name.str();
        const std::string platz = std::to_string(p) + ".";
        if (g == spiele::kPoker) {
            // the stored score encodes place, hands and strength: "1. Platz nach 12 Spielen (Profi)"
            std::string ergebnis;
            holdem::formatHighscoreEntry(h.punkte, ergebnis);
            zeile({"!", platz, name, "!", ergebnis});
        }
        else
            zeile({"!", platz, text::fromInt(h.punkte), "!", name});
    }
    zeile({"!", "!", "!", "!", "!"});
}

}  // namespace dialoge
