// Mau Mau flow: the deal, the turn-up card, the questions to the seat on turn and their answers,
// penalties, the talon refilled from the discard pile, the round's end and the registration.
#include "games/rummy_shedding/maumau.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/entscheidung.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/highscore.h"
#include "core/kartenzaehler.h"
#include "core/kommentar.h"
#include "core/panel.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "gui/pvl.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/tischhooks.h"

namespace maumau {

namespace {

// Sub-states of the play phase (cg.phase.fluss1).
enum Zustand : int32_t { kGezogen = 0, kGelegt = 1, kBeantwortet = 3, kFragen = 4, kStrafe = 5 };
constexpr uint8_t kNichts = 7;  // stored-action kind: nothing stored
constexpr int kRundeVorbei = 99;
constexpr uint8_t kGebucht = 5;  // phase: the round is booked, the game core starts the next
constexpr float kAblageTiefe = -600;  // depth of the discard pile on the table

TGameResult g_ergebnis;
int g_abgewiesen = 0;

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }
int spieler() { return std::clamp<int>(cg.ablauf.anzSpieler, 2, 6); }
std::string w(std::string_view s) { return text::w(s); }
void sagen(const std::string& t, int seat) { gtool::sagen(w(t), seat, 0, false); }

hand handVonStapel(int stack) {
    hand h{};
    const TSpieler& s = st(stack);
    h.anz = static_cast<int16_t>(std::min<int>(s.anz, kHandMax));
    for (int i = 1; i <= h.anz; ++i) h.at(i) = s.at(i).c;
    return h;
}

void weiterSitz() { cg.aktSpieler = folgeSitz(cg.aktSpieler, 1, cg.maumau.richtung, spieler()); }

// The refill of the talon from the discard pile, its state in the third flow value while the
// seats play: kFliegt while the discard pile's cards but the open one fly onto the talon, then the
// two shuffle passes shown on the table, counted down to 0.
constexpr int32_t kFliegt = 3;

void auffuellenStarten(TCG& g) {
    TSpieler& t = st(kTalon);
    TSpieler& a = st(kAblage);
    const int oben = a.anz;
    // The open card takes the pile's first slot (it keeps its place on the table) and the card
    // from there flies off first; the others follow from the top down, 0.2 s apart.
    std::swap(a.at(1), a.at(oben));
    const int basis = t.anz;
    int k = 0;
    for (int i = oben; i >= 2 && basis + k + 1 <= kSlots; --i, ++k)
        glu::movecard(kAblage, i, kTalon, basis + k + 1, 1, 2, 14, 0.2f * static_cast<float>(k), 0, 0);
    central::bewegungAbwarten(g, kAblage, 2);
    g.phase.fluss3 = kFliegt;
}

void auffuellenSchritt(TCG& g) {
    if (g.phase.fluss3 == kFliegt) {
        // the open card lies lowest of the new pile, under the cards still to come
        st(kAblage).at(1).z = 1 - 100;
        g.phase.fluss3 = 2;
        return;
    }
    // the talon's cards lie face down: they are mixed as the second pass starts
    const int n = glu::mischPass(kTalon, g.phase.fluss3 == 2 ? 1.47f : -0.1f);
    if (n > 0) central::bewegungAbwarten(g, kTalon, anz(kTalon));
    g.phase.fluss3 -= 1;
    if (g.phase.fluss3 == 0) gtool::stapelMischen(kTalon);
}

// True when n cards can be drawn: the talon holds them, or there is nothing to refill it with
// (the caller deals what there is: the round never waits for cards that do not exist). False
// while a refill runs; a refill that is due starts here.
bool talonBereit(TCG& g, int n) {
    if (g.phase.fluss3 > 0) return false;
    if (anz(kTalon) >= n || anz(kAblage) < 2) return true;
    auffuellenStarten(g);
    return false;
}

// The table lays out only the pile's first ten places; a card laid above them takes the place of
// one of those, a little higher, so the open card always lies on top where it can be seen.
void ablagePlatz(int slot) {
    if (slot <= 10 || slot > kSlots) return;
    TSpieler& a = st(kAblage);
    glu::copyplacement(a.at(slot), a.at(1 + (slot - 1) % 10));
    a.at(slot).z = static_cast<float>(slot) - 100;
}

// n cards from the top of the talon to the seat; the step waits for the last.
void austeilen(int seat, int n) {
    const int m = anz(kTalon);
    n = std::min(n, m);
    if (n < 1) return;
    glu::dealcards(seat, n, 0, 0, kTalon, 0);
    central::bewegungAbwarten(cg, kTalon, m + 1 - n);
}

void zeigen(int e, bool v, int32_t tex = 0) {
    pvl::TPVLApplication* a = central::dienste.app;
    const int d = central::ids.ipanel;
    if (!a || !a->validDialog(d) || !a->validElement(d, e)) return;
    if (v && tex > 0) a->SetTi(d, e, tex);
    a->SetVisible(d, e, v);
}

}  // namespace

