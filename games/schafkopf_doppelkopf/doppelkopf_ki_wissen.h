// What a Doppelkopf computer seat may know of the other hands: its own cards, the cards played,
// the suits a seat failed to follow and the cards whose holder follows from that, and the chance
// that a seat holds a card of a kind. The deck holds every card twice, so every set here is a
// multiset: taking a card away takes one copy.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cg.h"
#include "games/schafkopf_doppelkopf/doppelkopf_regeln.h"

namespace doppelkopfki {

// One copy of k leaves h (nothing when h holds none).
void eineEntfernen(std::vector<karte>& h, const karte& k);
// a without b, copy by copy.
std::vector<karte> ohne(std::vector<karte> a, const std::vector<karte>& b);
int anzahl(const std::vector<karte>& h, const karte& k);

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
    std::array<TDoppelkopfWissen, 4> wissen{};
    std::array<TParteiSicht, 5> sichten{};
    std::array<int, 5> kreuzDamenGespielt{};  // per seat
};
// A normal game's start: every view open except what each seat knows of itself.
Lage leereLage();
// The game in progress.
Lage lageAusSpiel();

struct SitzWissen {
    std::array<bool, 7> frei{};  // classes 1..4 and 6
    std::vector<karte> moeglich, ungewiss, bekannt;
    int anz = 0;  // cards in hand
};

// The working set of one decision, rebuilt by every refresh.
struct Arbeit {
    Lage lage;
    doppelkopf::Ordnung ord;
    int ich = 0;
    std::vector<karte> unsichtbar, unbekannt, gespielt, eigeneHand, spielbar;
    bool istSolo = false;
    int stichAnzahl = 0, letzter = 0;
    int partner1 = 0, partner2 = 0;
    bool partner1Letzter = false, partner2Letzter = false;
    bool ichRe = false, kreuzDameSpielbar = false, parteiOffen = false;
    int stichNummer = 0;
    std::array<SitzWissen, 5> sitz;
};
Arbeit& arbeit();

// Rebuilds the working set for the observer from the situation.
void wissenAktualisieren(const Lage& lage, int ich);
// From the game in progress (0: the seat on turn).
void wissenAktualisieren(int ich);
// Rates under another trump order (a solo candidate); the game's record stays as it is.
void ordnungSetzen(const doppelkopf::Ordnung& o);

int farbklasse(const karte& k);  // 1..4 plain, 6 trump
int kartenRang(const karte& k);  // the card order of the working set (higher beats lower)
bool istDulle(const karte& k);
bool istKreuzDame(const karte& k);
bool istFuchs(const karte& k);

struct TWktAbfrage {
    int32_t art = 1;  // 1 a card of the class, 4 König/Zehn/As of it, 5 card-order value, 6 any
    int32_t farbe = 0;
    int32_t hoeher = -1;
    int32_t niedriger = -1;
    int32_t auchFrei = -1;
    uint8_t nachAugen = 0;
    karte bezugskarte{};
};
bool passtZuAbfrage(const karte& k, const TWktAbfrage& q);
int abfrageAnzahl(const std::vector<karte>& h, const TWktAbfrage& q);
// mode 1: the seat holds at least one matching card; mode 0: it holds none.
float wktHat(int seat, const TWktAbfrage& q, int modus);

float wktFarbe(int seat, int klasse);
float wktFrei(int seat, int klasse);
float wktHoeher(int seat, const karte& k);
float wktNiedriger(int seat, const karte& k);
float wktMehrAugen(int seat, const karte& k, int klasse);
float wktWenigerAugen(int seat, const karte& k, int klasse);
float wktFreiUndFarbe(int seat, int freiKlasse, int klasse);

int hoeherUnbekannt(const karte& k, bool gleicheKlasse = false);
int niedrigerUnbekannt(const karte& k, bool gleicheKlasse = false);
int hoeherInHand(const karte& k, const std::vector<karte>& h, bool gleicheKlasse = false);
std::vector<karte> hoehereKarten(const karte& k, const std::vector<karte>& h);
float augenSchnitt();

// Parties: a solo is one against three; otherwise each seat's view as the observer sees it.
int parteievt(int seat, int sicht);
bool gegner(int a, int b, int sicht);
bool partner(int a, int b, int sicht);

// The trace sink of the computer player's reasoning and consistency texts.
extern void (*logZeile)(const std::string& text);

}  // namespace doppelkopfki
