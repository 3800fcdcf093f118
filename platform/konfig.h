// The read-only configuration file that stands in for the registry, and the "#"-separated name
// lists beside it: plain text parsed as it is, whatever it holds.
#pragma once
#include <string>
#include <string_view>

namespace konfig {

// The value of `key` in `key=value` lines (LF or CR LF; the first line with the key wins),
// converted from UTF-8 to the program's text; empty when the key is missing.
std::string wert(std::string_view inhalt, std::string_view key);

// Whether `name` is one of the entries standing between two "#" marks of `liste`, compared
// without regard to case (Windows-1252).
bool inListe(std::string_view liste, std::string_view name);

}  // namespace konfig
