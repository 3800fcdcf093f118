// The computer seat's answers to the decision dialogs of a deal, its Kontra thresholds and the
// two cards it lays away.
#include <string>
#include <vector>

#include "games/skat/ki_fixture.h"
#include "games/skat_jass_schnapsen/skat.h"

namespace {

using namespace skat_1;
using skattest::H;
using skattest::K;

class SkatKiEntscheidung : public skattest::KiTisch {
protected:
    // Opens the dialog for the seat and lets the computer answer; the answer code, or 9999 when
    // nothing was answered.
    int antwort(int seat, int art) {
        cg.aktSpieler = seat;
        central::entscheidungAbfragen(cg, art);
        cg.antwort.art = 7;
        skatki::kiTick();
        return cg.antwort.art == central::kKnopf ? cg.antwort.wert2 : 9999;
    }
};

struct DialogFall {
    const char* name;
    int art;
    int spielTyp, punkte, hoechstgebot, nullArt;
    bool hand, schneider, schwarz, offen, ramsch;
    int angeboten;  // the value asked in dialogs 48 and 49
    int code;       // the expected answer
};

}  // namespace

TEST_F(SkatKiEntscheidung, AnswersEachDialogByItsCodes) {
    const std::vector<DialogFall> faelle = {
        // bidding: a limit equal to the offered value bids or holds, one list value higher passes
        {"bid at the limit", 48, 1, 100, 20, 0, false, false, false, false, false, 20, 41},
        {"pass above the limit", 48, 1, 100, 20, 0, false, false, false, false, false, 22, 43},
        {"hold at the limit", 49, 1, 100, 20, 0, false, false, false, false, false, 20, 42},
        {"pass holding above", 49, 1, 100, 20, 0, false, false, false, false, false, 22, 43},
        {"no limit passes", 48, 1, 40, 0, 0, false, false, false, false, false, 18, 43},
        // Grand Hand before a Ramsch: 139 stays "Gesund", 140 announces it
        {"139 is Gesund", 66, kGrand, 139, 0, 0, true, false, false, false, true, 0, 66},
        {"140 is Grand Hand", 66, kGrand, 140, 0, 0, true, false, false, false, true, 0, 84},
        {"140 without Hand", 66, kGrand, 140, 0, 0, false, false, false, false, true, 0, 66},
        {"140 for a suit game", 66, 2, 140, 0, 0, true, false, false, false, true, 0, 66},
        // the Skat: Rum from 124 on, Hand by the evaluation, a Null Hand, a Null Ouvert with Skat
        {"Rum at 124", 60, 1, 124, 36, 0, false, false, false, false, false, 0, 46},
        {"no Rum at 123", 60, 1, 123, 36, 0, false, false, false, false, false, 0, 51},
        {"Hand at 123", 60, 1, 123, 36, 0, true, false, false, false, false, 0, 45},
        {"Rum beats Hand", 60, 1, 170, 72, 0, true, false, false, false, false, 0, 46},
        {"no Rum button", 50, 1, 130, 36, 0, false, false, false, false, false, 0, 51},
        {"Null Hand", 50, kNull, 60, 35, 1, true, false, false, false, false, 0, 45},
        {"Null Ouvert takes the Skat", 50, kNull, 60, 46, 2, false, false, false, true, false, 0, 51},
        // Schieberamsch: a weak hand or a Null hand pushes the Skat on
        {"push at 90", 67, 1, 90, 0, 0, false, false, false, false, true, 0, 45},
        {"take at 91", 67, 1, 91, 0, 0, false, false, false, false, true, 0, 51},
        {"push a Null hand", 67, kNull, 120, 0, 0, false, false, false, false, true, 0, 45},
        // game type and level
        {"Herz", 55, 3, 100, 30, 0, false, false, false, false, false, 0, 3},
        {"Grand", 55, kGrand, 100, 48, 0, false, false, false, false, false, 0, 11},
        {"Null", 55, kNull, 60, 23, 0, false, false, false, false, false, 0, 10},
        {"level normal", 56, 1, 100, 24, 0, false, false, false, false, false, 0, 1},
        {"level Schneider", 56, 1, 150, 24, 0, false, true, false, false, false, 0, 2},
        {"level Schwarz", 56, 1, 150, 24, 0, false, true, true, false, false, 0, 3},
        {"level Offen", 56, 1, 150, 24, 0, false, true, true, true, false, 0, 4},
        {"Null plain", 57, kNull, 60, 23, 0, false, false, false, false, false, 0, 1},
        {"Null Ouvert", 57, kNull, 60, 46, 2, false, false, false, true, false, 0, 4},
        {"Null Ouvert by its type", 57, kNull, 60, 59, 2, true, false, false, false, false, 0, 4},
        {"a Schwarz flag never asks Null for button 3", 57, kNull, 60, 23, 0, false, true, true, false, false, 0,
         1},
        // Spitze and Jungfrau
        {"no Spitze", 59, 1, 150, 24, 0, false, false, false, false, false, 0, 62},
        {"Jungfrau with a Null hand", 68, kNull, 60, 0, 1, false, false, false, false, true, 0, 68},
        {"no Jungfrau otherwise", 68, 1, 60, 0, 0, false, false, false, false, true, 0, 0},
        {"no Jungfrau for a plain Null", 68, kNull, 60, 0, 0, false, false, false, false, true, 0, 0},
    };
    for (const DialogFall& f : faelle) {
        SCOPED_TRACE(f.name);
        Bewertung& b = bewertung(2);
        b = Bewertung{};
        b.spielTyp = static_cast<int16_t>(f.spielTyp);
        b.punkte = static_cast<int16_t>(f.punkte);
        b.hoechstgebot = static_cast<int16_t>(f.hoechstgebot);
        b.nullArt = static_cast<int16_t>(f.nullArt);
        b.hand = f.hand;
        b.schneiderAnsagen = f.schneider;
        b.schwarzAnsagen = f.schwarz;
        b.offen = f.offen;
        cg.skat.spiel.ramsch = f.ramsch;
        cg.skat.spiel.reizwertAktuell = static_cast<int16_t>(f.angeboten);
        cg.skat.reizPos = 1;
        while (reizwert(cg.skat.reizPos) < f.angeboten && cg.skat.reizPos < cg.skat.reizAnzahl) ++cg.skat.reizPos;
        EXPECT_EQ(antwort(2, f.art), f.code);
        // the reasoning stays with the player: the game record keeps its Hand, level and Rum
        EXPECT_EQ(cg.skat.spiel.hand, 0);
        EXPECT_EQ(cg.skat.spiel.stufe, 0);
        EXPECT_EQ(cg.skat.spiel.rum, 0);
    }
}

