// The Doppelkopf computer player: it rates its hand for reservations, solos and announcements,
// chooses its cards from what it may know of the other hands and the parties, and keeps that
// knowledge current after every card. It answers only through the action entry, as a click does.
#pragma once
#include <string>
#include <vector>

#include "core/cg.h"
#include "games/schafkopf_doppelkopf/doppelkopf_ki_wissen.h"

namespace doppelkopfki {

// ---- reservations, solos and announcements

// Rates the seat's hand for a normal game and for every solo the options allow; the results go
// to `wahl`. The solo candidates are rated on a copy of the situation, the game stays as it is.
struct Optionen {
    bool bubenDamenSolo = false;
    int soloAnzug = 2;  // 1 "Solospieler", 2 "normal", 3 "nicht Solospieler"
};
void vorbehaltWahl(const Lage& lage, int seat, const Optionen& opt, TDoppelkopfKiWahl& wahl);
void vorbehaltWahl(int seat);  // the game in progress, into cg.doppelkopf.z.kiWahl

float stichSicher(const karte& k);
int trumpfWert(const std::vector<karte>& h);
int seitenWert(const std::vector<karte>& h, bool anzug);
// The level 0..4 of a solo candidate as an opponent's hand by the thresholds T, S, U.
int kandidatStufe(int code, int trumpf, int seite, int tSchwelle, int sSchwelle, int uSchwelle);
// The normal-game sum after the reductions (no noise).
int reduziert(int trumpfStaerke, int seitenStaerke, int& fehlstufen);
int klasseAus(int summe);
// The seat announces the next level when there is one and it is not above its class; in a solo
// the class is the hand's level for that solo.
int ansageKlasse(const TDoppelkopfKiWahl& w, int soloTyp, bool solist);
bool ansagen(int naechste, int klasse);

// ---- card play

struct Kandidat {
    float pGewinn = 0.0f;
    std::string text;
    float stichAugen = 0.0f;
    int offenbar = 0;
    int fig1 = 0;
    int fig2 = 0;
    float kartenWert = 0.0f;
    float vergleich = 0.0f;
};
// What spending a trump costs by the unseen cards above it (before the Dulle and party terms).
using sdki::trumpfKosten;
// The score of one candidate without the level's noise.
int kandidatPunkte(const Kandidat& c);
// The bonus rung by the points below the card per unseen card against the trick's value / 4.
int vergleichStufe(float vergleich, float q);

// The working set must be refreshed for the seat on turn.
std::vector<Kandidat> kartenBewertung();
int stichBewertung(const std::vector<Kandidat>& c);  // 0-based index into spielbar
int trumpfAnspielen();
float wktZwilling(int seat, const karte& k, int klasse, bool flag);
float nichtUeberbieten(int seat, const karte& a, const karte& b);
bool sicherFreund(int seat);
bool evtFreund(int seat);
// The card to play; `offenbart` tells that the card shows the seat's party to its partner.
karte kartenWahl(bool& offenbart);

// ---- driver and watch hook

void kiTick();
void nachZug(int art, int wert1, int wert2);

// ---- party estimation

// A direct signal that seat p plays on side c (10 Re, 11 Kontra): every other observer of side c
// gets w points of evidence that p is its partner, every observer of the other side w against.
// An observer that does not know its own side yet is skipped, and the inconsistency goes to the
// log (not to a message box in the middle of a decision).
void parteiSignal(TParteiSicht* sichten, int p, int c, int w);
// The party inference runs after a card: not in a solo, not while a Hochzeit waits for its
// partner, and only while some seat's public party is open.
bool parteiInferenz(int soloTyp, bool hochzeitOffen, const TParteiSicht& oeffentlich);

}  // namespace doppelkopfki
