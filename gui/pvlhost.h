// The one way the GUI library reaches the platform: cursor, keys, window and screen, and the
// message pump. The SDL layer implements it for the real window; FakeHost drives the library
// without a display (a manual clock, a scripted queue of input).
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <set>

#include "platform/ticks.h"

namespace pvlhost {

struct Point {
    int32_t x = 0, y = 0;
};
struct Rect {
    int32_t left = 0, top = 0, width = 0, height = 0;
};

class Host {
public:
    virtual ~Host() = default;
    // Cursor on the screen.
    virtual Point cursor() = 0;
    // Async key state of a virtual key.
    virtual bool keyDown(int vk) = 0;
    // Outer rectangle of the window on the screen.
    virtual Rect window() = 0;
    virtual void setWindow(const Rect& r) = 0;
    virtual Point screen() = 0;  // desktop width and height
    // The application holds the input focus.
    virtual bool active() = 0;
    // Runs the handlers of every pending window message (input, resize, close).
    virtual void processMessages() = 0;
    // Sleeps until the next message arrives (an inactive window draws nothing).
    virtual void waitMessage() = 0;
    virtual void minimize() = 0;
    // Presents the finished frame (buffer swap).
    virtual void present() = 0;
};

// A host without a window. Time is a manual clock that every frame moves on by frameMs;
// input is a queue of steps run one per processMessages() call, so a test scripts what
// happens in which frame.
class FakeHost : public Host {
public:
    explicit FakeHost(uint32_t startTick = 1000) : clock_(startTick) {}

    Point cursor() override { return cursor_; }
    bool keyDown(int vk) override { return keys_.count(vk) != 0; }
    Rect window() override { return window_; }
    void setWindow(const Rect& r) override { window_ = r; }
    Point screen() override { return screen_; }
    bool active() override { return active_; }
    void processMessages() override;
    void waitMessage() override {
        waits++;
        processMessages();
    }
    void minimize() override { minimized++; }
    void present() override {
        presents++;
        clock_.advance(frameMs);
    }

    // Script: each step runs in its own processMessages() call, after the frame's present.
    void post(std::function<void()> step) { queue_.push_back(std::move(step)); }
    bool idle() const { return queue_.empty(); }
    size_t pending() const { return queue_.size(); }

    void moveCursor(int x, int y) { cursor_ = {x, y}; }
    void press(int vk) { keys_.insert(vk); }
    void release(int vk) { keys_.erase(vk); }
    void setActive(bool a) { active_ = a; }
    void setScreen(int w, int h) { screen_ = {w, h}; }
    ticks::Manual& clock() { return clock_; }

    uint32_t frameMs = 16;
    int presents = 0, waits = 0, minimized = 0;

private:
    ticks::Manual clock_;
    Point cursor_;
    Rect window_{0, 0, 800, 600};
    Point screen_{1280, 1024};
    std::set<int> keys_;
    bool active_ = true;
    std::deque<std::function<void()>> queue_;
};

}  // namespace pvlhost
