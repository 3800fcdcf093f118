// The text filter, the game-list helpers and the line count of hints.
#include "dialoge_fixture.h"
#include "platform/text.h"

namespace {

TEST(Filtertext, CardWordsAndPokerTerms) {
    struct Fall {
        int spiel, bild;
        bool deutsch;
        const char* ein;
        const char* aus;
    };
    const Fall faelle[] = {
        // German-suited picture: suits and court cards; the plural "n" goes with the word.
        {0, 2, true, "Buben und Damen", "Unter und Ober"},
        {1, 2, true, "Kreuz Bube, Pik Dame, Karo As", "Eichel Unter, Grün Ober, Schellen As"},
        {1, 2, true, "Herz König", "Herz König"},
        {1, 1, true, "Kreuz Bube", "Kreuz Bube"},
        {5, 2, true, "Kein Wort", "Kein Wort"},
        // Poker: suit words before a blank, a comma or (Karo) a full stop become symbols.
        {8, 1, true, "Herz neun", "<9A> neun"},
        {8, 1, true, "Kreuz, Pik, Herz, Karo.", "<98>, <99>, <9A>, <9B>."},
        {8, 1, true, "@call2 oder @call", "Call oder Mitgehen"},
        {8, 1, true, "@raise, @bet, @check, @allin, @fold", "Erhöhen, Setzen, Weiter, Alles setzen, Passen"},
        {8, 1, true, "@straight2/@straight", "Straight/Straße"},
        {8, 1, true, "Poker (Four Of A Kind)", "Poker (Four Of A Kind)"},
        {8, 1, true, "Two Pairs, High Card", "Zwei Paare, Höchste Karte"},
        {8, 1, false, "@call2 oder @call", "Mitgehen oder Call"},
        {8, 1, false, "@straight2/@straight", "Straße/Straight"},
        {8, 1, false, "Two Pairs", "Two Pairs"},
        {8, 2, true, "Bube", "Bube"},  // no card-picture words in Poker
    };
    // <98>..<9B>: the bitmap font's suit symbols, which have no UTF-8 spelling here.
    auto erwartet = [](const char* aus) {
        std::string t = text::w(aus);
        for (const auto& [m, c] :
             {std::pair{"<98>", '\x98'}, {"<99>", '\x99'}, {"<9A>", '\x9A'}, {"<9B>", '\x9B'}})
            for (size_t p; (p = t.find(m)) != std::string::npos;) t.replace(p, 4, 1, c);
        return t;
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.ein);
        EXPECT_EQ(dialoge::filtertext(text::w(f.ein), f.spiel, f.bild, f.deutsch), erwartet(f.aus));
    }
}

TEST(Spielliste, IsingaAndGetgaWithThePokerSiblings) {
    int liste[14] = {3, 7, 4, 5, 6, 8, 9, 14, 11, 16, 15, 17, 10, 0};
    EXPECT_TRUE(dialoge::isinga(13, liste));
    EXPECT_EQ(dialoge::getga(13, liste), 8);
    EXPECT_EQ(dialoge::getga(12, liste), 8);
    EXPECT_EQ(dialoge::getga(10, liste), 12);
    EXPECT_FALSE(dialoge::isinga(18, liste));
    EXPECT_EQ(dialoge::getga(18, liste), 13);
    EXPECT_FALSE(dialoge::isinga(0, liste));  // the unset entry 13 matches nothing
    EXPECT_EQ(dialoge::getga(0, liste), 13);
}

TEST(Zeilen, CountsPiecesAndGuardsNarrowWidths) {
    EXPECT_EQ(dialoge::zeilenZahl(std::string(140, 'x'), 73), 2);
    EXPECT_EQ(dialoge::zeilenZahl(std::string(69, 'x'), 73), 0);
    // Up to the CR at position 75: 75 div 70 + 1 = 2; then 10 left: 0.
    EXPECT_EQ(dialoge::zeilenZahl(std::string(74, 'x') + "\r" + std::string(10, 'y'), 73), 2);
    EXPECT_EQ(dialoge::zeilenZahl("a\rb\r", 73), 2);
    EXPECT_EQ(dialoge::zeilenZahl("abc", 3), 3);  // width 3 would divide by 0
    EXPECT_EQ(dialoge::zeilenZahl("abc", 0), 3);
}

using Endis = Dialoge;

TEST_F(Endis, HidesMarkedElementsAndLeavesTheLockedTail) {
    const int romme = d().regeln[3];
    for (int e = 2; e <= app->dlg(romme).ElementCount; ++e) app->SetEnabled(romme, e, false);
    const int verborgen = d().regelOptionen[3][1];
    el(romme, verborgen).Width = 777;
    dialoge::endis(*app, romme);
    EXPECT_FALSE(el(romme, verborgen).Visible);
    EXPECT_FALSE(el(romme, verborgen).Enabled);
    EXPECT_TRUE(el(romme, d().regelOptionen[3][0]).Enabled);
    EXPECT_FALSE(el(romme, d().rommeSortieren).Enabled);
    EXPECT_FALSE(el(romme, d().rommeSortieren - 1).Enabled);
    EXPECT_FALSE(el(romme, d().zurueckKnoepfe[3]).Enabled);
}

TEST_F(Endis, GermanPictureOfTheDisplayOptionsDrivesTheFilter) {
    ::cg.spielId = 1;
    EXPECT_EQ(dialoge::filtertext(text::w("Kreuz Bube")), text::w("Kreuz Bube"));
    app->SetTopIndex(d().anzeige, d().kartenbild, 2);
    EXPECT_EQ(dialoge::filtertext(text::w("Kreuz Bube")), text::w("Eichel Unter"));
    dialoge::mauMauListen(*app);
    EXPECT_EQ(app->GetLine(d().regeln[0], d().maumauSonder[0], 4), "Unter");
    EXPECT_EQ(app->GetLine(d().regeln[0], d().maumauSonder[0], 9), "Keine");
}

}  // namespace
