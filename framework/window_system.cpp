#include "framework/window_system.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
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

bool waylandDesktopAnswers() {
    const std::string_view named = variable("QT_QPA_PLATFORM");
    if (!named.empty() && named.find("wayland") == std::string_view::npos) return false;
    const std::string_view display = variable("WAYLAND_DISPLAY");
    if (display.empty()) return false;
    // A display name is a socket in the runtime folder, or a path of its own.
    std::string path(display);
    if (path.front() != '/') {
        const std::string_view folder = variable("XDG_RUNTIME_DIR");
        if (folder.empty()) return false;
        path = std::string(folder) + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0) return false;
    const bool answers = ::connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(connection);
    return answers;
}

} // namespace fw::window_system
