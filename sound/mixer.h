// Our small mixer: voices that each play one PCM buffer once, at a gain in hundredths of a
// decibel and a pan, plus one music voice; mixed into 16-bit stereo at kRate. It plays through
// SDL's audio device, or renders into a buffer that the caller asks for (tests, benchmarks, a
// machine without sound).
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace mixer {

constexpr int kRate = 22050;    // output frames per second, stereo
constexpr int kStimmen = 32;    // voices at once
constexpr int kStill = -10000;  // gain that is silence

// Samples already in the output rate, one or two channels. The source format is kept so a
// position can be told in bytes of the file's own data.
struct Pcm {
    int kanaele = 1;
    std::vector<int16_t> daten;  // frames x kanaele
    uint32_t quellRate = kRate;
    uint32_t quellBlock = 2;  // bytes per source frame
    size_t frames() const { return daten.size() / static_cast<size_t>(kanaele); }
    size_t quellBytes() const;
};

// Converts PCM (8-bit unsigned or 16-bit signed little-endian, 1 or 2 channels) at any rate to
// the output rate, by linear interpolation.
std::shared_ptr<const Pcm> umwandeln(const uint8_t* daten, size_t bytes, int kanaele, int bits,
                                     uint32_t rate);

// Opens SDL's audio device (any driver SDL picks, the dummy one included). false: no device.
bool geraetOeffnen();
// Without a device the caller drives the mixer with mischen(); true while a device plays.
bool geraetOffen();
void geraetSchliessen();

// Voices; an id is 1..kStimmen, 0 means none could be had. A voice keeps its buffer until freed.
int stimmeNeu(std::shared_ptr<const Pcm> pcm);
void stimmeFrei(int id);
void abspielen(int id);  // from the current position, once
void anhalten(int id);
bool spielt(int id);
// Position of the voice, in bytes of the source data.
uint32_t position(int id);
void lautstaerke(int id, int mB);  // -10000..0
void balance(int id, int pan);     // -10000 (left) .. 10000 (right); the far side is attenuated by |pan|

// The music voice: stereo frames at kRate that the main thread writes ahead of the mix. Once
// the writer has said fertig and every frame has played, the end flag is set. Volume 0..1000.
void musikStarten();
void musikSchreiben(const int16_t* frames, size_t n);
void musikFertig();
size_t musikGepuffert();  // frames written but not yet played
void musikStoppen();
bool musikLaeuft();  // started, and not yet played to its end
// True once after a track has played to its end.
bool musikZuEnde();
void musikLautstaerke(int v);

// Mixes `frames` stereo frames into out (2 x frames values) and advances every voice.
void mischen(int16_t* out, int frames);

// Frees every voice and the music (tests).
void zuruecksetzen();

// The gain factor of a level in hundredths of a decibel (0 at -10000).
float faktor(int mB);

}  // namespace mixer
