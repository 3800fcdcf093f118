// The table engine's answers to the game tools: a slot of a stack, the mirror hand of a stack
// for shuffling, and the seats' name plates. The shell and the headless harness install them
// beside tischdienste::eintragen.
#pragma once
#include "core/central.h"
#include "core/gtool.h"

namespace gtooldienste {

// Fills the game-tool entries of d (slot copy, mirroring a stack into its hand and back) and the
// name plate of s; every other entry keeps what it holds.
void eintragen(central::Dienste& d, gtool::Sitze& s);

}  // namespace gtooldienste
