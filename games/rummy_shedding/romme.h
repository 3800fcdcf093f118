// Rommé (game id 3): the options of its rule page, the start of a match and of each round, the
// per-frame phase machine (dealing, drawing, laying out and off, discarding, the discard pile
// turned into a new talon), the settlement with the "Rommé Hand" doubling, the match end and
// the high-score entry, and the hooks the game core and the table engine call.
#pragma once
#include <string>

#include "core/cg.h"
#include "core/spielliste.h"
#include "games/rummy_shedding/romme_regeln.h"

namespace romme {

// Sub-steps of the play phase.
enum Schritt : int32_t {
    kZiehFrage = 0,
    kZiehen = 1,
    kAuslegeFrage = 2,
    kAuslegeAntwort = 3,
    kMeldAuffrischen = 4,
    kAbwurfFrage = 5,
    kAbwerfen = 6,
    kWeiter = 7,
    kRundeVorbei = 10,
};
constexpr uint8_t kSpielPhase = 4;
constexpr uint8_t kGebucht = 5;  // the round is settled and booked

// The options of cg.romme as the meld routines read them.
Regeln regeln();
// The seat has a meld on the table.
bool hatMeldung(int seat);
// isset for the seat (0: the seat on turn) with the options of cg.romme.
bool isset(const hand& m, int seat, bool vorAuslageAblehnen, bool ohneMinimum);
bool issetHook(const hand& m);
// The cards of a stack as a hand, each tagged with its slot.
hand stapelHand(int stack);
// Card points of the stack's cards (Joker kept in place with amPlatz).
int stapelPunkte(int stack, bool amPlatz);

int naechsterSitz(int seat);
int vorigerSitz(int seat);

// ---- flow
void spielSchritt(TCG& g);
// The seat panel after every step and after a load: the turn marker beside the seat on turn
// while the seats play, no other icon.
void panelZuruecksetzen(const TCG& g);
void neuesSpiel(bool frisch);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
bool handOffen(int seat);
void auswahlHand(hand& out);
void auswahlPruefen();
// The line under the meld buttons before the seat's first meld: the selection's meld points
// (0: the selection is no meld) against the minimum; hidden once the seat has a meld or
// without a minimum.
struct MindestZeile {
    bool sichtbar = false;
    bool aktiv = false;
    std::string text;
};
MindestZeile mindestZeile(bool hatMeldung, int mindest, int punkte);
void sortierungSetzen(bool nachWert);
bool rundeVorbei(const TCG& g);
const TGameResult& letztesErgebnis();
// The settlement of the round that just ended (the seat on turn went out).
TGameResult abrechnung();

// How far the round has gone by the cards all seats hold together: 10 at 52 or more, then 9, 8,
// .. 1 at 49, 44, 39, 34, 29, 24, 20, 16 and 12 cards, 0 below.
int fortschritt(int kartenInHaenden);
int spielFortschritt();
// The developer's statistics of a match: how early the seats lay their Jokers, as the sum of
// spielFortschritt over the lay-outs and the lay-offs whose selection holds one, for seats 1
// and 2 ([0]) and for seats 3 and up ([1]).
struct Statistik {
    int32_t auslegen[2] = {};
    int32_t anlegen[2] = {};
};
const Statistik& statistik();

// ---- options
// Reads the number in front of a text's last blank: "500 Punkte" 500, "Keine Grenze" keine,
// a text without such a number 99999.
int grenzeLesen(const std::string& text, int keine);
// Puts options that were never read (deck count 0) to the standard rules; and keeps the deck
// count sound for the seats: four or more seats play with at least two decks.
void optionenPruefen();
// The shell reads its rule page into cg.romme; without a shell the record's values stay.
extern void (*seiteLesen)();
void optionenLesen();
// The "1. Kartengeber" position (1 "Zufall", 2..7 seats 1..6) moved in the direction (+1 or -1,
// wrapping within 1..7) until it names "Zufall" or one of the seats.
int geberVerschieben(int position, int richtung, int seats);

// ---- settlement and match
bool partieEnde();
void limitText(std::string& text);
void highscoreText(std::string& text);
void abrechnungText(const TGameResult& r, std::string& text);

// ---- whole-game runs (soak tests, bench/selfplay)
// Each card of the decks exactly once on the table while no card is in flight.
bool kartenErhalten(std::string& warum);
// Every meld on the table is a valid meld.
bool meldungenGueltig(std::string& warum);
bool optionSetzen(const std::string& name, int wert);
void zufallsAntwort();

void anmelden();

}  // namespace romme

