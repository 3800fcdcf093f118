// The computer seat's decisions that the rules bind: a taken card is laid before anything
// else, the discard keeps pairs and wild cards, and the scoring copes with an empty side.
#include <gtest/gtest.h>

#include "core/central.h"
#include "games/canasta/canasta_karten.h"

using namespace canastatest;

namespace {

// Seat 1, a "Profi", in its meld phase with the discard pile's top Dame taken.
void meldPhase(const hand& h) {
    frisch(2);
    cg.phase.nr = 4;
    cg.phase.schritt = 3;
    cg.aktSpieler = 1;
    cg.canasta.ausgelegt.at(1) = 1;
    cg.canasta.mindestpunkte = 0;
    cg.canasta.zugQuelle = 13;
    cg.canasta.zwangkarte = K(Dame, 3);
    cg.canasta.zwangkarteGenommen = K(Dame, 3);
    stapel(1, h);
    stapel(2, H({K(W7), K(W8), K(W9), K(Bube)}));
    stapel(11, H({K(Vier), K(Fuenf)}));
    central::entscheidungAbfragen(cg, 82);
}

bool gewaehlt(const karte& k) {
    for (int i = 1; i <= cg.gespielteHand.anz; ++i)
        if (gleich(cg.gespielteHand.at(i), k)) return true;
    return false;
}

}  // namespace

TEST(CanastaKi, TakenCardIsLaidBeforeFertig) {
    // no meld of its value yet: the taken Dame, the other Dame and the Zwei are laid out
    meldPhase(H({K(Dame, 3), K(Dame), K(Zwei), K(Koenig), K(W7)}));
    canastaki::kiTick();
    EXPECT_EQ(cg.antwort.art, central::kKnopf);
    EXPECT_EQ(cg.antwort.wert2, 82);
    EXPECT_TRUE(gewaehlt(K(Dame, 3)));

    // with a meld of Damen on the table the taken Dame is laid onto it
    meldPhase(H({K(Dame, 3), K(Koenig), K(W7), K(Fuenf)}));
    meld(1, H({K(Dame), K(Dame, 2), K(Dame, 4)}));
    central::entscheidungAbfragen(cg, 82);
    canastaki::kiTick();
    EXPECT_EQ(cg.antwort.art, central::kStapel);
    EXPECT_EQ(cg.antwort.wert1, 12);
    ASSERT_EQ(cg.gespielteHand.anz, 1);
    EXPECT_TRUE(gewaehlt(K(Dame, 3)));
}

TEST(CanastaKi, DiscardKeepsPairsAndWildCards) {
    struct Case {
        hand karten;
        int andere;  // cards of the other seat
        int slot;
    };
    const Case cases[] = {
        {H({K(Joker), K(W7), K(W8)}), 4, 2},  // Joker 50 + 250 + 50, the 7 counts 5
        // an empty other side divides nothing: it counts as far behind, so the Joker goes
        // (350 - 50 - 450 against 5 for the 7)
        {H({K(Joker), K(W7), K(W8)}), 0, 1},
        // König 400 + 10 as a pair, Zwei 20 + 240 + 50, the Ass 20: the Ass goes
        {H({K(Koenig), K(Koenig, 2), K(Ass), K(Zwei)}), 5, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        frisch(2);
        cg.phase.nr = 4;
        cg.aktSpieler = 1;
        stapel(1, c.karten);
        hand andere = H({});
        for (int i = 0; i < c.andere; ++i) andere.at(++andere.anz) = K(Sechs);
        stapel(2, andere);
        stapel(13, H({K(Vier)}));
        EXPECT_EQ(canastaki::abwurfWahl(1), c.slot);
    }
}
