// Session control: the one action entry of every seat, the per-frame game step, the end of an
// awaited card move, the start and restore of a game by game id, the decision dialogs and the
// in-game panels. Everything above the game core (shell, table engine, casino games) is reached
// through the service table `dienste`, the games through the entry-point table of spiele.h.
#pragma once
#include <cstdint>
#include <string>

#include "core/cg.h"
#include "core/karten.h"

namespace pvl {
class TPVLApplication;
}

namespace central {

// Action kinds of the action entry.
enum Art : uint8_t {
    kKarte = 0,    // a card of the seat's own hand (value2 = its slot)
    kAuswahl = 1,  // a set of chosen cards: only stored in cg.gespielteHand
    kKnopf = 2,    // a decision button (value2 = its answer code)
    kStapel = 3,   // a click on a table stack (value1 = the stack)
    kStich = 4,    // always accepted (the winner of a trick, ...)
    kNie = 5,      // never accepted
    kWeiter = 6,   // always accepted
};

// The three game-name tables, indexed by game id 0..12. Filled with the program's names; the
// variants (10, 11, the poker limits) are copied over entries 7, 9 and 8 while they run.
struct SpielNamen {
    std::string anzeige[13], code[13], ordner[13];
};
extern SpielNamen spielNamen;
// Puts every entry back to its name as at start (the shell calls it when it leaves a variant).
void spielNamenZuruecksetzen();
// Entry 8 := the betting form of the record's poker flags, so a poker save bears its form's code.
void pokerNamenEintragen(const TCG& cg);

// Ids of the in-game panels and their elements; the shell fills them when it builds the dialogs.
struct PanelIds {
    int ingame = 0;     // "#ingamedialog"
    int textZeile = 0;  // its text-line element
    // reihe[n][k]: element of the k-th button (k = 1..n) in the row for n answers (n = 1..8).
    // The rows for 7 and 8 share seven elements; row 8 has one more in front.
    int reihe[9][9] = {};
    int knopfVon = 0, knopfBis = 0;  // the range of answer-button element ids
    int chip[4] = {};                // the chip panel of Black Jack and Poker
    int ipanel = 0;                  // "#ipanel"
    // tab[1..19] card buttons in slot order, 20 the stock zone, 22..25 the meld zones; in Poker
    // tab[1..6] are the seat panels.
    int tab[26] = {};
    int ipanelStart = 0;                      // the one element shown at every game start
    int zugMarke[7] = {};                     // turn marker per seat 1..6
    int statusElem[9] = {};                   // the column of status images 1..8 (y 470 up to 50)
    int helpPanel = 0, helpText = 0;          // "#helppanel" and its text element
    int hinweisDialog = 0, hinweisKnopf = 0;  // the "?" hint button beside the table
    // Icon buttons: elements and texture indexes of the first (1..12) and second (1..2) table,
    // and the textures of the third (1..6).
    int icon1Elem[13] = {}, icon1Tex[13] = {};
    int icon2Elem[3] = {}, icon2Tex[3] = {};
    int icon3Tex[7] = {};
};
extern PanelIds ids;

// What the game core needs of the layers above it. The shell, the table engine and the casino
// games fill their entries at start; an empty entry answers with the default beside it.
struct Dienste {
    pvl::TPVLApplication* app = nullptr;  // the GUI library; empty: nothing is shown

    // application values (the settings record is envParam)
    uint8_t (*spielZustand)() = nullptr;  // empty: 0 (the step does not run while 2)
    bool (*pause)() = nullptr;            // empty: false
    bool (*schnellModus)() = nullptr;     // empty: false
    int (*spielerAnzahl)() = nullptr;     // empty: the count of cg.ablauf
    void (*spielerAnzahlSetzen)(int n) = nullptr;
    int16_t (*optionenWahl)() = nullptr;                    // reads the chooser of the game's options page
    std::string (*menschName)(int spielIdMenue) = nullptr;  // name field of the options page
    int (*staerke)(int spielIdMenue, int seat) = nullptr;   // strength chooser; empty: 2
    bool (*weiblich)(const std::string& name) = nullptr;    // Tglapp.checkmaedel
    void (*weiblichMerken)(bool) = nullptr;
    void (*zufallNeu)() = nullptr;  // reseeds chance at a game start (rnd::randomize); empty: not
    void (*setksize)() = nullptr;
    void (*loadenv)(int) = nullptr;
    void (*rahmenLoeschen)() = nullptr;  // the frame-routine variable cleared at a game start
    void (*hinweiseLaden)(bool) = nullptr;
    bool (*hinweisThema)(int nr) = nullptr;  // the hint container has that topic
    void (*hinweisZeigen)() = nullptr;       // Tglapp.showinnerhelp
    int (*horizontal)() = nullptr;           // horizontal extension of the virtual screen
    // The library's stopwatches (2: game step, 3: computer turn, 4: packing the stacks).
    void (*stoppuhrStart)(int nr) = nullptr;
    void (*stoppuhrStopp)(int nr) = nullptr;
    void (*stoppuhrenNeu)(int anzahl) = nullptr;  // a fresh set of that many, the total from now
    // Keyboard play: the library's start element for the keys, the application's keyboard flag,
    // and the library's focus request (dialog, element) with its flag.
    void (*tastaturStart)(int dialog, int element) = nullptr;
    void (*tastaturFlag)(uint8_t v) = nullptr;
    void (*fokusAnfrage)(int dialog, int element) = nullptr;
    bool (*fokusAngefragt)() = nullptr;  // empty: the library's keyboard focus is on
    // The shell's table input state: a laid-out question for the human opens the table (1).
    void (*tischModusSetzen)(uint8_t v) = nullptr;

