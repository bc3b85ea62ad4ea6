// The main window's member functions that reach one kind of control. The
// tournament's tables name their controls by these, so that a table entry is
// checked against the window when it compiles.
#pragma once

#include "main_window/window1.h"

namespace vantoro {

using PopupAccessor = fw::Found<fw::PopupMenu> (Window1::*)();
using LabelAccessor = fw::Found<fw::Label> (Window1::*)();
using FieldAccessor = fw::Found<fw::TextField> (Window1::*)();
using ButtonAccessor = fw::Found<fw::PushButton> (Window1::*)();

} // namespace vantoro
