// Text helpers. Inside the program text is Windows-1252 bytes in std::string; source literals
// are UTF-8 and pass through w() once; file names and the terminal get UTF-8 through utf8().
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace text {

// UTF-8 -> Windows-1252. Characters with no Windows-1252 byte become '?'.
std::string fromUtf8(std::string_view utf8);
// Windows-1252 -> UTF-8.
std::string toUtf8(std::string_view cp1252);
// The Unicode code point of one Windows-1252 byte (undefined bytes map to themselves).
char32_t toUnicode(uint8_t c);
// Short form for literals in the source: w("Kein Weis mehr").
inline std::string w(std::string_view utf8) { return fromUtf8(utf8); }

std::string lower(std::string_view cp1252);  // Windows-1252 aware (Ä -> ä)
std::string upper(std::string_view cp1252);
std::string trim(std::string_view s);

// Integer <-> text in the runtime's manner: toInt accepts optional sign and spaces around,
// and reports failure instead of throwing.
bool toInt(std::string_view s, int64_t& out);
int64_t toIntDef(std::string_view s, int64_t def);
std::string fromInt(int64_t v);

}  // namespace text

#pragma pack(push, 1)
// A length byte and N bytes of Windows-1252 text, as stored records lay it out. Longer text
// is cut to N bytes.
template <int N>
struct ShortString {
    static_assert(N >= 1 && N <= 255);
    uint8_t len = 0;
    char chars[N] = {};

    ShortString() = default;
    ShortString(std::string_view s) { assign(s); }  // NOLINT: implicit by design
    void assign(std::string_view s) {
        len = static_cast<uint8_t>(s.size() > N ? N : s.size());
        std::memcpy(chars, s.data(), len);
        if (len < N) std::memset(chars + len, 0, N - len);
    }
    ShortString& operator=(std::string_view s) { assign(s); return *this; }
    // A length byte read from a file can exceed N; never read past the record.
    std::string str() const { return std::string(chars, len > N ? N : len); }
    int size() const { return len > N ? N : len; }
    bool operator==(std::string_view s) const { return str() == s; }
};
#pragma pack(pop)
