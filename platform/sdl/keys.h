// The library's key codes: the virtual-key numbers its keyboard rules are written in, and the
// translation of SDL key symbols into them.
#pragma once
#include <cstdint>

namespace keys {

enum : int {
    VK_LBUTTON = 1,
    VK_RBUTTON = 2,
    VK_MBUTTON = 4,
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    // '0'..'9' are 48..57, 'A'..'Z' are 65..90.
    VK_NUMPAD0 = 96,
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F1 = 112,
    VK_F12 = 123,
    VK_NUMLOCK = 144,
    VK_SCROLL = 145,
    VK_OEM_1 = 186,     // US ';'   German 'ü'
    VK_OEM_PLUS = 187,  // US '='   German '+'
    VK_OEM_COMMA = 188,
    VK_OEM_MINUS = 189,
    VK_OEM_PERIOD = 190,
    VK_OEM_2 = 191,    // US '/'   German '#'
    VK_OEM_3 = 192,    // US '`'   German 'ö'
    VK_OEM_4 = 219,    // US '['   German 'ß'
    VK_OEM_5 = 220,    // US '\'   German '^'
    VK_OEM_6 = 221,    // US ']'   German '´'
    VK_OEM_7 = 222,    // US '''   German 'ä'
    VK_OEM_102 = 226,  // German '<'
};

// The key code of an SDL key symbol (SDL_Keycode) as the active layout reports it, so a German
// layout gives the German codes and a US layout the US ones; 0 for keys the library ignores.
int fromSdl(int32_t sdlKey);

}  // namespace keys
