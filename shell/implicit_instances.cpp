#include "shell/implicit_instances.h"

#include "main_window/window1.h"
#include "shell/menu_bar1.h"
#include "shell/window2.h"
#include "shell/window3.h"

namespace vantoro::implicit {

namespace {
// Finds the open window of the class by its class name, or builds one: its
// set-up hooks give the defaults and its constructor builds and opens it.
template <class W>
fw::Ref<W> windowOf() {
    fw::Ref<fw::Window> found = fw::Window::GetImplicitWindow(W::staticRecord().name);
    if (!found) {
        fw::Ref<W> created = fw::newObject<W>();
        created->Constructor();
        found = created;
    }
    return fw::checkedCast<W>(fw::Ref<fw::Object>(found.get()));
}

fw::Ref<vantoro::MenuBar1>& menuBarSlot() {
    static fw::Ref<vantoro::MenuBar1> slot;
    return slot;
}
} // namespace

fw::Ref<vantoro::Window1> Window1() { return windowOf<vantoro::Window1>(); }
fw::Ref<vantoro::Window2> Window2() { return windowOf<vantoro::Window2>(); }
fw::Ref<vantoro::Window3> Window3() { return windowOf<vantoro::Window3>(); }

fw::Ref<vantoro::MenuBar1> MenuBar1() {
    fw::Ref<vantoro::MenuBar1>& slot = menuBarSlot();
    if (!slot) {
        slot = fw::newObject<vantoro::MenuBar1>();
        slot->Constructor();
    }
    return slot;
}

void MenuBar1Exit() { menuBarSlot() = nullptr; }

bool menuBarBuilt() { return static_cast<bool>(menuBarSlot()); }

} // namespace vantoro::implicit
