// The Skat computer player: the decisions of a deal (bidding, Hand or Skat, Schieben, game type,
// level, Kontra and its answers, Spitze, Jungfrau), laying away the Skat, and the card play as
// declarer and as defender in suit games, Grand, Null and Ramsch, weighed by the seat's character.
// The player changes nothing of the game: it answers through central::antwort like a click.
#pragma once
#include "core/cg.h"
#include "core/karten.h"

namespace skatki {

// True to give Kontra (or Sup) as a defender, or to answer with Re (or Hirsch) as the declarer,
// for the seat asked at the Kontra level reached so far (cg.skat.spiel.kontra).
bool kontraEntscheidung(int seat);

// The two cards the seat lays away from its hand (twelve cards, or fewer while it lays away);
// `erste` and `zweite` differ and both are in the hand.
void drueckKarten(const hand& h, int seat, karte& erste, karte& zweite);

// The card the seat plays to the current trick (always one of its legal cards).
karte spielta(int seat);

// The working values of one card choice, rebuilt at every call.
struct Lage {
    int seat = 0, next = 0, zweit = 0;  // the seat and the two seats after it
    int allein = 0, partner = 0;        // the declarer; the partner (0 for the declarer)
    hand erlaubt{}, eigene{};           // the seat's legal cards and its whole hand
    hand real[4] = {};                  // the seats' hands (1..3) as they lie
    hand geraten[4] = {};               // the guessed hands of next and second-next
    karte angespielt{}, zweite{}, gewinner{};
    karte naechsteNiedrigste{};  // next's lowest legal card in the forecast (t 0: none)
    bool zweiterPlatz = false;   // the seat plays the second card
    bool partnerGewinnt = false;
    int wahrs = 0;  // the character's chance to reason with the guessed hands
};

// The parts of a choice, for the tests: the state is taken from the game record and the stacks.
void lageAufbauen(int seat, Lage& l, bool raten);
void raten(Lage& l, bool trumpfAnteil);
karte vorhand(Lage& l);
karte nullAnspiel(Lage& l, const hand& handNext, const hand& handZweit);
void vorhersage(Lage& l);
karte mithint(Lage& l);
karte abwurfKarte(const Lage& l, const hand& h);
karte stechKarte(const Lage& l, const hand& h);

// Neighbours of a card in the running game's order of strength; a card without a neighbour
// gives itself back (the trump 7's lower neighbour is a card nobody holds, value code 0).
karte naechstHoehere(const karte& k);
karte naechstNiedrigere(const karte& k);

// How many trumps of an unknown pool of n a defender deals to the declarer's guessed hand.
int trumpfAnteil(int n, int reizwert);

}  // namespace skatki
