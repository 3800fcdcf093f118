#include "sound/isg.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <system_error>

#include "sound/wave.h"

namespace isg {

namespace {

void (*g_log)(const std::string&) = nullptr;

void loggen(const std::string& s) {
    if (g_log) g_log(s);
}

// Sample files larger than this are refused before anything is read.
constexpr uintmax_t kMaxDatei = 64u << 20;

std::map<std::filesystem::path, std::shared_ptr<const mixer::Pcm>>& cache() {
    static std::map<std::filesystem::path, std::shared_ptr<const mixer::Pcm>> c;
    return c;
}

}  // namespace

void setLog(void (*log)(const std::string&)) { g_log = log; }

std::string DSErrorText(int32_t r) {
    switch (r) {
        case DS_OK:
            return "The request completed successfully.";
        case DSERR_ALLOCATED:
            return "The request failed because resources, such as a priority level, were already in use by "
                   "another caller.";
        case DSERR_ALREADYINITIALIZED:
            return "The object is already initialized.";
        case DSERR_BADFORMAT:
            return "The specified wave format is not supported.";
        case DSERR_BUFFERLOST:
            return "The buffer memory has been lost and must be restored.";
        case DSERR_CONTROLUNAVAIL:
            return "The control (volume, pan, and so forth) requested by the caller is not available.";
        case DSERR_GENERIC:
            return "An undetermined error occurred inside the DirectSound subsystem.";
        case DSERR_INVALIDCALL:
            return "This function is not valid for the current state of this object.";
        case DSERR_INVALIDPARAM:
            return "An invalid parameter was passed to the returning function.";
        case DSERR_NOAGGREGATION:
            return "The object does not support aggregation.";
        case DSERR_NODRIVER:
            return "No sound driver is available for use.";
        case DSERR_NOINTERFACE:
            return "The requested COM interface is not available.";
        case DSERR_OTHERAPPHASPRIO:
            return "Another application has a higher priority level, preventing this call from succeeding.";
        case DSERR_OUTOFMEMORY:
            return "The DirectSound subsystem could not allocate sufficient memory to complete the callers "
                   "request.";
        case DSERR_PRIOLEVELNEEDED:
            return "The caller does not have the priority level required for the function to succeed.";
        case DSERR_UNINITIALIZED:
            return "The IDirectSound::Initialize method has not been called or has not been called "
                   "successfully before other methods were called.";
        case DSERR_UNSUPPORTED:
            return "The function called is not supported at this time.";
        default:
            return "Unrecognized Error";
    }
}

EISGError::EISGError(const std::string& where, int32_t code, const std::string& message)
    : std::runtime_error(where + ":\r" + message), code_(code) {}

TISGSound::TISGSound(Ausgabe a) {
    if (a == Ausgabe::Puffer) {
        vorhanden_ = true;
    } else {
        geraet_ = mixer::geraetOeffnen();
        vorhanden_ = geraet_;
    }
}

TISGSound::~TISGSound() {
    if (geraet_) mixer::geraetSchliessen();
}

void TISGSound::SetCooperativeLevel(int level) {
    if (level < 0 || level > 3) throw EISGSoundError("TISGSound.SetCooperativeLevel", DSERR_INVALIDPARAM);
    level_ = level;
}

TISGSoundBuffer::~TISGSoundBuffer() {
    if (stimme_) mixer::stimmeFrei(stimme_);
}

void TISGSoundBuffer::pruefen(const char* op, int32_t result) const {
    if (result != DS_OK) throw EISGSoundError(std::string(klasse()) + "." + op, result);
}

uint32_t TISGSoundBuffer::GetCursorPos() {
    pruefen("GetCursorPos", stimme_ ? DS_OK : DSERR_INVALIDCALL);
    return mixer::position(stimme_);
}

bool TISGSoundBuffer::GetPlayStatus() {
    pruefen("GetPlayStatus", stimme_ ? DS_OK : DSERR_INVALIDCALL);
    return mixer::spielt(stimme_);
}

void TISGSoundBuffer::SetVol(int volume) {
    pruefen("SetVol", !stimme_ ? DSERR_INVALIDCALL : (flags_ & 8) ? DS_OK : DSERR_CONTROLUNAVAIL);
    vol_ = std::clamp(volume, -10000, 0);
    mixer::lautstaerke(stimme_, vol_);
}

void TISGSoundBuffer::SetPan(int pan) {
    pruefen("SetPan", !stimme_ ? DSERR_INVALIDCALL : (flags_ & 4) ? DS_OK : DSERR_CONTROLUNAVAIL);
    pan_ = std::clamp(pan, -10000, 10000);
    mixer::balance(stimme_, pan_);
}

void TISGSoundBuffer::Play() {
    pruefen("Play", stimme_ ? DS_OK : DSERR_INVALIDCALL);
    mixer::abspielen(stimme_);
}

void TISGSoundBuffer::Stop() {
    if (stimme_) mixer::anhalten(stimme_);
}

std::shared_ptr<const mixer::Pcm> ausBytes(const uint8_t* daten, size_t n, std::string& grund) {
    wave::Kopf k;
    bool kurz = false;
    if (!wave::lesen(daten, n, k, &kurz)) {
        grund = "WAVE error " + std::to_string(k.fehler);
        return nullptr;
    }
    if (kurz) {
        grund = "EOF";
        return nullptr;
    }
    return mixer::umwandeln(daten + k.datenPos, k.datenGroesse, k.format.channels, k.format.bitsPerSample,
                            k.format.sampleRate);
}

std::shared_ptr<const mixer::Pcm> laden(const std::filesystem::path& datei) {
    auto& c = cache();
    if (auto it = c.find(datei); it != c.end()) return it->second;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(datei, ec))
        throw EISGError("TISGSoundFileSample.Create", DSERR_GENERIC, "File not Found: " + datei.string());
    const uintmax_t groesse = std::filesystem::file_size(datei, ec);
    std::shared_ptr<const mixer::Pcm> pcm;
    std::string grund = "too large";
    if (!ec && groesse <= kMaxDatei) {
        std::string bytes(static_cast<size_t>(groesse), '\0');
        std::ifstream f(datei, std::ios::binary);
        f.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<size_t>(f.gcount()));
        pcm = ausBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), grund);
    }
    if (!pcm) {
        // A damaged sample is logged once and never played.
        loggen(grund == "EOF" ? "EOF in file: " + datei.string()
                              : "Sound file refused (" + grund + "): " + datei.string());
    }
    c[datei] = pcm;
    return pcm;
}

void cacheLeeren() { cache().clear(); }
size_t cacheGroesse() { return cache().size(); }

TISGSoundFileSample::TISGSoundFileSample(TISGSound& s, int flags, const std::filesystem::path& datei)
    : TISGSoundBuffer(s) {
    flags_ = flags;
    auto pcm = laden(datei);
    if (!pcm || !s.vorhanden()) return;
    groesse_ = static_cast<uint32_t>(pcm->quellBytes());
    byteRate_ = pcm->quellRate * pcm->quellBlock;
    stimme_ = mixer::stimmeNeu(pcm);
    pruefen("Create", stimme_ ? DS_OK : DSERR_ALLOCATED);
}

}  // namespace isg
