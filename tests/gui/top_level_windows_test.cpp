// The three top-level windows as a window manager sees them: one fixed size,
// menu bar included, and the title bar buttons of their designs; a further menu
// command brings a minimised window back; control text in a face narrow enough
// for the designed boxes, so the About window's title clears its combo box.
#include "framework/test_driver.h"
#include "framework/text_font.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/window2.h"
#include "shell/window3.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using fw::testing::inspect;

fw::testing::Box boxOf(const fw::Ref<fw::Object>& control) {
    const auto seen = inspect(control);
    return {seen.left, seen.top, seen.width, seen.height};
}

TEST(TextFont, SystemIsTheFirstInstalledNarrowSans) {
    const auto none = [](const std::string&) { return false; };
    const auto onlyArimo = [](const std::string& f) { return f == "Arimo"; };
    const auto both = [](const std::string& f) { return f == "Liberation Sans" || f == "Arimo" || f == "Courier"; };
    EXPECT_EQ(fw::textFontFamily("System", none), "") << "nothing installed: the platform's default stays";
    EXPECT_EQ(fw::textFontFamily("System", onlyArimo), "Arimo");
    EXPECT_EQ(fw::textFontFamily("system", both), "Liberation Sans");
    EXPECT_EQ(fw::textFontFamily("", both), "Liberation Sans");
    EXPECT_EQ(fw::textFontFamily("Courier", both), "Courier");
    EXPECT_EQ(fw::textFontFamily("No Such Face", both), "Liberation Sans");
    EXPECT_EQ(fw::textFontFamily("No Such Face", none), "");

    // Against the installed fonts: a missing face is not taken for installed.
    const std::string system = fw::textFontFamily("System");
    EXPECT_FALSE(system.empty()) << "no narrow sans installed (bash tools/deps.sh installs it)";
    EXPECT_EQ(fw::textFontFamily("No Such Face Anywhere"), system);
}

class TopLevelWindows : public ::testing::Test {
protected:
    void SetUp() override { main = vantoro::implicit::Window1(); }
    void TearDown() override {
        for (const char* name : {"Window2.Window2", "Window3.Window3"})
            if (auto open = fw::Window::GetImplicitWindow(name)) open->Close();
        main->Close();
    }
    fw::Ref<vantoro::Window2> chooseAbout() {
        EXPECT_TRUE(fw::testing::chooseMenu(*main, "FileAboutVantoro2011"));
        return fw::checkedCast<vantoro::Window2>(fw::Window::GetImplicitWindow("Window2.Window2"));
    }
    fw::Ref<vantoro::Window3> chooseInstructions() {
        EXPECT_TRUE(fw::testing::chooseMenu(*main, "instructionsinstructions"));
        return fw::checkedCast<vantoro::Window3>(fw::Window::GetImplicitWindow("Window3.Window3"));
    }
    fw::Ref<vantoro::Window1> main;
};

TEST_F(TopLevelWindows, FixedSizeWithTheDesignedButtons) {
    struct Expected {
        fw::Window* window;
        int width, height;
        bool closeBox;
    };
    auto about = chooseAbout();
    auto instructions = chooseInstructions();
    ASSERT_TRUE(about && instructions);
    fw::testing::processEvents();
    for (const Expected& e : {Expected{main.get(), 850, 650, false}, Expected{about.get(), 300, 200, true},
                              Expected{instructions.get(), 600, 361, true}}) {
        const std::string title = fw::testing::nativeTitle(*e.window);
        EXPECT_EQ(fw::testing::contentWidth(*e.window), e.width) << title;
        EXPECT_EQ(fw::testing::contentHeight(*e.window), e.height) << title;
        const auto top = fw::testing::topLevel(*e.window);
        if (e.window == main.get()) {
            EXPECT_GT(top.menuBarHeight, 0) << title;
        }
        // The whole window, menu bar included, has one size as minimum and maximum.
        EXPECT_EQ(top.width, e.width) << title;
        EXPECT_EQ(top.height, e.height + top.menuBarHeight) << title;
        EXPECT_EQ(std::make_pair(top.minWidth, top.minHeight), std::make_pair(top.width, top.height)) << title;
        EXPECT_EQ(std::make_pair(top.maxWidth, top.maxHeight), std::make_pair(top.width, top.height)) << title;
        EXPECT_FALSE(fw::testing::isResizable(*e.window)) << title;
        EXPECT_EQ(top.closeBox, e.closeBox) << title;
        EXPECT_TRUE(top.minimizeBox) << title;
        EXPECT_FALSE(top.maximizeBox) << title;
    }

    // Showing a window again changes none of it.
    about->Show();
    fw::testing::processEvents();
    const auto again = fw::testing::topLevel(*about);
    EXPECT_EQ(std::make_pair(again.maxWidth, again.maxHeight), std::make_pair(300, 200 + again.menuBarHeight));
    EXPECT_TRUE(again.closeBox);
    EXPECT_FALSE(again.maximizeBox);
}

