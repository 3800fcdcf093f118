// The computer seats of Black Jack and 17 und 4: the bet, doubling and drawing by the seat's
// strength, a card count of what became visible since the last shuffle, a betting style per
// seat, and a comment on the seat's result. Its decisions enter the game through the action
// entry, as a click would; its reasoning goes to the program log.
#pragma once
#include <cstdint>

#include "core/karten.h"

namespace blackjackki {

void bjKIInitDeck(int talon);
// A card became visible (reason: 0 dealt, 1 from the talon, 2 collected, 3 turned up, 4 moved
// face up onto its slot, -1 other).
void bjKICountCard(int reason, bool faceUp, const karte& c, int slot);
int bjKICardCountValue(int t);
int32_t laufenderZaehler();

int32_t einsatz();
bool verdoppeln();
bool ziehenEntscheiden();
bool ziehenAnfaenger();
bool ziehenTabelle();
bool ziehen();
void kommentar(int seat);
// The computer seat on turn answers the open question. A seat of level 0 picks uniformly among
// the legal answers (the yardstick of self-play).
void kiTick();

// The sound manager's comment routine (event, seat, code, excitement); empty: no comment.
extern void (*kommentieren)(int event, int seat, int code, int erregung);

}  // namespace blackjackki
