// Canasta flow: the deal with the red threes laid out at once, the first discard card, and the
// turns with their draw, meld and discard phases. Every action, the human's click and the
// computer seat's alike, arrives as the stored action of central::antwort and is checked here
// before anything moves.
#include "games/rummy_shedding/canasta.h"

#include <algorithm>
#include <cstring>

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
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/tischhooks.h"

namespace canasta {

namespace {

constexpr uint8_t kNichts = 7;    // stored-action kind: nothing stored
constexpr int kSchrittEnde = 11;  // the hand is settled and waits for the next

std::string g_protokoll[5];

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }
int sitze() { return std::clamp<int>(cg.ablauf.anzSpieler, 1, 6); }
std::string w(std::string_view s) { return text::w(s); }

void fragen(TCG& g, int art) {
    g.antwort.art = kNichts;
    central::entscheidungAbfragen(g, art);
}

struct Aktion {
    int art = kNichts;
    int wert1 = 0;
    int wert2 = 0;
};
Aktion nehmen(TCG& g) {
    Aktion a;
    a.art = g.antwort.art;
    a.wert1 = g.antwort.wert1;
    a.wert2 = g.antwort.wert2;
    g.antwort.art = kNichts;
    return a;
}

void weiter() { cg.aktSpieler = naechsterSitz(cg.aktSpieler); }

// A card's turn on the discard pile: a wild card lies across it, so a blocked pile can be seen,
// any other card straight, each a few degrees off.
void ablageDrehen(int slot, const karte& k, float zufall) {
    if (slot < 1 || slot > kSlots) return;
    st(13).at(slot).a3 = (istWild(k) ? 90.0f : 0.0f) + zufall * 10.0f - 5.0f;
}

// n cards from the top of the talon into the seat's sorted hand; the step waits for the last.
void ziehen(int seat, int n) {
    const int m = anz(11);
    n = std::min(n, m);
    if (n < 1) return;
    glu::dealcards(seat, n, 0, 0, 11, 0);
    central::bewegungAbwarten(cg, 11, m + 1 - n);
}

hand spiegel(int stack) {
    glu::stapelZuHand(st(stack));
    return st(stack).hand;
}

// The cards of `sel` mapped onto distinct slots of the seat's stack (value and suit; a tag that
// names a matching slot is kept). False when a card is not in the stack.
}  // namespace

bool slotsZuordnen(int seat, hand& sel) {
    const hand h = spiegel(seat);
    bool belegt[kHandMax + 1] = {};
    for (int i = 1; i <= sel.anz; ++i) {
        const int tag = sel.at(i).nr;
        if (tag >= 1 && tag <= h.anz && !belegt[tag] && gleich(h.at(tag), sel.at(i))) {
            belegt[tag] = true;
            continue;
        }
        sel.at(i).nr = 0;
    }
    for (int i = 1; i <= sel.anz; ++i) {
        if (sel.at(i).nr != 0) continue;
        int slot = 0;
        for (int j = 1; j <= h.anz && !slot; ++j)
            if (!belegt[j] && gleich(h.at(j), sel.at(i))) slot = j;
        if (!slot) return false;
        belegt[slot] = true;
        sel.at(i).nr = static_cast<uint16_t>(slot);
    }
    return true;
}

namespace {

bool enthaelt(const hand& h, const karte& k) {
    for (int i = 1; i <= h.anz; ++i)
        if (gleich(h.at(i), k)) return true;
    return false;
}

// The team's pile of red threes, 0 for none.
}  // namespace

int rote3Stapel(int seat) {
    hand p;
    meldungen(seat, p);
    for (int i = 1; i <= p.anz; ++i) {
        const hand m = stapelKarten(p.at(i).nr);
        if (m.anz > 0 && istRoteDrei(m.at(1))) return p.at(i).nr;
    }
    return 0;
}

namespace {

// The stack-12 slot of a pile's last card.
}  // namespace

int letzterSlot(int pile) {
    if (!k12.inUse(pile) || k12.pile(pile).anz < 1) return 0;
    return k12.pile(pile).at(k12.pile(pile).anz).nr;
}

