// The main window's design: its window record, the timers' shared record and the
// 87 controls in creation order. The values live in the design tables
// (design_records.cpp); this header only says how they are shaped.
#pragma once

#include <array>
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

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view record;                // the control's property list
    float textSize;                         // 0: keep the framework's default size
    std::array<std::string_view, 2> events; // handled events in wiring order, empty slots last
};

extern const std::string_view kMainWindowRecord;
extern const std::string_view kTimerRecord;
extern const std::array<ControlDesign, 87> kMainWindowControls;

} // namespace vantoro
