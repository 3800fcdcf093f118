// The translation of SDL key symbols into the library's key codes (platform/vk.h).
#pragma once
#include <cstdint>

#include "platform/vk.h"

namespace keys {

// The key code of an SDL key symbol (SDL_Keycode) as the active layout reports it, so a German
// layout gives the German codes and a US layout the US ones; 0 for keys the library ignores.
int fromSdl(int32_t sdlKey);

}  // namespace keys
