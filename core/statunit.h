// The statistics panel of the table: a small matrix of counters and the text it shows (the
// games played, or in Schnapsen each seat's points and talon closings).
#pragma once
#include <cstdint>
#include <string>

namespace statunit {

constexpr int kGroesse = 11;  // counters [row 0..10][column 0..10]

// Added to by the result tables when a Black Jack match ends while the panel is shown.
extern int32_t spieleOffset;
extern int32_t matchAnzahl;

// Toggles the Schnapsen display and returns its new state.
bool umschalten();
bool anzeige();
// With the display on, clicks element 3 of the current dialog (the message box just shown).
void aktualisieren();
// Clicks element 2 of the score table dialog "Spielliste".
void klicken();
void leeren();
// Adds n to counter [row][column]; indexes outside 0..10 are ignored.
void zaehlen(int column, int row, int n);
int32_t zaehler(int column, int row);  // 0 outside the matrix
// The panel text for the running game; false (text untouched) in Schnapsen with the display off.
bool statistikText(std::string& text);
void statisticsCaption();

// The GUI calls of the panel, installed by the application shell until the GUI library
// provides them directly. Empty entries do nothing.
struct Oberflaeche {
    void (*klickAktuellerDialog)(int element) = nullptr;
    void (*klickSpielliste)(int element) = nullptr;
    void (*panelText)(const std::string& text) = nullptr;
    void (*panelY)(uint16_t y) = nullptr;
};
extern Oberflaeche oberflaeche;

}  // namespace statunit
