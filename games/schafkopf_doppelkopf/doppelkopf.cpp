// The Doppelkopf phase machine: one step per frame while nothing is pending. Every choice, the
// human's click and the computer seat's alike, arrives as the stored action of central::antwort
// and is checked against what the open question offered.
#include "games/schafkopf_doppelkopf/doppelkopf.h"

#include <algorithm>

#include "core/blockpruefung.h"
#include "core/central.h"
#include "core/entscheidung.h"
#include "core/panel.h"
#include "core/seams.h"
#include "core/spiele.h"
#include "games/schafkopf_doppelkopf/doppelkopf_ki.h"
#include "games/schafkopf_doppelkopf/sd_anzeige.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/tischhooks.h"

namespace doppelkopf {

namespace {

using sd::naechster;

enum Phase : uint8_t { kStart = 0, kGeben = 1, kVorbehalt = 3, kStiche = 4, kAufloesung = 7, kAnsagen = 8 };

TGameResult g_ergebnis;

TDoppelkopfZustand& Z() { return cg.doppelkopf.z; }
TDoppelkopfOptionen& O() { return cg.doppelkopf.optionen; }
TDoppelkopfSitz& sitz(int seat) { return Z().sitz[seat - 1]; }

std::vector<karte> gegeben(int seat) {
    return std::vector<karte>(Z().gegeben[seat - 1], Z().gegeben[seat - 1] + 12);
}

bool istKreuzDame(const karte& k) { return k.t == kDame && k.f == kKreuz; }

int kreuzDamen(const std::vector<karte>& h) {
    return static_cast<int>(std::count_if(h.begin(), h.end(), istKreuzDame));
}

std::array<bool, 5> stufenErlaubt() {
    std::array<bool, 5> r{};
    for (int i = 0; i < 5; ++i) r[static_cast<size_t>(i)] = O().stufen[i] != 0;
    return r;
}


void trumpfSetzen() { sd::kartenwerteSetzen(ordnung().rang); }

// ---------------------------------------------------------------------------------------------
// Party views

bool soloLaeuft() { return Z().soloTyp != kNormal; }

void folgern(TParteiSicht& v) {
    if (v.spielTyp == 0) sd::folgern(v);  // a solo leaves nothing to infer
}

void sichtSetzen(int seat, int code) {
    for (TParteiSicht& v : Z().sichten) {
        v.code[seat - 1] = v.code2[seat - 1] = code;
        if (soloLaeuft())
            for (int s = 1; s <= 4; ++s)
                if (s != seat && s != Z().solist) v.code[s - 1] = v.code2[s - 1] = 11;
    }
}

void oeffentlichBauen() {
    TParteiSicht& v = Z().sichten[0];
    v = TParteiSicht{};
    for (int s = 1; s <= 4; ++s) {
        int c = 9;
        if (soloLaeuft())
            c = s == Z().solist ? 10 : 11;
        else if (Z().hochzeit == s)
            c = 10;
        v.code[s - 1] = v.code2[s - 1] = c;
    }
    v.spielTyp = Z().soloTyp;
    folgern(v);
}

// ---------------------------------------------------------------------------------------------
// Deal

void nachDemGeben(TCG& g) {
    for (int s = 1; s <= 4; ++s) sd::gegebenMerken(s, Z().gegeben[s - 1], 12);
    sd::sortieren(1, ordnung());
    g.phase.nr = kVorbehalt;
    g.phase.schritt = 0;
    g.phase.fluss1 = 0;
    g.phase.fluss2 = 0;
    parteiEreignis(1, 0);
}

void geben(TCG& g) {
    if (sd::geben(g, 12, 3)) nachDemGeben(g);
}

// ---------------------------------------------------------------------------------------------
// Reservations: a first lap "Gesund" or "Vorbehalt", a second lap asking each reserving seat
// for a solo or (holding both Kreuz-Damen) a Hochzeit.

void spielBeginnt(TCG& g);

void vorbehalt(TCG& g) {
    const sd::Aktion a = sd::nehmen(g);
    const int seat = g.aktSpieler;
    if (g.phase.fluss2 == 1) {
        const int art = g.phase.fluss1 == 0 ? 66 : 84;
        if (a.art != central::kKnopf || !sd::angeboten(g, a.wert)) {
            sd::fragen(g, art);
            return;
        }
        g.phase.fluss2 = 0;
        if (g.phase.fluss1 == 0) {
            sitz(seat).vorbehalt = a.wert != 66;
            sd::sagen(a.wert == 66 ? "Gesund" : "Vorbehalt", seat, a.wert == 66 ? 13 : 1);
        } else {
            sitz(seat).soloVorbehalt = a.wert == 86;
            sitz(seat).hochzeitVorbehalt = a.wert == 87;
        }
        ++g.phase.schritt;
        return;
    }
    if (g.phase.schritt >= 4) {
        if (g.phase.fluss1 == 0) {
            g.phase.fluss1 = 1;
            g.phase.schritt = 0;
        } else {
            g.phase.nr = kAufloesung;
            g.phase.schritt = 0;
            return;
        }
    }
    const int s = naechster(g.geber, g.phase.schritt + 1);
    if (g.phase.fluss1 == 1 && !sitz(s).vorbehalt) {
        ++g.phase.schritt;
        return;
    }
    g.aktSpieler = s;
    Z().darfHeiraten = kreuzDamen(gegeben(s)) == 2;
    g.phase.fluss2 = 1;
    if (g.phase.fluss1 == 1) sitz(s).soloVorbehalt = sitz(s).hochzeitVorbehalt = 0;
    sd::fragen(g, g.phase.fluss1 == 0 ? 66 : 84);
}

void aufloesung(TCG& g) {
    const sd::Aktion a = sd::nehmen(g);
    switch (g.phase.schritt) {
        case 0:
            for (int i = 1; i <= 4; ++i) {
                const int s = naechster(g.geber, i);
                if (sitz(s).soloVorbehalt) {
                    Z().solist = s;
                    g.aktSpieler = s;
                    g.phase.schritt = 2;
                    sd::fragen(g, 88);
                    return;
                }
            }
            for (int i = 1; i <= 4; ++i) {
                const int s = naechster(g.geber, i);
                if (sitz(s).hochzeitVorbehalt && kreuzDamen(gegeben(s)) == 2) {
                    Z().hochzeit = s;
                    Z().solist = s;
                    g.aktSpieler = s;
                    // every other seat's side is open again until the partner is found
                    parteiEreignis(1, 0);
                    parteiEreignis(5, s);
                    sd::sagen("Hochzeit mit 1. fremden Stich", s, 1);
                    break;
                }
            }
            g.phase.schritt = 3;
            return;
        case 2:
            if (a.art != central::kKnopf || !sd::angeboten(g, a.wert) || a.wert < 1 || a.wert > 8) {
                sd::fragen(g, 88);
                return;
            }
            Z().soloTyp = a.wert;
            trumpfSetzen();
            sd::sortieren(1, ordnung());
            parteiEreignis(1, 0);
            sd::sagen(text::toUtf8(soloName(a.wert)), Z().solist, 100);
            g.phase.schritt = 3;
            return;
        default:
            spielBeginnt(g);
            return;
    }
}

void spielBeginnt(TCG& g) {
    int vorhand = naechster(g.geber);
    if (soloLaeuft()) {
        if (O().soloAnzug == 1) vorhand = Z().solist;
        if (O().soloAnzug == 3) vorhand = naechster(Z().solist);
    }
    Z().anspieler = vorhand;
    Z().stichNr = 1;
    Z().stichKarte = 1;
    Z().stichAnz = 0;
    trumpfSetzen();
    g.aktSpieler = vorhand;
    g.phase.nr = kAnsagen;
    g.phase.schritt = 0;
    g.phase.fluss2 = 0;
}

// ---------------------------------------------------------------------------------------------
// Announcements

void ansagen(int seat) {
    const bool kontra = istKontra(seat);
    int32_t& stufe = kontra ? Z().kontraStufe : Z().reStufe;
    stufe = naechsteAnsage(stufe, stufenErlaubt());
    parteiEreignis(kontra ? 4 : 5, seat);
    if (soloLaeuft()) sd::kommentar(true, seat == Z().solist ? 6 : 5, seat, stufe);
    sd::sagen(ansageText(kontra, stufe), seat, 1);
}

// Before the first card every seat from the leader on may announce, and after an announcement
// it is asked again for the next level.
void ansagenVorher(TCG& g) {
    const sd::Aktion a = sd::nehmen(g);
    const int seat = g.aktSpieler;
    if (g.phase.fluss2 == 1) {
        if (a.art != central::kKnopf || !sd::angeboten(g, a.wert)) {
            sd::fragen(g, 89);
            return;
        }
        g.phase.fluss2 = 0;
        if (a.wert == 89) {
            ansagen(seat);
            return;  // the same seat again
        }
        sd::sagen("Keine Ansage", seat, 1);
        ++g.phase.schritt;
        return;
    }
    const int s = naechster(Z().anspieler, g.phase.schritt);
    if (g.phase.schritt >= 4) {
        g.aktSpieler = Z().anspieler;
        g.phase.nr = kStiche;
        g.phase.schritt = 1;
        return;
    }
    if (!ansageErlaubtSitz(s)) {
        ++g.phase.schritt;
        return;
    }
    g.aktSpieler = s;
    g.phase.fluss2 = 1;
    Z().fragen += 1;
    sd::fragen(g, 89);
}

// ---------------------------------------------------------------------------------------------
// Tricks

std::vector<karte> stichListe() { return std::vector<karte>(Z().stich, Z().stich + Z().stichAnz); }

// Whether the trick brought a special point.
bool sonderpunkte(int sieger) {
    if (soloLaeuft()) return false;
    bool sonder = false;
    TDoppelkopfSitz& w = sitz(sieger);
    const auto st = stichListe();
    if (O().karlchen && sd::anz(sieger) == 0)
        for (const karte& k : st)
            if (k.nr == sieger && k.t == kBube && k.f == kKreuz) {
                w.karlchen = 1;
                sonder = true;
            }
    if (O().doppelkopf && augenSumme(st) >= 40) {
        sonder = true;
        w.doppelkopf = 1;
        w.doppelkopfAnz += 1;
    }
    if (O().fuchs)
        for (const karte& k : st)
            if (k.nr != sieger && k.t == kAs && k.f == kKaro) {
                // whose side the victim is on is judged at the settlement by the true parties
                sonder = true;
                if (!w.fuchs1) {
                    w.fuchs1 = 1;
                    w.fuchs1Opfer = k.nr;
                } else if (!w.fuchs2) {
                    w.fuchs2 = 1;
                    w.fuchs2Opfer = k.nr;
                }
            }
    return sonder;
}

void hochzeitPruefen(int sieger) {
    if (!hochzeitOffen() || Z().stichNr > 3) return;
    if (sieger != Z().hochzeit) {
        parteiEreignis(6, sieger);
        sd::sagen("Hochzeit mit " + text::toUtf8(sd::name(Z().hochzeit)), sieger, 23);
    } else if (Z().stichNr == 3) {
        parteiEreignis(7, sieger);
    }
}

void spielEnde(TCG& g);

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
            Z().fragen += 1;
            sd::fragen(g, 47);
            return;
        }
        case 2: {
            const sd::Aktion a = sd::nehmen(g);
            const int seat = g.aktSpieler;
            if (a.art == central::kKnopf && a.wert == 0 && ansageErlaubtSitz(seat)) {
                ansagen(seat);
                sd::fragen(g, 47);
                return;
            }
            const int slot = a.art == central::kKarte && a.wert >= 1 && a.wert <= sd::anz(seat) ? a.wert : 0;
            const auto erlaubt = spielbareKarten();
            const karte k = slot ? sd::st(seat).at(slot).c : karte{};
            if (!slot ||
                std::none_of(erlaubt.begin(), erlaubt.end(), [&](const karte& x) { return gleich(x, k); })) {
                sd::fragen(g, 47);
                return;
            }
            if (Z().stichAnz == 0) Z().anspieler = seat;
            Z().stich[Z().stichAnz++] = karte{k.t, k.f, static_cast<uint16_t>(seat)};
            Z().stichKarte += 1;
            sd::ausspielen(seat, slot, Z().stichAnz);
            if (istKreuzDame(k)) sitz(seat).kreuzDamen += 1;
            parteiEreignis(2, seat);
            // Both Kreuz-Damen in one hand without a Hochzeit: the seat has played alone all along.
            if (istKreuzDame(k) && sitz(seat).kreuzDamen == 2 && !soloLaeuft() && Z().hochzeit == 0)
                parteiEreignis(7, seat);
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
            const int sieger = st[static_cast<size_t>(stichSieger(ordnung(), st, O().zweiteDulle != 0))].nr;
            g.aktSpieler = sieger;
            const bool sonder = sonderpunkte(sieger);
            const int gegner = sd::gegenueber(Z().sichten[0], sieger);
            // One draw: a special trick lets the opponent speak at 0.5 or more, an ordinary
            // one the winner.
            const bool oben = rnd::uniform() >= 0.5;
            if (sonder)
                sd::kommentar(true, oben ? 2 : 1, oben ? gegner : sieger, 0);
            else if (oben)
                sd::kommentar(true, 3, sieger, augenSumme(st));
            else
                sd::kommentar(true, 4, gegner, augenSumme(st));
            hochzeitPruefen(sieger);
            parteiEreignis(8, 0);
            sd::stichEinsammeln(sieger + 6);
            g.phase.schritt = 5;
            return;
        }
        case 5: {
            // cards still on the trick pile (a game loaded while they flew) follow now
            if (sd::anz(sd::kStich) > 0) {
                sd::stichEinsammeln(g.aktSpieler + 6);
                return;
            }
            Z().stichAnz = 0;
            Z().stichKarte = 1;
            Z().stichNr += 1;
            g.phase.schritt = 1;
            return;
        }
        default:
            g.phase.schritt = 1;
            return;
    }
}