Anzeige anzeige(const TCG& g) {
    Anzeige z;
    const bool spielt = g.spielId == spiele::kMauMau && g.phase.nr == 4 && g.phase.schritt != kRundeVorbei;
    if (!spielt) return z;
    z.richtung = g.maumau.richtung == 2 ? 2 : 1;
    z.amZug = g.aktSpieler;
    if (g.maumau.offen > 0 && (g.maumau.offenArt == kZiehen || g.maumau.offenArt == kAussetzen)) {
        z.marken = std::min<int>(g.maumau.offen, 8);
        z.markenArt = g.maumau.offenArt;
    } else if (g.maumau.wunschFarbe >= 1 && g.maumau.wunschFarbe <= 4) {
        z.wunsch = g.maumau.wunschFarbe;
    }
    return z;
}

void anzeigeAktualisieren(const TCG& g) {
    const Anzeige z = anzeige(g);
    const central::PanelIds& ids = central::ids;
    for (int f = 1; f <= 4; ++f) zeigen(ids.icon1Elem[f], z.wunsch == f);
    const int32_t bild = z.markenArt == kZiehen ? panel::bilder.ziehen : panel::bilder.aussetz;
    for (int i = 1; i <= 8; ++i) zeigen(ids.statusElem[i], i <= z.marken, bild);
    for (int r = 1; r <= 2; ++r) zeigen(ids.icon2Elem[r], z.richtung == r);
    panel::amZug(z.amZug);
}

void dialogeSchliessen() {
    pvl::TPVLApplication* a = central::dienste.app;
    if (a && a->validDialog(central::ids.ingame)) a->InvsbDialog(central::ids.ingame);
    const central::PanelIds& ids = central::ids;
    for (int f = 1; f <= 4; ++f) zeigen(ids.icon1Elem[f], false);
    for (int i = 1; i <= 8; ++i) zeigen(ids.statusElem[i], false);
    for (int r = 1; r <= 2; ++r) zeigen(ids.icon2Elem[r], false);
    panel::amZug(0);
    cg.antwort.warten = 0;
}

