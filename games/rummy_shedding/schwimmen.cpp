// Schwimmen flow: the deal, the opener's choice, the turns with swapping, passing and knocking,
// the renewal of the table, "Knack", the end of the knock round, the result and registration.
//
// The deal, the opener's new cards, the swaps and a renewed table fly through the table engine,
// and each step waits for its cards to land.
#include "games/rummy_shedding/schwimmen.h"

#include <algorithm>
#include <set>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/entscheidung.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/highscore.h"
#include "core/kommentar.h"
#include "core/panel.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "games/rummy_shedding/maumau.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/tischcg.h"
#include "table/tischhooks.h"

namespace schwimmen {

namespace {

constexpr uint8_t kNichts = 7;  // stored-action kind: nothing stored
constexpr uint8_t kGebucht = 5;
constexpr int kHalter = 16;  // holds the table's cards while a seat swaps all
// Sub-steps of swapping all: the seat's cards on their way to the table, the holder's into the
// hand (the engine flies these as the exchange), and the table sorted once they have landed.
constexpr int kAlleAufTisch = 5;
constexpr int kAlleInHand = 4;
constexpr int kAlleFertig = 6;
// The opener's "Neue Karten": the three cards just laid are swapped as when swapping all.
constexpr int kNeueKartenTausch = 7;
// The renewed table after every seat passed, one move per sub-step.
constexpr int kErneuern = 10;
constexpr int kErneuernLegen = 11;
constexpr int kErneuernRest = 12;
constexpr int kErneuernZurueck = 13;
constexpr int kErneuernMischen = 14;

TGameResult g_ergebnis;
int g_abgewiesen = 0;

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }
int spieler() { return std::clamp<int>(cg.ablauf.anzSpieler, 2, 6); }
// A speech bubble; the code picks the seat's spoken sample (1 "Knack", 11 "Klopft", 12 "Schiebt").
void sagen(const std::string& t, int seat, int code = 0, bool bleibt = false) {
    gtool::sagen(text::w(t), seat, code, bleibt);
}

// The table's four places as the layout laid them out. The engine closes and opens gaps in a
// pile by moving each card into the place of the slot it leaves, so after a card is laid at its
// sorted place the cards above it would stay where they were and cover one another; the game
// puts them back into the places of their slots.
TKartenSlot g_plaetze[5];
bool g_plaetzeGemerkt = false;

void plaetzeMerken() {
    for (int i = 1; i <= 4; ++i) glu::copyplacement(g_plaetze[i], st(kTisch).at(i));
    g_plaetzeGemerkt = true;
}

// The cards shifted up by a card laid at place p fly to the places of their new slots.
void verschobeneZiele(int p) {
    if (!g_plaetzeGemerkt) return;
    TSpieler& zw = glu::spielerZwilling[kTisch - 1];
    for (int i = std::max(p + 1, 1); i <= 4; ++i) {
        glu::copyplacement(zw.at(i), g_plaetze[i]);
        zw.at(i).z = -97;
    }
}

// Once the cards have landed every table slot lies in its own place again.
void plaetzeRichten() {
    if (!g_plaetzeGemerkt) return;
    for (int i = 1; i <= 4; ++i) {
        TKartenSlot& k = st(kTisch).at(i);
        if (k.bewegung.active) continue;
        glu::copyplacement(k, g_plaetze[i]);
    }
}

void fragen(TCG& g, int art) {
    g.phase.fluss2 = art;
    g.antwort.art = kNichts;
    central::entscheidungAbfragen(g, art);
}

void abweisen(TCG& g) {
    ++g_abgewiesen;
    g.antwort.offen = 2;
}

int wert(int seat) { return handWert(stapelHand(seat), cg.schwimmen.mitPasch != 0); }

// The table's cards in sort order (suit Kreuz first, then value code).
void tischSortieren() {
    TSpieler& t = st(kTisch);
    std::vector<karte> k;
    for (int i = 1; i <= t.anz; ++i) k.push_back(t.at(i).c);
    std::stable_sort(k.begin(), k.end(), [](const karte& a, const karte& b) {
        return (5 - a.f) * 100 + a.t > (5 - b.f) * 100 + b.t;
    });
    for (int i = 1; i <= t.anz; ++i) t.at(i).c = k[static_cast<size_t>(i - 1)];
}

// The top three talon cards fly face up onto the empty table, sorted first so that they land in
// the table's order.
void dreiAufTisch() {
    TSpieler& t = st(kTalon);
    const int n = std::min(3, static_cast<int>(t.anz));
    if (n < 1) return;
    std::vector<karte> k;
    for (int i = t.anz - n + 1; i <= t.anz; ++i) k.push_back(t.at(i).c);
    std::stable_sort(k.begin(), k.end(),
                     [](const karte& a, const karte& b) { return (5 - a.f) * 100 + a.t < (5 - b.f) * 100 + b.t; });
    for (int i = 0; i < n; ++i) t.at(t.anz - n + 1 + i).c = k[static_cast<size_t>(i)];
    glu::executemove(kTalon, t.anz, kTisch, 1, n, 0, 0);
}

// The renewed table: its cards go aside, three new ones are laid, the rest of the talon goes
// aside too, and all of it comes back as the talon and is shuffled. Shuffling matters: without
// it a table on which every seat passed would come back in the same order, and deterministic
// players could pass round the table for ever.
void erneuern(TCG& g) {
    switch (g.phase.schritt) {
        case kErneuern:
            glu::executemove(kTisch, anz(kTisch), kAblage, anz(kAblage) + anz(kTisch), anz(kTisch), 0, 0);
            g.phase.schritt = kErneuernLegen;
            return;
        case kErneuernLegen:
            dreiAufTisch();
            g.phase.schritt = kErneuernRest;
            return;
        case kErneuernRest:
            if (anz(kTalon) > 0)
                glu::executemove(kTalon, anz(kTalon), kAblage, anz(kAblage) + anz(kTalon), anz(kTalon), 0, 0);
            g.phase.schritt = kErneuernZurueck;
            return;
        case kErneuernZurueck:
            if (anz(kAblage) > 0)
                glu::executemove(kAblage, anz(kAblage), kTalon, anz(kTalon) + anz(kAblage), anz(kAblage), 0, 0);
            g.phase.schritt = kErneuernMischen;
            return;
        default:
            gtool::stapelMischen(kTalon);
            g.phase.schritt = 0;
            return;
    }
}

void geben(TCG& g) {
    const int n = spieler();
    const bool gegen = envParam.spielrichtung == 2;
    int folge[6];
    if (g.phase.schritt == 0 && g.ablaufEinstellung == 1) {
        // all hands at once by seat number; against the clock the last seat is served first
        const int m = anz(kTalon);
        gtool::gebeFolge(n, g.geber, true, gegen, folge);
        for (int i = 0; i < n; ++i)
            glu::dealcards(folge[i], 3, 3 * i, 0, kTalon, 0.25f * static_cast<float>(i));
        central::bewegungAbwarten(cg, kTalon, m + 1 - 3 * n);
        g.phase.schritt = n;
        return;
    }
    if (g.phase.schritt < n) {
        // one seat per step from the dealer's neighbour
        gtool::gebeFolge(n, g.geber, false, gegen, folge);
        g.aktSpieler = folge[g.phase.schritt];
        g.phase.schritt += 1;
        const int m = anz(kTalon);
        glu::dealcards(g.aktSpieler, 3, 0, 0, kTalon, 0);
        central::bewegungAbwarten(cg, kTalon, m + 1 - 3);
        return;
    }
    g.phase.schritt = 0;
    g.phase.nr = 3;
    g.aktSpieler = g.geber;
    fragen(g, kNeueKarten);
}

void eroeffnen(TCG& g) {
    const uint8_t art = g.antwort.art;
    if (art == kNichts) return;
    g.antwort.art = kNichts;
    const int w = g.antwort.wert2;
    if (art != central::kKnopf || (w != kNeueKarten && w != 0)) {
        abweisen(g);
        return;
    }
    const int seat = g.aktSpieler;
    plaetzeMerken();
    dreiAufTisch();
    g.phase.nr = 4;
    if (w == kNeueKarten) {
        // the opener's cards go to the table for the three just laid, as when swapping all
        g.phase.schritt = kNeueKartenTausch;
        return;
    }
    g.aktSpieler = naechsterSitz(seat, spieler());
    g.phase.schritt = 0;
}

void rundeZeigen(TCG& g) {
    for (int s = 1; s <= spieler(); ++s) {
        sagen(wertText(wert(s)) + " Punkte", s, 0, true);
        if (s != 1) {
            Pos6 p;
            glu::openhandposition(s, p);
            glu::movestack(p, s, 200.0f);
        }
    }
    g.phase.schritt = 31;
}

void rundeBuchen(TCG& g) {
    const int n = spieler();
    std::vector<int> werte;
    std::vector<std::string> namen;
    for (int s = 1; s <= n; ++s) {
        werte.push_back(wert(s));
        namen.push_back(highscore::spielerName(g, s, false));
    }
    const Rundenergebnis e = rundenErgebnis(werte, g.schwimmen.positiv != 0, namen);
    TGameResult r;
    for (int s = 1; s <= n; ++s) r.at(s) = e.punkte[static_cast<size_t>(s - 1)];
    r.text2 = e.text;
    r.text1 = e.kurz;
    r.spielWerte[0] = 0;
    r.zweiterWert = 1;
    g_ergebnis = r;
    // The table may start the next round itself (the developer's unattended run): the end phase is
    // set before, never over the new round's start.
    g.phase.nr = kGebucht;
    spielliste::punkteTabelle(g, r, false);
}

void zugBeginnen(TCG& g) {
    const int n = spieler();
    plaetzeRichten();
    TSchwimmen& s = g.schwimmen;
    // "Knack": a hand of 31 ends the round at the start of any turn.
    int knack = 0;
    for (int p = 1; p <= n; ++p)
        if (wert(p) == 310) knack = p;
    if (knack != 0) {
        g.aktSpieler = knack;
        sagen("Knack", knack, 1);
        g.phase.schritt = 30;
        return;
    }
    if (s.geklopft && s.zuegeNachKlopfen >= n - 1) {
        g.phase.schritt = 30;
        return;
    }
    if (!s.geklopft && s.schiebenInFolge >= n) {
        s.schiebenInFolge = 0;
        g.phase.schritt = kErneuern;
        erneuern(g);
        return;
    }
    if (s.geklopft) {
        s.zuegeNachKlopfen += 1;
        s.schiebenInFolge = 0;
    }
    fragen(g, s.alleTauschen ? kZugAlle : kZug);
    // one knock per round: once a seat has knocked the button stays greyed
    if (s.geklopft) central::knopfFreigeben(g, kKlopfen, false);
    g.phase.schritt = 1;
}

// Swapping all flies in three steps, each waiting for the one before to land, so that no stack
// is counted while cards fly into it and out of it at once: the table's cards go aside to the
// holder, the seat's cards go to the table, and the holder's cards go into the seat's hand.
void alleZuHalter(TCG& g) {
    st(kHalter).pos = st(kTisch).pos;
    st(kHalter).pos.v[0] += 330.0f;
    st(kHalter).aktPos = st(kHalter).pos;
    glu::executemove(kTisch, 3, kHalter, 3, 3, 0, 0);
    g.phase.schritt = kAlleAufTisch;
}

void alleAufTisch(TCG& g) {
    glu::executemove(g.aktSpieler, 1, kTisch, 0, 3, 0, 0);
    g.phase.schritt = kAlleInHand;
}

void alleInHand(TCG& g) {
    const int seat = g.aktSpieler;
    TSpieler& zw = glu::spielerZwilling[seat - 1];
    zw.anz = 3;
    glu::seatposition(zw, 0, 3.0f);
    for (int i = 1; i <= 3; ++i) zw.at(i).c = st(kHalter).at(i).c;
    tischcg::tz.phase2 = kAlleInHand;
    glu::executemove(kHalter, 3, seat, 3, 3, 0, 0);
    tischcg::tz.phase2 = 0;
    g.phase.schritt = kAlleFertig;
}

void alleFertig(TCG& g) {
    tischSortieren();
    g.aktSpieler = naechsterSitz(g.aktSpieler, spieler());
    g.phase.schritt = 0;
}

void zugBeantwortet(TCG& g) {
    const uint8_t art = g.antwort.art;
    if (art == kNichts) return;
    g.antwort.art = kNichts;
    TSchwimmen& s = g.schwimmen;
    const int seat = g.aktSpieler;
    const int w = g.antwort.wert2;
    const int n = spieler();
    if (art == central::kKarte && w >= 1 && w <= anz(seat)) {
        s.schiebenInFolge = 0;
        // The card flies to its sorted place on the table; the engine notes that place.
        glu::executemove(seat, w, kTisch, 0, 1, 2, 0);
        verschobeneZiele(s.abgelegtPos);
        g.phase.schritt = 2;
        return;
    }
    if (art == central::kKnopf && w == kSchieben) {
        s.schiebenInFolge += 1;
        sagen("Schiebt", seat, 12);
        s.abgelegtPos = 0;
        g.aktSpieler = naechsterSitz(seat, n);
        g.phase.schritt = 0;
        return;
    }
    if (art == central::kKnopf && w == kKlopfen && !s.geklopft) {
        s.geklopft = 1;
        sagen("Klopft", seat, 11);
        s.abgelegtPos = 0;
        kommentar(2, seat, 0);
        g.aktSpieler = naechsterSitz(seat, n);
        s.schiebenInFolge = 0;
        g.phase.schritt = 0;
        return;
    }
    if (art == central::kKnopf && w == kAlle && s.alleTauschen) {
        sagen("Alle", seat);
        s.schiebenInFolge = 0;
        s.abgelegtPos = 0;
        alleZuHalter(g);
        return;
    }
    abweisen(g);
}

void karteNehmen(TCG& g) {
    const uint8_t art = g.antwort.art;
    if (art == kNichts) return;
    g.antwort.art = kNichts;
    TSchwimmen& s = g.schwimmen;
    const int slot = g.antwort.wert2;
    if (art != central::kStapel || g.antwort.wert1 != kTisch || slot < 1 || slot > anz(kTisch)) {
        abweisen(g);
        return;
    }
    if (slot == s.abgelegtPos)
        s.abgelegtPos = 0;
    else if (slot < s.abgelegtPos)
        s.abgelegtPos -= 1;
    glu::executemove(kTisch, slot, g.aktSpieler, 0, 1, 0, 0);
    g.aktSpieler = naechsterSitz(g.aktSpieler, spieler());
    g.phase.schritt = 0;
}

void sortierSchluessel() {
    for (int f = 1; f <= 4; ++f)
        for (int t = 1; t <= 14; ++t) ::Kartenwerte[f - 1][t - 1] = (5 - f) * 100 + t;
}

bool immer(const TKartenSlot&) { return true; }
bool immerPasst(const karte&, const karte&, int) { return true; }

void schritt(TCG& g);

}  // namespace

