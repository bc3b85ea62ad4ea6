// The whole program on a Wayland compositor with no X server beside it (run
// by tests/smoke/gtest_on.sh): it connects there, its windows of fixed
// size and a message box are asked to maximise as the title bar that Qt draws
// there asks, and it goes on running at its sizes and quits through its menu
// with status 0. A compositor that insists on the maximised size ends the
// connection, and with it the process, at the next paint of a window it holds
// maximised.
#include "framework/runtime.h"
#include "framework/test_driver.h"
#include "framework/window.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct Size {
    int width = 0, height = 0;
    bool maximized = false;
    bool operator==(const Size&) const = default;
    friend void PrintTo(const Size& s, std::ostream* out) {
        *out << s.width << " x " << s.height << (s.maximized ? ", maximised" : "");
    }
};

struct Seen {
    std::string platform;
    bool mainShown = false, aboutShown = false, instructionsShown = false;
    bool mainAnswered = false, aboutAnswered = false;
    bool mainShownAgain = false, aboutShownAgain = false;
    bool menusOpened = false;
    bool boxAnswered = false;
    std::string boxText;
    Size mainBefore, mainAfter, aboutBefore, aboutAfter;
    bool quitChosen = false;
};
Seen seen;

Size sizeOf(const fw::Window& window) {
    const fw::testing::TopLevelInfo info = fw::testing::topLevel(window);
    return {info.width, info.height, info.maximized};
}

fw::Ref<fw::Window> openWindow(const char* className) { return fw::Window::GetImplicitWindow(className); }

// The user's steps, from the event loop once start-up has returned. Each waits
// for what the window system shows; a wait that ends without it is recorded.
void useTheWindows() {
    seen.platform = fw::testing::platformName();
    fw::Ref<fw::Window> main = openWindow("Window1.Window1");
    if (!main || !(seen.mainShown = fw::testing::waitUntilExposed(*main))) return fw::runtime::quit();
    seen.mainBefore = sizeOf(*main);
    seen.mainAnswered = fw::testing::askToMaximize(*main);
    seen.mainShownAgain = fw::testing::waitUntilExposed(*main);
    // A menu paints the window again, which a compositor holding it maximised refuses.
    seen.menusOpened = fw::testing::openMenu(*main, "FileMenu");
    fw::testing::chooseMenu(*main, "FileAboutVantoro2011");
    fw::Ref<fw::Window> about = openWindow("Window2.Window2");
    if (!about || !(seen.aboutShown = fw::testing::waitUntilExposed(*about))) return fw::runtime::quit();
    seen.aboutBefore = sizeOf(*about);
    seen.aboutAnswered = fw::testing::askToMaximize(*about);
    seen.aboutShownAgain = fw::testing::waitUntilExposed(*about);
    seen.menusOpened = fw::testing::openMenu(*about, "EditMenu") && fw::testing::openMenu(*main, "FileMenu") &&
                       seen.menusOpened;
    // The message box of a team chosen twice, asked while its handler waits for the answer.
    fw::Ref<vantoro::Window1> window1 = vantoro::implicit::Window1();
    fw::testing::chooseRow(fw::Ref<fw::Object>(window1->PopupMenu1().get()), 1);
    {
        fw::testing::Watch whenBoxShown([] { return !fw::testing::modalBoxText().empty(); },
                                        [] {
                                            seen.boxAnswered = fw::testing::askToMaximizeModalBox();
                                            seen.boxText = fw::testing::modalBoxText();
                                            fw::testing::clickModalBoxOk();
                                        },
                                        [] { fw::testing::dismissModalBoxes(); });
        fw::testing::chooseRow(fw::Ref<fw::Object>(window1->PopupMenu2().get()), 1);
    }
    // A window shown after every paint above has been answered: the connection holds.
    fw::testing::chooseMenu(*main, "instructionsinstructions");
    fw::Ref<fw::Window> instructions = openWindow("Window3.Window3");
    seen.instructionsShown = instructions && fw::testing::waitUntilExposed(*instructions);
    seen.mainAfter = sizeOf(*main);
    seen.aboutAfter = sizeOf(*about);
    seen.quitChosen = fw::testing::chooseMenu(*main, "FileQuit");
    if (!seen.quitChosen) fw::runtime::quit();
}

int startupThenUse() {
    const int status = vantoro::Startup();
    fw::testing::later(0, useTheWindows);
    return status;
}

TEST(Wayland, WindowsOfFixedSizeStayAtTheirSizeWhenAskedToMaximizeAndTheProgramQuits) {
    static char name[] = "vantoro2011";
    char* argv[] = {name, nullptr};
    const int status = vantoro::processMain(1, argv, startupThenUse);

    EXPECT_EQ(seen.platform, "wayland");
    ASSERT_TRUE(seen.mainShown);
    EXPECT_TRUE(seen.mainAnswered);
    EXPECT_TRUE(seen.mainShownAgain);
    ASSERT_TRUE(seen.aboutShown);
    EXPECT_TRUE(seen.aboutAnswered);
    EXPECT_TRUE(seen.aboutShownAgain);
    EXPECT_TRUE(seen.menusOpened);
    EXPECT_TRUE(seen.boxAnswered);
    EXPECT_EQ(seen.boxText, "Your team choice can not match another choice");
    EXPECT_TRUE(seen.instructionsShown);
    EXPECT_FALSE(seen.mainBefore.maximized);
    EXPECT_EQ(seen.mainAfter, seen.mainBefore);
    EXPECT_EQ(seen.aboutAfter, seen.aboutBefore);
    // The content areas' design sizes, below a menu bar.
    EXPECT_EQ(seen.mainBefore.width, 850);
    EXPECT_GT(seen.mainBefore.height, 650);
    EXPECT_EQ(seen.aboutBefore.width, 300);
    EXPECT_GT(seen.aboutBefore.height, 200);
    EXPECT_TRUE(seen.quitChosen);
    EXPECT_EQ(status, 0);
}

} // namespace
