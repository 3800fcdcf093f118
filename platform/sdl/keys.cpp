#include "platform/sdl/keys.h"

#include <SDL2/SDL_keycode.h>

namespace keys {

int fromSdl(int32_t k) {
    if (k >= 'a' && k <= 'z') return k - 'a' + 'A';
    if (k >= '0' && k <= '9') return k;
    if (k >= SDLK_F1 && k <= SDLK_F12) return vk::F1 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return vk::Numpad0 + 1 + (k - SDLK_KP_1);
    switch (k) {
        case SDLK_BACKSPACE:
            return vk::Back;
        case SDLK_TAB:
            return vk::Tab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return vk::Return;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return vk::Shift;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return vk::Control;
        case SDLK_LALT:
        case SDLK_RALT:
            return vk::Menu;
        case SDLK_PAUSE:
            return vk::Pause;
        case SDLK_CAPSLOCK:
            return vk::Capital;
        case SDLK_ESCAPE:
            return vk::Escape;
        case SDLK_SPACE:
            return vk::Space;
        case SDLK_PAGEUP:
            return vk::Prior;
        case SDLK_PAGEDOWN:
            return vk::Next;
        case SDLK_END:
            return vk::End;
        case SDLK_HOME:
            return vk::Home;
        case SDLK_LEFT:
            return vk::Left;
        case SDLK_UP:
            return vk::Up;
        case SDLK_RIGHT:
            return vk::Right;
        case SDLK_DOWN:
            return vk::Down;
        case SDLK_INSERT:
            return vk::Insert;
        case SDLK_DELETE:
            return vk::Delete;
        case SDLK_KP_0:
            return vk::Numpad0;
        case SDLK_KP_MULTIPLY:
            return vk::Multiply;
        case SDLK_KP_PLUS:
            return vk::Add;
        case SDLK_KP_MINUS:
            return vk::Subtract;
        case SDLK_KP_PERIOD:
        case SDLK_KP_COMMA:
            return vk::Decimal;
        case SDLK_KP_DIVIDE:
            return vk::Divide;
        case SDLK_NUMLOCKCLEAR:
            return vk::NumLock;
        case SDLK_SCROLLLOCK:
            return vk::Scroll;
        // US layout.
        case ';':
            return vk::Oem1;
        case '=':
            return vk::OemPlus;
        case ',':
            return vk::OemComma;
        case '-':
            return vk::OemMinus;
        case '.':
            return vk::OemPeriod;
        case '/':
            return vk::Oem2;
        case '`':
            return vk::Oem3;
        case '[':
            return vk::Oem4;
        case '\\':
            return vk::Oem5;
        case ']':
            return vk::Oem6;
        case '\'':
            return vk::Oem7;
        // German layout: SDL reports these keys by their Unicode character.
        case 0xFC:
            return vk::Oem1;  // ü
        case '+':
            return vk::OemPlus;
        case '#':
            return vk::Oem2;
        case 0xF6:
            return vk::Oem3;  // ö
        case 0xDF:
            return vk::Oem4;  // ß
        case '^':
            return vk::Oem5;
        case 0xB4:
            return vk::Oem6;  // ´
        case 0xE4:
            return vk::Oem7;  // ä
        case '<':
            return vk::Oem102;
        default:
            return 0;
    }
}

}  // namespace keys
