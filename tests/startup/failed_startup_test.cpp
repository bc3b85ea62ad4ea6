// A start-up that fails part-way: the exception is reported once, the event
// loop never runs (nobody could see or quit it), shut-down still releases the
// module-level objects, and the process ends with a failure status.
#include "framework/object.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "framework/window.h"
#include "shell/implicit_instances.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

bool startupGotToTheEnd = false;
bool loopRan = false;

// Start-up's own handlers may let queued events run; only what comes after it
// left tells whether the event loop ran.
struct AskTheLoopOnLeaving {
    ~AskTheLoopOnLeaving() {
        fw::testing::later(0, [] { loopRan = true; });
    }
};

// The program's start-up steps up to the main window, then a missing object.
int failingStartup() {
    AskTheLoopOnLeaving ask;
    fw::runtime::initExternalClasses();
    fw::runtime::allocatePluginEntrypointsTable(0);
    vantoro::NewAppInstance();
    vantoro::MakeDefaultView();
    fw::deref(fw::Ref<fw::Window>()).Show();
    startupGotToTheEnd = true;
    return 0;
}

TEST(FailedStartup, IsReportedOnceAndShutsDownWithoutRunningTheEventLoop) {
    fw::testing::startHeadless();
    fw::seams::answerMessageBoxes(true);
    // Should the loop run after all, it is stopped so the test reports rather than hangs.
    fw::testing::later(2000, [] { fw::runtime::quit(); });

    static char name[] = "vantoro2011";
    char* argv[] = {name, nullptr};
    const int status = vantoro::processMain(1, argv, failingStartup);

    EXPECT_FALSE(startupGotToTheEnd);
    EXPECT_EQ(fw::seams::messageBoxTexts(),
              (std::vector<std::string>{"An exception of class NilObjectException was not handled."}));
    EXPECT_FALSE(loopRan);
    // Shut-down ran: the main window is closed and the menu bar released.
    EXPECT_TRUE(fw::Window::openWindows().empty());
    EXPECT_FALSE(vantoro::implicit::menuBarBuilt());
    EXPECT_EQ(status, 1);
}

} // namespace
