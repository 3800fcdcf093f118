// The program's one sound object: effects with variants, loudness and panning through a ring of
// file samples, the three volumes, the speech queue and the music.
#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "sound/isg.h"
#include "sound/mp3.h"

class TSoundContainer {
public:
    // The option values the manager reads: the volume steps 1..6 of effects, voices and music,
    // and the music option 1..21.
    struct Optionen {
        int effekte = 1, stimmen = 1, musik = 1;
        int musikWahl = 1;
    };
    // What the manager needs from the program. Empty functions answer no / nothing.
    struct Umgebung {
        std::filesystem::path ordner;  // the program folder
        isg::TISGSound::Ausgabe ausgabe = isg::TISGSound::Ausgabe::Geraet;
        std::function<Optionen()> optionen;
        std::function<bool()> schliesst;  // the application is closing
        std::function<bool()> schnell;    // fast run: nothing is heard
        std::function<void(const std::string&)> log;
        // Opens and starts a music file; empty: it is decoded, a piece each frame, into the mixer.
        std::function<bool(const std::filesystem::path&)> musikOeffnen;
        // Stops and closes the music; empty: the mixer's music stops.
        std::function<void()> musikStoppen;
        // Whether the open track still plays; empty: the mixer's music.
        std::function<bool()> musikLaeuft;
        // Freezes the scene while a named music file opens.
        std::function<void(bool)> einfrieren;
    };

    static constexpr int kRing = 10;  // ring slots; only 1..9 are used
    static constexpr int kQueue = 5;

    explicit TSoundContainer(Umgebung u);
    ~TSoundContainer();
    TSoundContainer(const TSoundContainer&) = delete;
    TSoundContainer& operator=(const TSoundContainer&) = delete;

    // ---- effects and samples
    // Plays one sample (a file name, or a name below data/sound); pan -100..100, level 0..100.
    // Returns whether the file was found.
    bool spieleSound(const std::string& name, int seat, bool sprache, int pan, int level);
    // A spoken sentence at the voices volume, panned by the seat.
    void spielePlatz(const std::string& datei, int seat);
    // The level (0..100) and pan (-100..100) of a card at a stack and slot.
    void effektPosition(int holder, int slot, int& level, int& pan) const;
    // central.effekt: an effect of the table of kinds, at the card where placed.
    void effekt(int art, int holder, int slot);
    // The found file of a sample name, or "" (with the variant chosen).
    std::filesystem::path sampleDatei(const std::string& name) const;

    void lautstaerken(bool apply);
    void kanalLautstaerke(int wert, int kanal, bool apply);
    static int stufeZuLautstaerke(int stufe);
    // Attenuation in hundredths of a decibel for a level 0..100.
    static int daempfung(int level);
    // The pan of a speaking seat (-100..100) with n seats at the table.
    static int platzPan(int seat, int n);

    // ---- speech queue
    void sprachEinreihen(const std::string& datei, const std::string& text, int seat);
    // 3 while speech plays (for seat, or any with 0); with 0 it also starts the next sentence.
    int sprachQueue(int seat);

    // ---- music
    void musikEinstellen(bool restart);
    void musikMuster(const std::string& muster);
    void naechsterTitel();
    std::filesystem::path titelName(int stil, int titel) const;
    void musikDatei(const std::string& name);
    bool musikMoeglich() const;
    void musikEnde();
    void mciLautstaerke(int wert);
    // Stops and closes the player (shut-down).
    void musikSchliessen();
    // Once per frame: the music decoded ahead of the mixer, and a track that ended becomes the
    // end notice.
    void schritt();
    static std::string musterAusWahl(int wahl);

    // ---- state, read by tests
    std::unique_ptr<isg::TISGSound> geraet;
    std::string muster;
    int32_t titel = 1, stil = 1;
    int32_t musikVol = 0, effekteVol = 0, stimmenVol = 0;
    bool keinSound = false, keinMusikSpieler = false, musikPausiert = false;
    int32_t ringZaehler = 0;
    std::unique_ptr<isg::TISGSoundFileSample> ring[kRing];
    int32_t ringZustand[kRing] = {};  // 0 effect, 1 speech
    int32_t ringSitz[kRing] = {};
    struct Eintrag {
        std::string datei, text;
        int32_t sitz = 0;
    };
    std::array<Eintrag, kQueue> queue;
    int32_t queueAnzahl = 0;
    bool musikOffen = false;
    bool benachrichtigen = false;  // the end notice is on
    std::string letzteMusik;       // the file last opened (tests, log)

private:
    Umgebung u_;
    void loggen(const std::string& s) const;
    bool schnell() const { return u_.schnell && u_.schnell(); }
    std::unique_ptr<mp3::Strom> strom_;
    bool oeffnen(const std::filesystem::path& p);
    void stoppen();
    void fuellen();
};
