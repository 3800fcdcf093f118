// The pile container of the meld games: up to 60 piles of up to 64 entries, each entry naming a
// card slot of stack 12. Side 1 (piles 1..20) holds the human's party, side 2 (piles 21..60)
// the opponents'. Stack 12's slots name their pile and position back (hi, pilePos).
#pragma once
#include <cstdint>
#include <string>

#include "core/cg.h"
#include "core/karten.h"
#include "table/tspieler.h"

constexpr int kPiles = 60;
constexpr int kPileMax = 64;
constexpr int kSide1Piles = 20;

#pragma pack(push, 1)

struct TPile {
    karte k[kPileMax];  // tag nr = slot of stack 12
    int16_t anz;
    uint8_t besitzer;
    uint8_t pad;
    karte& at(int i) { return k[i - 1]; }
    const karte& at(int i) const { return k[i - 1]; }
};
static_assert(sizeof(TPile) == 260);
static_assert(offsetof(TPile, anz) == 256);

// Bytes 4..18827 of the container: what a saved game carries.
struct Tk12Daten {
    TPile stapel[kPiles];  // piles 1..60 through pile(p)
    int32_t reserved0;
    int32_t anz1;     // side-1 piles in use: 1..anz1
    int32_t anz2;     // side-2 piles in use: 21..20+anz2
    uint8_t aktiv;    // meld block: a laying is animated
    uint8_t anlegen;  // lay-on flag: cards go onto an existing pile
    uint8_t pad[2];
    int32_t legePos;   // with the lay-on flag: position the laid card takes
    int32_t legeSlot;  // stack-12 slot of that card
    float fortschritt;
    karte ersatz;          // card the laid slot holds when a card leaves it during a laying
    int32_t zielStapel;    // pile the cards go to
    int32_t kartenStapel;  // card whose speed drives the progress
    int32_t kartenSlot;
    int32_t reserved1;
    hand arbeit1, arbeit2, vorher, lege;  // work hands, the pile before, the cards being laid
};
static_assert(sizeof(Tk12Daten) == 18824);
static_assert(offsetof(Tk12Daten, anz1) == 15604);
static_assert(offsetof(Tk12Daten, aktiv) == 15612);
static_assert(offsetof(Tk12Daten, legePos) == 15616);
static_assert(offsetof(Tk12Daten, arbeit1) == 15648);

#pragma pack(pop)

class Tk12Container {
public:
    Tk12Daten d{};
    uint8_t flags[kPiles] = {};  // per pile: drawn without its canasta collapse
    uint8_t jokerFrei = 0;       // the last laying freed a Joker
    int32_t jokerSlot = 0;       // that Joker's slot in stack 12

    TPile& pile(int p) { return d.stapel[p - 1]; }
    const TPile& pile(int p) const { return d.stapel[p - 1]; }
    // p names a pile in use.
    bool inUse(int p) const;

    void leeren();
    int neuerStapel(int seat, int count);  // 0 when no pile is free on that side
    int stapelAnzahl(int side) const;
    void stapelZuHand(int p, hand& out) const;
    // The pile's cards, count and owner as stapelZuHand gives them, the rest of `out` untouched:
    // for checks that read no more than the cards in use.
    void stapelKarten(int p, hand& out) const;
    void sitzMeldungen(int seat, hand& out) const;
    void teamMeldungen(int seat, hand& out) const;
    void zellenAusKarten();
    void zellenInKarten();
    // The piles' bytes into a record's copy of the container (`ziel` = the copy of
    // Tk12Daten::stapel). Only what can differ from the last copy into the same place is written.
    void stapelSichern(uint8_t* ziel);
    // The piles were filled from outside (a loaded game): the next clear and the next copy
    // take every byte.
    void inhaltUnbekannt();
    void karteEntfernen(int p, int position);
    // Starts the laying of `lege` onto pile p. A Joker set free by the laying (lay-on) is named
    // by its stack-12 slot; `ersatz` is the natural card that takes its place.
    void anlegenStarten(const hand& lege, const hand& neu, int p, int seatStack, int moveSlot, bool layOn,
                        int laidPos, int laidSlot, const karte& ersatz, int jokerSlotArg);
    void anlegenFertig();
    hand legenanhand(const hand& work, int p, int position) const;
    hand calegenanhand(const hand& work, int p) const;
    bool wirdCanasta() const;
    bool warCanasta() const;
    bool inLegeHand(int position) const;
    // The meld that laying the selection onto pile p would make (Rommé: with its Jokers placed,
    // Canasta: only when it passes the meld test), for the table to show it; empty for none.
    hand vorschau(const hand& auswahl, int p) const;
    // The selection can be laid onto pile p: its preview is a meld of the game.
    bool anlegbar(const hand& auswahl, int p) const;
    // How many cards pile p takes room for in its row: a canasta counts as one (while the laying
    // that makes it runs, it shrinks to one with the progress), a card flying back to the seat
    // on turn by what is left of its flight.
    float platzKarten(int p) const;
    // Cards of pile p still on their way back to the seat on turn: their count, and the part of
    // their flights still to go.
    int rueckflug(int p, float* rest = nullptr) const;
    // Piles whose canasta falls below seven once their returning cards are gone are drawn open
    // from then on (their flag); once per frame.
    void rueckflugPruefen();
    float pitch() const;
    void stapelPosition(int p, Pos6& out) const;
    // The placement of the card at (pile, position); only ever reads the container.
    void zellenPlatz(int p, int position, TKartenSlot& out, bool isDestination, int cardNr) const;
    static float bogenHoehe(float x);

private:
    // Per pile: no card at a position above this bound (nor above its count), so the clear of
    // every game step and the copy into the record skip the empty rest of each pile.
    // Until the bounds are known (a new container, a loaded game) every position counts.
    uint8_t hoch_[kPiles] = {};
    bool hochBekannt_ = false;
    // The copy stapelSichern wrote last (none yet), and the bound of each of its piles then.
    const uint8_t* kopie_ = nullptr;
    uint8_t kopieHoch_[kPiles] = {};
    int grenze(int p) const;
    // p is the target of a running laying that turns it into a canasta.
    bool werdend(int p) const;
    float fortschritt01() const;
};

extern Tk12Container k12;

// The container's bytes as a loaded record carries them (`cg.k12Kopie` from its byte 4) checked
// before the meld games take them back: empty when sound, else the fault.
std::string k12Pruefen(const TCG& g);
