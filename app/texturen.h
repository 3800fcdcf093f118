// The table's textures and design values: card faces cut from the picture atlases and cached
// as JPEG files, the backs, the environment's pictures and param.txt, the speeds and the card
// scale that the display options give.
#pragma once
#include <filesystem>
#include <string>

#include "core/envparam.h"

namespace texturen {

// Speeds of one animation level and display-time level (1..6), before the per-game factors.
struct Tempo {
    int32_t kartenSpeed = 16;
    int32_t kiVerzoegerung = 420;
    int32_t zweiteVerzoegerung = 950;
};
Tempo tempo(int animationsStufe, int anzeigeStufe, bool entwickler);
// The per-game factors on the delays (each product rounded).
void spielTempo(int spielId, int anzeigeStufe, Tempo& t);
// The card scale of a card-size choice (1 "Mini", 2 "Klein", 3 "Normal") in a game.
float kartenSkala(int groesse, int spielId);

// Reads param.txt of the environment folder into p; on a missing or damaged file the values
// stay as they were and `error` says why.
bool LoadTableParams(const std::filesystem::path& ordner, TEnvParam& p, std::string& error);

// A program texture by file: a file already registered keeps its number (after a new context
// the library has reloaded it); `neu` loads a file whose content changed.
uint32_t textur(const std::filesystem::path& datei, bool neu);

// The cached faces: "kb" + suit + rank + ".tmp" in the cache folder, JPEG.
std::filesystem::path kartenDatei(const std::filesystem::path& cache, int suit, int rank);
// What the cache's stamp file says of the faces it holds.
std::string stempelText(const std::filesystem::path& atlas, int picture, int detail);
// Whether the cache holds the faces of this picture and detail level, cut from this atlas.
bool cacheGueltig(const std::filesystem::path& cache, const std::filesystem::path& atlas, int picture,
                  int detail);

}  // namespace texturen
