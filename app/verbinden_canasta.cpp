// The shell's connection to the game unit: registration and hooks, then its pages.
#include "app/dialoge.h"
#include "app/glapp.h"
#include "app/klick.h"
#include "app/spielanbindung.h"
#include "core/spiele.h"
#include "games/rummy_shedding/canasta.h"

namespace glapp {

void canastaVerbinden(Tglapp&) {
    canasta::anmelden();
    dialoge::haken.optionenJe[spiele::kCanasta] = [](int element, bool flag) {
        canasta::optionenAbgleichen(element, flag);
    };
}

void canastaSeiten(Tglapp&) {
    const dialoge::Ids& d = dialoge::ids();
    canasta::seiten.haupt = d.regeln[spiele::kCanasta];
    const std::vector<int>& e = d.regelOptionen[spiele::kCanasta];
    for (size_t i = 0; i < e.size() && i < 20; ++i) canasta::seiten.e[i] = e[i];
}

}  // namespace glapp
