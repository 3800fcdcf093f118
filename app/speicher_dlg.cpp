// The save and load dialogs' file lists, the test save, and the default option files read at a
// first start.
#include <algorithm>
#include <system_error>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "core/central.h"
#include "core/cg.h"
#include "core/spielstand.h"
#include "platform/text.h"

namespace dialoge {

std::vector<std::string> saveNamen(const std::filesystem::path& ordner, const std::string& code) {
    std::vector<std::string> namen;
    std::error_code ec;
    const std::string endung = "." + code.substr(0, 3);
    for (std::filesystem::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string datei = text::fromUtf8(it->path().filename().string());
        // Only <name>.<code>: the GUI companion <name>._<code> has another extension. A name too
        // short to carry one is skipped, the rest of the folder still listed.
        if (datei.size() <= endung.size() || datei.size() < 4) continue;
        if (text::lower(datei.substr(datei.size() - endung.size())) != text::lower(endung)) continue;
        namen.push_back(datei.substr(0, datei.size() - endung.size()));
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

namespace {}  // namespace

std::string ladeCode() {
    // Before a variant runs the record holds its base game; the menu id still names it.
    const int m = ::cg.spielIdMenue;
    if (m == 10 || m == 11) return central::spielNamen.code[m];
    return spielstand::spielCode(::cg);
}

namespace {

void listSaveFiles(glapp::Tglapp& a, int dialog, int liste, const std::string& code) {
    if (!a.validElement(dialog, liste)) return;
    const int alt = a.CreateInDialog;
    a.SetCreateIn(dialog);
    a.DelStrings(dialog, liste, true);
    for (const std::string& n : saveNamen(a.AppDir / "save", code)) a.AddString(liste, n, 0);
    a.SetCreateIn(alt);
}

void umbenennen(const std::filesystem::path& von, const std::filesystem::path& nach) {
    std::error_code ec;
    std::filesystem::rename(von, nach, ec);
}

}  // namespace

void showladen(glapp::Tglapp& a) {
    listSaveFiles(a, ids().laden, ids().ladenListe, ladeCode());
    a.CallDialog(ids().laden);
}

void showspeichern(glapp::Tglapp& a) {
    listSaveFiles(a, ids().speichern, ids().speichernListe, spielstand::spielCode(::cg));
    a.CallDialog(ids().speichern);
}

void testSave(glapp::Tglapp& a, bool showMessage) {
    const int anzahl = std::max<int>(1, ::cg.ablauf.anzSpieler);
    int n = ::cg.aktSpieler - 2;
    if (n > anzahl) n = 2;
    if (n < 1) n = anzahl;
    const std::string code = spielstand::spielCode(::cg);
    const std::filesystem::path ordner = a.AppDir / "save";
    std::error_code ec;
    std::filesystem::remove(ordner / ("test._" + code), ec);
    std::filesystem::remove(ordner / ("test." + code), ec);
    const std::string quelle = "autosave" + std::to_string(n);
    umbenennen(ordner / (quelle + "._" + code), ordner / ("test._" + code));
    umbenennen(ordner / (quelle + "." + code), ordner / ("test." + code));
    spielstand::spielSpeichern(::cg, ordner, "autosave" + std::to_string(::cg.aktSpieler), true);
    if (showMessage)
        a.msgbox("Spiel gespeichert in " + text::fromUtf8((ordner / ("test." + code)).string()), "", 0, "!OK",
                 0, false);
}

void dotestsave(glapp::Tglapp& a) { testSave(a, true); }

void standardLaden(glapp::Tglapp& a) {
    const std::filesystem::path dir = a.AppDir / "data" / "settings";
    for (int d = a.GraphicsDialog + 1; d <= a.DialogList.Count; ++d) {
        const std::string c = a.dlg(d).Caption.str();
        if (!c.empty() && c[0] == '#') continue;
        std::error_code ec;
        if (std::filesystem::exists(dir / ("di_" + std::to_string(d) + ".dco"), ec)) continue;
        a.LoadFromFile(d, dir / ("di_" + std::to_string(d) + "_def.dco"), 0);
    }
}

}  // namespace dialoge
