// The Rommé phase machine: one step per frame while nothing is pending. Every choice, the
// human's click and the computer seat's alike, arrives as the stored action of central::antwort.
#include "games/rummy_shedding/romme.h"

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
#include "gui/pvl.h"
#include "platform/msgsink.h"
#include "platform/num.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/k12.h"
#include "table/tischhooks.h"

namespace romme {

namespace {

enum Phase : uint8_t { kStart = 0, kGeben = 1, kTalon = 3 };
constexpr uint8_t kNichts = 7;  // stored-action kind: nothing stored

TGameResult g_ergebnis;
Statistik g_statistik;

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }
std::string w(std::string_view s) { return text::w(s); }
int seats() { return std::clamp<int>(cg.ablauf.anzSpieler, 1, 6); }
std::string name(int seat) { return highscore::spielerName(cg, seat, false); }

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
    Aktion a{g.antwort.art, g.antwort.wert1, g.antwort.wert2};
    g.antwort.art = kNichts;
    return a;
}

bool istComputer(int seat) { return seat >= 1 && seat <= 20 && cg.stapelListen[seat].computer == 1; }

bool mitJoker(const hand& h) {
    for (int i = 1; i <= h.anz; ++i)
        if (istJoker(h.at(i))) return true;
    return false;
}

// A selection handed over with a kind-1 action as the cards it names in the seat's stack, in
// the order given; false when a slot is out of range or named twice.
bool auswahlKarten(int seat, const hand& sel, hand& meld) {
    std::memset(static_cast<void*>(&meld), 0, sizeof(meld));
    if (sel.anz < 1 || sel.anz > anz(seat)) return false;
    bool gesehen[kSlots + 1] = {};
    for (int i = 1; i <= sel.anz; ++i) {
        const int slot = sel.at(i).nr;
        if (slot < 1 || slot > anz(seat) || gesehen[slot]) return false;
        gesehen[slot] = true;
        meld.at(i) = st(seat).at(slot).c;
        meld.at(i).nr = static_cast<uint16_t>(slot);
    }
    meld.anz = sel.anz;
    return true;
}

// May the seat lay onto pile p: its own piles always, another seat's with the option.
bool pileErlaubt(int seat, int p) {
    if (!k12.inUse(p)) return false;
    const int besitzer = p <= kSide1Piles ? 1 : k12.pile(p).besitzer;
    return besitzer == seat || cg.romme.fremdAnlegen;
}

void talonAufbauen() {
    TSpieler& talon = st(11);
    int n = 0;
    const int saetze = std::clamp<int>(cg.romme.saetze, 1, 3);
    // the table layout has already laid the talon's slots face down beside the discard pile:
    // only the card and its motion are new, or the talon would lie nowhere to be seen
    auto legen = [&](uint8_t t, uint8_t f) {
        TKartenSlot& slot = talon.at(++n);
        slot.c = karte{t, f, 0};
        slot.bewegung = TBewegung{};
    };
    for (int s = 0; s < saetze; ++s) {
        for (uint8_t f = 1; f <= 4; ++f)
            for (uint8_t t = 1; t <= 13; ++t) legen(t, f);
        for (uint8_t f = 1; f <= 3; ++f) legen(kJoker, f);
    }
    talon.anz = n;
    gtool::stapelMischen(11);
    k12.leeren();
}

int ersterGeber() {
    const int n = seats();
    const int g = cg.romme.ersterGeber;
    // "Zufall" never makes the human the dealer
    if (g >= 2 && g - 1 <= n) return g - 1;
    return n >= 2 ? rnd::random(n - 1) + 2 : 1;
}

int naechsterGeber() {
    const int n = seats();
    const int runde = cg.spielliste.runden;
    auto eintrag = [&](int s) {
        return runde >= 1 && runde <= kRundenMax ? cg.spielliste.punkte[s][runde] : 0;
    };
    switch (cg.romme.naechsterGeber) {
        case 2:
            return std::clamp<int>(cg.romme.letzterAbwurf >= 1 ? cg.romme.letzterAbwurf : cg.aktSpieler, 1,
                                   n);
        case 3:
        case 4: {
            int best = 1;
            for (int s = 2; s <= n; ++s)
                if (cg.romme.naechsterGeber == 3 ? eintrag(s) > eintrag(best) : eintrag(s) < eintrag(best))
                    best = s;
            return best;
        }
        case 5:
            return naechsterSitz(cg.geber);
        case 6:
            return vorigerSitz(cg.geber);
        case 7:
            return ersterGeber();
        default:
            return n >= 2 ? rnd::random(n - 1) + 2 : 1;
    }
}