// ---------------------------------------------------------------------------------------------
// End of a deal

std::array<bool, 5> wahreParteien() {
    std::array<bool, 5> re{};
    for (int s = 1; s <= 4; ++s) {
        if (soloLaeuft())
            re[static_cast<size_t>(s)] = s == Z().solist;
        else if (Z().hochzeit)
            re[static_cast<size_t>(s)] = s == Z().hochzeit || s == Z().partner;
        else
            re[static_cast<size_t>(s)] = kreuzDamen(gegeben(s)) > 0;
    }
    return re;
}

Statistik g_statistik;

void spielEnde(TCG& g) {
    Abrechnung a;
    a.re = wahreParteien();
    a.solist = soloLaeuft() ? Z().solist : 0;
    a.soloTyp = Z().soloTyp;
    a.reStufe = Z().reStufe;
    a.kontraStufe = Z().kontraStufe;
    for (int s = 1; s <= 4; ++s) {
        const int p = augenSumme(sd::karten(s + 6));
        (a.re[static_cast<size_t>(s)] ? a.reAugen : a.kontraAugen) += p;
        a.namen[static_cast<size_t>(s)] = sd::name(s);
        const TDoppelkopfSitz& x = sitz(s);
        Sonderpunkte& sp = a.sonder[static_cast<size_t>(s)];
        sp.fuchsOpfer[0] = x.fuchs1 ? x.fuchs1Opfer : 0;
        sp.fuchsOpfer[1] = x.fuchs2 ? x.fuchs2Opfer : 0;
        sp.doppelkopf = x.doppelkopfAnz;
        sp.karlchen = x.karlchen != 0;
    }
    g_ergebnis = abrechnen(a);
    if (a.solist != 0) {
        // A solo carries no special points, so the soloist's amount is negative only when lost;
        // a draw leaves the soloist among the winners.
        const bool gewonnen = g_ergebnis.at(a.solist) >= 0;
        Statistik& st = g_statistik;
        if (a.soloTyp >= 1 && a.soloTyp <= kKaroSolo)  // suit solos 1..4
            ++(gewonnen ? st.farbsoloGewonnen : st.farbsoloVerloren);
        else if (a.soloTyp == kFleischlos)
            ++(gewonnen ? st.fleischlosGewonnen : st.fleischlosVerloren);
        else
            ++(gewonnen ? st.andereGewonnen : st.andereVerloren);
    }
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
    static Ordnung o = trumpfOrdnung(kNormal);
    static int typ = kNormal;
    if (Z().soloTyp != typ) {
        typ = Z().soloTyp;
        o = trumpfOrdnung(typ);
    }
    return o;
}

