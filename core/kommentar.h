// Whether a computer seat comments an event, and what it says (central.kommentar). The game
// units call it; the sentence itself comes from the seat's voice table through gtool.sagen.
#pragma once

namespace central {

// Event kinds: 0 an emotion (codes 30 + b..a), 1 "Canasta", 2 Kontra/Re (b < 2: to you, 2: to
// you all), 3 the seat wins (code b), 4 a comment (code b). Excitement 0..100. Returns whether
// the seat speaks.
bool kommentar(int seat, int art, int b, int a, int erregung);

// The chance threshold of the comment test: the seat speaks when a uniform draw lies above it
// (1.0: never). Talkativeness outside 1..4 counts as 1.
double kommentarSchwelle(int gespraechig, int erregung);

// The game step at which each seat 1..6 last passed the comment test; cleared with the sound.
void kommentarZuruecksetzen();

}  // namespace central