// ---------------------------------------------------------------------------------------------

// The seat that gets its cards after `seat`: dealing follows the direction of play.
int gebeWeiter(int seat) { return envParam.spielrichtung == 2 ? vorigerSitz(seat) : naechsterSitz(seat); }

void geben(TCG& g) {
    const int n = seats();
    if (envParam.austeilen == 1) {
        if (g.phase.schritt == 0) {
            g.phase.schritt = n;
            const int m = anz(11);
            int seat = g.aktSpieler;
            for (int i = 0; i < n; ++i) {
                seat = gebeWeiter(seat);
                glu::dealcards(seat, 13, 13 * i, 0, 11, 0.3f * static_cast<float>(i));
            }
            central::bewegungAbwarten(cg, 11, m + 1 - 13 * n);
            return;
        }
    } else if (g.phase.schritt < n) {
        g.phase.schritt += 1;
        g.aktSpieler = gebeWeiter(g.aktSpieler);
        const int m = anz(11);
        glu::dealcards(g.aktSpieler, 13, 0, 0, 11, 0);
        central::bewegungAbwarten(cg, 11, m + 1 - 13);
        return;
    }
    g.aktSpieler = naechsterSitz(g.geber);
    g.phase.nr = kTalon;
    g.phase.schritt = 0;
}

void talonPhase(TCG& g) {
    if (g.romme.talonPaesse > 0) {
        // the re-used talon is shuffled in two passes shown on the table; its cards lie face
        // down, so they are mixed as the second pass starts
        const int n = glu::mischPass(11, g.romme.talonPaesse == 2 ? -0.1f : 1.47f);
        if (n > 0) central::bewegungAbwarten(cg, 11, anz(11));
        g.romme.talonPaesse -= 1;
        if (g.romme.talonPaesse == 0) {
            gtool::stapelMischen(11);
            g.phase.schritt = 0;
        }
        return;
    }
    if (g.phase.schritt == 0) {
        g.phase.schritt = 1;
        const int slot = anz(11);
        if (slot >= 1 && glu::movecardrecord(11, slot, 13, anz(13) + 1, 1, 2, 14, 0, 0))
            cg.bewegungWarten.aktiv = 1;
        return;
    }
    g.phase.nr = kSpielPhase;
    g.phase.schritt = kZiehFrage;
    g.romme.zugNummer = 0;
}

void rundeEnde(TCG& g, bool heraus) {
    const int seat = heraus ? g.romme.letzterAbwurf : 0;
    if (heraus) gtool::sagen(w(g.romme.kartenBeiZugbeginn >= 13 ? "Rommé Hand" : "Rommé"), seat, 1, false);
    g.romme.letzterAbwurf = seat;
    for (int s = 2; s <= seats(); ++s) {
        Pos6 p{};
        glu::openhandposition(s, p);
        glu::movestack(p, s, 200.0f);
    }
    if (!g.romme.positiv)
        for (int s = 1; s <= seats(); ++s)
            if (s != seat) gtool::sagen(std::to_string(stapelPunkte(s, true)) + " Punkte", s, 0, false);
    g.phase.schritt = kRundeVorbei;
}

// A meld or lay-off the rules refuse: the human is asked again; a computer seat's search has
// gone wrong, which is reported, and the seat goes on to discard.
void abgelehnt(TCG& g, int seat) {
    if (istComputer(seat)) {
        msgsink::show("ki-Fehler anlegen");
        g.phase.schritt = kAbwurfFrage;
    } else {
        g.phase.schritt = kAuslegeFrage;
    }
}

