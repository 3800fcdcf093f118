// The high-score tables (the block at the end of the central record and the whole of hs.dat),
// the common entry rule of every game, the reset, the players' display names and the
// end-of-game result text.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/cg.h"
#include "platform/text.h"

namespace highscore {

constexpr int kBelegt = 10;  // only places 1..10 ever receive results

// hs.dat below the program folder.
inline constexpr const char* kDatei = "data\\settings\\hs.dat";

// Reads hs.dat; creates it from the block in memory when it does not exist. A short, long or
// unreadable file is reported ("Fehler ...") and the block in memory stays as it was.
bool highscoreLaden(THighscore& hs);
// Writes the block whole through a temporary file; a failure is reported, the old file stays.
bool highscoreSpeichern(const THighscore& hs);

// The common entry rule: the first place 1..10 whose score is <= punkte (an equal score ranks
// above the older entry); nothing below 1 or beyond place 10. Returns the place or 0.
int eintragen(THighscore& hs, int tabelle, int stufe, int32_t punkte, const std::string& name);
std::string platzText(int platz);
// The whole entry step of a game's entry routine: enter, and when a place was reached write
// hs.dat at once and return the placing text; empty when nothing was entered.
std::string eintragenText(THighscore& hs, int tabelle, int stufe, int32_t punkte, const std::string& name);
// Calls the running game's entry routine by game id; empty text for a game without one.
std::string highscoreEintragen(const TCG& g);

// Every place of the tables becomes a "Leer" placeholder: all tables (tabelle -1) or one, all
// levels (stufe 0) or one.
void zuruecksetzen(THighscore& hs, int tabelle, int stufe);
// Poker resets only the level of its betting form.
int pokerStufe(bool potLimit, bool splitLimit);
std::string resetFrage(const std::string& spielName);
std::string resetFertig(const std::string& spielName);

// The text width of the GUI library's font: charwidth of central::dienste.app, or an estimate
// while there is none. Tests install their own.
extern std::function<double(const std::string&)> textBreite;

// Display name of a player. names: the six seat names of the settings. With fit the name is
// cut to its width and ends in ".", never with a blank before that point.
std::string spielerName(const std::array<std::string, 6>& names, int player, bool fit, bool narrow,
                        const std::string& nameOverride, bool poker);
// central.spielerName: the same with the names of the settings record (envParam).
std::string spielerName(const TCG& g, int player, bool fit, bool narrow = false,
                        const std::string& nameOverride = "");

// The best seats: every seat holding the highest value, first seat first. The search starts
// from seat 1's value, so all-negative totals still have a winner.
std::vector<int> gewinner(const std::vector<int32_t>& werte);

struct Ergebnis {
    int spielId = 0;
    std::vector<std::string> namen;    // display names of seats 1..n, not fitted
    std::vector<int32_t> konto;        // per-seat totals (first set)
    std::vector<int32_t> summe;        // per-seat scores (second set)
    std::array<int32_t, 2> bummerl{};  // Schnapsen: Bummerl of seats 1 and 2
    int32_t jassLimit = 0;
    int32_t bjPlatz = 0;  // Black Jack: seat 1's place in the money table
    int64_t bjGeld = 0, bjStartGeld = 0;
    int bjMinStufe = 1;
};
// The text of the result box "Spielergebnis".
std::string spielergebnisText(const Ergebnis& e);

// What the result box and the reset need from the games and the shell; filled at start, an
// empty entry reads as 0 or is skipped.
struct Anbindung {
    std::function<int32_t(int seat)> bummerl;     // Schnapsen: the Bummerl of seat 1 or 2
    std::function<int32_t()> jassLimit;           // Jass: the points limit
    std::function<int64_t()> bjGeld;              // Black Jack: seat 1's money
    std::function<int64_t()> bjStartGeld;         // Black Jack: the starting money
    std::function<int()> bjMinStufe;              // BlackJackMinOpponentLevel
    std::function<void()> tischElementVerbergen;  // the one element of the table dialog it hides
    std::function<void()> zugMarkenVerbergen;     // empty: central::zugMarkenVerbergen
    std::function<void()> listeAuffrischen;       // the click on the high-score display's refresh
};
extern Anbindung anbindung;

// central.highscoreLaden / highscoreSpeichern on the record's block.
inline bool highscoreLaden(TCG& g) { return highscoreLaden(g.highscore); }
inline bool highscoreSpeichern(const TCG& g) { return highscoreSpeichern(g.highscore); }
// central.spielergebnis: the end-of-game result box.
void spielergebnis(const TCG& g);
// central.highscoreReset: all tables, or (after asking) the running game's; Poker only the
// level of its betting form. hs.dat is written by the next save or entry.
void highscoreReset(TCG& g, bool nurAktuell);

}  // namespace highscore
