#include "platform/konfig.h"

#include "platform/text.h"

namespace konfig {

std::string wert(std::string_view inhalt, std::string_view key) {
    size_t pos = 0;
    while (pos < inhalt.size()) {
        size_t ende = inhalt.find('\n', pos);
        if (ende == std::string_view::npos) ende = inhalt.size();
        std::string_view zeile = inhalt.substr(pos, ende - pos);
        pos = ende + 1;
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        if (zeile.size() > key.size() && zeile.substr(0, key.size()) == key && zeile[key.size()] == '=')
            return text::fromUtf8(zeile.substr(key.size() + 1));
    }
    return "";
}

bool inListe(std::string_view liste, std::string_view name) {
    if (name.empty()) return false;
    const std::string gesucht = text::upper(name);
    size_t start = liste.find('#');
    while (start != std::string_view::npos) {
        const size_t naechstes = liste.find('#', start + 1);
        if (naechstes == std::string_view::npos) break;
        if (text::upper(liste.substr(start + 1, naechstes - start - 1)) == gesucht) return true;
        start = naechstes;
    }
    return false;
}

}  // namespace konfig
