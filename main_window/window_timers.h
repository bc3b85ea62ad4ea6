// The main window's timers. A framework timer is a plain object; these classes
// let a timer sit in a window like its controls: each remembers its owning
// window (a counted reference, released when the timer goes) and its index.
#pragma once

#include "framework/controls/timer.h"
#include "framework/window.h"

namespace vantoro {

class WindowTimer : public fw::Timer, public fw::PaneChild {
public:
    ~WindowTimer() override;

    void Constructor() {}
    void SetWindow(fw::Ref<fw::Window> w);
    fw::Ref<fw::Window> Window() const { return ownerWindow_; }
    std::int32_t Index() const { return index_; }
    void SetIndex(std::int32_t i) { index_ = i; }

    void SetWindowOwner(fw::Window* window) override { SetWindow(fw::Ref<fw::Window>(window)); }
    void windowClosed() override;

protected:
    static std::unique_ptr<fw::ClassRecord> buildRecord();

private:
    std::int32_t index_ = fw::kNoIndex;
    fw::Ref<fw::Window> ownerWindow_;
};

class Window1Timer1 : public WindowTimer {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }
};

class Window1Timer2 : public WindowTimer {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }
};

class Window1Timer3 : public WindowTimer {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }
};

} // namespace vantoro