namespace rommeki {

constexpr int kBufferMax = 100;
constexpr int kNextMax = 8;

// One meld of a move: a new meld (art 0) or one card laid off onto a pile (art 1).
struct Meldung {
    hand karten;
    uint8_t art = 0;
    int32_t ziel = 0;  // lay-off: the pile
    int32_t wert = 0;
    uint8_t zurueck = 0;  // lay-off: the card took a Joker's place and the Joker came back
};
// One move of a turn: up to 9 melds and lay-offs.
struct Eintrag {
    Meldung m[kNextMax + 1];
    int32_t anzahl = 0;  // melds in use
    int32_t wertSumme = 0;
    int32_t kartenSumme = 0;
    int32_t zurueck = 0;  // Jokers that came back to the hand
};

// The move buffer of one search: fixed storage, allocated once, so a search inside one frame
// never allocates. The buffer bounds the whole recursion: once it is full, nothing goes deeper.
struct Zugbuffer {
    Eintrag e[kBufferMax + 1];
    int32_t anzahl = 0;
    long knoten = 0;  // recursion calls of the last search
};

constexpr int kTischMax = 70;

// The piles a search sees: a copy of the table it can lay onto without touching it. The melds
// the search lays come behind the table's piles and go again when it backs up.
struct Tisch {
    hand pile[kTischMax + 1];
    uint8_t besitzer[kTischMax + 1] = {};
    int16_t id[kTischMax + 1] = {};  // the table's pile, 0 for a meld of the search
    int anzahl = 0;                  // piles in use: indexes 1..anzahl
};

struct Suche {
    int seat = 0;
    int limit = 8;
    bool fremd = false;
    bool sitzHatMeldung = false;
    int druck = 0;
    bool nachWert = false;  // the seat's player kind 12 chooses its move by meld points, not cards
    romme::Regeln r;
    Tisch tisch;
};

// The table's piles as the search sees them.
Tisch tischLesen();
// Runs the search over the hand into the buffer; the entries' card sums and values are set.
void zugSuche(Zugbuffer& b, const hand& h, Suche& s);
// Strength 1: each single meld and each single lay-off an entry of its own.
void einfacheSuche(Zugbuffer& b, const hand& h, Suche& s);
// The value of laying card c onto pile p (the meld points it adds; 0 when the seat has no meld).
int anlegeWert(const hand& pile, const karte& c, const Suche& s);
// The pile with c laid on as the table lays it (in front, at the end, or in a Joker's place:
// that Joker goes to frei).
hand angelegt(const hand& pile, const karte& c, karte* frei = nullptr);
// The entry to play, by index (0: none).
int besterZug(Zugbuffer& b, const hand& h, const Suche& s);
// The usefulness of each card (u[1..h.anz]) and the index of the card to discard.
int abwurfWahl(const hand& h, const int16_t* marken, int seat, float* u);
// The chance that a card of (suit, value) is in the hands of the others or in the talon.
float kartenChance(int farbe, int wert, int ohneFarbe, bool ohneJoker, int seat, int ohneFarbe2);

void kiTick();
void nachZug(int art, int wert1, int wert2);
// The pressure of the last lay-out decision.
int druck();

}  // namespace rommeki
