#include "framework/window_system.h"

#include <cstdlib>
#include <string_view>

namespace fw::window_system {

namespace {
// An environment variable's value; empty when it is not set. The toolkit
// treats an empty platform or display name as none, and so does this.
std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}
} // namespace

const char* platformList() {
    if (!variable("QT_QPA_PLATFORM").empty()) return nullptr;
    if (variable("WAYLAND_DISPLAY").empty() || variable("DISPLAY").empty()) return nullptr;
    // Should the X server not answer, the Wayland desktop still may.
    return "xcb;wayland";
}

} // namespace fw::window_system
