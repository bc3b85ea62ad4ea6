// The main window's member functions that reach one kind of control. The
// tournament's tables name their controls by these, so that a table entry is
// checked against the window when it compiles.
#pragma once

#include "main_window/window1.h"

namespace vantoro {

using PopupAccessor = fw::Ref<fw::PopupMenu> (Window1::*)();
using LabelAccessor = fw::Ref<fw::Label> (Window1::*)();
using FieldAccessor = fw::Ref<fw::TextField> (Window1::*)();
using ButtonAccessor = fw::Ref<fw::PushButton> (Window1::*)();

} // namespace vantoro
