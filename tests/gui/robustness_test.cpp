// The main window under long use: Restart after Restart leaves every widget
// its own accessibility interface.
#include "framework/delegate.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Robustness, EveryWidgetKeepsItsOwnAccessibleInterfaceThroughManyRestarts) {
    // A deleted widget whose entry stayed behind hands its dead interface to
    // the next widget built at its address; asking every widget after each
    // Restart, as a screen reader does, finds one soon.
    fw::Ref<vantoro::Window1> w = vantoro::implicit::Window1();
    int foreign = 0;
    int restarts = 0;
    for (; restarts < 200 && foreign == 0; ++restarts) {
        foreign += fw::testing::foreignAccessibleInterfaces(*w);
        fw::testing::click(w->PushButton8());
        // The event loop's turn: the closed window's widgets are deleted.
        fw::testing::wait(0);
        ASSERT_FALSE(w->isOpen());
        w = vantoro::implicit::Window1();
    }
    foreign += fw::testing::foreignAccessibleInterfaces(*w);
    EXPECT_EQ(foreign, 0) << "after " << restarts << " restarts";
    EXPECT_EQ(fw::Window::openWindows().size(), 1u);
    w->Close();
}

} // namespace
