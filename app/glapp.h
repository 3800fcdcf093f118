// The main form: the program's one GUI library instance, the central objects it creates, the
// shell's state bytes and the routines of the shell that other units call.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/karten.h"
#include "gui/pvl.h"

class THelpContainer;

namespace glapp {

// Shell state (spielAktiv): 0 no game (menus), 1 a game is running, 2 the game is paused in
// the game menu or a settled round waits on its score sheet.
extern uint8_t spielAktiv;
// Table input state (aStatus).
enum : uint8_t { asNone = 0, asEingabe = 1, asAnimation = 2 };
extern uint8_t aStatus;
// What the picking found under the mouse: the human's hand slot (0 none), the table stack
// 11..13 (0 none) and its slot.
extern int32_t zeigerKarte, zeigerStapel, zeigerStapelKarte;
// Typed-key buffer of the access codes (at most 33 characters).
extern std::string tastenPuffer;
// The player's name from the configuration at the first start, and whether it is female.
extern std::string userName;
extern bool nameWeiblich;
extern uint32_t startTick;

class Tglapp : public pvl::TPVLApplication {
public:
    using pvl::TPVLApplication::TPVLApplication;

    // ---- life (glapp.cpp)
    // The creation handler: central objects, name tables, the close query.
    void FormCreate();
    bool ccapp() { return true; }
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

// The form (glapp) and the help containers (hc: the game's rules, ihc: in-game hints).
extern Tglapp* glapp;
extern THelpContainer* hc;
extern THelpContainer* ihc;

}  // namespace glapp
