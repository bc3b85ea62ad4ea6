#include "shell/window3.h"

namespace vantoro {

namespace {
std::unique_ptr<fw::ClassRecord> build() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    r->methods = {
        {"Layout", 1, {fw::publicScope()}, "%%", fw::invokerOf<&Window3::Layout>()},
        {"CreateControls", 1, {fw::publicScope()}, "%%", fw::invokerOf<&Window3::CreateControls>()},
    };
    for (const fw::EventHook& e : fw::Window::staticRecord().eventHooks)
        r->eventHooks.push_back({e.event, e.event == "Layout" || e.event == "CreateControls" ? e.event : ""});
    r->attributes = {fw::publicScope()};
    return r;
}
} // namespace

const fw::ClassRecord& Window3::staticRecord() { return fw::lookupClass("Window3.Window3", build); }

void Window3::Layout() {
    SetWidth(300);
    SetHeight(200);
    SetVisible(true);
}

void Window3::CreateControls() {}

} // namespace vantoro