std::vector<karte> spielbareKarten() {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4) return {};
    return doppelkopf::spielbareKarten(ordnung(), sd::karten(seat), stichListe());
}

bool hochzeitOffen() { return Z().hochzeit != 0 && Z().partner == 0 && !soloLaeuft(); }

bool istKontra(int seat) {
    if (seat < 1 || seat > 4) return false;
    if (soloLaeuft()) return seat != Z().solist;
    if (kreuzDamen(gegeben(seat)) > 0) return false;
    return Z().sichten[0].code[seat - 1] != 10;
}

int naechsteAnsageSitz(int seat) {
    return naechsteAnsage(istKontra(seat) ? Z().kontraStufe : Z().reStufe, stufenErlaubt());
}

bool ansageErlaubtSitz(int seat) {
    if (seat < 1 || seat > 4) return false;
    return ansageErlaubt(naechsteAnsageSitz(seat), sd::anz(seat), hochzeitOffen(),
                         Z().geklaert ? Z().partnerKarten : 0);
}

void parteiEreignis(int ereignis, int wert) {
    const bool sitzOk = wert >= 1 && wert <= 4;
    switch (ereignis) {
        case 0:
            oeffentlichBauen();
            for (int v = 1; v <= 4; ++v) Z().sichten[v] = Z().sichten[0];
            break;
        case 1:
            oeffentlichBauen();
            for (int v = 1; v <= 4; ++v) {
                TParteiSicht& s = Z().sichten[v];
                s = Z().sichten[0];
                if (s.code[v - 1] == 9) {
                    if (kreuzDamen(gegeben(v)) > 0)
                        s.code[v - 1] = s.code2[v - 1] = 10;
                    else if (!hochzeitOffen())
                        s.code[v - 1] = s.code2[v - 1] = 11;
                }
                folgern(s);
            }
            break;
        case 2:
            if (sitzOk && !soloLaeuft() && Z().stichAnz >= 1 && istKreuzDame(Z().stich[Z().stichAnz - 1]))
                sichtSetzen(wert, 10);
            break;
        case 4:
            if (sitzOk) sichtSetzen(wert, 11);
            break;
        case 5:
            if (sitzOk) sichtSetzen(wert, 10);
            break;
        case 6:
            if (sitzOk) {
                Z().partner = wert;
                Z().geklaert = 1;
                Z().partnerKarten = sd::anz(wert);
                sitz(wert).hochzeitPartei = 1;
                sitz(Z().hochzeit).hochzeitPartei = 1;
                sichtSetzen(wert, 10);
            }
            break;
        case 7:
            if (sitzOk) {
                Z().soloTyp = kKaroSolo;
                Z().solist = wert;
                Z().stilles = 1;
                trumpfSetzen();
                sichtSetzen(wert, 4);
            }
            break;
        case 8:
            for (TParteiSicht& v : Z().sichten) folgern(v);
            break;
        default:
            break;
    }
}