namespace {

void fragen(TCG& g, int art) {
    g.phase.fluss2 = art;
    g.phase.fluss1 = kBeantwortet;
    g.antwort.art = kNichts;
    const bool wartendesAussetzen = art == kAussetzen && g.maumau.letzteKarte.t == 0 && g.maumau.offen > 0;
    const int32_t vorher = g.maumau.offen;
    // A plain turn builds no row and would keep the last question's hint topic.
    if (art == 0) g.entscheidung.art = 1;
    central::entscheidungsDialog(g, art);
    // A sit-out still pending from an earlier card is counted down once, when the seat answers;
    // asking again must neither add to it nor take from it.
    if (wartendesAussetzen) {
        g.maumau.offen = vorher;
        g.maumau.offenArt = kAussetzen;
    }
    g.antwort.warten = 3;
    g.antwort.offen = 2;
    central::dialogAnordnen(g, false, false);
    anzeigeAktualisieren(g);
}

void abweisen(TCG& g) {
    ++g_abgewiesen;
    g.antwort.offen = 2;
    g.phase.fluss1 = kBeantwortet;
}

void geben(TCG& g) {
    const int n = spieler();
    const int k = g.maumau.startKarten;
    if (g.phase.schritt == 0) {
        // from the dealer's neighbour in the deal's own direction
        int folge[6];
        gtool::gebeFolge(n, g.geber, false, envParam.spielrichtung == 2, folge);
        if (g.ablaufEinstellung != 1) {
            // one seat per step; the third flow value counts the seats served
            if (g.phase.fluss3 < n) {
                g.aktSpieler = folge[g.phase.fluss3];
                g.phase.fluss3 += 1;
                austeilen(g.aktSpieler, k);
                return;
            }
            g.phase.schritt = 1;
            return;
        }
        const int m = anz(kTalon);
        for (int i = 0; i < n; ++i)
            glu::dealcards(folge[i], k, k * i, 0, kTalon, 0.25f * static_cast<float>(i));
        central::bewegungAbwarten(cg, kTalon, m + 1 - n * k);
        g.phase.schritt = 1;
        return;
    }
    if (g.phase.schritt == 1) {
        const int slot = anz(kTalon);
        ablagePlatz(anz(kAblage) + 1);
        g.phase.schritt = 2;
        if (glu::movecardrecord(kTalon, slot, kAblage, anz(kAblage) + 1, 1, 2, 14, 0.1f, 0)) g.bewegungWarten.aktiv = 1;
        return;
    }
    // The turned-up card counts as laid by the dealer: a reverse card turns the direction before
    // the first turn, a draw-two or sit-out card reaches the first seat, a wish card lets the
    // dealer wish.
    g.maumau.wunschFarbe = 0;
    const karte offen = offeneKarte();
    if (rolle(g.maumau, offen) == kRichtung) g.maumau.richtung = g.maumau.richtung == 1 ? 2 : 1;
    g.aktSpieler = g.geber;
    g.phase.nr = 4;
    g.phase.schritt = 0;
    g.phase.fluss1 = kGelegt;
    g.phase.fluss3 = 0;
}

int sieger() {
    for (int s = 1; s <= spieler(); ++s)
        if (anz(s) == 0) return s;
    return 0;
}

void gelegt(TCG& g) {
    const karte offen = offeneKarte();
    g.maumau.letzteKarte = offen;
    int r = rolle(g.maumau, offen);
    // A lay-another card turned up at the start was not laid by anyone: the first seat plays.
    if (r == kNochmal && g.maumau.zugZaehler == 0) r = 0;
    if (r == kNochmal) {
        g.phase.schritt = 1;
    } else {
        if (r != kWunsch) weiterSitz();
        g.phase.schritt = 0;
    }
    g.maumau.zugZaehler += 1;
    g.phase.fluss1 = kFragen;
}

// A computer seat may remark on its situation at the start of its turn: the first row that fits
// gives the excitement and the two remark values.
void kommentar(TCG& g, int art) {
    const int seat = g.aktSpieler;
    if (seat == 1 || g.stapelListen[seat].computer != 1) return;
    if (art == kWunsch || art == kNochmal || art == 37) return;
    const karte offen = offeneKarte();
    const TSpieler& h = st(seat);
    int spielbar = 0, normal = 0, asse = 0, wunschFarbe = 0;
    bool wunschAss = false;
    for (int i = 1; i <= h.anz; ++i) {
        const karte c = h.at(i).c;
        if (c.t == 8) ++asse;
        if (c.f == g.maumau.wunschFarbe) {
            ++wunschFarbe;
            wunschAss = wunschAss || c.t == 8;
        }
        if (!passt(g.maumau, c, offen, art)) continue;
        ++spielbar;
        const int r = rolle(g.maumau, c);
        if (r == 0 || r == kNochmal) ++normal;
    }
    const int offenRolle = rolle(g.maumau, offen);
    const int n = g.maumau.offen;
    auto sag = [&](int erregung, int a, int b) { central::kommentar(seat, 0, b, a, erregung); };
    if (art == kAussetzen && spielbar == 0)
        sag(80, -2, -1);
    else if (art == kZiehen && spielbar == 0)
        sag(n <= 1 ? 80 : n == 2 ? 90 : n == 3 ? 95 : 100, -std::min(n, 3), 0);
    else if (offenRolle == kWunsch && spielbar == 0)
        sag(80, -1, 0);
    else if (art == kZiehen)
        sag(n <= 1 ? 40 : n == 2 ? 50 : 60, std::min(n, 3), 0);
    else if (art == kAussetzen)
        sag(40, 1, 0);
    else if (offenRolle == kRichtung)
        sag(80, 1, 2);
    else if (offenRolle == kWunsch && normal > 0) {
        if (wunschAss && (wunschFarbe >= 2 || asse >= 2))
            sag(100, 3, 0);
        else
            sag(90, 1, 2);
    }
}

void fragenStellen(TCG& g) {
    int art = 0;
    const int r = rolle(g.maumau, g.maumau.letzteKarte);
    if (r == kWunsch)
        art = kWunsch;
    else if (r == kZiehen)
        art = kZiehen;
    else if (r == kNochmal && g.phase.schritt == 1)
        art = kNochmal;
    else if (r == kAussetzen || (g.maumau.offen > 0 && g.maumau.offenArt == kAussetzen))
        art = kAussetzen;
    g.folgeKarte = offeneKarte();
    g.folgeHalter = g.aktSpieler;
    fragen(g, art);
    if (art == kZiehen || art == kAussetzen || art == kWunsch) g.maumau.letzteKarte = karte{};
    if (g.phase.schritt < 2) kommentar(g, art);
    g.phase.schritt = 1;
}

void beantwortet(TCG& g) {
    const uint8_t art = g.antwort.art;
    if (art == kNichts) return;
    g.antwort.art = kNichts;
    const int seat = g.aktSpieler;
    const int frage = g.phase.fluss2;
    const int wert = g.antwort.wert2;
    if (art == central::kKnopf) {
        if (frage == kWunsch && wert >= 1 && wert <= 4) {
            g.maumau.wunschFarbe = wert;
            static const char* farben[5] = {"", "Kreuz", "Pik", "Herz", "Karo"};
            sagen(farben[wert], seat);
            weiterSitz();
            g.phase.fluss1 = kFragen;
            g.phase.schritt = 0;
            return;
        }
        if (wert == 37 && (frage == 37 || frage == kNochmal)) {
            weiterSitz();
            g.phase.fluss1 = kFragen;
            g.phase.schritt = 0;
            return;
        }
        if (wert == kZiehen && frage == kZiehen) {
            const int n = 2 * g.maumau.offen;
            if (!talonBereit(g, n)) {
                g.antwort.art = art;  // answered once the talon is refilled
                return;
            }
            sagen("Zieht " + text::fromInt(n) + " Karten", seat);
            austeilen(seat, std::min(n, anz(kTalon)));
            g.maumau.offen = 0;
            g.maumau.offenArt = 0;
            g.phase.fluss1 = kStrafe;
            return;
        }
        if (wert == kAussetzen && frage == kAussetzen) {
            sagen("Setzt aus", seat);
            weiterSitz();
            g.maumau.offen = std::max(0, g.maumau.offen - 1);
            if (g.maumau.offen == 0) g.maumau.offenArt = 0;
            g.phase.fluss1 = kFragen;
            g.phase.schritt = 0;
            return;
        }
        abweisen(g);
        return;
    }
    if (art == central::kStapel && g.antwort.wert1 == kTalon && g.entscheidung.stapelKlick) {
        if (!talonBereit(g, 1)) {
            g.antwort.art = art;
            return;
        }
        if (anz(kTalon) >= 1) {
            austeilen(seat, 1);
            g.phase.fluss1 = kGezogen;
        } else {
            // Nothing left to draw: the seat passes.
            weiterSitz();
            g.phase.fluss1 = kFragen;
            g.phase.schritt = 0;
        }
        return;
    }
    if (art == central::kKarte && wert >= 1 && wert <= anz(seat) && g.entscheidung.kartenSpiel &&
        passt(g.maumau, st(seat).at(wert).c, offeneKarte(), frage)) {
        const karte c = st(seat).at(wert).c;
        if (anz(seat) == 2) sagen("Mau", seat);
        if (anz(seat) == 1) sagen("Mau Mau", seat);
        ablagePlatz(anz(kAblage) + 1);
        const int gespielt = glu::playcard(seat, wert, kAblage, 0);
        if (gespielt >= 1) central::bewegungAbwarten(cg, seat, gespielt);
        g.phase.fluss1 = kGelegt;
        g.maumau.wunschFarbe = 0;
        if (rolle(g.maumau, c) == kRichtung) g.maumau.richtung = g.maumau.richtung == 1 ? 2 : 1;
        return;
    }
    abweisen(g);
}

void spielen(TCG& g) {
    if (g.phase.fluss3 > 0) {
        auffuellenSchritt(g);
        return;
    }
    if (g.phase.schritt == kRundeVorbei) {
        // The table may start the next round itself (the developer's unattended run): the end
        // phase is set before, never over the new round's start.
        g.phase.nr = kGebucht;
        abrechnen(g);
        return;
    }
    if (const int s = sieger(); s != 0) {
        g.aktSpieler = s;
        for (int p = 1; p <= spieler(); ++p) {
            if (p == s) {
                sagen("Gewinner", p);
            } else {
                const hand h = handVonStapel(p);
                sagen(text::fromInt(strafPunkte(h)) + " Punkte", p);
                if (p != 1) {
                    Pos6 pos;
                    glu::openhandposition(p, pos);
                    glu::movestack(pos, p, 200.0f);
                }
            }
        }
        g.phase.schritt = kRundeVorbei;
        return;
    }
    switch (g.phase.fluss1) {
        case kStrafe:
            g.phase.fluss1 = kFragen;
            g.phase.schritt = 0;
            return;
        case kGezogen:
            g.folgeKarte = offeneKarte();
            fragen(g, 37);
            g.phase.schritt = 2;
            return;
        case kGelegt:
            gelegt(g);
            return;
        case kFragen:
            fragenStellen(g);
            return;
        case kBeantwortet:
            beantwortet(g);
            return;
        default:
            g.phase.fluss1 = kFragen;
            return;
    }
}

void sortierSchluessel() {
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 14; ++t) ::Kartenwerte[f - 1][t - 1] = t + (5 - f) * 100;
}

