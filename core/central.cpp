#include "core/central.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/entscheidung.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/hilfe.h"
#include "core/panel.h"
#include "core/seams.h"
#include "core/skat_1.h"
#include "core/spiele.h"
#include "core/statunit.h"
#include "gui/glpaint.h"
#include "gui/pvl.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace central {

SpielNamen spielNamen;
PanelIds ids;
Dienste dienste;

namespace {

const char* const kAnzeige[13] = {
    "Mau Mau",   "Skat",      "Schwimmen",           "Rommé",      "Canasta",         "Doppelkopf",
    "Schafkopf", "Schnapsen", "Texas Hold`em Poker", "Black Jack", "Sechsundsechzig", "17 und 4",
    "Jass"};
const char* const kCode[13] = {"mau", "ska", "swi", "rom", "can", "dok", "shk",
                               "snp", "pok", "bjk", "66_", "174", "jas"};
const char* const kOrdner[13] = {"maumau",     "skat",      "schwimmen", "romme", "canasta",
                                 "doppelkopf", "schafkopf", "schnapsen", "poker", "blackjack",
                                 "66",         "17und4",    "jass"};

struct NamenStart {
    NamenStart() { spielNamenZuruecksetzen(); }
} g_namenStart;

void namenKopieren(int ziel, int quelle) {
    spielNamen.anzeige[ziel] = spielNamen.anzeige[quelle];
    spielNamen.code[ziel] = spielNamen.code[quelle];
    spielNamen.ordner[ziel] = spielNamen.ordner[quelle];
}

void namenZurueck(int id) {
    spielNamen.anzeige[id] = text::w(kAnzeige[id]);
    spielNamen.code[id] = kCode[id];
    spielNamen.ordner[id] = kOrdner[id];
}

pvl::TPVLApplication* app() { return dienste.app; }

bool elementDa(int d, int e) { return app() && d > 0 && e > 0 && app()->validElement(d, e); }
bool dialogDa(int d) { return app() && app()->validDialog(d); }

void sichtbar(int d, int e, bool v) {
    if (elementDa(d, e)) app()->SetVisible(d, e, v);
}
void aktiv(int d, int e, bool v) {
    if (elementDa(d, e)) app()->SetEnabled(d, e, v);
}

bool schnell() { return dienste.schnellModus && dienste.schnellModus(); }

int spielerAnzahl(const TCG& cg) {
    const int n = cg.ablauf.anzSpieler;
    return n < 0 ? 0 : (n > 6 ? 6 : n);
}

int stapelAnzahl(int s) { return dienste.stapelAnzahl ? dienste.stapelAnzahl(s) : 0; }

bool istComputer(const TCG& cg, int halter) {
    return halter >= 1 && halter <= 20 && cg.stapelListen[halter].computer == 1;
}

// The name of a seat goes to the settings record cut to its 100 characters, the voice as 4 when
// the record holds none that exists.
void spielerEinstellen(const TCG& cg, int seat) {
    if (seat < 1 || seat > 6) return;
    const TSpielerEintrag& s = cg.spieler.at(seat);
    const int stimme = (s.stimme >= 1 && s.stimme <= 6) ? s.stimme : 4;
    envParam.namen[seat] = s.name.str();  // cut to the record's 100 characters
    envParam.stimmen[seat] = stimme;
}

std::string ersterWort(const std::string& s) {
    const auto p = s.find(' ');
    return p == std::string::npos ? s : s.substr(0, p);
}

// A drawn opponent clashes when an earlier seat's first name begins the new name.
bool namensKonflikt(const TCG& cg, int seat) {
    const std::string neu = text::lower(cg.spieler.at(seat).name.str());
    for (int j = 1; j < seat; ++j) {
        const std::string alt = text::lower(ersterWort(cg.spieler.at(j).name.str()));
        if (!alt.empty() && neu.compare(0, alt.size(), alt) == 0) return true;
    }
    return false;
}

// A computer seat's name and voice, drawn again while its first name begins an earlier seat's.
void gegnerZiehen(TCG& cg, int seat) {
    for (int versuch = 0; versuch < 21; ++versuch) {
        gtool::gegnerName(seat, cg.spieler.at(seat));
        if (!namensKonflikt(cg, seat)) break;
    }
}

void geschlossen(TCG& cg, int slot) {
    cg.sprechblasen.zustand[slot] = 0;
    const int d = cg.sprechblasen.slot[slot].dialog, e = cg.sprechblasen.slot[slot].element;
    if (d > 0 && e > 0) sichtbar(d, e, false);
    if (d == 0 && e == slot) panel::text(slot, "");
}

void stoppuhrStart(int nr) {
    if (dienste.stoppuhrStart) dienste.stoppuhrStart(nr);
}
void stoppuhrStopp(int nr) {
    if (dienste.stoppuhrStopp) dienste.stoppuhrStopp(nr);
}

std::string spielName(int id) {
    if (id >= 0 && id < 13) return spielNamen.anzeige[id];
    return text::fromInt(id);
}

}  // namespace

void spielNamenZuruecksetzen() {
    for (int i = 0; i < 13; ++i) namenZurueck(i);
}

