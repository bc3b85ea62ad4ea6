#include "shell/window2.h"

#include "shell/designed_controls.h"
#include "shell/implicit_instances.h"
#include "shell/product_page.h"

#include "framework/services.h"

namespace vantoro {

namespace {
std::unique_ptr<fw::ClassRecord> build() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    using W = Window2;
    r->methods = {
        fw::publicMethod("Layout", "%%", fw::invokerOf<&W::Layout>()),
        fw::publicMethod("CreateControls", "%%", fw::invokerOf<&W::CreateControls>()),
        fw::hiddenMethod("_CreateControls0", "%%", fw::invokerOf<&W::CreateControls0>()),
        fw::publicMethod("Label1", "%o<Label>%", fw::invokerOf<&W::Label1>()),
        fw::publicMethod("Label2", "%o<Label>%", fw::invokerOf<&W::Label2>()),
        fw::publicMethod("PushButton1", "%o<PushButton>%", fw::invokerOf<&W::PushButton1>()),
        fw::publicMethod("Label3", "%o<Label>%", fw::invokerOf<&W::Label3>()),
        fw::publicMethod("ComboBox1", "%o<ComboBox>%", fw::invokerOf<&W::ComboBox1>()),
        fw::publicMethod("PushButton1_Action", "%%o<PushButton>", fw::invokerOf<&W::PushButton1_Action>()),
        fw::publicMethod("Label3_MouseDown", "%b%o<Label>i4i4", fw::invokerOf<&W::Label3_MouseDown>()),
    };
    // The About window answers no window event: it only lays itself out and
    // creates its controls.
    r->eventHooks = fw::hookEvents(fw::Window::staticRecord(), {{"Layout", "Layout"}, {"CreateControls", "CreateControls"}});
    r->attributes = {fw::publicScope()};
    return r;
}
} // namespace

const fw::ClassRecord& Window2::staticRecord() { return fw::lookupClass("Window2.Window2", build); }

void Window2::Layout() { fw::SetProperties(*this, about::kWindowRecord); }

void Window2::CreateControls() { fw::callMethod(*this, "_CreateControls0"); }

void Window2::CreateControls0() {
    design::createControl<fw::Label>(*this, "Label1", 18.0f, about::kLabel1);
    design::createControl<fw::Label>(*this, "Label2", 0.0f, about::kLabel2);
    design::createControl<fw::PushButton>(*this, "PushButton1", 0.0f, about::kPushButton1);
    design::wireEvent(*this, "PushButton1", "Action", "PushButton1_Action", "( PushButton )");
    design::createControl<fw::Label>(*this, "Label3", 9.0f, about::kLabel3);
    design::wireEvent(*this, "Label3", "MouseDown", "Label3_MouseDown", "( Label, Int32, Int32 ) as Boolean");
    design::createControl<fw::ComboBox>(*this, "ComboBox1", 0.0f, about::kComboBox1);
}

fw::Found<fw::Label> Window2::Label1() { return controlNamed<fw::Label>("Label1"); }
fw::Found<fw::Label> Window2::Label2() { return controlNamed<fw::Label>("Label2"); }
fw::Found<fw::PushButton> Window2::PushButton1() { return controlNamed<fw::PushButton>("PushButton1"); }
fw::Found<fw::Label> Window2::Label3() { return controlNamed<fw::Label>("Label3"); }
fw::Found<fw::ComboBox> Window2::ComboBox1() { return controlNamed<fw::ComboBox>("ComboBox1"); }

void Window2::PushButton1_Action(fw::Ref<fw::PushButton>) { Close(); }

// The page opens and the window closes on every press, whatever the browser does.
bool Window2::Label3_MouseDown(fw::Ref<fw::Label>, std::int32_t, std::int32_t) {
    fw::ShowURL(std::string(kProductPage));
    fw::deref(implicit::Window2()).Close();
    return false;
}

} // namespace vantoro