void (*optionenLesen)() = nullptr;

hand stapelHand(int stack) {
    hand h{};
    const TSpieler& s = st(stack);
    h.anz = static_cast<int16_t>(std::min<int>(s.anz, kHandMax));
    for (int i = 1; i <= h.anz; ++i) h.at(i) = s.at(i).c;
    return h;
}

bool spielbar(const TKartenSlot&) { return true; }
bool passtAuf(const karte&, const karte&, int) { return true; }
// The hands lie open from the showing of the round until the next round is dealt: once the round
// is booked they stay at their open places, and a closed hand there would lie beyond the table's
// far edge, its bubble with it.
bool handOffen(int seat) {
    return seat != 1 && (cg.phase.nr == 4 || cg.phase.nr == kGebucht) && cg.phase.schritt == 31;
}

Marke statusMarke(const TCG& g, int seat) {
    const int n = spieler();
    if (g.spielId != spiele::kSchwimmen || g.phase.nr != 4 || g.phase.schritt >= 30 || seat < 1 || seat > n)
        return Marke::keine;
    const int akt = std::clamp<int>(g.aktSpieler, 1, n);
    if (seat == akt) return Marke::dran;
    const TSchwimmen& s = g.schwimmen;
    // the seats before the one on turn, counted back: the knocker lies as many turns back as
    // turns were begun since (one more while the next turn has not begun), the passes in a row
    // directly behind it
    int zurueck = 0;
    for (int p = akt; p != seat; p = vorigerSitz(p, n)) ++zurueck;
    if (s.geklopft) return zurueck == s.zuegeNachKlopfen + (g.phase.schritt == 0 ? 1 : 0) ? Marke::geklopft : Marke::keine;
    return zurueck <= s.schiebenInFolge ? Marke::geschoben : Marke::keine;
}

