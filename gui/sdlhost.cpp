#include "gui/sdlhost.h"

namespace sdlhost {

pvlhost::Point SdlHost::cursor() {
    int x = 0, y = 0, wx = 0, wy = 0, ww = 0, wh = 0;
    window::mousePos(x, y);
    window::getBounds(wx, wy, ww, wh);
    return {wx + x, wy + y};
}

bool SdlHost::keyDown(int vk) { return window::keyHeld(vk); }

pvlhost::Rect SdlHost::window() {
    pvlhost::Rect r;
    window::getBounds(r.left, r.top, r.width, r.height);
    return r;
}

void SdlHost::setWindow(const pvlhost::Rect& r) {
    if (r.width > 0 && r.height > 0) window::setBounds(r.left, r.top, r.width, r.height);
}

pvlhost::Point SdlHost::screen() {
    const window::Mode m = window::desktopMode();
    return {m.width, m.height};
}

bool SdlHost::active() { return window::active(); }

void SdlHost::processMessages() {
    window::Event e;
    while (window::poll(e)) dispatch(e);
}

void SdlHost::waitMessage() {
    window::Event e;
    if (window::wait(e, 50)) dispatch(e);
    processMessages();
}

void SdlHost::minimize() { window::minimize(); }

void SdlHost::present() { window::swap(); }

void SdlHost::dispatch(const window::Event& e) {
    if (!app_) return;
    switch (e.type) {
        case window::Event::Quit:
            app_->closeme();
            break;
        case window::Event::KeyDown:
            app_->KeyDown(e.key);
            break;
        case window::Event::KeyUp:
            app_->KeyUp(e.key);
            break;
        case window::Event::MouseDown:
            if (e.button == 1) app_->FormMouseDown(e.x, e.y);
            break;
        case window::Event::MouseUp:
            if (e.button == 1) app_->FormMouseUp(e.x, e.y);
            break;
        case window::Event::Wheel:
            app_->FormMouseWheel(e.delta);
            break;
        case window::Event::Resized:
            app_->FormResize(e.x, e.y);
            break;
        default:  // moves are read each frame; text, exposure and focus need nothing here
            break;
    }
}

}  // namespace sdlhost
