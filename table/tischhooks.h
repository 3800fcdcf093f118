// The questions the table engine asks of the running game and of the other subsystems, as one
// table of function pointers. An empty entry gives the default answer; each game fills its
// entries when it exists, tests fill small fakes.
#pragma once
#include "core/karten.h"
#include "table/tspieler.h"

namespace tischhooks {

constexpr int kSpiele = 13;

// The shell's values that the table engine reads. The shell holds the record and points the
// hook table at it; without a shell a record of defaults stands in.
struct Schale {
    uint8_t tischModus = 0;                   // table input state: 1 input expected, 2 a card was sent
    int32_t varx = 50, vary = 50, varz = 50;  // developer offsets of the seats' layout
    uint8_t anzeigeTest = 0, pokerHalt = 0;   // together they stop the seats' card motion
    int32_t passSelector = 0;                 // drawing pass selector (2: hands never open)
    int32_t gehobeneKarte = 0;                // the raised hand card that the shell remembers
};

struct Tabelle {
    // per game id: the game's own answers (empty = the default of the table rules)
    bool (*spielbar[kSpiele])(const TKartenSlot& slot) = {};
    bool (*passtAuf[kSpiele])(const karte& card, const karte& lead, int alt) = {};
    bool (*alleKartenWaehlbar[kSpiele])() = {};
    bool (*handOffen[kSpiele])(int seat) = {};

    void (*effekt)(int sound, int stack, int slot) = nullptr;  // central.effekt
    karte (*offeneKarte)() = nullptr;                          // gtool.offeneKarte
    int (*sonderKarte)(const karte& c) = nullptr;              // maumau.sonderKarte
    bool (*bjKarteOffen)(int stack, int slot) = nullptr;       // BlackJackCardFaceUp
    void (*bjStapelLegen)(TSpieler& s) = nullptr;              // BlackJackPlaceSeatPile
    void (*bjKarteZaehlen)(int reason, bool faceUp, const karte& c, int slot) = nullptr;
    void (*schnapsenLayout)() = nullptr;
    void (*schnapsenWurf)(int seat, TKartenSlot& placement) = nullptr;
    void (*schnapsenPaarPruefen)(int mode, int suit) = nullptr;
    void (*chipSchritt)(float fps) = nullptr;       // chip handler frame step (turns the table)
    bool (*pokerZeigen)(int seat) = nullptr;        // PokerRevealAtShowdown
    bool (*isset)(const hand& h) = nullptr;         // Rommé meld test
    bool (*ismeldung)(const hand& h) = nullptr;     // Canasta meld test
    bool (*istWild)(const karte& c) = nullptr;      // canasta.istWild (default: Joker or Zwei)
    bool (*istJoker)(const karte& c) = nullptr;     // romme.istJoker (default: value 14)
    bool (*gleichePartei)(int a, int b) = nullptr;  // canasta.gleichePartei
    // A card of the seat was re-slotted (it landed in its new slot): the running game updates its
    // own view of the hand (Mau Mau, Skat for seat 1) and the shell resets the seat's entries in
    // the in-game dialog. Not asked in Schwimmen.
    void (*umgesteckt)(int seat, int slot) = nullptr;
    void (*auswahlHand)(hand& out) = nullptr;  // romme.auswahlHand: the human's selected meld

    Schale* schale = nullptr;
};

Tabelle& tab();
void reset();
// The shell's record, or the defaults when no shell has installed one.
Schale& schale();

}  // namespace tischhooks
