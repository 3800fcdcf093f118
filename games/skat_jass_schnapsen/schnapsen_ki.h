// The computer seat's view of a running deal and its one search instance.
#pragma once
#include <string>

#include "games/skat_jass_schnapsen/schnapsen_suche.h"

namespace schnapsenki {

// The deal as the search sees it for suchSitz: with echt the real talon order and the other
// seat's real hand, else both guessed from the cards the seat cannot see.
Lage lageAusSpiel(int suchSitz, bool echt);
// The one search instance (its node pool is allocated once, on first use).
BaumBuilder& baum();
// The smoothed frame rate the search budgets its slices by; empty: 60 frames per second.
extern float (*bildRate)();
// The developer panel's two text fields, field 0 its debug line and field 1 its list ("\r"
// between lines); empty without a shell. Written only while the panel is shown in developer
// mode (gtool::kiLogAn).
extern void (*entwicklerText)(int feld, const std::string& text);
// A new match: the computer seat greets again.
void neueRunde();

}  // namespace schnapsenki