void pokerNamenEintragen(const TCG& cg) {
    struct Form {
        const char *anzeige, *code, *ordner;
    };
    static const Form formen[3] = {{"No Limit Poker", "nlp", "nlpoker"},
                                   {"Pot Limit Poker", "plp", "plpoker"},
                                   {"Split Limit Poker", "slp", "slpoker"}};
    // Split Limit wins when both flags are set.
    const Form& f = formen[cg.poker.splitLimit ? 2 : cg.poker.potLimit ? 1 : 0];
    spielNamen.anzeige[spiele::kPoker] = f.anzeige;
    spielNamen.code[spiele::kPoker] = f.code;
    spielNamen.ordner[spiele::kPoker] = f.ordner;
}

// ---------------------------------------------------------------------------------------------
// The action entry

bool antwort(TCG& cg, int art, int wert1, int wert2, const hand* h) {
    if (art == kAuswahl) {
        if (h) std::memcpy(&cg.gespielteHand, h, sizeof(hand));
        return true;
    }
    const TEntscheidung& e = cg.entscheidung;
    bool angenommen = art == kKnopf || art == kStich || art == kWeiter || (art == kStapel && e.stapelKlick) ||
                      (art == kKarte && e.kartenSpiel);
    // A button answer must be one the open question offers: a seat pressing a code that no
    // button carries would lead the game where no human could take it.
    if (angenommen && art == kKnopf && e.mitKnoepfen) {
        const int n = e.knopfAnzahl;
        bool gefunden = false;
        for (int i = 1; i <= n && i <= entscheidung::kMaxKnoepfe; ++i)
            gefunden = gefunden || e.code(i) == wert2;
        angenommen = gefunden;
    }
    if (!angenommen) return false;

    constexpr int lo = std::numeric_limits<int16_t>::min(), hi = std::numeric_limits<int16_t>::max();
    if (wert1 < lo || wert1 > hi || wert2 < lo || wert2 > hi)
        msgsink::show(text::w("ACHTUNG! central.antwort: Wert außerhalb des Bereichs: ") +
                      text::fromInt(wert1) + ", " + text::fromInt(wert2));
    cg.antwort.offen = 0;
    cg.antwort.wert1 = static_cast<int16_t>(num::clamp(wert1, lo, hi));
    cg.antwort.wert2 = static_cast<int16_t>(num::clamp(wert2, lo, hi));
    cg.antwort.art = static_cast<uint8_t>(art);
    if (dialogDa(ids.ingame)) app()->InvsbDialog(ids.ingame);
    cg.entscheidung.inBenutzung = 0;
    if (const spiele::Eintrag* g = spiele::eintrag(cg.spielId); g && g->nachZug)
        g->nachZug(art, cg.antwort.wert1, cg.antwort.wert2);
    return true;
}

// ---------------------------------------------------------------------------------------------
// The per-frame step

void spielSchritt(TCG& cg) {
    const int id = cg.spielId;
    if (!(id < 10 || id == 12)) return;
    const spiele::Eintrag* g = spiele::eintrag(id);
    if (!g) return;

    // The computer seat on turn acts once its delay has passed since the last game step.
    const uint32_t verzoegerung =
        envParam.kiVerzoegerung > 0 ? static_cast<uint32_t>(envParam.kiVerzoegerung) : 0;
    if (cg.schrittZeit.seit >= 0 && static_cast<uint32_t>(cg.schrittZeit.seit) >= verzoegerung &&
        cg.antwort.offen == 2) {
        if (id == spiele::kPoker && dienste.pokerSituation) dienste.pokerSituation();
        if (istComputer(cg, cg.aktSpieler)) {
            stoppuhrStart(4);
            if (dienste.packen) dienste.packen();
            stoppuhrStopp(4);
            stoppuhrStart(3);
            g->kiTick();
            stoppuhrStopp(3);
            // Skat's computer player works on the stacks themselves.
            if (id != spiele::kSkat && dienste.entpacken) dienste.entpacken();
        }
    }

    seams::sprachQueue(0);

    const uint32_t jetzt = ticks::now();
    int letzter = 0;
    for (int s = 0; s < kBlasenSlots; ++s) {
        if (cg.sprechblasen.zustand[s] == 3) {
            const TBlasenSlot& b = cg.sprechblasen.slot[s];
            if (schnell() || (ticks::elapsed(b.start, jetzt) > b.dauer && seams::sprachQueue(s) == 0))
                geschlossen(cg, s);
        }
        if (cg.sprechblasen.zustand[s] != 0) letzter = cg.sprechblasen.zustand[s];
    }
    cg.sprechblasen.aktiv = static_cast<uint8_t>(letzter);

    int64_t seit = ticks::elapsed(cg.schrittZeit.tick, jetzt);
    float faktor = 1.0f;
    if (dienste.pokerTempo && dienste.pokerTempo(faktor))
        seit = num::round(static_cast<double>(seit) * faktor);
    cg.schrittZeit.seit =
        static_cast<int32_t>(num::clamp<int64_t>(seit, 0, std::numeric_limits<int32_t>::max()));

    cg.schrittZeit.sprache = static_cast<uint8_t>(seams::sprachQueue(0));

    // The gate, in this order; the chip animation advances only when the tests before it pass.
    if (dienste.spielZustand && dienste.spielZustand() == 2) return;
    if (dienste.pause && dienste.pause()) return;
    if (cg.schrittZeit.sprache != 0) return;
    if (dienste.chipsFertig && !dienste.chipsFertig()) return;
    if (cg.antwort.offen != 0) return;
    if (cg.sprechblasen.aktiv != 0) return;
    if (cg.bewegungWarten.aktiv != 0) return;

    cg.schrittZeit.tick = jetzt;
    if (cg.ablauf.meldModus && dienste.meldZellen) {
        const bool ruhe = id == spiele::kRomme ||
                          (id == spiele::kCanasta && (!dienste.canastaMeldRuhe || dienste.canastaMeldRuhe()));
        dienste.meldZellen(ruhe && cg.phase.schritt == 2 && cg.phase.fluss2 == 0);
    }
    stoppuhrStart(2);
    g->spielSchritt(cg);
    stoppuhrStopp(2);
    if (cg.aktSpieler == 1) cg.ablauf.leerlauf = 0;
}

