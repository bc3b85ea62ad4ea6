// What an X11 window manager is told about a window beyond what Qt tells it.
#pragma once

class QWidget;

namespace fw::x11 {

// Qt offers the window manager the resize function on every decorated window,
// whatever its size limits. This takes it back from a created top-level window,
// together with maximising, and keeps the buttons it is to have. Does nothing
// on other platforms.
void offerFixedSize(QWidget& window, bool closeBox, bool minimizeBox);

} // namespace fw::x11