namespace {

// The pile that the seat's next new meld becomes.
int naechsterStapel(int seat) {
    return gleichePartei(seat, 1) ? k12.d.anz1 + 1 : kSide1Piles + k12.d.anz2 + 1;
}

void rueckMerken(int pile, const karte& k) {
    TCanasta& c = cg.canasta;
    if (c.rueckAnzahl >= kHand64Max) return;
    c.rueckStapel[c.rueckAnzahl] = static_cast<uint8_t>(pile);
    c.rueckKarte[c.rueckAnzahl] = static_cast<uint8_t>((k.t - 1) * 4 + (k.f - 1));
    ++c.rueckAnzahl;
}

void zwangAbhaken(const hand& sel) {
    TCanasta& c = cg.canasta;
    if (c.zwangkarte.t != 0 && enthaelt(sel, c.zwangkarte)) c.zwangkarte = karte{};
    if (c.zwangDrei.t != 0 && enthaelt(sel, c.zwangDrei)) c.zwangDrei = karte{};
}

}  // namespace
int abgelehnt = 0;  // refused answers (an illegal move never moves a card)
namespace {

// ---------------------------------------------------------------------------------------------
// Phase 1: the deal

void geben(TCG& g) {
    TCanasta& c = g.canasta;
    const int n = sitze();
    const bool gegen = envParam.spielrichtung == 2;
    if (g.phase.schritt == 0 && g.ablaufEinstellung == 1) {
        // all hands at once by seat number; against the clock the last seat is served first
        int folge[6];
        gtool::gebeFolge(n, g.geber, true, gegen, folge);
        const int m = anz(11);
        for (int i = 0; i < n; ++i)
            glu::dealcards(folge[i], c.handKarten, c.handKarten * i, 0, 11, 0.25f * static_cast<float>(i));
        central::bewegungAbwarten(cg, 11, m + 1 - c.handKarten * n);
        g.phase.schritt = n;
        return;
    }
    if (g.phase.schritt < n) {
        g.aktSpieler = gegen ? vorigerSitz(g.aktSpieler) : naechsterSitz(g.aktSpieler);
        ++g.phase.schritt;
        ziehen(g.aktSpieler, c.handKarten);
        return;
    }
    if (c.nachziehen) {
        c.nachziehen = 0;
        ziehen(g.aktSpieler, c.nachziehAnzahl);
        return;
    }
    if (g.phase.schritt < 2 * n) {
        weiter();
        ++g.phase.schritt;
        const int seat = g.aktSpieler;
        const hand h = spiegel(seat);
        hand rot;
        rot.anz = 0;
        for (int i = 1; i <= h.anz; ++i)
            if (istRoteDrei(h.at(i))) {
                rot.at(++rot.anz) = h.at(i);
                rot.at(rot.anz).nr = static_cast<uint16_t>(i);
            }
        if (rot.anz == 0) return;
        c.auswahl = rot;
        c.autoLegen = 1;
        ablaufProtokoll("autoablauf: nach austeilen neuen 3er-stapel auslegen");
        central::antwort(g, central::kAuswahl, 0, 1, &rot);
        if (rote3Stapel(seat)) {
            // a second seat of a team lays its red threes onto the team's pile
            glu::executemove(seat, 0, 12, letzterSlot(rote3Stapel(seat)), rot.anz, 4, 0);
        } else {
            glu::executemove(seat, 0, 12, 0, rot.anz, 3, 0);
        }
        c.nachziehen = 1;
        c.nachziehAnzahl = rot.anz;
        return;
    }
    weiter();
    g.phase.schritt = 0;
    g.phase.nr = 3;
}

// Phase 3: the first discard card; a red three or a wild card is covered by the next one.
void ersteKarte(TCG& g) {
    if (g.phase.schritt == 0) {
        const int m = anz(11);
        if (m < 1) {
            g.phase.schritt = 1;
            return;
        }
        const karte k = st(11).at(m).c;
        ablageDrehen(anz(13) + 1, k, static_cast<float>(rnd::uniform()));
        if (glu::movecardrecord(11, m, 13, anz(13) + 1, 1, 2, 14, 0, 0)) g.bewegungWarten.aktiv = 1;
        if (!(istRoteDrei(k) || istWild(k))) g.phase.schritt = 1;
        return;
    }
    g.phase.schritt = 0;
    g.phase.nr = 4;
    g.canasta.zugZaehler = 0;
}

// ---------------------------------------------------------------------------------------------
// Phase 4: the turns

void handEnde(TCG& g) { g.phase.schritt = 9; }

void zugBeginn(TCG& g) {
    TCanasta& c = g.canasta;
    const int seat = g.aktSpieler;
    // a seat that went out on the turn that emptied the talon keeps its bonus: going out first
    const int letzter = c.letzterSitz;
    if (letzter >= 1 && letzter <= sitze() && anz(letzter) == 0) {
        c.ausgemachtVon = letzter;
        if (!c.frueherGelegt.at(letzter)) {
            gtool::sagen(w("Hand ausgemacht"), letzter, 21, false);
            c.handAusgemacht = 1;
        } else {
            gtool::sagen(w("Fertig gemacht"), letzter, 22, false);
            c.handAusgemacht = 0;
        }
        handEnde(g);
        return;
    }
    if (anz(11) == 0) {
        if (letzter >= 1) gtool::sagen(w("Spielende"), letzter, 20, false);
        c.ausgemachtVon = 0;
        c.handAusgemacht = 0;
        handEnde(g);
        return;
    }
    if (c.rueckAnzahl > 0 && letzter >= 1 && letzter <= 6) c.frueherGelegt.at(letzter) = 1;
    c.mindestpunkte = nochNichtAusgelegt(seat) ? mindestpunkteFuer(g.konto[seat]) : 0;
    c.multizug.aktiv = 0;
    c.rueckAnzahl = 0;
    c.gelegtePunkte = 0;
    c.nachziehen = 0;
    c.zwangkarte = karte{};
    c.zwangkarteGenommen = karte{};
    c.zwangDrei = karte{};
    c.maxMitAblage = -1;
    c.autoLegen = 0;
    const karte oben = ablageOben();
    c.paarAblage = oben.t != 0 && zweiGleiche(seat, oben.t) ? 1 : 0;
    maxzugMitAblage(seat, c.maxzug);
    c.maxzugPunkte = c.maxzug.anz > 0 ? c.maxzug.punkte : 0;
    // without a move that uses the top card a frozen pile cannot be taken, whatever the minimum
    if (c.paarAblage && (anz(seat) > 2 || anz(13) > 1) && c.maxzug.anz > 0) c.maxMitAblage = c.maxzugPunkte;
    ablageNehmbar();
    fragen(g, 81);
    g.phase.schritt = 1;
}

void ziehenSchritt(TCG& g) {
    TCanasta& c = g.canasta;
    const int seat = g.aktSpieler;
    const Aktion a = nehmen(g);
    if (a.art != central::kStapel) {
        if (a.art != kNichts) fragen(g, 81);
        return;
    }
    if (a.wert1 == 13 && c.ablageModus > 0 && anz(13) > 0) {
        c.zugQuelle = 13;
        // someone at the table remarks on it, a partner leaving it to an opponent
        int sprecher = 1 + rnd::random(sitze());
        if (gleichePartei(sprecher, seat) && sitze() > 1)
            sprecher = rnd::random(2) == 0 ? naechsterSitz(seat) : vorigerSitz(seat);
        kommentieren(5, sprecher, anz(13));
        const karte oben = st(13).at(anz(13)).c;
        glu::executemove(13, anz(13), seat, 0, 1, 5, 0);
        c.ablageGenommen = 1;
        if (c.ablageModus == 1) {
            c.zwangDrei = oben;
        } else {
            c.zwangkarte = oben;
            c.zwangkarteGenommen = oben;
        }
    } else if (a.wert1 == 11) {
        // the hand ends when the talon is gone: a draw from it is never requested
        if (anz(11) == 0) {
            c.ausgemachtVon = 0;
            c.handAusgemacht = 0;
            handEnde(g);
            return;
        }
        if (!c.nachziehen) c.zugQuelle = 11;
        const int n = (c.ziehKarten == 1 || anz(11) == 1 || c.nachziehen) ? 1 : 2;
        ziehen(seat, n);
    } else {
        ++abgelehnt;
        fragen(g, 81);
        return;
    }
    c.nachziehen = 0;
    ++c.zugZaehler;
    g.phase.schritt = 2;
}

// The forced meld of a frozen pile: the taken card with the two cards that the turn's best move
// laid it with, so that the rest of that move can still be played afterwards.
void mit2kombi(TCG& g) {
    TCanasta& c = g.canasta;
    const int seat = g.aktSpieler;
    hand sel;
    if (!zwangMeldung(c.maxzug, c.zwangDrei, sel)) {
        logikfehler(
            "ACHTUNG! Logikfehler: Auszulegende mit2kombi existiert nicht in maxpunktezug (orientierung an "
            "maxp.z. fehlgeschlagen)");
        // the taken card with two of its value from the hand
        const hand h = spiegel(seat);
        sel.anz = 0;
        sel.at(++sel.anz) = c.zwangDrei;
        bool zwangGesehen = false;
        for (int i = 1; i <= h.anz && sel.anz < 3; ++i) {
            if (gleich(h.at(i), c.zwangDrei) && !zwangGesehen) {
                zwangGesehen = true;
                continue;
            }
            if (h.at(i).t == c.zwangDrei.t) sel.at(++sel.anz) = h.at(i);
        }
    }
    for (int i = 1; i <= sel.anz; ++i) sel.at(i).nr = 0;
    if (sel.anz < 3 || !slotsZuordnen(seat, sel)) {
        logikfehler("Fehler: Inkonsistenz beim 3 Karten legen Zwang: Keine 3 vorhanden!");
        c.zwangDrei = karte{};
        return;
    }
    const int p = hatMeldungWert(seat, c.zwangDrei.t) ? meldungMitWert(seat, c.zwangDrei.t) : 0;
    if (!zwangAbziehen(c.maxzug, sel, p ? p : naechsterStapel(seat)))
        logikfehler("ACHTUNG! Logikfehler: Auszulegende mit2kombi entspricht nicht der in maxpunktezug");
    c.auswahl = sel;
    c.autoLegen = 1;
    central::antwort(g, central::kAuswahl, 0, 1, &sel);
    if (p) {
        ablaufProtokoll("autoablauf: 3er-stapel wegen mit2zwang anlegen: 1/3");
        central::antwort(g, central::kStapel, 12, letzterSlot(p));
    } else {
        ablaufProtokoll("autoablauf: 3er-stapel wegen mit2zwang neu auslegen");
        central::antwort(g, central::kKnopf, 1, 82);
    }
}

void vorMelden(TCG& g) {
    TCanasta& c = g.canasta;
    const int seat = g.aktSpieler;
    const hand h = spiegel(seat);
    int rot = 0;
    for (int i = 1; i <= h.anz && !rot; ++i)
        if (istRoteDrei(h.at(i))) rot = i;
    if (rot) kommentieren(3, seat, 0);
    if (c.ablageGenommen && !rot && c.zwangDrei.t == 0) {
        c.ablageGenommen = 0;
        if (anz(13) > 0) {
            glu::executemove(13, anz(13), seat, 0, anz(13), 7, 0);
        }
        return;
    }
    c.autoLegen = 0;
    fragen(g, 82);
    auswahlPruefen();
    g.phase.schritt = 3;
    if (rot) {
        c.nachziehen = 1;
        hand sel;
        sel.anz = 1;
        sel.at(1) = h.at(rot);
        sel.at(1).nr = static_cast<uint16_t>(rot);
        c.auswahl = sel;
        c.autoLegen = 1;
        central::antwort(g, central::kAuswahl, 0, 1, &sel);
        if (const int p = rote3Stapel(seat)) {
            ablaufProtokoll("autoablauf: an ROT3er-stapel anlegen");
            central::antwort(g, central::kStapel, 12, letzterSlot(p));
        } else {
            ablaufProtokoll("autoablauf: neuen ROT3er-stapel auslegen");
            central::antwort(g, central::kKnopf, 1, 82);
        }
        return;
    }
    if (c.zwangDrei.t != 0) mit2kombi(g);
}

// "!Fertig" is withheld while the last card could not be discarded without a canasta, while
// the taken card is still to be laid, or while the laid points stay below the minimum.
}  // namespace