bool spielbarHook(const TKartenSlot& s) { return spielbar(s); }
bool alleWaehlbar() { return false; }

entscheidung::MauMauLage lage() {
    entscheidung::MauMauLage l;
    l.ziehAnzahl = cg.maumau.offen;
    l.ziehenSummieren = cg.maumau.ziehenSammeln != 0;
    l.mehrereAussetzen = cg.maumau.aussetzenSammeln != 0;
    return l;
}
void lageSetzen(int32_t anzahl, int32_t rolle) {
    cg.maumau.offen = anzahl;
    cg.maumau.offenArt = rolle;
}

void schritt(TCG& g);

}  // namespace

void (*optionenLesen)() = nullptr;

karte offeneKarte() {
    const TSpieler& a = st(kAblage);
    return a.anz >= 1 ? a.at(a.anz).c : karte{};
}

int sonderKarte(const karte& c) { return rolle(cg.maumau, c); }

bool passtAuf(const karte& card, const karte& offen, int alt) {
    const TEntscheidung& e = alt ? cg.entscheidungKopie : cg.entscheidung;
    if (!e.kartenSpiel) return false;
    return passt(cg.maumau, card, offen, cg.phase.fluss2);
}

bool spielbar(const TKartenSlot& slot) { return passtAuf(slot.c, offeneKarte(), 0); }