void bewegungAbwarten(TCG& cg, int halter, int marke) {
    cg.bewegungWarten.halter = static_cast<int16_t>(halter);
    cg.bewegungWarten.marke = static_cast<int16_t>(marke);
    cg.bewegungWarten.aktiv = 1;
}

void bewegungFertig(TCG& cg, int halter, int, int marke) {
    if (halter != cg.bewegungWarten.halter || marke != cg.bewegungWarten.marke) return;
    if (halter != 0 && halter >= -20 && halter <= 20 && dienste.stapelKarte && dienste.stapelKarteEntfernen) {
        for (int i = 1; i <= stapelAnzahl(halter);) {
            if (dienste.stapelKarte(halter, i).t == 0)
                dienste.stapelKarteEntfernen(halter, i);
            else
                ++i;
        }
    }
    cg.bewegungWarten.halter = 0;
    cg.bewegungWarten.marke = 0;
    cg.bewegungWarten.aktiv = 0;
}

// ---------------------------------------------------------------------------------------------
// Game start and restore

namespace {

// The entry points of a game; a game not built yet says so and has none.
const spiele::Eintrag* gebautesSpiel(int id) {
    const spiele::Eintrag* g = spiele::eintrag(id);
    if (!g)
        msgsink::show(text::w("Das Spiel \"") + spielName(id) +
                      text::w("\" gibt es in dieser Version noch nicht."));
    return g;
}

}  // namespace

bool neuesSpiel(TCG& cg, int id, int weiter) {
    const int basis = spiele::basisId(id);
    const spiele::Eintrag* g = gebautesSpiel(id);
    if (!g) return false;
    // A result box still up belongs to the game this one replaces.
    if (dienste.app) dienste.app->msgboxDrop();
    // The variant flag follows the game chosen, so Schnapsen after Sechsundsechzig is Schnapsen.
    auto varianteSetzen = [&](int spiel, int variante, uint8_t& flag) {
        if (basis != spiel) return;
        flag = id == variante ? 1 : 0;
        if (flag)
            namenKopieren(spiel, variante);
        else
            namenZurueck(spiel);
    };
    varianteSetzen(spiele::kSchnapsen, spiele::kSechsundsechzig, cg.schnapsen.sechsundsechzig);
    varianteSetzen(spiele::kBlackJack, spiele::kSiebzehnUndVier, cg.blackjack.siebzehnUndVier);
    if (weiter == 0) statunit::leeren();

    int n = dienste.spielerAnzahl ? dienste.spielerAnzahl() : cg.ablauf.anzSpieler;
    n = num::clamp(n, 1, 6);
    cg.ablauf.anzSpieler = n;
    cg.spielId = static_cast<uint8_t>(basis);
    cg.spielIdMenue = static_cast<uint8_t>(id);
    cg.stapelListen[1].computer = 0;
    for (int i = 2; i <= 8; ++i) cg.stapelListen[i].computer = 1;

    tischAufbauen(cg);
    g->neuesSpiel(weiter == 0);

    if (weiter == 0) {
        cg.spielliste.runden = 0;
        int32_t start = 0;
        if (basis == spiele::kPoker) start = 150;
        if (basis == spiele::kSchnapsen && dienste.schnapsenBummerl) start = dienste.schnapsenBummerl();
        for (int s = 1; s <= n; ++s) cg.konto[s] = start;
    }

    cg.startWert = 0;
    cg.antwort.offen = 0;
    cg.sprechblasen.aktiv = 0;
    cg.bewegungWarten.aktiv = 0;
    if (dienste.chipsLeeren) dienste.chipsLeeren();
    for (int s = 1; s < kBlasenSlots; ++s) cg.sprechblasen.zustand[s] = 0;
    cg.phase.nr = 0;

    for (int s = 1; s <= n; ++s) {
        if (weiter == 0 && s >= 2) gegnerZiehen(cg, s);
        spielerEinstellen(cg, s);
    }

    if (dienste.optionenWahl) envParam.optionenWahl = dienste.optionenWahl();
    cg.optionenWahl = static_cast<int16_t>(envParam.optionenWahl);

    const bool frau = dienste.weiblich && dienste.weiblich(cg.spieler.at(1).name.str());
    if (dienste.weiblichMerken) dienste.weiblichMerken(frau);
    if (dienste.zufallNeu) dienste.zufallNeu();

    if (basis != spiele::kSchnapsen) {
        uint8_t stimme;
        if (!frau)
            stimme = rnd::uniform() >= 0.6 ? 5 : 4;
        else if (rnd::uniform() < 0.3)
            stimme = 1;
        else
            stimme = rnd::uniform() >= 0.5 ? 3 : 2;
        cg.spieler.at(1).stimme = stimme;
        spielerEinstellen(cg, 1);
    }
    return true;
}

