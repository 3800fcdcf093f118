// Every menu, rule page and panel of the program: their building in the fixed order that
// decides every dialog id, the clicks on their elements, and the texts that name cards.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace glapp {
class Tglapp;
}

namespace dialoge {

// Ids of the dialogs and of every element that code outside the builder reads. 0 = not built.
struct Ids {
    int optionen = 0;
    int kartenspiele = 0;  // the main menu "Kartenspiele"
    int spielKnoepfe[14] = {};
    int credits = 0, ende = 0;  // elements of the main menu
    int gameMenue = 0;          // "Game Menü"
    int spielmenue = 0;         // "Spielmenü" (Esc in a game)
    int einstellungen = 0;
    int highscore = 0;
    int hilfe = 0, hilfeSuche = 0, hilfeSucheX = 0;  // the help dialog, its search element and its kept x
    int spielliste = 0;                              // score sheet dlgSpielliste
    int speichern = 0, laden = 0;
    int dlgCredits = 0, creditsBild[2] = {};  // the two image buttons that open web pages
    // Display options (dlgAnzeige) and its choosers.
    int anzeige = 0;
    int umgebung = 0, rueckseite = 0, kartenbild = 0, ausblenden = 0, kartengroesse = 0;
    int animationen = 0, anzeigedauer = 0, austeilen = 0, richtung = 0, haeufigkeit = 0, hinweise = 0;
    // Rule pages by game id 0..12 and the name field on each.
    int regeln[14] = {};
    int nameFeld[14] = {};
    int maumauSonder[5] = {};  // the five special-card lists of the Mau Mau rule page
    // Panels.
    int iconMenue = 1;        // element 1 of the library's icon layer: the menu icon
    int iconHilfe = 0;        // the "?" icon of the icon layer
    int ipanel = 0;           // "#ipanel"
    int ipanelFarbe[5] = {};  // its suit elements 1..4
    int infopanel = 0;        // "#infopanel" (pnlDebug)
    int sortSkat = 0;         // "#farbsortiermenü_skat"
    int sortRomme = 0;        // "#sortiermenü_romme"
    int pokerpanel = 0;       // "#pokerpanel"
    int buttonpanel = 0, farbpanel = 0, helppanel = 0, ingame = 0;
    // The two dialogs whose elements move down by 44 in the layout pass.
    int tiefer[2] = {};
};
Ids& ids();

// Builds every dialog once, in the fixed order, and opens the main menu.
void diagcreate(glapp::Tglapp& a);
// A click on element `element` of program dialog `dialog`.
void klick(glapp::Tglapp& a, int dialog, int element);
// Replaces the card words of a text by those of the chosen card picture (and poker terms).
std::string filtertext(std::string_view text);
// After a change of the card picture: texts that name cards again.
void bildrebuild(glapp::Tglapp& a);
// The in-game hint of the open question (F1, the "?" icon).
void showinnerhelp(glapp::Tglapp& a);
// The developer's test save.
void dotestsave(glapp::Tglapp& a);
// Refills the five special-card lists of the Mau Mau rule page with the card words.
void mauMauListen(glapp::Tglapp& a);

}  // namespace dialoge