void auslegeAntwort(TCG& g) {
    const int seat = g.aktSpieler;
    g.romme.warteSchritte += 1;
    const Aktion a = nehmen(g);
    const hand sel = g.gespielteHand;
    hand meld;
    const bool karten = auswahlKarten(seat, sel, meld);
    if (a.art == central::kKnopf && a.wert2 == 79) {
        // a meld must keep one card in the hand for the discard
        if (karten && meld.anz < anz(seat) && isset(meld, seat, false, false)) {
            if (mitJoker(meld)) g_statistik.auslegen[seat <= 2 ? 0 : 1] += spielFortschritt();
            glu::executemove(seat, 0, 12, 0, meld.anz, 3, 0);
            g.phase.schritt = kMeldAuffrischen;
        } else {
            abgelehnt(g, seat);
        }
        return;
    }
    if (a.art == central::kStapel && a.wert1 == 12) {
        const int slot = a.wert2;
        const int p = slot >= 1 && slot <= anz(12) ? st(12).at(slot).hi : 0;
        bool gut = karten && meld.anz < anz(seat) && hatMeldung(seat) && pileErlaubt(seat, p);
        if (gut) {
            const hand neu = k12.legenanhand(meld, p, st(12).at(slot).pilePos);
            gut = isset(neu, seat, false, true);
        }
        if (gut) {
            if (mitJoker(meld)) g_statistik.anlegen[seat <= 2 ? 0 : 1] += spielFortschritt();
            glu::executemove(seat, 0, 12, slot, meld.anz, 4, 0);
            g.phase.schritt = kMeldAuffrischen;
        } else {
            abgelehnt(g, seat);
        }
        return;
    }
    // another button: one raised card is the discard, otherwise lower them and go on
    if (!istComputer(seat)) {
        hand gehoben;
        auswahlHand(gehoben);
        if (gehoben.anz == 1) {
            g.phase.fluss1 = gehoben.at(1).nr;
            g.phase.schritt = kAbwerfen;
            return;
        }
        TSpieler& s = st(seat);
        for (int i = 1; i <= s.anz; ++i)
            if (s.at(i).bewegung.active && s.at(i).bewegung.kind == 1)
                glu::liftcard(s.at(i).bewegung, 0, seat, i);
        if (gehoben.anz > 1) {
            g.phase.schritt = kAuslegeFrage;
            return;
        }
    }
    g.phase.fluss1 = 0;
    g.phase.schritt = kAbwurfFrage;
}

