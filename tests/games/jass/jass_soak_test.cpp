// Whole Jass matches in the headless harness between computer teams and random-legal teams,
// under several rule sets: the 36 cards stay on the table, every card played is legal, Weis
// buttons come only in the first trick, every completed round books 157 points and its result,
// nothing stalls and no consistency message appears. The same seeds replay the same matches.
#include <gtest/gtest.h>

#include "core/central.h"
#include "games/jass/jass_karten.h"
#include "harness/lib/harness.h"
#include "table/glu.h"

namespace {

// Every card that joins the trick was playable from the hand its seat held a frame before.
struct Spielpruefung {
    hand vorher[5] = {};
    hand stichVorher{};

    bool pruefen(std::string& warum) {
        const TJass& j = cg.jass;
        if (j.stich.anz == stichVorher.anz + 1) {
            const karte k = j.stich.at(j.stich.anz);
            const int seat = k.nr;
            hand legal;
            jass::legaleKarten(vorher[seat], stichVorher, j.trumpf, jass::stichOrdnung(j.trumpf, j.stichZahl),
                               legal);
            if (seat < 1 || seat > 4 || !jass::enthalten(legal, k)) {
                warum = "Sitz " + std::to_string(seat) + " spielt eine unerlaubte Karte";
                return false;
            }
        }
        if (cg.antwort.offen == 2 && cg.phase.nr == 4 && j.stichZahl > 0 && cg.phase.fluss1 != 77 &&
            cg.entscheidung.art != 47) {
            warum = "Frage " + std::to_string(cg.entscheidung.art) + " nach dem ersten Stich";
            return false;
        }
        stichVorher = j.stich;
        for (int s = 1; s <= 4; ++s) {
            vorher[s] = hand{};
            const TSpieler& st = glu::spieler[s - 1];
            for (int i = 1; i <= st.anz; ++i)
                if (st.at(i).c.t != 0) vorher[s].at(++vorher[s].anz) = st.at(i).c;
        }
        return true;
    }
};

struct Satz {
    const char* name;
    jass::Optionen o;
    int stufe;  // the computer level of every seat; 0 plays uniformly among the legal answers
};

int spielen(const Satz& satz, uint64_t seed, int runden) {
    jass::optionen = satz.o;
    harness::Einstellung e;
    e.spielId = spiele::kJass;
    e.spieler = 4;
    e.seed = seed;
    harness::Lauf lauf(e);
    jass::anmelden();
    Spielpruefung spiel;
    lauf.invariante = [&](const TCG&, std::string& warum) {
        return jass::kartenErhalten(warum) && spiel.pruefen(warum);
    };
    auto starten = [&](int weiter) {
        const bool ok = lauf.starten(weiter);
        for (int s = 1; s <= 4; ++s) cg.sitzEinstellungen.at(s).staerke = satz.stufe;
        return ok;
    };
    EXPECT_TRUE(starten(0));
    int komplett = 0;
    for (int r = 0; r < runden; ++r) {
        SCOPED_TRACE(testing::Message() << "Runde " << r + 1);
        int32_t vorher[5];
        for (int s = 1; s <= 4; ++s) vorher[s] = cg.konto[s];
        if (lauf.bis(jass::rundeVorbei) < 0) break;
        std::string warum;
        EXPECT_TRUE(jass::rundePruefen(warum)) << warum;
        for (int s = 1; s <= 4; ++s) EXPECT_EQ(cg.konto[s] - vorher[s], jass::letztesErgebnis().at(s));
        if (cg.jass.letzterStich != 0) ++komplett;
        // Without the options no Weis and no Stöck are booked.
        for (int s = 1; s <= 4; ++s) {
            const int weis = satz.o.weisen ? 0 : cg.jass.weisPunkte.at(s) + cg.jass.weisOffen.at(s);
            const int stoeck = satz.o.stoecke ? 0 : cg.jass.stoeckPunkte.at(s) + cg.jass.stoeckOffen.at(s);
            EXPECT_EQ(weis + stoeck, 0) << s;
        }
        // The computer player names a suit, never a direction.
        if (satz.stufe >= 1) {
            EXPECT_TRUE(cg.jass.trumpf >= 1 && cg.jass.trumpf <= 4) << cg.jass.trumpf;
        }
        const bool ende = jass::partieEnde();
        if (!starten(ende ? 0 : 1)) break;
    }
    EXPECT_FALSE(lauf.fehlgeschlagen()) << (lauf.fehler().empty() ? "" : lauf.fehler().front());
    return komplett;
}

TEST(JassSoak, ComputerAndRandomTeamsPlayWholeMatchesUnderEveryRuleSet) {
    jass::Optionen standard;
    jass::Optionen alles = standard;
    alles.slalom = true;
    alles.reihenfolge = 3;
    alles.punkte = 500;
    jass::Optionen ohne = standard;
    ohne.weisen = ohne.stoecke = ohne.obenabe = ohne.undenufe = false;
    ohne.punkte = 0;
    ohne.runden = 6;
    jass::Optionen kurz = standard;
    kurz.reihenfolge = 2;
    kurz.punkte = 300;
    const Satz saetze[] = {
        {"Profi", standard, 3},
        {"Anfänger, alle Richtungen", alles, 1},
        {"Normal, ohne Weis", ohne, 2},
        {"Zufall, Stöck-Stich-Weis", kurz, 0},
        {"Zufall, alle Richtungen", alles, 0},
    };
    int komplett = 0;
    for (const Satz& s : saetze)
        for (uint64_t seed = 1; seed <= 2; ++seed) {
            SCOPED_TRACE(testing::Message() << s.name << ", seed " << seed);
            komplett += spielen(s, seed, 20);
        }
    EXPECT_GT(komplett, 120);
}

}  // namespace
