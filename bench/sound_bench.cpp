// The mixer's cost for one second of output with 16 voices and the music, and what the
// sentence tables and the effect samples cost at start-up.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

#include "sound/isg.h"
#include "sound/mixer.h"
#include "sound/mp3.h"
#include "sound/scode.h"
#include "sound/snd.h"

namespace {

namespace fs = std::filesystem;

std::shared_ptr<const mixer::Pcm> rauschen(int kanaele, size_t frames) {
    std::vector<uint8_t> b(frames * 2 * static_cast<size_t>(kanaele));
    uint32_t x = 12345;
    for (auto& v : b) v = static_cast<uint8_t>((x = x * 1103515245u + 12345u) >> 24);
    return mixer::umwandeln(b.data(), b.size(), kanaele, 16, mixer::kRate);
}

void BM_MixOneSecond16VoicesAndMusic(benchmark::State& state) {
    mixer::zuruecksetzen();
    const auto pcm = rauschen(1, 3 * mixer::kRate);
    const auto musik = rauschen(2, 2 * mixer::kRate);
    mixer::musikLautstaerke(600);
    int ids[16];
    for (int i = 0; i < 16; ++i) {
        ids[i] = mixer::stimmeNeu(pcm);
        mixer::lautstaerke(ids[i], -150 * (i % 8));
        mixer::balance(ids[i], -1200 + 160 * i);
    }
    std::vector<int16_t> out(2 * 1024);
    for (auto _ : state) {
        state.PauseTiming();
        for (int id : ids) {
            mixer::stimmeFrei(id);
        }
        for (int i = 0; i < 16; ++i) {
            ids[i] = mixer::stimmeNeu(pcm);
            mixer::abspielen(ids[i]);
        }
        mixer::musikStarten();
        mixer::musikSchreiben(musik->daten.data(), musik->frames());
        state.ResumeTiming();
        // One second in the device's blocks of 1024 frames.
        for (int f = 0; f < mixer::kRate; f += 1024) mixer::mischen(out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    mixer::zuruecksetzen();
}
BENCHMARK(BM_MixOneSecond16VoicesAndMusic)->Unit(benchmark::kMicrosecond);

bool daten() { return fs::exists(fs::path(KS_SOURCE_DIR) / "data/sound/1/codes.txt"); }

// The start-up: six tables read and every recording's presence checked.
void BM_ReadSentenceTables(benchmark::State& state) {
    if (!daten()) {
        state.SkipWithError("no generated data");
        return;
    }
    for (auto _ : state) {
        auto r = std::make_unique<TSCReader>(fs::path(KS_SOURCE_DIR), TSCReader::Melder{});
        benchmark::DoNotOptimize(r.get());
    }
}
BENCHMARK(BM_ReadSentenceTables)->Unit(benchmark::kMillisecond);

// Every effect file read and converted once (they are loaded on first play and then cached).
void BM_LoadEveryEffect(benchmark::State& state) {
    if (!daten()) {
        state.SkipWithError("no generated data");
        return;
    }
    std::vector<fs::path> dateien;
    for (const auto& e : fs::directory_iterator(fs::path(KS_SOURCE_DIR) / "data/sound"))
        if (e.path().extension() == ".wav") dateien.push_back(e.path());
    for (auto _ : state) {
        isg::cacheLeeren();
        for (const auto& p : dateien) benchmark::DoNotOptimize(isg::laden(p));
    }
    state.counters["files"] = static_cast<double>(dateien.size());
    isg::cacheLeeren();
}
BENCHMARK(BM_LoadEveryEffect)->Unit(benchmark::kMillisecond);

// Decoding one second of a generated track, as the frame loop does ahead of the mixer.
void BM_DecodeOneSecondOfMusic(benchmark::State& state) {
    const fs::path datei = fs::path(KS_SOURCE_DIR) / "data/music/21.mp3";
    if (!fs::exists(datei)) {
        state.SkipWithError("no generated data");
        return;
    }
    std::vector<int16_t> out;
    for (auto _ : state) {
        state.PauseTiming();
        mp3::Strom s;
        std::string grund;
        if (!s.oeffnen(datei, grund)) state.SkipWithError(grund.c_str());
        out.clear();
        state.ResumeTiming();
        while (out.size() / 2 < static_cast<size_t>(mixer::kRate) && !s.fertig()) s.lesen(out, 4096);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_DecodeOneSecondOfMusic)->Unit(benchmark::kMicrosecond);

}  // namespace
