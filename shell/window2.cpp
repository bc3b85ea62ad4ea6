#include "shell/window2.h"

namespace vantoro {

namespace {
std::unique_ptr<fw::ClassRecord> build() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    r->methods = {
        {"Layout", 1, {fw::publicScope()}, "%%", fw::invokerOf<&Window2::Layout>()},
        {"CreateControls", 1, {fw::publicScope()}, "%%", fw::invokerOf<&Window2::CreateControls>()},
    };
    for (const fw::EventHook& e : fw::Window::staticRecord().eventHooks)
        r->eventHooks.push_back({e.event, e.event == "Layout" || e.event == "CreateControls" ? e.event : ""});
    r->attributes = {fw::publicScope()};
    return r;
}
} // namespace

const fw::ClassRecord& Window2::staticRecord() { return fw::lookupClass("Window2.Window2", build); }

void Window2::Layout() {
    SetWidth(300);
    SetHeight(200);
    SetVisible(true);
}

void Window2::CreateControls() {}

} // namespace vantoro
