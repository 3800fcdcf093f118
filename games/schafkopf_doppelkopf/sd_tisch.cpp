#include "games/schafkopf_doppelkopf/sd_tisch.h"

#include <algorithm>

#include "core/central.h"
#include "core/envparam.h"
#include "core/gtool.h"
#include "core/highscore.h"
#include "core/kommentar.h"
#include "platform/msgsink.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "table/glu.h"
#include "table/tischcg.h"

namespace sd {

TSpieler& st(int stack) { return glu::spieler[stack - 1]; }
int anz(int stack) { return st(stack).anz; }

int naechster(int seat, int n) { return ((seat - 1 + n) % 4 + 4) % 4 + 1; }

void fragen(TCG& g, int art) {
    g.antwort.art = kNichts;
    g.phase.fluss3 = art;
    central::entscheidungAbfragen(g, art);
}

void frageWiederholen(TCG& g) {
    if (g.antwort.offen != 0 && g.phase.fluss3 != 0 && g.phase.nr != kPhaseEnde) fragen(g, g.phase.fluss3);
}

Aktion nehmen(TCG& g) {
    Aktion a;
    a.art = g.antwort.art;
    a.wert = g.antwort.wert2;
    a.frage = g.phase.fluss3;
    g.antwort.art = kNichts;
    return a;
}

bool angeboten(const TCG& g, int code) {
    const int n = g.entscheidung.mitKnoepfen ? std::clamp<int>(g.entscheidung.knopfAnzahl, 0, 8) : 0;
    for (int i = 1; i <= n; ++i)
        if (g.entscheidung.code(i) == code) return true;
    return false;
}

std::vector<karte> karten(int stack) {
    std::vector<karte> r;
    const TSpieler& s = st(stack);
    r.reserve(static_cast<size_t>(std::max<int>(s.anz, 0)));  // one allocation, not one per doubling
    for (int i = 1; i <= s.anz; ++i)
        if (s.at(i).c.t != 0) r.push_back(karte{s.at(i).c.t, s.at(i).c.f, 0});
    return r;
}

void talonFuellen(const std::vector<karte>& deck) {
    TSpieler& talon = st(kTalon);
    int n = 0;
    for (const karte& k : deck) glu::karteEinlegen(talon.at(++n), k);
    talon.anz = n;
    gtool::stapelMischen(kTalon);
}

void austeilen(int seat, int n, float verzoegerung) {
    const int m = anz(kTalon);
    if (n < 1 || m < n) return;
    glu::dealcards(seat, n, 0, 0, kTalon, verzoegerung);
    central::bewegungAbwarten(cg, kTalon, m + 1 - n);
}

int paketSitz(int geber, int schritt, bool rueckwaerts) {
    int folge[6] = {};
    gtool::gebeFolge(4, geber, false, rueckwaerts, folge);
    return folge[schritt % 4];
}

void austeilenAlle(int n, bool rueckwaerts) {
    const int m = anz(kTalon);
    if (n < 1 || m < 4 * n) return;
    int folge[6] = {};
    gtool::gebeFolge(4, 1, true, rueckwaerts, folge);
    for (int i = 0; i < 4; ++i)
        glu::dealcards(folge[i], n, n * i, 0, kTalon, 0.25f * static_cast<float>(i));
    central::bewegungAbwarten(cg, kTalon, m + 1 - 4 * n);
}

bool geben(TCG& g, int n, int paket) {
    const bool rueckwaerts = envParam.spielrichtung == 2;
    if (envParam.austeilen == 1) {
        if (g.phase.schritt != 0) return true;
        g.phase.schritt = 100;
        austeilenAlle(n, rueckwaerts);
        return false;
    }
    if (g.phase.schritt >= 4 * n / paket) return true;
    g.aktSpieler = paketSitz(g.geber, g.phase.schritt, rueckwaerts);
    ++g.phase.schritt;
    austeilen(g.aktSpieler, paket);
    return false;
}

void gegebenMerken(int seat, karte* ziel, int n) {
    const auto h = karten(seat);
    for (int i = 0; i < n && i < static_cast<int>(h.size()); ++i) ziel[i] = h[static_cast<size_t>(i)];
}

void ausspielen(int seat, int slot, int imStich) {
    tischcg::tz.stichAnz = imStich;  // the table lays the card above the ones before it
    const int gespielt = glu::playcard(seat, slot, kStich, 0);
    if (gespielt >= 1) central::bewegungAbwarten(cg, seat, gespielt);
}

void stichEinsammeln(int nach) {
    const int n = anz(kStich);
    bool unterwegs = false;
    for (int i = 0; i < n; ++i) {
        const int slot = n - i;
        // the last call names the move the step waits for: the last to start
        unterwegs = glu::movecardrecord(kStich, slot, nach, anz(nach) + 1 + i, 1, 2, 14,
                                        0.1f * static_cast<float>(i), 0) ||
                    unterwegs;
    }
    if (unterwegs) cg.bewegungWarten.aktiv = 1;
}

void sortieren(int seat, const schafkopf::Ordnung& o) {
    const auto schluessel = [&o](const karte& k) {
        return schafkopf::istTrumpf(o, k) ? 1000 + schafkopf::rang(o, k) : (5 - k.f) * 100 + schafkopf::rang(o, k);
    };
    TSpieler& s = st(seat);
    glu::stapelZuHand(s);
    hand& h = s.hand;
    std::stable_sort(h.k, h.k + std::clamp<int>(h.anz, 0, kHandMax),
                     [&](const karte& a, const karte& b) { return schluessel(a) > schluessel(b); });
    glu::handZuStapel(s);
}

void kartenwerteSetzen(const int rang[4][8]) {
    for (int f = 0; f < 4; ++f)
        for (int t = 0; t < 14; ++t) ::Kartenwerte[f][t] = t < 8 ? rang[f][t] : 0;
}

void sagen(const std::string& utf8, int seat, int code) { gtool::sagen(text::w(utf8), seat, code, false); }

std::string name(int seat) { return highscore::spielerName(cg, seat, false); }

Bemerkung bemerkung(bool doppelkopf, int ereignis, int seat, int wert) {
    Bemerkung r;
    const auto setzen = [&r](int erregung, int a, int b) {
        r.art = 0;
        r.erregung = erregung;
        r.a = a;
        r.b = b;
    };
    if (ereignis == 5 || ereignis == 6) {
        if (seat == 1 || wert < 1) return r;
        setzen(wert == 1 ? 60 : wert == 2 ? 80 : wert == 3 ? 90 : 95, ereignis == 5 ? 1 : 2, 0);
        r.art = 2;
        return r;
    }
    // Events with the trick's card points: Schafkopf 1 and 2, Doppelkopf 3 and 4.
    const bool mitAugen = doppelkopf ? (ereignis == 3 || ereignis == 4) : (ereignis == 1 || ereignis == 2);
    if (!mitAugen) {
        if (ereignis < 1 || ereignis > 4) return r;
        const bool gut = (ereignis % 2) == 1;
        setzen(90, gut ? 2 : -3, gut ? 3 : -2);
        return r;
    }
    if (wert < 30) return r;
    const bool gut = doppelkopf ? ereignis == 3 : ereignis == 1;
    const int stark = doppelkopf ? (wert >= 36 ? 90 : wert >= 33 ? 80 : 0)
                                 : (wert >= 40 ? 95 : wert >= 36 ? 90 : wert >= 33 ? 80 : 0);
    if (gut) {
        if (stark > 0)
            setzen(stark, 2, 3);
        else
            setzen(60, 1, 2);
        return r;
    }
    if (doppelkopf) {
        if (stark > 0)
            setzen(stark, -3, -2);
        else
            setzen(60, -2, -1);
    } else {
        // The losing side's remark grows milder one step earlier than the winner's.
        if (wert >= 36)
            setzen(wert >= 40 ? 95 : 90, -3, -2);
        else
            setzen(wert >= 33 ? 80 : 60, -2, -1);
    }
    return r;
}

void kommentar(bool doppelkopf, int ereignis, int seat, int wert) {
    if (seat < 1 || seat > 4) return;
    const Bemerkung b = bemerkung(doppelkopf, ereignis, seat, wert);
    if (b.art < 0) return;
    // The sound manager orders the two remark values itself; a second value 0 means the first alone.
    central::kommentar(seat, b.art, b.a, b.b, b.erregung);
}

int gegenueber(const TParteiSicht& v, int sieger) {
    for (int d : {1, -1, 2, -2}) {
        const int s = naechster(sieger, d);
        if (v.code[s - 1] != v.code[sieger - 1]) return s;
    }
    return 0;
}

int zahlAusText(const std::string& t) {
    const auto p = t.rfind(' ');
    if (p == std::string::npos) return 99999;
    return std::atoi(t.substr(0, p).c_str());
}

namespace {
int bestesKonto() {
    int best = cg.konto[1];
    for (int s = 2; s <= 4; ++s) best = std::max(best, static_cast<int>(cg.konto[s]));
    return best;
}
}  // namespace

bool partieEnde(int rundenLimit, int punkteLimit) {
    if (rundenLimit <= cg.spielliste.runden) return true;
    return punkteLimit > 0 && bestesKonto() >= punkteLimit;
}

std::string limitText(int rundenLimit, int punkteLimit) {
    const auto z = [](int v) { return text::fromInt(v); };
    return z(cg.spielliste.runden) + " von " +
           (rundenLimit >= 200 ? std::string("unbegrenzt") : z(rundenLimit)) + " Runden gespielt, " +
           z(bestesKonto()) + " von " + (punkteLimit <= 0 ? std::string("unbegrenzt") : z(punkteLimit)) +
           " max. Punkten erreicht";
}

std::string highscoreText(int spielId) {
    const int runden = cg.spielliste.runden;
    const int liste = runden <= 10 ? 1 : (runden <= 25 ? 2 : 3);
    return highscore::eintragenText(cg.highscore, spielId, liste, cg.konto[1],
                                    highscore::spielerName(cg, 1, false));
}

bool kartenErhalten(const std::vector<karte>& deck, std::string& warum) {
    if (glu::zugliste.anz > 0) return true;  // a card in flight is counted where it lands
    int soll[9][5] = {}, ist[9][5] = {};
    auto gueltig = [](const karte& k) { return k.t >= 1 && k.t <= 8 && k.f >= 1 && k.f <= 4; };
    for (const karte& k : deck) soll[k.t][k.f] += 1;
    int n = 0;
    bool fremd = false;
    for (int s : {1, 2, 3, 4, 7, 8, 9, 10, kTalon, kStich}) {
        const TSpieler& x = st(s);
        for (int i = 1; i <= x.anz; ++i) {
            const karte k = x.at(i).c;
            if (k.t == 0) continue;
            ++n;
            if (gueltig(k))
                ist[k.t][k.f] += 1;
            else
                fremd = true;
        }
    }
    if (!fremd && std::equal(&soll[0][0], &soll[0][0] + 45, &ist[0][0])) return true;
    warum = std::to_string(n) + " Karten auf dem Tisch, nicht der Kartensatz";
    return false;
}

void dealBeginnen(bool frisch, int geberOption, const std::vector<karte>& deck) {
    central::neuesSpielAllgemein(cg);
    for (int s = 1; s <= 20; ++s) glu::spieler[s - 1].anz = 0;
    for (int s = 1; s <= 20; ++s) glu::spielerZwilling[s - 1].anz = 0;
    cg.ablauf.anzSpieler = 4;
    talonFuellen(deck);
    if (frisch)
        cg.geber = geberOption >= 2 && geberOption <= 5 ? geberOption - 1 : 1 + rnd::random(4);
    else
        cg.geber = naechster(std::clamp<int>(cg.geber, 1, 4));
    cg.aktSpieler = cg.geber;
    cg.phase.schritt = 0;
    cg.phase.fluss1 = cg.phase.fluss2 = cg.phase.fluss3 = 0;
    cg.antwort.art = kNichts;
}

void tischLaden(const karte* stich, int stichAnz) {
    glu::bewegungenVerwerfen();
    central::tischWiederherstellen(cg);
    cg.ablauf.anzSpieler = 4;
    for (int i = 1; i <= stichAnz && i <= anz(kStich); ++i) {
        const int seat = std::clamp<int>(stich[i - 1].nr, 1, 4);
        glu::throwposition(seat, 1, st(kStich).at(i));
        st(kStich).at(i).z = -97.0f + static_cast<float>(i) * 0.5f;
    }
}

bool enthalten(const std::vector<karte>& h, const karte& k) {
    return std::any_of(h.begin(), h.end(), [&](const karte& x) { return gleich(x, k); });
}

int gespielterSlot(const Aktion& a, int seat, const std::vector<karte>& erlaubt) {
    if (a.art != central::kKarte || a.wert < 1 || a.wert > anz(seat)) return 0;
    return enthalten(erlaubt, st(seat).at(a.wert).c) ? a.wert : 0;
}

bool zufallsStufe(int seat) {
    return central::dienste.staerke && central::dienste.staerke(cg.spielIdMenue, seat) == 0;
}

void antworten(bool zufall, bool kartenFrage, const std::vector<karte>& erlaubt) {
    const int seat = cg.aktSpieler;
    if (seat < 1 || seat > 4) return;
    if (kartenFrage) {
        if (erlaubt.empty()) return;
        const karte k =
            erlaubt[zufall ? static_cast<size_t>(rnd::random(static_cast<int>(erlaubt.size()))) : 0];
        const TSpieler& s = st(seat);
        for (int i = 1; i <= s.anz; ++i)
            if (gleich(s.at(i).c, k)) {
                central::antwort(cg, central::kKarte, 0, i);
                return;
            }
        return;
    }
    const int n = cg.entscheidung.mitKnoepfen ? std::clamp<int>(cg.entscheidung.knopfAnzahl, 0, 8) : 0;
    if (n == 0) return;
    central::antwort(cg, central::kKnopf, 0, cg.entscheidung.code(1 + rnd::random(n)));
}

bool dealPruefen(const TGameResult& r, int augen, int augenSoll, const int32_t kontoVorher[5],
                 std::string& warum) {
    if (augen != augenSoll) {
        warum = "Augen zusammen " + std::to_string(augen);
        return false;
    }
    int summe = 0;
    for (int s = 1; s <= 4; ++s) {
        summe += r.at(s);
        if (cg.konto[s] - kontoVorher[s] != r.at(s)) {
            warum = "Sitz " + std::to_string(s) + " anders gebucht als abgerechnet";
            return false;
        }
    }
    if (summe != 0) {
        warum = "Abrechnung nicht null: " + std::to_string(summe);
        return false;
    }
    return true;
}

namespace {
void folgern(int32_t c[4]) {
    int re = 0, kontra = 0;
    for (int s = 0; s < 4; ++s) {
        re += c[s] == 10;
        kontra += c[s] == 11;
    }
    const int neu = re >= 2 ? 11 : (kontra >= 2 ? 10 : 0);
    if (neu)
        for (int s = 0; s < 4; ++s)
            if (c[s] == 9) c[s] = neu;
}
}  // namespace

void folgern(TParteiSicht& v) {
    folgern(v.code);
    folgern(v.code2);
}

int parteiCode(const TParteiSicht* sichten, int seat, int sicht, const char* routine) {
    if (seat < 1 || seat > 4 || sicht < 0 || sicht > 4) {
        msgsink::show(text::w("ACHTUNG! ") + routine +
                      ": Bereichsfehler spinr,viewnr: " + text::fromInt(seat) + "," + text::fromInt(sicht));
        return 9;
    }
    const TParteiSicht& v = sichten[sicht];
    return v.code[seat - 1] != 9 ? v.code[seat - 1] : v.code2[seat - 1];
}

bool Legalitaet::pruefen(const karte* stich, int anz, int amZug, std::vector<karte> (*spielbar)(),
                         std::string& warum) {
    if (anz > stichAnz && anz >= 1 && seat >= 1) {
        const karte k = stich[anz - 1];
        if (k.nr != seat || !enthalten(erlaubt, k)) {
            warum = "Sitz " + std::to_string(k.nr) + " spielt eine Karte, die nicht erlaubt war";
            return false;
        }
    }
    // the legal cards change only with the seat on turn or the trick
    if (amZug != seat || anz != stichAnz) erlaubt = amZug ? spielbar() : std::vector<karte>{};
    stichAnz = anz;
    seat = amZug;
    return true;
}

}  // namespace sd