void statusAnzeige(const TCG& g) {
    for (int seat = 1; seat <= 6; ++seat) {
        switch (statusMarke(g, seat)) {
            case Marke::dran:
                panel::icon(seat, panel::bilder.dran);
                break;
            case Marke::geschoben:
                panel::icon(seat, panel::bilder.schieb);
                break;
            case Marke::geklopft:
                panel::icon(seat, panel::bilder.klopf);
                break;
            default:
                panel::icon(seat, 0);
                break;
        }
    }
}

void spielSchritt(TCG& g) {
    schritt(g);
    if (!central::dienste.schnellModus || !central::dienste.schnellModus()) statusAnzeige(g);
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
            eroeffnen(g);
            return;
        case 4:
            break;
        default:
            return;
    }
    switch (g.phase.schritt) {
        case 0:
            zugBeginnen(g);
            return;
        case 1:
            zugBeantwortet(g);
            return;
        case 2:
            plaetzeRichten();
            // a computer seat's last words ("Schiebt", ...) are not about this turn
            if (g.stapelListen[g.aktSpieler].computer == 1) panel::text(g.aktSpieler, "");
            fragen(g, kTischKarte);
            g.phase.schritt = 3;
            return;
        case 3:
            karteNehmen(g);
            return;
        case kAlleInHand:
            alleInHand(g);
            return;
        case kAlleAufTisch:
            alleAufTisch(g);
            return;
        case kAlleFertig:
            alleFertig(g);
            return;
        case kNeueKartenTausch:
            alleZuHalter(g);
            return;
        case kErneuern:
        case kErneuernLegen:
        case kErneuernRest:
        case kErneuernZurueck:
        case kErneuernMischen:
            erneuern(g);
            return;
        case 30:
            rundeZeigen(g);
            return;
        case 31:
            rundeBuchen(g);
            return;
        default:
            g.phase.schritt = 0;
            return;
    }
}

}  // namespace

