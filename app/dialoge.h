// Every menu, rule page and panel of the program: their building in the fixed order that
// decides every dialog id, the clicks on their elements, and the texts that name cards.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

    // ---- everything else the clicks and the game units read
    int iconLayer = 0;  // the library's always-visible icon dialog
    int fpspanel = 0, fpsText = 0;
    int textpanel = 0, textZeile = 0, buttonWeiter = 0;
    int clusterpanel = 0, cluster[6] = {};  // "!on", "!off", "!reset", "!pon", "!poff", "!save"
    int clusterText[3] = {};
    int debugTexte[5] = {}, debugKnoepfe[14] = {}, debugSb = 0;
    int hilfePanelText = 0, hilfePanelZu = 0;
    int sortSkatKnopf[6] = {};  // "1".."4", "G", "N"
    int sortRommeKnopf[2] = {};
    int farbKnopf[4] = {};  // "#farbpanel"
    int pokerPot = 0, pokerEinsatz = 0;
    int ingameText = 0;        // the decision text of "#ingamedialog"
    int ingameHilfe = 0;       // its "?" button
    int ingamePfeile[4] = {};  // small up, small down, large up, large down
    // "Game Menü" and "Spielmenü".
    int gmZurueck = 2, gmNeu = 0, gmLaden = 0, gmEinstellungen = 0, gmHighscore = 0, gmHilfe = 0;
    int gmTitel[2] = {};
    int smZurueck = 2, smBeenden = 0, smSpeichern = 0, smEinstellungen = 0, smHilfe = 0, smSpielliste = 0;
    int smTitel[2] = {};
    int kartenspieleTitel = 0;
    int einGrafik = 0, einAnzeige = 0;
    int kartenbildLabel = 0;
    // "Highscore".
    int hsTitel = 0, hsListe = 0, hsTab[3] = {}, hsLoeschen = 0;
    // "Hilfe".
    int hilfeInhalt = 0, hilfeSucheTab = 0, hilfeThemen = 0, hilfeSuchen = 0, hilfeErgebnis = 0;
    int hilfeContainer = 0, hilfeText = 0;
    // Save and load.
    int speichernListe = 0, speichernName = 0, speichernOk = 0;
    int ladenListe = 0, ladenOk = 0;
    // Score sheet.
    int slWeiter = 0, slHaupt = 0, slKasse = 0, slInfo = 0;
    int creditsListe = 0;
    // Skat sub-pages and the three "Optionen" buttons of the Skat page.
    int kontra = 0, bockRamsch = 0, umGeld = 0;
    int skatOptionen[3] = {};
    int skatCharakter = 0;  // the computer characters' chooser of the Skat page
    std::vector<int> kontraOptionen, bockRamschOptionen, umGeldOptionen;
    // Rule-page tables by game id.
    int standardKnoepfe[14] = {}, zurueckKnoepfe[14] = {}, allgemeinKnoepfe[14] = {}, regelnKnoepfe[14] = {};
    int regelContainer[14] = {}, schwierigkeitsWahl[14] = {}, spielerzahlWahl[14] = {};
    // Every element of a rule page that a game reads, in creation order.
    std::vector<int> regelOptionen[14];
    int rommeSortieren = 0;    // the "Sortieren nach" chooser of the Rommé page
    int pokerBegriffe = 0;     // "Offizielle Pokerbegriffe verwenden (Englisch)"
    int pokerVorwahl[3] = {};  // the three preset boxes of the poker page
    // Program textures registered during the build (0: none).
    // The panel pictures are panel::bilder; these are the shell's own.
    struct Texturen {
        int farbe[5] = {};  // the suit icons, entries 1..4 of the announcement icons
        int logo2 = 0, logo3 = 0, back = 0;
        int chips2 = 0, chipk2 = 0;
    } tex;
};
Ids& ids();

