// Doppelkopf rules: the 48-card deck, the solos and the trump order each sets up, following suit,
// the trick with the Dulle rule, announcements and their deadlines, special points and the
// settlement of one game. Pure routines over explicit inputs; the flow (doppelkopf.h) asks them.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/karten.h"
#include "core/spielliste.h"
#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"

namespace doppelkopf {

// Value codes of the deck (the Schafkopf codes from the 9 up).
enum Wert : int { k9 = 3, kBube = 4, kDame = 5, kKoenig = 6, kZehn = 7, kAs = 8 };
enum Farbe : int { kKreuz = 1, kPik = 2, kHerz = 3, kKaro = 4 };
// Solo types; 0 is the normal game.
enum Solo : int {
    kNormal = 0,
    kKaroSolo = 4,
    kBubensolo = 5,
    kDamensolo = 6,
    kFleischlos = 7,
    kBubenDamen = 8
};

// The 48 cards: two of each from the 9 up, value by value and suit by suit (unshuffled).
std::vector<karte> kartenSatz();

// Ranks, trumps, following suit and card points are those of Schafkopf over this deck.
using schafkopf::augen;
using schafkopf::augenSumme;
using schafkopf::bedient;
using schafkopf::istTrumpf;
using schafkopf::Ordnung;
using schafkopf::rang;

Ordnung trumpfOrdnung(int soloTyp);

std::vector<karte> spielbareKarten(const Ordnung& o, const std::vector<karte>& hand,
                                   const std::vector<karte>& stich);
// With zweiteDulle the later of two Dullen wins; otherwise an equal card never wins.
bool sticht(const Ordnung& o, const karte& k, const karte& best, bool zweiteDulle);
// Position (0-based) of the winning card in play order.
int stichSieger(const Ordnung& o, const std::vector<karte>& stich, bool zweiteDulle);
// The winning card itself, by the same rule (the Dulle option included).
karte stichBesteKarte(const Ordnung& o, const std::vector<karte>& stich, bool zweiteDulle);

bool istDulle(const karte& k);

// The next announcement level above `stufe` that the options allow (erlaubt[0..4] = levels
// 1..5); 0 when there is none.
int naechsteAnsage(int stufe, const std::array<bool, 5>& erlaubt);
// Level `naechste` may still be announced with `karten` cards in hand; `hochzeitKarten` is the
// partner's card count when a Hochzeit was clarified (0 without one).
bool ansageErlaubt(int naechste, int karten, bool hochzeitOffen, int hochzeitKarten);
// "Re"/"Kontra", "Keine 90", "Keine 60", "Keine 30", "Schwarz"; empty for other levels.
std::string ansageText(bool kontra, int stufe);
// Re's and Kontra's targets by the two sides' announcement levels.
void ziele(int reStufe, int kontraStufe, int& reZiel, int& kontraZiel);

std::string soloWort(int code, bool kurz);
std::string soloName(int code);
// n of total in percent with `stellen` decimals ("33.33%", "-12.5%").
std::string prozentText(int n, int total, int stellen);

// Special points one seat made in a normal game.
struct Sonderpunkte {
    int fuchsOpfer[2] = {0, 0};  // seats whose Fuchs the seat caught (0: none)
    int doppelkopf = 0;          // tricks of 40 or more card points
    bool karlchen = false;       // won the last trick with the Kreuz-Bube
};

struct Abrechnung {
    std::array<bool, 5> re{};  // seats 1..4: on the Re side (the soloist in a solo)
    int solist = 0;            // seat playing alone (any solo, the silent one too), else 0
    int soloTyp = 0;
    int reAugen = 0, kontraAugen = 0;
    int reStufe = 0, kontraStufe = 0;
    std::array<Sonderpunkte, 5> sonder{};
    std::array<std::string, 5> namen{};
};
// Fuchs catches count only between true opponents, whatever anybody believed during play.
TGameResult abrechnen(const Abrechnung& a);

}  // namespace doppelkopf
