// The developer panel's test data: fixed hands for the human's seat in Skat and Canasta, the
// check that every card of the deck still lies on the table once, and the per-game counters of
// the developer status line.
#pragma once
#include <string>

namespace entwickler {

// Gives seat 1 fixed cards from the other seats and the talon, then re-sorts its hand:
// nr 1 ("X") a Grand of all four Buben in Skat, Jokers, Zweier and Asse in Canasta; nr 2
// ("Cheat") a Null hand in Skat, the red Dreier and Jokers in Canasta. A card no other stack
// holds stays where it is. False in every other game.
bool testHand(int spielId, int nr);

// "Summe soll: 120, Summe ist: 118": the card points the whole deck must give against those of
// every card on the table; empty in a game without such a sum.
std::string kartenSumme(int spielId);

// The lines of the running game in the developer status text: the declarers' games won and lost
// in Schafkopf and Skat, the series, seats, aggression and learning mode in Poker; empty in a
// game that keeps none.
std::string statusZaehler(int spielId);

}  // namespace entwickler
