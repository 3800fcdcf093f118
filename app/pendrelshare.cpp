#include "app/pendrelshare.h"

#include <cstdlib>
#include <fstream>

#include "core/gtool.h"
#include "platform/fileio.h"
#include "platform/konfig.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace pendrelshare {

namespace {

fs::path userFolder(const char* xdg, const char* fallback) {
    if (const char* v = std::getenv(xdg); v && *v) return fs::path(v) / "kartenspiele";
    if (const char* h = std::getenv("HOME"); h && *h) return fs::path(h) / fallback / "kartenspiele";
    return fs::temp_directory_path() / "kartenspiele";
}

bool endsWith(const std::string& s, const char* tail) {
    const std::string t(tail);
    return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

int ProductId() { return 208; }

fs::path DataDir() { return fs::current_path() / "data"; }

fs::path TempDir() {
    const std::string t = configValue("tempdir");
    if (!t.empty()) return fs::path(t);
    return userFolder("XDG_CACHE_HOME", ".cache");
}

fs::path configFile() { return userFolder("XDG_CONFIG_HOME", ".config") / "registry.txt"; }

std::string configValue(const std::string& key) {
    std::string all;
    std::error_code ec;
    // A configuration of more than 64 KiB is no configuration of ours.
    if (!fs::is_regular_file(configFile(), ec) || fs::file_size(configFile(), ec) > 65536) return "";
    if (!fileio::readAll(configFile(), all)) return "";
    return konfig::wert(all, key);
}

std::string cleanRegString(const std::string& value) {
    std::string r = value;
    if (const size_t b = r.find(' '); b != std::string::npos) r.erase(b);
    if (r.size() >= 22) r.erase(22);
    for (unsigned char c : r) {
        const bool ok = c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                        (c >= 'a' && c <= 'z') || c == 0xC4 || c == 0xD6 || c == 0xDC || c == 0xDF ||
                        c == 0xE4 || c == 0xF6 || c == 0xFC;
        if (!ok) return "";
    }
    return r;
}

std::string ReadRegStringClean(const std::string& name, int) { return cleanRegString(configValue(name)); }

bool IsFemaleName(const std::string& part, const fs::path& programFolder) {
    const std::string n = text::upper(part);
    for (const char* e : {"A", "Y", "IE", "INE", "IKE", "ICE", "ETTE", "INDE", "ELLE"})
        if (endsWith(n, e)) return true;
    std::string all;
    const fs::path file = programFolder / "data" / "help" / "namecheck.txt";
    std::error_code ec;
    if (fs::file_size(file, ec) > (1u << 20) || !fileio::readAll(file, all)) return false;
    return konfig::inListe(all, n);
}

bool checkmaedel(const std::string& name, const fs::path& programFolder) {
    const std::string n = text::upper(name);
    size_t pos = 0;
    while (true) {
        const size_t dash = n.find('-', pos);
        const std::string part = n.substr(pos, dash == std::string::npos ? std::string::npos : dash - pos);
        if (!part.empty() && IsFemaleName(part, programFolder)) return true;
        if (dash == std::string::npos) return false;
        pos = dash + 1;
    }
}

void FillFirstNames() {
    static const char* const vornamen[gtool::kGegnerNamen] = {
        // 27 female first names
        "Anna", "Birgit", "Claudia", "Doris", "Elke", "Frieda", "Gisela", "Hanna", "Ilse", "Jutta", "Karin",
        "Lena", "Maria", "Nina", "Olga", "Petra", "Renate", "Sabine", "Tanja", "Ursula", "Vera", "Wiebke",
        "Anja", "Heike", "Ines", "Marlene", "Silke",
        // male first names
        "Anton", "Bernd", "Carl", "Dieter", "Erich", "Franz", "Georg", "Hans", "Ingo", "Jürgen", "Klaus",
        "Lothar", "Martin", "Norbert", "Otto", "Paul", "Rainer", "Stefan", "Thomas", "Uwe", "Volker",
        "Werner", "Xaver", "Jonas", "Max", "Rudi", "Sepp", "Toni", "Willi"};
    gtool::Umgebung& u = gtool::umgebung;
    for (int i = 0; i < gtool::kGegnerNamen; ++i) u.gegnerNamen[i] = text::w(vornamen[i]);
    u.gegnerAnzahl = gtool::kGegnerNamen;
    u.weiblich = 27;
}

}  // namespace pendrelshare
