// Skat (game id 1): the per-frame phase machine of a deal (deal, bidding, Skat or Hand, laying
// away, declaration, Kontra and its answers, tricks, Ramsch with Schieben and Jungfrau), the
// settlement with the scoring variants and the Bock/Ramsch series, the options and the computer
// characters, and the hooks the game core and the card table engine call.
#pragma once
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "table/tspieler.h"

namespace skat {

// ---- flow
void spielSchritt(TCG& g);
void neuesSpiel(bool frisch);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
bool spielbar(const TKartenSlot& slot);
bool passtAuf(const karte& card, const karte& lead, int alt);
bool handOffen(int seat);
bool tischHook();
int naechsterSitz(int seat);  // -1: the seat on turn
int vorigerSitz(int seat);
std::string spielName();
// The game-type dialog's preview: the human's hand in the order of the type of the button under
// the mouse (answer code; "Kein Spiel" shows the Grand order).
void vorschau(int code);
// The seats' markers and the declarer's lasting caption (every step), the declared type's icon
// in the information panel, and the caption's text: the game's name with Kontra/Re.
void spielerSymbole();
void spielInfo();
std::string spielInfoText();
void sortierSchluessel();
// The deal has ended and its result is booked; the game core starts the next one.
bool dealVorbei(const TCG& g);
// The last settled result (for the tests and the self-play check).
const TGameResult& letztesErgebnis();
// The declarers' games of the series, for the developer status line: Null apart from the rest
// (Ramsch and passed-in deals have no declarer).
struct Statistik {
    int32_t nullGewonnen = 0;
    int32_t nullVerloren = 0;
    int32_t gewonnen = 0;
    int32_t verloren = 0;
};
const Statistik& statistik();

// A stack's cards into its mirror hand (each tag its position), and the mirror hand back after
// it was sorted, shuffled or cut. The sort panel uses them.
void stapelZuHand(TSpieler& s);
void handZuStapel(TSpieler& s);

// ---- settlement
void abrechnung(TGameResult& r);
int sitzAugen(int seat);
void abrechnungText(const TGameResult& r, std::string& text);
bool partieEnde();
void limitText(std::string& text);
void highscoreText(std::string& text);
// After a deal with "Bock/Ramsch": queue the series its triggers call for; the reasons go into text.
void bockRamsch(const TGameResult& r, std::string& text);
void serieAnhaengen(const std::string& grund, std::string& text);
int sonderspielAnzahl();

// ---- options and characters
void optionenLesen(bool ohneDialog);
// An options record never filled (scoring 0) gets the standard rules and a 36-game match.
void grundwerteWennLeer();
void optionenSchreiben();
void standardRegeln();
void optionenAbgleichen();
// True when the options are the international rules (no Rum, no Spitze, Grand 24, no Kontra,
// no Bock/Ramsch, standard scoring): the "Internationale Skatordnung (ISkO)" box.
bool iskoRegeln(const TSkatOptionen& o);
// The value of one item of one record of a characters text (records end with ';', items with
// ','); false when the record or item is not there.
bool charakterFeld(const std::string& inhalt, int record, int item, std::string& text);
void charakterFeldLesen(const std::string& datei, int record, int item, std::string& text);
// The characters' names in file order (list position 1 first), for the chooser of the main page.
std::vector<std::string> charakterNamen();
// The option pages' element ids, filled by the shell when it builds them (0 = not built).
struct Seiten {
    int haupt = 0, kontra = 0, bock = 0, geld = 0;
    int charakterListe = 0;  // the characters' list on the main page
};
extern Seiten seiten;
// The character index every computer seat gets when no page is built.
extern int standardCharakter;

// ---- whole-game runs (soak tests, bench/selfplay)
// Each of the 32 cards exactly once on the table while no card is in flight.
bool kartenErhalten(std::string& warum);
// Every card played followed suit when it had to: call after every frame.
struct Bedienpruefung {
    hand vorher[4] = {};
    int stichAnz = 0;
    bool pruefen(std::string& warum);
};
// After a deal: 120 card points in all, the parties' points add up, and each seat's account
// moved by what the settlement gave it (kontoVorher: the accounts before the deal, by seat).
bool dealPruefen(const int32_t kontoVorher[4], std::string& warum);
// A rule option by name: Wertung (1..4), Spiele (games limit), Rum, Spitze, Grand20, Kontra (0,
// 1 Kontra, 2 and Re, 3 up to Hirsch), Bock (Bock/Ramsch with every trigger, the value the
// series' list position), Ramsch (a Ramsch when all pass). False for an unknown name.
bool optionSetzen(const std::string& name, int wert);
// The yardstick player: a uniformly random legal answer to the open question.
void zufallsAntwort();

// ---- registration
void anmelden();
// The entry of Skat for bench/selfplay.
struct SelfplayEintrag {
    int spielId = spiele::kSkat;
    const char* kuerzel = "ska";
    int spieler = 3;
    void (*anmelden)() = nullptr;                // once, after the harness is made
    bool (*dealVorbei)(const TCG& g) = nullptr;  // a round has ended and is booked
    const TGameResult& (*ergebnis)() = nullptr;  // the last round's result
    bool (*kartenErhalten)(std::string& warum) = nullptr;
    bool (*dealPruefen)(const int32_t kontoVorher[4], std::string& warum) = nullptr;
    bool (*optionSetzen)(const std::string& name, int wert) = nullptr;
    void (*zufallsAntwort)() = nullptr;  // level 0
};
SelfplayEintrag selfplayEintrag();

}  // namespace skat

namespace skatki {
// The computer seat on turn answers its open question (games/skat_jass_schnapsen/skat_ki.h).
void kiTick();
// The slot of the card a computer seat plays: its chosen card, or its first legal card.
int karteWaehlen(int seat);
// The two slots (1-based) of the hand that a computer seat lays away (0: already laid away).
void druecken(int seat, int& slot1, int& slot2);
}  // namespace skatki
