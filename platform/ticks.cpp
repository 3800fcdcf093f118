#include "platform/ticks.h"

#include <chrono>

namespace ticks {
namespace {
uint32_t steady() {
    using namespace std::chrono;
    return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
std::function<uint32_t()> g_source;
}  // namespace

uint32_t now() { return g_source ? g_source() : steady(); }
void setSource(std::function<uint32_t()> src) { g_source = std::move(src); }
void resetSource() { g_source = nullptr; }

Manual::Manual(uint32_t start) : t_(start) {
    setSource([this] { return t_; });
}
Manual::~Manual() { resetSource(); }

}  // namespace ticks