void neuesSpiel(bool frisch) {
    if (cg.schwimmen.rundenLimit == 0) standardOptionen(cg.schwimmen);
    if (frisch && optionenLesen) optionenLesen();
    if (frisch)
        for (auto& werte : cg.schwimmen.statistik) werte[0] = werte[1] = 0;
    central::neuesSpielAllgemein(cg);
    for (int s = 1; s <= 20; ++s) {
        glu::spieler[s - 1].anz = 0;
        glu::spielerZwilling[s - 1].anz = 0;
    }
    sortierSchluessel();
    st(kTalon).anz = gtool::deck32Fuellen(st(kTalon), 1);
    gtool::stapelMischen(kTalon);
    TSchwimmen& s = cg.schwimmen;
    s.zuegeNachKlopfen = 0;
    s.schiebenInFolge = 0;
    s.geklopft = 0;
    s.abgelegtPos = 0;
    const int n = spieler();
    if (frisch) {
        for (auto& info : s.sitzInfo)
            for (int32_t& v : info) v = 0;
        cg.folgeHalter = 1;
        cg.geber = s.geberWahl >= 2 && s.geberWahl - 1 <= n ? s.geberWahl - 1 : 2 + rnd::random(n - 1);
    } else {
        cg.geber = naechsterSitz(std::clamp<int>(cg.geber, 1, n), n);
    }
    cg.aktSpieler = cg.geber;
    cg.antwort.art = kNichts;
    cg.phase.fluss2 = 0;
}

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {2, 6, kGebucht, 20, 8});
    const TSchwimmen& s = g.schwimmen;
    b.zahl(s.abgelegtPos, 0, kHandMax, "abgelegte Karte");
    b.zahl(s.zuegeNachKlopfen, 0, 100, text::w("Züge nach dem Klopfen"));
    return b.text();
}

