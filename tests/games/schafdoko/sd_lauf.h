// What the whole-deal tests of Schafkopf and Doppelkopf share: each game's entry points as one
// record, a series of deals answered at random and checked after every frame and every deal, and
// a fixture that scripts the answers of every seat and records the questions asked.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/central.h"
#include "core/spiele.h"
#include "core/spielstand.h"
#include "games/schafkopf_doppelkopf/doppelkopf.h"
#include "games/schafkopf_doppelkopf/schafkopf.h"
#include "games/schafkopf_doppelkopf/sd_tisch.h"
#include "harness/lib/harness.h"
#include "sd_karten.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace sdtest {

struct Spiel {
    int spielId = 0;
    int karten = 0;  // cards per seat
    void (*anmelden)() = nullptr;
    void (*optionenStandard)() = nullptr;
    bool (*optionSetzen)(const std::string& name, int wert) = nullptr;
    bool (*partieEnde)() = nullptr;
    bool (*dealVorbei)(const TCG& g) = nullptr;
    bool (*dealPruefen)(const int32_t kontoVorher[5], std::string& warum) = nullptr;
    bool (*kartenErhalten)(std::string& warum) = nullptr;
    void (*zufallsAntwort)() = nullptr;
    void (*kiTick)() = nullptr;
    std::vector<karte> (*spielbareKarten)() = nullptr;
    karte (*karte_)(const std::string& s) = nullptr;  // the short card names of the game
    karte* (*stich)() = nullptr;                      // the current trick in play order
    int (*stichAnz)() = nullptr;
    karte* (*gegeben)(int seat) = nullptr;  // the seat's hand as dealt
};

inline Spiel schafkopfSpiel() {
    Spiel s;
    s.spielId = spiele::kSchafkopf;
    s.karten = 8;
    s.anmelden = schafkopf::anmelden;
    s.optionenStandard = schafkopf::optionenStandard;
    s.optionSetzen = schafkopf::optionSetzen;
    s.partieEnde = schafkopf::partieEnde;
    s.dealVorbei = schafkopf::dealVorbei;
    s.dealPruefen = schafkopf::dealPruefen;
    s.kartenErhalten = schafkopf::kartenErhalten;
    s.zufallsAntwort = schafkopf::zufallsAntwort;
    s.kiTick = schafkopf::schlichteAntwort;
    s.spielbareKarten = schafkopf::spielbareKarten;
    s.karte_ = SK;
    s.stich = [] { return cg.schafkopf.z.stich; };
    s.stichAnz = [] { return static_cast<int>(cg.schafkopf.z.stichAnz); };
    s.gegeben = [](int seat) { return cg.schafkopf.z.gegeben[seat - 1]; };
    return s;
}

inline Spiel doppelkopfSpiel() {
    Spiel s;
    s.spielId = spiele::kDoppelkopf;
    s.karten = 12;
    s.anmelden = doppelkopf::anmelden;
    s.optionenStandard = doppelkopf::optionenStandard;
    s.optionSetzen = doppelkopf::optionSetzen;
    s.partieEnde = doppelkopf::partieEnde;
    s.dealVorbei = doppelkopf::dealVorbei;
    s.dealPruefen = doppelkopf::dealPruefen;
    s.kartenErhalten = doppelkopf::kartenErhalten;
    s.zufallsAntwort = doppelkopf::zufallsAntwort;
    s.kiTick = doppelkopf::kiTick;
    s.spielbareKarten = doppelkopf::spielbareKarten;
    s.karte_ = DK;
    s.stich = [] { return cg.doppelkopf.z.stich; };
    s.stichAnz = [] { return static_cast<int>(cg.doppelkopf.z.stichAnz); };
    s.gegeben = [](int seat) { return cg.doppelkopf.z.gegeben[seat - 1]; };
    return s;
}

using Optionen = std::vector<std::pair<const char*, int>>;