void neuesSpielAllgemein(TCG& cg) {
    cg.rundenWort = 0;
    if (dienste.zuglisteLeeren) dienste.zuglisteLeeren();
    cg.bewegungWarten.aktiv = 0;
    cg.ablaufEinstellung = static_cast<int16_t>(envParam.austeilen);

    if (dialogDa(ids.ingame))
        for (int e = ids.knopfVon; e >= 1 && e <= ids.knopfBis; ++e) aktiv(ids.ingame, e, true);
    if (dienste.hinweiseLaden) dienste.hinweiseLaden(true);

    cg.kartenSkala = envParam.kartenGroesse == 1 ? 0.8f : 1.0f;
    cg.ablauf.meldModus = 0;
    cg.ablauf.meldStapelHover = 0;

    const int n = spielerAnzahl(cg);
    for (int s = 1; s <= n; ++s) {
        for (int i : {s, 7 + s, 14 + s}) skat_1::handLeeren(cg.bekannteKarten.at(i));
        cg.schwimmen.statistik[s - 1][0] = cg.schwimmen.statistik[s - 1][1] = 0;
    }

    cg.entscheidung.stapelKlick = 0;
    cg.entscheidung.art = 0;
    panelGrundstellung(cg);
    if (dienste.spielerAnzahlSetzen) dienste.spielerAnzahlSetzen(n);

    for (int s = 1; s <= n; ++s) {
        sichtbar(ids.ipanel, ids.zugMarke[s], false);
        if (dienste.stapelLeeren) dienste.stapelLeeren(s);
    }
    if (dienste.stapelNeu) dienste.stapelNeu();

    if (dienste.zuglisteLeeren) dienste.zuglisteLeeren();
    if (dienste.rahmenLoeschen) dienste.rahmenLoeschen();
    cg.sprechblasen.zaehler = 0;

    TSpielerEintrag& mensch = cg.spieler.at(1);
    if (dienste.menschName) mensch.name = dienste.menschName(cg.spielIdMenue);
    if (mensch.stimme < 1 || mensch.stimme > 6) mensch.stimme = 4;

    for (int s = 1; s <= n; ++s)
        cg.sitzEinstellungen.at(s).staerke = dienste.staerke ? dienste.staerke(cg.spielIdMenue, s) : 2;
    cg.sitzEinstellungen.at(1).staerke = 3;

    if (dienste.setksize) dienste.setksize();
    cg.phase.fluss3 = 0;
    if (dienste.loadenv) dienste.loadenv(0);
}

void tischWiederherstellen(TCG& cg) {
    if (dienste.hinweiseLaden) dienste.hinweiseLaden(true);
    if (dienste.setuptablelayout) dienste.setuptablelayout(0);
    const int n = spielerAnzahl(cg);
    for (int s = 1; s <= n; ++s)
        if (dienste.handOffen && dienste.handOffen(s) && dienste.offeneHandSetzen)
            dienste.offeneHandSetzen(s);
    if (dienste.setksize) dienste.setksize();
    if (cg.spielId == spiele::kSchnapsen && cg.schnapsen.sechsundsechzig) namenKopieren(7, 10);
    if (cg.spielId == spiele::kBlackJack && cg.blackjack.siebzehnUndVier) namenKopieren(9, 11);
    if (cg.spielId == spiele::kPoker) pokerNamenEintragen(cg);
}

