#include "sound/scode.h"

#include <system_error>

#include "core/gtool.h"
#include "platform/fileio.h"
#include "platform/rnd.h"

namespace scode {

std::string naechstesToken(std::string& rest) {
    const size_t p = rest.find('#');
    std::string t = rest.substr(0, p);
    rest = p == std::string::npos ? std::string() : rest.substr(p + 1);
    return t;
}

bool hatAufnahme(const std::string& satz) { return satz.size() > 1 && satz != "%?" && satz[0] != 'X'; }

}  // namespace scode

namespace {

constexpr char kSz = '\xDF';  // "ß" in Windows-1252

// The file stem of a sentence's recording, named as the game core names it when it speaks.
std::string stamm(const std::string& satz) {
    std::string s;
    gtool::dateiNameAusText(satz, s);
    return s;
}

}  // namespace

TSCReader::TSCReader(const std::filesystem::path& programmOrdner, const Melder& m) : melder_(m) {
    for (int v = 1; v <= scode::kStimmen; ++v) {
        const std::filesystem::path ordner = programmOrdner / "data" / "sound" / std::to_string(v);
        const std::filesystem::path datei = ordner / "codes.txt";
        std::string inhalt;
        if (!fileio::readAll(datei, inhalt)) {
            if (m.meldung)
                m.meldung("SCReader.Create: Datei " + text::fromUtf8(datei.string()) + " dont exist!");
            continue;
        }
        tabelleLesen(v, inhalt, ordner, m);
    }
}

int TSCReader::tabelleLesen(int stimme, const std::string& inhalt, const std::filesystem::path& ordner,
                            const Melder& m) {
    if (stimme < 1 || stimme > scode::kStimmen) return 0;
    // Every line ends in CR LF, as the tables were written on the original system; a table
    // written with LF only reads alike.
    std::string rest;
    rest.reserve(inhalt.size() + inhalt.size() / 16);
    size_t a = 0;
    while (a < inhalt.size()) {
        size_t e = inhalt.find('\n', a);
        if (e == std::string::npos) e = inhalt.size();
        size_t ende = e;
        if (ende > a && inhalt[ende - 1] == '\r') --ende;
        rest.append(inhalt, a, ende - a);
        rest += "\r\n";
        a = e + 1;
    }
    int gelesen = 0;
    for (int k = scode::kErsterCode; k <= scode::kLetzterCode; ++k) {
        const int ki = k - scode::kErsterCode;
        scode::naechstesToken(rest);  // the code's label
        int n = 1;
        for (; n <= scode::kVarianten; ++n) {
            std::string t = scode::naechstesToken(rest);
            if (t.empty()) break;
            if (const size_t p = t.find(kSz); p != std::string::npos) t.replace(p, 1, "ss");
            t = t.substr(0, scode::kSatzLaenge);
            saetze_[stimme - 1][ki][n - 1] = t;
            ++gelesen;
            if (!ordner.empty() && scode::hatAufnahme(t)) {
                const std::filesystem::path auf = ordner / text::toUtf8(stamm(t) + ".wav");
                std::error_code ec;
                // A missing recording costs only its voice; the bubble still shows the text.
                if (!std::filesystem::exists(auf, ec) && m.log)
                    m.log("SCReader.Create(" + std::to_string(stimme) + "." + std::to_string(k) + "." +
                          std::to_string(n) + "): " + text::fromUtf8(auf.string()) + " dont exist.");
            }
        }
        // A 13th sentence is read but not counted; anything past it up to the next empty token
        // still belongs to this code, so the following codes stay in place.
        if (n > scode::kVarianten) {
            while (!rest.empty() && !scode::naechstesToken(rest).empty()) {
            }
            n = scode::kVarianten;
        }
        anzahl_[stimme - 1][ki] = n - 1;
    }
    return gelesen;
}

std::string TSCReader::satzHolen(int code, int stimme) {
    if (stimme < 1 || stimme > scode::kStimmen || code < scode::kErsterCode || code > scode::kLetzterCode) {
        if (melder_.meldung)
            melder_.meldung(text::w("Error: Ungültiger Sound (") + std::to_string(stimme) + "." +
                            std::to_string(code) + ")");
        return std::string();
    }
    const int ki = code - scode::kErsterCode;
    const int n = anzahl_[stimme - 1][ki];
    if (n <= 0) return std::string();
    int r = rnd::random(n) + 1;
    uint8_t& letzte = zuletzt_[stimme - 1][ki];
    while (r == letzte && n >= 2) r = r % n + 1;
    letzte = static_cast<uint8_t>(r);
    return saetze_[stimme - 1][ki][r - 1].str();
}

int TSCReader::anzahl(int stimme, int code) const {
    if (stimme < 1 || stimme > scode::kStimmen || code < scode::kErsterCode || code > scode::kLetzterCode)
        return 0;
    return anzahl_[stimme - 1][code - scode::kErsterCode];
}

std::string TSCReader::satz(int stimme, int code, int n) const {
    if (n < 1 || n > anzahl(stimme, code)) return std::string();
    return saetze_[stimme - 1][code - scode::kErsterCode][n - 1].str();
}