int parteiCode(int seat, int sicht) {
    return sd::parteiCode(Z().sichten, seat, sicht, "doppelkopf.parteievt");
}

bool dealVorbei(const TCG& g) { return g.spielId == spiele::kDoppelkopf && g.phase.nr == sd::kPhaseEnde; }
const Statistik& statistik() { return g_statistik; }

const TGameResult& letztesErgebnis() { return g_ergebnis; }
void abrechnungText(const TGameResult& r, std::string& text) { text = r.text2; }
bool partieEnde() { return sd::partieEnde(O().runden, O().punkte); }
void limitText(std::string& text) { text = sd::limitText(O().runden, O().punkte); }
void highscoreText(std::string& text) { text = sd::highscoreText(spiele::kDoppelkopf); }

void (*optionenLesen)() = nullptr;

void optionenStandard() {
    TDoppelkopfOptionen& o = O();
    o = TDoppelkopfOptionen{};
    o.runden = 10;
    o.geber = 1;
    o.fuchs = o.doppelkopf = o.karlchen = 1;
    o.soloAnzug = 2;
    o.zweiteDulle = 1;
    for (uint8_t& s : o.stufen) s = 1;
}

bool optionSetzen(const std::string& name, int wert) {
    if (O().runden == 0) optionenStandard();
    TDoppelkopfOptionen& o = O();
    const uint8_t an = wert != 0;
    struct Schalter {
        const char* name;
        uint8_t* feld;
    };
    const Schalter schalter[] = {{"Fuchs", &o.fuchs},
                                 {"Doppelkopf", &o.doppelkopf},
                                 {"Karlchen", &o.karlchen},
                                 {"BubenDamensolo", &o.bubenDamenSolo},
                                 {"ZweiteDulle", &o.zweiteDulle},
                                 {"Re", &o.stufen[0]},
                                 {"Keine90", &o.stufen[1]},
                                 {"Keine60", &o.stufen[2]},
                                 {"Keine30", &o.stufen[3]},
                                 {"Schwarz", &o.stufen[4]}};
    for (const auto& s : schalter)
        if (name == s.name) {
            *s.feld = an;
            return true;
        }
    if (name == "Runden") {
        o.runden = std::clamp(wert, 1, 200);
    } else if (name == "Punkte") {
        o.punkte = std::max(wert, 0);
    } else if (name == "SoloAnzug") {
        o.soloAnzug = std::clamp(wert, 1, 3);
    } else {
        return false;
    }
    return true;
}

