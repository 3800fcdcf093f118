#include "app/rahmen.h"

#include "core/central.h"
#include "table/glu.h"

namespace rahmen {

namespace {

// The holder and slot of the source: the pair glu::movecardrecord registered as the awaited
// move. Any other pair never matches, and the game would wait for ever.
void fertig(int fromStack, int, int fromSlot, int, int) {
    central::bewegungFertig(cg, fromStack, 0, fromSlot);
}

}  // namespace

void ablauf(TCG& g, const Takt& t) {
    glu::drainfinished(fertig);
    const int runden = t.schnell ? 100 : 1;
    for (int i = 0; i < runden; ++i) {
        if (!t.modal && t.spiel) central::spielSchritt(g);
        if (t.schnell) glu::stepanimation(glu::FrameTime{t.fps});
    }
    if (!t.eingefroren) glu::stepanimation(glu::FrameTime{t.fps});
}

int pickIntervall(float fps) {
    if (fps > 105) return 4;
    if (fps > 65) return 3;
    if (fps > 45) return 2;
    return 1;
}

bool pickFaellig(int32_t frame, float fps, Maus jetzt, Maus& letzte) {
    if (frame % pickIntervall(fps) != 0) return false;
    if (fps >= 40) {
        letzte = jetzt;
        return true;
    }
    if (jetzt == letzte) return false;
    letzte = jetzt;
    return true;
}

int langsam(int zaehler, uint32_t dauerMs) {
    if (dauerMs > 150) return zaehler < 10 ? zaehler + 1 : 10;
    if (zaehler == 1 || zaehler == 2) return zaehler - 1;
    return zaehler;
}

}  // namespace rahmen
