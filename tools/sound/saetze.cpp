#include "tools/sound/saetze.h"

#include <set>

#include "core/gtool.h"
#include "platform/text.h"
#include "sound/scode.h"

namespace saetze {

namespace {

std::vector<std::string> teile(const std::string& s) {
    std::vector<std::string> r;
    size_t a = 0;
    for (;;) {
        const size_t e = s.find('|', a);
        const std::string t = text::trim(s.substr(a, e == std::string::npos ? std::string::npos : e - a));
        if (!t.empty()) r.push_back(t);
        if (e == std::string::npos) return r;
        a = e + 1;
    }
}

}  // namespace

bool lesen(const std::string& utf8, Quelle& q, std::string& fehler) {
    q = Quelle{};
    size_t a = 0;
    int zeile = 0;
    while (a < utf8.size()) {
        size_t e = utf8.find('\n', a);
        if (e == std::string::npos) e = utf8.size();
        const std::string z = text::trim(utf8.substr(a, e - a));
        a = e + 1;
        ++zeile;
        if (z.empty() || z[0] == '#') continue;
        const size_t p = z.find(':');
        if (p == std::string::npos) {
            fehler = "line " + std::to_string(zeile) + ": no ':'";
            return false;
        }
        const std::string kopf = text::trim(z.substr(0, p));
        std::vector<std::string> liste = teile(z.substr(p + 1));
        for (auto& t : liste) t = text::fromUtf8(t);
        if (kopf == "wort") {
            q.woerter.insert(q.woerter.end(), liste.begin(), liste.end());
            continue;
        }
        int64_t code = 0;
        if (!text::toInt(kopf, code) || code < scode::kErsterCode || code > scode::kLetzterCode) {
            fehler = "line " + std::to_string(zeile) + ": no code 10..38";
            return false;
        }
        auto& c = q.codes[code - scode::kErsterCode];
        c.insert(c.end(), liste.begin(), liste.end());
        if (c.size() > 12) {
            fehler = "line " + std::to_string(zeile) + ": more than 12 sentences";
            return false;
        }
        for (const auto& t : liste)
            if (t.size() > scode::kSatzLaenge || t.find('#') != std::string::npos) {
                fehler = "line " + std::to_string(zeile) + ": sentence too long or with '#'";
                return false;
            }
    }
    return true;
}

std::string codesTxt(const Quelle& q) {
    std::string s;
    for (int k = scode::kErsterCode; k <= scode::kLetzterCode; ++k) {
        s += "Code " + std::to_string(k) + "#";
        for (const auto& t : q.codes[k - scode::kErsterCode]) s += t + "#";
        s += "#\r\n";
    }
    return s;
}

std::vector<std::pair<std::string, std::string>> aufnahmen(const Quelle& q) {
    // The sentences exactly as the program will hold them.
    TSCReader r;
    r.tabelleLesen(1, codesTxt(q), {}, {});
    std::vector<std::pair<std::string, std::string>> liste;
    std::set<std::string> gesehen;
    auto dazu = [&](const std::string& satz) {
        std::string stamm;
        gtool::dateiNameAusText(satz, stamm);
        if (stamm.empty() || !gesehen.insert(stamm).second) return;
        std::string sprechen;
        for (char c : satz)
            if (c != '%') sprechen += c;
        liste.emplace_back(stamm, text::toUtf8(text::trim(sprechen)));
    };
    for (int k = scode::kErsterCode; k <= scode::kLetzterCode; ++k)
        for (int n = 1; n <= r.anzahl(1, k); ++n)
            if (scode::hatAufnahme(r.satz(1, k, n))) dazu(r.satz(1, k, n));
    for (const auto& w : q.woerter) dazu(w);
    return liste;
}

}  // namespace saetze
