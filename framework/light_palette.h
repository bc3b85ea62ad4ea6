// The one palette every window of the program is drawn with, whatever the
// desktop's theme. The design's colours (black label text, white fields and
// frame fills, the winner colour, the frame and link colours) were chosen for
// a light window; on a dark theme's window they would be black on dark gray.
// So the windows, message boxes, menus and popup lists stay light: the
// palette is set once for the whole application when the runtime starts, and
// one the desktop sends later (a theme switch) is turned back. The style draws
// as the desktop chose it.
#pragma once

#include <memory>

class QObject;

namespace fw::palette {

// Gives the application the light palette and keeps it there for as long as
// the returned keeper lives. Called once, right after the GUI toolkit has
// started and before any window exists.
std::unique_ptr<QObject> install();

} // namespace fw::palette
