// The main window class: its eleven properties, its design hooks, its control
// and menu-item accessors, its event handlers and its menu commands. The lists
// of window1_lists.h are the class's operation table; they keep the
// declaration, the definitions and the class record in one order.
#pragma once

#include "framework/application.h"
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/controls/listbox.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/push_button.h"
#include "framework/controls/round_rectangle.h"
#include "framework/controls/text_field.h"
#include "framework/controls/timer.h"
#include "framework/menu.h"
#include "framework/window.h"
#include "main_window/window1_lists.h"

#include <cstdint>
#include <string>

namespace vantoro {

class Window1 : public fw::Window {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }

    // Properties.
    fw::StringArray team;
    std::int32_t one = 0, two = 0, three = 0, four = 0, five = 0, six = 0, seven = 0, eight = 0;
    std::int32_t listit = 0;
    std::string TeamList;

    // __Init and __Exit.
    void Init();
    void Exit();

    // Design hooks.
    void Layout();
    void CreateControls();
    void CreateControls0();
    void CreateControls1();
    void CreateControls2();

#define VANTORO_DECLARE_ACCESSOR(name, cls) fw::Found<fw::cls> name();
    VANTORO_MAIN_CONTROLS(VANTORO_DECLARE_ACCESSOR)
    VANTORO_MENU_ITEMS(VANTORO_DECLARE_ACCESSOR)
#undef VANTORO_DECLARE_ACCESSOR

#define VANTORO_DECLARE_HANDLER(name, cls) void name(fw::Ref<fw::cls> control);
#define VANTORO_DECLARE_MOUSE_HANDLER(name, cls) bool name(fw::Ref<fw::cls> control, std::int32_t x, std::int32_t y);
    VANTORO_MAIN_HANDLERS(VANTORO_DECLARE_HANDLER, VANTORO_DECLARE_MOUSE_HANDLER)
#undef VANTORO_DECLARE_HANDLER
#undef VANTORO_DECLARE_MOUSE_HANDLER

    // Menu commands.
    void AddMenuHandlers(fw::Ref<fw::Window> window);
    void Event_EnableMenuItems();
    bool FileAboutVantoro2011_Action();
    bool Instructionsinstructions_Action();
};

} // namespace vantoro
