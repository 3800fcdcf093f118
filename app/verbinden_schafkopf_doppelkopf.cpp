// The shell's connection to Schafkopf and Doppelkopf: registration and the readers of their rule
// pages, which the games call when a series starts.
#include <optional>
#include <string>
#include <vector>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/spielanbindung.h"
#include "core/cg.h"
#include "core/gtool.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/sd_anzeige.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"

namespace glapp {

namespace {

// One rule page: its elements in creation order, read by position.
struct Seite {
    Tglapp& a;
    int seite;
    const std::vector<int>& e;
    int wahl(size_t i) const {
        int v = 0;
        a.ReadTopIndex(seite, e[i], v);
        return v;
    }
    uint8_t haken(size_t i) const { return a.isChecked(seite, e[i]) ? 1 : 0; }
    std::string zeile(size_t i) const { return a.GetLine(seite, e[i], wahl(i)); }
    // "Keine Grenze" reads as `ohne`; other lines by the number before their last blank.
    int grenze(size_t i, int ohne) const {
        const std::string t = zeile(i);
        return t == "Keine Grenze" ? ohne : sd::zahlAusText(t);
    }
};

// The game's rule page when it is built with the elements the reader expects.
std::optional<Seite> seiteHolen(int spielId, size_t elemente) {
    if (!glapp) return std::nullopt;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = d.regeln[spielId];
    const auto& e = d.regelOptionen[spielId];
    if (!glapp->validDialog(seite) || e.size() != elemente) return std::nullopt;
    return Seite{*glapp, seite, e};
}

// Kartengeber, Rundenzahl, Spielen bis, the five game variants, Kontra, Re, Um Geld spielen,
// Ramsch, Stilles Solo, Solo value, Laufende.
void schafkopfLesen() {
    const auto s = seiteHolen(spiele::kSchafkopf, 15);
    if (!s) return;
    TSchafkopfOptionen& o = cg.schafkopf.optionen;
    o.geber = s->wahl(0);
    o.runden = s->grenze(1, 200);
    o.punkte = s->grenze(2, 0);
    o.tout = s->haken(3);
    o.farbgeier = s->haken(4);
    o.farbwenz = s->haken(5);
    o.bettel = s->haken(6);
    o.sie = s->haken(7);
    o.kontra = s->haken(8);
    o.re = s->haken(9);
    o.geldIndex = s->wahl(10);
    o.centProPunkt = schafkopf::centProPunkt(o.geldIndex);
    o.ramsch = s->haken(11);
    o.stillesSolo = s->haken(12);
    o.soloWert = sd::zahlAusText(s->zeile(13));
    if (o.soloWert != 4 && o.soloWert != 5) o.soloWert = 2;
    o.laufende = s->haken(14);
}

// Kartengeber, Rundenzahl, Spielen bis, 2. Dulle, Fuchs, Karlchen, Doppelkopf, the five
// announcement limits, Bei Solo zieht an, Buben-Damensolo.
void doppelkopfLesen() {
    const auto s = seiteHolen(spiele::kDoppelkopf, 14);
    if (!s) return;
    TDoppelkopfOptionen& o = cg.doppelkopf.optionen;
    o.geber = s->wahl(0);
    o.runden = s->grenze(1, 200);
    o.punkte = s->grenze(2, 0);
    o.zweiteDulle = s->haken(3);
    o.fuchs = s->haken(4);
    o.karlchen = s->haken(5);
    o.doppelkopf = s->haken(6);
    for (size_t i = 0; i < 5; ++i) o.stufen[i] = s->haken(7 + i);
    o.soloAnzug = s->wahl(12);
    if (o.soloAnzug < 1 || o.soloAnzug > 3) o.soloAnzug = 2;
    o.bubenDamenSolo = s->haken(13);
}

void (*g_vorherProFrame)() = nullptr;

// Every frame of either game: the seat captions and icons, and, while the developer panel is
// open in developer mode, the party matrix, how often the computer seats' party views are right
// and the last reasoning line.
void proFrame() {
    if (g_vorherProFrame) g_vorherProFrame();
    if (!glapp) return;
    // a caption a spoken bubble covered comes back when the bubble closes, also while the game
    // waits for an answer
    if (spielAktiv == 1 && cg.spielId == spiele::kSchafkopf) schafkopf::anzeigeAktualisieren();
    if (spielAktiv == 1 && cg.spielId == spiele::kDoppelkopf) doppelkopf::anzeigeAktualisieren();
    Tglapp& a = *glapp;
    const dialoge::Ids& d = dialoge::ids();
    // the computer players write their reasoning only while a developer looks at it
    gtool::entwicklerModus = a.DevMode != 0;
    gtool::kiLogAn = a.DevMode != 0 && a.validDialog(d.infopanel) && a.dlg(d.infopanel).Visible;
    if (!gtool::kiLogAn) return;
    if (a.validElement(d.infopanel, d.debugSb)) a.SetCaption(d.infopanel, d.debugSb, gtool::kiLogLetzte());
    if (cg.spielId != spiele::kSchafkopf && cg.spielId != spiele::kDoppelkopf) return;
    const auto zeilen = sd::parteiAnzeige();
    for (size_t i = 0; i < zeilen.size(); ++i)
        if (a.validElement(d.infopanel, d.debugTexte[i + 1])) a.SetCaption(d.infopanel, d.debugTexte[i + 1], zeilen[i]);
    if (a.validElement(d.infopanel, d.debugTexte[0]))
        a.SetCaption(d.infopanel, d.debugTexte[0], sd::trefferStatistik());
}

}  // namespace

void schafkopfDoppelkopfVerbinden(Tglapp&) {
    schafkopf::anmelden();
    doppelkopf::anmelden();
    schafkopf::optionenLesen = schafkopfLesen;
    doppelkopf::optionenLesen = doppelkopfLesen;
    // The hovered game-type, suit or solo button sorts the human's hand for that choice.
    vorschau[spiele::kSchafkopf] = schafkopf::vorschau;
    vorschau[spiele::kDoppelkopf] = doppelkopf::vorschau;
    g_vorherProFrame = spielProFrame;
    spielProFrame = proFrame;
}

void schafkopfDoppelkopfSeiten(Tglapp&) {}

}  // namespace glapp
