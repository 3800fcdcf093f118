#include "platform/sdl/window.h"

#include <SDL2/SDL.h>

#include "platform/sdl/keys.h"
#include "platform/ticks.h"

namespace window {

namespace {

SDL_Window* win = nullptr;
SDL_GLContext ctx = nullptr;
bool videoUp = false;
bool fullscreen = false;
int savedX = 0, savedY = 0, savedW = 640, savedH = 480;
std::string error;

int displayIndex() {
    const int i = win ? SDL_GetWindowDisplayIndex(win) : 0;
    return i < 0 ? 0 : i;
}

Mode fromSdl(const SDL_DisplayMode& m) {
    int bits = SDL_BITSPERPIXEL(m.format);
    if (bits == 24) bits = 32;
    return Mode{m.w, m.h, bits};
}

void fillMods(Event& e, uint16_t mod) {
    e.shift = mod & KMOD_SHIFT;
    e.ctrl = mod & KMOD_CTRL;
    e.alt = mod & KMOD_ALT;
}

int buttonOf(uint8_t b) {
    switch (b) {
        case SDL_BUTTON_LEFT:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        case SDL_BUTTON_MIDDLE:
            return 3;
        default:
            return 0;
    }
}

// False for messages the library has no use for.
bool translate(const SDL_Event& s, Event& e) {
    e = Event{};
    switch (s.type) {
        case SDL_QUIT:
            e.type = Event::Quit;
            return true;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            e.type = s.type == SDL_KEYDOWN ? Event::KeyDown : Event::KeyUp;
            e.key = keys::fromSdl(s.key.keysym.sym);
            e.repeat = s.key.repeat != 0;
            fillMods(e, s.key.keysym.mod);
            return e.key != 0;
        case SDL_TEXTINPUT:
            e.type = Event::Text;
            e.text = s.text.text;
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            e.type = s.type == SDL_MOUSEBUTTONDOWN ? Event::MouseDown : Event::MouseUp;
            e.button = buttonOf(s.button.button);
            e.x = s.button.x;
            e.y = s.button.y;
            fillMods(e, static_cast<uint16_t>(SDL_GetModState()));
            return e.button != 0;
        case SDL_MOUSEMOTION:
            e.type = Event::MouseMove;
            e.x = s.motion.x;
            e.y = s.motion.y;
            return true;
        case SDL_MOUSEWHEEL: {
            int steps = s.wheel.y;
            if (s.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
            if (steps == 0) return false;
            e.type = Event::Wheel;
            e.delta = steps * 120;
            SDL_GetMouseState(&e.x, &e.y);
            fillMods(e, static_cast<uint16_t>(SDL_GetModState()));
            return true;
        }
        case SDL_WINDOWEVENT:
            switch (s.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    e.type = Event::Quit;
                    return true;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    e.type = Event::Resized;
                    e.x = s.window.data1;
                    e.y = s.window.data2;
                    return true;
                case SDL_WINDOWEVENT_EXPOSED:
                    e.type = Event::Exposed;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    e.type = Event::FocusGained;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    e.type = Event::FocusLost;
                    return true;
                default:
                    return false;
            }
        default:
            return false;
    }
}

}  // namespace

bool init() {
    if (videoUp) return true;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        error = SDL_GetError();
        return false;
    }
    videoUp = true;
    ticks::setSource([] { return static_cast<uint32_t>(SDL_GetTicks()); });
    return true;
}

void shutdown() {
    deleteContext();
    if (win) SDL_DestroyWindow(win);
    win = nullptr;
    fullscreen = false;
    if (videoUp) {
        ticks::resetSource();
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }
    videoUp = false;
}

std::string lastError() { return error; }

bool open(const std::string& titleUtf8, int x, int y, int width, int height) {
    if (!init()) return false;
    if (win) return true;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    win = SDL_CreateWindow(titleUtf8.c_str(), x, y, width, height,
                           SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (!win) {
        error = SDL_GetError();
        return false;
    }
    savedX = x, savedY = y, savedW = width, savedH = height;
    return true;
}

bool isOpen() { return win != nullptr; }

void show() {
    if (!win) return;
    SDL_ShowWindow(win);
    SDL_RaiseWindow(win);
}

bool createContext() {
    if (!win) return false;
    deleteContext();
    ctx = SDL_GL_CreateContext(win);
    if (!ctx) {
        // Some drivers refuse a stencil buffer or a profile request; settle for what they give.
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
        ctx = SDL_GL_CreateContext(win);
    }
    if (!ctx) {
        error = SDL_GetError();
        return false;
    }
    SDL_GL_MakeCurrent(win, ctx);
    SDL_GL_SetSwapInterval(0);
    return true;
}

void deleteContext() {
    if (!ctx) return;
    SDL_GL_MakeCurrent(win, nullptr);
    SDL_GL_DeleteContext(ctx);
    ctx = nullptr;
}

bool hasContext() { return ctx != nullptr; }

void swap() {
    if (win && ctx) SDL_GL_SwapWindow(win);
}

void* proc(const char* name) { return SDL_GL_GetProcAddress(name); }

int colorBits() {
    if (!ctx) return 0;
    int r = 0, g = 0, b = 0, a = 0;
    SDL_GL_GetAttribute(SDL_GL_RED_SIZE, &r);
    SDL_GL_GetAttribute(SDL_GL_GREEN_SIZE, &g);
    SDL_GL_GetAttribute(SDL_GL_BLUE_SIZE, &b);
    SDL_GL_GetAttribute(SDL_GL_ALPHA_SIZE, &a);
    return r + g + b + a;
}

int videoMemoryMb() {
    if (!ctx) return 0;
    // GLX_MESA_query_renderer: GLX_RENDERER_VIDEO_MEMORY_MESA.
    using Query = int (*)(int attribute, unsigned int* value);
    auto q = reinterpret_cast<Query>(proc("glXQueryCurrentRendererIntegerMESA"));
    unsigned int mb = 0;
    if (!q || !q(0x8187, &mb)) return 0;
    return static_cast<int>(mb);
}

void setBounds(int x, int y, int width, int height) {
    if (!win) return;
    SDL_SetWindowPosition(win, x, y);
    SDL_SetWindowSize(win, width < 1 ? 1 : width, height < 1 ? 1 : height);
}

void getBounds(int& x, int& y, int& width, int& height) {
    x = y = width = height = 0;
    if (!win) return;
    SDL_GetWindowPosition(win, &x, &y);
    SDL_GetWindowSize(win, &width, &height);
}

void clientSize(int& width, int& height) {
    width = height = 0;
    if (win) SDL_GL_GetDrawableSize(win, &width, &height);
}

Mode desktopMode() {
    SDL_DisplayMode m;
    if (!videoUp || SDL_GetDesktopDisplayMode(displayIndex(), &m) != 0) return Mode{640, 480, 32};
    return fromSdl(m);
}

void usableArea(int& x, int& y, int& width, int& height) {
    SDL_Rect r{0, 0, 640, 480};
    if (videoUp) SDL_GetDisplayUsableBounds(displayIndex(), &r);
    x = r.x, y = r.y, width = r.w, height = r.h;
}

std::vector<Mode> displayModes() {
    std::vector<Mode> out;
    if (!videoUp) return out;
    const int d = displayIndex();
    const int n = SDL_GetNumDisplayModes(d);
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(d, i, &m) == 0) out.push_back(fromSdl(m));
    }
    if (out.empty()) out.push_back(desktopMode());
    return out;
}

