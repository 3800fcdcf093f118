#include "gui/pvlhost.h"

namespace pvlhost {

void FakeHost::processMessages() {
    if (queue_.empty()) return;
    // A step may post further steps; take it out first.
    auto step = std::move(queue_.front());
    queue_.pop_front();
    step();
}

}  // namespace pvlhost