// One series under the options, every seat answering at random: after every frame the cards are
// all on the table and the card just played was legal; after every deal the points and the
// booking add up. `nachDeal` looks at each settled deal.
inline void serie(const Spiel& sp, uint64_t seed, const Optionen& optionen,
                  const std::function<void()>& nachDeal) {
    harness::Einstellung e;
    e.spielId = sp.spielId;
    e.spieler = 4;
    e.seed = seed;
    e.menschAlsComputer = false;
    e.fps = 10.0f;  // fewer frames per card move: the checks run as often per card
    harness::Lauf lauf(e);
    sp.anmelden();
    sp.optionenStandard();
    for (const auto& [name, wert] : optionen) ASSERT_TRUE(sp.optionSetzen(name, wert)) << name;
    lauf.antworter = [&sp](TCG&) {
        sp.zufallsAntwort();
        return true;
    };
    sd::Legalitaet legal;
    lauf.invariante = [&](const TCG& g, std::string& warum) {
        const int amZug = g.phase.nr == 4 ? g.aktSpieler : 0;
        return sp.kartenErhalten(warum) &&
               legal.pruefen(sp.stich(), sp.stichAnz(), amZug, sp.spielbareKarten, warum);
    };
    bool erstes = true;
    while (erstes || !sp.partieEnde()) {
        const int32_t vorher[5] = {0, cg.konto[1], cg.konto[2], cg.konto[3], cg.konto[4]};
        ASSERT_TRUE(lauf.starten(erstes ? 0 : 1));
        for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
        erstes = false;
        legal = sd::Legalitaet{};
        ASSERT_GE(lauf.bis(sp.dealVorbei), 0) << "seed " << seed;
        std::string warum;
        EXPECT_TRUE(sp.dealPruefen(vorher, warum)) << warum << " seed " << seed;
        nachDeal();
        ASSERT_FALSE(::testing::Test::HasFailure());
    }
}

struct Frage {
    int seat, art;
    std::vector<std::string> knoepfe;  // the captions offered
    bool operator==(const Frage& o) const { return seat == o.seat && art == o.art; }
};
inline std::ostream& operator<<(std::ostream& os, const Frage& f) { return os << f.seat << ":" << f.art; }

// Every seat scripted: a question is answered by the script of its dialog kind (in order), a
// card question by the seat's card script; anything else as a plain computer seat would. The
// dealer is seat 4, so seat 1 is asked first.
class Ablauf : public testing::Test {
protected:
    explicit Ablauf(Spiel s) : spiel(std::move(s)) {}

    void SetUp() override {
        harness::Einstellung e;
        e.spielId = spiel.spielId;
        e.seed = 3;
        e.menschAlsComputer = false;
        lauf = std::make_unique<harness::Lauf>(e);
        spiel.anmelden();
        spiel.optionenStandard();
        if (spiel.spielId == spiele::kSchafkopf) cg.schafkopf.optionen.geber = 5;
        if (spiel.spielId == spiele::kDoppelkopf) cg.doppelkopf.optionen.geber = 5;
        lauf->antworter = [this](TCG& g) {
            const int art = g.phase.fluss3;
            const int seat = g.aktSpieler;
            Frage f{seat, art, {}};
            for (int i = 1; g.entscheidung.mitKnoepfen && i <= g.entscheidung.knopfAnzahl; ++i)
                f.knoepfe.push_back(g.entscheidung.texte[i].str());
            fragen.push_back(f);
            if (art == 47 && !karten[seat].empty()) {
                const karte k = spiel.karte_(karten[seat].front());
                karten[seat].erase(karten[seat].begin());
                for (int i = 1; i <= glu::spieler[seat - 1].anz; ++i)
                    if (gleich(glu::spieler[seat - 1].at(i).c, k))
                        return central::antwort(g, central::kKarte, 0, i);
                ADD_FAILURE() << "seat " << seat << " does not hold its scripted card";
            }
            auto it = skript.find(art);
            if (it != skript.end() && !it->second.empty()) {
                const int code = it->second.front();
                it->second.erase(it->second.begin());
                return central::antwort(g, central::kKnopf, 0, code);
            }
            spiel.kiTick();
            return true;
        };
    }
    void TearDown() override { lauf.reset(); }

