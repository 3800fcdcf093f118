// The library's key codes: the virtual-key numbers its keyboard rules are written in. The
// input layer translates the platform's keys into these; the GUI model only ever sees them.
#pragma once

namespace vk {
// '0'..'9' are 48..57, 'A'..'Z' are 65..90.
constexpr int LButton = 1, RButton = 2, MButton = 4, Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17,
              Menu = 18, Pause = 19, Capital = 20, Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35,
              Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46, Numpad0 = 96,
              Numpad9 = 105, Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111, F1 = 112,
              F12 = 123, NumLock = 144, Scroll = 145;
// The OEM keys by their US meaning, with the German key at the same place.
constexpr int Oem1 = 186;       // ;  ü
constexpr int OemPlus = 187;    // =  +
constexpr int OemComma = 188;   // ,  ,
constexpr int OemMinus = 189;   // -  -
constexpr int OemPeriod = 190;  // .  .
constexpr int Oem2 = 191;       // /  #
constexpr int Oem3 = 192;       // `  ö
constexpr int Oem4 = 219;       // [  ß
constexpr int Oem5 = 220;       // \  ^
constexpr int Oem6 = 221;       // ]  ´
constexpr int Oem7 = 222;       // '  ä
constexpr int Oem102 = 226;     //    <
}  // namespace vk
