#include "core/spielstand.h"

#include <cstddef>
#include <cstring>
#include <memory>

#include "core/central.h"
#include "core/spiele.h"
#include "core/spielliste.h"
#include "gui/pvl.h"
#include "platform/fileio.h"
#include "platform/msgsink.h"
#include "platform/text.h"
#include "platform/ticks.h"

namespace spielstand {

Anbindung anbindung;

namespace {

constexpr size_t kTeil2 = kBildGroesse - kTeil1;  // 175,988: +17,788 .. +193,775

uint8_t* bild(TCG& g) { return reinterpret_cast<uint8_t*>(&g) + kBildAnfang; }

// A field of the saved image, read at its place in the central record.
template <class T>
T feld(const std::string& spiel, size_t cgOffset) {
    T v;
    std::memcpy(&v, spiel.data() + cgOffset - kBildAnfang, sizeof v);
    return v;
}

bool gueltigeSpielId(int id) { return (id >= 0 && id <= 9) || id == 12; }

std::string fehler(const std::string& was) { return "Fehler beim Laden des Spielstands: " + was; }

void melden(const std::string& text) { msgsink::show(text); }

std::string groesseFalsch(const std::string& was, int64_t ist, size_t soll) {
    return fehler("die " + was + " hat " + text::fromInt(ist) + " statt " +
                  text::fromInt(static_cast<int64_t>(soll)) + " Bytes.");
}

// Reads one file of the pair; its size is checked before it is read.
std::string lesen(const std::filesystem::path& p, const std::string& anzeige, size_t groesse,
                  std::string& out) {
    const int64_t ist = fileio::fileSize(p);
    if (ist < 0) return fehler("die Datei " + anzeige + " fehlt oder ist nicht lesbar.");
    if (ist != static_cast<int64_t>(groesse))
        return groesseFalsch(groesse == kSpielGroesse ? "Spieldatei" : "Dialogdatei", ist, groesse);
    if (!fileio::readAll(p, out, groesse))
        return fehler("die Datei " + anzeige + " fehlt oder ist nicht lesbar.");
    return "";
}

// An empty entry of the binding falls back to what session control and the GUI library offer.
pvl::TPVLDialog* ipanel() {
    if (anbindung.ipanel) return anbindung.ipanel();
    pvl::TPVLApplication* app = central::dienste.app;
    return app && app->validDialog(central::ids.ipanel) ? &app->dlg(central::ids.ipanel) : nullptr;
}
int frage(const std::string& text, const std::string& caption) {
    if (anbindung.frage) return anbindung.frage(text, caption);
    if (central::dienste.app) return central::dienste.app->msgbox(text, caption, 4, "", 0, false);
    return 6;  // nobody to ask: a save the player asked for goes ahead
}
void info(const std::string& text, const std::string& caption) {
    if (anbindung.info)
        anbindung.info(text, caption);
    else if (central::dienste.app)
        central::dienste.app->msgbox(text, caption, 0, "", 0, false);
}
void packen(TCG& g) {
    if (anbindung.stapelPacken)
        anbindung.stapelPacken(g);
    else if (central::dienste.packen)
        central::dienste.packen();
}
void entpacken(const TCG& g) {
    if (anbindung.stapelEntpacken)
        anbindung.stapelEntpacken(g);
    else if (central::dienste.entpacken)
        central::dienste.entpacken();
}

}  // namespace

bool nameGueltig(const std::string& name) {
    if (name.empty() || name.size() > static_cast<size_t>(kNameMax) || name[0] == ' ') return false;
    for (unsigned char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                        c == ' ' || c == '-' || c == '_' || c == '(' || c == ')' ||
                        (c >= 0xC0 && c != 0xD7 && c != 0xF7);  // Windows-1252 letters À..ÿ
        if (!ok) return false;
    }
    return true;
}

std::string spielCode(const TCG& g) {
    static const char* const codes[13] = {"mau", "ska", "swi", "rom", "can", "dok", "shk",
                                          "snp", "pok", "bjk", "snp", "bjk", "jas"};
    if (g.spielId >= 13) return "xxx";
    const std::string& code = central::spielNamen.code[g.spielId];
    // Only a code that can name a file is taken; else the game's own.
    return code.size() == 3 && nameGueltig(code) ? code : codes[g.spielId];
}

std::filesystem::path spielDatei(const std::filesystem::path& ordner, const std::string& name,
                                 const std::string& code) {
    return ordner / (text::toUtf8(name) + "." + code);
}
std::filesystem::path dialogDatei(const std::filesystem::path& ordner, const std::string& name,
                                  const std::string& code) {
    return ordner / (text::toUtf8(name) + "._" + code);
}

std::string spielPruefen(const std::string& spiel) {
    if (spiel.size() != kSpielGroesse)
        return groesseFalsch("Spieldatei", static_cast<int64_t>(spiel.size()), kSpielGroesse);
    const int id = feld<uint8_t>(spiel, offsetof(TCG, spielId));
    if (!gueltigeSpielId(id)) return fehler("unbekanntes Spiel " + text::fromInt(id) + ".");
    const int32_t spieler = feld<int32_t>(spiel, offsetof(TCG, ablauf) + offsetof(TAblauf, anzSpieler));
    if (spieler < 1 || spieler > 6) return fehler("Spielerzahl " + text::fromInt(spieler) + ".");
    for (int h = 1; h <= 20; ++h) {
        const int32_t anz = feld<int32_t>(
            spiel, offsetof(TCG, stapelListen) + sizeof(TStapelListe) * h + offsetof(TStapelListe, anz));
        if (anz < 0 || anz > kHandMax)
            return fehler("Stapel " + text::fromInt(h) + " hat " + text::fromInt(anz) + " Karten.");
    }
    const int32_t runden = feld<int32_t>(spiel, offsetof(TCG, spielliste) + offsetof(TSpielliste, runden));
    if (runden < 0) return fehler("Rundenzahl " + text::fromInt(runden) + ".");
    return "";
}

bool codePasst(const TCG& rec, const std::string& code) {
    // Every code a game's file can bear: its own, its variant's, a poker form's.
    static const char* const codes[13][4] = {{"mau"},
                                             {"ska"},
                                             {"swi"},
                                             {"rom"},
                                             {"can"},
                                             {"dok"},
                                             {"shk"},
                                             {"snp", "66_"},
                                             {"pok", "nlp", "plp", "slp"},
                                             {"bjk", "174"},
                                             {},
                                             {},
                                             {"jas"}};
    // A record holds a variant under the id of the game it runs as.
    const int id = spiele::basisId(rec.spielId);
    if (id < 0 || id != rec.spielId) return false;
    const std::string c = text::lower(code);
    for (const char* k : codes[id])
        if (k && c == k) return true;
    return false;
}

std::string geladenesSpielPruefen(const TCG& rec, const std::string& name, const std::string& code) {
    const int id = rec.spielId;
    const int anzeige = id == spiele::kSchnapsen && rec.schnapsen.sechsundsechzig   ? spiele::kSechsundsechzig
                        : id == spiele::kBlackJack && rec.blackjack.siebzehnUndVier ? spiele::kSiebzehnUndVier
                                                                                    : id;
    const std::string spiel = id < 13 ? central::spielNamen.anzeige[anzeige] : text::fromInt(id);
    if (!codePasst(rec, code))
        return fehler("die Datei " + name + "." + code + text::w(" enthält ein anderes Spiel (") + spiel +
                      ").");
    const spiele::Eintrag* e = spiele::eintrag(id);
    if (!e || !e->blockPruefen) return "";
    const std::string detail = e->blockPruefen(rec);
    if (detail.empty()) return "";
    return fehler("der Spielstand von " + spiel + text::w(" ist beschädigt (") + detail + ").");
}

std::string dialogPruefen(const std::string& dialog) {
    if (dialog.size() != kDialogGroesse)
        return groesseFalsch("Dialogdatei", static_cast<int64_t>(dialog.size()), kDialogGroesse);
    auto rec = std::make_unique<pvl::TPVLDialog>();
    std::memcpy(static_cast<void*>(rec.get()), dialog.data(), kDialogGroesse);
    const std::string grund = pvl::recordFault(*rec);
    return grund.empty() ? "" : fehler("die Dialogdatei ist beschädigt (" + grund + ").");
}

bool panelPasst(const pvl::TPVLDialog& live, const std::string& dialog) {
    int16_t anzahl = 0;
    static_assert(sizeof anzahl == sizeof live.ElementCount);
    std::memcpy(&anzahl, dialog.data() + offsetof(pvl::TPVLDialog, ElementCount), sizeof anzahl);
    return anzahl == live.ElementCount;
}

void dialogUebernehmen(pvl::TPVLDialog& live, const std::string& dialog) {
    // The string container is not saved: slot numbers and painters of another run mean nothing
    // here, so every element keeps this run's.
    struct Eigen {
        int32_t firstSlot;
        int16_t slotReserve;
        uint8_t pairedLines;
        uint8_t paintCall[8];
    };
    auto eigen = std::make_unique<Eigen[]>(pvl::MaxElements);
    for (int i = 1; i <= pvl::MaxElements; ++i) {
        const pvl::TPVLElement& e = live.el(i);
        eigen[i - 1].firstSlot = e.FirstSlot;
        eigen[i - 1].slotReserve = e.SlotReserve;
        eigen[i - 1].pairedLines = e.PairedLines;
        std::memcpy(eigen[i - 1].paintCall, e.PaintCall, sizeof e.PaintCall);
    }
    std::memcpy(static_cast<void*>(&live), dialog.data(), kDialogGroesse);
    for (int i = 1; i <= pvl::MaxElements; ++i) {
        pvl::TPVLElement& e = live.el(i);
        e.FirstSlot = eigen[i - 1].firstSlot;
        e.SlotReserve = eigen[i - 1].slotReserve;
        e.PairedLines = eigen[i - 1].pairedLines;
        std::memcpy(e.PaintCall, eigen[i - 1].paintCall, sizeof e.PaintCall);
    }
}

void ticksVerschieben(TCG& g, pvl::TPVLDialog* dialog, uint32_t now) {
    // The save's last frame was at tick + seit; every saved tick moves by the same amount, with
    // unsigned arithmetic so a wrap of the clock changes nothing.
    const uint32_t damals = g.schrittZeit.tick + static_cast<uint32_t>(g.schrittZeit.seit);
    const uint32_t delta = now - damals;
    g.schrittZeit.tick += delta;
    for (auto& s : g.sprechblasen.slot) s.start += delta;
    if (!dialog) return;
    dialog->Fade.Start += delta;
    for (int i = 1; i <= pvl::MaxElements; ++i) dialog->el(i).Fade.Start += delta;
}

bool spielSpeichern(TCG& g, const std::filesystem::path& ordner, const std::string& name, bool silent) {
    if (!nameGueltig(name)) {
        melden(text::w("Fehler beim Speichern: \"") + name +
               text::w("\" ist kein gültiger Name (bis zu 40 Buchstaben, Ziffern, Leerzeichen, - _ ( ))."));
        return false;
    }
    const std::string code = spielCode(g);
    const auto spielPfad = spielDatei(ordner, name, code);
    const auto dialogPfad = dialogDatei(ordner, name, code);
    pvl::TPVLDialog* panel = ipanel();
    if (!panel) {
        melden("Fehler beim Speichern: der Spieltisch-Dialog fehlt.");
        return false;
    }
    fileio::recover(ordner);
    std::error_code ec;
    if (!silent && std::filesystem::exists(spielPfad, ec)) {
        const std::string q = "Soll der Spielstand \"" + name + text::w("\" überschrieben werden?");
        if (frage(q, "Spielstand existiert schon") != 6) return false;
    }

    if (anbindung.containerSichern) anbindung.containerSichern(g);
    if (anbindung.spiegelSichern) anbindung.spiegelSichern(g.spielId, g);
    packen(g);
    if (anbindung.tischModus) g.ablauf.tischModus = anbindung.tischModus();

    ChipSaveRecord chips{};
    if (anbindung.chipsSichern) anbindung.chipsSichern(chips);
    fileio::Part spiel{spielPfad, std::string(reinterpret_cast<const char*>(bild(g)), kBildGroesse)};
    spiel.data.append(reinterpret_cast<const char*>(&chips), sizeof chips);
    fileio::Part dialog{dialogPfad, std::string(reinterpret_cast<const char*>(panel), kDialogGroesse)};
    // Both go to temporary files first: a failure leaves the old pair as it was.
    if (!fileio::writeAllTogether({dialog, spiel})) {
        melden(text::w("Fehler beim Speichern: der Spielstand \"") + name +
               text::w("\" konnte nicht geschrieben werden; ein älterer Stand bleibt erhalten."));
        return false;
    }
    if (!silent) info("Spielstand \"" + name + "\" wurde gespeichert.", "Speichern");
    return true;
}

bool spielLaden(TCG& g, const std::filesystem::path& ordner, const std::string& name,
                const std::string& code) {
    if (!nameGueltig(name) || code.size() != 3 || !nameGueltig(code)) {
        melden(fehler(text::w("ungültiger Name \"") + name + "." + code + "\"."));
        return false;
    }
    // A save that was stopped between its renames is finished first; one that cannot be
    // finished (its journal stays) would be a mix of two saves.
    fileio::recover(ordner);
    std::string spiel, dialog;
    auto journal = dialogDatei(ordner, name, code);
    journal += ".journal";
    std::error_code ec;
    std::string grund = std::filesystem::exists(journal, ec)
                            ? fehler("ein unterbrochenes Speichern von " + name + "." + code +
                                     " konnte nicht abgeschlossen werden.")
                            : std::string();
    if (grund.empty()) grund = lesen(spielDatei(ordner, name, code), name + "." + code, kSpielGroesse, spiel);
    if (grund.empty())
        grund = lesen(dialogDatei(ordner, name, code), name + "._" + code, kDialogGroesse, dialog);
    if (grund.empty()) grund = spielPruefen(spiel);
    if (grund.empty()) grund = dialogPruefen(dialog);
    if (grund.empty()) {
        // The game checks its part in a whole record made of the file over the running one, so
        // that nothing of the file reaches the game before every check has passed.
        auto kopie = std::make_unique<TCG>();
        std::memcpy(static_cast<void*>(kopie.get()), &g, sizeof(TCG));
        std::memcpy(bild(*kopie), spiel.data(), kBildGroesse);
        grund = geladenesSpielPruefen(*kopie, name, code);
    }
    pvl::TPVLDialog* panel = ipanel();
    if (grund.empty() && !panel) grund = fehler("der Spieltisch-Dialog fehlt.");
    if (!grund.empty()) {
        melden(grund);
        return false;
    }

    // Everything is checked: from here on the pair is applied whole. The result box of the
    // round the player left goes with it.
    if (central::dienste.app) central::dienste.app->msgboxDrop();
    std::memcpy(bild(g), spiel.data(), kBildGroesse);
    ChipSaveRecord chips;
    std::memcpy(static_cast<void*>(&chips), spiel.data() + kBildGroesse, sizeof chips);
    if (anbindung.chipsLaden) anbindung.chipsLaden(chips);
    entpacken(g);
    // The panel of a record written without the program's table (a test run, a tool) has none of
    // its elements: the live panel then starts as at a new game, and the game's restore shows
    // what its state needs.
    if (panelPasst(*panel, dialog))
        dialogUebernehmen(*panel, dialog);
    else
        central::panelGrundstellung(g);
    if (anbindung.containerLaden) anbindung.containerLaden(g);
    if (anbindung.pokerNachLaden) anbindung.pokerNachLaden();
    if (anbindung.spiegelLaden) anbindung.spiegelLaden(g.spielId, g);
    if (anbindung.setzeTischModus) anbindung.setzeTischModus(g.ablauf.tischModus);
    if (anbindung.dialogAnordnen)
        anbindung.dialogAnordnen();
    else
        central::dialogAnordnen(g, false, false);
    std::memcpy(bild(g) + kTeil1, spiel.data() + kTeil1, kTeil2);
    if (anbindung.setzeSpielerAnzahl)
        anbindung.setzeSpielerAnzahl(g.ablauf.anzSpieler);
    else if (central::dienste.spielerAnzahlSetzen)
        central::dienste.spielerAnzahlSetzen(g.ablauf.anzSpieler);
    ticksVerschieben(g, panel, ticks::now());
    if (g.phase.nr == 5) {
        g.entscheidung.mitKnoepfen = 0;
        g.entscheidung.inBenutzung = 0;
        if (anbindung.phaseFuenf) {
            anbindung.phaseFuenf();
        } else {
            // The round was over when saved: no decision panel, the score table as it was.
            pvl::TPVLApplication* app = central::dienste.app;
            if (app && app->validDialog(central::ids.ingame)) app->dlg(central::ids.ingame).Visible = 0;
            TGameResult nurTabelle;
            nurTabelle.nurTabelle = 1;
            spielliste::punkteTabelle(g, nurTabelle, true);
        }
    }
    return true;
}

}  // namespace spielstand
