// The program's one millisecond clock. Ticks are u32 and wrap after 49 days: compare them only
// through elapsed(), which is right across the wrap.
#pragma once
#include <cstdint>
#include <functional>

namespace ticks {

uint32_t now();
inline uint32_t elapsed(uint32_t since, uint32_t at) { return at - since; }
inline uint32_t since(uint32_t t) { return now() - t; }

// Replaces the clock (the SDL layer installs its tick counter; tests install a manual clock).
void setSource(std::function<uint32_t()> src);
void resetSource();

// A clock a test moves by hand; installs itself while it lives.
class Manual {
public:
    explicit Manual(uint32_t start = 1000);
    ~Manual();
    Manual(const Manual&) = delete;
    Manual& operator=(const Manual&) = delete;
    void advance(uint32_t ms) { t_ += ms; }
    void set(uint32_t t) { t_ = t; }
    uint32_t value() const { return t_; }

private:
    uint32_t t_;
};

}  // namespace ticks
