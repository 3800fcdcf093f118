// The match history and the result dialog "Spielliste": entering a round, the rows of the
// points table, the cash rows, the money table of Poker and Black Jack and their info line.
// The rows are built as data; punkteTabelle and pokerTabelle at the end write them into the
// dialog through the GUI library.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/cg.h"
#include "platform/text.h"

// The result of one round, handed by a game to the result table. It lives only in memory.
struct TGameResult {
    uint8_t nurTabelle = 0;               // not 0: enter no round, only fill the table
    int32_t zweiterWert = 0;              // a second flag some games set (1 in Canasta, Jass)
    int32_t spieler = 0;                  // winning or playing seat
    uint8_t gewonnen = 0;                 // the declarer's side won
    std::array<int32_t, 4> spielWerte{};  // game-specific values (Skat: card points, value, Bock)
    std::array<int32_t, 6> punkte{};      // points of seats 1..6 in this round: use at(s)
    std::string text1;                    // the round's text line
    std::string text2;                    // the full settlement text

    int32_t& at(int seat) { return punkte[seat - 1]; }
    int32_t at(int seat) const { return punkte[seat - 1]; }
};

namespace spielliste {

using Zeile = std::vector<std::string>;
using Tabelle = std::vector<Zeile>;

// The chip unit's money text ("+" when showPlus and positive, "- " for negatives); the casino
// unit installs its own, the default writes the plain number.
extern std::function<std::string(int64_t amount, bool showPlus)> formatMoney;

// Enters a round: from round 201 on, slot 200 holds the latest round (rounds 1..199 stay).
// Schnapsen keeps the round value as the total instead of a sum. Does nothing with nurTabelle.
void eintragen(TSpielliste& l, const TGameResult& r, int spielId, int anzahl);
// Summary value of every game but Poker and Black Jack: the seat's lead over every other seat.
void summenBerechnen(TSpielliste& l, int anzahl);
// Summary value of a Poker or Black Jack seat: place 0 while it still plays.
int32_t geldSumme(int platz, int minStaerke, int runden);

// The signed score text of a game (Schnapsen plain, Poker and Black Jack as money).
std::string punkteText(int spielId, int64_t n, bool showZero);
// Cents as euros with the German decimal comma, whatever the locale: -150 -> "-1,50 €".
std::string euro(int64_t cent);
// Skat "Um Geld": the summary value in whole cents by the money option (outside 1..4 counts as
// 1, a tenth of a cent per point), and the label of the option.
int64_t skatCent(int32_t summe, int option);
std::string skatGeldLabel(int option);

// How the cash table's summary row is shown.
struct Geld {
    enum Art { Punkte, Keine, Schafkopf, Skat } art = Punkte;
    int wert = 0;  // Schafkopf: cents per point; Skat: the money option
};
Geld geldArt(int spielId, bool skatUmGeld, int skatOption, int schafkopfCent);

// Main points table: header, one row per kept round (1..199 and the latest), an empty row.
// names: the fitted display names of seats 1..anzahl.
Tabelle punkteZeilen(const TSpielliste& l, int spielId, const std::vector<std::string>& names);
// Cash table: header, totals, the summary row (unless Geld::Keine), an empty row. For
// Schafkopf the summary values become the totals first.
Tabelle kassenZeilen(TSpielliste& l, int spielId, const std::vector<std::string>& names, const Geld& g);

// One seat of the money table of Poker and Black Jack.
struct GeldSitz {
    std::string name;  // fitted display name (the dealer's with " (Dealer)")
    int64_t chips = 0;
    bool imSpiel = true;  // still seated (sorts among the seats still in the game)
    bool spielt = true;   // still able to pay the stake; else shown as "!Ausgeschieden"
    int platz = 0;        // place got on leaving
    int64_t wert = 0;     // chips in the pot (refresh) or the round's result
};
struct GeldTabelle {
    Tabelle zeilen;
    std::string highlight;
    int32_t platz = 0;  // the place shown in seat 1's row
};
// seats[0] is seat 1. refresh: "!Im Pot" header (pokerTabelle), else "!Spiel".
GeldTabelle geldZeilen(int spielId, const std::vector<GeldSitz>& seats, bool refresh);
// The info line under the money table; Poker adds the raised blinds every blind interval.
std::string geldInfo(int spielId, int32_t runden, int32_t blindInterval, int64_t bigBlind);

struct Layout {
    int x, y, breite, hoehe;
    int ti, spalten;  // spalten 0: as set by the filler
    int tabBreite, tabHoehe, infoY, knopfX, knopfY;
    bool kasseSichtbar;
};
Layout tabellenLayoutPunkte();
Layout tabellenLayoutGeld();

// Caption of the dialog's button.
std::string knopfText(bool partieEnde);

// ---- the dialog "Spielliste" ----

// Its ids, filled by the shell when it builds the dialog.
struct Ids {
    int dialog = 0;
    int haupt = 0;   // the main table (a scrolling text list)
    int kasse = 0;   // the cash table
    int info = 0;    // the info label "info"
    int weiter = 2;  // the "Weiter" button
};
extern Ids ids;

// What the result table needs of the casino games, of the option pages and of the two games
// that fill their own table body. Filled at start; an empty entry is skipped or reads as 0.
struct Anbindung {
    std::function<int64_t(int seat)> chips;   // seatChipTotal
    std::function<bool(int seat)> imSpiel;    // PokerSeatInGame / BlackJackSeatActive
    std::function<int(int seat)> platz;       // the place a seat got when it left, 0 none
    std::function<int64_t(int seat)> pot;     // the seat's chips in the pot
    std::function<int64_t()> mindestEinsatz;  // Poker: the big blind; Black Jack: the minimum bet
    std::function<void()> pleiteSitze;        // RemoveBrokeSeats (dry run) and CountPlayableSeats
    std::function<int()> minStaerke;          // PokerMinOpponentLevel / BlackJackMinOpponentLevel
    std::function<int32_t()> blindInterval;
    std::function<int()> dealer;  // Black Jack's dealer seat
    std::function<void(bool flag)> schnapsenTabelle;
    std::function<void(bool flag)> jassTabelle;
    std::function<bool()> skatUmGeld;          // Skat option "Um Geld"
    std::function<int()> skatGeldOption;       // 1..4
    std::function<int()> schafkopfCent;        // cents per point
    std::function<void()> zugMarkenVerbergen;  // empty: central::zugMarkenVerbergen
    // A finished Black Jack match while the statistics are shown: the shell's game state := 1
    // and a new match of the same game (central::neuesSpiel with weiter 0).
    std::function<void()> blackjackSerie;
    // The unattended continuation of the developer switches: the shell's game-state byte, the
    // poker trace line and the poker series counter (SeriesOver, NextMatch, StatText with Init,
    // NextRound).
    std::function<void(uint8_t)> spielZustandSetzen;
    std::function<void(const std::string& tag)> pokerTrace;
    std::function<bool()> pokerSerieVorbei;
    std::function<void()> pokerNaechstePartie;
    std::function<void()> pokerSerieAbschliessen;
    std::function<void()> pokerNaechsteRunde;
};
extern Anbindung anbindung;

// The display names of seats 1..n as the tables show them (fitted).
std::vector<std::string> tabellenNamen(const TCG& g, int n);
// central.punkteTabelle: enters the round (unless nurTabelle), computes the summary values,
// fills the dialog, shows the settlement box and opens the dialog (flag, or the shell's game
// state not 0).
void punkteTabelle(TCG& g, const TGameResult& r, bool flag);
// central.pokerTabelle: fills the dialog from the history only.
void pokerTabelle(TCG& g);

}  // namespace spielliste