void spielLaden() {
    glu::bewegungenVerwerfen();
    central::tischWiederherstellen(cg);
    sortierSchluessel();
    plaetzeMerken();
    statusAnzeige(cg);
    // the restored question shows its buttons afresh: a knock made before the save still counts
    if (cg.phase.nr == 4 && cg.phase.schritt == 1 && cg.schwimmen.geklopft) central::knopfFreigeben(cg, kKlopfen, false);
}

bool rundeVorbei(const TCG& g) { return g.spielId == spiele::kSchwimmen && g.phase.nr == kGebucht; }
const TGameResult& letztesErgebnis() { return g_ergebnis; }
int abgewiesen() { return g_abgewiesen; }
void abgewiesenLoeschen() { g_abgewiesen = 0; }

bool kartenErhalten(std::string& warum) {
    std::set<int> gesehen;
    int n = 0;
    for (int s : {1, 2, 3, 4, 5, 6, kTalon, kTisch, kAblage, kHalter}) {
        for (int i = 1; i <= anz(s); ++i) {
            const karte k = st(s).at(i).c;
            if (k.t == 0) continue;
            ++n;
            if (!gesehen.insert(k.t * 10 + k.f).second) {
                warum = "Karte doppelt auf Stapel " + std::to_string(s);
                return false;
            }
        }
    }
    if (glu::zugliste.anz == 0 && n != 32) {
        warum = std::to_string(n) + " Karten statt 32";
        return false;
    }
    return true;
}