void spielen(TCG& g) {
    const int seat = g.aktSpieler;
    if (g.phase.schritt == kZiehFrage) {
        const int letzter = g.romme.letzterAbwurf;
        if (letzter >= 1 && letzter <= seats() && anz(letzter) == 0) {
            rundeEnde(g, true);
            return;
        }
        if (anz(11) == 0) {
            // Two whole passes through the talon with no card laid: every card still in play
            // fits nowhere, and the round could never end. It ends with nobody out.
            g.romme.leerePaesse = anz(12) == g.romme.tischKarten ? g.romme.leerePaesse + 1 : 0;
            g.romme.tischKarten = anz(12);
            if (g.romme.leerePaesse >= 2) {
                rundeEnde(g, false);
                return;
            }
            const int n = anz(13);
            glu::executemove(13, n, 11, 1, n, 6, 0);
            g.romme.talonPaesse = 2;
            g.phase.nr = kTalon;
            g.phase.schritt = 0;
            return;
        }
    }
    switch (g.phase.schritt) {
        case kZiehFrage:
            fragen(g, 78);
            g.phase.schritt = kZiehen;
            return;
        case kZiehen: {
            const Aktion a = nehmen(g);
            g.romme.kartenBeiZugbeginn = anz(seat);
            if (a.art == central::kStapel && a.wert1 == 13 && anz(13) >= 1)
                glu::executemove(13, anz(13), seat, anz(seat) + 1, 1, 5, 0);
            else
                glu::executemove(11, anz(11), seat, anz(seat) + 1, 1, 0, 0);
            g.romme.zugNummer += 1;
            g.romme.auslegeRunde = 0;
            g.phase.schritt = kAuslegeFrage;
            return;
        }
        case kAuslegeFrage:
            g.romme.warteSchritte = 0;
            fragen(g, 79);
            auswahlPruefen();
            g.romme.auslegeRunde += 1;
            g.phase.schritt = kAuslegeAntwort;
            return;
        case kAuslegeAntwort:
            auslegeAntwort(g);
            return;
        case kMeldAuffrischen:
            k12.zellenAusKarten();
            g.phase.schritt = kAuslegeFrage;
            return;
        case kAbwurfFrage:
            fragen(g, 80);
            g.phase.fluss1 = 0;
            g.phase.schritt = kAbwerfen;
            return;
        case kAbwerfen: {
            const Aktion a = nehmen(g);
            const int slot = a.art == central::kKarte ? a.wert2 : g.phase.fluss1;
            if (slot < 1 || slot > anz(seat)) {
                g.phase.schritt = kAbwurfFrage;
                return;
            }
            glu::executemove(seat, slot, 13, anz(13) + 1, 1, 0, 0);
            g.phase.schritt = kWeiter;
            return;
        }
        case kWeiter:
            g.romme.letzterAbwurf = seat;
            g.aktSpieler = naechsterSitz(seat);
            g.phase.schritt = kZiehFrage;
            return;
        case kRundeVorbei: {
            g_ergebnis = abrechnung();
            g.antwort.art = kNichts;
            spielliste::punkteTabelle(g, g_ergebnis, false);
            g.phase.nr = kGebucht;
            return;
        }
        default:
            return;
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------

Regeln regeln() {
    Regeln r;
    r.ecke = cg.romme.ecke != 0;
    r.doppelteFarben = cg.romme.doppelteFarben != 0;
    r.mindestpunkte = cg.romme.mindestpunkte;
    r.jokerWert = cg.romme.jokerWert;
    return r;
}

int fortschritt(int kartenInHaenden) {
    static const int grenzen[10] = {52, 49, 44, 39, 34, 29, 24, 20, 16, 12};
    for (int i = 0; i < 10; ++i)
        if (kartenInHaenden >= grenzen[i]) return 10 - i;
    return 0;
}

int spielFortschritt() {
    int karten = 0;
    for (int s = 1; s <= seats(); ++s) karten += anz(s);
    return fortschritt(karten);
}

const Statistik& statistik() { return g_statistik; }

bool hatMeldung(int seat) {
    hand h;
    k12.sitzMeldungen(seat, h);
    return h.anz > 0;
}

bool isset(const hand& m, int seat, bool vorAuslageAblehnen, bool ohneMinimum) {
    const int s = seat == 0 ? cg.aktSpieler : seat;
    return romme::isset(m, hatMeldung(s), vorAuslageAblehnen, ohneMinimum, regeln());
}

bool issetHook(const hand& m) { return isset(m, 0, false, true); }

hand stapelHand(int stack) {
    hand h;
    std::memset(static_cast<void*>(&h), 0, sizeof(h));
    const TSpieler& s = st(stack);
    for (int i = 1; i <= s.anz && i <= kHandMax; ++i) {
        h.at(i) = s.at(i).c;
        h.at(i).nr = static_cast<uint16_t>(i);
    }
    h.anz = static_cast<int16_t>(std::min<int>(s.anz, kHandMax));
    return h;
}

int stapelPunkte(int stack, bool amPlatz) {
    return meldungPunkte(stapelHand(stack), amPlatz, false, regeln());
}

int naechsterSitz(int seat) { return seat % seats() + 1; }
int vorigerSitz(int seat) { return (seat + seats() - 2) % seats() + 1; }

namespace {

// The meld container's bytes 4 .. 18,827 travel with a saved game in the record's copy; the
// two bytes behind its flags stay as they are.
constexpr size_t kLuecke = offsetof(Tk12Daten, aktiv) + 2;

void k12Sichern(TCG& g) {
    static_assert(sizeof(Tk12Daten) + 4 == sizeof(g.k12Kopie));
    const auto* q = reinterpret_cast<const uint8_t*>(&k12.d);
    k12.stapelSichern(g.k12Kopie + 4);
    constexpr size_t rest = offsetof(Tk12Daten, reserved0);
    std::memcpy(g.k12Kopie + 4 + rest, q + rest, kLuecke - rest);
    std::memcpy(g.k12Kopie + 4 + kLuecke + 2, q + kLuecke + 2, sizeof(Tk12Daten) - kLuecke - 2);
}

void k12Laden(const TCG& g) {
    auto* z = reinterpret_cast<uint8_t*>(&k12.d);
    std::memcpy(z, g.k12Kopie + 4, kLuecke);
    std::memcpy(z + kLuecke + 2, g.k12Kopie + 4 + kLuecke + 2, sizeof(Tk12Daten) - kLuecke - 2);
    k12.inhaltUnbekannt();
}

void schritt(TCG& g) {
    switch (g.phase.nr) {
        case kStart:
            g.phase.nr = kGeben;
            g.phase.schritt = 0;
            break;
        case kGeben:
            geben(g);
            break;
        case kTalon:
            talonPhase(g);
            break;
        case kSpielPhase:
            spielen(g);
            break;
        default:
            break;
    }
}

}  // namespace

void spielSchritt(TCG& g) {
    schritt(g);
    k12Sichern(g);
    panelZuruecksetzen(g);
}

void panelZuruecksetzen(const TCG& g) {
    // Rommé shows no status beside the seats, only whose turn it is
    const bool amZug = g.phase.nr == kSpielPhase && g.phase.schritt < kRundeVorbei;
    for (int s = 1; s < panel::kSitze; ++s)
        if (panel::sitz[s].icon != panel::bilder.dran) panel::icon(s, 0);
    panel::amZug(amZug ? g.aktSpieler : 0);
}

void neuesSpiel(bool frisch) {
    central::neuesSpielAllgemein(cg);
    for (int s = 1; s <= 20; ++s) glu::spieler[s - 1].anz = 0;
    for (int s = 1; s <= 20; ++s) glu::spielerZwilling[s - 1].anz = 0;
    if (frisch) {
        g_statistik = Statistik{};
        optionenLesen();
    }
    optionenPruefen();
    cg.ablauf.meldModus = 1;
    cg.ablauf.meldStapelHover = 1;
    schluesselTabellen(cg.romme.nachWert != 0);
    talonAufbauen();
    for (int s = 1; s <= 6; ++s) {
        std::memset(static_cast<void*>(&cg.bekannteKarten.at(s)), 0, sizeof(hand));
        cg.romme.marken.at(s) = TRommeMarken{};
    }
    if (frisch || cg.romme.naechsterGeber == 7) {
        cg.geber = ersterGeber();
        cg.romme.letzterAbwurf = 1;
    } else {
        cg.geber = naechsterGeber();
    }
    cg.aktSpieler = cg.geber;
    cg.romme.kartenBeiZugbeginn = 0;
    cg.romme.zugNummer = 0;
    cg.romme.auslegeRunde = 0;
    cg.romme.warteSchritte = 0;
    cg.romme.talonPaesse = 0;
    cg.romme.tischKarten = 0;
    cg.romme.leerePaesse = 0;
    std::memset(static_cast<void*>(&cg.romme.auswahl), 0, sizeof(hand));
    cg.phase.schritt = 0;
    cg.phase.fluss1 = cg.phase.fluss2 = cg.phase.fluss3 = 0;
    cg.antwort.art = kNichts;
    cg.antwort.warten = 0;
}

namespace {

// A game saved while cards flew comes back with them where they flew from: the seats the deal had
// reached get their missing cards from the talon again, and a discard pile that was being opened
// is opened again.
void fluegeNachholen(TCG& g) {
    if (g.phase.nr == kTalon && g.romme.talonPaesse == 0 && g.phase.schritt == 1 && anz(13) == 0)
        g.phase.schritt = 0;
    if (g.phase.nr != kGeben) return;
    const int n = seats();
    const int erreicht =
        envParam.austeilen == 1 ? (g.phase.schritt >= n ? n : 0) : std::min(g.phase.schritt, n);
    const int talon = anz(11);
    int seat = g.geber, genommen = 0;
    for (int i = 0; i < erreicht; ++i) {
        seat = gebeWeiter(seat);
        const int fehlt = std::min(13 - anz(seat), talon - genommen);
        if (fehlt <= 0) continue;
        glu::dealcards(seat, fehlt, genommen, 0, 11, 0);
        genommen += fehlt;
    }
    if (genommen > 0) central::bewegungAbwarten(cg, 11, talon + 1 - genommen);
}

}  // namespace

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {2, 6, kGebucht, 20, 14});
    const TRomme& r = g.romme;
    b.zahl(r.saetze, 1, 3, "Kartenspiele");
    b.zahl(r.letzterAbwurf, 0, 6, "letzter Abwurf");
    b.zahl(r.talonPaesse, 0, 1000, text::w("Mischdurchgänge"));
    b.hand(r.auswahl, kHandMax, 14, "Auswahl");
    // The melds on the table come back from the container's copy.
    if (b.ok()) b.fehler(k12Pruefen(g));
    return b.text();
}

