#include "framework/controls/timer.h"

#include "framework/window.h"

#include <QTimer>

namespace fw {

struct Timer::Clock {
    QTimer timer;
};

namespace {
std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &Control::staticRecord();
    r->methods = {publicMethod("Reset", "%%", invokerOf<&Timer::Reset>()), publicMethod("addActionNotificationReceiver"),
                  publicMethod("removeActionNotificationReceiver"), publicMethod("_CallAction")};
    r->interfaces = {{"actionSource", {"addActionNotificationReceiver", "removeActionNotificationReceiver"}}};
    r->properties = {
        props::row<Timer, std::int32_t>("Mode", "i4", &Timer::Mode, &Timer::SetMode),
        props::row<Timer, std::int32_t>("Period", "i4", &Timer::Period, &Timer::SetPeriod),
    };
    return r;
}
} // namespace

const ClassRecord& Timer::staticRecord() { return lookupClass("Timer", build); }

Timer::Timer() : clock_(std::make_unique<Clock>()) {
    clock_->timer.setSingleShot(true);
    clock_->timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&clock_->timer, &QTimer::timeout, &clock_->timer, [this] { fire(); });
}

Timer::~Timer() = default;

void Timer::SetMode(std::int32_t mode) {
    mode_ = mode;
    if (mode_ == 0) {
        ++armings_;
        clock_->timer.stop();
    } else {
        Reset();
    }
}

void Timer::SetPeriod(std::int32_t ms) {
    period_ = ms;
    if (clock_->timer.isActive()) Reset();
}

void Timer::Reset() {
    if (mode_ == 0) return;
    if (Window* w = window(); !w || !w->isOpen()) return;
    ++armings_;
    clock_->timer.start(std::max<std::int32_t>(period_, 0));
}

bool Timer::isArmed() const { return clock_->timer.isActive(); }

void Timer::windowClosed() {
    clock_->timer.stop();
    Control::windowClosed();
}

void Timer::fire() {
    // The firing waits while another handler runs; it is void if the timer was
    // armed again or turned off meanwhile, or its window closed.
    raiseUserEvent("Action", {}, [this, arming = armings_] {
        if (armings_ != arming || mode_ == 0) return false;
        // A single shot is off once it has fired.
        if (mode_ == 1) mode_ = 0;
        return true;
    });
}

} // namespace fw
