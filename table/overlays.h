// The flat overlays beside each seat's cards, drawn in the label pass: the speech bubble,
// the marker icons and the name plate.
#pragma once
#include <cstdint>
#include <string>

#include "core/panel.h"

namespace glu {

// What the game core shows per seat (seats 1..10): the bubble and the marker icon.
using SeatOverlay = panel::Sitz;
inline auto& seatOverlay = panel::sitz;
// The library's plate colour (bubbles and name plates).
extern float plateColor[4];

// What the bubble reads of a poker seat's record (`PokerSeat`), by name instead of by byte
// offset: the chip games fill it through the hook when they exist.
struct PokerSeatView {
    uint8_t state = 0;    // 8: the seat has just acted
    uint8_t bobbing = 0;  // the bubble bobs
    float bobPhase = 0;   // phase of the bob, 0..1
    uint8_t inHand = 0;   // the seat still plays this hand: the bubble sways
    int32_t actions = 0;  // from 2 on the sway is smaller
};
extern bool (*pokerSeatView)(int seat, PokerSeatView& out);
extern bool (*pokerRevealSeatCards)(int seat);
// Bubble offsets of a poker or Black Jack seat: the bob height and the sway angle (degrees).
struct BubbleMotion {
    float lift = 0;
    float swayDeg = 0;
};
BubbleMotion pokerbubblemotion(const PokerSeatView& p, bool reveal, int phaseStep, float tableAngle,
                               int gameId);

// The lines of a speech bubble.
struct BubbleText {
    bool show = false;
    std::string line1, line2;
    int lines = 1;
    float scale = 0.8f;
    bool lengthSplit = false;  // split by the length rule (the wider line sets the width)
};
// Text rules of the bubble: hidden, empty and "?" show nothing; a leading "?" drops and
// shrinks the text, and only such a text may split into two lines.
BubbleText bubbletext(const std::string& caption, bool visible, int seat, int gameId, int seatCount,
                      bool pokerState3);
// Black Jack: the human's bubble height (17 und 4 lifts it with the cards held and arriving).
float blackjackbubblelift();
// Black Jack with 5 or more seats on a 4:3 or 5:4 screen: how far seat 2's bubble moves right
// and the last seat's left by the length of its first line.
float blackjackbubbleshift(int seat, int seatCount, size_t line1Length, bool narrowScreen);
// The marker fade while the seat's stack slides with progress p: out and back in.
float markerfade(float fade, bool sliding, float p);
// Width of a bubble in table units.
float bubblewidth(const BubbleText& b);

// What Schafkopf and Doppelkopf show beside a seat's marker; the running game fills it through
// the hook (no hook: nothing beside the marker).
struct SeatMarks {
    struct Spiel {
        uint8_t type = 0;  // 8: a game without a called suit
        uint8_t suit = 0;
        uint8_t tout = 0;
    };
    Spiel spiel;   // Schafkopf: the game being played
    Spiel ansage;  // Schafkopf: the announcement, shown while the phase is 3 or 7
    int declarer = 0;
    uint8_t marks[3] = {};  // Doppelkopf: Doppelkopf, Fuchs, Karlchen (2: doubled)
};
extern bool (*seatMarks)(int seat, SeatMarks& out);
// The marker icons the shell loads: suits 1..12, Tout, the three Doppelkopf marks, and the
// number of the seat icon drawn smaller.
struct MarkerIcons {
    int32_t suit[13] = {};
    int32_t tout = 0;
    int32_t marks[3] = {};
    int32_t small = 0;
};
extern MarkerIcons markerIcons;
// How many icons stand beside the seat's marker in Schafkopf (game 6) and Doppelkopf (game 5);
// the marker row is shifted left by them. 0 in other games.
int markercount(int gameId, int seat, int phase, const SeatMarks& m);
// How much larger the Schafkopf and Doppelkopf seat markers are drawn in a view of the given
// height: the table shrinks with the window, the markers must stay readable (1.5 at 480 lines
// and below, 1 from 720 on, in between in proportion).
float markerscale(int viewHeight);

// Where each seat's name plate and speech bubble stood in the last label pass, as fractions of
// the view (0..1, y from the top); empty when not drawn. The shell keeps its panels clear of them.
struct ViewRect {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return !(right > left && bottom > top); }
};
struct SeatAreas {
    ViewRect plate, bubble;
};
extern SeatAreas seatAreas[11];
// Forgets every seat's areas; the label pass calls it before it draws the seats again.
void clearseatareas();

void seatmatrix(int seat);
void overlaymatrix(int seat);
void drawseatlabel(const std::string& text, int seat, bool framed, float alpha);
// The name plate of a seat with its name from the settings record.
void drawseatname(int seat);
void drawseatbubble(int seat);
// The rummy and shedding games (Mau Mau, Schwimmen, Rommé, Canasta), Skat, Schnapsen and Jass
// draw a seat's marker over the cards and after the seat's name plate, so that neither hides it.
bool markersontop(int gameId);
void drawseatmarkers(int seat, float xOffset);
void drawdoublemark(float alpha);

}  // namespace glu
