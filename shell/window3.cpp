#include "shell/window3.h"

#include "shell/designed_controls.h"

namespace vantoro {

namespace {
fw::MethodRow row(const char* name, const char* signature, fw::Invoker invoke, bool isHidden = false) {
    fw::MethodRow r{name, 1, {fw::publicScope()}, signature, std::move(invoke)};
    if (isHidden) r.attributes.push_back(fw::hidden());
    return r;
}

std::unique_ptr<fw::ClassRecord> build() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    using W = Window3;
    r->methods = {
        row("Layout", "%%", fw::invokerOf<&W::Layout>()),
        row("CreateControls", "%%", fw::invokerOf<&W::CreateControls>()),
        row("_CreateControls0", "%%", fw::invokerOf<&W::CreateControls0>(), true),
        row("TextArea1", "%o<TextArea>%", fw::invokerOf<&W::TextArea1>()),
        row("PushButton1", "%o<PushButton>%", fw::invokerOf<&W::PushButton1>()),
        row("PushButton1_Action", "%%o<PushButton>", fw::invokerOf<&W::PushButton1_Action>()),
    };
    // The Instructions window answers no window event: it only lays itself out
    // and creates its controls.
    for (const fw::EventHook& e : fw::Window::staticRecord().eventHooks)
        r->eventHooks.push_back({e.event, e.event == "Layout" || e.event == "CreateControls" ? e.event : ""});
    r->attributes = {fw::publicScope()};
    return r;
}
} // namespace

const fw::ClassRecord& Window3::staticRecord() { return fw::lookupClass("Window3.Window3", build); }

void Window3::Layout() { fw::SetProperties(*this, instructions::kWindowRecord); }

void Window3::CreateControls() { fw::callMethod(*this, "_CreateControls0"); }

void Window3::CreateControls0() {
    design::createControl<fw::TextArea>(*this, "TextArea1", 0.0f, instructions::kTextArea1);
    design::createControl<fw::PushButton>(*this, "PushButton1", 0.0f, instructions::kPushButton1);
    design::wireEvent(*this, "PushButton1", "Action", "PushButton1_Action", "( PushButton )");
}

fw::Ref<fw::TextArea> Window3::TextArea1() { return fw::checkedCast<fw::TextArea>(ControlByName("TextArea1")); }
fw::Ref<fw::PushButton> Window3::PushButton1() { return fw::checkedCast<fw::PushButton>(ControlByName("PushButton1")); }

void Window3::PushButton1_Action(fw::Ref<fw::PushButton>) { Close(); }

} // namespace vantoro
