#include "sound/mixer.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace mixer {

size_t Pcm::quellBytes() const {
    return static_cast<size_t>(static_cast<double>(frames()) * quellRate / kRate) * quellBlock;
}

namespace {

struct Stimme {
    bool belegt = false;
    bool laeuft = false;
    std::shared_ptr<const Pcm> pcm;
    size_t pos = 0;  // frames
    int mB = 0, pan = 0;
    float links = 1.0f, rechts = 1.0f;
};

struct Zustand {
    std::mutex m;
    Stimme stimmen[kStimmen];
    std::vector<int16_t> musik;  // stereo frames from musikPos on are still to play
    size_t musikPos = 0;
    bool musikAn = false, musikAlles = false, musikEnde = false;
    float musikFaktor = 1.0f;
    SDL_AudioDeviceID geraet = 0;
    bool sdlAudio = false;
    std::vector<float> summe;
    // A device still open at exit stops before the voices it reads go away.
    ~Zustand() {
        if (geraet) SDL_CloseAudioDevice(geraet);
    }
};

Zustand& z() {
    static Zustand s;
    return s;
}

Stimme* stimme(int id) {
    if (id < 1 || id > kStimmen || !z().stimmen[id - 1].belegt) return nullptr;
    return &z().stimmen[id - 1];
}

void gainSetzen(Stimme& s) {
    const float g = faktor(s.mB);
    // Panning attenuates only the far channel.
    s.links = g * (s.pan > 0 ? faktor(-s.pan) : 1.0f);
    s.rechts = g * (s.pan < 0 ? faktor(s.pan) : 1.0f);
}

void mischenIntern(int16_t* out, int frames) {
    Zustand& st = z();
    const size_t n = static_cast<size_t>(frames) * 2;
    if (st.summe.size() < n) st.summe.resize(n);
    float* acc = st.summe.data();
    std::fill(acc, acc + n, 0.0f);
    for (Stimme& s : st.stimmen) {
        if (!s.belegt || !s.laeuft || !s.pcm) continue;
        const Pcm& p = *s.pcm;
        const size_t ende = p.frames();
        const size_t m = std::min<size_t>(static_cast<size_t>(frames), ende - std::min(ende, s.pos));
        const int16_t* q = p.daten.data() + s.pos * static_cast<size_t>(p.kanaele);
        const float l = s.links, r = s.rechts;
        if (l > 0.0f || r > 0.0f) {
            if (p.kanaele == 1) {
                for (size_t i = 0; i < m; ++i) {
                    const float v = q[i];
                    acc[2 * i] += v * l;
                    acc[2 * i + 1] += v * r;
                }
            } else {
                for (size_t i = 0; i < m; ++i) {
                    acc[2 * i] += q[2 * i] * l;
                    acc[2 * i + 1] += q[2 * i + 1] * r;
                }
            }
        }
        s.pos += m;
        if (s.pos >= ende) s.laeuft = false;
    }
    if (st.musikAn) {
        const size_t da = st.musik.size() / 2 - st.musikPos;
        const size_t m = std::min<size_t>(static_cast<size_t>(frames), da);
        const int16_t* q = st.musik.data() + st.musikPos * 2;
        const float g = st.musikFaktor;
        for (size_t i = 0; i < 2 * m; ++i) acc[i] += q[i] * g;
        st.musikPos += m;
        if (st.musikAlles && st.musikPos * 2 >= st.musik.size()) {
            st.musikAn = false;
            st.musikEnde = true;
        }
    }
    for (size_t i = 0; i < n; ++i) {
        const float v = std::clamp(acc[i], -32768.0f, 32767.0f);
        out[i] = static_cast<int16_t>(std::lrint(v));
    }
}

void rueckruf(void*, Uint8* stream, int len) {
    std::lock_guard<std::mutex> lock(z().m);
    mischenIntern(reinterpret_cast<int16_t*>(stream), len / 4);
}

}  // namespace

float faktor(int mB) {
    if (mB <= kStill) return 0.0f;
    if (mB >= 0) return 1.0f;
    return std::pow(10.0f, static_cast<float>(mB) / 2000.0f);
}

std::shared_ptr<const Pcm> umwandeln(const uint8_t* daten, size_t bytes, int kanaele, int bits,
                                     uint32_t rate) {
    auto p = std::make_shared<Pcm>();
    if ((kanaele != 1 && kanaele != 2) || (bits != 8 && bits != 16) || rate == 0) return nullptr;
    const size_t block = static_cast<size_t>(kanaele * bits / 8);
    const size_t quell = bytes / block;
    p->kanaele = kanaele;
    p->quellRate = rate;
    p->quellBlock = static_cast<uint32_t>(block);
    auto wert = [&](size_t frame, int k) -> float {
        const uint8_t* b = daten + frame * block + static_cast<size_t>(k) * (bits / 8);
        if (bits == 8) return (static_cast<float>(b[0]) - 128.0f) * 256.0f;
        return static_cast<float>(static_cast<int16_t>(uint16_t(b[0]) | uint16_t(b[1]) << 8));
    };
    if (quell == 0) return p;
    const size_t ziel = static_cast<size_t>(static_cast<double>(quell) * kRate / rate);
    p->daten.resize(ziel * static_cast<size_t>(kanaele));
    const double schritt = static_cast<double>(rate) / kRate;
    for (size_t i = 0; i < ziel; ++i) {
        const double x = static_cast<double>(i) * schritt;
        const size_t a = std::min(static_cast<size_t>(x), quell - 1);
        const size_t b = std::min(a + 1, quell - 1);
        const float t = static_cast<float>(x - static_cast<double>(a));
        for (int k = 0; k < kanaele; ++k) {
            const float v = wert(a, k) * (1.0f - t) + wert(b, k) * t;
            p->daten[i * static_cast<size_t>(kanaele) + static_cast<size_t>(k)] =
                static_cast<int16_t>(std::lrint(std::clamp(v, -32768.0f, 32767.0f)));
        }
    }
    return p;
}

