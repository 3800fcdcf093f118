// The card atlases: 4 columns x 8 rows of 178 x 290 faces in one JPEG per file.
//
// Cell of a card (row 0 at the top of the picture as it is viewed):
//   column = suit - 1 (1 Kreuz/Eichel, 2 Pik/Grün, 3 Herz, 4 Karo/Schellen);
//   kb<picture>.dat:  row = rank - 1 for ranks 1..8 (7, 8, 9, Bube, Dame, König, 10, As);
//   kbp<picture>.dat: row = rank - 9 for ranks 9..13 (2..6); row 5 holds the joker (rank 14)
//                     in every column; rows 6 and 7 are blank faces.
#pragma once
#include "tools/common/canvas.h"

namespace atlas {

constexpr int kColumns = 4, kRows = 8;

struct Cell {
    int column = 0, row = 0;
    bool second = false;  // in the kbp atlas
};
// False for a suit outside 1..4 or a rank outside 1..14.
bool cell(int suit, int rank, Cell& out);
// The atlas of one picture style: the first (ranks 1..8) or the second (ranks 9..14).
canvas::Canvas build(int style, bool second);

}  // namespace atlas
