// Drawing the chips, markers and money labels of the chip games in the table's scene passes.
// Every walk first takes departed chips out of their stacks, so the upkeep happens in frames that
// draw nothing too.
#pragma once
#include <cstdint>
#include <filesystem>

namespace chipdraw {

// The chip textures the shell loads (GL names; 0: the pieces are drawn in plain colours).
struct Texturen {
    unsigned flaeche = 0, rand = 0;            // chips.jpg / chipk.jpg (or the euro pair)
    unsigned markeFlaeche = 0, markeRand = 0;  // chips2.jpg / chipk2.jpg
};
extern Texturen texturen;
// Loads the chip textures of a picture folder (data/bilder/<detail>): chips.jpg and chipk.jpg,
// or _echips.jpg and _echipk.jpg for euro chips, and the markers' chips2.jpg and chipk2.jpg.
// False when a file is missing; what loaded stays in use.
bool texturenLaden(const std::filesystem::path& ordner, bool euro, int detail);

// The GUI library's quality setting 1..5 (segments of a piece); other values give 48.
extern int qualitaet;

// The fade of a seat's money panel in the poker table dialog (0 when hidden) and of the score
// sheet, from the shell; empty: 0 (no opponent labels).
extern float (*panelBlende)(int seat);
extern float (*listeBlende)();

// Pass 0 normal, 1 picking, 2 shadow, 3 mirror, 6 upkeep only. The table engine calls it
// through its chip hook; the shell calls it with 6 in frames that do not draw the table.
void DrawChips(uint8_t pass);

// Segments of a piece's circle by detail (0..3) and quality.
int segmente(int detail, int quality);

}  // namespace chipdraw
