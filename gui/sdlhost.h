// The library's platform interface over the SDL window: cursor, keys, window bounds, focus,
// the message pump and the buffer swap. Window messages go to the form's input entry points.
#pragma once
#include "gui/pvl.h"
#include "gui/pvlhost.h"
#include "platform/sdl/window.h"

namespace sdlhost {

class SdlHost : public pvlhost::Host {
public:
    // The form that receives the window's messages; may be set after construction.
    void attach(pvl::TPVLApplication* app) { app_ = app; }

    pvlhost::Point cursor() override;
    bool keyDown(int vk) override;
    pvlhost::Rect window() override;
    void setWindow(const pvlhost::Rect& r) override;
    pvlhost::Point screen() override;
    bool active() override;
    void processMessages() override;
    void waitMessage() override;
    void minimize() override;
    void present() override;

    // One translated message to the form's handlers.
    void dispatch(const window::Event& e);

private:
    pvl::TPVLApplication* app_ = nullptr;
};

}  // namespace sdlhost
