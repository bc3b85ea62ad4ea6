// Which window system the GUI toolkit connects through, and whether a Wayland
// desktop answers where the start failed.
#pragma once

namespace fw::window_system {

// The platform list to hand the toolkit for this process, or nullptr to leave
// its own choice. A Wayland desktop that also offers an X server (both
// WAYLAND_DISPLAY and DISPLAY set, as most sessions have through Xwayland) is
// reached through the X server first, Wayland second: the X11 window manager
// reads the fixed size and the title-bar buttons that the windows ask for,
// while the title bar that the toolkit draws on Wayland offers every button to
// every window. A platform that the user names in QT_QPA_PLATFORM always wins.
const char* platformList();

// Whether the toolkit was free to try Wayland and a compositor accepts a
// connection at WAYLAND_DISPLAY: a start that fails there lacks the toolkit's
// Wayland plugin, not a display.
bool waylandDesktopAnswers();

} // namespace fw::window_system