void spielLaden() {
    glu::bewegungenVerwerfen();
    central::tischWiederherstellen(cg);
    k12Laden(cg);
    k12.d.aktiv = 0;
    k12.jokerFrei = 0;
    k12.zellenInKarten();
    cg.ablauf.meldModus = 1;
    cg.ablauf.meldStapelHover = 1;
    schluesselTabellen(cg.romme.nachWert != 0);
    fluegeNachholen(cg);
    panelZuruecksetzen(cg);
    auswahlPruefen();
}

bool handOffen(int seat) {
    return seat != 1 && cg.phase.schritt == kRundeVorbei && cg.phase.nr >= kSpielPhase;
}

bool rundeVorbei(const TCG& g) { return g.spielId == spiele::kRomme && g.phase.nr == kGebucht; }
const TGameResult& letztesErgebnis() { return g_ergebnis; }

void auswahlHand(hand& out) {
    std::memset(static_cast<void*>(&out), 0, sizeof(out));
    const TSpieler& s = st(1);
    for (int i = 1; i <= s.anz; ++i) {
        const TBewegung& b = s.at(i).bewegung;
        if (!b.active || (b.state != 0 && b.state != 2) || b.kind != 1) continue;
        out.anz = static_cast<int16_t>(out.anz + 1);
        out.at(out.anz) = s.at(i).c;
        out.at(out.anz).nr = static_cast<uint16_t>(i);
    }
    auswahlOrdnen(out, regeln());
}

