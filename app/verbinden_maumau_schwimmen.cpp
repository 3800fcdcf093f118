// The shell's connection to Mau Mau and Schwimmen: registration, the rule pages read into the
// games' records at a fresh start, and the pages kept consistent while the user edits them.
#include <algorithm>
#include <vector>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "app/spielanbindung.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "games/rummy_shedding/maumau.h"
#include "games/rummy_shedding/schwimmen.h"
#include "platform/text.h"

namespace glapp {

namespace {

// The option elements of the Mau Mau page, in the order the page was built.
enum MauMauElement : size_t {
    kGeber = 0,
    kBlatt = 1,
    kStart = 2,
    kWertung = 3,
    kRunden = 4,
    kPunkte = 5,
    kRolle1 = 6,  // "2 Ziehen", "Aussetzen", "Richtungswechsel", "Nochmal ablegen", "Farbe wählen"
    kZiehen = 11,
    kAussetzen = 12,
    kWunschBox = 13,
    kMauMauAnzahl = 14,
};
constexpr int kRollen[5] = {maumau::kZiehen, maumau::kAussetzen, maumau::kRichtung, maumau::kNochmal,
                            maumau::kWunsch};
// The Schwimmen page.
enum SchwimmenElement : size_t { kSGeber = 0, kSWertung = 1, kSRunden = 2, kSPunkte = 3, kSPasch = 4, kSAlle = 5 };

int wahl(Tglapp& a, int d, int e) {
    int v = 0;
    if (a.validElement(d, e)) a.ReadTopIndex(d, e, v);
    return v;
}
void wahlSetzen(Tglapp& a, int d, int e, int v) {
    if (!a.validElement(d, e)) return;
    a.SetTopIndex(d, e, v);
    a.SetCaption(d, e, a.GetLine(d, e, v).substr(0, 24));
}
// "Keine Grenze" gives `ohne`, any other text the number before its last blank.
int grenze(Tglapp& a, int d, int e, int ohne) {
    const std::string t = a.GetLine(d, e, wahl(a, d, e));
    const int n = schwimmen::zahlAusText(t);
    return n > 0 ? n : ohne;
}
// Role list positions 1..8 are the values 1..8, position 9 "Keine".
int rollenWert(int pos) { return pos < 1 || pos > 9 ? 9 : pos; }
int rollenPos(int wert) { return wert < 1 || wert >= 9 ? 9 : wert; }

int spielerzahl(Tglapp& a, int g) {
    const dialoge::Ids& d = dialoge::ids();
    const int n = wahl(a, d.regeln[g], d.spielerzahlWahl[g]);
    return n >= 1 ? n + 1 : cg.ablauf.anzSpieler;
}

bool mauMauSeite(Tglapp*& a, int& d, const std::vector<int>*& e) {
    a = glapp;
    if (!a) return false;
    d = dialoge::ids().regeln[spiele::kMauMau];
    e = &dialoge::ids().regelOptionen[spiele::kMauMau];
    return a->validDialog(d) && e->size() == kMauMauAnzahl;
}

void mauMauLesen() {
    Tglapp* a = nullptr;
    int d = 0;
    const std::vector<int>* e = nullptr;
    if (!mauMauSeite(a, d, e)) return;
    const std::vector<int>& el = *e;
    TMaumau& m = cg.maumau;
    m.geberWahl = std::max(1, wahl(*a, d, el[kGeber]));
    m.decks = std::clamp(wahl(*a, d, el[kBlatt]), 1, 2);
    m.startKarten = std::clamp(wahl(*a, d, el[kStart]) + 2, 3, 6);
    m.positiv = wahl(*a, d, el[kWertung]) == 1;
    m.rundenLimit = grenze(*a, d, el[kRunden], 200);
    m.punkteLimit = grenze(*a, d, el[kPunkte], 0);
    for (int i = 0; i < 5; ++i) m.sonderWert[kRollen[i]] = rollenWert(wahl(*a, d, el[kRolle1 + static_cast<size_t>(i)]));
    m.ziehenSammeln = wahl(*a, d, el[kZiehen]) == 2;
    m.aussetzenSammeln = wahl(*a, d, el[kAussetzen]) == 2;
    m.wunschAufWunsch = a->validElement(d, el[kWunschBox]) && a->isChecked(d, el[kWunschBox]);
}

void mauMauAbgleichen(int element, bool abwaerts) {
    Tglapp* a = nullptr;
    int d = 0;
    const std::vector<int>* e = nullptr;
    if (!mauMauSeite(a, d, e)) return;
    const std::vector<int>& el = *e;
    const int spieler = spielerzahl(*a, spiele::kMauMau);
    const int sitze = dialoge::ids().spielerzahlWahl[spiele::kMauMau];
    // A dealer beyond the seats in play moves on in the direction of the change.
    if (element == el[kGeber] || element == sitze)
        wahlSetzen(*a, d, el[kGeber], maumau::geberPosition(wahl(*a, d, el[kGeber]), spieler, abwaerts));
    // Five or six seats need the second pack.
    if ((element == el[kBlatt] || element == sitze || element == el[kStart]) && spieler >= 5)
        wahlSetzen(*a, d, el[kBlatt], 2);
    // No card value may have two roles.
    TMaumau m{};
    for (int i = 0; i < 5; ++i) m.sonderWert[kRollen[i]] = rollenWert(wahl(*a, d, el[kRolle1 + static_cast<size_t>(i)]));
    for (int i = 0; i < 5; ++i) {
        const int e1 = el[kRolle1 + static_cast<size_t>(i)];
        if (element != e1) continue;
        const int neu = maumau::rollenPosition(m, kRollen[i], m.sonderWert[kRollen[i]], abwaerts);
        m.sonderWert[kRollen[i]] = neu;
        wahlSetzen(*a, d, e1, rollenPos(neu));
    }
    // The wish-on-wish box names the wish card and is off without one.
    const int box = el[kWunschBox];
    if (!a->validElement(d, box)) return;
    const int wunsch = m.sonderWert[maumau::kWunsch];
    if (wunsch >= 9) {
        a->SetCaption(d, box, text::w("Bube darf auf Bube gelegt werden"));
        a->SetEnabled(d, box, false);
    } else {
        const std::string name = a->GetLine(d, el[kRolle1 + 4], rollenPos(wunsch));
        a->SetCaption(d, box, name + text::w(" darf auf ") + name + text::w(" gelegt werden"));
        a->SetEnabled(d, box, spielAktiv == 0);
    }
}

bool schwimmenSeite(Tglapp*& a, int& d, const std::vector<int>*& e) {
    a = glapp;
    if (!a) return false;
    d = dialoge::ids().regeln[spiele::kSchwimmen];
    e = &dialoge::ids().regelOptionen[spiele::kSchwimmen];
    return a->validDialog(d) && e->size() == kSAlle + 1;
}

void schwimmenLesen() {
    Tglapp* a = nullptr;
    int d = 0;
    const std::vector<int>* e = nullptr;
    if (!schwimmenSeite(a, d, e)) return;
    const std::vector<int>& el = *e;
    TSchwimmen& s = cg.schwimmen;
    s.geberWahl = std::max(1, wahl(*a, d, el[kSGeber]));
    s.positiv = wahl(*a, d, el[kSWertung]) == 1;
    s.rundenLimit = grenze(*a, d, el[kSRunden], 200);
    s.punkteLimit = grenze(*a, d, el[kSPunkte], 0);
    s.mitPasch = a->validElement(d, el[kSPasch]) && a->isChecked(d, el[kSPasch]);
    s.alleTauschen = a->validElement(d, el[kSAlle]) && a->isChecked(d, el[kSAlle]);
}

void schwimmenAbgleichen(int element, bool abwaerts) {
    Tglapp* a = nullptr;
    int d = 0;
    const std::vector<int>* e = nullptr;
    if (!schwimmenSeite(a, d, e)) return;
    const int sitze = dialoge::ids().spielerzahlWahl[spiele::kSchwimmen];
    const int geber = (*e)[kSGeber];
    if (element == geber || element == sitze)
        wahlSetzen(*a, d, geber,
                   maumau::geberPosition(wahl(*a, d, geber), spielerzahl(*a, spiele::kSchwimmen), abwaerts));
}

}  // namespace

void maumauSchwimmenVerbinden(Tglapp&) {
    maumau::anmelden();
    schwimmen::anmelden();
    maumau::optionenLesen = mauMauLesen;
    schwimmen::optionenLesen = schwimmenLesen;
    dialoge::haken.optionenJe[spiele::kMauMau] = mauMauAbgleichen;
    dialoge::haken.optionenJe[spiele::kSchwimmen] = schwimmenAbgleichen;
    dialoge::haken.maumauDialogeSchliessen = maumau::dialogeSchliessen;
}

void maumauSchwimmenSeiten(Tglapp&) {}

}  // namespace glapp
