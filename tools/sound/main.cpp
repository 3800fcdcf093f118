// Renders data/sound and data/music: the effects synthesised with sox, every sentence and word
// of saetze.txt in six voices with the espeak-ng library (trimmed, 8-bit mono at 11,025 Hz),
// the sentence tables codes.txt, and a few short music tracks of generated notes encoded with
// lame. The recordings are named as the game core names them when it speaks.
#include <espeak-ng/speak_lib.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/gtool.h"
#include "platform/fileio.h"
#include "platform/rnd.h"
#include "platform/text.h"
#include "tools/sound/saetze.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

bool ausfuehren(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) < 0) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void u16(std::string& s, uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
void u32(std::string& s, uint32_t v) {
    u16(s, v & 0xFFFF);
    u16(s, v >> 16);
}

std::string wavDatei(const std::string& pcm, int rate, int bits) {
    std::string s = "RIFF";
    u32(s, static_cast<uint32_t>(36 + pcm.size() + (pcm.size() & 1)));
    s += "WAVEfmt ";
    u32(s, 16);
    u16(s, 1);
    u16(s, 1);
    u32(s, static_cast<uint32_t>(rate));
    u32(s, static_cast<uint32_t>(rate * bits / 8));
    u16(s, static_cast<uint32_t>(bits / 8));
    u16(s, static_cast<uint32_t>(bits));
    s += "data";
    u32(s, static_cast<uint32_t>(pcm.size()));
    s += pcm;
    if (pcm.size() & 1) s += '\0';
    return s;
}

// ---- effects ----

struct Effekt {
    const char* datei;
    std::vector<std::string> synth;
};

bool effekte(const fs::path& ordner) {
    const std::vector<Effekt> liste = {
        {"up", {"synth", "0.06", "sine", "880", "fade", "0", "0.06", "0.04", "vol", "0.4"}},
        {"down", {"synth", "0.06", "sine", "620", "fade", "0", "0.06", "0.04", "vol", "0.4"}},
        {"over", {"synth", "0.03", "sine", "1400", "fade", "0", "0.03", "0.02", "vol", "0.2"}},
        {"_leg",
         {"synth", "0.09", "pinknoise", "highpass", "1200", "fade", "0", "0.09", "0.08", "vol", "0.8"}},
        {"_leg2",
         {"synth", "0.08", "pinknoise", "highpass", "1600", "fade", "0", "0.08", "0.07", "vol", "0.8"}},
        {"_leg3",
         {"synth", "0.1", "pinknoise", "highpass", "1000", "fade", "0", "0.1", "0.09", "vol", "0.8"}},
        {"_sel",
         {"synth", "0.05", "whitenoise", "bandpass", "3000", "800", "fade", "0", "0.05", "0.04", "vol",
          "0.5"}},
        {"_sel2",
         {"synth", "0.05", "whitenoise", "bandpass", "3600", "800", "fade", "0", "0.05", "0.04", "vol",
          "0.5"}},
        {"_zieh",
         {"synth", "0.2", "brownnoise", "highpass", "700", "fade", "0.03", "0.2", "0.12", "vol", "0.7"}},
        {"_zieh2",
         {"synth", "0.18", "brownnoise", "highpass", "900", "fade", "0.03", "0.18", "0.1", "vol", "0.7"}},
        {"_zieh3",
         {"synth", "0.22", "brownnoise", "highpass", "600", "fade", "0.04", "0.22", "0.12", "vol", "0.7"}},
        {"_x", {"synth", "0.05", "square", "220", "fade", "0", "0.05", "0.045", "vol", "0.3"}},
        {"_x2", {"synth", "0.05", "square", "260", "fade", "0", "0.05", "0.045", "vol", "0.3"}},
        {"applaus",
         {"synth", "0.5", "pinknoise", "tremolo", "14", "70", "fade", "0.05", "0.5", "0.25", "vol", "0.6"}},
        {"_cleg", {"synth", "0.07", "triangle", "2500", "fade", "0", "0.07", "0.06", "vol", "0.4"}},
        {"_cleg2", {"synth", "0.07", "triangle", "2900", "fade", "0", "0.07", "0.06", "vol", "0.4"}},
        {"_eleg", {"synth", "0.12", "sine", "330", "fade", "0", "0.12", "0.1", "vol", "0.6"}},
        {"_eleg2", {"synth", "0.12", "sine", "290", "fade", "0", "0.12", "0.1", "vol", "0.6"}},
        {"poch", {"synth", "0.12", "sine", "110", "fade", "0", "0.12", "0.11", "vol", "0.9"}},
        {"poch2", {"synth", "0.12", "sine", "95", "fade", "0", "0.12", "0.11", "vol", "0.9"}},
    };
    for (const Effekt& e : liste) {
        std::vector<std::string> args = {"sox",   "-n", "-r",
                                         "22050", "-c", "1",
                                         "-b",    "16", (ordner / (std::string(e.datei) + ".wav")).string()};
        args.insert(args.end(), e.synth.begin(), e.synth.end());
        if (!ausfuehren(args)) {
            std::cerr << "sox failed for " << e.datei << "\n";
            return false;
        }
    }
    return true;
}

// ---- speech ----

struct Stimme {
    const char* variante;
    int tonhoehe, tempo;
};
// Voices 1..3 female, 4..6 male.
const Stimme kStimmen[6] = {{"de+f2", 60, 165}, {"de+f4", 48, 155}, {"de+f5", 70, 175},
                            {"de+m1", 35, 160}, {"de+m3", 50, 170}, {"de+m7", 25, 150}};

std::vector<int16_t> g_puffer;

int sammeln(short* wav, int n, espeak_EVENT*) {
    if (wav && n > 0) g_puffer.insert(g_puffer.end(), wav, wav + n);
    return 0;
}

// 16-bit mono -> trimmed of silence at both ends, 8-bit at half the rate (11,025 Hz).
std::string achtBit(const std::vector<int16_t>& s) {
    size_t a = 0, e = s.size();
    while (a < e && std::abs(s[a]) < 300) ++a;
    while (e > a && std::abs(s[e - 1]) < 300) --e;
    std::string pcm;
    for (size_t i = a; i + 2 <= e; i += 2) {
        const int v = (s[i] + s[i + 1]) / 2 / 256 + 128;
        pcm += static_cast<char>(std::clamp(v, 0, 255));
    }
    return pcm;
}

// One voice's recordings, in a process of its own (the speech library keeps global state).
bool stimmeSprechen(int v, const fs::path& ordner,
                    const std::vector<std::pair<std::string, std::string>>& liste) {
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    if (rate <= 0) return false;
    espeak_SetSynthCallback(sammeln);
    const Stimme& st = kStimmen[v - 1];
    if (espeak_SetVoiceByName(st.variante) != EE_OK) return false;
    espeak_SetParameter(espeakPITCH, st.tonhoehe, 0);
    espeak_SetParameter(espeakRATE, st.tempo, 0);
    for (const auto& [stamm, gesprochen] : liste) {
        g_puffer.clear();
        if (espeak_Synth(gesprochen.c_str(), gesprochen.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                         nullptr, nullptr) != EE_OK)
            return false;
        espeak_Synchronize();
        if (!fileio::writeAll(ordner / (text::toUtf8(stamm) + ".wav"),
                              wavDatei(achtBit(g_puffer), rate / 2, 8)))
            return false;
    }
    espeak_Terminate();
    return true;
}

bool sprache(const fs::path& daten, const saetze::Quelle& q) {
    const std::string tabelle = saetze::codesTxt(q);
    const auto liste = saetze::aufnahmen(q);
    std::vector<pid_t> kinder;
    for (int v = 1; v <= 6; ++v) {
        const fs::path ordner = daten / "sound" / std::to_string(v);
        fs::create_directories(ordner);
        if (!fileio::writeAll(ordner / "codes.txt", tabelle)) return false;
        const pid_t pid = fork();
        if (pid < 0) return false;
        if (pid == 0) _exit(stimmeSprechen(v, ordner, liste) ? 0 : 1);
        kinder.push_back(pid);
    }
    bool ok = true;
    for (const pid_t pid : kinder) {
        int status = 0;
        ok = waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0 && ok;
    }
    if (!ok) std::cerr << "speech synthesis failed\n";
    return ok;
}

// ---- music ----

// A short track: a chord pad under a melody of random notes from a pentatonic scale; style 1
// slow and soft, style 2 faster with a pulsing bass.
std::string track(int stil, int nr) {
    constexpr int kRate = 22050;
    rnd::seed(static_cast<uint64_t>(stil * 100 + nr));
    const double bpm = stil == 1 ? 84 + 6 * nr : 132 + 8 * nr;
    const double schlag = 60.0 / bpm;
    const int takte = 8;
    const size_t n = static_cast<size_t>(takte * 4 * schlag * kRate);
    std::vector<float> s(n, 0.0f);
    const double grund = 196.0 * std::pow(2.0, (nr - 1) * 2 / 12.0);
    const int penta[] = {0, 2, 4, 7, 9, 12};
    const int akkorde[4] = {0, 5, 7, 3};
    auto note = [&](double start, double dauer, double freq, float laut, bool rechteck) {
        const size_t a = static_cast<size_t>(start * kRate),
                     e = std::min(n, static_cast<size_t>((start + dauer) * kRate));
        for (size_t i = a; i < e; ++i) {
            const double t = static_cast<double>(i - a) / kRate;
            const double huelle = std::min(1.0, t * 50) * std::exp(-t * (rechteck ? 6.0 : 2.5));
            double w = std::sin(2 * M_PI * freq * t);
            if (rechteck) w = w > 0 ? 0.5 : -0.5;
            s[i] += static_cast<float>(w * huelle * laut);
        }
    };
    for (int takt = 0; takt < takte; ++takt) {
        const double t0 = takt * 4 * schlag;
        const double f = grund * std::pow(2.0, akkorde[takt % 4] / 12.0);
        for (const double iv : {1.0, 1.25, 1.5}) note(t0, 4 * schlag, f * iv / 2, 0.12f, false);
        if (stil == 2)
            for (int b = 0; b < 8; ++b) note(t0 + b * schlag / 2, schlag / 2, f / 4, 0.25f, true);
        for (int b = 0; b < (stil == 1 ? 4 : 8); ++b) {
            if (rnd::random(4) == 0) continue;
            const double len = stil == 1 ? schlag : schlag / 2;
            note(t0 + b * len, len, grund * std::pow(2.0, (penta[rnd::random(6)] + 12) / 12.0), 0.2f, false);
        }
    }
    std::string pcm;
    pcm.reserve(n * 2);
    for (float v : s)
        u16(pcm, static_cast<uint16_t>(static_cast<int16_t>(std::clamp(v, -1.0f, 1.0f) * 30000)));
    return wavDatei(pcm, kRate, 16);
}

bool musik(const fs::path& daten) {
    const fs::path ordner = daten / "music";
    fs::create_directories(ordner);
    for (int stil = 1; stil <= 2; ++stil)
        for (int nr = 1; nr <= 3; ++nr) {
            const fs::path wav = ordner / ("tmp" + std::to_string(stil) + std::to_string(nr) + ".wav");
            const fs::path mp3 = ordner / (std::to_string(stil) + std::to_string(nr) + ".mp3");
            const bool ok =
                fileio::writeAll(wav, track(stil, nr)) &&
                ausfuehren({"lame", "--quiet", "-m", "m", "-b", "32", wav.string(), mp3.string()});
            std::error_code ec;
            fs::remove(wav, ec);
            if (!ok) {
                std::cerr << "lame failed for " << mp3 << "\n";
                return false;
            }
        }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: ks_soundgen <data folder>\n";
        return 2;
    }
    const fs::path daten = argv[1];
    std::string quelle;
    if (!fileio::readAll(fs::path(KS_SOUND_TOOLS) / "saetze.txt", quelle)) {
        std::cerr << "cannot read saetze.txt\n";
        return 1;
    }
    saetze::Quelle q;
    std::string fehler;
    if (!saetze::lesen(quelle, q, fehler)) {
        std::cerr << "saetze.txt: " << fehler << "\n";
        return 1;
    }
    fs::create_directories(daten / "sound");
    if (!effekte(daten / "sound") || !sprache(daten, q) || !musik(daten)) return 1;
    return 0;
}
