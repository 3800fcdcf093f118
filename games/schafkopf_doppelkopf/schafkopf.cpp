// The Schafkopf phase machine: one step per frame while nothing is pending. Every choice, the
// human's click and the computer seat's alike, arrives as the stored action of central::antwort
// and is checked against what the open question offered.
#include "games/schafkopf_doppelkopf/schafkopf.h"

#include <algorithm>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/entscheidung.h"
#include "core/panel.h"
#include "core/seams.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "games/schafkopf_doppelkopf/schafkopf_ki.h"
#include "games/schafkopf_doppelkopf/sd_anzeige.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/tischhooks.h"

namespace schafkopf {

namespace {

using sd::naechster;

enum Phase : uint8_t { kStart = 0, kGeben = 1, kBieten = 3, kStiche = 4, kWahl = 7, kKontra = 8 };

TGameResult g_ergebnis;

TSchafkopfZustand& Z() { return cg.schafkopf.z; }
TSchafkopfOptionen& O() { return cg.schafkopf.optionen; }
TSchafkopfSpiel& spiel() { return cg.schafkopf.spiel; }
TSchafkopfSitz& sitz(int seat) { return Z().sitz[seat - 1]; }

std::vector<karte> gegeben(int seat) {
    return std::vector<karte>(Z().gegeben[seat - 1], Z().gegeben[seat - 1] + 8);
}

bool braucheFarbe(int typ) {
    return typ == kSolo || typ == kFarbwenz || typ == kFarbgeier || typ == kRufspiel;
}


void trumpfSetzen() { sd::kartenwerteSetzen(ordnung().rang); }

// The seat holding the called ace, from the hands as dealt.
int asHalter() {
    if (spiel().typ != kRufspiel) return 0;
    for (int s = 1; s <= 4; ++s)
        for (const karte& k : gegeben(s))
            if (k.t == kAs && k.f == spiel().farbe) return s;
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Party views

void sichtSetzen(int seat, int code) {
    for (TParteiSicht& v : Z().sichten) {
        v.code[seat - 1] = code;
        v.code2[seat - 1] = code;
    }
    if (parteienOffen())
        for (TParteiSicht& v : Z().sichten)
            for (int s = 1; s <= 4; ++s)
                if (s != Z().gewerteterSpieler && Z().gewerteterSpieler != 0)
                    v.code[s - 1] = v.code2[s - 1] = 11;
}

void oeffentlichBauen() {
    TParteiSicht& v = Z().sichten[0];
    v = TParteiSicht{};
    const int typ = spiel().typ;
    for (int s = 1; s <= 4; ++s) {
        int c = 9;
        if (typ != kKeinSpiel && typ != kRufspiel && typ != kRamsch) c = s == Z().spieler ? 10 : 11;
        if (typ == kRamsch) c = 0;
        v.code[s - 1] = v.code2[s - 1] = c;
    }
    v.spielTyp = typ;
}

// ---------------------------------------------------------------------------------------------
// Deal

void nachDemGeben(TCG& g) {
    for (int s = 1; s <= 4; ++s) sd::gegebenMerken(s, Z().gegeben[s - 1], 8);
    sd::sortieren(1, ordnung());
    g.phase.nr = kBieten;
    g.phase.schritt = 0;
    g.phase.fluss1 = 0;
    parteiEreignis(1, 0);
}

void geben(TCG& g) {
    if (sd::geben(g, 8, 4)) nachDemGeben(g);
}

// ---------------------------------------------------------------------------------------------
// Bidding

// Sub-states of the bidding (cg.phase.fluss1); the lap position is cg.phase.schritt.
enum Bieten : int32_t {
    kFragen = 0,
    kAntwort = 1,
    kAnsagenOderPassen = 2,
    kErsterHatGewaehlt = 3,
    kZweiterHatGewaehlt = 4,
    kEinzigerHatGewaehlt = 6,
};

void spielFestlegen(TCG& g);
void keinSpiel(TCG& g);

// The seat chooses its game in phase 7; the bidding goes on at sub-state `zurueck`.
void wahlBeginnen(TCG& g, int seat, int zurueck) {
    g.aktSpieler = seat;
    sitz(seat).gebot = TSchafkopfSpiel{};
    g.phase.nr = kWahl;
    g.phase.fluss1 = 0;
    g.phase.fluss2 = zurueck;
}

void wahlGesagt(int seat) {
    const TSchafkopfSpiel& b = sitz(seat).gebot;
    if (b.typ == kKeinSpiel) return;
    if (Z().angesagt == 0 || spielWert(b) > spielWert(Z().hoechstes)) {
        Z().hoechstes = b;
        Z().bieter = seat;
    }
    Z().angesagt += 1;
    sd::sagen(text::toUtf8(spielName(b)), seat, 101);
}

void lapWeiter(TCG& g) {
    g.phase.fluss1 = kFragen;
    if (Z().angesagt >= 1 && bietenBeendet()) {
        for (auto& s : Z().sitz) s.beantwortet = 1;
        g.phase.schritt = 4;
        return;
    }
    ++g.phase.schritt;
}

void bieten(TCG& g) {
    const sd::Aktion a = sd::nehmen(g);
    const int seat = g.aktSpieler;
    switch (g.phase.fluss1) {
        case kFragen: {
            if (g.phase.schritt >= 4) {
                if (Z().gebote == 0) {
                    keinSpiel(g);
                } else if (Z().angesagt == 0) {
                    wahlBeginnen(g, Z().erster, kEinzigerHatGewaehlt);
                } else {
                    spielFestlegen(g);
                }
                return;
            }
            g.aktSpieler = naechster(g.geber, g.phase.schritt + 1);
            g.phase.fluss1 = kAntwort;
            sd::fragen(g, 93);
            return;
        }
        case kAntwort: {
            if (a.art != central::kKnopf || !sd::angeboten(g, a.wert)) {
                sd::fragen(g, 93);
                return;
            }
            sitz(seat).beantwortet = 1;
            if (a.wert == 37) {
                sd::sagen("Weiter", seat, 1);
                lapWeiter(g);
                return;
            }
            if (Z().gebote == 0) {
                sd::sagen("Ich spiele", seat, 24);
                Z().erster = seat;
                Z().gebote = 1;
                lapWeiter(g);
                return;
            }
            sd::sagen("Ich spiele auch", seat, 25);
            Z().zweiter = seat;
            Z().gebote += 1;
            if (Z().angesagt == 0) {
                // the first bidder names his game now, or leaves the game to the second
                g.aktSpieler = Z().erster;
                g.phase.fluss1 = kAnsagenOderPassen;
                sd::fragen(g, 97);
                return;
            }
            wahlBeginnen(g, seat, kZweiterHatGewaehlt);
            return;
        }
        case kAnsagenOderPassen: {
            if (a.art != central::kKnopf || !sd::angeboten(g, a.wert)) {
                sd::fragen(g, 97);
                return;
            }
            if (a.wert == 43) {
                sd::sagen("Passe", seat, 1);
                Z().erster = Z().zweiter;
                Z().zweiter = 0;
                Z().gebote -= 1;
                lapWeiter(g);
                return;
            }
            wahlBeginnen(g, Z().erster, kErsterHatGewaehlt);
            return;
        }
        case kErsterHatGewaehlt:
            wahlGesagt(Z().erster);
            wahlBeginnen(g, Z().zweiter, kZweiterHatGewaehlt);
            return;
        case kZweiterHatGewaehlt:
            wahlGesagt(Z().zweiter);
            lapWeiter(g);
            return;
        case kEinzigerHatGewaehlt:
            wahlGesagt(Z().erster);
            spielFestlegen(g);
            return;
        default:
            g.phase.fluss1 = kFragen;
            return;
    }
}

// Phase 7: the seat on turn names its game type, its suit and Tout.
void wahl(TCG& g) {
    const sd::Aktion a = sd::nehmen(g);
    const int seat = g.aktSpieler;
    TSchafkopfSpiel& b = sitz(seat).gebot;
    auto zurueck = [&] {
        g.phase.nr = kBieten;
        g.phase.fluss1 = g.phase.fluss2;
    };
    switch (g.phase.fluss1) {
        case 0:
            g.phase.fluss1 = 1;
            sd::fragen(g, 92);
            return;
        case 1: {
            if (a.art != central::kKnopf || !sd::angeboten(g, a.wert)) {
                sd::fragen(g, 92);
                return;
            }
            if (a.wert == 43) {
                sd::sagen("Passe", seat, 1);
                b = TSchafkopfSpiel{};
                zurueck();
                return;
            }
            b.typ = static_cast<uint8_t>(a.wert);
            // a type offered only above the highest bid as its Tout variant is played Tout
            b.tout = Z().angesagt >= 1 && spielWert(b.typ, false) <= spielWert(Z().hoechstes) ? 1 : 0;
            // the caption of the pressed button names the game as chosen ("...-Tout")
            for (int i = 1; i <= std::min<int>(g.entscheidung.knopfAnzahl, 8); ++i)
                if (g.entscheidung.code(i) == a.wert) b.titel = g.entscheidung.texte[i].str();
            g.phase.fluss1 = braucheFarbe(b.typ) ? 2 : 4;
            return;
        }
        case 2:
            g.phase.fluss1 = 3;
            sd::fragen(g, 91);
            return;
        case 3:
            if (a.art != central::kKnopf || !sd::angeboten(g, a.wert) || a.wert < 1 || a.wert > 4) {
                sd::fragen(g, 91);
                return;
            }
            b.farbe = static_cast<uint8_t>(a.wert);
            g.phase.fluss1 = 4;
            return;
        case 4:
            if (b.typ >= kSolo && b.typ <= kFarbgeier && !b.tout && O().tout) {
                g.phase.fluss1 = 5;
                sd::fragen(g, 94);
                return;
            }
            zurueck();
            return;
        case 5:
            if (a.art != central::kKnopf || !sd::angeboten(g, a.wert)) {
                sd::fragen(g, 94);
                return;
            }
            b.tout = a.wert == 94 ? 1 : 0;
            zurueck();
            return;
        default:
            zurueck();
            return;
    }
}

void spielStarten(TCG& g) {
    Z().stichKarte = 1;
    Z().stichNr = 1;
    Z().stichAnz = 0;
    // The seat after the dealer leads, as it was the first asked in the bidding.
    Z().anspieler = naechster(g.geber);
    g.aktSpieler = Z().anspieler;
    g.phase.nr = kStiche;
    g.phase.schritt = 1;
}

void spielFestlegen(TCG& g) {
    spiel() = Z().hoechstes;
    Z().spieler = Z().bieter;
    Z().gewerteterSpieler = Z().bieter;
    trumpfSetzen();
    const Ordnung& o = ordnung();
    const int partner = asHalter();
    for (int s = 1; s <= 4; ++s) {
        std::vector<karte> seite = gegeben(s), gegner;
        const bool mitPartner = s == Z().spieler && partner != 0 && partner != s;
        if (mitPartner) {
            const auto p = gegeben(partner);
            seite.insert(seite.end(), p.begin(), p.end());
        }
        for (int x = 1; x <= 4; ++x)
            if (x != s && !(mitPartner && x == partner)) {
                const auto h = gegeben(x);
                gegner.insert(gegner.end(), h.begin(), h.end());
            }
        sitz(s).laufende = laufende(o, seite, gegner);
    }
    sd::sortieren(1, ordnung());
    parteiEreignis(0, 0);
    if (spiel().typ == kRamsch) {
        for (int s = 1; s <= 4; ++s) parteiEreignis(10, s);
    } else if (spiel().typ == kRufspiel) {
        parteiEreignis(5, Z().spieler);
        for (int s = 1; s <= 4; ++s)
            if (s != Z().spieler) parteiEreignis(9, s);
    } else {
        parteiEreignis(5, Z().spieler);
        for (int s = 1; s <= 4; ++s)
            if (s != Z().spieler) parteiEreignis(4, s);
    }
    spielStarten(g);
    if (O().kontra && spiel().typ != kRamsch) {
        g.phase.nr = kKontra;
        g.phase.schritt = 0;
        g.phase.fluss1 = 0;
        g.phase.fluss2 = 0;
    }
}

void spielEnde(TCG& g);

void keinSpiel(TCG& g) {
    if (O().ramsch) {
        Z().hoechstes = TSchafkopfSpiel{};
        Z().hoechstes.typ = kRamsch;
        Z().bieter = naechster(g.geber);
        sd::sagen("Ramsch", g.aktSpieler, 1);
        Z().gebote = 3;
        spielFestlegen(g);
        Z().spieler = 0;
        Z().gewerteterSpieler = 0;
        return;
    }
    sd::sagen("Kein Spiel", g.aktSpieler, 1);
    spielEnde(g);
}

// ---------------------------------------------------------------------------------------------
// Kontra and Re: a lap offering Kontra to the seats that know themselves against the declarer,
// then, after a Kontra, a lap offering Re to the declarer's side.

void kontraPhase(TCG& g) {
    const sd::Aktion a = sd::nehmen(g);
    const int seat = g.aktSpieler;
    if (g.phase.fluss2 == 1) {
        const int art = Z().kontra == 0 ? 44 : 63;
        if (a.art != central::kKnopf || !sd::angeboten(g, a.wert)) {
            sd::fragen(g, art);
            return;
        }
        g.phase.fluss2 = 0;
        if (a.wert > 0) {
            Z().kontra += 1;
            parteiEreignis(Z().kontra == 1 ? 4 : 5, seat);
            if (parteienOffen()) {
                const bool spielerSeite = seat == Z().spieler;
                sd::kommentar(false, spielerSeite ? 6 : 5, seat, spielerSeite ? 2 : 1);
            }
            sd::sagen(Z().kontra == 1 ? "Kontra" : "Re", seat, 1);
            g.phase.fluss1 += 1;  // the next lap
            g.phase.schritt = 0;
            return;
        }
        ++g.phase.schritt;
        return;
    }
    if (g.phase.schritt >= 4) {
        g.phase.fluss1 += 1;
        g.phase.schritt = 0;
    }
    if (g.phase.fluss1 >= 2 || (g.phase.fluss1 == 1 && Z().kontra == 0)) {
        spielStarten(g);
        return;
    }
    const int s = naechster(Z().spieler, g.phase.schritt + 1);
    if (!kontraErlaubt(s)) {
        ++g.phase.schritt;
        return;
    }
    g.aktSpieler = s;
    g.phase.fluss2 = 1;
    sd::fragen(g, Z().kontra == 0 ? 44 : 63);
}

// ---------------------------------------------------------------------------------------------
// Tricks

std::vector<karte> stichListe() { return std::vector<karte>(Z().stich, Z().stich + Z().stichAnz); }

void stiche(TCG& g) {
    switch (g.phase.schritt) {
        case 1: {
            bool leer = true;
            for (int s = 1; s <= 4; ++s) leer = leer && sd::anz(s) == 0;
            if (leer) {
                spielEnde(g);
                return;
            }
            g.phase.schritt = 2;
            sd::fragen(g, 47);
            return;
        }
        case 2: {
            const sd::Aktion a = sd::nehmen(g);
            const int seat = g.aktSpieler;
            const int slot = a.art == central::kKarte && a.wert >= 1 && a.wert <= sd::anz(seat) ? a.wert : 0;
            const auto erlaubt = spielbareKarten();
            const karte k = slot ? sd::st(seat).at(slot).c : karte{};
            if (!slot ||
                std::none_of(erlaubt.begin(), erlaubt.end(), [&](const karte& x) { return gleich(x, k); })) {
                g.phase.schritt = 2;
                sd::fragen(g, 47);
                return;
            }
            if (spiel().typ == kRufspiel && k.t == kAs && k.f == spiel().farbe) {
                Z().asGespielt = 1;
                if (seat == Z().spieler) Z().eigenesAs = 1;
            }
            karte mitSitz{k.t, k.f, static_cast<uint16_t>(seat)};
            if (Z().stichAnz == 0) Z().anspieler = seat;
            Z().stich[Z().stichAnz++] = mitSitz;
            Z().stichKarte += 1;
            sd::ausspielen(seat, slot, Z().stichAnz);
            parteiEreignis(2, seat);
            if (Z().stichAnz < 4) {
                g.aktSpieler = naechster(seat);
                g.phase.schritt = 1;
            } else {
                g.phase.schritt = 555;
            }
            return;
        }
        case 555:
            panel::text(g.aktSpieler, "");
            g.phase.schritt = 4;
            return;
        case 4: {
            const auto st = stichListe();
            const int sieger = st[static_cast<size_t>(stichSieger(ordnung(), st))].nr;
            g.aktSpieler = sieger;
            if (spiel().typ != kBettel && spiel().typ != kRamsch) {
                if (rnd::uniform() >= 0.5)
                    sd::kommentar(false, 1, sieger, augenSumme(st));
                else
                    sd::kommentar(false, 2, sd::gegenueber(Z().sichten[0], sieger), augenSumme(st));
            }
            parteiEreignis(8, 0);
            sd::stichEinsammeln(sieger + 6);
            g.phase.schritt = 5;
            return;
        }
        case 5: {
            const int sieger = g.aktSpieler;
            // cards still on the trick pile (a game loaded while they flew) follow now
            if (sd::anz(sd::kStich) > 0) {
                sd::stichEinsammeln(sieger + 6);
                return;
            }
            Z().stichAnz = 0;
            Z().stichKarte = 1;
            Z().stichNr += 1;
            g.phase.schritt = 1;
            // A Bettel ends with the declarer's first trick, a Tout with the first he loses: the
            // declarer of the Bettel groans, the seat that broke the Tout cheers.
            if (spiel().typ == kBettel && sd::anz(Z().spieler + 6) > 0) {
                sd::kommentar(false, 4, Z().spieler, 0);
                spielEnde(g);
            }
            bool andere = false;
            for (int s = 1; s <= 4; ++s) andere = andere || (s != Z().spieler && sd::anz(s + 6) > 0);
            if (spiel().tout && andere && g.phase.nr == kStiche) {
                sd::kommentar(false, 3, sieger, 0);
                spielEnde(g);
            }
            return;
        }
        default:
            g.phase.schritt = 1;
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// End of a deal

Statistik g_statistik;

void spielEnde(TCG& g) {
    Abrechnung a;
    a.spiel = spiel();
    a.niemandSpielt = spiel().typ == kKeinSpiel;
    a.spieler = Z().spieler;
    a.gewerteterSpieler = Z().gewerteterSpieler;
    const int partner = asHalter();
    // the declarer who called an ace he holds himself plays alone, shown or not
    a.eigenesAs = spiel().typ == kRufspiel && partner == Z().spieler;
    a.kontra = Z().kontra;
    a.laufendeZaehlen = O().laufende != 0;
    a.laufende = Z().spieler >= 1 ? sitz(Z().spieler).laufende : 0;
    a.soloWert = O().soloWert > 0 ? O().soloWert : 2;
    for (int s = 1; s <= 4; ++s) {
        a.stiche[static_cast<size_t>(s)] = sd::karten(s + 6);
        a.namen[static_cast<size_t>(s)] = sd::name(s);
        a.spielerPartei[static_cast<size_t>(s)] =
            spiel().typ != kRamsch && (s == Z().spieler || s == partner);
    }
    g_ergebnis = abrechnen(a);
    if (a.niemandSpielt || spiel().typ == kRamsch)
        ++g_statistik.ohneSpieler;
    else if (spiel().tout)
        ++(g_ergebnis.gewonnen ? g_statistik.toutGewonnen : g_statistik.toutVerloren);
    else
        ++(g_ergebnis.gewonnen ? g_statistik.gewonnen : g_statistik.verloren);
    if (!a.niemandSpielt && spiel().typ == kRufspiel)
        ++(g_ergebnis.gewonnen ? g_statistik.rufGewonnen : g_statistik.rufVerloren);
    Z().ende = 1;
    g.antwort.art = sd::kNichts;
    // booked first: an unattended developer run starts the next deal inside the score table
    g.phase.nr = sd::kPhaseEnde;
    spielliste::punkteTabelle(g, g_ergebnis, false);
}

}  // namespace

// ---------------------------------------------------------------------------------------------

const Ordnung& ordnung() {
    // built once per game: the flow and the table ask for it many times a frame
    static Ordnung o = trumpfOrdnung(kKeinSpiel, 0);
    static int typ = kKeinSpiel, farbe = 0;
    if (spiel().typ != typ || spiel().farbe != farbe) {
        typ = spiel().typ;
        farbe = spiel().farbe;
        o = trumpfOrdnung(typ, farbe);
    }
    return o;
}

std::vector<karte> spielbareKarten() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4) return {};
    return schafkopf::spielbareKarten(ordnung(), spiel(), sd::karten(seat), stichListe());
}

bool bietenBeendet() {
    const int v = spielWert(Z().hoechstes);
    bool sieMoeglich = false;
    for (int s = 1; s <= 4; ++s) sieMoeglich = sieMoeglich || sieHand(gegeben(s));
    for (int tout = 0; tout <= 1; ++tout)
        for (int typ = 1; typ <= 8; ++typ) {
            if (tout && !O().tout) continue;
            if (typ == kSie && (!O().sie || !sieMoeglich)) continue;
            if (typ == kBettel && !O().bettel) continue;
            if (typ == kFarbwenz && !O().farbwenz) continue;
            if (typ == kFarbgeier && !O().farbgeier) continue;
            if (spielWert(typ, tout != 0) > v) return false;
        }
    return true;
}

bool kontraErlaubt(int seat) {
    if (seat < 1 || seat > 4 || spiel().typ == kRamsch || spiel().typ == kKeinSpiel) return false;
    const int selbst = Z().sichten[seat].code[seat - 1];
    if (Z().kontra == 0) return O().kontra && selbst == 11;
    if (Z().kontra == 1) return O().re && selbst == 10;
    return false;
}

void parteiEreignis(int ereignis, int wert) {
    switch (ereignis) {
        case 0:
            oeffentlichBauen();
            for (int v = 1; v <= 4; ++v) Z().sichten[v] = Z().sichten[0];
            break;
        case 1:
            oeffentlichBauen();
            for (int v = 1; v <= 4; ++v) Z().sichten[v] = Z().sichten[0];
            for (TParteiSicht& v : Z().sichten) sd::folgern(v);
            break;
        case 2:
            if (spiel().typ == kRufspiel && wert >= 1 && wert <= 4) {
                const karte k = Z().stich[Z().stichAnz - 1];
                if (k.t == kAs && k.f == spiel().farbe) {
                    if (wert == Z().spieler) {
                        Z().eigenesAs = 1;
                        for (int s = 1; s <= 4; ++s)
                            if (s != wert) sichtSetzen(s, 11);
                    } else {
                        sichtSetzen(wert, 10);
                    }
                }
            }
            break;
        case 4:
            if (wert >= 1 && wert <= 4) sichtSetzen(wert, 11);
            break;
        case 5:
            if (wert >= 1 && wert <= 4) sichtSetzen(wert, 10);
            break;
        case 8:
            for (TParteiSicht& v : Z().sichten) sd::folgern(v);
            break;
        case 9:
            if (wert >= 1 && wert <= 4) {
                sichtSetzen(wert, 9);
                bool hatAs = false;
                for (const karte& k : gegeben(wert)) hatAs = hatAs || (k.t == kAs && k.f == spiel().farbe);
                Z().sichten[wert].code[wert - 1] = Z().sichten[wert].code2[wert - 1] = hatAs ? 10 : 11;
            }
            break;
        case 10:
            if (wert >= 1 && wert <= 4) sichtSetzen(wert, 0);
            break;
        default:
            break;
    }
}

int parteiCode(int seat, int sicht) {
    return sd::parteiCode(Z().sichten, seat, sicht, "schafkopf.parteievt");
}

bool parteienOffen() {
    const int typ = spiel().typ;
    return (typ != kKeinSpiel && typ != kRufspiel && typ != kRamsch) || Z().eigenesAs;
}

bool dealVorbei(const TCG& g) { return g.spielId == spiele::kSchafkopf && g.phase.nr == sd::kPhaseEnde; }
const Statistik& statistik() { return g_statistik; }

const TGameResult& letztesErgebnis() { return g_ergebnis; }
void abrechnungText(const TGameResult& r, std::string& text) { text = r.text2; }
bool partieEnde() { return sd::partieEnde(O().runden, O().punkte); }
void limitText(std::string& text) { text = sd::limitText(O().runden, O().punkte); }
void highscoreText(std::string& text) { text = sd::highscoreText(spiele::kSchafkopf); }

void (*optionenLesen)() = nullptr;

void optionenStandard() {
    TSchafkopfOptionen& o = O();
    o = TSchafkopfOptionen{};
    o.runden = 10;
    o.punkte = 0;
    o.geber = 1;
    o.geldIndex = 1;
    o.tout = o.sie = o.kontra = o.re = o.laufende = 1;
    o.soloWert = 5;
}

int centProPunkt(int geldIndex) {
    static constexpr int kCent[] = {0, 1, 2, 5, 10, 20, 50};
    return geldIndex >= 1 && geldIndex <= 7 ? kCent[geldIndex - 1] : 0;
}

bool optionSetzen(const std::string& name, int wert) {
    if (O().runden == 0) optionenStandard();
    TSchafkopfOptionen& o = O();
    const uint8_t an = wert != 0;
    struct Schalter {
        const char* name;
        uint8_t* feld;
    };
    const Schalter schalter[] = {{"Tout", &o.tout},
                                 {"Farbgeier", &o.farbgeier},
                                 {"Farbwenz", &o.farbwenz},
                                 {"Bettel", &o.bettel},
                                 {"Sie", &o.sie},
                                 {"Kontra", &o.kontra},
                                 {"Re", &o.re},
                                 {"Ramsch", &o.ramsch},
                                 {"Laufende", &o.laufende},
                                 {"StillesSolo", &o.stillesSolo}};
    for (const auto& s : schalter)
        if (name == s.name) {
            *s.feld = an;
            return true;
        }
    if (name == "Runden") {
        o.runden = std::clamp(wert, 1, 200);
    } else if (name == "Punkte") {
        o.punkte = std::max(wert, 0);
    } else if (name == "Geld") {
        o.geldIndex = std::clamp(wert, 1, 7);
        o.centProPunkt = centProPunkt(o.geldIndex);
    } else if (name == "Spielwert") {
        o.soloWert = wert == 4 || wert == 5 ? wert : 2;
    } else {
        return false;
    }
    return true;
}

void neuesSpiel(bool frisch) {
    if (O().runden == 0) optionenStandard();
    if (frisch && optionenLesen) optionenLesen();
    if (frisch) g_statistik = Statistik{};
    spiel() = TSchafkopfSpiel{};
    Z() = TSchafkopfZustand{};
    Z().stichKarte = 1;
    trumpfSetzen();
    sd::dealBeginnen(frisch, O().geber, kartenSatz());
    parteiEreignis(0, 0);
    anzeigeAktualisieren();
}

void spielSchritt(TCG& g) {
    switch (g.phase.nr) {
        case kStart:
            g.phase.nr = kGeben;
            g.phase.schritt = 0;
            g.phase.fluss1 = 0;
            g.phase.fluss2 = 0;
            break;
        case kGeben:
            geben(g);
            break;
        case kBieten:
            bieten(g);
            break;
        case kWahl:
            wahl(g);
            break;
        case kKontra:
            kontraPhase(g);
            break;
        case kStiche:
            stiche(g);
            break;
        default:
            break;
    }
    anzeigeAktualisieren();
}

namespace {
void spielPruefen(blockpruefung::Befund& b, const TSchafkopfSpiel& s, const std::string& was) {
    b.zahl(s.typ, 0, 9, was);
    b.zahl(s.farbe, 0, 4, was + ": Farbe");
}
}  // namespace

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {4, 4, 10, 4, 8});
    const TSchafkopfZustand& z = g.schafkopf.z;
    spielPruefen(b, z.hoechstes, "Gebot");
    spielPruefen(b, g.schafkopf.spiel, "Spiel");
    for (int s = 0; s < 4; ++s) spielPruefen(b, z.sitz[s].gebot, "Gebot von Spieler " + text::fromInt(s + 1));
    b.zahl(z.bieter, 0, 4, "Bieter");
    b.zahl(z.erster, 0, 4, "erster Bieter");
    b.zahl(z.zweiter, 0, 4, "zweiter Bieter");
    b.zahl(z.gebote, 0, 4, "Gebote");
    b.zahl(z.spieler, 0, 4, "Spieler");
    b.zahl(z.gewerteterSpieler, 0, 4, "Spieler");
    b.zahl(z.kontra, 0, 2, "Kontra");
    sd::stichePruefen(b, z, g.schafkopf.spiegel, 8);
    return b.text();
}

