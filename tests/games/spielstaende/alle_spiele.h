// Every game of the program ready for a headless run: registered with the game core, its options
// as a new player finds them, every seat a computer player.
#pragma once
#include "core/cg.h"
#include "core/spiele.h"
#include "games/casino/blackjack.h"
#include "games/casino/holdem.h"
#include "games/rummy_shedding/canasta.h"
#include "games/rummy_shedding/maumau.h"
#include "games/rummy_shedding/romme.h"
#include "games/rummy_shedding/schwimmen.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/skat_jass_schnapsen/jass.h"
#include "games/skat_jass_schnapsen/schnapsen.h"
#include "games/skat_jass_schnapsen/skat.h"

namespace alle_spiele {

struct Spiel {
    int id;       // as chosen in the menu
    int spieler;  // seats at the table
};
// Every menu entry, the variants too.
inline constexpr Spiel kSpiele[] = {
    {spiele::kMauMau, 4},
    {spiele::kSkat, 3},
    {spiele::kSchwimmen, 4},
    {spiele::kRomme, 3},
    {spiele::kCanasta, 4},
    {spiele::kDoppelkopf, 4},
    {spiele::kSchafkopf, 4},
    {spiele::kSchnapsen, 2},
    {spiele::kPoker, 4},
    {spiele::kBlackJack, 4},
    {spiele::kSechsundsechzig, 2},
    {spiele::kSiebzehnUndVier, 4},
    {spiele::kJass, 4},
};

inline void anmelden() {
    maumau::anmelden();
    skat::anmelden();
    schwimmen::anmelden();
    romme::anmelden();
    canasta::anmelden();
    doppelkopf::anmelden();
    schafkopf::anmelden();
    schnapsen::anmelden();
    holdem::anmelden();
    blackjack::anmelden();
    jass::anmelden();
}

// The options of game `id` for `spieler` seats, before the game is started.
inline void vorbereiten(int id, int spieler) {
    holdem::optionen = holdem::Optionen{};
    holdem::optionen.spieler = spieler - 1;
    holdem::automatik = true;
    for (int kurz = 0; kurz <= 1; ++kurz) {
        blackjack::optionen[kurz] = blackjack::Optionen{};
        blackjack::optionen[kurz].spieler = spieler;
    }
    blackjack::automatik = true;
    if (id == spiele::kSchafkopf) schafkopf::optionenStandard();
    if (id == spiele::kDoppelkopf) doppelkopf::optionenStandard();
}

// The round (deal, hand) of the running game is over: the game core would start the next one.
inline bool rundeVorbei(const TCG& g) {
    switch (g.spielId) {
        case spiele::kMauMau:
            return maumau::rundeVorbei(g);
        case spiele::kSkat:
            return skat::dealVorbei(g);
        case spiele::kSchwimmen:
            return schwimmen::rundeVorbei(g);
        case spiele::kRomme:
            return romme::rundeVorbei(g);
        case spiele::kCanasta:
            return g.phase.nr == 5;
        case spiele::kDoppelkopf:
            return doppelkopf::dealVorbei(g);
        case spiele::kSchafkopf:
            return schafkopf::dealVorbei(g);
        case spiele::kSchnapsen:
            return schnapsen::dealVorbei(g);
        case spiele::kPoker:
            return holdem::partieVorbei();
        case spiele::kBlackJack:
            return blackjack::rundeVorbei(g);
        case spiele::kJass:
            return jass::rundeVorbei(g);
        default:
            return false;
    }
}

}  // namespace alle_spiele
