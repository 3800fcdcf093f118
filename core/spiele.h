// The entry points of every game, one table per game id, filled by the game units and called by
// the game core. Nothing of a game is reached past this table.
#pragma once
#include <cstdint>
#include <string>

struct TCG;
struct TGameResult;  // the result record of one round (result tables)

namespace spiele {

// Game ids as stored in the central record; 10 and 11 start 7 and 9 with their variant flag.
enum Id : uint8_t {
    kMauMau = 0,
    kSkat = 1,
    kSchwimmen = 2,
    kRomme = 3,
    kCanasta = 4,
    kDoppelkopf = 5,
    kSchafkopf = 6,
    kSchnapsen = 7,
    kPoker = 8,
    kBlackJack = 9,
    kSechsundsechzig = 10,
    kSiebzehnUndVier = 11,
    kJass = 12,
};
constexpr int kAnzahl = 13;

struct Eintrag {
    // The game's step; it works on its own block of the central record.
    void (*spielSchritt)(TCG& cg) = nullptr;
    // A computer seat is on turn and its delay has passed.
    void (*kiTick)() = nullptr;
    // Watch hook after every accepted action (kind, value1, value2); most games have none.
    void (*nachZug)(int art, int wert1, int wert2) = nullptr;
    void (*neuesSpiel)(bool frisch) = nullptr;
    void (*spielLaden)() = nullptr;
    // Checks the game's part of a loaded record (a copy, nothing of it applied yet): empty when
    // the game can go on from it, else a short German text naming the first fault.
    std::string (*blockPruefen)(const TCG& g) = nullptr;
    // Enters the human's match result into the high scores; the placing text or empty.
    void (*highscoreText)(std::string& text) = nullptr;
    bool (*partieEnde)() = nullptr;
    void (*limitText)(std::string& text) = nullptr;
    void (*abrechnungText)(const TGameResult& ergebnis, std::string& text) = nullptr;
};

// A game unit registers its table once at start; a table without step, computer turn, new game
// and restore is refused, so a half-filled game never pretends to play.
bool anmelden(int id, const Eintrag& e);
void abmelden(int id);
// Ids 10 and 11 answer for 7 and 9. Out of range or absent: nullptr.
const Eintrag* eintrag(int id);
bool vorhanden(int id);
// The id whose table serves id (10 -> 7, 11 -> 9); -1 outside 0..12.
int basisId(int id);

}  // namespace spiele