void spielLaden() {
    sd::tischLaden(Z().stich, Z().stichAnz);
    trumpfSetzen();
    sd::frageWiederholen(cg);
    anzeigeAktualisieren();
}

void vorschau(int art, int code) {
    if (cg.aktSpieler != 1 || cg.phase.nr != kWahl) return;
    int typ = 0, farbe = 0;
    if (art == 92) {
        typ = code == 43 ? kRufspiel : code;  // passing keeps the order of the plain game
    } else if (art == 91) {
        typ = sitz(1).gebot.typ;
        if (typ == kRufspiel) return;  // the called suit leaves the order as it is
        farbe = code;
    }
    if (typ < kSie || typ > kRufspiel || farbe < 0 || farbe > 4) return;
    sd::sortieren(1, trumpfOrdnung(typ, farbe));
}

bool spielbar(const TKartenSlot& slot) {
    if (cg.phase.nr != kStiche) return false;
    return sd::enthalten(spielbareKarten(), slot.c);
}

bool passtAuf(const karte& card, const karte& lead, int) {
    return cg.phase.nr == kStiche && bedient(ordnung(), card, lead);
}

// ---------------------------------------------------------------------------------------------
// Computer seats and whole-game runs

namespace {

void antworten(bool zufall) {
    sd::antworten(zufall, cg.phase.fluss3 == 47 && cg.phase.nr == kStiche, spielbareKarten());
}

}  // namespace