bool fertigErlaubt(int seat) {
    const TCanasta& c = cg.canasta;
    if (anz(seat) == 1 && !hatCanasta(seat)) return false;
    if (c.zwangkarte.t != 0 || c.zwangDrei.t != 0) return false;
    if (c.gelegtePunkte > 0 && c.gelegtePunkte < c.mindestpunkte) return false;
    return true;
}

namespace {

// The selection handed over with the last kind-1 action, mapped onto the seat's slots.
bool auswahlHolen(int seat, hand& sel) {
    sel = cg.gespielteHand;
    if (sel.anz < 1 || sel.anz > anz(seat)) return false;
    return slotsZuordnen(seat, sel);
}

}  // namespace

bool auslegenErlaubt(int seat, const hand& sel) {
    const TCanasta& c = cg.canasta;
    if (sel.anz < 1) return false;
    if (istRoteDrei(sel.at(1))) {
        for (int i = 1; i <= sel.anz; ++i)
            if (!istRoteDrei(sel.at(i))) return false;
        return !rote3Stapel(seat);
    }
    if (c.autoLegen && c.zwangDrei.t != 0) return ismeldung(sel) && !hatMeldungWert(seat, meldWert(sel));
    return auslegbar(sel, seat);
}

MeldKnoepfe meldKnoepfe(int seat, const hand& sel) {
    MeldKnoepfe k;
    k.melden = auslegenErlaubt(seat, sel);
    k.neuBeginnen = cg.canasta.rueckAnzahl >= 1;
    return k;
}

