// The sentence tables of the six voices (data/sound/<voice>/codes.txt): for each sentence code
// 10..38 the sentences that voice can say, and the random choice of one.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/text.h"

namespace scode {
constexpr int kStimmen = 6;
constexpr int kErsterCode = 10, kLetzterCode = 38;
constexpr int kCodes = kLetzterCode - kErsterCode + 1;
constexpr int kVarianten = 13;  // read per code; only 12 count
constexpr int kSatzLaenge = 36;

// Cuts the next token (up to the next "#") from rest; the rest keeps what follows the "#".
std::string naechstesToken(std::string& rest);
// True when a sentence has a recording of its own: not "%?", not beginning with "X", longer than
// one character.
bool hatAufnahme(const std::string& satz);
}  // namespace scode

class TSCReader {
public:
    // What the reader needs from outside: the message for a missing table and the log line
    // for a missing recording. Empty: nothing is shown.
    struct Melder {
        std::function<void(const std::string&)> meldung;
        std::function<void(const std::string&)> log;
    };

    TSCReader() = default;
    // Reads the six tables below the program folder.
    TSCReader(const std::filesystem::path& programmOrdner, const Melder& m);

    // Reads one voice's table from its text; a recording missing in ordner is logged (when
    // ordner is not empty). Returns the number of sentences read.
    int tabelleLesen(int stimme, const std::string& inhalt, const std::filesystem::path& ordner,
                     const Melder& m);

    // A random sentence of the voice and code, never the one used last time when there are two
    // or more; "" for a voice or code out of range (reported) or a code without sentences.
    std::string satzHolen(int code, int stimme);

    int anzahl(int stimme, int code) const;
    std::string satz(int stimme, int code, int n) const;

private:
    ShortString<scode::kSatzLaenge> saetze_[scode::kStimmen][scode::kCodes][scode::kVarianten]{};
    int32_t anzahl_[scode::kStimmen][scode::kCodes]{};
    uint8_t zuletzt_[scode::kStimmen][scode::kCodes]{};
    Melder melder_;
};