// Registers a program texture (the file below the program folder) and returns its number for
// SetTi. The form installs the GL loader; while it is empty (no display) every texture is 0.
extern std::function<int(const std::filesystem::path& file)> texturLaden;
// The money texts of the five minimum and maximum bet steps of Black Jack (variant 0) and
// "17 und 4" (variant 1); the Black Jack unit installs its own.
extern std::function<std::vector<std::string>(bool hoechst, int variante)> einsatzTexte;

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
// The hint panel's left edge, width and highest place on the 800 x 600 screen.
constexpr int kHinweisLinks = 122, kHinweisBreite = 556, kHinweisOben = 20;
// A rectangle of the 800 x 600 screen.
struct Flaeche {
    float left = 0, top = 0, right = 0, bottom = 0;
};
// The top edge for the hint panel of the given height, from its place at the top of the screen
// down to just above the decision buttons, that covers least of the seats' name plates and
// bubbles in `frei` (each counted by the share of it covered); of equal choices the highest.
// `jetzt` is kept while nothing better is found, so that the panel does not jump about.
int hinweisOben(int hoehe, const std::vector<Flaeche>& frei, int jetzt);
// Moves a shown hint panel clear of the seats' plates and bubbles as the table drew them in
// this frame.
void placeinnerhelp(glapp::Tglapp& a);
// The developer's test save.
void dotestsave(glapp::Tglapp& a);
// Refills the five special-card lists of the Mau Mau rule page with the card words.
void mauMauListen(glapp::Tglapp& a);

// ---- game list helpers
// True when id is an entry of the list, or entry 8 + 1 or + 2 (the poker siblings).
bool isinga(int id, const int (&liste)[14]);
// The game id of the entry, 8 for the poker siblings, 13 for none (a later match wins).
int getga(int id, const int (&liste)[14]);
// The game whose rule page the dialog is, 13 for none. The poker siblings' +1/+2 rule is the
// game buttons' only: the dialogs after the poker page are no poker pages.
int regelSpiel(int dialog);
void spielWaehlen(glapp::Tglapp& a, int spiel, int element);
// The poker variant (1 Split Limit, 2 Pot Limit, 3 No Limit) into the game record, the game's
// names and the rule page's caption.
void pokerVariante(glapp::Tglapp& a, int variante);
void resetGameNames(glapp::Tglapp& a);
void endis(glapp::Tglapp& a, int dialog);
void anzactualize(glapp::Tglapp& a, int element);
// Display lines of a hint text: pieces before a CR count against 70 characters, the rest
// against width - 3 (at least 1).
int zeilenZahl(std::string_view text, int width);
// The standard rules and display settings on the dialogs as built (the default files).
void standardWerte(glapp::Tglapp& a);
// After loadall: every program dialog whose state file is missing gets its default file.
void standardLaden(glapp::Tglapp& a);

// ---- help and high scores
void buildhelp(glapp::Tglapp& a);
void writehelptext(glapp::Tglapp& a, const std::string& heading, const std::string& title,
                   const std::string& term, const std::string& text);
void buildhighscore(glapp::Tglapp& a, int stufe);

// ---- save and load
// The saved games of the current game in the folder, in name order, without extension.
std::vector<std::string> saveNamen(const std::filesystem::path& ordner, const std::string& code);
// The save code the load dialog lists: a chosen variant's own ("66_", "174") before it runs.
std::string ladeCode();
void showladen(glapp::Tglapp& a);
void showspeichern(glapp::Tglapp& a);
void testSave(glapp::Tglapp& a, bool showMessage);

// ---- what the game core reads from the rule pages (anbindung.cpp)
// Seats of the chosen game: its "Spielerzahl" chooser, else the game's fixed table.
int spielerZahl(int spielIdMenue);
// The "Schwierigkeit" chooser of the game's page: 1 "Anfänger" .. 3 "Profi".
int schwierigkeit(int spielIdMenue);
// Fills the game core's services that read these dialogs, where still empty.
void anbinden();

// ---- card words (Windows-1252), filled by diagcreate
// farbNamen[style 1..3][0..30], wertNamen[style 1..5][0..20].
extern std::string farbNamen[4][31];
extern std::string wertNamen[6][21];
// The card picture in force: 1 French, 2 German-suited (the display chooser's entry).
int kartenbild(glapp::Tglapp& a);
// The filter with its settings given (tests and the help reader).
std::string filtertext(std::string_view text, int spielId, int bild, bool pokerDeutsch);

}  // namespace dialoge
