#include "platform/sdl/keys.h"

#include <SDL2/SDL_keycode.h>
#include <gtest/gtest.h>

TEST(Keys, SdlSymbolsBecomeTheLibraryKeyCodes) {
    struct Case {
        int32_t sdl;
        int vk;
    };
    const Case cases[] = {
        {SDLK_a, 'A'},
        {SDLK_z, 'Z'},
        {SDLK_0, '0'},
        {SDLK_RETURN, 13},
        {SDLK_KP_ENTER, 13},
        {SDLK_TAB, 9},
        {SDLK_SPACE, 32},
        {SDLK_LEFT, 37},
        {SDLK_UP, 38},
        {SDLK_RIGHT, 39},
        {SDLK_DOWN, 40},
        {SDLK_HOME, 36},
        {SDLK_END, 35},
        {SDLK_DELETE, 46},
        {SDLK_BACKSPACE, 8},
        {SDLK_ESCAPE, 27},
        {SDLK_F1, 112},
        {SDLK_F12, 123},
        {SDLK_LSHIFT, 16},
        {SDLK_KP_5, 101},
        // German layout
        {0xFC, 186},
        {0xF6, 192},
        {0xE4, 222},
        {0xDF, 219},
        {'+', 187},
        {'#', 191},
        {'<', 226},
        {'^', 220},
        // US positions of the same keys
        {';', 186},
        {'`', 192},
        {'\'', 222},
        {'[', 219},
        {'=', 187},
        {'/', 191},
        {',', 188},
        {'-', 189},
        {'.', 190},
        {SDLK_APPLICATION, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sdl);
        EXPECT_EQ(keys::fromSdl(c.sdl), c.vk);
    }
}