TEST_F(TopLevelWindows, MenuCommandBringsAMinimisedWindowBack) {
    auto about = chooseAbout();
    auto instructions = chooseInstructions();
    ASSERT_TRUE(about && instructions);
    fw::testing::typeText(fw::Ref<fw::Object>(instructions->TextArea1().get()), "kept");
    const std::string typed = instructions->TextArea1()->Text();

    struct Case {
        fw::Window* window;
        const char* item;
    };
    for (const Case& c : {Case{about.get(), "FileAboutVantoro2011"}, Case{instructions.get(), "instructionsinstructions"}}) {
        const std::string title = fw::testing::nativeTitle(*c.window);
        fw::testing::minimize(*c.window);
        ASSERT_TRUE(fw::testing::topLevel(*c.window).minimized) << title;
        fw::testing::activate(*main);

        EXPECT_TRUE(fw::testing::chooseMenu(*main, c.item));
        // A real window manager answers in its own time.
        fw::testing::waitUntil([&c] {
            const auto now = fw::testing::topLevel(*c.window);
            return !now.minimized && now.active;
        });
        const auto top = fw::testing::topLevel(*c.window);
        EXPECT_FALSE(top.minimized) << title;
        EXPECT_TRUE(fw::testing::nativeShown(*c.window)) << title;
        EXPECT_TRUE(top.active) << title;
        EXPECT_FALSE(fw::testing::topLevel(*main).active) << title;
        EXPECT_TRUE(c.window->isOpen()) << title;
    }
    // The same windows came back, not new ones.
    EXPECT_EQ(fw::Window::GetImplicitWindow("Window2.Window2").get(), static_cast<fw::Window*>(about.get()));
    EXPECT_EQ(fw::Window::GetImplicitWindow("Window3.Window3").get(), static_cast<fw::Window*>(instructions.get()));
    EXPECT_EQ(instructions->TextArea1()->Text(), typed);
}

TEST_F(TopLevelWindows, AboutTitleClearsTheComboBox) {
    auto about = chooseAbout();
    ASSERT_TRUE(about);
    const fw::Ref<fw::Object> title(about->Label1().get());
    const fw::Ref<fw::Object> combo(about->ComboBox1().get());
    const auto text = fw::testing::drawnText(title);
    const auto box = boxOf(title);
    EXPECT_FALSE(text.meets(boxOf(combo))) << "title text from x " << text.left << ", combo box ends at x "
                                           << boxOf(combo).left + boxOf(combo).width;
    // Both lines, centred, inside the label's designed box.
    EXPECT_GE(text.left, box.left);
    EXPECT_LE(text.left + text.width, box.left + box.width);
    EXPECT_LE(text.top + text.height, box.top + box.height);
    EXPECT_EQ(inspect(title).pixelSize, 18);

    // Every control of the three windows draws its text in the runtime's face.
    auto instructions = chooseInstructions();
    ASSERT_TRUE(instructions);
    for (const fw::Window* w : {static_cast<fw::Window*>(main.get()), static_cast<fw::Window*>(about.get()),
                                static_cast<fw::Window*>(instructions.get())}) {
        for (const auto& control : w->controls()) {
            if (control->nativeWidget()) {
                EXPECT_EQ(inspect(fw::Ref<fw::Object>(control.get())).family, fw::textFontFamily("System"))
                    << control->Name();
            }
        }
    }
}

} // namespace
