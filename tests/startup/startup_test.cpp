// The whole process run once: start-up shows the main window alone, the Quit
// shortcut ends the event loop, and shut-down releases the menu bar and returns
// the runtime's exit code.
#include "framework/application.h"
#include "framework/class_record.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "framework/window.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/menu_bar1.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Seen {
    bool ran = false;
    int shownWindows = -1;
    std::vector<std::string> openClasses;
    std::string title;
    std::vector<std::string> boxes;
    bool sameMenuBar = false;
    bool menuBarBuilt = false;
    int pluginEntries = -1;
    bool quitByShortcut = true;
};

TEST(Startup, ShowsTheMainWindowAloneAndQuitsThroughItsShortcut) {
    // The runtime is started here only so that the steps below can be queued
    // for the program's own event loop; processMain finds it started.
    fw::testing::startHeadless();
    fw::seams::answerMessageBoxes(true);
    Seen seen;

    // Start-up takes as long as the machine lets it: the checks wait until it
    // has returned with the main window shown and active, so keys reach it.
    const auto started = [] {
        fw::Ref<fw::Window> main = fw::Window::GetImplicitWindow("Window1.Window1");
        return !fw::runtime::handlerRunning() && main && fw::testing::nativeShown(*main) &&
               fw::testing::topLevel(*main).active;
    };
    fw::testing::Watch whenStarted(started, [&] {
        // Should the shortcut not arrive, the menu item ends the run, and failing
        // that the loop is stopped so the test reports rather than hangs.
        fw::testing::later(3000, [&] {
            seen.quitByShortcut = false;
            if (fw::Ref<fw::Window> main = fw::Window::GetImplicitWindow("Window1.Window1"))
                fw::testing::chooseMenu(*main, "FileQuit");
        });
        fw::testing::later(20000, [] { fw::runtime::quit(); });
        seen.ran = true;
        seen.shownWindows = fw::testing::shownTopLevelWindows();
        for (const auto& w : fw::Window::openWindows()) seen.openClasses.push_back(w->classRecord().name);
        fw::Ref<fw::Window> main = fw::Window::GetImplicitWindow("Window1.Window1");
        if (!main) return;
        seen.title = fw::testing::nativeTitle(*main);
        seen.boxes = fw::seams::messageBoxTexts();
        fw::Ref<fw::Application> app = fw::runtime::appObject();
        seen.sameMenuBar = app && app->GetMenuBar() && app->GetMenuBar() == main->GetMenuBar() &&
                           app->GetMenuBar().get() == vantoro::implicit::MenuBar1().get();
        seen.menuBarBuilt = vantoro::implicit::menuBarBuilt();
        seen.pluginEntries = fw::runtime::pluginEntrypointCount();
        fw::testing::pressKeys(*main, "Ctrl+Q");
    }, [] { fw::runtime::quit(); });

    static char name[] = "vantoro2011";
    char* argv[] = {name, nullptr};
    const int status = vantoro::processMain(1, argv);

    ASSERT_TRUE(seen.ran);
    EXPECT_EQ(seen.shownWindows, 1);
    EXPECT_EQ(seen.openClasses, (std::vector<std::string>{"Window1.Window1"}));
    EXPECT_EQ(seen.title, "So You Want A Vantoro?");
    EXPECT_TRUE(seen.boxes.empty());
    EXPECT_TRUE(seen.sameMenuBar);
    EXPECT_TRUE(seen.menuBarBuilt);
    EXPECT_EQ(seen.pluginEntries, 0);
    EXPECT_TRUE(seen.quitByShortcut);

    EXPECT_EQ(status, 0);
    EXPECT_FALSE(vantoro::implicit::menuBarBuilt());
    EXPECT_TRUE(fw::Window::openWindows().empty());

    // The program's classes were registered in their fixed order.
    const auto names = fw::ClassRegistry::instance().names();
    const std::vector<std::string> order = {"App", "Window1.Window1", "Window1.Timer1", "Window1.Timer2",
                                            "Window1.Timer3", "MenuBar1.MenuBar1", "Window2.Window2",
                                            "Window3.Window3"};
    std::vector<std::ptrdiff_t> at;
    for (const std::string& cls : order) {
        auto it = std::find(names.begin(), names.end(), cls);
        ASSERT_NE(it, names.end()) << cls;
        at.push_back(it - names.begin());
    }
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end()));
}

} // namespace