bool setFullscreen(const Mode& m) {
    if (!win) return false;
    if (!fullscreen) getBounds(savedX, savedY, savedW, savedH);
    SDL_DisplayMode want{SDL_PIXELFORMAT_UNKNOWN, m.width, m.height, 0, nullptr};
    SDL_DisplayMode got;
    if (!SDL_GetClosestDisplayMode(displayIndex(), &want, &got) || got.w != m.width || got.h != m.height) {
        error = "mode not available";
        return false;
    }
    if (SDL_SetWindowDisplayMode(win, &got) != 0 ||
        SDL_SetWindowFullscreen(win, SDL_WINDOW_FULLSCREEN) != 0) {
        error = SDL_GetError();
        SDL_SetWindowFullscreen(win, 0);
        return false;
    }
    fullscreen = true;
    return true;
}

void setWindowed() {
    if (!win || !fullscreen) return;
    SDL_SetWindowFullscreen(win, 0);
    setBounds(savedX, savedY, savedW, savedH);
    fullscreen = false;
}

bool isFullscreen() { return fullscreen; }

void minimize() {
    if (win) SDL_MinimizeWindow(win);
}

void showCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

bool active() { return win && (SDL_GetWindowFlags(win) & SDL_WINDOW_INPUT_FOCUS); }

void mousePos(int& x, int& y) {
    x = y = 0;
    SDL_GetMouseState(&x, &y);
}

bool keyHeld(int vk) {
    if (vk == vk::LButton || vk == vk::RButton || vk == vk::MButton) {
        const uint32_t b = SDL_GetMouseState(nullptr, nullptr);
        return (vk == vk::LButton && (b & SDL_BUTTON_LMASK)) ||
               (vk == vk::RButton && (b & SDL_BUTTON_RMASK)) || (vk == vk::MButton && (b & SDL_BUTTON_MMASK));
    }
    int n = 0;
    const uint8_t* state = SDL_GetKeyboardState(&n);
    if (!state) return false;
    for (int sc = 0; sc < n; ++sc)
        if (state[sc] && keys::fromSdl(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(sc))) == vk)
            return true;
    return false;
}

void beep() {}  // no system bell worth ringing; the refused request is its own signal

bool poll(Event& e) {
    if (!videoUp) return false;
    SDL_Event s;
    while (SDL_PollEvent(&s))
        if (translate(s, e)) return true;
    return false;
}

bool wait(Event& e, int timeoutMs) {
    if (!videoUp) return false;
    if (timeoutMs > 50) timeoutMs = 50;
    if (timeoutMs < 0) timeoutMs = 0;
    const uint32_t start = SDL_GetTicks();
    SDL_Event s;
    for (;;) {
        const uint32_t spent = SDL_GetTicks() - start;
        if (spent >= static_cast<uint32_t>(timeoutMs)) return poll(e);
        if (!SDL_WaitEventTimeout(&s, static_cast<int>(timeoutMs - spent))) return false;
        if (translate(s, e)) return true;
    }
}

}  // namespace window
