// The process-wide platform pointer.
#include "platform/Platform.h"

#include <cstdlib>

namespace platform {

namespace {
Platform* g_current = nullptr;
}

Platform& Current() {
    if (!g_current)
        std::abort();  // an entry point or test forgot Install
    return *g_current;
}

void Install(Platform* p) {
    g_current = p;
}

}  // namespace platform
