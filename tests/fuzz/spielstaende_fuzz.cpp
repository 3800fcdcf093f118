// Saved games of every game, loaded over a running game of the same kind and played on for a few
// hundred frames with computer seats. The first byte picks the game (its half, modulo 13, an entry
// of alle_spiele::kSpiele); when it is odd the rest are byte patches over a save our own writer
// made of that game in play (see fuzz::patch), else the rest is the game file itself. A save the
// checks let through must play on without a fault of memory or a hang.
#include <memory>
#include <string>

#include "core/central.h"
#include "core/spielstand.h"
#include "fuzz_folder.h"
#include "games/skat_jass_schnapsen/skat_bewertung.h"
#include "games/spielstaende/alle_spiele.h"
#include "gui/pvl.h"
#include "harness/lib/harness.h"
#include "table/glu.h"
#include "table/tischdienste.h"

namespace {

constexpr int kSpiele = static_cast<int>(std::size(alle_spiele::kSpiele));
constexpr int kFrames = 300;

struct Stand {
    std::string code, spiel, dialog;
};

harness::Einstellung einstellung(const alle_spiele::Spiel& s) {
    harness::Einstellung e;
    e.spielId = s.id;
    e.spieler = s.spieler;
    e.seed = 7;
    e.maxFrames = 100000;
    return e;
}

// The game ready to run with every seat a computer player; the save hooks of the table on.
std::unique_ptr<harness::Lauf> starten(const alle_spiele::Spiel& s) {
    auto lauf = std::make_unique<harness::Lauf>(einstellung(s));
    alle_spiele::anmelden();
    alle_spiele::vorbereiten(s.id, s.spieler);
    tischdienste::anbinden(spielstand::anbindung);
    static auto panel = std::make_unique<pvl::TPVLDialog>();
    spielstand::anbindung.ipanel = [] { return panel.get(); };
    if (!lauf->starten()) __builtin_trap();
    return lauf;
}

// A save of each game made by our writer in the middle of play.
const Stand& stand(int i) {
    static Stand staende[kSpiele];
    Stand& st = staende[i];
    if (!st.spiel.empty()) return st;
    const alle_spiele::Spiel& s = alle_spiele::kSpiele[i];
    auto lauf = starten(s);
    lauf->frames(400);
    lauf->bis([](const TCG& g) { return glu::zugliste.anz == 0 && g.bewegungWarten.aktiv == 0; });
    st.code = spielstand::spielCode(cg);
    if (!spielstand::spielSpeichern(cg, "save", "Basis", true) ||
        !fileio::readAll(spielstand::spielDatei("save", "Basis", st.code), st.spiel) ||
        !fileio::readAll(spielstand::dialogDatei("save", "Basis", st.code), st.dialog))
        __builtin_trap();
    return st;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::programFolder();
    skat_1::datenOrdner = KS_SOURCE_DIR "/tools/skat/";
    if (size == 0) return 0;
    const int i = (data[0] >> 1) % kSpiele;
    const Stand& st = stand(i);
    std::string spiel = st.spiel;
    if (data[0] & 1)
        fuzz::patch(spiel, data + 1, size - 1);
    else
        spiel.assign(reinterpret_cast<const char*>(data + 1), size - 1);
    fuzz::put(spielstand::spielDatei("save", "Fuzz", st.code), reinterpret_cast<const uint8_t*>(spiel.data()),
              spiel.size());
    fuzz::put(spielstand::dialogDatei("save", "Fuzz", st.code),
              reinterpret_cast<const uint8_t*>(st.dialog.data()), st.dialog.size());

    auto lauf = starten(alle_spiele::kSpiele[i]);
    lauf->frames(20);
    if (spielstand::spielLaden(cg, "save", "Fuzz", st.code) && central::nachLaden(cg)) lauf->frames(kFrames);
    lauf.reset();
    spielstand::anbindung = spielstand::Anbindung{};
    msgsink::clear();
    return 0;
}
