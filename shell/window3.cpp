#include "shell/window3.h"

#include "shell/designed_controls.h"

namespace vantoro {

namespace {
std::unique_ptr<fw::ClassRecord> build() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    using W = Window3;
    r->methods = {
        fw::publicMethod("Layout", "%%", fw::invokerOf<&W::Layout>()),
        fw::publicMethod("CreateControls", "%%", fw::invokerOf<&W::CreateControls>()),
        fw::hiddenMethod("_CreateControls0", "%%", fw::invokerOf<&W::CreateControls0>()),
        fw::publicMethod("TextArea1", "%o<TextArea>%", fw::invokerOf<&W::TextArea1>()),
        fw::publicMethod("PushButton1", "%o<PushButton>%", fw::invokerOf<&W::PushButton1>()),
        fw::publicMethod("PushButton1_Action", "%%o<PushButton>", fw::invokerOf<&W::PushButton1_Action>()),
    };
    // The Instructions window answers no window event: it only lays itself out
    // and creates its controls.
    r->eventHooks = fw::hookEvents(fw::Window::staticRecord(), {{"Layout", "Layout"}, {"CreateControls", "CreateControls"}});
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

fw::Found<fw::TextArea> Window3::TextArea1() { return controlNamed<fw::TextArea>("TextArea1"); }
fw::Found<fw::PushButton> Window3::PushButton1() { return controlNamed<fw::PushButton>("PushButton1"); }

void Window3::PushButton1_Action(fw::Ref<fw::PushButton>) { Close(); }

} // namespace vantoro