MindestZeile mindestZeile(bool hatMeldung, int mindest, int punkte) {
    MindestZeile z;
    if (hatMeldung || mindest <= 0) return z;
    z.sichtbar = true;
    if (punkte > 0) {
        z.text = "!" + std::to_string(punkte) + " von " + std::to_string(mindest) + " Mindestpunktzahl";
        z.aktiv = true;
    } else {
        z.text = "!Mindestpunktzahl " + std::to_string(mindest);
    }
    return z;
}

void auswahlPruefen() {
    if (cg.aktSpieler != 1 || istComputer(1)) return;
    auswahlHand(cg.romme.auswahl);
    central::antwort(cg, central::kAuswahl, 0, 0, &cg.romme.auswahl);
    // "Auslegen" only for a valid meld that keeps a card in the hand for the discard
    pvl::TPVLApplication* a = central::dienste.app;
    const int d = central::ids.ingame, auslegen = central::ids.reihe[2][1], fertig = central::ids.reihe[2][2];
    if (!a || cg.entscheidung.art != 79 || !a->validElement(d, auslegen)) return;
    hand meld;
    const bool karten = auswahlKarten(1, cg.romme.auswahl, meld) && meld.anz < anz(1);
    const bool gut = karten && isset(meld, 1, false, false);
    a->SetEnabled(d, auslegen, gut);
    if (a->validElement(d, fertig)) a->SetEnabled(d, fertig, true);
    // the first meld's minimum beside the buttons: the selection's points while it is a meld
    const int zeile = central::ids.textZeile;
    if (!a->validElement(d, zeile)) return;
    const int punkte = karten && isset(meld, 1, false, true) ? meldungPunkte(meld, false, false, regeln()) : 0;
    const MindestZeile z = mindestZeile(hatMeldung(1), cg.romme.mindestpunkte, punkte);
    a->SetVisible(d, zeile, z.sichtbar);
    if (!z.sichtbar) return;
    a->SetCaption(d, zeile, text::w(z.text));
    a->SetEnabled(d, zeile, z.aktiv);
}

