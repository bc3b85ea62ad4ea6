// The main window's design: its window record, the timers' shared record and the
// controls in creation order. The values live in the design tables
// (design_records.cpp); this header only says how they are shaped.
#pragma once

#include "main_window/window1_lists.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vantoro {

enum class ControlKind {
    PopupMenu,
    CheckBox,
    RoundRectangle,
    TextField,
    Label,
    PushButton,
    Listbox,
    Timer, // a window timer: the class is Window1.Timer1/2/3 after its name
};

// The framework class of a control of that kind, as signatures name it.
constexpr std::string_view className(ControlKind kind) {
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

// As many as the class declares accessors.
#define VANTORO_COUNT_CONTROL(name, cls) +1
inline constexpr std::size_t kMainControlCount = 0 VANTORO_MAIN_CONTROLS(VANTORO_COUNT_CONTROL);
#undef VANTORO_COUNT_CONTROL

// A control as the class declares it (window1_lists.h), by name and kind.
struct DeclaredControl {
    std::string_view name;
    ControlKind kind;
};
#define VANTORO_DECLARED_CONTROL(name, cls) DeclaredControl{#name, ControlKind::cls},
inline constexpr DeclaredControl kDeclaredControls[] = {VANTORO_MAIN_CONTROLS(VANTORO_DECLARED_CONTROL)};
#undef VANTORO_DECLARED_CONTROL

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view record;                // the control's property list
    float textSize;                         // 0: keep the framework's default size
    std::array<std::string_view, 2> events; // handled events in wiring order, empty slots last
};

extern const std::string_view kMainWindowRecord;
extern const std::string_view kTimerRecord;
extern const std::array<ControlDesign, kMainControlCount> kMainWindowControls;

class Window1;
// Gives the window's controls the names that assistive tools read
// (accessible_names.cpp); called once every control exists.
void nameControlsForAssistiveTools(Window1& window);

} // namespace vantoro