void neuesSpiel(bool frisch) {
    if (O().runden == 0) optionenStandard();
    if (frisch && optionenLesen) optionenLesen();
    if (frisch) g_statistik = Statistik{};
    Z() = TDoppelkopfZustand{};
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
        case kVorbehalt:
            vorbehalt(g);
            break;
        case kAufloesung:
            aufloesung(g);
            break;
        case kAnsagen:
            ansagenVorher(g);
            break;
        case kStiche:
            stiche(g);
            break;
        default:
            break;
    }
    anzeigeAktualisieren();
}

std::string blockPruefen(const TCG& g) {
    blockpruefung::Befund b;
    blockpruefung::gemeinsam(b, g, {4, 4, 10, 4, 8});
    const TDoppelkopfZustand& z = g.doppelkopf.z;
    b.zahl(z.soloTyp, 0, 8, "Solo");
    b.zahl(z.solist, 0, 4, "Solist");
    b.zahl(z.hochzeit, 0, 4, "Hochzeit");
    b.zahl(z.partner, 0, 4, "Partner");
    b.zahl(z.reStufe, 0, 5, "Re-Ansage");
    b.zahl(z.kontraStufe, 0, 5, "Kontra-Ansage");
    sd::stichePruefen(b, z, g.doppelkopf.spiegel, 12);
    return b.text();
}

