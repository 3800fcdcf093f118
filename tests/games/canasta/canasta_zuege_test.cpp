// The move builders: worked examples counted by hand, and a property test on random hands and
// tables: every move a builder returns can be carried out as it stands.
#include <gtest/gtest.h>

#include <string>

#include "games/canasta/canasta_karten.h"
#include "platform/rnd.h"

using namespace canastatest;

namespace {

class CanastaZuege : public testing::Test {
protected:
    void SetUp() override {
        frisch(2);
        cg.aktSpieler = 1;
    }
};

bool entfernen(hand& h, const karte& k) {
    for (int i = 1; i <= h.anz; ++i)
        if (gleich(h.at(i), k)) {
            for (int j = i; j < h.anz; ++j) h.at(j) = h.at(j + 1);
            --h.anz;
            return true;
        }
    return false;
}

std::string zugText(const TMultizug& z) {
    std::string s;
    for (int i = 1; i <= z.anz; ++i) {
        s += "[" + std::to_string(z.at(i).ziel) + ":";
        for (int j = 1; j <= z.at(i).karten.anz; ++j)
            s += " " + std::to_string(z.at(i).karten.at(j).t) + "/" + std::to_string(z.at(i).karten.at(j).f);
        s += "] ";
    }
    return s;
}

// Carries the move out on copies of the hand and the seat's melds, checking each rule on the way;
// an empty text when every check holds.
std::string pruefen(int seat, const hand& handKarten, const TMultizug& z, const karte& zwang) {
    hand h = handKarten;
    hand piles;
    canasta::meldungen(seat, piles);
    hand melds[kPiles + 1];
    for (int i = 1; i <= piles.anz; ++i) melds[piles.at(i).nr] = canasta::stapelKarten(piles.at(i).nr);
    bool canasta = canasta::hatCanasta(seat);
    bool zwangGelegt = zwang.t == 0 || canasta::istWild(zwang);
    int punkte = 0;
    for (int i = 1; i <= z.anz; ++i) {
        const hand s = canasta::abschnittHand(z.at(i));
        if (s.anz < 1) return "empty section " + std::to_string(i);
        for (int j = 1; j <= s.anz; ++j) {
            if (!entfernen(h, s.at(j))) return "card not in the hand in section " + std::to_string(i);
            if (gleich(s.at(j), zwang)) zwangGelegt = true;
        }
        hand ergebnis = s;
        if (z.at(i).ziel != 0) {
            const int p = z.at(i).ziel;
            bool eigen = false;
            for (int k = 1; k <= piles.anz; ++k) eigen = eigen || piles.at(k).nr == p;
            if (!eigen) return "lay-off onto a meld of the other side";
            ergebnis = melds[p];
            for (int j = 1; j <= s.anz; ++j) ergebnis.at(++ergebnis.anz) = s.at(j);
            melds[p] = ergebnis;
        }
        if (!canasta::ismeldung(ergebnis)) return "section " + std::to_string(i) + " is no meld";
        if (canasta::istCanasta(ergebnis)) canasta = true;
        punkte += canasta::kartenPunkte(s);
    }
    if (h.anz < 1) return "no card left to discard";
    if (h.anz == 1 && !canasta) return "one card left without a canasta";
    if (punkte < cg.canasta.mindestpunkte) return "minimum missed";
    if (!zwangGelegt) return "the taken card is not laid";
    return {};
}

}  // namespace

// While the table stands still a pile is read once; the next still table reads it again, so a
// meld that grew in between is seen as it lies.
TEST_F(CanastaZuege, AStillTableReadsThePilesAfreshEachTime) {
    {
        const canasta::TischStill still;
        EXPECT_EQ(canasta::meldungMitWert(1, Koenig), 0);
    }
    const int p = meld(1, H({K(Koenig), K(Koenig, 2), K(Koenig, 3)}));
    {
        const canasta::TischStill still;
        EXPECT_EQ(canasta::meldungMitWert(1, Koenig), p);
        EXPECT_FALSE(canasta::stapelIstCanasta(p));
        const canasta::TischStill innen;
        EXPECT_FALSE(canasta::stapelIstCanasta(p));
    }
    // four more Kings make the pile of seven a canasta
    TSpieler& m = glu::spieler[11];
    TPile& pile = k12.pile(p);
    for (const karte& c : {K(Koenig, 4), K(Koenig), K(Koenig, 2), K(Koenig, 3)}) {
        m.at(++m.anz) = TKartenSlot{};
        m.at(m.anz).c = c;
        m.at(m.anz).hi = p;
        pile.anz = static_cast<int16_t>(pile.anz + 1);
        m.at(m.anz).pilePos = pile.anz;
        pile.at(pile.anz) = c;
        pile.at(pile.anz).nr = static_cast<uint16_t>(m.anz);
    }
    EXPECT_TRUE(canasta::stapelIstCanasta(p));
    const canasta::TischStill still;
    EXPECT_TRUE(canasta::stapelIstCanasta(p));
    EXPECT_TRUE(canasta::hatCanasta(1));
    EXPECT_EQ(canasta::meldungMitWert(1, Koenig), p);
}

