// The shell's connection to the Rommé unit: registration and hooks, then its rule page: the
// options read into the record when a match starts, and the page kept sound while it changes.
#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "app/spielanbindung.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "games/rummy_shedding/romme.h"

namespace glapp {

namespace {

// The page's option elements in order: 1. Kartengeber, Nächster Geber, Kartenblatt,
// Punkte-Wertung, Rundenzahl, Spielen bis, Joker zählt, 1. Satz ab, the three check boxes,
// Sortieren nach.
enum Element {
    kErsterGeber,
    kNaechsterGeber,
    kKartenblatt,
    kWertung,
    kRunden,
    kPunkte,
    kJoker,
    kMindest,
    kEcke,
    kDoppelt,
    kFremd,
    kSortieren,
    kAnzahl
};

int seite() { return dialoge::ids().regeln[spiele::kRomme]; }
int element(Element e) {
    const auto& v = dialoge::ids().regelOptionen[spiele::kRomme];
    return static_cast<size_t>(e) < v.size() ? v[static_cast<size_t>(e)] : 0;
}
bool da() {
    return glapp && glapp->validDialog(seite()) &&
           dialoge::ids().regelOptionen[spiele::kRomme].size() >= static_cast<size_t>(kAnzahl);
}
int wahl(Element e) {
    int v = 0;
    if (glapp->validElement(seite(), element(e))) glapp->ReadTopIndex(seite(), element(e), v);
    return v;
}
std::string zeile(Element e) { return glapp->GetLine(seite(), element(e), wahl(e)); }
bool haken(Element e) {
    return glapp->validElement(seite(), element(e)) && glapp->isChecked(seite(), element(e));
}
int spieler() {
    const int g = dialoge::ids().spielerzahlWahl[spiele::kRomme];
    int v = 0;
    if (g && glapp->validElement(seite(), g)) glapp->ReadTopIndex(seite(), g, v);
    return v >= 1 && v <= 5 ? v + 1 : 4;
}

void lesen() {
    if (!da()) return;
    TRomme& o = cg.romme;
    cg.ablauf.anzSpieler = spieler();
    o.ersterGeber = wahl(kErsterGeber);
    o.naechsterGeber = wahl(kNaechsterGeber);
    o.saetze = wahl(kKartenblatt);
    o.positiv = wahl(kWertung) == 1 ? 1 : 0;
    o.rundenGrenze = romme::grenzeLesen(zeile(kRunden), kRundenMax);
    o.punkteGrenze = romme::grenzeLesen(zeile(kPunkte), 0);
    o.jokerWert = romme::grenzeLesen(zeile(kJoker), 0);
    o.mindestpunkte = romme::grenzeLesen(zeile(kMindest), 0);
    if (o.jokerWert == 99999) o.jokerWert = 0;
    if (o.mindestpunkte == 99999) o.mindestpunkte = 0;
    o.ecke = haken(kEcke);
    o.doppelteFarben = haken(kDoppelt);
    o.fremdAnlegen = haken(kFremd);
    o.nachWert = wahl(kSortieren) == 2 ? 1 : 0;
}

// A change on the page: the sort order at once; the first dealer kept at "Zufall" or a seat at
// the table; with four or more seats at least two decks.
void abgleichen(int el, bool) {
    if (!da()) return;
    const int s = seite();
    if (el == element(kSortieren)) romme::sortierungSetzen(wahl(kSortieren) == 2);
    const int zahl = dialoge::ids().spielerzahlWahl[spiele::kRomme];
    const bool seats = el == zahl || el == 0;
    if (seats || el == element(kErsterGeber)) {
        const int p = romme::geberVerschieben(wahl(kErsterGeber), 1, spieler());
        if (p != wahl(kErsterGeber)) glapp->SetTopIndex(s, element(kErsterGeber), p);
    }
    if ((seats || el == element(kKartenblatt)) && spieler() >= 4 && wahl(kKartenblatt) == 1)
        glapp->SetTopIndex(s, element(kKartenblatt), 2);
}

}  // namespace

void rommeVerbinden(Tglapp&) {
    romme::anmelden();
    romme::seiteLesen = lesen;
    dialoge::haken.optionenJe[spiele::kRomme] = abgleichen;
    // the sort buttons beside the table: the hand at once, and the page's chooser with it
    dialoge::haken.rommeSortieren = [](bool nachFarbe) {
        romme::sortierungSetzen(!nachFarbe);
        if (da() && glapp->validElement(seite(), element(kSortieren)))
            glapp->SetTopIndex(seite(), element(kSortieren), nachFarbe ? 1 : 2);
    };
}

void rommeSeiten(Tglapp&) {}

}  // namespace glapp