void spielLaden() {
    sd::tischLaden(Z().stich, Z().stichAnz);
    trumpfSetzen();
    sd::frageWiederholen(cg);
    anzeigeAktualisieren();
}

void vorschau(int art, int code) {
    if (art != 88 || cg.aktSpieler != 1 || cg.phase.nr != kAufloesung || code < 1 || code > kBubenDamen) return;
    sd::sortieren(1, trumpfOrdnung(code));
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
    const int seat = cg.aktSpieler;
    const bool karten = cg.phase.fluss3 == 47 && cg.phase.nr == kStiche;
    // now and then an announcement, when the seat may make one
    if (karten && zufall && ansageErlaubtSitz(seat) && rnd::random(8) == 0) {
        central::antwort(cg, central::kKnopf, 0, 0);
        return;
    }
    // a plain seat does not announce: the last button of an announcement question says no
    if (!zufall && cg.phase.fluss3 == 89 && cg.entscheidung.mitKnoepfen && cg.entscheidung.knopfAnzahl >= 1) {
        central::antwort(cg, central::kKnopf, 0, cg.entscheidung.code(cg.entscheidung.knopfAnzahl));
        return;
    }
    sd::antworten(zufall, karten, spielbareKarten());
}

}  // namespace

// A seat of level 0 (the yardstick of whole-game runs) picks uniformly among its legal answers;
// the others ask the computer player, and a question it leaves open gets the plain answer.
void kiTick() {
    if (sd::zufallsStufe(cg.aktSpieler)) {
        antworten(true);
        return;
    }
    doppelkopfki::kiTick();
    if (cg.antwort.art == sd::kNichts) antworten(false);
}
void zufallsAntwort() { antworten(true); }