// Open from the end of the round until the next deal, the booked round included (see Schwimmen).
bool handOffen(int seat) {
    return seat != 1 && (cg.phase.nr == 4 || cg.phase.nr == kGebucht) && cg.phase.schritt == kRundeVorbei;
}

int naechsterSitz(int k) {
    return folgeSitz(cg.aktSpieler, k, cg.maumau.richtung == 1 ? 2 : 1, spieler());
}

void spielSchritt(TCG& g) {
    schritt(g);
    anzeigeAktualisieren(g);
}

namespace {

void schritt(TCG& g) {
    switch (g.phase.nr) {
        case 0:
            g.phase.nr = 1;
            g.phase.schritt = 0;
            return;
        case 1:
            geben(g);
            return;
        case 3:
            weiterSitz();
            g.phase.nr = 4;
            g.phase.fluss1 = kFragen;
            return;
        case 4:
            spielen(g);
            return;
        default:
            return;
    }
}

}  // namespace

void neuesSpiel(bool frisch) {
    bool leer = true;
    for (int r = kZiehen; r <= kNochmal; ++r) leer = leer && cg.maumau.sonderWert[r] == 0;
    if (leer) standardOptionen(cg.maumau);
    if (frisch && optionenLesen) optionenLesen();
    const int letzter = cg.aktSpieler;
    central::neuesSpielAllgemein(cg);
    for (int s = 1; s <= 20; ++s) {
        glu::spieler[s - 1].anz = 0;
        glu::spielerZwilling[s - 1].anz = 0;
    }
    // The common layout lays the discard pile just above the human's fanned hand, whose top cards
    // then hide it: here it lies further up the table, between the seats, where all can see it.
    st(kAblage).pos.v[2] = kAblageTiefe;
    const int n = spieler();
    // Five or six seats need the second pack; so does any deal that would empty the talon.
    if (n >= 5 || n * cg.maumau.startKarten + 1 > 32 * cg.maumau.decks) cg.maumau.decks = 2;
    sortierSchluessel();
    st(kTalon).anz = gtool::deck32Fuellen(st(kTalon), cg.maumau.decks);
    gtool::stapelMischen(kTalon);
    cg.maumau.offen = 0;
    cg.maumau.offenArt = 0;
    cg.maumau.wunschFarbe = 0;
    cg.maumau.letzteKarte = karte{};
    cg.maumau.zugZaehler = 0;
    cg.maumau.richtung = 1;
    cg.maumau.spielerAnzahl = n;
    if (frisch) {
        const int wahl = cg.maumau.geberWahl;
        cg.geber = wahl >= 2 && wahl - 1 <= n ? wahl - 1 : 2 + rnd::random(n - 1);
    } else {
        // The winner of the last round deals the next.
        cg.geber = letzter >= 1 && letzter <= n ? letzter : 1;
    }
    cg.aktSpieler = cg.geber;
    cg.antwort.art = kNichts;
    cg.phase.fluss1 = 0;
    cg.phase.fluss2 = 0;
}

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {2, 6, kGebucht, 20, 8});
    const TMaumau& m = g.maumau;
    b.zahl(m.spielerAnzahl, 0, 6, "Spielerzahl");
    b.zahl(m.richtung, 0, 2, "Richtung");
    b.zahl(m.wunschFarbe, 0, 4, "Wunschfarbe");
    b.zahl(m.offen, 0, 200, "offene Strafe");
    if (m.offenArt != 0 && m.offenArt != 31 && m.offenArt != 32) b.zahl(m.offenArt, 0, 0, "Strafart");
    for (int r = 31; r <= 35; ++r) b.zahl(m.sonderWert[r], 0, 9, "Sonderkarte " + text::fromInt(r));
    b.zahl(m.decks, 0, 2, "Kartenspiele");
    b.karte(m.letzteKarte, 8, "letzte Karte");
    return b.text();
}

