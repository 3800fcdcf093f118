// The labels the table lays on the piles of won tricks: each seat's points in Schnapsen and
// Sechsundsechzig (with the announced points) and in Jass.
#include <string>

#include "app/spielanbindung.h"
#include "core/cg.h"
#include "core/spiele.h"
#include "games/skat_jass_schnapsen/jass.h"
#include "games/skat_jass_schnapsen/schnapsen.h"

namespace glapp {

std::string stapelBeschriftung(int stack, int) {
    if (cg.spielId == spiele::kJass) return jass::stapelPunkteText(stack);
    if (cg.spielId == spiele::kSchnapsen) return schnapsen::stichPunkteText(stack);
    return {};
}

}  // namespace glapp
