#include "tools/cards/atlas.h"

#include "tools/cards/faces.h"

namespace atlas {

bool cell(int suit, int rank, Cell& out) {
    if (suit < 1 || suit > 4 || rank < 1 || rank > 14) return false;
    out.column = suit - 1;
    out.second = rank >= 9;
    out.row = out.second ? rank - 9 : rank - 1;
    return true;
}

canvas::Canvas build(int style, bool second) {
    canvas::Canvas a(kColumns * faces::kWidth, kRows * faces::kHeight, canvas::rgb(0xFFFFFF));
    canvas::Canvas face(faces::kWidth, faces::kHeight);
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col) {
            const int rank = second ? row + 9 : row + 1;
            face.clear(canvas::rgb(0xFFFFFF));
            if (rank <= 14)
                faces::draw(face, style, col + 1, rank);
            else
                faces::drawBlank(face);
            a.blit(face, static_cast<float>(col * faces::kWidth), static_cast<float>(row * faces::kHeight),
                   faces::kWidth, faces::kHeight);
        }
    return a;
}

}  // namespace atlas
