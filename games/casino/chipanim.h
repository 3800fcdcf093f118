// The one chip animation handler: every change of a chip's place is a request in its queue; it
// turns requests into flights, moves the flights a little every frame and, when a chip lands,
// creates it in its destination stack. It also lifts the top chip of the hovered stack and
// sends clicks on chip stacks to the game. The casino games' steps run only while it reports
// the chips at rest.
#pragma once
#include <cstdint>

namespace chipanim {

// A queued move: one chip of a value (single 1) or an amount to be split into chips.
struct ChipMoveRequest {
    int16_t von = 0, nach = 0;
    int16_t wert = 0;     // chip value, -111 for a marker, or the amount
    int16_t divisor = 0;  // split mode 2
    uint8_t modus = 0;    // split mode
    uint8_t einzeln = 0;
};

// Kinds: 1 chip between seats, 5 marker, 6 silent move to or from the bank, 2 rising, 3 held
// up, 4 sinking back.
struct ChipFlight {
    uint8_t von = 0, nach = 0;
    uint8_t vonSlot = 0, nachSlot = 0;
    uint8_t vonTyp = 0, nachTyp = 0;
    uint8_t kind = 0;
    float speed = 0;
    float progress = 0;
};

constexpr int kFluegeMax = 131;
constexpr int kAnfragenMax = 361;

// Fixed tables sized for the busiest moment of a Poker pot (all chips of a seat at once), so
// nothing is allocated per move or per frame.
class tAnimationHandler {
public:
    tAnimationHandler() { Clear(); }
    void Clear();
    // The chips are at rest (no flight, no removal pending): the casino step may run.
    bool animationStep();
    // One frame of the flights and of the table's spin angle.
    void Frame();
    void SetHoverStack(int pickId, bool force);
    // A mouse-down on the hovered chip stack: answer kind 6 (seat, chip code) to the game.
    void ClickStack();

    bool queueChipMove(int von, int nach, int wert, bool einzeln, int modus, int divisor);

    // Every chip in the air lands now and every lifted chip rests (before a save).
    void landenAlle();
    // Lands and starts until the queue is empty and nothing flies; false when that did not
    // happen within a bounded number of passes.
    bool abarbeiten();

    int anfragen() const { return anfragenAnz_; }
    const ChipMoveRequest& anfrage(int i) const { return anfragen_[i]; }
    int fluege() const { return fluegeAnz_; }
    const ChipFlight& flug(int i) const { return fluege_[i]; }
    int hover() const { return hover_; }
    // The flight index of a moved chip follows when a stack's entries shift.
    void flugQuelleVerschieben(int index, int neuerSlot);
    float spinWinkel = 0;  // degrees, read by the table drawing

private:
    void verarbeiten(const ChipMoveRequest& r);
    void einzeln(const ChipMoveRequest& r);
    void aufteilen(const ChipMoveRequest& r);
    void startChipFlight(int vonSitz, int vonTyp, int vonSlot, int nachSitz, int nachTyp, int nachSlot,
                         int kind);
    void liftTopChip(int sitz, int typ, int kind);
    void removeChipFlight(int i);
    void landen(int i);
    bool anhaengen(const ChipMoveRequest& r);
    bool bankAuffuellen(int typ, int fehlt);

    uint8_t handled_ = 0;
    int32_t fluegeAnz_ = 0;
    ChipFlight fluege_[kFluegeMax];
    int32_t anfragenAnz_ = 0;
    ChipMoveRequest anfragen_[kAnfragenMax];
    int32_t hover_ = 0;
    uint32_t letzterTick_ = 0;
    bool tickGesetzt_ = false;
};

extern tAnimationHandler AnimationHandler;

// The game core's gate and the table engine's frame call these.
bool animationStep();
bool queueChipMove(int von, int nach, int wert, bool einzeln, int modus, int divisor);

// Moves to and from the bank are heard and fly only while this is set (the game sets it).
extern uint8_t bankMovesAudible;

// Where the handler's log lines go (the program log); empty: nowhere.
extern void (*protokoll)(const char* zeile);
void log(const char* zeile);

}  // namespace chipanim