    // Starts a series and gives the seats these hands once the cards are out.
    void starten(const char* const haende[4]) {
        fragen.clear();
        ASSERT_TRUE(lauf->starten(0));
        for (int s = 1; s <= 4; ++s) cg.stapelListen[s].computer = 0;
        bis([] { return cg.phase.nr == 3 && glu::zugliste.anz == 0; });
        for (int s = 1; s <= 4; ++s) {
            const auto h = liste(haende[s - 1], spiel.karte_);
            ASSERT_EQ(glu::spieler[s - 1].anz, spiel.karten);
            ASSERT_EQ(static_cast<int>(h.size()), spiel.karten);
            for (int i = 1; i <= spiel.karten; ++i) {
                glu::spieler[s - 1].at(i).c = h[static_cast<size_t>(i - 1)];
                spiel.gegeben(s)[i - 1] = h[static_cast<size_t>(i - 1)];
            }
        }
    }
    void bis(const std::function<bool()>& ziel) {
        ASSERT_GE(lauf->bis([&](const TCG& g) { return ziel() || spiel.dealVorbei(g); }), 0);
        ASSERT_FALSE(lauf->fehlgeschlagen());
    }
    void zuEnde() {
        bis([] { return false; });
    }
    std::vector<Frage> von(int art) const {
        std::vector<Frage> v;
        for (const Frage& f : fragen)
            if (f.art == art) v.push_back(f);
        return v;
    }
    std::vector<int> sitze(int art) const {
        std::vector<int> v;
        for (const Frage& f : von(art)) v.push_back(f.seat);
        return v;
    }
    // The questions asked before the first card was asked for.
    std::vector<Frage> vorDemSpiel() const {
        std::vector<Frage> v;
        for (const Frage& f : fragen) {
            if (f.art == 47) break;
            v.push_back(f);
        }
        return v;
    }
    int ersterAusspieler() const {
        for (const Frage& f : fragen)
            if (f.art == 47) return f.seat;
        return 0;
    }
    // The card points in the seats' trick piles.
    int stichAugen() const {
        int summe = 0;
        for (int s = 7; s <= 10; ++s)
            for (int i = 1; i <= harness::anzahl(s); ++i)
                summe += schafkopf::augen(glu::spieler[s - 1].at(i).c);
        return summe;
    }

    Spiel spiel;
    std::unique_ptr<harness::Lauf> lauf;
    std::map<int, std::vector<int>> skript;
    std::map<int, std::vector<std::string>> karten;  // the cards a seat plays, in order
    std::vector<Frage> fragen;
};

// Saving and loading through the saved-games unit, into a folder of the test's own (one per
// process: ctest runs the tests that save side by side).
struct Speicher {
    std::string code;
    std::filesystem::path ordner =
        std::filesystem::temp_directory_path() / ("sd_ablauf_test_" + std::to_string(getpid()));
    explicit Speicher(std::string spielCode) : code(std::move(spielCode)) {
        tischdienste::anbinden(spielstand::anbindung);
        static pvl::TPVLDialog panel{};
        spielstand::anbindung.ipanel = [] { return &panel; };
        std::filesystem::create_directories(ordner);
    }
    ~Speicher() {
        std::filesystem::remove_all(ordner);
        spielstand::anbindung = spielstand::Anbindung{};
    }
    bool sichern() { return spielstand::spielSpeichern(cg, ordner, "mitte", true); }
    bool laden() { return spielstand::spielLaden(cg, ordner, "mitte", code) && central::nachLaden(cg); }
};

}  // namespace sdtest
