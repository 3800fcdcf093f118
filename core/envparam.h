// The program-wide settings record of the table: card picture, speeds, the seats' names and
// voices, and the design values of the chosen table environment. The application shell fills
// it from the display options and from the environment's param.txt; the game core and the
// table engine read it. It is never stored as a whole, so only its first field has a fixed
// place (the deck style is read as the integer at +0).
#pragma once
#include <cstdint>
#include <string>

#include "platform/text.h"

struct TEnvParam {
    int32_t Kartenstil = 1;            // card picture / deck style: 1..3 for suit names, 1..5 for value names
    int32_t rueckseite = 1;            // card back chooser position
    int32_t kartenGroesse = 0;         // card-size setting
    float labelSkala = 1.0f;           // card scale x 0.5 + 0.5
    int32_t animationsStufe = 3;       // 1 "Sehr langsam" .. 6 "Blitzschnell"
    int32_t anzeigeStufe = 3;          // 1 "Sehr lange" .. 6 "Minimal"
    int32_t austeilen = 1;             // game-flow setting: 1 all cards at once, 2 one by one
    int32_t spielrichtung = 1;         // 2 = deal and play against the clock
    int32_t kommentare = 3;            // comment frequency 1 "Keine" .. 4 "Oft"
    int32_t kiVerzoegerung = 420;      // ms a computer seat waits before it acts
    int32_t kartenSpeed = 16;          // speed factor of card motion
    int32_t zweiteVerzoegerung = 950;  // ms, the longer wait
    ShortString<100> namen[7];         // seats 1..6 (entry 0 unused)
    int32_t stimmen[7] = {};           // voices of seats 1..6: 1..3 female, 4..6 male
    int32_t umgebung = 1;              // table environment 1..5
    int32_t ausblenden = 1;            // fading chooser
    // Design values of param.txt.
    int32_t rund = 0;
    int32_t reflection = 0;
    int32_t ref_weg = 0;
    int32_t tbreite = 0;
    int32_t thoehe = 0;
    int32_t kbreite = 0;
    int32_t bbreite = 0;
    int32_t bhoehe = 0;
    int32_t wbreite = 0;
    int32_t whoehe = 0;
    int32_t wlight = 0;
    int32_t blight = 0;
    int32_t gray = 0;
    int32_t transparenz = 0;
    std::string umgebungsOrdner;  // "\<detail>\env<environment>"
    uint8_t hinweiseAn = 0;       // "Hilfshinweise automatisch anzeigen"
    uint8_t spiegelErlaubt = 1;   // this environment may draw the mirror image
    int32_t optionenWahl = 0;     // game-options chooser value, copied to and from the record
    int32_t hervorheben = 1;      // highlight playable cards: 1..3, highlighted from 2
};

// The one settings record of the program.
extern TEnvParam envParam;
