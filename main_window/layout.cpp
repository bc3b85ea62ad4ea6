// The main window's design hooks: Layout gives the window the menu bar and its
// property list; the creation groups build the 87 controls from the design table.
#include "main_window/design.h"
#include "main_window/window1.h"
#include "main_window/window_timers.h"
#include "shell/designed_controls.h"
#include "shell/implicit_instances.h"
#include "shell/menu_bar1.h"

namespace vantoro {

namespace {
const char* className(ControlKind kind) {
    switch (kind) {
    case ControlKind::PopupMenu: return "PopupMenu";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::RoundRectangle: return "RoundRectangle";
    case ControlKind::TextField: return "TextField";
    case ControlKind::Label: return "Label";
    case ControlKind::PushButton: return "PushButton";
    case ControlKind::Listbox: return "Listbox";
    case ControlKind::Timer: return "Timer";
    }
    return "";
}

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
        fw::Ref<WindowTimer> timer;
        if (d.name == "Timer1") timer = window.New<Window1Timer1>();
        else if (d.name == "Timer2") timer = window.New<Window1Timer2>();
        else timer = window.New<Window1Timer3>();
        timer->Constructor();
        return timer;
    }
    return nullptr;
}

std::string handlerSignature(ControlKind kind, std::string_view event) {
    if (event == "MouseDown") return std::string("( ") + className(kind) + ", Int32, Int32 ) as Boolean";
    return std::string("( ") + className(kind) + " )";
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
}

void Window1::CreateControls0() { createGroup(*this, 1, 30); }
void Window1::CreateControls1() { createGroup(*this, 31, 60); }
void Window1::CreateControls2() { createGroup(*this, 61, 87); }

} // namespace vantoro
