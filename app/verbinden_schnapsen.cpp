// The shell's connection to Schnapsen and Sechsundsechzig: registration, the rule pages read into
// the game's options, the score list written into the result dialog, the frame rate for the
// search's slices, its texts in the developer panel, the per-frame search on the human's
// pointed card and the pointer on a decision button, which points at no card.
#include <string>
#include <vector>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/spielanbindung.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "games/skat_jass_schnapsen/schnapsen_ki.h"
#include "table/tischhooks.h"

namespace glapp {

namespace {

// The page's elements in order: Bummerl/Partie, Punkte/Bummerl, closing, exchange.
void optionenVonSeite(TSchnapsen& o) {
    if (!glapp) return;
    Tglapp& a = *glapp;
    const int g = o.sechsundsechzig ? spiele::kSechsundsechzig : spiele::kSchnapsen;
    const dialoge::Ids& d = dialoge::ids();
    const int seite = d.regeln[g];
    const auto& e = d.regelOptionen[g];
    if (!a.validDialog(seite) || e.size() < 4) return;
    auto text = [&](int el) {
        int v = 0;
        a.ReadTopIndex(seite, el, v);
        return a.GetLine(seite, el, v);
    };
    o.bummerlLimit = schnapsen::optionZahl(text(e[0]), 200);
    o.punkteProBummerl = schnapsen::optionZahl(text(e[1]), 0);
    o.sperrenErlaubt = a.isChecked(seite, e[2]) ? 1 : 0;
    o.tauschenErlaubt = a.isChecked(seite, e[3]) ? 1 : 0;
}

void tabelleSchreiben(const std::vector<std::string>& zeilen, bool) {
    if (!glapp) return;
    Tglapp& a = *glapp;
    const spielliste::Ids& ids = spielliste::ids;
    if (!a.validElement(ids.dialog, ids.haupt)) return;
    const int vorher = a.CreateInDialog;
    a.SetCreateIn(ids.dialog);
    for (const std::string& z : zeilen) {
        size_t p = 0;
        for (;;) {
            const size_t q = z.find('\t', p);
            a.AddString(ids.haupt, z.substr(p, q == std::string::npos ? std::string::npos : q - p), 0);
            if (q == std::string::npos) break;
            p = q + 1;
        }
    }
    a.SetCreateIn(vorher);
}

// The search's texts in the developer panel: the debug line and the list below the buttons.
void entwicklerText(int feld, const std::string& t) {
    if (!glapp) return;
    Tglapp& a = *glapp;
    const dialoge::Ids& d = dialoge::ids();
    const int el = feld == 0 ? d.debugTexte[0] : d.debugSb;
    if (a.validElement(d.infopanel, el)) a.SetCaption(d.infopanel, el, t);
}

float bildRate() { return glapp && glapp->FpsSmooth > 0 ? glapp->FpsSmooth : 60.0f; }

// While the human points at a card the computer's reply is searched, a slice a frame.
void proFrame() {
    if (cg.spielId != spiele::kSchnapsen || cg.aktSpieler != 1) return;
    if (schnapsenki::zeigerKarteGesetzt() && !schnapsenki::sucheFertig()) schnapsenki::kiTick();
}

// The pointer on a decision button points at no card: the search for the reply to a card the
// human pointed at before is dropped.
void knopfVorschau(int, int) {
    tischhooks::schale().gehobeneKarte = 0;
    if (cg.aktSpieler == 1) schnapsen::zeigerKarteSetzen(0, 0);
}

}  // namespace

void schnapsenVerbinden(Tglapp&) {
    schnapsen::anmelden();
    schnapsen::optionenVonSeite = optionenVonSeite;
    schnapsen::tabelleSchreiben = tabelleSchreiben;
    schnapsenki::bildRate = bildRate;
    schnapsenki::entwicklerText = entwicklerText;
    spielProFrame = proFrame;
    vorschau[spiele::kSchnapsen] = knopfVorschau;
}

void schnapsenSeiten(Tglapp&) {}

}  // namespace glapp
