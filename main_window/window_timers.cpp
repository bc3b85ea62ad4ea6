#include "main_window/window_timers.h"

namespace vantoro {

WindowTimer::~WindowTimer() { ownerWindow_ = nullptr; }

void WindowTimer::SetWindow(fw::Ref<fw::Window> w) { ownerWindow_ = std::move(w); }

void WindowTimer::windowClosed() {
    fw::Timer::windowClosed();
    // The closed window must not be kept alive by its own timer.
    ownerWindow_ = nullptr;
}

std::unique_ptr<fw::ClassRecord> WindowTimer::buildRecord() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Timer::staticRecord();
    using fw::hiddenMethod;
    using fw::publicMethod;
    using fw::publicScope;
    r->methods = {
        hiddenMethod("_SetWindow", "%%o<Window>", fw::invokerOf<&WindowTimer::SetWindow>()),
        publicMethod("Window", "%o<Window>%", fw::invokerOf<&WindowTimer::Window>()),
        hiddenMethod("_Index", "%i4%", fw::invokerOf<&WindowTimer::Index>()),
        hiddenMethod("_SetIndex", "%%i4", fw::invokerOf<&WindowTimer::SetIndex>()),
        publicMethod("Constructor", "%%", fw::invokerOf<&WindowTimer::Constructor>()),
    };
    r->interfaces = {{"actionSource", {"addActionNotificationReceiver", "removeActionNotificationReceiver"}},
                     {"_PaneChild", {"_SetWindow", "Window", "_Index", "_SetIndex"}}};
    fw::PropertyRow index;
    index.name = "Index";
    index.typeCode = "i4";
    index.attributes = {publicScope()};
    index.get = [](const fw::Object& o) { return fw::Value(static_cast<const WindowTimer&>(o).Index()); };
    index.set = [](fw::Object& o, const fw::Value& v) { static_cast<WindowTimer&>(o).SetIndex(std::get<std::int32_t>(v)); };
    fw::PropertyRow owner;
    owner.name = "ownerWindow";
    owner.typeCode = "o<Window>";
    owner.attributes = {fw::privateScope()};
    owner.get = [](const fw::Object& o) {
        return fw::Value(fw::Ref<fw::Object>(static_cast<const WindowTimer&>(o).Window().get()));
    };
    r->properties = {index, owner};
    r->attributes = {fw::privateScope()};
    return r;
}

const fw::ClassRecord& Window1Timer1::staticRecord() { return fw::lookupClass("Window1.Timer1", buildRecord); }
const fw::ClassRecord& Window1Timer2::staticRecord() { return fw::lookupClass("Window1.Timer2", buildRecord); }
const fw::ClassRecord& Window1Timer3::staticRecord() { return fw::lookupClass("Window1.Timer3", buildRecord); }

} // namespace vantoro
