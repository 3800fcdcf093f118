// The shell's side of sound: creating and freeing the speech tables and the sound manager,
// the music as the options say, and the GUI sounds. The sound unit fills these in.
#pragma once
#include <filesystem>

class TSCReader;
class TSoundContainer;

namespace ton {

// Creates the speech reader (every sentence table) and the sound manager; fills the game
// core's and the table engine's sound seams.
void erstellen(const std::filesystem::path& programmOrdner);
// Starts, changes or stops the music as the options say; restart begins the track anew.
void musikEinstellen(bool restart);
// Stops and closes the music player (errors are swallowed).
void musikSchliessen();
// GUI sounds: 1 "up", 2 "down".
void guiTon(int nr);
// An effect placed at a stack and card (central.effekt).
void effekt(int nr, int stack, int slot);
void sndFreigeben();
void scodeFreigeben();
// Once per frame: a music track that has ended starts the next one.
void schritt();

// The central objects (nullptr before erstellen and after freeing).
extern TSCReader* scode;
extern TSoundContainer* snd;

}  // namespace ton
