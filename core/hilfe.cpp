#include "core/hilfe.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "core/central.h"
#include "platform/fileio.h"
#include "platform/text.h"

namespace hilfe {

std::function<std::string(const std::string&)> filter = [](const std::string& s) { return s; };
std::function<void(const std::string&)> log = [](const std::string& line) {
    std::fprintf(stderr, "%s\n", text::toUtf8(line).c_str());
};

std::string joinLines(const std::string& raw) {
    std::string out;
    out.reserve(raw.size() + raw.size() / 16 + 2);
    size_t i = 0;
    while (i < raw.size()) {
        size_t end = raw.find_first_of("\r\n", i);
        if (end == std::string::npos) {
            out.append(raw, i, std::string::npos);
            out += "\r\n";
            break;
        }
        out.append(raw, i, end - i);
        out += "\r\n";
        i = end + ((raw[end] == '\r' && end + 1 < raw.size() && raw[end + 1] == '\n') ? 2 : 1);
    }
    return out;
}

ButtonLayout knopfLayout(int spielId, bool pokerGermanTerms) {
    if (spielId == 8 && pokerGermanTerms) return {{80, 140, 130, 100}, {20, 110, 260, 438}};
    if (spielId == 8) return {{80, 110, 110, 80}, {20, 110, 230, 390}};
    if (spielId == 6) return {{105, 105, 105, 105}, {-80, 30, 140, 250}};
    return {{75, 75, 75, 75}, {0, 80, 160, 240}};
}

void hinweiseLaden(THelpContainer& hints, const std::string& folder, bool loadHints) {
    if (loadHints) hints.laden(folder + "i");
}

void hinweiseLaden(THelpContainer& hints, int spielId, bool loadHints) {
    if (spielId < 0 || spielId >= 13) {
        // No game, no hints: never keep those of the previous one.
        hints = THelpContainer{};
        return;
    }
    hinweiseLaden(hints, central::spielNamen.ordner[spielId], loadHints);
}

}  // namespace hilfe

THelpContainer::THelpContainer() { clear(); }

void THelpContainer::clear() {
    title.clear();
    for (auto& c : chapters) c = THelpChapter{};
    chapters[0].title = "0";
    chapters[0].text = "0";
    count = 0;
    topics.items.clear();
    results.items.clear();
}

std::string THelpContainer::naechstesToken(std::string& rest) {
    std::string token;
    size_t p = rest.find('#');
    if (p == std::string::npos) {
        token.swap(rest);
    } else {
        token = rest.substr(0, p);
        rest.erase(0, p + 1);
    }
    return hilfe::filter(token);
}

void THelpContainer::parse(const std::string& whole) {
    clear();
    std::string rest = whole;
    title = naechstesToken(rest);
    std::string heading;
    do {
        // A '#' at the very end leaves only the line break behind: nothing more to read.
        if (count > 0 && text::trim(rest).empty()) break;
        if (count == kMaxTopics) {
            hilfe::log("THelpContainer.laden: " + fileName + ": mehr als 100 Themen, der Rest fehlt");
            break;
        }
        std::string token = text::trim(naechstesToken(rest));
        int32_t level = 0;
        while (level < static_cast<int32_t>(token.size()) && token[level] == '!') ++level;
        int64_t number = 0;
        if (!text::toInt(std::string_view(token).substr(level), number) ||
            number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max()) {
            hilfe::log("THelpContainer.laden: " + fileName + ": Themennummer \"" + token +
                       "\" ist keine Zahl, Lesen nach " + text::fromInt(count) + " Themen beendet");
            break;
        }
        THelpChapter& c = chapters[++count];
        c.number = static_cast<int32_t>(number);
        c.level = level;
        c.title = naechstesToken(rest);
        if (level > 0) heading = c.title;
        c.heading = heading;
        c.text = naechstesToken(rest);
        topics.items.push_back({c.title, "", 0, count, c.number});
    } while (!rest.empty());
}

bool THelpContainer::laden(const std::string& name) {
    fileName = name;
    std::string raw;
    // Help texts are a few dozen kilobytes; a file beyond the limit is not one.
    constexpr uint64_t kMaxHilfe = 4u << 20;
    const auto pfad = fileio::local("data\\help\\" + text::toUtf8(name) + ".txt");
    if (!fileio::readAll(pfad, raw, kMaxHilfe)) {
        clear();
        const bool zuGross = fileio::fileSize(pfad) > static_cast<int64_t>(kMaxHilfe);
        hilfe::log("THelpContainer.laden: data\\help\\" + name +
                   (zuGross ? text::w(".txt ist zu groß") : ".txt nicht gefunden"));
        return false;
    }
    parse(hilfe::joinLines(raw));
    return true;
}

void THelpContainer::neuLaden() {
    if (!fileName.empty()) laden(fileName);
}

HelpPage THelpContainer::inhaltZeigen() const {
    HelpPage page;
    page.caption = title;
    bool shown = false;
    for (int i = 1; i <= count; ++i) {
        const THelpChapter& c = chapters[i];
        if (c.level == 2) page.lines.push_back(c.title);
        if (c.level == 1) page.lines.push_back("   " + c.title);
        if (c.level == 0) page.lines.push_back("      " + c.title);
        if (c.level == 0 && !shown) {
            page.title = c.title;
            page.text = c.text;
            shown = true;
        }
    }
    return page;
}

HelpPage THelpContainer::suchen(const std::string& word) {
    results.items.clear();
    for (int i = 1; i <= count; ++i) {
        const THelpChapter& c = chapters[i];
        if (c.level != 0) continue;
        int32_t hits = zaehlen(c.title, word) + zaehlen(c.text, word);
        if (hits > 0)
            results.items.push_back({c.title + " (" + text::fromInt(hits) + ")", word, hits, i, c.number});
    }
    std::stable_sort(results.items.begin(), results.items.end(),
                     [](const THelpIndex& a, const THelpIndex& b) { return a.hits > b.hits; });
    HelpPage page;
    page.caption = title;
    for (const auto& r : results.items) page.lines.push_back(r.text);
    if (results.items.empty()) {
        page.text = "Keine Themen gefunden";
    } else {
        page.title = chapters[results.items[0].position].title;
        page.text = chapters[results.items[0].position].text;
    }
    return page;
}

void THelpContainer::themaHolen(int32_t number, THelpChapter& chapter) const {
    for (int i = 1; i <= count; ++i) {
        if (chapters[i].number == number) {
            chapter = chapters[i];
            return;
        }
    }
    chapter = chapters[0];
}

int32_t THelpContainer::zaehlen(const std::string& haystack, const std::string& word) {
    if (word.empty()) return 0;  // an empty word would match everywhere and never advance
    const std::string t = text::upper(haystack);
    const std::string w = text::upper(word);
    int32_t n = 0;
    for (size_t p = t.find(w); p != std::string::npos; p = t.find(w, p + w.size())) ++n;
    return n;
}
