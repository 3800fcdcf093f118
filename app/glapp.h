// The main form: the program's one GUI library instance, the central objects it creates, the
// shell's state bytes and the routines of the shell that other units call.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/karten.h"
#include "gui/pvl.h"
#include "table/tischhooks.h"

class THelpContainer;

namespace glapp {

// Shell state (spielAktiv): 0 no game (menus), 1 a game is running, 2 the game is paused in
// the game menu or a settled round waits on its score sheet.
extern uint8_t spielAktiv;
// The shell's values that the table engine reads through its hook table.
extern tischhooks::Schale schale;
// Table input state (aStatus), held in that record.
enum : uint8_t { asNone = 0, asEingabe = 1, asAnimation = 2 };
extern uint8_t& aStatus;
// What the picking found under the mouse: the human's hand slot (0 none), the table stack
// 11..13 (0 none) and its slot.
extern int32_t zeigerKarte, zeigerStapel, zeigerStapelKarte;
// Typed-key buffer of the access codes (at most 33 characters).
extern std::string tastenPuffer;
// Typing "FPS" switches the frame-rate panel on and off.
extern bool fpsAnzeige;
// The player's name from the configuration at the first start, and whether it is female.
extern std::string userName;
extern bool nameWeiblich;
// The first start's progress line: "Initialisieren" with a dot for every step of the graphics test.
extern std::string initZeile;
extern uint32_t startTick;

class Tglapp : public pvl::TPVLApplication {
public:
    using pvl::TPVLApplication::TPVLApplication;
    ~Tglapp();
    Tglapp(const Tglapp&) = delete;
    Tglapp& operator=(const Tglapp&) = delete;

    // ---- life (glapp.cpp)
    // The creation handler: central objects, name tables, the close query.
    void FormCreate();
    // Fills what the lower units leave to the shell: the game core's services, the table
    // engine's shell values and sounds, the library's hooks and the event callback.
    void verbinden();
    // The casino games' entries: registration, option reader, chip textures, bet buttons.
    void casinoVerbinden();
    // Skat's registration, its rule pages and their option handler.
    void skatVerbinden();
    // The close query: agreed outside a game. During a game the window's close opens the game
    // menu as the close icon does (paused, it is already open), and nothing of the game is lost
    // before the player ends it there.
    bool ccapp();
    bool wirklichbeenden();
    void startup();   // peStartup: dialogs, settings, high scores, textures, music
    void shutdown();  // peDestroy: music, dialog states, high scores, central objects
    void windowInit();
    void loadsettz();
    void savesettz();

    // ---- events (dispatch.cpp)
    // The one entry from the library: code < 0 a system event, else a dialog id with the
    // clicked element. shift is 56 for the library's own events.
    void FormMouseWheelDown(int code, int arg, int shift = 56);

    // ---- frame (frame.cpp)
    void main(bool modal);
    void checkupdownmoves(bool modal);
    void onestep();

    // ---- textures and table design (texturen.cpp)
    void loadenv(bool first);
    void detailNachladen();
    void setksize();
    void kbladen();
    void lkb(bool reloadOnly);
    int qjladen() { return 0; }
    void pk_loadchips();
    void pk_loadchips2();

    // ---- small routines (vorschau.cpp)
    void mouseover(int dialog, int element);
    void mouseout(int, int) {}
    void carddone(int holder, int slot);
    void ziehrunter();
    void ktausch(const karte& a, const karte& b);
};

// The pick's last word on the hovered card and pile: a hand slot beyond the hand or one the game
// refuses is none; with the keyboard on "#ipanel", its focused card button is the hovered card,
// its talon button the talon's top card and its pile buttons 21..25 the slots of stack 12.
void tastaturZeiger(Tglapp& a, int& karte);
void pick(Tglapp& a, int x, int y);

// The panels whose visibility follows the game state each frame: the developer panel, the menu
// icon, the sort menus of Skat and Rommé and the poker pot panel.
void panelsZeigen(Tglapp& a);

// Developer mode: a number-pad digit moves the seats' layout offsets (0..100) and lays the
// table out anew; false for a digit that moves nothing.
bool entwicklerVersatz(int ziffer);

// The preview a game shows while the mouse rests on a decision button (the hand in the order
// of the game type under the button, a trump): per game id, with the question's kind and the
// button's answer code. Empty: no preview.
using Vorschau = void (*)(int art, int code);
extern Vorschau vorschau[13];

// One logged shut-down step: its name, then "OK", or the error in place of "OK"; a failing
// step never keeps the later ones (the high scores, the learning store) from running.
void abschnitt(pvl::TPVLApplication& a, const char* name, const std::function<void()>& f);

// Whether a GL context exists: without one (tests, the default-options tool) nothing is
// drawn or loaded into textures, and everything else runs the same.
bool mitGL();
// The loading screen's caption (when not empty) and progress.
void ladeAnzeige(const std::string& text, int prozent);

// A card raised by the hover or chosen for a meld (its lift is up or on the way up).
inline bool gehoben(const TBewegung& b) { return b.active && b.kind == 1 && b.state != 1; }

// The form (glapp) and the help containers (hc: the game's rules, ihc: in-game hints).
extern Tglapp* glapp;
extern THelpContainer* hc;
extern THelpContainer* ihc;

}  // namespace glapp
