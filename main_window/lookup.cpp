// Control and menu-item accessors: each finds its object by name, afresh at
// every call, and casts it, checked, to its class. A missing control comes back
// as nil, for the caller to test; a window without a menu bar raises the
// nil-object exception.
#include "main_window/window1.h"

namespace vantoro {

#define VANTORO_DEFINE_ACCESSOR(control, cls) \
    fw::Found<fw::cls> Window1::control() { return controlNamed<fw::cls>(#control); }
VANTORO_MAIN_CONTROLS(VANTORO_DEFINE_ACCESSOR)
#undef VANTORO_DEFINE_ACCESSOR

#define VANTORO_DEFINE_MENU_ACCESSOR(item, cls)                                                    \
    fw::Found<fw::cls> Window1::item() {                                                           \
        fw::Ref<fw::MenuBar> bar = GetMenuBar();                                                   \
        fw::Ref<fw::Object> found(fw::deref(bar).Lookup(#item).get());                             \
        return {fw::checkedCast<fw::cls>(found), #item, bar->classRecord().name};                  \
    }
VANTORO_MENU_ITEMS(VANTORO_DEFINE_MENU_ACCESSOR)
#undef VANTORO_DEFINE_MENU_ACCESSOR

} // namespace vantoro
