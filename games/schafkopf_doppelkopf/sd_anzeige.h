// Who plays what, beside each seat, as the human at seat 1 knows the deal: a caption the table
// draws next to a seat's cards, the seat's icon, and the marks the table engine draws beside the
// icon (Schafkopf: the game's suit and Tout at the declarer; Doppelkopf: the special points).
// Schafkopf: the bidders while bidding, then the declarer's game (with Kontra and Re), his
// partner and opponents in a Rufspiel once known ("?" before), or Ramsch at every seat.
// Doppelkopf: the soloist's solo, the Hochzeit, Re and Kontra as far as known ("?" before), and
// the highest announcement of each side. Captions are program text (Windows-1252).
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "table/overlays.h"

namespace schafkopf {
// The caption of seat 1..4 now; empty when the seat shows nothing.
std::string sitzText(int seat);
// The texture of the seat's icon (a picture of panel::bilder); 0 for none.
int32_t sitzIcon(int seat);
// What stands beside the seat's icon; false when nothing does.
bool sitzMarken(int seat, glu::SeatMarks& m);
// Writes the captions and icons to the seat panels; a seat whose spoken bubble is up keeps it.
void anzeigeAktualisieren();
}  // namespace schafkopf

namespace doppelkopf {
std::string sitzText(int seat);
int32_t sitzIcon(int seat);
// The special-point marks of a seat: a caught Fuchs (1, or 2 while the human cannot yet be sure
// the victim was an opponent), the Karlchen and a Doppelkopf trick (0 or 1).
int fuchsMarke(int seat);
int karlchenMarke(int seat);
int doppelkopfMarke(int seat);
bool sitzMarken(int seat, glu::SeatMarks& m);
void anzeigeAktualisieren();
}  // namespace doppelkopf

namespace sd {
// Lets the table engine ask the running game of the two for the marks beside a seat's icon.
void markenAnmelden();

// Developer diagnostics of the running game of the two: the party matrix, one line per seat's
// view (" " unknown, "R" the declarer's side, "K" the other, the own seat in parentheses), and
// in Doppelkopf how many of the computer seats' party views are right; empty in other games.
std::array<std::string, 4> parteiAnzeige();
std::string trefferStatistik();
}  // namespace sd
