// The main window's timers: a single shot about a period after arming, never
// after the window closes, and an owner reference that does not outlive the
// window's close.
#include "framework/class_record.h"
#include "framework/delegate.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "main_window/window_timers.h"
#include "shell/implicit_instances.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Stands in for the window's own timer handlers, so that firing runs nothing of
// the tournament.
class Counter : public fw::Object {
public:
    static const fw::ClassRecord& staticRecord() {
        return fw::lookupClass("TimerCounter", [] {
            auto r = std::make_unique<fw::ClassRecord>();
            r->methods = {fw::publicMethod("Tick", "%%o<Timer>", fw::invokerOf<&Counter::Tick>())};
            return r;
        });
    }
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }
    void Tick(fw::Ref<fw::Timer>) {
        ++ticks;
        firedAt = Clock::now();
    }
    int ticks = 0;
    Clock::time_point firedAt;
};

fw::Ref<Counter> countActions(const fw::Ref<fw::Timer>& timer) {
    auto counter = fw::make<Counter>();
    timer->AddEventHandler("Action", fw::createDelegate(fw::Ref<fw::Object>(counter.get()), "Tick", "( Timer )"));
    return counter;
}

TEST(WindowTimers, FireOnceAboutPeriodAfterArming) {
    auto w = vantoro::implicit::Window1();
    for (auto timer : {w->Timer1(), w->Timer2(), w->Timer3()}) {
        EXPECT_EQ(timer->Mode(), 0);
        EXPECT_FALSE(timer->isArmed());
    }
    fw::Ref<fw::Timer> timer = w->Timer1();
    // The design's period; the design tests say what it is.
    const int period = timer->Period();
    auto counter = countActions(timer);
    const auto armed = Clock::now();
    timer->SetMode(1);
    EXPECT_TRUE(fw::testing::waitUntil([counter] { return counter->ticks > 0; }));
    ASSERT_EQ(counter->ticks, 1);
    // Not before its period, less the timer's slack; how much later a busy
    // machine decides.
    const auto after = std::chrono::duration_cast<std::chrono::milliseconds>(counter->firedAt - armed).count();
    EXPECT_GE(after, period - 50);
    EXPECT_EQ(timer->Mode(), 0);

    // A single shot: nothing more until armed anew.
    fw::testing::wait(period + 200);
    EXPECT_EQ(counter->ticks, 1);
    timer->SetMode(1);
    EXPECT_TRUE(fw::testing::waitUntil([counter] { return counter->ticks > 1; }));
    EXPECT_EQ(counter->ticks, 2);
    w->Close();
}

TEST(WindowTimers, NeverFireAfterTheirWindowCloses) {
    auto w = vantoro::implicit::Window1();
    fw::Ref<fw::Timer> timer = w->Timer2();
    const int period = timer->Period();
    auto counter = countActions(timer);
    // Armed and closed with no event loop run between, so however slow the
    // machine, it cannot have fired before the close.
    timer->SetMode(1);
    w->Close();
    fw::testing::wait(period + 300);
    EXPECT_EQ(counter->ticks, 0);
}

TEST(WindowTimers, OwnerAndIndex) {
    auto w = vantoro::implicit::Window1();
    struct Expected {
        fw::Ref<fw::Timer> timer;
        const char* cls;
    };
    for (const auto& [timer, cls] : {Expected{w->Timer1(), "Window1.Timer1"}, Expected{w->Timer2(), "Window1.Timer2"},
                                     Expected{w->Timer3(), "Window1.Timer3"}}) {
        EXPECT_EQ(timer->classRecord().name, cls);
        auto windowTimer = fw::checkedCast<vantoro::WindowTimer>(fw::Ref<fw::Object>(timer.get()));
        EXPECT_EQ(windowTimer->Window().get(), w.get());
        windowTimer->SetIndex(7);
        EXPECT_EQ(windowTimer->Index(), 7);
        // The same through the class's method rows.
        fw::callMethod(*timer, "_SetIndex", std::vector<fw::Value>{fw::Value(std::int32_t{-3})});
        EXPECT_EQ(std::get<std::int32_t>(fw::callMethod(*timer, "_Index")), -3);
        EXPECT_EQ(std::get<fw::Ref<fw::Object>>(fw::callMethod(*timer, "Window")).get(), w.get());
    }
    w->Close();
}

TEST(WindowTimers, SetWindowHoldsOnlyTheLastWindow) {
    auto a = fw::make<fw::Window>();
    auto b = fw::make<fw::Window>();
    auto timer = fw::newObject<vantoro::Window1Timer3>();
    timer->SetWindow(a);
    timer->SetWindow(a);
    EXPECT_EQ(a->refCount(), 2);
    timer->SetWindow(b);
    EXPECT_EQ(a->refCount(), 1);
    EXPECT_EQ(b->refCount(), 2);
    EXPECT_EQ(timer->Window().get(), b.get());
    timer = nullptr;
    EXPECT_EQ(b->refCount(), 1);
}

TEST(WindowTimers, ClosingTheWindowLetsItGo) {
    auto w = vantoro::implicit::Window1();
    std::shared_ptr<fw::Window*> token = w->aliveToken();
    w->Timer3()->SetMode(1);
    w->Close();
    w = nullptr;
    fw::testing::processEvents();
    EXPECT_EQ(*token, nullptr);
}

TEST(WindowTimers, ClassRecords) {
    for (const fw::ClassRecord* r : {&vantoro::Window1Timer1::staticRecord(), &vantoro::Window1Timer2::staticRecord(),
                                     &vantoro::Window1Timer3::staticRecord()}) {
        SCOPED_TRACE(r->name);
        EXPECT_EQ(r->base, &fw::Timer::staticRecord());
        ASSERT_EQ(r->attributes.size(), 1u);
        EXPECT_EQ(r->attributes[0].value, "Private");
        const char* names[] = {"_SetWindow", "Window", "_Index", "_SetIndex", "Constructor"};
        const char* signatures[] = {"%%o<Window>", "%o<Window>%", "%i4%", "%%i4", "%%"};
        const bool hiddenRow[] = {true, false, true, true, false};
        ASSERT_EQ(r->methods.size(), 5u);
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(r->methods[i].name, names[i]);
            EXPECT_EQ(r->methods[i].signature, signatures[i]);
            EXPECT_EQ(r->methods[i].attributes.size(), hiddenRow[i] ? 2u : 1u);
        }
        ASSERT_EQ(r->properties.size(), 2u);
        EXPECT_EQ(r->properties[0].name, "Index");
        EXPECT_EQ(r->properties[0].typeCode, "i4");
        EXPECT_EQ(r->properties[1].name, "ownerWindow");
        EXPECT_EQ(r->properties[1].typeCode, "o<Window>");
        EXPECT_EQ(r->properties[1].attributes[0].value, "Private");
    }
    const auto table = vantoro::Window1Timer1::staticRecord().operationTable();
    const char* slots[] = {"Reset", "addActionNotificationReceiver", "removeActionNotificationReceiver", "_CallAction",
                           "_SetWindow", "Window", "_Index", "_SetIndex", "Constructor"};
    ASSERT_EQ(table.size(), std::size(slots));
    for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i]->name, slots[i]);
}

} // namespace