// The check runs after every frame of a whole-game run: the deck is built once.
bool kartenErhalten(std::string& warum) {
    static const std::vector<karte> satz = kartenSatz();
    return sd::kartenErhalten(satz, warum);
}

bool dealPruefen(const int32_t kontoVorher[5], std::string& warum) {
    int alle = 0;
    for (int s : {1, 2, 3, 4, 7, 8, 9, 10, sd::kTalon, sd::kStich}) alle += augenSumme(sd::karten(s));
    return sd::dealPruefen(g_ergebnis, alle, 240, kontoVorher, warum);
}

namespace {

bool spielbarHook(const TKartenSlot& s) { return spielbar(s); }
bool istTrumpfHook(const karte& k) { return istTrumpf(ordnung(), k); }

entscheidung::DoppelkopfLage lage(int seat) {
    entscheidung::DoppelkopfLage l;
    l.ansageErlaubt = ansageErlaubtSitz(seat);
    l.ansageText = ansageText(istKontra(seat), naechsteAnsageSitz(seat));
    l.kreuzDamen = Z().darfHeiraten != 0;
    l.fuehrt = Z().stichAnz == 0;
    l.bubenDamenSolo = O().bubenDamenSolo != 0;
    l.soloWort5 = soloWort(kBubensolo, false);
    l.soloWort6 = soloWort(kDamensolo, false);
    l.soloWort8Kurz = soloWort(kBubenDamen, true);
    return l;
}

}  // namespace

void anmelden() {
    spiele::Eintrag e;
    e.spielSchritt = spielSchritt;
    e.kiTick = kiTick;
    e.nachZug = doppelkopfki::nachZug;
    e.neuesSpiel = neuesSpiel;
    e.blockPruefen = blockPruefen;
    e.spielLaden = spielLaden;
    e.highscoreText = highscoreText;
    e.partieEnde = partieEnde;
    e.limitText = limitText;
    e.abrechnungText = abrechnungText;
    spiele::anmelden(spiele::kDoppelkopf, e);
    tischhooks::Tabelle& t = tischhooks::tab();
    t.spielbar[spiele::kDoppelkopf] = spielbarHook;
    t.passtAuf[spiele::kDoppelkopf] = passtAuf;
    seams::spiele.doppelkopfIstTrumpf = istTrumpfHook;
    entscheidung::fragen.doppelkopf = lage;
    entscheidung::fragen.handVon = glu::handVonSitz;
    sd::markenAnmelden();
}

}  // namespace doppelkopf
