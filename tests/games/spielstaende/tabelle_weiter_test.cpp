// Every game under the developer's unattended run: the result table goes on by itself and
// starts the next round from inside the settlement, so what the settlement does after the table
// must not fall on the new round.
#include <gtest/gtest.h>

#include "core/cg.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/spielstaende/alle_spiele.h"
#include "harness/lib/harness.h"
#include "harness/lib/tabelle_weiter.h"

TEST(TabelleWeiter, EveryGameStartsItsNextRoundFromATableThatGoesOnByItself) {
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    for (const alle_spiele::Spiel& s : alle_spiele::kSpiele) {
        SCOPED_TRACE(testing::Message() << "game " << s.id);
        harness::Einstellung e;
        e.spielId = s.id;
        e.spieler = s.spieler;
        e.seed = 3;
        harness::Lauf lauf(e);
        alle_spiele::anmelden();
        alle_spiele::vorbereiten(s.id, s.spieler);
        harness::TabelleGehtWeiter weiter(lauf);
        ASSERT_TRUE(lauf.starten());
        ASSERT_GE(lauf.bis([](const TCG& g) { return g.spielliste.runden == 1; }), 0);
        // The next round has begun: it is not booked as over before it is played.
        ASSERT_NE(+cg.phase.nr, 5);
        ASSERT_FALSE(alle_spiele::rundeVorbei(cg));
        ASSERT_GE(lauf.bis([](const TCG& g) { return g.spielliste.runden == 2; }), 0);
    }
}
