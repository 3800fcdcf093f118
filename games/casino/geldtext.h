// Money texts of the chip games: an amount of chip units in the chosen currency, the labels of
// the betting actions, and the bet buttons of the Black Jack table.
#pragma once
#include <cstdint>
#include <string>

namespace geldtext {

// A chip unit is 10 money units, or 2 cents in the euro-cent currency. "+" only in front of
// an amount above 0 (with showPlus), "- " in front of a negative one.
void formatMoney(int64_t amount, bool showPlus, std::string& text);
std::string formatMoney(int64_t amount, bool showPlus = false);
// The same in the currency of a rule page's list: 1 euros and cents, 3 dollars, else euros.
std::string formatMoneyIn(int64_t amount, int waehrungListe, bool showPlus = false);
// The currency option of the running chip game: 1 euros and cents, 3 dollars, else euros.
int waehrung();

// The label of a betting action (German or English terms).
void actionLabel(int code, std::string& text, bool deutsch, bool gesetzt, bool mussZahlen);

// Places, shows and enables the four bet buttons of the Black Jack table dialog. The shell
// calls it after the bet buttons change the proposal; the game core and the restore call it
// through the service table.
void UpdateBlackJackBetButtons();
// The screen height the buttons are placed by (the shell installs it; empty: 600).
extern int (*bildHoehe)();

}  // namespace geldtext
