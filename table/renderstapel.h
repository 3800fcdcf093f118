// The cards of every stack for one scene pass: the order of stacks and cards, which side of
// each card is drawn with which picture, what the cheaper passes and low detail levels leave
// out, the highlight and the selection name. Collected as data first, then drawn.
#pragma once
#include <cstdint>

namespace glu {

// One card side to draw.
struct DrawReq {
    int16_t stack = 0, slot = 0;
    uint32_t texture = 0;
    bool backSide = false;
    bool highlight = false;
    int32_t pickName = 0;
    bool roundX = false;    // a back side at its whole x position (not for an open card)
    bool meldCell = false;  // stack 12 in the meld grid: placed in its cell before drawing
};

// The draw requests of one pass, in order (fixed storage: every slot of every stack twice).
struct DrawList {
    static constexpr int kMax = 20 * 166 * 2;
    DrawReq r[kMax];
    int n = 0;
    void add(const DrawReq& q) {
        if (n < kMax) r[n++] = q;
    }
};

// The first byte of a seat's poker record (2: the seat's cards are highlighted); installed
// by the chip games.
extern uint8_t (*pokerSeatState)(int seat);

// Schnapsen's answers, installed by the game: its talon is closed or exhausted; a card of the
// pair a computer seat announced lies open on its hand.
extern bool (*schnapsenTalonZu)();
extern bool (*schnapsenPaarKarteOffen)(int stack, int slot);

// The requests for the current renderPass, pickingFlag, coarse and detail settings.
void collectstacks(DrawList& out);
// The entries of the meld grid in the order it is walked for the current pass (normal pass
// only while playable cards are highlighted; mirror pass), each as pile x 1000 + slot of
// stack 12. None outside the meld mode.
int meldwalk(int out[], int capacity);
// Draws them (`glu.drawstacks`; the argument is not read).
void drawstacks(uint8_t flag);

// Selection name of a card: seat cards stack x 100 + slot, table stacks stack x 200 + slot
// (slot 1 for slots of 200 and more).
int32_t picknamefor(int stack, int slot);

}  // namespace glu
