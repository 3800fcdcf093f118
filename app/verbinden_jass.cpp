// The shell's connection to the game unit: registration and hooks, then its pages.
#include "app/glapp.h"
#include "app/spielanbindung.h"

namespace glapp {

void jassVerbinden(Tglapp&) {}

void jassSeiten(Tglapp&) {}

}  // namespace glapp
