// Doppelkopf (game id 5): the per-frame phase machine of a deal (deal, reservations, solos and
// Hochzeit, announcements, twelve tricks with special points, settlement), the party views, the
// options and series limits, the hooks the game core and the table engine call, and the plain
// answers of computer seats until the game's computer player exists.
#pragma once
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/spielliste.h"
#include "games/schafkopf_doppelkopf/doppelkopf_regeln.h"
#include "table/tspieler.h"

namespace doppelkopf {

// ---- flow
void spielSchritt(TCG& g);
void neuesSpiel(bool frisch);
// The game's part of a loaded record: empty when the game can go on from it, else the fault.
std::string blockPruefen(const TCG& g);
void spielLaden();
// The human's hand sorted for the solo under the mouse (dialog 88); the choice stays open.
void vorschau(int art, int code);
bool spielbar(const TKartenSlot& slot);
bool passtAuf(const karte& card, const karte& lead, int alt);
// The ranks of the game being played.
const Ordnung& ordnung();
// The cards the seat on turn may play now.
std::vector<karte> spielbareKarten();
// The seat plays on the Kontra side as far as the table knows.
bool istKontra(int seat);
// The seat may make its side's next announcement now, and which level that is (0 none).
bool ansageErlaubtSitz(int seat);
int naechsteAnsageSitz(int seat);
bool hochzeitOffen();

// ---- party views (view 0 public, 1..4 the seats')
void parteiEreignis(int ereignis, int wert);
int parteiCode(int seat, int sicht);

// ---- settlement, options, series
bool dealVorbei(const TCG& g);
const TGameResult& letztesErgebnis();
// Solos counted since the series began, by group: suit solos, Fleischlose, the others.
struct Statistik {
    int32_t farbsoloGewonnen = 0;
    int32_t farbsoloVerloren = 0;
    int32_t fleischlosGewonnen = 0;
    int32_t fleischlosVerloren = 0;
    int32_t andereGewonnen = 0;
    int32_t andereVerloren = 0;
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

// ---- computer seats and whole-game runs
void kiTick();          // a plain legal answer to the open question
void zufallsAntwort();  // a uniformly random legal answer
// After a deal: 240 card points on the table, and each seat's account moved by its amount.
bool dealPruefen(const int32_t kontoVorher[5], std::string& warum);
bool kartenErhalten(std::string& warum);

void anmelden();

}  // namespace doppelkopf
