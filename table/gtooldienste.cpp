#include "table/gtooldienste.h"

#include "table/glu.h"
#include "table/overlays.h"

namespace gtooldienste {

namespace {

TSpieler* st(int spi) { return glu::gueltig(spi) ? glu::stapel(spi, "gtooldienste") : nullptr; }

bool slotKopie(int stack, int slot, karte& c, int32_t& dealNr) {
    const TSpieler* s = st(stack);
    if (!s || slot < 1 || slot > kSlots) return false;
    c = s->at(slot).c;
    dealNr = s->at(slot).dealNr;
    return true;
}

hand* spiegeln(int stack) {
    TSpieler* s = st(stack);
    if (!s) return nullptr;
    glu::stapelZuHand(*s);
    return &s->hand;
}

void zurueck(int stack) {
    if (TSpieler* s = st(stack)) glu::handZuStapel(*s);
}

void schild(int seat, const std::string& text, float alpha) {
    glu::seatmatrix(seat);
    glu::drawseatlabel(text, seat, true, alpha);
}

}  // namespace

void eintragen(central::Dienste& d, gtool::Sitze& s) {
    d.slotKopie = slotKopie;
    d.stapelSpiegeln = spiegeln;
    d.spiegelZurueck = zurueck;
    s.schild = schild;
}

}  // namespace gtooldienste
