// What a Doppelkopf computer seat may know of the other hands, over the shared card-holding
// engine (sd_wkt.h): the Doppelkopf trumps and card order, every card twice, the second Dulle
// above the first, no partner while a Hochzeit waits for one, and one working set per decision
// that the computer player's routines ask without passing it along.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cg.h"
#include "games/schafkopf_doppelkopf/doppelkopf_regeln.h"
#include "games/schafkopf_doppelkopf/sd_wkt.h"

namespace doppelkopfki {

// Everything a refresh reads, taken from the game or written by a test.
struct Lage {
    int soloTyp = 0;
    int solist = 0;
    bool hochzeitOffen = false;
    int hochzeit = 0;
    bool zweiteDulle = true;
    bool fuchsFangen = true;
    bool doppelkopfPunkte = true;
    int geber = 4;
    int amZug = 1;
    std::array<int, 5> stufe{0, 3, 3, 3, 3};  // the seats' levels 0..3
    std::array<std::vector<karte>, 5> haende;  // seats 1..4 (index 0 unused)
    std::vector<karte> stich;                  // the current trick in play order, tags = seats
    std::vector<karte> gespielt;               // the cards of the four trick piles
    std::array<TKartenWissen, 4> wissen{};
    std::array<TParteiSicht, 5> sichten{};
    std::array<int, 5> kreuzDamenGespielt{};  // per seat
};
// Every view open: a test fills in what it needs.
Lage leereLage();
// The game in progress.
Lage lageAusSpiel();

// The working set of one decision, rebuilt by every refresh.
struct Arbeit {
    Lage lage;
    doppelkopf::Ordnung ord;
    sdki::Sicht sicht;
    int ich = 0;
    std::vector<karte> unsichtbar, eigeneHand, spielbar;  // spielbar: highest first
    bool istSolo = false;
    int stichAnzahl = 0;
    int partner1 = 0, partner2 = 0;
    bool partner1Letzter = false, partner2Letzter = false;
    bool ichRe = false, kreuzDameSpielbar = false, parteiOffen = false;
    int stichNummer = 0;
};
Arbeit& arbeit();
// The level of the observer: 1 "Anfänger", 2 "Normal", 3 "Profi" (0 the random yardstick).
int stufeIch();

// The engine's card facts of a game: its trumps and card order, the Dulle rule.
sdki::Regeln regeln(const doppelkopf::Ordnung& o, bool zweiteDulle);
// The engine's working set of an observer (0: the seat on turn), partners included.
sdki::Sicht sichtAus(const Lage& lage, const doppelkopf::Ordnung& o, int ich);
// Rebuilds the working set for the observer from the situation.
void wissenAktualisieren(const Lage& lage, int ich);
// From the game in progress (0: the seat on turn).
void wissenAktualisieren(int ich);

int farbklasse(const karte& k);  // 1..4 plain, 6 trump
int kartenRang(const karte& k);  // the card order of the working set (higher beats lower)
bool istDulle(const karte& k);
bool istKreuzDame(const karte& k);
bool istFuchs(const karte& k);

float wktHat(int seat, const sdki::Abfrage& q, int modus);
float wktFarbe(int seat, int klasse);
float wktFrei(int seat, int klasse);
float wktHoeher(int seat, const karte& k);
float wktNiedriger(int seat, const karte& k);
float wktWenigerAugen(int seat, const karte& k, int klasse);
float wktFreiUndFarbe(int seat, int freiKlasse, int klasse);

// Counted by card order over the unseen cards or over a hand, any class unless said.
int hoeherUnbekannt(const karte& k, bool gleicheKlasse = false);
int hoeherInHand(const karte& k, const std::vector<karte>& h);
// The cards of `h` of the card's class above it.
int hoehereKarten(const karte& k, const TKartenZahl& h);
float augenSchnitt();
bool freiBekannt(int seat, int klasse);
// The cards the seat is known to hold.
const TKartenZahl& bekannt(int seat);

// Parties as the observer `sicht` believes them; a solo is one against three.
int parteievt(int seat, int sicht);
bool partner(int a, int b, int sicht);

// The trace sink of the computer player's reasoning and consistency texts.
extern void (*logZeile)(const std::string& text);

}  // namespace doppelkopfki
