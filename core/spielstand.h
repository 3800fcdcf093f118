// Saved games: the game file save/<name>.<code> (the central record from +4 up to the
// high-score block, then the 256-byte chip record) and its companion save/<name>._<code> (the raw
// record of the in-game table dialog). Both files are read and checked completely before
// anything is applied, and written together through temporary files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "core/cg.h"
#include "core/chipsave.h"
#include "gui/pvlrec.h"

namespace spielstand {

constexpr size_t kBildAnfang = 4;                              // the object header is not saved
constexpr size_t kBildGroesse = offsetof(TCG, highscore) - 4;  // 193,772
constexpr size_t kTeil1 = offsetof(TCG, kartenSkala) - 4;      // 17,784: +4 .. +17,787
constexpr size_t kSpielGroesse = kBildGroesse + sizeof(ChipSaveRecord);
constexpr size_t kDialogGroesse = sizeof(pvl::TPVLDialog);
constexpr int kNameMax = 40;
static_assert(kBildGroesse == 193772);
static_assert(kTeil1 == 17784);
static_assert(kSpielGroesse == 194028);
static_assert(kDialogGroesse == 36184);

// The state that lives outside the central record and is gathered into it before saving and
// spread out again after loading. The table engine, the chip unit, the games and the shell fill
// these in. An empty entry is skipped, except where session control or the GUI library offers
// the same (the stacks through central::dienste.packen / entpacken, the seat count, "#ipanel"
// by central::ids, the message boxes of central::dienste.app).
struct Anbindung {
    // Tk12Container <-> g.k12Kopie, and back into the cards when the meld flag is set.
    std::function<void(TCG&)> containerSichern;
    std::function<void(const TCG&)> containerLaden;
    // The stacks of holders 1..20 <-> g.stapelListen (stapelKompakt / stapelEntpacken), both
    // arrays of stacks on load.
    std::function<void(TCG&)> stapelPacken;
    std::function<void(const TCG&)> stapelEntpacken;
    std::function<void(ChipSaveRecord&)> chipsSichern;      // SaveChipCounts
    std::function<void(const ChipSaveRecord&)> chipsLaden;  // into the chip unit's buffer
    // The games' own variables <-> their mirror fields in cg (Skat, Doppelkopf, Schafkopf).
    std::function<void(int spielId, TCG&)> spiegelSichern;
    std::function<void(int spielId, const TCG&)> spiegelLaden;
    // The shell's table mode byte.
    std::function<uint8_t()> tischModus;
    std::function<void(uint8_t)> setzeTischModus;
    // The live in-game table dialog "#ipanel".
    std::function<pvl::TPVLDialog*()> ipanel;
    // After the record is in place: Poker's after-load, the decision dialog layout (whatever it
    // changes in the second piece is put back), the seat count, and in phase 5 the hidden panels
    // and the refilled score table (empty: "#ingamedialog" is hidden and the table refilled).
    std::function<void()> pokerNachLaden;
    std::function<void()> dialogAnordnen;  // empty: central::dialogAnordnen (false, false)
    std::function<void(int32_t)> setzeSpielerAnzahl;
    std::function<void()> phaseFuenf;
    // Message boxes: a yes/no question (6 = yes) and an information box.
    std::function<int(const std::string& text, const std::string& caption)> frage;
    std::function<void(const std::string& text, const std::string& caption)> info;
};
extern Anbindung anbindung;

// A save name typed by the player: 1..40 characters of letters (with umlauts), digits, blank,
// '-', '_', '(' and ')', not starting with a blank. Nothing else ever reaches a path.
bool nameGueltig(const std::string& name);
// The 3-letter code of the running game from the game-name table (a poker game bears its
// betting form's code there).
std::string spielCode(const TCG& g);
std::filesystem::path spielDatei(const std::filesystem::path& ordner, const std::string& name,
                                 const std::string& code);
std::filesystem::path dialogDatei(const std::filesystem::path& ordner, const std::string& name,
                                  const std::string& code);

bool spielSpeichern(TCG& g, const std::filesystem::path& ordner, const std::string& name, bool silent);
// Loads save/<name>.<code>. On any fault a message is shown and nothing has changed.
bool spielLaden(TCG& g, const std::filesystem::path& ordner, const std::string& name,
                const std::string& code);

// The checks of a loaded pair: the reason as a message text, empty when both are sound.
std::string spielPruefen(const std::string& spiel);
std::string dialogPruefen(const std::string& dialog);
// Whether a file of this code can hold the record's game (a variant's or a poker form's code
// names its game too).
bool codePasst(const TCG& rec, const std::string& code);
// The checks of a record put together from a loaded file: its game is the game of the file's
// code, and the game (when it has a check) can go on from its part. The message or empty.
std::string geladenesSpielPruefen(const TCG& rec, const std::string& name, const std::string& code);
// Lays a loaded dialog record over the live one, keeping what belongs to this run: the string
// slots of every element and the painter bytes.
void dialogUebernehmen(pvl::TPVLDialog& live, const std::string& dialog);
// Shifts every saved tick (last step, speech bubbles, fades of the dialog) so that the time
// since the save's last frame starts again at now.
void ticksVerschieben(TCG& g, pvl::TPVLDialog* dialog, uint32_t now);

// Packs a holder's slots 1..anz into a compact list; slot(i) gives the card of slot i. Entries
// beyond anz keep what they held.
template <class Slot>
void stapelKompakt(TStapelListe& l, int32_t anz, int32_t id, Slot slot) {
    const int32_t n = anz < 0 ? 0 : (anz > kHandMax ? kHandMax : anz);
    for (int i = 1; i <= n; ++i) l.k[i - 1] = slot(i);
    l.anz = n;
    l.id = id;
}
// The reverse: set(i, card) for slots 1..count; returns the count (kept within 0..166).
template <class Set>
int32_t stapelEntpacken(const TStapelListe& l, Set set) {
    const int32_t n = l.anz < 0 ? 0 : (l.anz > kHandMax ? kHandMax : l.anz);
    for (int i = 1; i <= n; ++i) set(i, l.k[i - 1]);
    return n;
}

}  // namespace spielstand
