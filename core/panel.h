// What the table shows beside each seat during a game: the speech bubble or caption, and the
// marker icon (turn marker or status icon). The games set them through these routines; the
// table engine draws them in its label pass, and a new game or a loaded one starts empty.
#pragma once
#include <cstdint>
#include <string>

namespace panel {

// One seat's display (seats 1..10; entry 0 is the narrator's bubble slot and is not drawn).
struct Sitz {
    std::string bubble;  // caption, Windows-1252; a leading "?" marks a spoken bubble
    bool bubbleVisible = false;
    float bubbleFade = 1.0f;
    int32_t icon = 0;  // texture of the marker icon, 0 = none
    bool iconVisible = false;
    float iconFade = 1.0f;
};
constexpr int kSitze = 11;
extern Sitz sitz[kSitze];

// Texture numbers of the panel pictures, registered by the shell at start (0 while not loaded,
// for example without a display).
struct Bilder {
    int32_t aussetz = 0, dran = 0, ziehen = 0, schieb = 0, klopf = 0;
    int32_t r[3] = {};        // 1..2
    int32_t ansage[13] = {};  // announcement icons 1..12; 1..4 are the suit icons
    int32_t obenabe = 0, undenufe = 0, slalomO = 0, slalomU = 0;  // Jass directions
    int32_t fuchs = 0, karl = 0, doko = 0;                        // Doppelkopf special points
    int32_t solo[6] = {};       // f_b, f_d, f_f, f_bd, f_x, and announcement 12
    int32_t schafkopf[5] = {};  // f_k, f_w, f_sie, f_tout, and f_b
    int32_t u[6] = {};          // f_u0..f_u5
    int32_t re = 0, kontra = 0;  // the two sides of Schafkopf and Doppelkopf
};
extern Bilder bilder;

// The seat's caption; an empty text hides it.
void text(int seat, const std::string& t);
// The seat's marker icon; texture 0 hides it.
void icon(int seat, int32_t tex);
// The turn marker at `seat` (0: none); every other seat that shows the turn marker loses it, and
// the other status icons stay. Without pictures (no display) nothing shows.
void amZug(int seat);
// Hides the turn markers and status icons of every seat.
void iconsVerbergen();
// Hides everything: captions, bubbles and icons (a new game, a loaded one).
void leeren();

}  // namespace panel
