// The headless game harness: the game core and the table engine with their real logic and no
// window. Frames are simulated (the shell's frame order: finished moves, game step, card
// motion) on a manual clock, every seat is a computer player or a scripted answerer, one seed
// drives all chance, and the test fails on any consistency message and on a decision that
// nobody answers.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/cg.h"

namespace harness {

struct Einstellung {
    int spielId = 0;                // as chosen in the menu (10 and 11 start their variants)
    int spieler = 4;                // seats 1..6
    uint64_t seed = 1;              // the one seed of the run: the same seed replays the same game
    bool menschAlsComputer = true;  // seat 1 is played by the game's computer player
    float fps = 50.0f;              // simulated frame rate; the clock moves 1000 / fps ms per frame
    int32_t computerDelay = 0;      // ms before a computer seat acts
    int maxFrames = 500000;         // a run that takes longer fails
    int watchdog = 3000;            // frames a decision may stay pending unanswered
};

// Answers a question put to the human seat the way the shell's dispatcher would: through
// central::antwort. Returns true when it answered in this frame.
using Antworter = std::function<bool(TCG& cg)>;

class Lauf {
public:
    explicit Lauf(const Einstellung& e);
    ~Lauf();
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;

    // central::neuesSpiel with the harness's seat settings; weiter 1 is the next game of a match.
    bool starten(int weiter = 0);
    // One frame: each finished card move to central::bewegungFertig, central::spielSchritt, the
    // answerer for a human question, the card motion step, the clock.
    void frame();
    // Frames until `ende` holds; fails the test when it does not within maxFrames. Returns the
    // number of frames run, or -1 after a failure.
    int bis(const std::function<bool(const TCG&)>& ende);
    // Runs n frames (stops early after a failure).
    void frames(int n);
    // Makes the harness's clock the program's clock again, after another manual clock (a fake
    // host's) took its place.
    void uhrAnbinden();

    Antworter antworter;
    // Checked after every frame; a false result fails the test with the text it sets.
    std::function<bool(const TCG&, std::string& warum)> invariante;

    int frameNr() const { return frameNr_; }
    bool fehlgeschlagen() const { return !fehler_.empty(); }
    const std::vector<std::string>& fehler() const { return fehler_; }
    const Einstellung& einstellung() const { return e_; }

private:
    void fehler(const std::string& text);
    void pruefen();

    Einstellung e_;
    struct Innen;
    std::unique_ptr<Innen> innen_;
    int frameNr_ = 0;
    int wartend_ = 0;
    std::vector<std::string> fehler_;
};

// The card count of a stack (1..20, -1..-20) of the table engine.
int anzahl(int stapel);

}  // namespace harness
