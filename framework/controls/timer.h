// A timer: Mode 1 raises Action once, Period milliseconds later; Mode 0 is off.
// A timer whose window has closed never fires.
#pragma once

#include "framework/control.h"

namespace fw {

class Timer : public Control {
public:
    Timer();
    ~Timer() override;

    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    std::int32_t Mode() const { return mode_; }
    void SetMode(std::int32_t mode);
    std::int32_t Period() const { return period_; }
    void SetPeriod(std::int32_t ms);
    // Restarts the countdown of an armed timer.
    void Reset();

    void windowClosed() override;
    bool isArmed() const;

private:
    void fire();
    struct Clock;
    std::unique_ptr<Clock> clock_;
    std::int32_t mode_ = 0;
    std::int32_t period_ = 1000;
    // Counts armings and turnings-off, so a firing that waited can tell it is stale.
    std::uint64_t armings_ = 0;
};

// A child of a window that is not a visible control: the window tells it its
// owner when it is added.
class PaneChild {
public:
    virtual ~PaneChild() = default;
    virtual void SetWindowOwner(Window* window) = 0;
};

} // namespace fw