void spielLaden() {
    glu::bewegungenVerwerfen();
    central::tischWiederherstellen(cg);
    sortierSchluessel();
    anzeigeAktualisieren(cg);
}

bool rundeVorbei(const TCG& g) { return g.spielId == spiele::kMauMau && g.phase.nr == kGebucht; }
const TGameResult& letztesErgebnis() { return g_ergebnis; }
int abgewiesen() { return g_abgewiesen; }
void abgewiesenLoeschen() { g_abgewiesen = 0; }

bool kartenErhalten(std::string& warum) {
    if (glu::zugliste.anz > 0) return true;
    Kartenzaehler zahl;
    int n = 0;
    for (int s : {1, 2, 3, 4, 5, 6, kTalon, kAblage}) {
        const TSpieler& x = st(s);
        for (int i = 1; i <= x.anz; ++i) {
            const karte k = x.at(i).c;
            if (k.t == 0) continue;
            ++n;
            if (zahl.zaehlen(k) > cg.maumau.decks) {
                warum = "Karte zu oft auf Stapel " + std::to_string(s);
                return false;
            }
        }
    }
    if (n != 32 * cg.maumau.decks) {
        warum = std::to_string(n) + " Karten statt " + std::to_string(32 * cg.maumau.decks);
        return false;
    }
    return true;
}

