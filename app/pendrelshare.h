// Small services of the shell: the product number, the data and cache folders, the read-only
// configuration values that stand in for the registry, the female-name test and the opponent
// name tables.
#pragma once
#include <filesystem>
#include <string>

namespace pendrelshare {

int ProductId();  // 208
// The program folder + "data".
std::filesystem::path DataDir();
// The folder of the cached card textures: the configuration's "tempdir" when it is set, else
// the user's cache folder ($XDG_CACHE_HOME or ~/.cache, then "kartenspiele"); never the data
// folder that the build made.
std::filesystem::path TempDir();

// The configuration file that stands in for the registry: key=value lines in
// $XDG_CONFIG_HOME/kartenspiele/registry.txt (else ~/.config/...); a missing file or key is
// an empty value.
std::filesystem::path configFile();
std::string configValue(const std::string& key);
// A registry string cleaned: only its first word, at most 22 characters, and empty when any
// character is outside letters, digits, "-", "_" and the German umlauts and "ß".
std::string cleanRegString(const std::string& value);
// "Username" or "Computername" of the product, cleaned.
std::string ReadRegStringClean(const std::string& name, int product);

// A part of a name is female by its ending (A, Y, IE, INE, IKE, ICE, ETTE, INDE, ELLE) or
// when data/help/namecheck.txt lists it. False when the file is missing.
bool IsFemaleName(const std::string& part, const std::filesystem::path& programFolder);
// A name is female when any of its parts between "-" is.
bool checkmaedel(const std::string& name, const std::filesystem::path& programFolder);

// The opponents' first names (27 female first, then male) and surnames into the game tools'
// tables.
void FillFirstNames();

}  // namespace pendrelshare
