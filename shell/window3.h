// The Instructions window: the method and the steps of a tournament in an
// editable, scrolling text area, and an OK button that closes the window.
#pragma once

#include "framework/controls/push_button.h"
#include "framework/controls/text_area.h"
#include "framework/window.h"

#include <string_view>

namespace vantoro {

class Window3 : public fw::Window {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }

    // Design hooks.
    void Layout();
    void CreateControls();
    void CreateControls0();

    // Control accessors: nil when the control is missing.
    fw::Found<fw::TextArea> TextArea1();
    fw::Found<fw::PushButton> PushButton1();

    // Handlers.
    void PushButton1_Action(fw::Ref<fw::PushButton> button);
};

// The Instructions window's design tables (instructions_records.cpp).
namespace instructions {
// The text the area starts with: 22 lines separated by CR.
extern const std::string_view kText;
extern const std::string_view kWindowRecord;
extern const std::string_view kTextArea1;
extern const std::string_view kPushButton1;
} // namespace instructions

} // namespace vantoro
