// The About and Instructions windows build each of their controls in the same
// steps: create it inside the window, register it under its name, set its text
// size and unit in code, apply its property list, and wire its handled event.
// Every step finds the control again by name, as the window's own code would.
#pragma once

#include "framework/control.h"
#include "framework/window.h"

#include <string>
#include <string_view>

namespace vantoro::design {

// Creates, registers and styles one control, then applies its property list.
// A text size of 0 keeps the framework's default size.
template <class T>
void createControl(fw::Window& window, const std::string& name, float textSize, std::string_view record) {
    window.AddControl(name, fw::Ref<fw::Object>(window.New<T>().get()));
    if (textSize > 0) fw::deref(fw::checkedCast<T>(window.ControlByName(name))).SetTextSize(textSize);
    fw::deref(fw::checkedCast<T>(window.ControlByName(name))).SetTextUnit(0);
    fw::SetProperties(fw::deref(window.ControlByName(name)), record);
}

// Attaches the window's handler method, taken from its method table, to one
// event of the named control.
inline void wireEvent(fw::Window& window, const std::string& name, const std::string& event, std::string_view method,
                      std::string signature) {
    fw::Ref<fw::Control> control = fw::checkedCast<fw::Control>(window.ControlByName(name));
    fw::deref(control).AddEventHandler(event,
                                       fw::createDelegate(fw::Ref<fw::Object>(&window), method, std::move(signature)));
}

} // namespace vantoro::design
