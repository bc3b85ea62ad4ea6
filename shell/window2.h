// The About window: the product's name and version, a short description, an OK
// button, a link label that opens the product's web page, and an unused combo box.
#pragma once

#include "framework/controls/combo_box.h"
#include "framework/controls/label.h"
#include "framework/controls/push_button.h"
#include "framework/window.h"

#include <array>
#include <string_view>

namespace vantoro {

class Window2 : public fw::Window {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }

    // Design hooks.
    void Layout();
    void CreateControls();
    void CreateControls0();

    // Control accessors: nil when the control is missing.
    fw::Found<fw::Label> Label1();
    fw::Found<fw::Label> Label2();
    fw::Found<fw::PushButton> PushButton1();
    fw::Found<fw::Label> Label3();
    fw::Found<fw::ComboBox> ComboBox1();

    // Handlers.
    void PushButton1_Action(fw::Ref<fw::PushButton> button);
    bool Label3_MouseDown(fw::Ref<fw::Label> label, std::int32_t x, std::int32_t y);
};

// The About window's design tables (about_records.cpp): the window's own
// property list and its controls' lists, in creation order.
namespace about {
extern const std::string_view kWindowRecord;
extern const std::string_view kLabel1;
extern const std::string_view kLabel2;
extern const std::string_view kPushButton1;
extern const std::string_view kLabel3;
extern const std::string_view kComboBox1;
} // namespace about

} // namespace vantoro
