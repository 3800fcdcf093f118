#include "platform/text.h"

#include <array>
#include <charconv>

namespace text {
namespace {
// Code points of 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int fromUnicode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp && cp != 0) return 0x80 + i;
    return -1;
}

void putUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}
}  // namespace

char32_t toUnicode(uint8_t c) {
    if (c >= 0x80 && c < 0xA0 && kHigh[c - 0x80] != 0) return kHigh[c - 0x80];
    return c;
}

std::string toUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char ch : s) putUtf8(out, toUnicode(static_cast<uint8_t>(ch)));
    return out;
}

std::string fromUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<uint8_t>(s[i]);
        char32_t cp = 0;
        int extra = 0;
        if (b < 0x80) { cp = b; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; extra = 3; }
        else { out += '?'; ++i; continue; }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= s.size() || (static_cast<uint8_t>(s[i + k]) & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (static_cast<uint8_t>(s[i + k]) & 0x3F);
        }
        if (!ok) { out += '?'; ++i; continue; }
        i += extra + 1;
        int c = fromUnicode(cp);
        out += c < 0 ? '?' : static_cast<char>(c);
    }
    return out;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (auto& ch : out) {
        auto c = static_cast<uint8_t>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ch = static_cast<char>(c + 32);
        else if (c == 0x8A || c == 0x8C || c == 0x8E) ch = static_cast<char>(c + 16);
        else if (c == 0x9F) ch = static_cast<char>(0xFF);
    }
    return out;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (auto& ch : out) {
        auto c = static_cast<uint8_t>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) ch = static_cast<char>(c - 32);
        else if (c == 0x9A || c == 0x9C || c == 0x9E) ch = static_cast<char>(c - 16);
        else if (c == 0xFF) ch = static_cast<char>(0x9F);
    }
    return out;
}

std::string trim(std::string_view s) {
    size_t a = 0, b = s.size();
    while (a < b && static_cast<uint8_t>(s[a]) <= ' ') ++a;
    while (b > a && static_cast<uint8_t>(s[b - 1]) <= ' ') --b;
    return std::string(s.substr(a, b - a));
}

bool toInt(std::string_view s, int64_t& out) {
    std::string t = trim(s);
    std::string_view v = t;
    if (!v.empty() && v[0] == '+') v.remove_prefix(1);
    if (v.empty()) return false;
    int64_t r = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), r);
    if (ec != std::errc() || p != v.data() + v.size()) return false;
    out = r;
    return true;
}

int64_t toIntDef(std::string_view s, int64_t def) {
    int64_t r;
    return toInt(s, r) ? r : def;
}

std::string fromInt(int64_t v) { return std::to_string(v); }

}  // namespace text
