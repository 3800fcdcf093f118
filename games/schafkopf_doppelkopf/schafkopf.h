// Schafkopf (game id 6): the per-frame phase machine of a deal (deal, bidding and game choice,
// Kontra and Re, eight tricks, settlement), the party views, the options and series limits, the
// hooks the game core and the table engine call, and the plain answers of computer seats until
// the game's computer player exists.
#pragma once
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/spielliste.h"
#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"
#include "table/tspieler.h"

namespace schafkopf {

// ---- flow
void spielSchritt(TCG& g);
void neuesSpiel(bool frisch);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
// The human's hand sorted for the game type (dialog 92) or suit (dialog 91) under the mouse;
// the choice itself stays open.
void vorschau(int art, int code);
bool spielbar(const TKartenSlot& slot);
bool passtAuf(const karte& card, const karte& lead, int alt);
// The ranks of the game being played (or of no game yet).
const Ordnung& ordnung();
// The cards the seat on turn may play now.
std::vector<karte> spielbareKarten();
// No game the options still allow can outrank the highest bid.
bool bietenBeendet();
// The seat may say Kontra (level 0) or Re (level 1) now.
bool kontraErlaubt(int seat);

// ---- party views (view 0 public, 1..4 the seats')
void parteiEreignis(int ereignis, int wert);
int parteiCode(int seat, int sicht);
bool parteienOffen();

// ---- settlement, options, series
bool dealVorbei(const TCG& g);
const TGameResult& letztesErgebnis();
// Games counted since the series began.
struct Statistik {
    int32_t ohneSpieler = 0;  // nobody played, or Ramsch
    int32_t gewonnen = 0;
    int32_t verloren = 0;
    int32_t toutGewonnen = 0;
    int32_t toutVerloren = 0;
    int32_t rufGewonnen = 0;  // the Rufspiele among the games won and lost above
    int32_t rufVerloren = 0;
};
const Statistik& statistik();
void abrechnungText(const TGameResult& r, std::string& text);
bool partieEnde();
void limitText(std::string& text);
void highscoreText(std::string& text);
// The options a series starts with when no rule page was read.
void optionenStandard();
// Reads the rule page into the options when a series starts; the shell fills it (empty: the
// options stay as they are).
extern void (*optionenLesen)();
// A rule option by its caption on the rule page (value 0/1 for check boxes, the number for the
// lists); false for an unknown name.
bool optionSetzen(const std::string& name, int wert);
// Cents per point of the money list's entry 1 "Ohne Geld" .. 7 "50 Cent / Punkt"; 0 outside.
int centProPunkt(int geldIndex);

// ---- computer seats and whole-game runs
void kiTick();            // the computer player's answer (level 0: uniformly random)
void zufallsAntwort();    // a uniformly random legal answer
void schlichteAntwort();  // a plain legal answer: the first legal card or a random button
// After a deal: 120 card points on the table, and each seat's account moved by its amount.
bool dealPruefen(const int32_t kontoVorher[5], std::string& warum);
bool kartenErhalten(std::string& warum);

void anmelden();

}  // namespace schafkopf