bool geraetOeffnen() {
    Zustand& st = z();
    if (st.geraet) return true;
    if (!st.sdlAudio) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        st.sdlAudio = true;
    }
    SDL_AudioSpec want{}, have{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = rueckruf;
    // SDL converts to whatever the device takes; the callback always sees this format.
    st.geraet = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (st.geraet == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        st.sdlAudio = false;
        return false;
    }
    SDL_PauseAudioDevice(st.geraet, 0);
    return true;
}

bool geraetOffen() { return z().geraet != 0; }

void geraetSchliessen() {
    Zustand& st = z();
    if (st.geraet) SDL_CloseAudioDevice(st.geraet);
    st.geraet = 0;
    if (st.sdlAudio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    st.sdlAudio = false;
}

int stimmeNeu(std::shared_ptr<const Pcm> pcm) {
    std::lock_guard<std::mutex> lock(z().m);
    for (int i = 0; i < kStimmen; ++i) {
        Stimme& s = z().stimmen[i];
        if (s.belegt) continue;
        s = Stimme{};
        s.belegt = true;
        s.pcm = std::move(pcm);
        return i + 1;
    }
    return 0;
}

void stimmeFrei(int id) {
    std::lock_guard<std::mutex> lock(z().m);
    if (Stimme* s = stimme(id)) *s = Stimme{};
}

void abspielen(int id) {
    std::lock_guard<std::mutex> lock(z().m);
    if (Stimme* s = stimme(id)) s->laeuft = s->pcm && s->pos < s->pcm->frames();
}

void anhalten(int id) {
    std::lock_guard<std::mutex> lock(z().m);
    if (Stimme* s = stimme(id)) s->laeuft = false;
}

bool spielt(int id) {
    std::lock_guard<std::mutex> lock(z().m);
    const Stimme* s = stimme(id);
    return s && s->laeuft;
}

uint32_t position(int id) {
    std::lock_guard<std::mutex> lock(z().m);
    const Stimme* s = stimme(id);
    if (!s || !s->pcm) return 0;
    const double quellFrames = static_cast<double>(s->pos) * s->pcm->quellRate / kRate;
    return static_cast<uint32_t>(quellFrames) * s->pcm->quellBlock;
}

void lautstaerke(int id, int mB) {
    std::lock_guard<std::mutex> lock(z().m);
    if (Stimme* s = stimme(id)) {
        s->mB = std::clamp(mB, kStill, 0);
        gainSetzen(*s);
    }
}

void balance(int id, int pan) {
    std::lock_guard<std::mutex> lock(z().m);
    if (Stimme* s = stimme(id)) {
        s->pan = std::clamp(pan, -10000, 10000);
        gainSetzen(*s);
    }
}

void musikStarten() {
    std::lock_guard<std::mutex> lock(z().m);
    z().musik.clear();
    z().musikPos = 0;
    z().musikAn = true;
    z().musikAlles = false;
    z().musikEnde = false;
}

void musikSchreiben(const int16_t* frames, size_t n) {
    std::lock_guard<std::mutex> lock(z().m);
    Zustand& st = z();
    // What has played is dropped once it is the larger part, so the buffer stays small.
    if (st.musikPos > 0 && st.musikPos * 2 >= st.musik.size() / 2) {
        st.musik.erase(st.musik.begin(), st.musik.begin() + static_cast<std::ptrdiff_t>(st.musikPos * 2));
        st.musikPos = 0;
    }
    st.musik.insert(st.musik.end(), frames, frames + 2 * n);
}

void musikFertig() {
    std::lock_guard<std::mutex> lock(z().m);
    z().musikAlles = true;
}

size_t musikGepuffert() {
    std::lock_guard<std::mutex> lock(z().m);
    return z().musik.size() / 2 - z().musikPos;
}

void musikStoppen() {
    std::lock_guard<std::mutex> lock(z().m);
    z().musik.clear();
    z().musikPos = 0;
    z().musikAn = false;
    z().musikEnde = false;
}

bool musikLaeuft() {
    std::lock_guard<std::mutex> lock(z().m);
    return z().musikAn;
}

bool musikZuEnde() {
    std::lock_guard<std::mutex> lock(z().m);
    const bool e = z().musikEnde;
    z().musikEnde = false;
    return e;
}

void musikLautstaerke(int v) {
    std::lock_guard<std::mutex> lock(z().m);
    z().musikFaktor = static_cast<float>(std::clamp(v, 0, 1000)) / 1000.0f;
}

void mischen(int16_t* out, int frames) {
    if (frames <= 0) return;
    std::lock_guard<std::mutex> lock(z().m);
    mischenIntern(out, frames);
}

void zuruecksetzen() {
    std::lock_guard<std::mutex> lock(z().m);
    for (Stimme& s : z().stimmen) s = Stimme{};
    z().musik.clear();
    z().musikPos = 0;
    z().musikAn = z().musikAlles = z().musikEnde = false;
    z().musikFaktor = 1.0f;
}

}  // namespace mixer
