// One side of one card in 3D: placement from its stack or its flight, texture, shade and
// transparency, and the card-shaped mesh with rounded ends that can bend; in the shadow pass
// the card's shadow volume instead.
#pragma once
#include <cstdint>
#include <string>

#include "table/tspieler.h"

namespace glu {

// Selection name of the card being drawn (set by the stack drawing before each card).
extern int32_t pickName;
// -1 while the mirror pass draws, else 1.
extern float mirrorSign;
// The model-view matrix the mirror pass and the overlays save.
extern double savedModelview[16];
void savemodelview();

// The shadow volume of the closed outline (np points in the current model-view frame), for the
// shadow pass: its walls run from the outline away from the light.
void shadowvolume(const float* px, const float* py, const float* pz, int np);

// Mirrors the current transform across the table top (after setcamera, in the mirror pass).
void mirroracrosstable();

bool ismeshpass();
bool ismirrorpass();

// Corner segments of one rounded end: detail 1..5 gives 1..5 (4 otherwise); one more in the
// menu scene; at most 2 for coarse cards; one more for the human hand and the talon when above
// 1; a resting talon card below its top is held at 4.
int cornersegments(int detail, bool menuScene, bool coarse, int stack, bool restingTalonBelowTop);
// Rows of the body strip: detail 1..5 gives 1, 2, 4, 6, 8 (4 otherwise); at most 3 for coarse
// cards, at most 2 with the second low-detail option; a card at rest uses one row.
int bodyrows(int detail, bool coarse, bool lowest, bool moving);
// Bend of the card at s in -1..1: mode 1 an S (-s^3 k^2 / 6400), mode 3 an arch (s^2 k / 100,
// negated on the back side), any other mode flat.
float cardbend(int mode, float s, float k, bool backSide);
// Horizontal crop of a face picture (its margins) by game and deck style.
struct Crop {
    float lo, hi;
};
Crop facecrop(int gameId, int deckStyle);
// The pulse (0..1) of the panel element the shell made for a card's slot, -1 while that
// element is hidden; until the shell installs it highlighted cards do not pulse.
extern float (*cardPulse)(int stack, int slot);
// Alpha of a highlighted card: 0.6 + 0.4 x pulse (0.6 without one); stack 12 in the meld
// grid 0.7 .. 1.0, and 1.0 in the phase values 9 and 10.
float highlightalpha(float pulse, bool meldGrid, int phase);
// Shade of a vertex at height v: 1 - (1.08 - v) x light x factor.
float cardshade(float v, float light, float factor);
// The shade the normal pass gives a vertex at height v: Poker's or the plain one, and 1.0 when
// the display option for unshaded cards is on.
float vertexshade(float v, float factor, bool poker, bool human, int gray, bool unshaded);
// The shade factor by game (the display options on): 0.12 Rommé and Canasta, 0.3 the Black
// Jack seats, 0.2 elsewhere; with the options off 0.15 / 0.25.
float shadefactor(int gameId, bool blackJackSeat, bool optionsOn);
// Mirror alpha at height v: strength / 99 x the mix of the two fades, never below 0, capped
// in Black Jack (0.4, the human's stack 0.08) and on the Schnapsen talon (0.3).
float mirroralpha(int strength, float v, float fadeBottom, float fadeTop, int gameId, int stack);

// Poker's shade: the darkening grows with the square of the distance from the top and with
// the environment's grey value (gray - 12), a little more for the human's cards.
float pokershade(float v, float light, bool human, int gray);
// Colour of a vertex of shade s and alpha a. An opaque card keeps (s, s, s, 1); a translucent
// one mixes the shade with its alpha, and by the environment's variant 0 keeps the alpha, 1
// gives all four parts the shade, 2 sharpens the alpha (1 - (1 - a) x 1.5) and draws opaque.
struct Rgba {
    float r, g, b, a;
};
Rgba translucentcolor(float s, float a, int variant);
// The translucency variant of the current environment (0..2); the shell sets it.
extern int translucentVariant;

// Schnapsen's trick pile (stack 12) shows its cards larger. The share f: 1 for a card lying
// there, 1 - progress for one leaving it, progress for one of seats 1..4 (slots 1..10) flying
// to it; 0 for any other card.
float trickpileshare(int stack, bool moving, int fromStack, int fromSlot, int toStack, float progress);
// Width and height factors of a trick-pile card of the seat at share f: seat 1's cards grow
// less in height, seat 3's (across the table) more.
struct Size2 {
    float w, h;
};
Size2 trickpilescale(float f, int seat);

// How a card flying between two stacks mixes their places, by its flight code: weights of
// the destination for the position and for the angles at the motion's progress.
struct MixWeights {
    float pos, ang;
};
MixWeights flightmix(int flightCode, float progress);

// Black Jack's deal: a card flying from the shoe drops toward the seat as it comes, by its
// progress p and the card scale m (the human's hand rises toward the viewer instead), and
// draws in a little sideways. A card bound for a later slot of the hand passes higher over the
// cards already there; that arc is gone when it lands.
struct DealOffset {
    float y, z, a1, x;
};
DealOffset bjdealoffset(bool human, float p, float m);

// The text a game writes on a card (Black Jack's hand value, a meld's number, the Schnapsen
// and Jass texts), Windows-1252, empty for none; the running game fills it.
extern std::string (*cardLabel)(int stack, int slot);
// Whether the card carries its game's label: in Black Jack the first shown card of a seat's
// hand, in Rommé and Canasta the first card of each meld on stack 12, in Schnapsen the top
// card of stacks 7 and 8, in Jass of stacks 7..10.
bool haslabel(int gameId, int stack, int slot, int anz, int pilePos, int firstShown, int seatCount);
// How much larger than the near pile's label a pile's label is drawn.
float labelscale(int gameId, int stack);

struct CardArgs {
    uint32_t texture = 0;
    uint8_t sideways = 0;
    bool backSide = false;
    float x = 0, y = 0, z = 0;
    float width = 178, height = 290;
    float corner = 5;
    float bend = 0, tilt = 0;
    float a1 = 0, a2 = 0, a3 = 0;
    int32_t word = 0;
    int stack = -5, slot = -5;
    bool highlight = false;
};
// Draws one side of a card (see CardArgs); a free card (negative stack) is placed only by its
// own values.
void drawcard(const CardArgs& a);
// A raised card (lift motion, rising, up or sinking) is drawn at its place plus the lift's
// offsets; any other card is left as it is (a flight is placed by drawcard itself).
void liftoffset(const TBewegung& b, CardArgs& a);

}  // namespace glu
