// The main form's life: creation of the central objects, the start-up stages, the shut-down.
#include "app/glapp.h"

#include "core/hilfe.h"

namespace glapp {

uint8_t spielAktiv = 0;
uint8_t aStatus = asNone;
int32_t zeigerKarte = 0, zeigerStapel = 0, zeigerStapelKarte = 0;
std::string tastenPuffer;
std::string userName;
bool nameWeiblich = false;
uint32_t startTick = 0;
Tglapp* glapp = nullptr;
THelpContainer* hc = nullptr;
THelpContainer* ihc = nullptr;

void Tglapp::FormCreate() {}
bool Tglapp::wirklichbeenden() { return true; }
void Tglapp::startup() {}
void Tglapp::shutdown() {}
void Tglapp::windowInit() {}
void Tglapp::loadsettz() {}
void Tglapp::savesettz() {}
void Tglapp::FormMouseWheelDown(int, int, int) {}
void Tglapp::main(bool) {}
void Tglapp::checkupdownmoves(bool) {}
void Tglapp::onestep() {}
void Tglapp::loadenv(bool) {}
void Tglapp::setksize() {}
void Tglapp::kbladen() {}
void Tglapp::lkb(bool) {}
void Tglapp::pk_loadchips() {}
void Tglapp::pk_loadchips2() {}
void Tglapp::mouseover(int, int) {}
void Tglapp::carddone(int, int) {}
void Tglapp::ziehrunter() {}
void Tglapp::ktausch(const karte&, const karte&) {}

}  // namespace glapp