    // table engine
    void (*setuptablelayout)(int voll) = nullptr;
    bool (*handOffen)(int seat) = nullptr;
    void (*offeneHandSetzen)(int seat) = nullptr;  // place and current place := open hand position
    void (*stapelNeu)() = nullptr;                 // stack ids, layout with 1, every slide and motion cleared
    void (*stapelLeeren)(int stack) = nullptr;     // card count := 0
    void (*zuglisteLeeren)() = nullptr;
    int (*stapelAnzahl)(int stack) = nullptr;
    karte (*stapelKarte)(int stack, int slot) = nullptr;
    void (*stapelKarteEntfernen)(int stack, int slot) = nullptr;
    bool (*karteLegal)(int slot) = nullptr;  // islegalcard of the human's slot
    void (*packen)() = nullptr;              // every holder into its compact list (and mirror hand)
    void (*entpacken)() = nullptr;           // the compact lists back into the stacks
    void (*meldZellen)(bool bewegungLoeschen) = nullptr;  // zellenAusKarten (+ motion field reset)
    // For the game tools (table/gtooldienste): the card and deal number in any slot 1..166 of a
    // stack whatever its count (false for no such slot); a stack mirrored into its hand (the
    // mirror hand, nullptr for no such stack); the mirror hand written back into the stack.
    bool (*slotKopie)(int stack, int slot, karte& c, int32_t& dealNr) = nullptr;
    hand* (*stapelSpiegeln)(int stack) = nullptr;
    void (*spiegelZurueck)(int stack) = nullptr;

    // casino games and others
    bool (*chipsFertig)() = nullptr;  // animationStep; empty: true
    void (*chipsLeeren)() = nullptr;
    bool (*pokerTempo)(float& faktor) = nullptr;  // PokerSpeedUpActive with its factor
    void (*pokerSituation)() = nullptr;           // step 2a of the computer turn
    bool (*pokerDeutsch)() = nullptr;
    bool (*pokerErlaubt)(int seat, int knopf) = nullptr;  // permission of buttons 2..4 (kind 98)
    bool (*pokerSitzAus)(int seat) = nullptr;             // state 7 hides the seat's panel
    void (*blackjackKnoepfe)() = nullptr;
    void (*pokerKnoepfe)() = nullptr;
    void (*pokerTabelle)() = nullptr;
    int32_t (*schnapsenBummerl)() = nullptr;  // points per Bummerl
    void (*schnapsenGruss)() = nullptr;       // clears the greeting flag and greets from seat 2
    void (*rommeAuswahlPruefen)() = nullptr;
    bool (*canastaMeldRuhe)() = nullptr;  // the Canasta dword that allows the motion reset is 0
};
extern Dienste dienste;

// ---- the action entry ----
// Returns whether the action was accepted. Values outside 16 bits are clamped and reported.
bool antwort(TCG& cg, int art, int wert1, int wert2, const hand* h = nullptr);

// ---- per frame ----
void spielSchritt(TCG& cg);
// The game's step waits until the move booked for holder and mark has landed; bewegungFertig
// ends the wait.
void bewegungAbwarten(TCG& cg, int halter, int marke);
void bewegungFertig(TCG& cg, int halter, int, int marke);

// ---- game start and restore ----
// False (and a message) when the game is not built.
bool neuesSpiel(TCG& cg, int id, int weiter);
void neuesSpielAllgemein(TCG& cg);
void tischWiederherstellen(TCG& cg);
bool nachLaden(TCG& cg);

// ---- decision dialogs ----
void entscheidungsDialog(TCG& cg, int art);
// Hides the in-game hint and its "?" button (the human's question is over).
void hinweisVerbergen();
void entscheidungAbfragen(TCG& cg, int art);
// The answer code and position of an answer-button element of the in-game dialog; false when
// the element is none of the buttons shown.
bool knopfCode(const TCG& cg, int element, int& position, int& code);
// Greys (false) or enables the button of the open question that answers `code`; nothing when the
// question shows no such button.
void knopfFreigeben(const TCG& cg, int code, bool an);
// Whether that button is shown and enabled (false without the GUI or without such a button).
bool knopfFrei(const TCG& cg, int code);

// ---- in-game panels ----
void dialogAnordnen(TCG& cg, bool noShow, bool relayout);
void panelFreigeben(TCG& cg);
void tischAufbauen(TCG& cg);
// Hides the turn markers of seats 1 .. seat count (result box, next round).
// The table panel "#ipanel" as a new game shows it: every element hidden but the start marker
// and the marker row.
void panelGrundstellung(const TCG& cg);
void zugMarkenVerbergen(const TCG& cg);
// The game symbol of the information panel: entry k of its first icon table (1..4 the suits,
// 10..12 Null, Grand, Ramsch) shown with the texture (0: the entry's own), every other entry
// hidden; k = 0 hides them all. Trump games show their trump or game type with it.
void spielSymbol(int k, int32_t textur);

}  // namespace central
