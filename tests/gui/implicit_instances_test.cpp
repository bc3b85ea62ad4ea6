// Implicit instances: one open window per class, found by its class name; a
// closed window is gone and the next request builds a fresh one.
#include "framework/class_record.h"
#include "framework/test_driver.h"
#include "framework/window.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/window2.h"
#include "shell/window3.h"

#include <gtest/gtest.h>

namespace {

int openWindowsOfClass(const std::string& className) {
    int n = 0;
    for (const auto& w : fw::Window::openWindows()) n += w->classRecord().name == className;
    return n;
}

TEST(ImplicitInstances, OneMainWindowFoundByItsClassName) {
    auto w = vantoro::implicit::Window1();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isOpen());
    EXPECT_TRUE(fw::testing::nativeShown(*w));
    EXPECT_EQ(vantoro::implicit::Window1().get(), w.get());
    EXPECT_EQ(openWindowsOfClass("Window1.Window1"), 1);

    // The lookup goes by the name in the class's registered record.
    EXPECT_EQ(fw::ClassRegistry::instance().find("Window1.Window1"), &vantoro::Window1::staticRecord());
    EXPECT_EQ(fw::Window::GetImplicitWindow("Window1.Window1").get(), w.get());
    EXPECT_FALSE(fw::Window::GetImplicitWindow("Window1"));
    EXPECT_FALSE(fw::Window::GetImplicitWindow("Window2.Window2"));
    w->Close();
}

TEST(ImplicitInstances, AClosedWindowIsGoneAndTheNextOneIsFresh) {
    auto old = vantoro::implicit::Window1();
    old->team.push_back("LSU (1)_10");
    old->listit = 1;
    fw::deref(old->PushButton8()).SetEnabled(false);
    std::shared_ptr<fw::Window*> token = old->aliveToken();

    old->Close();
    EXPECT_FALSE(old->isOpen());
    EXPECT_FALSE(fw::Window::GetImplicitWindow("Window1.Window1"));
    EXPECT_EQ(openWindowsOfClass("Window1.Window1"), 0);
    EXPECT_FALSE(old->PushButton1());

    auto fresh = vantoro::implicit::Window1();
    EXPECT_NE(fresh.get(), old.get());
    EXPECT_TRUE(fresh->team.empty());
    EXPECT_EQ(fresh->listit, 0);
    EXPECT_TRUE(fw::deref(fresh->PushButton8()).Enabled());
    EXPECT_EQ(openWindowsOfClass("Window1.Window1"), 1);

    // Nothing but this test holds the closed window: dropping it destroys it.
    old = nullptr;
    fw::testing::processEvents();
    EXPECT_EQ(*token, nullptr);
    fresh->Close();
}

TEST(ImplicitInstances, EachWindowClassHasItsOwnInstance) {
    auto main = vantoro::implicit::Window1();
    auto about = vantoro::implicit::Window2();
    auto instructions = vantoro::implicit::Window3();
    EXPECT_EQ(about->classRecord().name, "Window2.Window2");
    EXPECT_EQ(instructions->classRecord().name, "Window3.Window3");
    EXPECT_EQ(vantoro::implicit::Window2().get(), about.get());
    EXPECT_EQ(vantoro::implicit::Window3().get(), instructions.get());
    EXPECT_EQ(vantoro::implicit::Window1().get(), main.get());
    EXPECT_EQ(openWindowsOfClass("Window2.Window2"), 1);
    EXPECT_EQ(openWindowsOfClass("Window3.Window3"), 1);

    about->Close();
    EXPECT_FALSE(fw::Window::GetImplicitWindow("Window2.Window2"));
    EXPECT_EQ(vantoro::implicit::Window1().get(), main.get());
    auto again = vantoro::implicit::Window2();
    EXPECT_NE(again.get(), about.get());
    again->Close();
    instructions->Close();
    main->Close();
}

} // namespace
