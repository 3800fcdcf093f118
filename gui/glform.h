// The form on a real window: the first window set-up, window and full-screen modes, the
// shut-down of the display, and the depth-of-field blur pass. It wires the GUI model's hooks
// to the SDL window, the GL units and the dialog painter.
#pragma once
#include <filesystem>
#include <string>

#include "gui/glwin.h"
#include "gui/pvl.h"
#include "gui/sdlhost.h"

namespace glform {

// Fills the model's hooks and the GL units' hooks; textures come from texturePath (the
// program's folder of the library images) when the settings name none that exists.
void install(pvl::TPVLApplication& app, sdlhost::SdlHost& host, const std::filesystem::path& texturePath);

// The display-mode object and the form's display state.
struct Display {
    glwin::TFullScreen FullScreen;
    uint8_t FullScreenActive = 0;
    uint8_t NoDisplayChange = 0;
    std::filesystem::path TexturePath;
};
Display& display();

// New context at the client size: default GL state, viewport, view, buffer texture; returns
// the colour bits or 0 when no context could be made.
int SetupGL(pvl::TPVLApplication& app, int width, int height);
// First window set-up (opens the window when there is none); returns the colour bits.
int InitWindow(pvl::TPVLApplication& app, int width, int height);
// Window mode at the saved window size, held to the screen.
void norms(pvl::TPVLApplication& app);
// Full screen at display mode `mode` (1-based; -1 = the graphics dialog's choice). A refused
// mode with revertOnFailure falls back to a 640 x 480 window, says so and closes.
bool fulls(pvl::TPVLApplication& app, int mode, bool revertOnFailure);
// Shut-down of the display: full screen left, the window shrunk.
void nofu(pvl::TPVLApplication& app);
// The drag icon shows in window mode only; the resize icon never.
void setbuttons(pvl::TPVLApplication& app);

// ---- depth of field
// The screen-sized copy of the frame (BufferTexture).
bool createBufferTexture(int width, int height);
int BufferTexture();
// Off-screen buffer for the blurred copy; false (and the blur pass off) without framebuffer
// objects, which stand in for the auxiliary buffer Mesa does not have.
bool auxAvailable();
// The renderer draws into the off-screen buffer between these two.
bool beginAux();
void endAux();
// The blur pass over the frame: 24 growing copies, or 18 multiplied ones from the off-screen
// buffer. True when a pass was drawn.
bool renderDOF(pvl::TPVLApplication& app, bool fromAux);

}  // namespace glform