bool optionSetzen(const std::string& name, int wert) {
    TSchwimmen& s = cg.schwimmen;
    if (s.rundenLimit == 0) standardOptionen(s);
    const std::string n = text::toUtf8(name);
    if (n == "Mit 3er Pasch") s.mitPasch = wert != 0;
    else if (n == "Alle Karten tauschen erlaubt") s.alleTauschen = wert != 0;
    else if (n == "Positiv") s.positiv = wert != 0;
    else if (n == "Runden") s.rundenLimit = wert <= 0 ? 200 : wert;
    else if (n == "Spielen bis") s.punkteLimit = std::max(0, wert);
    else if (n == "1. Kartengeber") s.geberWahl = std::clamp(wert, 1, 7);
    else return false;
    return true;
}

void abrechnungText(const TGameResult& r, std::string& text) { text = r.text2; }

void kommentar(int ereignis, int seat, int handwert) {
    const int n = spieler();
    if (ereignis == 1) {
        if (seat < 2 || seat > n) return;
        if (handwert >= 300)
            central::kommentar(seat, 0, 3, 3, 90);
        else if (handwert >= 280)
            central::kommentar(seat, 0, 2, 3, 80);
        else
            central::kommentar(seat, 0, 1, 3, handwert >= 250 ? 50 : 60);
        return;
    }
    if (ereignis != 2) return;
    const int danach = naechsterSitz(seat, n);
    for (int p = 1; p <= n; ++p) {
        if (p == seat || p == danach) continue;
        const int v = wert(p);
        if (v >= 211) continue;
        central::kommentar(p, 0, v < 121 ? -3 : v < 201 ? -2 : -1, -1, v < 121 ? 90 : v < 201 ? 80 : 60);
        return;
    }
}

bool partieEnde() { return partieEnde(cg.schwimmen, cg.spielliste.runden, cg.konto, spieler()); }

void limitText(std::string& text) {
    const TSchwimmen& s = cg.schwimmen;
    int32_t best = 0;
    for (int p = 1; p <= spieler(); ++p) best = std::max(best, s.positiv ? cg.konto[p] : -cg.konto[p]);
    const std::string unbegrenzt = text::w("unbegrenzt");
    text = text::fromInt(cg.spielliste.runden) + text::w(" von ") +
           (s.rundenLimit >= 200 ? unbegrenzt : text::fromInt(s.rundenLimit)) + text::w(" Runden gespielt, ") +
           text::fromInt(best) + text::w(" von ") + (s.punkteLimit <= 0 ? unbegrenzt : text::fromInt(s.punkteLimit)) +
           text::w(" max. Punkten erreicht");
}

void highscoreText(std::string& text) { text = maumau::highscoreEintragen(cg, spiele::kSchwimmen, cg.konto[1]); }

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = schwimmenki::kiTick;
    e.nachZug = schwimmenki::nachZug;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = [] { return partieEnde(); };
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kSchwimmen, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.spielbar[spiele::kSchwimmen] = immer;
    t.passtAuf[spiele::kSchwimmen] = immerPasst;
    t.handOffen[spiele::kSchwimmen] = handOffen;
}

}  // namespace schwimmen
