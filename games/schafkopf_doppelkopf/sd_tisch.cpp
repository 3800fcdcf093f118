#include "games/schafkopf_doppelkopf/sd_tisch.h"

#include <algorithm>
#include <map>

#include "core/central.h"
#include "core/gtool.h"
#include "core/highscore.h"
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
    for (int i = 1; i <= s.anz; ++i)
        if (s.at(i).c.t != 0) r.push_back(karte{s.at(i).c.t, s.at(i).c.f, 0});
    return r;
}

void talonFuellen(const std::vector<karte>& deck) {
    TSpieler& talon = st(kTalon);
    int n = 0;
    for (const karte& k : deck) {
        talon.at(++n) = TKartenSlot{};
        talon.at(n).c = k;
    }
    talon.anz = n;
    gtool::stapelMischen(kTalon);
}

namespace {
void warten(int halter, int marke) {
    cg.bewegungWarten.halter = static_cast<int16_t>(halter);
    cg.bewegungWarten.marke = static_cast<int16_t>(marke);
    cg.bewegungWarten.aktiv = 1;
}
}  // namespace

void austeilen(int seat, int n, float verzoegerung) {
    const int m = anz(kTalon);
    if (n < 1 || m < n) return;
    glu::dealcards(seat, n, 0, 0, kTalon, verzoegerung);
    warten(kTalon, m + 1 - n);
}

void austeilenAlle(int geber, int n) {
    const int m = anz(kTalon);
    if (n < 1 || m < 4 * n) return;
    for (int i = 0; i < 4; ++i)
        glu::dealcards(naechster(geber, i + 1), n, n * i, 0, kTalon, 0.25f * static_cast<float>(i));
    warten(kTalon, m + 1 - 4 * n);
}

void ausspielen(int seat, int slot, int imStich) {
    tischcg::tz.stichAnz = imStich;  // the table lays the card above the ones before it
    const int gespielt = glu::playcard(seat, slot, kStich, 0);
    if (gespielt >= 1) warten(seat, gespielt);
}

void obenAuf(int von, int nach) {
    const int slot = anz(von);
    if (slot < 1) return;
    if (glu::movecardrecord(von, slot, nach, anz(nach) + 1, 1, 2, 14, 0, 0)) cg.bewegungWarten.aktiv = 1;
}

void sortieren(int seat, int (*schluessel)(const karte& k)) {
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
    std::map<int, int> soll, ist;
    for (const karte& k : deck) soll[k.t * 10 + k.f] += 1;
    for (int s : {1, 2, 3, 4, 7, 8, 9, 10, kTalon, kStich})
        for (const karte& k : karten(s)) ist[k.t * 10 + k.f] += 1;
    if (soll == ist) return true;
    int n = 0;
    for (const auto& [k, m] : ist) n += m;
    warum = std::to_string(n) + " Karten auf dem Tisch, nicht der Kartensatz";
    return false;
}

}  // namespace sd
