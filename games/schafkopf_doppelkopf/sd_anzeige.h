// Who plays what, beside each seat: the caption the table draws next to a seat's cards, as the
// human at seat 1 knows the deal. Schafkopf: the bidders while bidding, then the declarer's game
// (with Kontra and Re), his partner and opponents in a Rufspiel once known, or Ramsch at every
// seat. Doppelkopf: the soloist's solo, the Hochzeit, Re and Kontra as far as known, and the
// highest announcement of each side. Captions are program text (Windows-1252).
#pragma once
#include <string>

namespace schafkopf {
// The caption of seat 1..4 now; empty when the seat shows nothing.
std::string sitzText(int seat);
// Writes the four captions to the table's seat overlays.
void anzeigeAktualisieren();
}  // namespace schafkopf

namespace doppelkopf {
std::string sitzText(int seat);
void anzeigeAktualisieren();
}  // namespace doppelkopf
