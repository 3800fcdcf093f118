// The decision buttons of the meld and shedding games as the program's own dialogs show them:
// Canasta's "!Melden" and "!Neu beginnen" greyed by the selection and the turn, "!Fertig" with
// one raised card, and Schwimmen's "!Klopfen" once a seat has knocked.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/glapp.h"
#include "app/ton.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/envparam.h"
#include "core/spiele.h"
#include "games/canasta/canasta_karten.h"
#include "games/rummy_shedding/schwimmen.h"
#include "programm_fixture.h"
#include "gui/pvlhost.h"
#include "table/glu.h"
#include "table/tischhooks.h"

namespace fs = std::filesystem;
using namespace canastatest;

namespace {

using Knoepfe = ProgrammOhneBild;

// The human's cards at the given slots raised, all others lowered.
void heben(std::initializer_list<int> slots) {
    TSpieler& s = glu::spieler[0];
    for (int i = 1; i <= s.anz; ++i) s.at(i).bewegung = TBewegung{};
    for (int i : slots) glu::liftcard(s.at(i).bewegung, 1, 1, i);
}

// Canasta with the human on turn in the meld phase, the meld dialog open over the given hand.
void canastaMeldphase(const hand& h) {
    frisch(2);
    cg.aktSpieler = 1;
    cg.phase.nr = 4;
    cg.phase.schritt = 3;
    stapel(1, h);
    stapel(2, H({K(W7), K(W8), K(W9)}));
    central::entscheidungAbfragen(cg, 82);
}

}  // namespace

TEST_F(Knoepfe, CanastaMeldenOnlyForASelectionThatMayBeLaidOut) {
    const hand sechs = H({K(Dame, 1), K(Dame, 2), K(Dame, 3), K(Koenig), K(W7), K(Zwei)});
    const hand vier = H({K(Dame, 1), K(Dame, 2), K(Dame, 3), K(W7)});
    struct Case {
        const char* name;
        hand h;
        std::initializer_list<int> gehoben;
        bool damenStapel;
        bool melden;
    };
    const Case cases[] = {
        {"nothing raised", sechs, {}, false, false},
        {"three Damen", sechs, {1, 2, 3}, false, true},
        {"two Damen", sechs, {1, 2}, false, false},
        {"two Damen and a Zwei", sechs, {1, 2, 6}, false, true},
        {"Dame, Dame, König", sechs, {1, 2, 4}, false, false},
        {"three Damen beside a Damen meld", sechs, {1, 2, 3}, true, false},
        {"the last card but one without a canasta", vier, {1, 2, 3}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        canastaMeldphase(c.h);
        if (c.damenStapel) meld(1, H({K(Dame, 4), K(Dame, 4), K(Dame, 1)}));
        ASSERT_TRUE(central::knopfFrei(cg, 82)) << "the dialog opens with its buttons enabled";
        heben(c.gehoben);
        canasta::auswahlPruefen();
        EXPECT_EQ(central::knopfFrei(cg, 82), c.melden);
    }
}

TEST_F(Knoepfe, CanastaNeuBeginnenOnlyOnceTheTurnLaidACard) {
    for (int gelegt : {0, 1, 3}) {
        SCOPED_TRACE(gelegt);
        canastaMeldphase(H({K(Dame, 1), K(Dame, 2), K(Dame, 3), K(Koenig), K(W7)}));
        cg.canasta.rueckAnzahl = gelegt;
        canasta::auswahlPruefen();
        EXPECT_EQ(central::knopfFrei(cg, 83), gelegt >= 1);
    }
}

TEST_F(Knoepfe, CanastaFertigWithOneRaisedCardDiscardsIt) {
    struct Case {
        std::initializer_list<int> gehoben;
        int schritt;  // the sub-step after "!Fertig"
        int abwurf;   // the slot that goes onto the discard pile, 0 none yet
    };
    // one raised card is the discard at once; two go down and the meld dialog asks again;
    // none: the discard dialog
    const Case cases[] = {{{3}, 6, 3}, {{1, 2}, 2, 0}, {{}, 5, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.schritt);
        canastaMeldphase(H({K(Dame, 1), K(Dame, 2), K(Koenig), K(W7), K(W8)}));
        heben(c.gehoben);
        ASSERT_TRUE(central::knopfFrei(cg, 37));
        ASSERT_TRUE(central::antwort(cg, central::kKnopf, 3, 37));
        canasta::spielSchritt(cg);
        EXPECT_EQ(cg.phase.schritt, c.schritt);
        for (int i = 1; i <= glu::spieler[0].anz; ++i) {
            if (i == c.abwurf) continue;
            EXPECT_FALSE(glapp::gehoben(glu::spieler[0].at(i).bewegung)) << "slot " << i;
        }
        if (c.abwurf == 0) continue;
        const karte k = glu::spieler[0].at(c.abwurf).c;
        canasta::spielSchritt(cg);
        EXPECT_EQ(cg.phase.schritt, 7);
        ASSERT_GE(glu::zugliste.anz, 1);
        bool geflogen = false;
        for (int i = 1; i <= glu::zugliste.anz; ++i)
            geflogen = geflogen || (glu::zugliste.at(i).fromStack == 1 && glu::zugliste.at(i).toStack == 13);
        EXPECT_TRUE(geflogen) << "the raised card did not go to the discard pile";
        EXPECT_TRUE(gleich(k, K(Koenig)));
    }
}

TEST_F(Knoepfe, SchwimmenKlopfenGreyedOnceASeatHasKnocked) {
    for (int geklopft : {0, 1}) {
        SCOPED_TRACE(geklopft);
        std::memset(static_cast<void*>(&cg), 0, sizeof(TCG));
        glu::reset();
        cg.spielId = spiele::kSchwimmen;
        cg.ablauf.anzSpieler = 3;
        schwimmen::standardOptionen(cg.schwimmen);
        for (int s : {1, 2, 3}) {
            TSpieler& h = glu::spieler[s - 1];
            h.anz = 3;
            for (int i = 1; i <= 3; ++i) h.at(i).c = karte{static_cast<uint8_t>(i), static_cast<uint8_t>(s), 0};
        }
        glu::spieler[11].anz = 3;
        for (int i = 1; i <= 3; ++i) glu::spieler[11].at(i).c = karte{static_cast<uint8_t>(i + 3), 4, 0};
        cg.phase.nr = 4;
        cg.phase.schritt = 0;
        cg.aktSpieler = 1;
        cg.schwimmen.geklopft = static_cast<uint8_t>(geklopft);
        cg.schwimmen.zuegeNachKlopfen = 0;
        schwimmen::spielSchritt(cg);
        ASSERT_EQ(cg.phase.schritt, 1);
        EXPECT_TRUE(central::knopfFrei(cg, schwimmen::kSchieben));
        EXPECT_EQ(central::knopfFrei(cg, schwimmen::kKlopfen), geklopft == 0);
        // a saved game comes back with its question laid out afresh, and the knock still counts
        central::dialogAnordnen(cg, false, false);
        schwimmen::spielLaden();
        EXPECT_TRUE(central::knopfFrei(cg, schwimmen::kSchieben));
        EXPECT_EQ(central::knopfFrei(cg, schwimmen::kKlopfen), geklopft == 0) << "after loading";
    }
}