namespace {

// Laying the selection onto pile p: the pile is the team's, the meld stays valid, a card
// stays to discard (exactly one only with a canasta) and black threes are never laid off.
}  // namespace

bool anlegenErlaubt(int seat, const hand& sel, int p) {
    hand piles;
    meldungen(seat, piles);
    bool eigener = false;
    for (int i = 1; i <= piles.anz; ++i) eigener = eigener || piles.at(i).nr == p;
    if (!eigener) return false;
    const hand m = stapelKarten(p);
    if (m.anz < 1) return false;
    if (istRoteDrei(m.at(1))) {
        for (int i = 1; i <= sel.anz; ++i)
            if (!istRoteDrei(sel.at(i))) return false;
        return true;
    }
    for (int i = 1; i <= sel.anz; ++i)
        if (sel.at(i).t == kDrei) return false;
    hand neu = m;
    for (int i = 1; i <= sel.anz; ++i) neu.at(++neu.anz) = sel.at(i);
    if (!ismeldung(neu)) return false;
    // the rest of a taken discard pile is still to come into the hand
    const int rest = anz(seat) - sel.anz + (cg.canasta.ablageGenommen ? anz(13) : 0);
    if (rest < 1) return false;
    return rest >= 2 || hatCanasta(seat) || istCanasta(neu);
}

