// The source of what the opponents say (saetze.txt, UTF-8): sentences per code and the words
// that are spoken from their own recordings.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace saetze {

struct Quelle {
    std::vector<std::string> codes[29];  // codes 10..38, Windows-1252
    std::vector<std::string> woerter;    // Windows-1252
};

// false with the reason for a line that is not "code: ..." or "wort: ...", a code outside
// 10..38, a sentence longer than 36 characters or more than 12 sentences to a code.
bool lesen(const std::string& utf8, Quelle& q, std::string& fehler);
// The sentence table as the program reads it (Windows-1252, lines ending in CR LF).
std::string codesTxt(const Quelle& q);
// Every recording a voice needs: (file stem in Windows-1252, text to speak in UTF-8), each stem
// once.
std::vector<std::pair<std::string, std::string>> aufnahmen(const Quelle& q);

}  // namespace saetze
