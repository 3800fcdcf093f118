// The program's one window and its OpenGL context, over SDL2. A thin layer: the GUI library
// keeps the logic (mode choice, relayout, texture reload) and calls these plain routines.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace window {

#pragma pack(push, 1)
// One display mode as the library's mode list stores it.
struct Mode {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bits = 0;
    bool operator==(const Mode&) const = default;
};
#pragma pack(pop)
static_assert(sizeof(Mode) == 12);

// Starts SDL's video part and installs SDL's millisecond counter as the program's clock.
// False (with SDL's reason in lastError) when no display is available.
bool init();
// Closes the window and SDL's video part.
void shutdown();
std::string lastError();

// Opens the borderless window (hidden until show) at the position and size.
bool open(const std::string& titleUtf8, int x, int y, int width, int height);
bool isOpen();
void show();

// Creates the rendering context: double-buffered, RGBA8, 24-bit depth, 8-bit stencil,
// compatibility profile (immediate mode, attribute stacks and selection are used), and makes
// it current. Any previous context is deleted first; so are all its textures.
bool createContext();
void deleteContext();
bool hasContext();
// Presents the frame.
void swap();
// A GL entry point by name; nullptr when the driver has none.
void* proc(const char* name);
// Colour bits of the current context's pixel format (red + green + blue + alpha).
int colorBits();
// Video memory in megabytes as the driver reports it, 0 when unknown.
int videoMemoryMb();

// Window placement in desktop pixels; the client area is the whole window (no border).
void setBounds(int x, int y, int width, int height);
void getBounds(int& x, int& y, int& width, int& height);
void clientSize(int& width, int& height);
// The desktop of the display the window is on.
Mode desktopMode();
// The usable area of that display (without panels), the "maximised" size.
void usableArea(int& x, int& y, int& width, int& height);

// Display modes in the order the display reports them. Depth 24 is reported as 32: the GL
// context always has 8 bits per channel.
std::vector<Mode> displayModes();
// Full screen at the mode (the desktop is switched to it); false when the mode is refused.
bool setFullscreen(const Mode& m);
// Back to a window at the previous bounds.
void setWindowed();
bool isFullscreen();
// Down to the task bar; the window comes back through the desktop.
void minimize();

void showCursor(bool visible);
// The window has the input focus (the program is the active application).
bool active();
// Pointer position in client pixels.
void mousePos(int& x, int& y);
// Whether the key (library key code) is held now.
bool keyHeld(int vk);
void beep();

// One input or window message, translated.
struct Event {
    enum Type : uint8_t {
        None,
        Quit,     // close request (window close button, system)
        KeyDown,  // key = library key code; repeat set for auto-repeat
        KeyUp,
        Text,       // typed text, UTF-8 in text
        MouseDown,  // button 1 left, 2 right, 3 middle; x, y client pixels
        MouseUp,
        MouseMove,
        Wheel,    // delta in steps of 120 per notch, positive away from the user
        Resized,  // x, y = new client size
        Exposed,  // the window needs a redraw
        FocusGained,
        FocusLost,
    };
    Type type = None;
    int key = 0;
    bool repeat = false;
    bool shift = false, ctrl = false, alt = false;
    int button = 0;
    int x = 0, y = 0;
    int delta = 0;
    std::string text;
};
// The next pending message, without waiting.
bool poll(Event& e);
// Waits for the next message at most timeoutMs (capped at 50 ms, so loops that wait still
// see a close request or a timer soon); false when none came.
bool wait(Event& e, int timeoutMs = 50);

}  // namespace window