// A seat of level 0 (the yardstick of whole-game runs) picks uniformly among its legal answers;
// the others are the computer player's.
void kiTick() {
    if (sd::zufallsStufe(cg.aktSpieler))
        antworten(true);
    else
        schafkopfki::kiTick();
}
void zufallsAntwort() { antworten(true); }
void schlichteAntwort() { antworten(false); }

// The check runs after every frame of a whole-game run: the deck is built once.
bool kartenErhalten(std::string& warum) {
    static const std::vector<karte> satz = kartenSatz();
    return sd::kartenErhalten(satz, warum);
}

bool dealPruefen(const int32_t kontoVorher[5], std::string& warum) {
    int alle = 0;
    for (int s : {1, 2, 3, 4, 7, 8, 9, 10, sd::kTalon, sd::kStich}) alle += augenSumme(sd::karten(s));
    return sd::dealPruefen(g_ergebnis, alle, 120, kontoVorher, warum);
}

namespace {

bool spielbarHook(const TKartenSlot& s) { return spielbar(s); }
bool istTrumpfHook(const karte& k) { return istTrumpf(ordnung(), k); }

entscheidung::SchafkopfLage lage(int seat) {
    entscheidung::SchafkopfLage l;
    const TSchafkopfOptionen& o = O();
    l.tout = o.tout;
    l.farbgeier = o.farbgeier;
    l.farbwenz = o.farbwenz;
    l.bettel = o.bettel;
    l.sie = o.sie;
    l.eigenesAs = o.stillesSolo;
    l.fuehrt = Z().stichAnz == 0;
    l.stufe = Z().angesagt >= 1 ? 2 : Z().gebote;
    // a seat choosing after a game was named may always pass
    l.wahlen = Z().angesagt >= 1 ? 1 : 0;
    l.eigenerTyp = seat >= 1 && seat <= 4 ? sitz(seat).gebot.typ : 0;
    l.hoechsterWert = spielWert(Z().hoechstes);
    if (Z().bieter >= 1) l.hoechsterSpieler = sd::name(Z().bieter);
    l.hoechstesSpiel = spielName(Z().hoechstes);
    if (Z().erster >= 1) l.ersterSpieler = sd::name(Z().erster);
    l.spielWert = [](int typ, int, bool tout) { return spielWert(typ, tout); };
    return l;
}

}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = kiTick;
    e.nachZug = schafkopfki::nachZug;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = partieEnde;
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kSchafkopf, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.spielbar[spiele::kSchafkopf] = spielbarHook;
    t.passtAuf[spiele::kSchafkopf] = passtAuf;
    seams::spiele.schafkopfIstTrumpf = istTrumpfHook;
    entscheidung::fragen.schafkopf = lage;
    spielliste::anbindung.schafkopfCent = [] { return static_cast<int>(O().centProPunkt); };
    entscheidung::fragen.handVon = glu::handVonSitz;
    sd::markenAnmelden();
}

}  // namespace schafkopf