void sortierungSetzen(bool nachWert) {
    if ((cg.romme.nachWert != 0) == nachWert) return;
    cg.romme.nachWert = nachWert ? 1 : 0;
    schluesselTabellen(nachWert);
    TSpieler& s = st(1);
    glu::stapelZuHand(s);
    gtool::handSortieren(s.hand, 1, 0, true);
    glu::handZuStapel(s);
}

TGameResult abrechnung() {
    TGameResult r;
    const int n = seats();
    const bool heraus = cg.romme.letzterAbwurf >= 1;  // 0: the round ended with nobody out
    const int faktor = heraus && cg.romme.kartenBeiZugbeginn >= 13 ? 2 : 1;
    const Regeln re = regeln();
    int sieger = 0;
    if (cg.romme.positiv) {
        for (int s = 1; s <= n; ++s) {
            hand piles;
            k12.sitzMeldungen(s, piles);
            int p = 0;
            for (int i = 1; i <= piles.anz; ++i) {
                hand m;
                k12.stapelZuHand(piles.at(i).nr, m);
                p += meldungPunkte(m, false, false, re);
            }
            r.at(s) = p * faktor;
            if (r.at(s) > 0 && (sieger == 0 || r.at(s) > r.at(sieger))) sieger = s;
        }
    } else {
        sieger = heraus ? std::clamp<int>(cg.romme.letzterAbwurf, 1, n) : 0;
        for (int s = 1; s <= n; ++s) r.at(s) = -stapelPunkte(s, true) * faktor;
    }
    r.spieler = sieger;
    r.gewonnen = sieger >= 1 ? 1 : 0;
    r.spielWerte[0] = faktor == 2 ? 1 : 0;
    std::string t;
    if (sieger >= 1)
        t = name(sieger) +
            (faktor == 2 ? w(" gewinnt mit Rommé Hand (Punkte zählen doppelt).") : w(" gewinnt."));
    r.text1 = t;
    if (!t.empty()) t += "\r";
    for (int s = 1; s <= n; ++s)
        t += "\r" + name(s) + ": " + spielliste::punkteText(spiele::kRomme, r.at(s), true);
    r.text2 = t;
    return r;
}

void abrechnungText(const TGameResult& r, std::string& text) { text = r.text2; }

bool partieEnde() {
    if (cg.romme.rundenGrenze <= cg.spielliste.runden) return true;
    if (cg.romme.punkteGrenze <= 0) return false;
    for (int s = 1; s <= seats(); ++s) {
        const int32_t t = cg.romme.positiv ? cg.konto[s] : -cg.konto[s];
        if (t >= cg.romme.punkteGrenze) return true;
    }
    return false;
}

void limitText(std::string& text) {
    int best = 0;
    for (int s = 1; s <= seats(); ++s)
        best = std::max<int>(best, cg.romme.positiv ? cg.konto[s] : -cg.konto[s]);
    const std::string runden =
        cg.romme.rundenGrenze >= kRundenMax ? "unbegrenzt" : std::to_string(cg.romme.rundenGrenze);
    const std::string punkte =
        cg.romme.punkteGrenze <= 0 ? "unbegrenzt" : std::to_string(cg.romme.punkteGrenze);
    text = std::to_string(cg.spielliste.runden) + " von " + runden + " Runden gespielt, " +
           std::to_string(best) + " von " + punkte + " max. Punkten erreicht";
}

void highscoreText(std::string& text) {
    text.clear();
    if (!cg.romme.positiv) return;
    const int kategorie = cg.spielliste.runden > 10 ? 2 : 1;
    text = highscore::eintragenText(cg.highscore, spiele::kRomme, kategorie, cg.konto[1], name(1));
}

}  // namespace romme

namespace romme {

namespace {
bool handOffenHook(int seat) { return handOffen(seat); }
}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = rommeki::kiTick;
    e.nachZug = rommeki::nachZug;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = partieEnde;
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kRomme, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.handOffen[spiele::kRomme] = handOffenHook;
    t.isset = issetHook;
    t.auswahlHand = auswahlHand;
    entscheidung::fragen.handVon = glu::handVonSitz;
    central::dienste.rommeAuswahlPruefen = auswahlPruefen;
}

}  // namespace romme
