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

} // namespace vantoro