bool optionSetzen(const std::string& name, int wert) {
    TMaumau& m = cg.maumau;
    bool leer = true;
    for (int r = kZiehen; r <= kNochmal; ++r) leer = leer && m.sonderWert[r] == 0;
    if (leer) standardOptionen(m);
    static const std::map<std::string, int> rollen = {{"2 Ziehen", kZiehen},
                                                      {"Aussetzen", kAussetzen},
                                                      {"Farbe wählen", kWunsch},
                                                      {"Richtungswechsel", kRichtung},
                                                      {"Nochmal ablegen", kNochmal}};
    const std::string n = text::toUtf8(name);
    if (auto it = rollen.find(n); it != rollen.end()) {
        m.sonderWert[it->second] = std::clamp(wert, 1, 9);
        return true;
    }
    if (n == "Kartenblatt") m.decks = std::clamp(wert, 1, 2);
    else if (n == "Startkarten") m.startKarten = std::clamp(wert, 3, 6);
    else if (n == "Positiv") m.positiv = wert != 0;
    else if (n == "Rundenzahl") m.rundenLimit = wert <= 0 ? 200 : wert;
    else if (n == "Bis Punktzahl") m.punkteLimit = std::max(0, wert);
    else if (n == "Bube auf Bube") m.wunschAufWunsch = wert != 0;
    else if (n == "Ziehen sammeln") m.ziehenSammeln = wert != 0;
    else if (n == "Aussetzen sammeln") m.aussetzenSammeln = wert != 0;
    else if (n == "Kartengeber") m.geberWahl = std::clamp(wert, 1, 7);
    else return false;
    return true;
}

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = maumauki::kiTick;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = [] { return partieEnde(); };
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kMauMau, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.spielbar[spiele::kMauMau] = spielbarHook;
    t.passtAuf[spiele::kMauMau] = passtAuf;
    t.alleKartenWaehlbar[spiele::kMauMau] = alleWaehlbar;
    t.handOffen[spiele::kMauMau] = handOffen;
    t.sonderKarte = sonderKarte;
    entscheidung::fragen.maumau = lage;
    entscheidung::fragen.maumauSetzen = lageSetzen;
    entscheidung::fragen.handVon = glu::handVonSitz;
}

// ---------------------------------------------------------------------------------------------
// Result and match

void abrechnen(TCG& g) {
    const int n = spieler();
    std::vector<hand> haende;
    for (int s = 1; s <= n; ++s) haende.push_back(handVonStapel(s));
    const int s0 = sieger() != 0 ? sieger() : g.aktSpieler;
    const std::vector<int> p = rundenPunkte(haende, s0, g.maumau.positiv != 0);
    TGameResult r;
    r.spieler = s0;
    for (int s = 1; s <= n; ++s) r.at(s) = p[static_cast<size_t>(s - 1)];
    abrechnungText(r, r.text2);
    r.text1 = highscore::spielerName(g, s0, false) + w(" gewinnt");
    g_ergebnis = r;
    spielliste::punkteTabelle(g, r, false);
}

void abrechnungText(const TGameResult& r, std::string& text) {
    text.clear();
    if (r.nurTabelle != 0) return;
    text = highscore::spielerName(cg, r.spieler, false) + w(" gewinnt das Spiel.") + "\r\r" + w("Abrechnung: ");
    for (int s = 1; s <= spieler(); ++s)
        text += "\r" + highscore::spielerName(cg, s, false) + ": " +
                spielliste::punkteText(spiele::kMauMau, r.at(s), true) + w(" Punkte");
}

bool partieEnde() { return partieEnde(cg.maumau, cg.spielliste.runden, cg.konto, spieler()); }

void limitText(std::string& text) {
    int32_t best = 0;
    for (int s = 1; s <= spieler(); ++s) best = std::max(best, cg.maumau.positiv ? cg.konto[s] : -cg.konto[s]);
    text = text::fromInt(cg.spielliste.runden) + w(" Runden gespielt, ") + text::fromInt(best) + w(" von ") +
           (cg.maumau.punkteLimit > 0 ? text::fromInt(cg.maumau.punkteLimit) : w("unbegrenzt")) +
           w(" max. Punkten erreicht");
}

void highscoreText(std::string& text) { text = highscoreEintragen(cg, spiele::kMauMau, cg.konto[1]); }

}  // namespace maumau
