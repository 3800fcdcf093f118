// The card table engine: the stacks of cards, card moves and their flights, dealing and
// playing, the table layout, the per-game table rules and the move executor.
#pragma once
#include <cstdint>

#include "table/tspieler.h"

namespace glu {

// ---- stacks (ids 1..20 in spieler, their twins -1..-20 in spielerZwilling) ----
extern TSpieler spieler[kStapel];
extern TSpieler spielerZwilling[kStapel];
extern int32_t anzSitze;          // seats in use: stacks 1..anzSitze
extern int32_t anzTischStapel;    // table stacks in use: 11..10+anzTischStapel
extern TZugliste zugliste;        // moves under way
extern TFertigliste fertigliste;  // completed moves awaiting the shell
extern float zeitschritt;         // time step of the current frame: 1 / fps / 10
extern int32_t vergangen;         // ms since the previous motion step
extern bool bjEroeffnung;         // Black Jack opening deal in progress

// A stack id names a stack when it is 1..20 or -1..-20.
inline bool gueltig(int spi) { return spi != 0 && spi >= -kStapel && spi <= kStapel; }
// The one range-checked access to a stack: an invalid id is reported as a range error naming
// the routine, and gives nullptr.
TSpieler* stapel(int spi, const char* routine);
// Empties every stack, both move lists and the engine's timing (new game, tests).
void reset();

// Placement copies (the fields from x up to the motion record).
void copyplacement(TKartenSlot& dst, const TKartenSlot& src);
void copyplacementkeepcell(TKartenSlot& dst, const TKartenSlot& src);

// The mirror hand: stack -> hand (tags = slots) and back.
void stapelZuHand(TSpieler& s);
// A seat's cards through its mirror hand, for the decision dialogs (seats outside 1..20: h is
// left as it is).
void handVonSitz(int seat, hand& h);
void handZuStapel(TSpieler& s);

// ---- card moves ----
struct Flug {
    int32_t code = 0;
    float random = 0;
    int32_t option = 0;
    bool delaySet = false;  // the Schwimmen exchange overrides the start delay
    float startDelay = 0;
    int32_t marker = 0;     // the motion record's marker
    bool speedOne = false;  // move kind 8 flies at speed 1.0
};
// The flight that a move kind gives (draws from the random source where the kind varies).
Flug flugcode(int moveKind, uint8_t flag, int fromStack, int toStack, int marker);

// Requests one move. Everything is checked first; a refused request changes nothing.
bool movecard(int fromStack, int fromSlot, int toStack, int toSlot, uint8_t flag, uint8_t motionKind,
              uint8_t moveKind, float startDelay, int marker, float endHold);
// movecard, then the source becomes the move the game waits for.
bool movecardrecord(int fromStack, int fromSlot, int toStack, int toSlot, uint8_t flag, uint8_t motionKind,
                    uint8_t moveKind, float startDelay, int marker);

// The shell's draining: while moves are completed and none is under way, reports the newest
// first. Returns how many were reported.
using CardDone = void (*)(int fromStack, int toStack, int fromSlot, int toSlot, int kind);
int drainfinished(CardDone done);

// ---- per-frame motion ----
struct FrameTime {
    float fps = 0;  // smoothed frame rate; 0 (first frame, minimised) means no motion
};
void stepanimation(const FrameTime& t);
// Before a loaded game is restored: the moves under way belong to the table before the load and
// none of them may land on the loaded one; a move that landed but was not reported yet is done.
void bewegungenVerwerfen();
void updatecardmotion(int spi, int slot);
void stepstackslide(int spi);
void getcardslot(int stack, int slot, bool isDestination, TKartenSlot& out);
// The stack's place now; false (and a range error) for an invalid id.
bool pvl_getplayerpos(int spi, int slot, Pos6& out);

// ---- dealing and playing ----
void dealcards(int seat, int n, int skip, int sourceCount, int sourceStack, float delay);
int playcard(int seat, int slot, int targetStack, int targetSlot);
// One pass of a talon shuffle shown on the table: every card of the stack swings out and back
// into its own slot, each in the direction basis + 0.2 x Random. Returns the cards set moving.
int mischPass(int stack, float basis);

// ---- helpers ----
void clearplacement(TKartenSlot& s);
// A new deck's card into a slot the table layout has already laid out (face down on the talon):
// only the card and its motion are new. A cleared slot would lie face up under the cloth.
void karteEinlegen(TKartenSlot& s, const karte& k);
int insertsorted(const TSpieler& s, const TKartenSlot& card);
void playmovesound(int n);
void movestack(const Pos6& target, int spi, float parameter);
void liftcard(TBewegung& b, uint8_t up, int stack, int slot);

// ---- table layout ----
void setuptablelayout(uint8_t full);
void seatposition(TSpieler& s, uint8_t open, float count);
void fanposition(const TSpieler& s, int slot, TKartenSlot& out, float count);
void LayoutCardPositions(int seat, int first, int count, int mode, uint8_t kind, int other);
void openhandposition(int seat, Pos6& out);
void throwposition(int seat, int turns, TKartenSlot& out);

// ---- per-game table rules ----
bool islegalcard(const TKartenSlot& s);
bool cardfitslead(const karte& card, const karte& lead, int alt);
bool anycardselectable();
bool ishandopen(int seat);
int suittofollow();
bool highlightlegal();
bool isfacedownstack(int spi);
bool iscardvisible(int spi, int k);
int panelelement(int i);

// ---- move executor ----
void executemove(int A, int B, int T, int D, int count, uint8_t type, int last);

// ---- picking: the hit buffer ----
struct Hover {
    int handCard = 0;  // hovered slot of the human hand
    int lastHandHit = 0;
    int forcedHandCard = 0;
    int tableStack = 0, tableSlot = 0;
    int prevTableStack = 0, prevTableSlot = 0;
    bool keyboardHold = false;  // keyboard navigation holds a hand card
    int chipName = 0;           // name handed to the chip handler
};
extern Hover hover;
// Decodes the selection buffer of one pick pass (hits as glRenderMode returned it; negative =
// overflow) into the hover variables. Returns the winning name (0 = none).
int pickdecode(const uint32_t* buffer, int bufferWords, int hits);

}  // namespace glu