TEST_F(CanastaZuege, MostPointsGivesTheWildCardToTheAsseAndKeepsTwoCards) {
    cg.canasta.mindestpunkte = 50;
    const hand h = H({K(Dame), K(Dame, 2), K(Dame, 3), K(Ass), K(Ass, 2), K(Joker), K(W7), K(Fuenf)});
    stapel(1, h);
    TMultizug z;
    canasta::maxpunktezug(1, h, karte{}, false, z);
    ASSERT_EQ(+z.anz, 2) << zugText(z);
    EXPECT_EQ(+z.at(1).karten.anz, 3);
    EXPECT_EQ(+z.at(1).karten.at(1).t, Dame);
    EXPECT_EQ(+z.at(2).karten.anz, 3);
    EXPECT_EQ(+z.at(2).karten.at(3).t, Joker);
    EXPECT_EQ(+z.punkte, 30 + 90);
    EXPECT_EQ(pruefen(1, h, z, karte{}), "");

    // without the Fünf the Asse would leave one card: given back, 30 points miss the minimum
    const hand ohne = H({K(Dame), K(Dame, 2), K(Dame, 3), K(Ass), K(Ass, 2), K(Joker), K(W7)});
    stapel(1, ohne);
    canasta::maxpunktezug(1, ohne, karte{}, false, z);
    EXPECT_EQ(+z.anz, 0) << zugText(z);
    cg.canasta.mindestpunkte = 15;
    canasta::maxpunktezug(1, ohne, karte{}, false, z);
    ASSERT_EQ(+z.anz, 1) << zugText(z);
    EXPECT_EQ(+z.punkte, 30);
}

TEST_F(CanastaZuege, TakenCardNeedsAPairAndAWildCard) {
    cg.canasta.ausgelegt.at(1) = 1;
    cg.canasta.mindestpunkte = 0;
    karte zwang = K(Dame, 3);
    zwang.nr = canasta::kZwangTag;
    const hand h = H({K(Dame), K(Zwei), K(Koenig), K(W7), zwang});
    stapel(1, h);
    TMultizug z;
    canasta::maxpunktezug(1, h, zwang, false, z);
    ASSERT_EQ(+z.anz, 1) << zugText(z);
    ASSERT_EQ(+z.at(1).karten.anz, 3);
    EXPECT_EQ(+z.at(1).karten.at(1).t, Zwei);
    int markiert = 0;
    for (int i = 1; i <= 3; ++i) markiert += z.at(1).karten.at(i).nr == canasta::kZwangTag ? 1 : 0;
    EXPECT_EQ(markiert, 1);
    EXPECT_EQ(pruefen(1, h, z, zwang), "");
    // without the wild card the taken Dame cannot be laid: no move
    const hand ohne = H({K(Dame), K(Koenig), K(W7), K(Fuenf), zwang});
    canasta::maxpunktezug(1, ohne, zwang, false, z);
    EXPECT_EQ(+z.anz, 0) << zugText(z);
}