bool nachLaden(TCG& cg) {
    // A record from a damaged file may name no game that can run; nothing is set up then.
    const int id = cg.spielId;
    if (id == spiele::kSechsundsechzig || id == spiele::kSiebzehnUndVier || spiele::basisId(id) < 0) {
        msgsink::show(text::w("Fehler: central.nachLaden: ungültige Spielnummer ") + text::fromInt(id));
        return false;
    }
    const spiele::Eintrag* g = gebautesSpiel(id);
    if (!g) return false;
    tischAufbauen(cg);
    g->spielLaden();
    // A record written without a table (a test run, a tool) names no seats and may let a computer
    // play seat 1: they are seated as at a new game, every seat with its plate, the human at 1.
    cg.stapelListen[1].computer = 0;
    for (int s = 1; s <= spielerAnzahl(cg); ++s) {
        if (!cg.spieler.at(s).name.str().empty()) continue;
        if (s >= 2)
            gegnerZiehen(cg, s);
        else if (dienste.menschName)
            cg.spieler.at(1).name = dienste.menschName(cg.spielIdMenue);
    }
    for (int s = 1; s <= spielerAnzahl(cg); ++s) spielerEinstellen(cg, s);
    if (dienste.pokerTabelle) dienste.pokerTabelle();
    envParam.optionenWahl = cg.optionenWahl;
    if (id == spiele::kSchnapsen && dienste.schnapsenGruss) dienste.schnapsenGruss();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Decision dialogs

void entscheidungsDialog(TCG& cg, int art) {
    const entscheidung::Ergebnis e = entscheidung::bauen(art, cg.aktSpieler, cg.spielId);
    entscheidung::anwenden(cg, e);
    if (!e.hatZeile && entscheidung::fragen.maumauSetzen) entscheidung::fragen.maumauSetzen(0, 0);

    const int thema = cg.entscheidung.art;
    if (cg.aktSpieler == 1 && dienste.hinweisThema && dienste.hinweisThema(thema)) {
        if (envParam.hinweiseAn) {
            if (dienste.hinweisZeigen) dienste.hinweisZeigen();
        } else {
            if (dialogDa(ids.helpPanel)) app()->InvsbDialog(ids.helpPanel);
            sichtbar(ids.hinweisDialog, ids.hinweisKnopf, true);
        }
    } else {
        hinweisVerbergen();
    }
}

void hinweisVerbergen() {
    if (elementDa(ids.helpPanel, ids.helpText)) app()->SetCaption(ids.helpPanel, ids.helpText, "");
    if (dialogDa(ids.helpPanel)) app()->InvsbDialog(ids.helpPanel);
    sichtbar(ids.hinweisDialog, ids.hinweisKnopf, false);
}

void entscheidungAbfragen(TCG& cg, int art) {
    entscheidungsDialog(cg, art);
    cg.antwort.warten = 3;
    cg.antwort.offen = 2;
    dialogAnordnen(cg, false, false);
}

bool knopfCode(const TCG& cg, int element, int& position, int& code) {
    const TEntscheidung& e = cg.entscheidung;
    if (!e.mitKnoepfen || element <= 0) return false;
    const int n = e.knopfAnzahl >= 1 && e.knopfAnzahl <= 8 ? e.knopfAnzahl : 1;
    for (int k = 1; k <= n; ++k)
        if (ids.reihe[n][k] == element) {
            position = k;
            code = e.code(k);
            return true;
        }
    return false;
}

namespace {
int knopfElement(const TCG& cg, int code) {
    const TEntscheidung& e = cg.entscheidung;
    if (!e.mitKnoepfen) return 0;
    const int n = e.knopfAnzahl >= 1 && e.knopfAnzahl <= 8 ? e.knopfAnzahl : 1;
    for (int k = 1; k <= n; ++k)
        if (e.code(k) == code) return ids.reihe[n][k];
    return 0;
}
}  // namespace

void knopfFreigeben(const TCG& cg, int code, bool an) { aktiv(ids.ingame, knopfElement(cg, code), an); }

bool knopfFrei(const TCG& cg, int code) {
    const int e = knopfElement(cg, code);
    return elementDa(ids.ingame, e) && app()->isVisible(ids.ingame, e) && app()->isEnabled(ids.ingame, e);
}

// ---------------------------------------------------------------------------------------------
// In-game panels

namespace {

// The scale at which a button's caption fits its width (never above 1).
float knopfSkala(const pvl::TPVLApplication& a, const std::string& caption, int breite) {
    const std::string t = !caption.empty() && caption[0] == '!' ? caption.substr(1) : caption;
    const float text = 11.0f * a.charwidth(t);
    const float platz = static_cast<float>(breite - 12);
    return text > platz && text > 0 ? std::max(0.5f, platz / text) : 1.0f;
}

// The decision's text line stands on its plate left of the buttons. A long line ("30 von 50
// Mindestpunktzahl - Bitte Herz As legen") moves further left, so that its plate ends before
// the first shown button instead of lying over it.
void textVorDieKnoepfe(pvl::TPVLApplication& a) {
    const int d = ids.ingame;
    // The elements' own flags: those just hidden are still fading out.
    if (!a.validElement(d, ids.textZeile) || !a.dlg(d).el(ids.textZeile).Visible) return;
    pvl::TPVLDialog& dl = a.dlg(d);
    pvl::TPVLElement& zeile = dl.el(ids.textZeile);
    // The first shown button right of where the line begins.
    int links = std::numeric_limits<int>::max();
    for (int e = 1; e <= dl.ElementCount; ++e)
        if (e != ids.textZeile && dl.el(e).Visible && dl.el(e).X > zeile.X)
            links = std::min(links, static_cast<int>(dl.el(e).X));
    if (links == std::numeric_limits<int>::max()) return;
    std::string t = a.GetCaption(d, ids.textZeile, false);
    if (!t.empty() && t[0] == '!') t.erase(0, 1);
    // The painter's plate behind each line: from x + 12, charwidth(line + two blanks) x 9.8365.
    int breite = 0;
    for (const std::string& z : glpaint::wrapLines(t, std::max(1, static_cast<int>(zeile.Width))))
        breite = std::max(breite, static_cast<int>(num::round(a.charwidth(z + "  ") * 9.8365)));
    const int rechts = zeile.X + 12 + breite;
    if (rechts > links - 6) zeile.X = static_cast<int16_t>(links - 6 - 12 - breite);
}

// The poker row (fold, call, raise, all in) at its widths for the terms and the screen's aspect
// factor f, left to right, the raise arrows between the raise button and "all in".
void pokerReiheLegen(pvl::TPVLApplication& a, double f) {
    const int d = ids.ingame;
    if (!a.validDialog(d)) return;
    const bool deutsch = dienste.pokerDeutsch && dienste.pokerDeutsch();
    const hilfe::ButtonLayout l = hilfe::knopfLayout(spiele::kPoker, deutsch);
    pvl::TPVLDialog& dl = a.dlg(d);
    const auto breite = [f](int w) { return static_cast<int>(num::round(f * w)); };
    const int abstand = breite(l.x[1] - l.x[0] - l.width[0]);
    int x = breite(l.x[0]);
    for (int k = 1; k <= 4; ++k) {
        const int e = ids.reihe[4][k];
        if (!a.validElement(d, e)) continue;
        pvl::TPVLElement& el = dl.el(e);
        el.X = static_cast<int16_t>(x);
        el.Width = breite(l.width[static_cast<size_t>(k - 1)]);
        el.Scale = knopfSkala(a, el.Caption.str(), el.Width);
        x += el.Width + abstand;
        // the raise arrows stand between the raise button and "all in": small steps, then large
        if (k == 3) {
            const int pfeile = el.X + el.Width + 1;
            for (int c = 0; c < 4; ++c) {
                if (!a.validElement(d, ids.chip[c])) continue;
                pvl::TPVLElement& p = dl.el(ids.chip[c]);
                p.X = static_cast<int16_t>(pfeile + (c < 2 ? 0 : breite(20)));
                p.Y = static_cast<int16_t>(c % 2 == 0 ? 6 : 28);
            }
            x = pfeile + breite(20) + 18 + abstand;
        }
    }
}

}  // namespace

void dialogAnordnen(TCG& cg, bool noShow, bool relayout) {
    pvl::TPVLApplication* a = app();
    const int d = ids.ingame;
    const bool da = a && a->validDialog(d);
    if (relayout && (!da || !a->dlg(d).Visible)) return;

    const int id = cg.spielId;
    const double aspekt = a && a->ViewAspect > 0 ? a->ViewAspect : 4.0 / 3.0;
    const double f = (4.0 / 3.0) / aspekt;
    if (da) {
        pvl::TPVLDialog& dl = a->dlg(d);
        const int b = static_cast<int>(num::round((dienste.horizontal ? dienste.horizontal() : 0) / 5.0));
        int textX = -210;
        if (id == spiele::kRomme) {
            dl.X = static_cast<int16_t>(b + 330);
            textX = -160;
        } else if (id == spiele::kCanasta) {
            dl.X = static_cast<int16_t>(b + 380);
            textX = -205;
        } else if (id == spiele::kDoppelkopf || id == spiele::kSchafkopf) {
            dl.X = static_cast<int16_t>(b + 320);
        } else if (id != spiele::kPoker) {
            dl.X = static_cast<int16_t>(b + 290);
        }
        if (id == spiele::kPoker) {
            const bool deutsch = dienste.pokerDeutsch && dienste.pokerDeutsch();
            dl.Width = static_cast<int16_t>(num::round(f * (deutsch ? 548 : 480)));
            dl.X = static_cast<int16_t>(b + (deutsch ? 140 : 170));
            dl.Height = 53;
            dl.Y = 546;
            for (int e = 1; e <= dl.ElementCount; ++e)
                if (dl.el(e).Y == 0) dl.el(e).Y = 10;
        } else {
            dl.Width = 0;
            dl.Height = 0;
            dl.Y = 560;
            for (int e = 1; e <= dl.ElementCount; ++e)
                if (dl.el(e).Y == 10) dl.el(e).Y = 0;
        }
        if (a->validElement(d, ids.textZeile)) dl.el(ids.textZeile).X = static_cast<int16_t>(textX);
    }

    const TEntscheidung& st = cg.entscheidung;
    if (!schnell() && !istComputer(cg, cg.aktSpieler)) {
        if (!relayout) {
            if (dienste.tastaturStart) dienste.tastaturStart(ids.ipanel, ids.tab[1]);
            if (dienste.tastaturFlag) dienste.tastaturFlag(1);
            if (dienste.tischModusSetzen) dienste.tischModusSetzen(1);
        }
        if (da && st.mitKnoepfen) {
            pvl::TPVLDialog& dl = a->dlg(d);
            // A relayout only moves the dialog: the buttons and captions of the open question
            // stay as they are (hiding them here left an empty dialog after a resize).
            if (!relayout)
                for (int e = 1; e <= dl.ElementCount; ++e) a->SetVisible(d, e, false);
            if (gtool::sonderDialog(st.art) && id != spiele::kSchnapsen) {
                if (id == spiele::kBlackJack && dienste.blackjackKnoepfe) dienste.blackjackKnoepfe();
                if (id == spiele::kPoker && dienste.pokerKnoepfe) dienste.pokerKnoepfe();
            } else if (!relayout) {
                for (int c : ids.chip) sichtbar(d, c, false);
            }
            // An answer count outside 1..8 shows the one-button row.
            const int n = st.knopfAnzahl >= 1 && st.knopfAnzahl <= 8 ? st.knopfAnzahl : 1;
            if (!relayout) {
                for (int k = 1; k <= n; ++k) {
                    const int e = ids.reihe[n][k];
                    if (!a->validElement(d, e)) continue;
                    a->SetVisible(d, e, true);
                    a->SetEnabled(d, e, true);
                    a->SetCaption(d, e, st.texte[k].str());
                }
                if (n == 4 && st.art == 98)
                    for (int k = 2; k <= 4; ++k)
                        aktiv(d, ids.reihe[4][k],
                              !dienste.pokerErlaubt || dienste.pokerErlaubt(cg.aktSpieler, k));
                if (n == 3 && st.art == 98 && a->validElement(d, ids.reihe[3][3])) {
                    const pvl::TPVLElement& dritter = dl.el(ids.reihe[3][3]);
                    int x = dritter.X + dritter.Width + 1;
                    for (int c = 0; c < 2; ++c)
                        if (a->validElement(d, ids.chip[c])) {
                            dl.el(ids.chip[c]).X = static_cast<int16_t>(x);
                            x += dl.el(ids.chip[c]).Width + 1;
                        }
                }
                if (st.texte[0].size() > 0 && a->validElement(d, ids.textZeile)) {
                    a->SetCaption(d, ids.textZeile, st.texte[0].str());
                    a->SetVisible(d, ids.textZeile, true);
                    a->SetEnabled(d, ids.textZeile, true);
                }
            }
            for (int k = 1; k <= n; ++k) {
                const int e = ids.reihe[n][k];
                if (!a->validElement(d, e)) continue;
                pvl::TPVLElement& el = dl.el(e);
                float skala = 1.0f;
                // Long Schafkopf game names ("Farbgeier-Tout") only fit the narrow buttons smaller.
                if (id == spiele::kSchafkopf && el.Caption.size() >= 12) {
                    if (el.Width <= 100)
                        skala = 0.79f;
                    else if (el.Width <= 108)
                        skala = 0.92f;
                }
                el.Scale = skala;
            }
            textVorDieKnoepfe(*a);
            if (!noShow && !relayout) a->ShowDialog(d);
            // The camera's picking and the application's relayout rule ask this byte whether a
            // decision dialog is open.
            if (!relayout) cg.entscheidung.inBenutzung = 1;
        }
        if (!relayout) cg.entscheidungKopie = cg.entscheidung;
    } else if (!relayout) {
        cg.folgeHalter = cg.aktSpieler;
        cg.entscheidungKopie = cg.entscheidung;
        cg.antwort.wert2 = 0;
    }

    if (!relayout) {
        if (id == spiele::kRomme && dienste.rommeAuswahlPruefen) dienste.rommeAuswahlPruefen();
        panelFreigeben(cg);
    }

    if (id == spiele::kPoker && da) pokerReiheLegen(*a, f);
}

void panelFreigeben(TCG& cg) {
    if (!dialogDa(ids.ipanel)) return;
    const int p = ids.ipanel;
    const int id = cg.spielId;
    if (id == spiele::kPoker) {
        for (int s = 1; s <= spielerAnzahl(cg); ++s)
            sichtbar(p, ids.tab[s], !(dienste.pokerSitzAus && dienste.pokerSitzAus(s)));
        return;
    }
    const TEntscheidung& st = cg.entscheidung;
    const bool mensch = cg.aktSpieler == 1;
    const bool klicks = mensch && st.stapelKlick;
    auto klickbar = [&st](int stapel) { return st.klickStapel1 == stapel || st.klickStapel2 == stapel; };
    sichtbar(p, ids.tab[20], klicks && klickbar(11) && stapelAnzahl(11) > 0);
    const bool meld = klicks && klickbar(12) && stapelAnzahl(12) > 0;
    for (int i = 22; i <= 25; ++i) sichtbar(p, ids.tab[i], meld);
    sichtbar(p, ids.tab[21], false);

    const bool meldSpiel = id == spiele::kRomme || id == spiele::kCanasta;
    if (mensch && st.kartenSpiel && !meldSpiel) {
        const int n = stapelAnzahl(1);
        for (int i = 1; i <= 19; ++i) {
            if (i > n) {
                sichtbar(p, ids.tab[i], false);
                continue;
            }
            const bool legal = dienste.karteLegal && dienste.karteLegal(i);
            sichtbar(p, ids.tab[i], legal);
            aktiv(p, ids.tab[i], true);
            // Each legal card asks for the focus in turn, so the last legal one is asked for.
            if (legal && app()->KbdFocusOn && dienste.fokusAnfrage) dienste.fokusAnfrage(p, ids.tab[i]);
        }
    } else {
        for (int i = 1; i <= 19; ++i) {
            sichtbar(p, ids.tab[i], true);
            aktiv(p, ids.tab[i], false);
        }
    }

    pvl::TPVLApplication* a = app();
    const bool anfrage = dienste.fokusAngefragt ? dienste.fokusAngefragt() : a->KbdFocusOn != 0;
    if (anfrage && mensch && !meldSpiel) {
        bool gesprungen = false;
        if (st.stapelKlick || st.kartenSpiel)
            for (int i = 1; i <= 24 && !gesprungen; ++i)
                if (elementDa(p, ids.tab[i]) && a->isEnabled(p, ids.tab[i]) && a->isVisible(p, ids.tab[i])) {
                    a->kbcJumpTo(p, ids.tab[i]);
                    gesprungen = true;
                }
        if (!gesprungen && st.mitKnoepfen && dialogDa(ids.ingame))
            for (int e = ids.knopfVon; e >= 1 && e <= ids.knopfBis && !gesprungen; ++e)
                if (elementDa(ids.ingame, e) && a->isEnabled(ids.ingame, e) && a->isVisible(ids.ingame, e)) {
                    a->kbcJumpTo(ids.ingame, e);
                    gesprungen = true;
                }
    }
}

void panelGrundstellung(const TCG& cg) {
    if (!dialogDa(ids.ipanel)) return;
    for (int e = 1; e <= app()->dlg(ids.ipanel).ElementCount; ++e) sichtbar(ids.ipanel, e, false);
    app()->VsbDialog(ids.ipanel, 1);
    sichtbar(ids.ipanel, ids.ipanelStart, true);
    if (cg.spielId == spiele::kPoker) {
        for (int i = 1; i <= 6; ++i) {
            sichtbar(ids.ipanel, ids.tab[i], true);
            sichtbar(ids.ipanel, ids.tab[8 + i], false);
            sichtbar(ids.ipanel, ids.tab[14 + i], false);
        }
    } else {
        for (int i = 1; i <= 25; ++i) sichtbar(ids.ipanel, ids.tab[i], true);
    }
}

void zugMarkenVerbergen(const TCG& cg) {
    for (int s = 1; s <= spielerAnzahl(cg); ++s) {
        sichtbar(ids.ipanel, ids.zugMarke[s], false);
        if (s < panel::kSitze && panel::sitz[s].icon == panel::bilder.dran) panel::icon(s, 0);
    }
}

void spielSymbol(int k, int32_t textur) {
    if (!dialogDa(ids.ipanel)) return;
    const int p = ids.ipanel;
    for (int i : {1, 2, 3, 4, 5, 10, 11, 12}) {
        const int e = ids.icon1Elem[i];
        if (!app()->validElement(p, e)) continue;
        const bool an = i == k;
        if (an && textur > 0 && app()->dlg(p).el(e).Ti != textur) app()->SetTi(p, e, textur);
        // The element's own flag, not the library's "visible or still fading out": a symbol
        // hidden a moment ago (a new deal) would else never come back.
        if ((app()->dlg(p).el(e).Visible != 0) != an) sichtbar(p, e, an);
        aktiv(p, e, an);
    }
}

void tischAufbauen(TCG& cg) {
    panel::leeren();
    if (!dialogDa(ids.ipanel)) return;
    pvl::TPVLApplication* a = app();
    const int p = ids.ipanel;
    auto setzen = [a, p](int e, int tex, int x, int y, int groesse) {
        if (!a->validElement(p, e)) return;
        if (tex) a->SetTi(p, e, tex);
        pvl::TPVLElement& el = a->dlg(p).el(e);
        el.X = static_cast<int16_t>(x);
        el.Y = static_cast<int16_t>(y);
        el.Width = groesse;
        el.Height = groesse;
    };
    auto original = [a, p](int e, int x, int groesse) {
        if (!a->validElement(p, e)) return;
        pvl::TPVLElement& el = a->dlg(p).el(e);
        el.ElemOrigX = x;
        el.ElemOrigWidth = groesse;
    };
    for (int k = 1; k <= 5; ++k) setzen(ids.icon1Elem[k], k <= 4 ? ids.icon1Tex[k] : 0, 16, 470, 60);
    for (int k = 10; k <= 12; ++k) setzen(ids.icon1Elem[k], ids.icon1Tex[k], 16, 470, 60);
    for (int k = 1; k <= 2; ++k) setzen(ids.icon2Elem[k], ids.icon2Tex[k], 16, 530, 60);

    const int id = cg.spielId;
    // Schnapsen's talon and trump card lie at the bottom left: its trump icon goes to the top.
    if (id == spiele::kSchnapsen)
        for (int k = 1; k <= 4; ++k) setzen(ids.icon1Elem[k], ids.icon1Tex[k], 16, 40, 60);
    if (id == spiele::kSchafkopf) {
        setzen(ids.icon2Elem[1], ids.icon3Tex[2], 20, 535, 50);
        setzen(ids.icon2Elem[2], ids.icon3Tex[1], 75, 535, 50);
    } else if (id == spiele::kDoppelkopf) {
        const int spalte2[5] = {ids.icon2Elem[1], ids.icon2Elem[2], ids.icon1Elem[10], ids.icon1Elem[11],
                                ids.icon1Elem[12]};
        for (int k = 1; k <= 5; ++k) {
            setzen(ids.icon1Elem[k], ids.icon3Tex[k + 1], 20, 535 - 55 * (k - 1), 50);
            setzen(spalte2[k - 1], ids.icon3Tex[k + 1], 80, 535 - 55 * (k - 1), 50);
        }
        if (a->validElement(p, ids.icon2Elem[1]) && ids.icon3Tex[1])
            a->SetTi(p, ids.icon2Elem[1], ids.icon3Tex[1]);
    }

    // The originals from which the wide-screen relayout places the icons.
    for (int k : {1, 2, 3, 4, 5, 10, 11, 12}) original(ids.icon1Elem[k], 16, 60);
    for (int k = 1; k <= 2; ++k) original(ids.icon2Elem[k], 16, 60);
    if (id == spiele::kSchafkopf) {
        for (int k = 1; k <= 2; ++k) original(ids.icon2Elem[k], 20 + 55 * (k - 1), 50);
    } else if (id == spiele::kDoppelkopf) {
        for (int k = 1; k <= 5; ++k) original(ids.icon1Elem[k], 20, 50);
        for (int e :
             {ids.icon2Elem[1], ids.icon2Elem[2], ids.icon1Elem[10], ids.icon1Elem[11], ids.icon1Elem[12]})
            original(e, 80, 50);
    }
    a->newAspect();
}

}  // namespace central
