// The main window's design hooks: Layout gives the window the menu bar and its
// property list; the creation groups build the controls from the design table.
#include "main_window/design.h"
#include "main_window/window1.h"
#include "main_window/window_timers.h"
#include "shell/designed_controls.h"
#include "shell/implicit_instances.h"
#include "shell/menu_bar1.h"

namespace vantoro {

namespace {
// Each timer of the main window is an object of its own timer class.
template <class T>
fw::Ref<WindowTimer> newTimer(Window1& window) {
    return window.New<T>();
}
struct TimerClass {
    std::string_view name;
    fw::Ref<WindowTimer> (*make)(Window1&);
};
constexpr TimerClass kTimerClasses[] = {
    {"Timer1", &newTimer<Window1Timer1>},
    {"Timer2", &newTimer<Window1Timer2>},
    {"Timer3", &newTimer<Window1Timer3>},
};

constexpr bool hasTimerClass(std::string_view name) {
    for (const TimerClass& cls : kTimerClasses)
        if (cls.name == name) return true;
    return false;
}
#define VANTORO_TIMER_HAS_CLASS(name, cls) (ControlKind::cls != ControlKind::Timer || hasTimerClass(#name)) &&
static_assert(VANTORO_MAIN_CONTROLS(VANTORO_TIMER_HAS_CLASS) true, "a timer of the main window has no timer class");
#undef VANTORO_TIMER_HAS_CLASS

// __New and the constructor of the control's class.
fw::Ref<fw::Control> newControl(Window1& window, const ControlDesign& d) {
    switch (d.kind) {
    case ControlKind::PopupMenu: return window.New<fw::PopupMenu>();
    case ControlKind::CheckBox: return window.New<fw::CheckBox>();
    case ControlKind::RoundRectangle: return window.New<fw::RoundRectangle>();
    case ControlKind::TextField: return window.New<fw::TextField>();
    case ControlKind::Label: return window.New<fw::Label>();
    case ControlKind::PushButton: return window.New<fw::PushButton>();
    case ControlKind::Listbox: return window.New<fw::Listbox>();
    case ControlKind::Timer:
        for (const TimerClass& cls : kTimerClasses)
            if (cls.name == d.name) {
                fw::Ref<WindowTimer> timer = cls.make(window);
                timer->Constructor();
                return timer;
            }
        throw fw::RuntimeException("no window-timer class for the main window's " + std::string(d.name));
    }
    return nullptr;
}

std::string handlerSignature(ControlKind kind, std::string_view event) {
    if (event == "MouseDown") return "( " + std::string(className(kind)) + ", Int32, Int32 ) as Boolean";
    return "( " + std::string(className(kind)) + " )";
}

void createControl(Window1& window, const ControlDesign& d) {
    const std::string name(d.name);
    window.AddControl(name, fw::Ref<fw::Object>(newControl(window, d).get()));
    if (d.kind != ControlKind::Timer) {
        fw::Ref<fw::RectControl> control = fw::checkedCast<fw::RectControl>(window.ControlByName(name));
        if (d.textSize > 0) fw::deref(control).SetTextSize(d.textSize);
        if (d.kind != ControlKind::RoundRectangle) fw::deref(control).SetTextUnit(0);
    }
    fw::SetProperties(fw::deref(window.ControlByName(name)), d.record);
    for (std::string_view event : d.events) {
        if (event.empty()) continue;
        design::wireEvent(window, name, std::string(event), name + "_" + std::string(event),
                          handlerSignature(d.kind, event));
    }
}

void createGroup(Window1& window, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i <= last; ++i) createControl(window, kMainWindowControls[i - 1]);
}
} // namespace

void Window1::Layout() {
    SetMenuBar(implicit::MenuBar1());
    fw::SetProperties(*this, kMainWindowRecord);
}

void Window1::CreateControls() {
    for (const char* group : {"_CreateControls0", "_CreateControls1", "_CreateControls2"}) fw::callMethod(*this, group);
    // The labels that names are made of are created after the popups they name.
    nameControlsForAssistiveTools(*this);
}

void Window1::CreateControls0() { createGroup(*this, 1, 30); }
void Window1::CreateControls1() { createGroup(*this, 31, 60); }
void Window1::CreateControls2() { createGroup(*this, 61, kMainWindowControls.size()); }

} // namespace vantoro
