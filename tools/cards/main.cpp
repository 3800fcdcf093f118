// Draws the table's images into a data folder: card atlases, backs, chips, the five table
// environments with their param.txt, suit symbols and panel icons. Deterministic: the same
// program writes the same files.
// Usage: ks_cardgen <data folder>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/fileio.h"
#include "tools/cards/atlas.h"
#include "tools/cards/backs.h"
#include "tools/cards/chips.h"
#include "tools/cards/icons.h"
#include "tools/cards/room.h"

namespace fs = std::filesystem;

namespace {

std::mutex outMutex;

bool report(bool ok, const fs::path& p) {
    if (!ok) {
        std::lock_guard<std::mutex> lock(outMutex);
        std::fprintf(stderr, "Fehler: %s konnte nicht geschrieben werden\n", p.string().c_str());
    }
    return ok;
}

bool writeJpeg(const fs::path& p, const canvas::Canvas& c, int quality = 90) {
    std::string bytes;
    return report(image::encodeJpeg(c.toImage(3), quality, bytes) && fileio::writeAll(p, bytes), p);
}

// The same bytes into several files.
bool writeJpegs(const std::vector<fs::path>& paths, const canvas::Canvas& c, int quality = 90) {
    std::string bytes;
    if (!image::encodeJpeg(c.toImage(3), quality, bytes)) return report(false, paths.front());
    bool ok = true;
    for (const auto& p : paths) ok = report(fileio::writeAll(p, bytes), p) && ok;
    return ok;
}

// Texture detail levels, the folders below bilder/: base texture edge, chip column, back size.
struct Level {
    int q, texture, chip, backW, backH;
};
const Level kLevels[] = {{1, 256, 64, 178, 290}, {2, 512, 128, 356, 580}, {3, 1024, 256, 356, 580}};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const fs::path bilder = fs::path(argv[1]) / "bilder";
    std::vector<std::function<bool()>> jobs;

    auto levelPaths = [&](const std::string& name) {
        std::vector<fs::path> ps;
        for (const Level& l : kLevels) ps.push_back(bilder / std::to_string(l.q) / name);
        return ps;
    };
    // Card faces: every level holds the same atlases, cells of exactly 178 x 290 pixels.
    for (int style = 1; style <= 2; ++style)
        for (int second = 0; second <= 1; ++second)
            jobs.push_back([=] {
                const canvas::Canvas a = atlas::build(style, second != 0);
                std::vector<fs::path> ps =
                    levelPaths(std::string(second ? "kbp" : "kb") + std::to_string(style) + ".dat");
                if (style == 1 && second) {
                    // The fallback for a picture without its own second atlas.
                    const auto extra = levelPaths("kbp.dat");
                    ps.insert(ps.end(), extra.begin(), extra.end());
                }
                return writeJpegs(ps, a, 92);
            });
    for (const Level& l : kLevels) {
        const fs::path dir = bilder / std::to_string(l.q);
        for (int d = 0; d < backs::kDesigns; ++d)
            jobs.push_back([=] {
                canvas::Canvas b = backs::draw(d, l.backW, l.backH);
                // s0 is the picture for cards whose face must stay hidden: the first back.
                std::vector<fs::path> ps = {dir / ("h" + std::to_string(d) + ".jpg")};
                if (d == 0) ps.push_back(dir / "s0.jpg");
                bool ok = writeJpegs(ps, b);
                b.flipH();
                return writeJpeg(dir / ("hr" + std::to_string(d) + ".jpg"), b) && ok;
            });
        jobs.push_back([=] {
            return writeJpeg(dir / "chips.jpg", chips::faces(l.chip, false)) &&
                   writeJpeg(dir / "chipk.jpg", chips::rims(l.chip, false)) &&
                   writeJpeg(dir / "_echips.jpg", chips::faces(l.chip, true)) &&
                   writeJpeg(dir / "_echipk.jpg", chips::rims(l.chip, true)) &&
                   writeJpeg(dir / "chips2.jpg", chips::markerFaces(l.chip)) &&
                   writeJpeg(dir / "chipk2.jpg", chips::markerRims(l.chip));
        });
        for (int env = 1; env <= room::kEnvironments; ++env) {
            const fs::path envDir = dir / ("env" + std::to_string(env));
            jobs.push_back([=] {
                const fs::path p = envDir / "param.txt";
                return report(fileio::writeAll(p, room::paramText(env, room::params(env))), p);
            });
            for (const std::string& name : room::pictures(env))
                jobs.push_back(
                    [=] { return writeJpeg(envDir / name, room::picture(env, name, l.texture), 88); });
        }
    }
    for (const std::string& name : icons::names())
        jobs.push_back([=] {
            const fs::path p = bilder / name;
            const canvas::Canvas c = icons::draw(name);
            if (name.size() > 4 && name.substr(name.size() - 4) == ".bmp") {
                std::string bytes;
                return report(image::encodeBmp(c.toImage(3), bytes) && fileio::writeAll(p, bytes), p);
            }
            return writeJpeg(p, c);
        });

    std::atomic<size_t> next{0};
    std::atomic<bool> ok{true};
    auto worker = [&] {
        for (size_t i; (i = next++) < jobs.size();)
            if (!jobs[i]()) ok = false;
    };
    const unsigned n = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < n; ++t) threads.emplace_back(worker);
    worker();
    for (auto& t : threads) t.join();
    return ok ? 0 : 1;
}
