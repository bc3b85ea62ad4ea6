// Input from a real X server while a handler yields: it waits for the handler
// in one line with the timer firings, and runs as soon as the handler returns.
// Runs under a virtual X server (tests/smoke/gtest_on.sh), not headless.
#include "framework/controls/push_button.h"
#include "framework/controls/timer.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Yields until `done` holds; false if it never does within a deadline that
// only a broken runtime reaches.
bool yieldUntil(const std::function<bool()>& done) {
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (Clock::now() > deadline) return false;
        fw::runtime::yield();
    }
    return true;
}

class InputWindow : public fw::Window {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }

    std::vector<std::string> log;
    bool clickArrived = false, firingArrived = false;

    void Layout() {
        SetTitle("Queued input");
        SetWidth(300);
        SetHeight(120);
        SetVisible(true);
    }

    void CreateControls() {
        add<fw::PushButton>("Long", 10, 10);
        add<fw::PushButton>("Target", 150, 10);
        add<fw::Timer>("Clock", 0, 0);
    }

    fw::Ref<fw::PushButton> Long() { return fw::checkedCast<fw::PushButton>(ControlByName("Long")); }
    fw::Ref<fw::PushButton> Target() { return fw::checkedCast<fw::PushButton>(ControlByName("Target")); }
    fw::Ref<fw::Timer> Timer() { return fw::checkedCast<fw::Timer>(ControlByName("Clock")); }

    // A long loop: a real click on Target comes during its yields, then the
    // timer comes due, and only then does the loop end.
    void Long_Action(fw::Ref<fw::PushButton>) {
        log.push_back("long start");
        const std::size_t before = fw::runtime::waitingCount();
        if (std::system("xdotool click 1") != 0) log.push_back("xdotool failed");
        // The press and the release.
        clickArrived = yieldUntil([&] { return fw::runtime::waitingCount() >= before + 2; });
        const std::size_t withClick = fw::runtime::waitingCount();
        Timer()->SetPeriod(1);
        Timer()->SetMode(1);
        firingArrived = yieldUntil([&] { return fw::runtime::waitingCount() > withClick; });
        // Nothing wakes the event loop after this handler but this zero-delay
        // timer: what waited must not need it.
        fw::testing::later(0, [this] { log.push_back("loop woke"); });
        log.push_back("long end");
    }
    void Target_Action(fw::Ref<fw::PushButton>) { log.push_back("click"); }
    void Clock_Action(fw::Ref<fw::Timer>) { log.push_back("timer"); }

private:
    template <class T>
    void add(const std::string& name, int left, int top) {
        fw::Ref<T> control = New<T>();
        AddControl(name, fw::Ref<fw::Object>(control.get()));
        if constexpr (std::is_base_of_v<fw::RectControl, T>) {
            control->SetLeft(left);
            control->SetTop(top);
            control->SetWidth(120);
            control->SetHeight(40);
        }
        const std::string className = control->classRecord().name;
        control->AddEventHandler("Action", fw::createDelegate(fw::Ref<fw::Object>(this), name + "_Action",
                                                              "( " + className + " )"));
    }
};

std::unique_ptr<fw::ClassRecord> buildInputWindow() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    using W = InputWindow;
    r->methods = {
        fw::publicMethod("Layout", "%%", fw::invokerOf<&W::Layout>()),
        fw::publicMethod("CreateControls", "%%", fw::invokerOf<&W::CreateControls>()),
        fw::publicMethod("Long_Action", "%%o<PushButton>", fw::invokerOf<&W::Long_Action>()),
        fw::publicMethod("Target_Action", "%%o<PushButton>", fw::invokerOf<&W::Target_Action>()),
        fw::publicMethod("Clock_Action", "%%o<Timer>", fw::invokerOf<&W::Clock_Action>()),
    };
    r->eventHooks = {{"Layout", "Layout"}, {"CreateControls", "CreateControls"}};
    return r;
}

const fw::ClassRecord& InputWindow::staticRecord() { return fw::lookupClass("InputWindow.InputWindow", buildInputWindow); }

TEST(QueuedInput, ARealClickDuringAYieldRunsAtOnceWhenTheHandlerReturnsBeforeALaterTimer) {
    fw::Ref<InputWindow> w = fw::newObject<InputWindow>();
    w->Constructor();
    ASSERT_TRUE(fw::testing::waitUntilExposed(*w));
    const fw::testing::ScreenPoint target = fw::testing::screenCenter(w->Target());
    const std::string move =
        "xdotool mousemove --sync " + std::to_string(target.x) + " " + std::to_string(target.y);
    ASSERT_EQ(std::system(move.c_str()), 0);

    fw::testing::click(w->Long());
    EXPECT_TRUE(w->clickArrived) << "the real click never reached the program during the yield";
    EXPECT_TRUE(w->firingArrived);
    fw::testing::waitUntil([&] { return w->log.size() >= 5; });
    EXPECT_EQ(w->log, (std::vector<std::string>{"long start", "long end", "click", "timer", "loop woke"}));
    w->Close();
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    fw::testing::startHeadless();
    fw::seams::answerMessageBoxes(true);
    const int result = RUN_ALL_TESTS();
    fw::runtime::exit();
    return result;
}
