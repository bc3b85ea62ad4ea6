// The main window's two menu commands: About and Instructions show their windows.
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/window2.h"
#include "shell/window3.h"

namespace vantoro {

void Window1::AddMenuHandlers(fw::Ref<fw::Window> window) {
    fw::Ref<Window1> self = fw::checkedCast<Window1>(fw::Ref<fw::Object>(window.get()));
    fw::Ref<fw::Object> target(self.get());
    fw::deref(self).AddMenuHandler("FileAboutVantoro2011",
                                   fw::createDelegate(target, "_FileAboutVantoro2011_Action", "(  ) as Boolean"));
    fw::deref(self).AddMenuHandler("Instructionsinstructions",
                                   fw::createDelegate(target, "_Instructionsinstructions_Action", "(  ) as Boolean"));
}

// Every item enables itself.
void Window1::Event_EnableMenuItems() {}

bool Window1::FileAboutVantoro2011_Action() {
    fw::deref(implicit::Window2()).Show();
    return true;
}

bool Window1::Instructionsinstructions_Action() {
    fw::deref(implicit::Window3()).Show();
    return true;
}

} // namespace vantoro
