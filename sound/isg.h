// The sound library: a device, sound buffers with volume, pan, play status and cursor, and file
// samples that load a RIFF/WAVE file. The buffers are voices of our mixer (sound/mixer.h).
#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "sound/mixer.h"

namespace isg {

// Result codes of the library's calls, with the texts of DSErrorText.
enum : int32_t {
    DS_OK = 0,
    DSERR_ALLOCATED = 10,
    DSERR_ALREADYINITIALIZED = 20,
    DSERR_BADFORMAT = 30,
    DSERR_BUFFERLOST = 40,
    DSERR_CONTROLUNAVAIL = 50,
    DSERR_GENERIC = 60,
    DSERR_INVALIDCALL = 70,
    DSERR_INVALIDPARAM = 80,
    DSERR_NOAGGREGATION = 90,
    DSERR_NODRIVER = 100,
    DSERR_NOINTERFACE = 110,
    DSERR_OTHERAPPHASPRIO = 120,
    DSERR_OUTOFMEMORY = 130,
    DSERR_PRIOLEVELNEEDED = 140,
    DSERR_UNINITIALIZED = 150,
    DSERR_UNSUPPORTED = 160,
};
std::string DSErrorText(int32_t result);

// Text: where + ":" + CR + message.
class EISGError : public std::runtime_error {
public:
    EISGError(const std::string& where, int32_t code, const std::string& message);
    int32_t code() const { return code_; }

private:
    int32_t code_;
};

class EISGSoundError : public EISGError {
public:
    EISGSoundError(const std::string& where, int32_t result)
        : EISGError(where, result, DSErrorText(result)) {}
};

// Where the library writes what it only logs ("EOF in file: ..."); empty: nowhere.
void setLog(void (*log)(const std::string& line));

// The device. Geraet opens SDL's audio output; Puffer makes a device whose output the caller
// renders with mixer::mischen (tests, benchmarks). When no device can be opened the object
// still exists and vorhanden() is false.
class TISGSound {
public:
    enum class Ausgabe { Geraet, Puffer };
    explicit TISGSound(Ausgabe a = Ausgabe::Geraet);
    ~TISGSound();
    TISGSound(const TISGSound&) = delete;
    TISGSound& operator=(const TISGSound&) = delete;
    bool vorhanden() const { return vorhanden_; }
    // Level index 0 exclusive, 1 normal, 2 priority, 3 write-primary. The mixer has no levels;
    // the index is kept.
    void SetCooperativeLevel(int level);
    int level() const { return level_; }

private:
    bool vorhanden_ = false;
    bool geraet_ = false;
    int level_ = 0;
};

// A buffer of the mixer: one voice. Flags as the sample flags: 4 pan control, 8 volume control.
class TISGSoundBuffer {
public:
    virtual ~TISGSoundBuffer();
    TISGSoundBuffer(const TISGSoundBuffer&) = delete;
    TISGSoundBuffer& operator=(const TISGSoundBuffer&) = delete;

    bool hatPuffer() const { return stimme_ != 0; }
    // The play position in bytes of the source data (the write cursor of a static buffer).
    uint32_t GetCursorPos();
    bool GetPlayStatus();
    void SetVol(int volume);  // hundredths of a decibel, clamped to -10000..0
    void SetPan(int pan);     // clamped to -10000..10000
    int vol() const { return vol_; }
    int pan() const { return pan_; }
    uint32_t groesse() const { return groesse_; }
    uint32_t byteRate() const { return byteRate_; }  // source bytes per second
    void Play();
    void Stop();

protected:
    explicit TISGSoundBuffer(TISGSound& s) : sound_(s) {}
    void pruefen(const char* op, int32_t result) const;
    virtual const char* klasse() const = 0;

    TISGSound& sound_;
    int flags_ = 0;
    int stimme_ = 0;
    uint32_t groesse_ = 0, byteRate_ = 0;
    int vol_ = 0, pan_ = 0;
};

// A file sample: the WAVE file's PCM, converted to the mixer's format once and kept in a cache
// by path, so a sound played again costs no reading. A file that cannot be read gives a sample
// without a buffer (logged); a missing file raises "File not Found: " + name.
class TISGSoundFileSample : public TISGSoundBuffer {
public:
    TISGSoundFileSample(TISGSound& s, int flags, const std::filesystem::path& datei);

protected:
    const char* klasse() const override { return "TISGSoundFileSample"; }
};

// Loads (or takes from the cache) the converted PCM of a WAVE file; nullptr when the file is not a
// playable WAVE (logged once; that failure is cached too). Throws EISGError for a missing file.
std::shared_ptr<const mixer::Pcm> laden(const std::filesystem::path& datei);
// Reads WAVE bytes into PCM; the reason for a failure goes to grund.
std::shared_ptr<const mixer::Pcm> ausBytes(const uint8_t* daten, size_t n, std::string& grund);
void cacheLeeren();
size_t cacheGroesse();

}  // namespace isg
