#include "platform/msgsink.h"

#include <cstdio>

#include "platform/text.h"

namespace msgsink {
namespace {
std::vector<std::string> g_recorded;
Handler g_handler;

void deliver(Kind k, const std::string& t) {
    // Bounded so a loop of failing checks cannot eat the memory.
    if (g_recorded.size() < 10000) g_recorded.push_back(t);
    if (g_handler) g_handler(k, t);
}
}  // namespace

void show(const std::string& text) { deliver(Kind::Message, text); }
void error(const std::string& text) { deliver(Kind::Error, text); }

void setHandler(Handler h) { g_handler = std::move(h); }
const std::vector<std::string>& recorded() { return g_recorded; }
void clear() { g_recorded.clear(); }

Capture::Capture() : saved_(std::move(g_handler)) {
    g_handler = nullptr;
    g_recorded.clear();
}
Capture::~Capture() {
    g_handler = std::move(saved_);
    g_recorded.clear();
}
bool Capture::contains(const std::string& part) const {
    for (const auto& t : g_recorded)
        if (t.find(part) != std::string::npos) return true;
    return false;
}

}  // namespace msgsink
