// Writes the default option files data/settings/di_<id>_def.dco by building every dialog on the
// display-free library and applying the standard rules, and the help texts data/help/*.txt
// (Windows-1252) from their UTF-8 sources.
// Usage: ks_dialoge <data folder> <help sources>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/dialoge.h"
#include "app/glapp.h"
#include "gui/pvlhost.h"
#include "platform/fileio.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace {

bool schreiben(const fs::path& p, const std::string& inhalt) {
    if (fileio::writeAll(p, inhalt)) return true;
    std::fprintf(stderr, "ks_dialoge: cannot write %s\n", p.string().c_str());
    return false;
}

bool optionen(const fs::path& daten) {
    // The library keeps its own files in its program folder: a scratch folder, never data/.
    const fs::path tmp = fs::temp_directory_path() / ("ks_dialoge_" + std::to_string(getpid()));
    fs::create_directories(tmp);
    bool ok = true;
    {
        pvlhost::FakeHost host;
        glapp::Tglapp a(host, tmp);
        dialoge::diagcreate(a);
        dialoge::standardWerte(a);
        const fs::path ordner = daten / "settings";
        fs::create_directories(ordner);
        for (int d = a.GraphicsDialog + 1; d <= a.DialogList.Count; ++d) {
            const std::string c = a.dlg(d).Caption.str();
            if (!c.empty() && c[0] == '#') continue;
            ok = schreiben(ordner / ("di_" + std::to_string(d) + "_def.dco"), a.PVLDcoFile(d)) && ok;
        }
    }
    std::error_code ec;
    fs::remove_all(tmp, ec);
    return ok;
}

bool hilfe(const fs::path& daten, const fs::path& quellen) {
    const fs::path ziel = daten / "help";
    fs::create_directories(ziel);
    bool ok = true;
    for (const auto& f : fs::directory_iterator(quellen)) {
        if (f.path().extension() != ".txt") continue;
        std::string utf8;
        if (!fileio::readAll(f.path(), utf8)) {
            std::fprintf(stderr, "ks_dialoge: cannot read %s\n", f.path().string().c_str());
            ok = false;
            continue;
        }
        const std::string name = f.path().stem().string();
        const std::string text = text::fromUtf8(utf8);
        ok = schreiben(ziel / (name + ".txt"), text) && ok;
        // The poker help serves every betting form under its folder name.
        if (name == "poker" || name == "pokeri")
            for (const char* v : {"nlpoker", "plpoker", "slpoker"})
                ok = schreiben(ziel / (v + name.substr(5) + ".txt"), text) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: ks_dialoge <data folder> <help sources>\n");
        return 2;
    }
    const bool ok = optionen(argv[1]) & hilfe(argv[1], argv[2]);
    return ok ? 0 : 1;
}
