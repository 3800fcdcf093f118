#include "platform/sdl/keys.h"

#include <SDL2/SDL_keycode.h>

namespace keys {

int fromSdl(int32_t k) {
    if (k >= 'a' && k <= 'z') return k - 'a' + 'A';
    if (k >= '0' && k <= '9') return k;
    if (k >= SDLK_F1 && k <= SDLK_F12) return VK_F1 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return VK_NUMPAD0 + 1 + (k - SDLK_KP_1);
    switch (k) {
        case SDLK_BACKSPACE:
            return VK_BACK;
        case SDLK_TAB:
            return VK_TAB;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return VK_RETURN;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return VK_SHIFT;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return VK_CONTROL;
        case SDLK_LALT:
        case SDLK_RALT:
            return VK_MENU;
        case SDLK_PAUSE:
            return VK_PAUSE;
        case SDLK_CAPSLOCK:
            return VK_CAPITAL;
        case SDLK_ESCAPE:
            return VK_ESCAPE;
        case SDLK_SPACE:
            return VK_SPACE;
        case SDLK_PAGEUP:
            return VK_PRIOR;
        case SDLK_PAGEDOWN:
            return VK_NEXT;
        case SDLK_END:
            return VK_END;
        case SDLK_HOME:
            return VK_HOME;
        case SDLK_LEFT:
            return VK_LEFT;
        case SDLK_UP:
            return VK_UP;
        case SDLK_RIGHT:
            return VK_RIGHT;
        case SDLK_DOWN:
            return VK_DOWN;
        case SDLK_INSERT:
            return VK_INSERT;
        case SDLK_DELETE:
            return VK_DELETE;
        case SDLK_KP_0:
            return VK_NUMPAD0;
        case SDLK_KP_MULTIPLY:
            return VK_MULTIPLY;
        case SDLK_KP_PLUS:
            return VK_ADD;
        case SDLK_KP_MINUS:
            return VK_SUBTRACT;
        case SDLK_KP_PERIOD:
        case SDLK_KP_COMMA:
            return VK_DECIMAL;
        case SDLK_KP_DIVIDE:
            return VK_DIVIDE;
        case SDLK_NUMLOCKCLEAR:
            return VK_NUMLOCK;
        case SDLK_SCROLLLOCK:
            return VK_SCROLL;
        // US layout.
        case ';':
            return VK_OEM_1;
        case '=':
            return VK_OEM_PLUS;
        case ',':
            return VK_OEM_COMMA;
        case '-':
            return VK_OEM_MINUS;
        case '.':
            return VK_OEM_PERIOD;
        case '/':
            return VK_OEM_2;
        case '`':
            return VK_OEM_3;
        case '[':
            return VK_OEM_4;
        case '\\':
            return VK_OEM_5;
        case ']':
            return VK_OEM_6;
        case '\'':
            return VK_OEM_7;
        // German layout: SDL reports these keys by their Unicode character.
        case 0xFC:
            return VK_OEM_1;  // ü
        case '+':
            return VK_OEM_PLUS;
        case '#':
            return VK_OEM_2;
        case 0xF6:
            return VK_OEM_3;  // ö
        case 0xDF:
            return VK_OEM_4;  // ß
        case '^':
            return VK_OEM_5;
        case 0xB4:
            return VK_OEM_6;  // ´
        case 0xE4:
            return VK_OEM_7;  // ä
        case '<':
            return VK_OEM_102;
        default:
            return 0;
    }
}

}  // namespace keys
