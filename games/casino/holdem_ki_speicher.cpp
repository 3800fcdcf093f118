// The computer player's learning store: situations of the running hand, the learned table that
// brain.txt holds (10,001 records of 20 bytes and the count), the nearest learned situation as
// advice, and the forgetting of advice that lost.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "games/casino/holdem_ki.h"
#include "platform/fileio.h"
#include "platform/num.h"

namespace holdem::ki {

namespace {

float term(float s, float x, float y) {
    const float a = 2.0f * (y - x) / s;
    return a * a + 1.0f;
}

constexpr size_t kTabelle = sizeof(PokerSituation) * (kLernMax + 1);
static_assert(kTabelle + 4 == kBrainBytes);

}  // namespace

namespace {

// The distance of learned records to one situation. Each field's term depends on the situation's
// value and the record's, so the terms for every value a record's field can take are worked out
// once (a few thousand) instead of for each of up to 10,000 records; they are put together in
// the same order, so every distance is the same to the last bit.
class Abstand {
public:
    explicit Abstand(const PokerSituation& a) {
        for (int y = 0; y < 256; ++y) {
            const auto f = static_cast<float>(y);
            win_[y] = term(255, a.win, f);
            winFirst_[y] = term(255, a.winFirst, f);
            winSecond_[y] = term(255, a.winSecond, f);
            street_[y] = term(15, a.street, f);
            calm_[y] = term(255, a.calm, f);
        }
        for (int y = 0; y <= 200; ++y) {
            const auto f = static_cast<float>(y);
            pot_[y] = term(200, c200(a.pot), f);
            ownBet_[y] = term(200, c200(a.ownBet), f);
            toCall_[y] = term(500, c200(a.toCall), f);
        }
        for (int y = -200; y <= 200; ++y) {
            const auto f = static_cast<float>(y);
            value_[y + 200] = term(100, cv(a.value), f);
            multiValue_[y + 200] = term(100, cv(a.multiValue), f);
        }
    }

    int32_t zu(const PokerSituation& b, int level, const Zufall& z) const {
        const float w = 3 * win_[b.win] + winFirst_[b.winFirst] + winSecond_[b.winSecond];
        const float p = pot_[i200(b.pot)] + ownBet_[i200(b.ownBet)] + toCall_[i200(b.toCall)];
        const float s = street_[b.street];
        const float q = calm_[b.calm];
        const float e = value_[iv(b.value)] + multiValue_[iv(b.multiValue)] / 2;
        int64_t d = num::round(1000.0f * w * p * s * q - 15000.0f) + num::round(2000.0f * e - 4000.0f) +
                    num::round(2000.0f * s - 2000.0f);
        if (level == 1) {
            static constexpr std::pair<double, int> kRauschen[] = {{0.25, 15},  {0.25, 40},  {0.21, 100},
                                                                   {0.21, 140}, {0.16, 300}, {0.16, 800}};
            for (const auto& [chance, plus] : kRauschen)
                if (z.draw() < chance) d += plus;
        } else if (level == 3) {
            d = num::round(static_cast<double>(d) * (0.8 + 0.6 * z.draw()));
        }
        return static_cast<int32_t>(std::clamp<int64_t>(d, INT32_MIN, INT32_MAX));
    }

private:
    static int i200(int16_t v) { return std::clamp<int>(v, 0, 200); }
    static int iv(int16_t v) { return std::clamp<int>(v, -200, 200) + 200; }
    static float c200(int16_t v) { return static_cast<float>(i200(v)); }
    static float cv(int16_t v) { return static_cast<float>(std::clamp<int>(v, -200, 200)); }

