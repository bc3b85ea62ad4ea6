// What a Wayland compositor may do to a window of fixed size.
#pragma once

#include <memory>

class QObject;

namespace fw::wayland {

// The title bar that Qt draws on Wayland offers to maximise every window,
// whatever its flags, and asks the compositor at once. A compositor may then
// insist on the maximised size, which a window of fixed size cannot take, and
// end the connection, and the program with it. From now on every top-level
// window of fixed size (the program's own windows and its message boxes)
// answers a request to maximise it by being put on screen afresh, at its size,
// before the compositor can answer. On other platforms this does nothing and
// gives nullptr; otherwise the guard lasts as long as what it gives.
std::unique_ptr<QObject> keepFixedSizes();

} // namespace fw::wayland