// The forced meld of a frozen pile comes out of the best move that let the seat take the pile:
// the taken Dame and the first two other cards of its section; what the section keeps is laid
// onto the forced meld (pile 5 here), card by card, and the other sections stay.
TEST_F(CanastaZuege, ForcedMeldTakesItsCardsFromTheBestMoveAndLaysTheRestOnIt) {
    struct Case {
        const char* name;
        hand h;  // without the taken Dame, which comes last as in the turn start's move
        const char* vorher;
        const char* auswahl;
        const char* nachher;
        int punkte;
    };
    const Case cases[] = {
        {"four Damen",
         H({K(Dame, 1), K(Dame, 2), K(Dame, 3), K(Koenig, 1), K(Koenig, 2), K(Koenig, 3), K(W7), K(Fuenf)}),
         "[0: 5/1 5/2 5/3 5/4] [0: 6/1 6/2 6/3] ", "5/4 5/1 5/2", "[5: 5/3] [0: 6/1 6/2 6/3] ", 10 + 30},
        {"pair and a Zwei",
         H({K(Dame, 1), K(Zwei, 1), K(Koenig, 1), K(Koenig, 2), K(Koenig, 3), K(W7), K(Fuenf)}),
         "[0: 6/1 6/2 6/3] [0: 9/1 5/1 5/4] ", "5/4 9/1 5/1", "[0: 6/1 6/2 6/3] ", 30},
        {"a Joker filled in", H({K(Dame, 1), K(Dame, 2), K(Dame, 3), K(Joker, 1), K(W7), K(Fuenf), K(Vier)}),
         "[0: 5/1 5/2 5/3 5/4 14/1] ", "5/4 5/1 5/2", "[5: 5/3] [5: 14/1] ", 10 + 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        karte zwang = K(Dame, 4);
        zwang.nr = canasta::kZwangTag;
        hand h = c.h;
        h.at(++h.anz) = zwang;
        TMultizug z;
        canasta::maxpunktezug(1, h, zwang, true, z);
        ASSERT_EQ(zugText(z), c.vorher);
        hand sel;
        ASSERT_TRUE(canasta::zwangMeldung(z, K(Dame, 4), sel));
        std::string auswahl;
        for (int i = 1; i <= sel.anz; ++i)
            auswahl += (i > 1 ? " " : "") + std::to_string(sel.at(i).t) + "/" + std::to_string(sel.at(i).f);
        EXPECT_EQ(auswahl, c.auswahl);
        EXPECT_TRUE(canasta::ismeldung(sel));
        EXPECT_TRUE(canasta::zwangAbziehen(z, sel, 5));
        EXPECT_EQ(zugText(z), c.nachher);
        EXPECT_EQ(+z.punkte, c.punkte);
    }
}

TEST_F(CanastaZuege, ForcedMeldThatTheBestMoveLacksIsFoundNowhere) {
    TMultizug z;
    z.anz = 0;
    canasta::abschnittNeu(z, H({K(Koenig, 1), K(Koenig, 2), K(Koenig, 3)}), 0);
    // a pair of the taken card's value alone is no section of three
    canasta::abschnittNeu(z, H({K(Dame, 1), K(Dame, 4)}), 0);
    hand sel;
    EXPECT_FALSE(canasta::zwangMeldung(z, K(Dame, 4), sel));
    EXPECT_FALSE(canasta::zwangAbziehen(z, H({K(Ass, 4), K(Ass, 1), K(Ass, 2)}), 5));
    EXPECT_EQ(zugText(z), "[0: 6/1 6/2 6/3] [5: 5/1] [5: 5/4] ");
}

TEST_F(CanastaZuege, BlackThreesOnlyWhenTheyLetTheSeatGoOut) {
    cg.canasta.mindestpunkte = 0;
    cg.canasta.ausgelegt.at(1) = 1;
    meld(1, H({K(Koenig), K(Koenig, 2), K(Koenig, 3), K(Koenig, 4), K(Koenig), K(Koenig, 2), K(Koenig, 3)}));
    const hand mitVielen = H({K(Drei, 1), K(Drei, 2), K(Drei, 1), K(W7), K(Fuenf), K(Sechs)});
    TMultizug z;
    canasta::maxpunktezug(1, mitVielen, karte{}, false, z);
    for (int i = 1; i <= z.anz; ++i) EXPECT_NE(+z.at(i).karten.at(1).t, Drei) << zugText(z);
    const hand genau = H({K(Drei, 1), K(Drei, 2), K(Drei, 1), K(W7)});
    canasta::maxpunktezug(1, genau, karte{}, false, z);
    ASSERT_EQ(+z.anz, 1) << zugText(z);
    EXPECT_EQ(+z.at(1).karten.at(1).t, Drei);
}

TEST_F(CanastaZuege, GoingOutMakesTheCanastaAndLeavesOneCard) {
    cg.canasta.mindestpunkte = 0;
    cg.canasta.ausgelegt.at(1) = 1;
    const hand h = H({K(Dame), K(Dame, 2), K(Dame, 3), K(Dame, 4), K(Dame), K(Joker), K(Zwei), K(Bube),
                      K(Bube, 2), K(Bube, 3), K(W7)});
    stapel(1, h);
    TMultizug z;
    canasta::fertigzug(1, h, karte{}, false, z);
    ASSERT_GT(+z.anz, 0);
    EXPECT_EQ(pruefen(1, h, z, karte{}), "");
    EXPECT_TRUE(canasta::zugMachtCanasta(z, 1));
    // a hand whose cards cannot all be laid but one gives no move
    const hand nicht = H({K(Dame), K(Dame, 2), K(Dame, 3), K(Koenig), K(W7), K(Fuenf)});
    canasta::fertigzug(1, nicht, karte{}, false, z);
    EXPECT_EQ(+z.anz, 0) << zugText(z);
}

TEST_F(CanastaZuege, SmallestFirstMeldOnTopOfALongerMeldOfThisTurn) {
    // a meld of five cards laid earlier in this turn: the builder may not treat it as three
    cg.canasta.mindestpunkte = 90;
    const int p = meld(1, H({K(Ass), K(Ass, 2), K(Ass, 3), K(Ass, 4), K(Joker)}));
    ASSERT_EQ(p, 1);
    cg.canasta.gelegtePunkte = 130;
    const hand h = H({K(Koenig), K(Koenig, 2), K(W7), K(Fuenf), K(Sechs)});
    stapel(1, h);
    TMultizug z;
    canasta::minzug2(1, h, karte{}, z);
    for (int i = 1; i <= z.anz; ++i)
        for (int j = 1; j <= z.at(i).karten.anz; ++j) EXPECT_NE(+z.at(i).karten.at(j).t, Ass) << zugText(z);
}

TEST_F(CanastaZuege, EveryMoveOfEveryBuilderCanBeCarriedOut) {
    rnd::seed(4711);
    int zuege = 0;
    for (int runde = 0; runde < 400; ++runde) {
        SCOPED_TRACE(runde);
        frisch(runde % 3 == 2 ? 4 : 2, runde % 3 == 2);
        cg.aktSpieler = 1;
        cg.canasta.wildeCanastas = runde % 4 == 1;
        // a random deck of two sets, a hand of 8 to 40 cards
        karte deck[108];
        int n = 0;
        for (int satz = 0; satz < 2; ++satz)
            for (uint8_t t = 1; t <= 14; ++t)
                for (uint8_t f = 1; f <= 4; ++f)
                    if (t != Joker || f <= 2) deck[n++] = karte{t, f, 0};
        for (int i = n - 1; i > 0; --i) std::swap(deck[i], deck[rnd::random(i + 1)]);
        int naechste = 0;
        const bool ausgelegt = rnd::random(2) == 1;
        if (ausgelegt) {
            cg.canasta.ausgelegt.at(1) = 1;
            // a meld or two of the seat's side from the deck's cards
            for (int m = 0; m < 2; ++m) {
                const int t = 1 + rnd::random(8);
                hand meldKarten = H({K(t, 1), K(t, 2), K(t, 3)});
                if (rnd::random(3) == 0)
                    for (int k = 0; k < 4; ++k) meldKarten.at(++meldKarten.anz) = K(t, 4);
                if (!canasta::hatMeldungWert(1, t)) meld(1, meldKarten);
            }
        }
        cg.canasta.mindestpunkte = ausgelegt ? 0 : canasta::mindestpunkteFuer(rnd::random(4000) - 500);
        hand h = H({});
        const int anz = 8 + rnd::random(33);
        while (h.anz < anz) {
            const karte k = deck[naechste++];
            if (canasta::istRoteDrei(k)) continue;
            h.at(++h.anz) = k;
        }
        stapel(1, h);
        karte zwang{};
        if (rnd::random(3) == 0) {
            zwang = h.at(1 + rnd::random(h.anz));
            zwang.nr = canasta::kZwangTag;
        }
        TMultizug z;
        canasta::maxpunktezug(1, h, zwang, false, z);
        if (z.anz > 0) {
            ++zuege;
            EXPECT_EQ(pruefen(1, h, z, zwang), "") << "most points: " << zugText(z);
        }
        canasta::fertigzug(1, h, zwang, false, z);
        if (z.anz > 0) {
            ++zuege;
            EXPECT_EQ(pruefen(1, h, z, zwang), "") << "going out: " << zugText(z);
        }
        canasta::minzug2(1, h, zwang, z);
        if (z.anz > 0) {
            ++zuege;
            EXPECT_EQ(pruefen(1, h, z, zwang), "") << "smallest first meld: " << zugText(z);
        }
    }
    EXPECT_GT(zuege, 300);  // the property was tried on many real moves
}
