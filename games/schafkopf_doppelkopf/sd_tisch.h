// What the Schafkopf and Doppelkopf flows share: seats in a ring of four, the decision dialogs and
// their stored answer, dealing, playing and clearing a trick on the table, the series limits and
// the high score, and the checks of whole-game runs.
#pragma once
#include <string>
#include <vector>

#include "core/blockpruefung.h"
#include "core/cg.h"
#include "core/karten.h"
#include "core/spielliste.h"
#include "games/schafkopf_doppelkopf/schafkopf_regeln.h"
#include "platform/text.h"
#include "table/tspieler.h"

namespace sd {

constexpr uint8_t kNichts = 7;  // stored-action kind: nothing stored
constexpr int kTalon = 11;
constexpr int kStich = 12;
constexpr int kPhaseEnde = 5;  // the deal is booked; the game core starts the next one

TSpieler& st(int stack);
int anz(int stack);
// seat + n wrapped into 1..4
int naechster(int seat, int n = 1);

// The deal's trick and dealt hands in a loaded record, kept alike by both games: `z` is the game's
// deal state, `spiegel` its two mirrored hands, `karten` the cards each seat is dealt.
template <class Z>
void stichePruefen(blockpruefung::Befund& b, const Z& z, const hand (&spiegel)[2], int karten) {
    b.zahl(z.anspieler, 0, 4, "Anspieler");
    b.zahl(z.stichKarte, 0, 5, "Stichkarte");
    b.zahl(z.stichNr, 0, karten + 1, "Stich");
    b.zahl(z.stichAnz, 0, 4, "Stichkarten");
    for (int i = 0; i < 4; ++i) b.karte(z.stich[i], 8, "Stich");
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < karten; ++i) b.karte(z.gegeben[s][i], 8, "Blatt " + text::fromInt(s + 1));
    for (int i = 0; i < 2; ++i) b.hand(spiegel[i], kHandMax, 8, "Karten " + text::fromInt(i + 1));
}

// Opens a decision dialog for the seat on turn; the kind is kept for the answer.
void fragen(TCG& g, int art);
struct Aktion {
    int art = kNichts;
    int wert = 0;
    int frage = 0;  // the dialog it answers
};
// After loading: the question that was open when the game was saved is asked again, so its
// buttons and its hint are there as before.
void frageWiederholen(TCG& g);
// The stored action, once.
Aktion nehmen(TCG& g);
// The code is one of the buttons of the open dialog: an answer no button offered is refused.
bool angeboten(const TCG& g, int code);

// The cards a stack holds, bottom first.
std::vector<karte> karten(int stack);
// The deck onto the talon, shuffled.
void talonFuellen(const std::vector<karte>& deck);
// n cards from the top of the talon to the seat; the step waits for the packet.
void austeilen(int seat, int n, float verzoegerung = 0);
// One step of the deal of n cards to every seat, in packets from the seat after the dealer on
// (all at once with the fast-deal setting); true once every card is out. With the deal direction
// against the clock (setting 2) the packets go backwards from the seat before the dealer.
bool geben(TCG& g, int n, int paket);
// The seat receiving packet `schritt` (0-based) of the packet deal.
int paketSitz(int geber, int schritt, bool rueckwaerts);
// The seat's hand as dealt, its first n cards.
void gegebenMerken(int seat, karte* ziel, int n);
// Fast deal: n cards to every seat at once, seats 1..4 (4..1 backwards), each 0.25 s after the
// one before.
void austeilenAlle(int n, bool rueckwaerts);
// The card in the seat's slot onto the trick pile as its `imStich`-th card; the step waits for it.
void ausspielen(int seat, int slot, int imStich);
// The trick's cards from the trick pile onto the winner's pile in four moves, each 0.1 s after
// the one before; the step waits for the last.
void stichEinsammeln(int nach);
// The seat's hand in the order of a game: trumps first, then suit by suit, each by rank.
void sortieren(int seat, const schafkopf::Ordnung& o);
// The rank table of the table engine from a game's ranks ([suit - 1][value - 1], values 1..8).
void kartenwerteSetzen(const int rang[4][8]);

void sagen(const std::string& utf8, int seat, int code);
std::string name(int seat);

// A seat's spoken remark on an event: the kind of the sound manager's comment, its excitement
// and the remark values a and b (b 0: a alone); kind -1 says nothing.
struct Bemerkung {
    int art = -1;
    int erregung = 0;
    int a = 0;
    int b = 0;
};
// Events 1 and 2 (Schafkopf: trick won / the other party's seat, with the trick's card points;
// Doppelkopf: a trick with a special point), 3 and 4 (Schafkopf: without a value; Doppelkopf:
// an ordinary trick with its card points), 5 and 6 (an opponent's or the declarer's side's
// Kontra or announcement, with its level; never the human seat).
Bemerkung bemerkung(bool doppelkopf, int ereignis, int seat, int wert);
// Passes the remark to the sound manager, which decides by the talkativeness whether the seat
// speaks now; the game never waits for it.
void kommentar(bool doppelkopf, int ereignis, int seat, int wert);
// The nearest seat to the trick's winner (winner + 1, - 1, + 2, - 2) whose code in the public
// view differs from the winner's; 0 when every seat shows the same.
int gegenueber(const TParteiSicht& v, int sieger);

// Series limits and the high score of a game with a rounds and a points limit.
int zahlAusText(const std::string& text);
bool partieEnde(int rundenLimit, int punkteLimit);
std::string limitText(int rundenLimit, int punkteLimit);
std::string highscoreText(int spielId);

// Every one of the n cards on the table exactly as often as the deck holds it, none in flight.
bool kartenErhalten(const std::vector<karte>& deck, std::string& warum);

// The start of every deal: the common start of the core, empty stacks, four seats, the shuffled
// deck on the talon and the dealer (option 1 "Zufall", 2..5 seat 1..4; the next seat after a
// deal of the same series).
void dealBeginnen(bool frisch, int geberOption, const std::vector<karte>& deck);
// After loading: moves under way dropped, the table rebuilt, the trick's cards where their
// seats threw them.
void tischLaden(const karte* stich, int stichAnz);
// The slot of the card the stored action plays for the seat, when that card is among `erlaubt`;
// else 0.
int gespielterSlot(const Aktion& a, int seat, const std::vector<karte>& erlaubt);
bool enthalten(const std::vector<karte>& h, const karte& k);

// A computer seat's plain answer: with `zufall` uniformly among the legal answers, else the first
// legal card or a random button.
void antworten(bool zufall, bool kartenFrage, const std::vector<karte>& erlaubt);
// The seat's level is 0 (the yardstick of whole-game runs).
bool zufallsStufe(int seat);

// After a deal: the deck's card points on the table, and each seat's account moved by the
// settled amount, which adds up to zero (kontoVorher: the accounts before the deal, by seat).
bool dealPruefen(const TGameResult& r, int augen, int augenSoll, const int32_t kontoVorher[5],
                 std::string& warum);

// Party views: when two seats are known on one side, the unknown seats are on the other.
void folgern(TParteiSicht& v);
int parteiCode(const TParteiSicht* sichten, int seat, int sicht, const char* routine);

// Every card that reaches the trick was among the legal cards of its seat the frame before.
struct Legalitaet {
    std::vector<karte> erlaubt;
    int seat = 0;
    int stichAnz = 0;
    // amZug: the seat on turn while cards are played, else 0; spielbar: its legal cards now.
    bool pruefen(const karte* stich, int anz, int amZug, std::vector<karte> (*spielbar)(),
                 std::string& warum);
};

}  // namespace sd