namespace {

void melden(TCG& g) {
    TCanasta& c = g.canasta;
    const int seat = g.aktSpieler;
    const Aktion a = nehmen(g);
    if (a.art == kNichts || a.art == central::kAuswahl) return;
    hand sel;
    if (a.art == central::kKnopf && a.wert2 == 82) {
        if (!auswahlHolen(seat, sel) || !auslegenErlaubt(seat, sel)) {
            ++abgelehnt;
            fragen(g, 82);
            return;
        }
        const bool rot = istRoteDrei(sel.at(1));
        const int p = naechsterStapel(seat);
        central::antwort(g, central::kAuswahl, 0, 1, &sel);
        glu::executemove(seat, 0, 12, 0, sel.anz, 3, 0);
        g.phase.schritt = 4;
        if (!rot) {
            if (c.zwangDrei.t == 0)
                for (int i = 1; i <= sel.anz; ++i) rueckMerken(p, sel.at(i));
            c.gelegtePunkte += kartenPunkte(sel);
            zwangAbhaken(sel);
        }
        return;
    }
    if (a.art == central::kKnopf && a.wert2 == 83) {
        g.phase.schritt = 8;
        return;
    }
    if (a.art == central::kKnopf && a.wert2 == 37) {
        if (!fertigErlaubt(seat)) {
            ++abgelehnt;
            fragen(g, 82);
            return;
        }
        if (c.gelegtePunkte > 0) {
            const int t = team(seat);
            if (t >= 1 && t <= 6) c.ausgelegt.at(t) = 1;
        }
        g.phase.schritt = 5;
        if (seat != 1 || cg.stapelListen[1].computer == 1) return;
        // the human's one raised card is the discard; more raised cards go down and the meld
        // dialog asks again
        hand gehoben;
        auswahlHand(gehoben);
        if (gehoben.anz == 1) {
            g.antwort.art = central::kKarte;
            g.antwort.wert2 = static_cast<int16_t>(gehoben.at(1).nr);
            g.phase.schritt = 6;
            return;
        }
        TSpieler& s = st(seat);
        for (int i = 1; i <= s.anz; ++i)
            if (s.at(i).bewegung.active && s.at(i).bewegung.kind == 1) glu::liftcard(s.at(i).bewegung, 0, seat, i);
        if (gehoben.anz > 1) g.phase.schritt = 2;
        return;
    }
    if (a.art == central::kStapel && a.wert1 == 12) {
        const int slot = a.wert2;
        const int p = slot >= 1 && slot <= anz(12) ? st(12).at(slot).hi : 0;
        if (p == 0) logikfehler("ACHTUNG! Karte anlegen an 12.k.hi=0");
        if (p == 0 || !auswahlHolen(seat, sel) || !anlegenErlaubt(seat, sel, p)) {
            ++abgelehnt;
            fragen(g, 82);
            return;
        }
        central::antwort(g, central::kAuswahl, 0, 1, &sel);
        zwangAbhaken(sel);
        glu::executemove(seat, 0, 12, slot, sel.anz, 4, 0);
        g.phase.schritt = 4;
        for (int i = 1; i <= sel.anz; ++i) {
            if (istRoteDrei(sel.at(i)) || (c.autoLegen && sel.anz != 1)) continue;
            rueckMerken(p, sel.at(i));
            c.gelegtePunkte += kartePunkte(sel.at(i));
        }
        return;
    }
    ++abgelehnt;
    fragen(g, 82);
}

void nachLegen(TCG& g) {
    TCanasta& c = g.canasta;
    if (c.nachziehen) {
        if (anz(11) == 0) {
            g.phase.schritt = 0;
            return;
        }
        g.phase.schritt = 1;
        g.antwort.art = central::kStapel;
        g.antwort.wert1 = 11;
        g.antwort.wert2 = static_cast<int16_t>(anz(11));
        return;
    }
    if (c.zwangDrei.t != 0) {
        c.zwangDrei = karte{};
        return;
    }
    g.phase.schritt = 2;
}

void abwerfen(TCG& g) {
    const int seat = g.aktSpieler;
    const Aktion a = nehmen(g);
    if (a.art == kNichts) return;
    if (a.art != central::kKarte || a.wert2 < 1 || a.wert2 > anz(seat)) {
        ++abgelehnt;
        fragen(g, 80);
        return;
    }
    ablageDrehen(anz(13) + 1, st(seat).at(a.wert2).c, static_cast<float>(rnd::uniform()));
    glu::executemove(seat, a.wert2, 13, 0, 1, 0, 0);
    g.phase.schritt = 7;
}

void erstauslagePruefen() {
    const TCanasta& c = cg.canasta;
    const int seat = cg.aktSpieler;
    hand p;
    meldungen(seat, p);
    int summe = 0;
    for (int i = 1; i <= p.anz; ++i) summe += meldungWertung(stapelKarten(p.at(i).nr), 1);
    if (summe > 0 && summe < c.mindestpunkte) {
        std::string t = "ACHTUNG! Erstauslage Spi" + text::fromInt(seat) + "inkon.: " + text::fromInt(summe) +
                        " < " + text::fromInt(c.mindestpunkte) + " (" + text::fromInt(c.multizug.zug.punkte) +
                        "," + text::fromInt(c.multizug.art) + ") max:" + text::fromInt(c.maxzugPunkte);
        for (int i = 1; i <= 5; ++i) t += "\n\r" + text::fromInt(i) + ". " + g_protokoll[i - 1];
        logikfehler(t);
    }
}

void zuege(TCG& g) {
    TCanasta& c = g.canasta;
    const int seat = g.aktSpieler;
    if (seat >= 1 && seat <= 6) c.legtJetzt.at(seat) = c.gelegtePunkte > 0 ? 1 : 0;
    panel::amZug(g.phase.schritt < 9 ? seat : 0);
    switch (g.phase.schritt) {
        case 0:
            zugBeginn(g);
            break;
        case 1:
            ziehenSchritt(g);
            break;
        case 2:
            vorMelden(g);
            break;
        case 3:
            melden(g);
            break;
        case 4:
            nachLegen(g);
            break;
        case 5:
            fragen(g, 80);
            g.phase.schritt = 6;
            break;
        case 6:
            abwerfen(g);
            break;
        case 8:
            if (!zuruecknehmenSchritt()) g.phase.schritt = 2;
            break;
        case 7:
            erstauslagePruefen();
            c.letzterSitz = seat;
            weiter();
            g.phase.schritt = 0;
            break;
        case 9:
            for (int s = 2; s <= sitze(); ++s) {
                Pos6 p{};
                glu::openhandposition(s, p);
                glu::movestack(p, s, 200.0f);
            }
            g.phase.schritt = 10;
            break;
        case 10:
            g.phase.schritt = kSchrittEnde;
            rundenAbrechnung();
            break;
        default:
            break;
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------

void logikfehler(const std::string& text) { msgsink::show(w(text)); }

void kommentieren(int ereignis, int seat, int anzahl) {
    if (seat < 1 || seat > sitze()) return;
    switch (ereignis) {
        case 1:
            if (cg.canasta.frueherGelegt.at(seat))
                central::kommentar(seat, 0, 1, 3, 80);
            else
                central::kommentar(seat, 0, 3, 0, 90);
            break;
        case 2:
            central::kommentar(seat, 0, 2, 3, 90);
            break;
        case 3:
            central::kommentar(seat, 0, 1, 2, 60);
            break;
        case 4:
            if (anzahl >= 13)
                central::kommentar(seat, 0, 3, 0, 100);
            else if (anzahl >= 9)
                central::kommentar(seat, 0, 3, 0, 95);
            else if (anzahl >= 6)
                central::kommentar(seat, 0, 2, 0, 90);
            else if (anzahl >= 4)
                central::kommentar(seat, 0, 1, 0, 80);
            break;
        case 5:
            if (anzahl >= 16)
                central::kommentar(seat, 0, -3, 0, 95);
            else if (anzahl >= 11)
                central::kommentar(seat, 0, -3, 0, 90);
            else if (anzahl >= 7)
                central::kommentar(seat, 0, -2, 0, 80);
            else if (anzahl >= 5)
                central::kommentar(seat, 0, -1, 0, 60);
            break;
        case 10:
            if (rnd::uniform() < 0.4)
                kommentieren(2, seat, anzahl);
            else
                central::kommentar(seat, 1, 0, 0, 90);
            break;
        default:
            break;
    }
}

void ablaufProtokoll(const std::string& text) {
    for (int i = 4; i >= 1; --i) g_protokoll[i] = g_protokoll[i - 1];
    std::string z = "sp" + text::fromInt(cg.aktSpieler) + "_" + text + "_";
    const hand& a = cg.canasta.auswahl;
    for (int i = 1; i <= a.anz && i <= kHandMax; ++i) {
        std::string n;
        gtool::kartenKuerzel(a.at(i), n);
        z += "(" + n + " )";
    }
    g_protokoll[0] = z;
}

// The meld container lives beside the record; its bytes travel in the record's copy of it, so a
// saved game carries the piles with their owners and side counts.
void containerSichern(TCG& g) {
    k12.stapelSichern(g.k12Kopie + 4);
    constexpr size_t rest = offsetof(Tk12Daten, reserved0);
    std::memcpy(g.k12Kopie + 4 + rest, reinterpret_cast<const uint8_t*>(&k12.d) + rest, sizeof(k12.d) - rest);
}

void spielSchritt(TCG& g) {
    struct Sichern {
        TCG& g;
        ~Sichern() { containerSichern(g); }
    } sichern{g};
    switch (g.phase.nr) {
        case 0:
            g.phase.nr = 1;
            g.phase.schritt = 0;
            g.canasta.nachziehen = 0;
            break;
        case 1:
            geben(g);
            break;
        case 3:
            ersteKarte(g);
            break;
        case 4:
            zuege(g);
            break;
        default:
            break;
    }
}

// Open from the end of the hand until the next deal: the score table books the hand into phase
// 5, and the result shows there with the other seats' cards laid open.
bool handOffen(int seat) {
    if (seat == 1 || cg.phase.nr == 1 || cg.phase.nr == 3) return false;
    return (cg.phase.nr == 4 || cg.phase.nr == 5) && cg.phase.schritt >= 10;
}

bool handVorbei(const TCG& g) {
    return g.spielId == spiele::kCanasta && g.phase.nr >= 4 && g.phase.schritt == kSchrittEnde;
}

TGameResult& ergebnisSpeicher() {
    static TGameResult r;
    return r;
}
const TGameResult& letztesErgebnis() { return ergebnisSpeicher(); }

void auswahlHand(hand& out) {
    out.anz = 0;
    const TSpieler& s = st(1);
    for (int i = 1; i <= s.anz; ++i) {
        const TBewegung& b = s.at(i).bewegung;
        if (b.active && (b.state == 0 || b.state == 2)) {
            out.at(++out.anz) = s.at(i).c;
            out.at(out.anz).nr = static_cast<uint16_t>(i);
        }
    }
}

void auswahlPruefen() {
    if (cg.aktSpieler != 1 || cg.stapelListen[1].computer == 1) return;
    cg.canasta.autoLegen = 0;
    hand sel;
    auswahlHand(sel);
    cg.canasta.auswahl = sel;
    central::antwort(cg, central::kAuswahl, 0, 1, &sel);
    if (cg.entscheidung.art != 82) return;
    const MeldKnoepfe k = meldKnoepfe(1, sel);
    central::knopfFreigeben(cg, 82, k.melden);
    central::knopfFreigeben(cg, 83, k.neuBeginnen);
}

// Pile positions closed up after a card left its pile, then the container rebuilt from the
// cards; piles left empty at the end of a side are given up.
void pilesSchliessen() {
    TSpieler& m = st(12);
    for (int p = 1; p <= kPiles; ++p) {
        int n = 0;
        for (int pos = 1; pos <= kPileMax; ++pos)
            for (int i = 1; i <= m.anz; ++i)
                if (m.at(i).hi == p && m.at(i).pilePos == pos) m.at(i).pilePos = ++n;
    }
    k12.zellenAusKarten();
    while (k12.d.anz1 > 0 && k12.pile(k12.d.anz1).anz == 0) --k12.d.anz1;
    while (k12.d.anz2 > 0 && k12.pile(kSide1Piles + k12.d.anz2).anz == 0) --k12.d.anz2;
}

// "!Neu beginnen": every card laid this turn goes back into the hand, one card per step, and a
// taken top card must be laid again. True while cards are still to come back.
bool zuruecknehmenSchritt() {
    TCanasta& c = cg.canasta;
    const int seat = cg.aktSpieler;
    pilesSchliessen();
    while (c.rueckAnzahl > 0) {
        const int e = --c.rueckAnzahl;
        const int p = c.rueckStapel[e];
        const karte k{static_cast<uint8_t>(c.rueckKarte[e] / 4 + 1),
                      static_cast<uint8_t>(c.rueckKarte[e] % 4 + 1), 0};
        const TSpieler& m = st(12);
        int slot = 0, pos = -1;
        for (int i = 1; i <= m.anz; ++i)
            if (m.at(i).hi == p && gleich(m.at(i).c, k) && m.at(i).pilePos > pos) {
                slot = i;
                pos = m.at(i).pilePos;
            }
        if (!slot) continue;
        c.gelegtePunkte = std::max(0, c.gelegtePunkte - kartePunkte(k));
        glu::executemove(12, slot, seat, 0, 1, 0, 0);
        if (const spiele::Eintrag* g = spiele::eintrag(spiele::kCanasta); g && g->nachZug) g->nachZug(5, 12, p);
        return true;
    }
    c.gelegtePunkte = 0;
    c.zwangkarte = c.zwangkarteGenommen;
    return false;
}

// ---------------------------------------------------------------------------------------------
// Start of a hand, restore

void neuesSpiel(bool frisch) {
    TCanasta& c = cg.canasta;
    central::neuesSpielAllgemein(cg);
    for (int s = 1; s <= 20; ++s) glu::spieler[s - 1].anz = 0;
    for (int s = 1; s <= 20; ++s) glu::spielerZwilling[s - 1].anz = 0;
    if (frisch) {
        optionenLesen();
        abgelehnt = 0;
    }
    optionenPruefen();
    const int n = sitze();
    c.handKarten = standardKartenzahl(n);
    if (central::dienste.setksize) central::dienste.setksize();
    cg.ablauf.meldModus = 1;
    cg.ablauf.meldStapelHover = 1;
    sortWerte();
    // the deck: per set the 52 cards and two Jokers, shuffled on the talon
    TSpieler& talon = st(11);
    int k = 0;
    for (int satz = 1; satz <= c.kartenblatt; ++satz)
        for (uint8_t t = 1; t <= 14; ++t)
            for (uint8_t f = 1; f <= 4; ++f) {
                if (t == kJoker && f > 2) continue;
                // the table layout has already laid the talon's slots face down: only the
                // card and its motion are new
                TKartenSlot& slot = talon.at(++k);
                slot.c = karte{t, f, 0};
                slot.bewegung = TBewegung{};
            }
    talon.anz = k;
    gtool::stapelMischen(11);
    k12.leeren();
    c.eingefroren = 0;
    const bool teams = c.teamSpiel && (n == 4 || n == 6);
    c.teamSpiel = teams ? 1 : 0;
    for (int s = 1; s <= 6; ++s) {
        c.teamId.at(s) = teams ? (n == 4 ? (s - 1) % 2 + 1 : (s - 1) % 3 + 1) : s;
        c.frueherGelegt.at(s) = 0;
        c.legtJetzt.at(s) = 0;
        c.ausgelegt.at(s) = 0;
        c.hatCanastaCache.at(s) = 0;
    }
    // the dealer
    const int vorher = cg.geber >= 1 && cg.geber <= n ? cg.geber : 1;
    int geber = 1;
    if (frisch || c.naechsterGeber == 7) {
        if (c.ersterGeber >= 2 && c.ersterGeber - 1 <= n)
            geber = c.ersterGeber - 1;
        else
            geber = n >= 2 ? 2 + rnd::random(n - 1) : 1;
    } else {
        const int r = cg.spielliste.runden;
        switch (c.naechsterGeber) {
            case 2:
                geber = naechsterSitz(c.letzterSitz >= 1 ? c.letzterSitz : vorher);
                break;
            case 3:
            case 4: {
                geber = 1;
                for (int s = 2; s <= n; ++s) {
                    const int32_t a = cg.spielliste.punkte[s][std::clamp(r, 0, kRundenMax)];
                    const int32_t b = cg.spielliste.punkte[geber][std::clamp(r, 0, kRundenMax)];
                    if (c.naechsterGeber == 3 ? a > b : a < b) geber = s;
                }
                break;
            }
            case 5:
                geber = naechsterSitz(vorher);
                break;
            case 6:
                geber = vorigerSitz(vorher);
                break;
            default:
                geber = n >= 2 ? 2 + rnd::random(n - 1) : 1;
                break;
        }
    }
    cg.geber = geber;
    cg.aktSpieler = geber;
    c.letzterSitz = 0;
    c.ausgemachtVon = 0;
    c.handAusgemacht = 0;
    c.rueckAnzahl = 0;
    c.gelegtePunkte = 0;
    c.nachziehen = 0;
    c.ablageGenommen = 0;
    c.zwangkarte = c.zwangkarteGenommen = c.zwangDrei = c.ablageKarte = karte{};
    c.multizug.aktiv = 0;
    c.meldRuhe = 0;
    for (int i = 1; i <= 20; ++i) cg.bekannteKarten.at(i).anz = 0;
    cg.phase.schritt = 0;
    cg.antwort.art = kNichts;
    cg.antwort.warten = 0;
}

namespace {
// A move of the computer seat: its sections, each a meld of cards of the hand.
void zugPruefen(blockpruefung::Befund& b, const TMultizug& z, const std::string& was) {
    if (!b.zahl(z.anz, 0, kMultizugMax, was)) return;
    for (int i = 1; i <= z.anz; ++i) {
        b.hand64(z.at(i).karten, kHand64Max, 14, was + " " + text::fromInt(i));
        b.zahl(z.at(i).ziel, 0, 60, was + " " + text::fromInt(i) + ": Ablage");
    }
}
}  // namespace

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {2, 6, 5, 20, 14});
    const TCanasta& c = g.canasta;
    b.zahl(c.kartenblatt, 0, 3, "Kartenspiele");
    for (int s = 1; s <= 6; ++s) b.zahl(c.teamId.at(s), 0, 6, "Team von Spieler " + text::fromInt(s));
    b.zahl(c.rueckAnzahl, 0, kHand64Max, "gelegte Karten");
    b.zahl(c.letzterSitz, 0, 6, "letzter Spieler");
    b.zahl(c.ausgemachtVon, 0, 6, "ausgemacht von");
    b.hand(c.auswahl, kHandMax, 14, "Auswahl");
    // The melds on the table come back from the container's copy.
    if (b.ok()) b.fehler(k12Pruefen(g));
    zugPruefen(b, c.maxzug, "bester Zug");
    zugPruefen(b, c.multizug.zug, "Zug");
    b.zahl(c.multizug.index, 0, kMultizugMax, "Zugabschnitt");
    return b.text();
}

void spielLaden() {
    glu::bewegungenVerwerfen();
    central::tischWiederherstellen(cg);
    cg.ablauf.meldModus = 1;
    cg.ablauf.meldStapelHover = 1;
    std::memcpy(&k12.d, cg.k12Kopie + 4, sizeof(k12.d));
    k12.inhaltUnbekannt();
    k12.d.aktiv = 0;
    k12.d.anlegen = 0;
    // The piles come from the record, and the meld cards' cells from the piles: the table's slots
    // still hold whatever lay there before the load (nothing, after a start of the program).
    k12.zellenInKarten();
    for (int s : {1, 2, 3, 4, 5, 6, 11, 12, 13}) glu::stapelZuHand(st(s));
    sortWerte();
    // the layout laid the discard pile out afresh: its cards take their turns again
    for (int i = 1; i <= anz(13); ++i) ablageDrehen(i, st(13).at(i).c, 0.5f);
    panel::amZug(cg.phase.nr == 4 && cg.phase.schritt < 9 ? cg.aktSpieler : 0);
    auswahlPruefen();
}

// ---------------------------------------------------------------------------------------------
// Whole-game checks

int deckKarten() { return 54 * std::clamp<int>(cg.canasta.kartenblatt, 1, 3); }

bool kartenErhalten(std::string& warum) {
    if (glu::zugliste.anz > 0) return true;
    int zaehler[15][5] = {};
    int gesamt = 0;
    for (int s : {1, 2, 3, 4, 5, 6, 11, 12, 13}) {
        if (s <= 6 && s > sitze()) continue;
        const TSpieler& x = st(s);
        for (int i = 1; i <= x.anz; ++i) {
            const karte k = x.at(i).c;
            if (k.t < 1 || k.t > 14 || k.f < 1 || k.f > 4) {
                warum = "a card outside the deck in stack " + std::to_string(s);
                return false;
            }
            ++zaehler[k.t][k.f];
            ++gesamt;
        }
    }
    if (gesamt != deckKarten()) {
        warum = "cards on the table: " + std::to_string(gesamt) + " of " + std::to_string(deckKarten());
        return false;
    }
    const int saetze = std::clamp<int>(cg.canasta.kartenblatt, 1, 3);
    for (int t = 1; t <= 14; ++t)
        for (int f = 1; f <= 4; ++f) {
            const int soll = t == kJoker ? (f <= 2 ? saetze : 0) : saetze;
            if (zaehler[t][f] != soll) {
                warum = "card " + std::to_string(t) + "/" + std::to_string(f) + " lies " +
                        std::to_string(zaehler[t][f]) + " times";
                return false;
            }
        }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Registration

namespace {

bool handOffenHook(int seat) { return handOffen(seat); }

entscheidung::CanastaLage lage(int seat) {
    entscheidung::CanastaLage l;
    const TCanasta& c = cg.canasta;
    l.ablageNehmbar = c.ablageModus > 0;
    l.kartenAnzahl = anz(seat);
    l.hatCanasta = hatCanasta(seat);
    l.mussLegen = c.zwangkarte;
    if (c.zwangkarte.t != 0) gtool::kartenName(c.zwangkarte, l.mussLegenName);
    l.mitPunktenBegonnen = c.gelegtePunkte > 0;
    l.herausgekommen = !nochNichtAusgelegt(seat);
    l.punkte = c.gelegtePunkte;
    l.minimum = c.mindestpunkte;
    return l;
}

// The shell hands the raised cards of both meld games through one entry each; Canasta answers
// while it runs and passes the call on otherwise.
void (*auswahlVorher)() = nullptr;
void (*auswahlHandVorher)(hand&) = nullptr;
void auswahlHook() {
    if (cg.spielId == spiele::kCanasta)
        auswahlPruefen();
    else if (auswahlVorher)
        auswahlVorher();
}
void auswahlHandHook(hand& h) {
    if (cg.spielId == spiele::kCanasta)
        auswahlHand(h);
    else if (auswahlHandVorher)
        auswahlHandVorher(h);
}

bool istWildHook(const karte& k) { return istWild(k); }
bool meldungHook(const hand& h) { return ismeldung(h); }
bool parteiHook(int a, int b) { return gleichePartei(a, b); }

}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = canastaki::kiTick;
    e.nachZug = canastaki::nachZug;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = partieEnde;
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kCanasta, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.handOffen[spiele::kCanasta] = handOffenHook;
    t.ismeldung = meldungHook;
    t.istWild = istWildHook;
    t.gleichePartei = parteiHook;
    entscheidung::fragen.canasta = lage;
    entscheidung::fragen.handVon = glu::handVonSitz;
    central::dienste.canastaMeldRuhe = [] { return cg.canasta.meldRuhe == 0; };
    if (central::dienste.rommeAuswahlPruefen != auswahlHook) {
        auswahlVorher = central::dienste.rommeAuswahlPruefen;
        central::dienste.rommeAuswahlPruefen = auswahlHook;
    }
    if (t.auswahlHand != auswahlHandHook) {
        auswahlHandVorher = t.auswahlHand;
        t.auswahlHand = auswahlHandHook;
    }
}

}  // namespace canasta
