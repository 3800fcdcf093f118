// Saved games of every game, loaded over a running game of the same kind and played on for a few
// hundred frames with computer seats. The first byte picks the game (its half, modulo 13, an entry
// of alle_spiele::kSpiele); when it is odd the rest are byte patches (as fuzz::patch takes them, the
// offsets counted over the parts of the record that game reads, see bereiche) over a save our own
// writer made of that game in play, else the rest is the game file itself. A save the
// checks let through must play on without a fault of memory or a hang.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

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

// Where a game's save can hurt it: the common part and the player part, the game's own block and,
// for the meld games, the container's copy. Patch offsets fall into these, one after the other,
// so a few patches reach the fields a game reads instead of the blocks of the other games.
struct Bereich {
    size_t von, bis;  // offsets in the central record, bis excluded
};
std::vector<Bereich> bereiche(int id) {
    std::vector<Bereich> b = {{offsetof(TCG, spielId), offsetof(TCG, reserviert1)},
                              {offsetof(TCG, ablauf), offsetof(TCG, maumau)},
                              {offsetof(TCG, folgeKarte), offsetof(TCG, highscore)}};
    auto block = [&b](size_t von, size_t groesse) { b.push_back({von, von + groesse}); };
    switch (spiele::basisId(id)) {
        case spiele::kMauMau:
            block(offsetof(TCG, maumau), sizeof(TMaumau));
            break;
        case spiele::kSkat:
            block(offsetof(TCG, skat), sizeof(TSkat));
            break;
        case spiele::kSchwimmen:
            block(offsetof(TCG, schwimmen), sizeof(TSchwimmen));
            break;
        case spiele::kRomme:
            block(offsetof(TCG, romme), sizeof(TRomme));
            break;
        case spiele::kCanasta:
            block(offsetof(TCG, canasta), sizeof(TCanasta));
            break;
        case spiele::kDoppelkopf:
            block(offsetof(TCG, doppelkopf), sizeof(TDoppelkopf));
            break;
        case spiele::kSchafkopf:
            block(offsetof(TCG, schafkopf), sizeof(TSchafkopf));
            break;
        case spiele::kPoker:
            block(offsetof(TCG, poker), sizeof(TPoker));
            break;
        case spiele::kSchnapsen:
            block(offsetof(TCG, schnapsen), sizeof(TSchnapsen));
            break;
        case spiele::kBlackJack:
            block(offsetof(TCG, blackjack), sizeof(TBlackjack) + sizeof(int32_t));
            break;
        case spiele::kJass:
            block(offsetof(TCG, jass), sizeof(TJass));
            break;
        default:
            break;
    }
    if (id == spiele::kRomme || id == spiele::kCanasta) block(offsetof(TCG, k12Kopie), sizeof(TCG::k12Kopie));
    return b;
}

// fuzz::patch over the regions of game `id` only.
void patchen(std::string& spiel, int id, const uint8_t* data, size_t size) {
    const std::vector<Bereich> b = bereiche(id);
    size_t summe = 0;
    for (const Bereich& x : b) summe += x.bis - x.von;
    for (size_t i = 0; i + 5 <= size; i += 5) {
        size_t at =
            (data[i] | data[i + 1] << 8 | data[i + 2] << 16 | static_cast<uint32_t>(data[i + 3]) << 24) %
            summe;
        for (const Bereich& x : b) {
            if (at < x.bis - x.von) {
                spiel[x.von + at - spielstand::kBildAnfang] = static_cast<char>(data[i + 4]);
                break;
            }
            at -= x.bis - x.von;
        }
    }
}

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
        patchen(spiel, alle_spiele::kSpiele[i].id, data + 1, size - 1);
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
