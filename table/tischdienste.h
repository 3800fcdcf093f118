// The table engine's answers to session control's service table: stack access, the layout, the
// open hands, packing the stacks into the central record's compact lists and the meld cells.
// The shell and the headless harness install them; the application values stay theirs.
#pragma once
#include "core/central.h"
#include "core/karten.h"
#include "core/spielstand.h"

namespace tischdienste {

// Fills the table-engine entries of d (layout, hands, stacks, move list, packing, meld cells);
// every other entry keeps what it holds.
void eintragen(central::Dienste& d);

// The card count of a stack (1..20, -1..-20); 0 for an invalid id.
int anzahl(int stapel);
// The card in a slot of a stack; an empty card outside the stack.
karte karteBei(int stapel, int slot);
void karteEntfernen(int stapel, int slot);
// Stack ids, the full layout, and every slide and card motion cleared.
void stapelNeu();
void offeneHand(int seat);
// Holders 1..20 into cg.stapelListen (and each mirrored into its hand), and back.
void packen();
void entpacken();
// The saved-games hooks: saving packs as above, loading unpacks into both arrays of stacks (each
// holder and its twin).
void anbinden(spielstand::Anbindung& a);
void meldZellen(bool bewegungLoeschen);

}  // namespace tischdienste