    float win_[256], winFirst_[256], winSecond_[256], street_[256], calm_[256];
    float pot_[201], ownBet_[201], toCall_[201];
    float value_[401], multiValue_[401];
};

}  // namespace

int32_t situationDistance(const PokerSituation& a, const PokerSituation& b, int level, const Zufall& z) {
    return Abstand(a).zu(b, level, z);
}

Clusterer::Clusterer() : lauf_(kLaufMax + 1), lern_(kLernMax + 1) {}

bool Clusterer::loadClusters(const std::filesystem::path& datei, std::string& fehler) {
    lernAnz_ = 0;
    std::string b;
    const int64_t groesse = fileio::fileSize(datei);
    if (groesse < 0) {
        fehler = "fehlt";
        return false;
    }
    if (groesse != static_cast<int64_t>(kBrainBytes)) {
        fehler = "hat " + std::to_string(groesse) + " statt 200024 Bytes";
        return false;
    }
    if (!fileio::readAll(datei, b, kBrainBytes) || b.size() != kBrainBytes) {
        fehler = "ist nicht lesbar";
        return false;
    }
    int32_t anz = 0;
    std::memcpy(&anz, b.data() + kTabelle, 4);
    if (anz < 0 || anz > kLernMax) {
        fehler = "nennt " + std::to_string(anz) + " Eintraege (erlaubt 0..10000)";
        return false;
    }
    std::memcpy(lern_.data(), b.data(), kTabelle);
    lernAnz_ = anz;
    geaendert_ = false;
    return true;
}

bool Clusterer::saveClusters(const std::filesystem::path& datei) const {
    std::string b(kBrainBytes, '\0');
    std::memcpy(b.data(), lern_.data(), kTabelle);
    const int32_t anz = lernAnz_;
    std::memcpy(b.data() + kTabelle, &anz, 4);
    return fileio::writeAll(datei, b);
}

void Clusterer::addSituation(const PokerSituation& s) {
    if (!learn || !(s.seat == 1 || mode == 1)) return;
    if (laufAnz_ >= kLaufMax) return;
    lauf_[static_cast<size_t>(laufAnz_++)] = s;
}

void Clusterer::anhaengen(const PokerSituation& s) {
    if (lernAnz_ >= kLernMax) return;
    lern_[static_cast<size_t>(lernAnz_++)] = s;
    geaendert_ = true;
}

bool Clusterer::learnFromWinner(int seat, bool clearRunning) {
    if (!learn || laufAnz_ + lernAnz_ >= kLernMax) return false;
    int kopiert = 0;
    for (int i = 0; i < laufAnz_; ++i) {
        const PokerSituation& s = lauf_[static_cast<size_t>(i)];
        const bool ja = (mode == 1 && s.seat == seat) || (mode == 2 && s.seat == 1 && seat == 0) ||
                        (mode == 3 && s.seat == 1 && seat == 1);
        if (ja) {
            anhaengen(s);
            ++kopiert;
        }
    }
    if (clearRunning) laufAnz_ = 0;
    return kopiert > 0;
}

void Clusterer::rememberUse(int index, int seat) {
    if (mode != 4 || index < 1 || lern_[static_cast<size_t>(index)].label == -2) return;
    if (paarAnz_ >= kPaareMax) return;
    paare_[static_cast<size_t>(paarAnz_++)] = {index, seat};
}

bool Clusterer::forgetLoser(int seat) {
    if (!learn || mode != 4) return false;
    bool weg = false;
    for (int i = 0; i < paarAnz_; ++i) {
        const auto [index, s] = paare_[static_cast<size_t>(i)];
        if (s != seat || index < 0 || index >= lernAnz_) continue;
        if (lern_[static_cast<size_t>(index)].label == -2) continue;
        lern_[static_cast<size_t>(index)] = lern_[static_cast<size_t>(lernAnz_ - 1)];
        --lernAnz_;
        weg = true;
        geaendert_ = true;
    }
    return weg;
}

int Clusterer::nearestAdvice(const PokerSituation& q, int seat, int level, const Zufall& z) {
    if (lernAnz_ <= 0) return -10;
    int64_t best = 99999999;
    int index = 0;
    const Abstand abstand(q);
    for (int i = 0; i < lernAnz_; ++i) {
        const PokerSituation& r = lern_[static_cast<size_t>(i)];
        const int64_t d = abstand.zu(r, level, z);
        const int64_t gewichtet = r.label == -2 ? d : r.label == -1 ? 3 * d : 2 * d;
        if (gewichtet < best) {
            best = gewichtet;
            index = i;
        }
    }
    rememberUse(index, seat);
    return lern_[static_cast<size_t>(index)].label;
}

// ---- the program's store ----

std::filesystem::path brainDatei;

Clusterer& clusterer() {
    static Clusterer c;
    return c;
}

bool brainLaden(std::string& meldung, const std::filesystem::path& vorlage) {
    std::string fehler;
    if (brainDatei.empty()) return true;
    Clusterer& c = clusterer();
    // a new player starts from the store the program brings
    if (fileio::fileSize(brainDatei) < 0 && !vorlage.empty()) {
        if (c.loadClusters(vorlage, fehler)) return true;
        meldung = "holdem: " + brainDatei.string() + " fehlt und " + vorlage.string() + " " + fehler +
                  ", der Lernspeicher beginnt leer";
        return false;
    }
    if (c.loadClusters(brainDatei, fehler)) return true;
    meldung = "holdem: " + brainDatei.string() + " " + fehler + ", der Lernspeicher beginnt leer";
    return false;
}

bool brainSpeichern() {
    if (brainDatei.empty()) return true;
    if (!clusterer().saveClusters(brainDatei)) return false;
    clusterer().gesichert();
    return true;
}

}  // namespace holdem::ki
