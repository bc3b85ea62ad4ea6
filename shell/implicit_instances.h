// Implicit instances: one accessor per window class that returns the open
// window of that class or builds and opens a new one; and the menu bar's
// accessor, which builds the one menu bar on first request and keeps it.
#pragma once

#include "framework/object.h"

namespace vantoro {

class Window1;
class Window2;
class Window3;
class MenuBar1;

namespace implicit {
fw::Ref<vantoro::Window1> Window1();
fw::Ref<vantoro::Window2> Window2();
fw::Ref<vantoro::Window3> Window3();
fw::Ref<vantoro::MenuBar1> MenuBar1();
// MenuBar1._implicitInstance.__Exit: releases the kept menu bar.
void MenuBar1Exit();
// Whether the menu bar has been built and is still kept.
bool menuBarBuilt();
} // namespace implicit

} // namespace vantoro