TEST_F(SkatKiEntscheidung, KontraAndItsAnswersByThreshold) {
    struct Fall {
        const char* name;
        int typ, kontra, kont;
        bool hand;
        int stufe;
        int eigenTyp, eigenPunkte;  // the deciding seat's own evaluation
        int allein;                 // the declarer's evaluation score
        bool erwartet;
    };
    const std::vector<Fall> faelle = {
        {"Kontra below 95", 1, 0, 0, false, 0, 0, 0, 94, true},
        {"no Kontra at 95", 1, 0, 0, false, 0, 0, 0, 95, false},
        {"kont 70: below 114", 1, 0, 70, false, 0, 0, 0, 113, true},
        {"kont 70: not at 114", 1, 0, 70, false, 0, 0, 0, 114, false},
        {"kont 30: 95 x 0.8 = 76", 1, 0, 30, false, 0, 0, 0, 76, false},
        {"against a Hand game 105", 1, 0, 0, true, 0, 0, 0, 104, true},
        {"against a Hand game not at 105", 1, 0, 0, true, 0, 0, 0, 105, false},
        {"own stronger suit game adds 20", 1, 0, 0, false, 0, 2, 120, 114, true},
        {"own weaker suit game adds nothing", 1, 0, 0, false, 0, 2, 100, 114, false},
        {"own Null hand adds nothing", 1, 0, 0, false, 0, kNull, 200, 114, false},
        {"against Offen 135", kGrand, 0, 0, false, 5, 0, 0, 134, true},
        {"an announced Schneider adds nothing", 1, 0, 0, false, kSchneiderAngesagt, 0, 0, 95, false},
        {"an announced Schwarz adds nothing", 1, 0, 0, false, kSchwarzAngesagt, 0, 0, 95, false},
        {"Re in an open game above 156", kGrand, 1, 0, false, 5, 0, 0, 157, true},
        {"no Re in an open game at 156", kGrand, 1, 0, false, 5, 0, 0, 156, false},
        {"Sup below 75", 1, 2, 0, false, 0, 0, 0, 74, true},
        {"no Sup at 75", 1, 2, 0, false, 0, 0, 0, 75, false},
        {"Re above 115", 1, 1, 0, false, 0, 0, 0, 116, true},
        {"no Re at 115", 1, 1, 0, false, 0, 0, 0, 115, false},
        {"kont 70: Re above 92", 1, 1, 70, false, 0, 0, 0, 93, true},
        {"kont 70: no Re at 92", 1, 1, 70, false, 0, 0, 0, 92, false},
        {"Hirsch in a Hand game above 146", 1, 3, 0, true, 0, 0, 0, 147, true},
        {"no Hirsch at 146", 1, 3, 0, true, 0, 0, 0, 146, false},
        {"never against Null", kNull, 0, 0, false, 0, 0, 0, 10, false},
        {"never in Ramsch", kRamsch, 0, 0, false, 0, 0, 0, 10, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        spiel(f.typ, 1, f.stufe);
        cg.skat.spiel.kontra = static_cast<uint8_t>(f.kontra);
        cg.skat.spiel.hand = f.hand;
        bewertung(1).punkte = static_cast<int16_t>(f.allein);
        bewertung(2).spielTyp = static_cast<int16_t>(f.eigenTyp);
        bewertung(2).punkte = static_cast<int16_t>(f.eigenPunkte);
        const int seat = f.kontra % 2 == 1 ? 1 : 2;  // the declarer answers Re and Hirsch
        if (seat == 1) {
            bewertung(1).spielTyp = 1;
            bewertung(1).punkte = static_cast<int16_t>(f.allein);
        }
        charakter(seat, 0, 0, 0, f.kont);
        EXPECT_EQ(skatki::kontraEntscheidung(seat), f.erwartet);
    }
}

TEST_F(SkatKiEntscheidung, KontraDialogsPressTheFirstButtonToDouble) {
    spiel(1, 1);
    bewertung(1).punkte = 90;
    EXPECT_EQ(antwort(2, 44), 1);
    cg.skat.spiel.kontra = 1;
    EXPECT_EQ(antwort(1, 63), -1);
    bewertung(1).punkte = 130;
    EXPECT_EQ(antwort(1, 63), 2);
    cg.skat.spiel.kontra = 2;
    EXPECT_EQ(antwort(2, 64), -1);
}

TEST_F(SkatKiEntscheidung, LaysAwayShortSuitsOrTheWeakestCards) {
    struct Fall {
        const char* name;
        int typ;
        hand h;
        karte erste, zweite;
        bool schieberamsch = false;
    };
    const std::vector<Fall> faelle = {
        {"two singletons without As go",
         1,
         H({K(4, 1), K(4, 2), K(4, 3), K(4, 4), K(8, 1), K(7, 1), K(6, 1), K(3, 1), K(6, 2), K(3, 3), K(8, 4),
            K(7, 4)}),
         K(6, 2),
         K(3, 3)},
        {"one suit of two cards goes whole",
         1,
         H({K(4, 1), K(4, 2), K(8, 1), K(7, 1), K(6, 1), K(8, 2), K(7, 2), K(8, 3), K(1, 3), K(2, 3), K(6, 4),
            K(3, 4)}),
         K(6, 4),
         K(3, 4)},
        {"a single plain card: the lowest trump fills in",
         1,
         H({K(4, 1), K(4, 2), K(4, 3), K(4, 4), K(8, 1), K(7, 1), K(6, 1), K(5, 1), K(3, 1), K(2, 1), K(1, 1),
            K(1, 3)}),
         K(1, 3),
         K(1, 1)},
        {"a suit with a Zehn goes after one without",
         kGrand,
         H({K(4, 1), K(4, 2), K(8, 1), K(7, 1), K(6, 1), K(8, 2), K(7, 2), K(6, 2), K(7, 3), K(3, 3), K(6, 4),
            K(2, 4)}),
         K(6, 4),
         K(2, 4)},
        {"Schieberamsch keeps the Buben and pushes the Asse",
         kRamsch,
         H({K(4, 1), K(4, 2), K(4, 3), K(4, 4), K(8, 1), K(7, 1), K(8, 2), K(7, 2), K(8, 3), K(7, 3), K(8, 4),
            K(7, 4)}),
         K(8, 1),
         K(8, 2),
         true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        spiel(f.typ, 2);
        cg.skat.spiel.schieberamsch = f.schieberamsch;
        bewertung(2).spielTyp = static_cast<int16_t>(f.typ);
        karte a{}, b{};
        skatki::drueckKarten(f.h, 2, a, b);
        EXPECT_TRUE(gleich(a, f.erste)) << int(a.t) << "/" << int(a.f);
        EXPECT_TRUE(gleich(b, f.zweite)) << int(b.t) << "/" << int(b.f);
    }
}

TEST_F(SkatKiEntscheidung, NullLaysAwayTheEvaluationsDangerousCards) {
    spiel(kNull, 2);
    Bewertung& b = bewertung(2);
    b.spielTyp = kNull;
    b.nullDrueckKarten[0] = K(8, 3);
    b.nullDrueckKarten[1] = K(6, 4);
    b.nullDrueckAnzahl = 2;
    const hand h = H({K(1, 1), K(2, 1), K(3, 1), K(1, 2), K(3, 2), K(4, 2), K(1, 3), K(2, 3), K(8, 3), K(1, 4),
                      K(3, 4), K(6, 4)});
    karte x{}, y{};
    skatki::drueckKarten(h, 2, x, y);
    EXPECT_TRUE(gleich(x, K(8, 3)));
    EXPECT_TRUE(gleich(y, K(6, 4)));
}

TEST_F(SkatKiEntscheidung, LayingAwaySendsTheCardsRealSlot) {
    spiel(1, 2);
    bewertung(2).spielTyp = 1;
    // twelve cards: the Pik König in slot 9, the Herz 9 in slot 11 are the two singletons
    legen(2, H({K(4, 1), K(4, 2), K(4, 3), K(4, 4), K(8, 1), K(7, 1), K(6, 1), K(3, 1), K(6, 2), K(8, 4), K(3, 3),
                K(7, 4)}));
    cg.aktSpieler = 2;
    central::entscheidungAbfragen(cg, 54);
    cg.antwort.art = 7;
    skatki::kiTick();
    EXPECT_EQ(cg.antwort.art, central::kKarte);
    EXPECT_EQ(cg.antwort.wert2, 9);
    // the first card lies in the Skat now: the second goes next, from its slot
    TSpieler& s = glu::spieler[1];
    glu::spieler[10].anz = 1;
    glu::spieler[10].at(1).c = s.at(9).c;
    for (int i = 9; i < s.anz; ++i) s.at(i) = s.at(i + 1);
    s.anz -= 1;
    cg.antwort.art = 7;
    skatki::kiTick();
    EXPECT_EQ(cg.antwort.wert2, 10);
    // the hand is as it was laid
    EXPECT_TRUE(gleich(s.at(1).c, K(4, 1)));
}
