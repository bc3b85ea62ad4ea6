// Control and menu-item accessors: each finds its object by name, afresh at
// every call, and casts it, checked, to its class. A missing control comes back
// as nil, for the caller to test; a window without a menu bar raises the
// nil-object exception.
#include "main_window/window1.h"

namespace vantoro {

#define VANTORO_DEFINE_ACCESSOR(name, cls) \
    fw::Ref<fw::cls> Window1::name() { return fw::checkedCast<fw::cls>(ControlByName(#name)); }
VANTORO_MAIN_CONTROLS(VANTORO_DEFINE_ACCESSOR)
#undef VANTORO_DEFINE_ACCESSOR

#define VANTORO_DEFINE_MENU_ACCESSOR(name, cls)                                        \
    fw::Ref<fw::cls> Window1::name() {                                                 \
        fw::Ref<fw::MenuBar> bar = GetMenuBar();                                       \
        return fw::checkedCast<fw::cls>(fw::Ref<fw::Object>(fw::deref(bar).Lookup(#name).get())); \
    }
VANTORO_MENU_ITEMS(VANTORO_DEFINE_MENU_ACCESSOR)
#undef VANTORO_DEFINE_MENU_ACCESSOR

} // namespace vantoro
