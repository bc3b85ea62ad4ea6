// The main window's menu commands, the menu items it leaves to the framework,
// the Edit items acting on the focused text control, the contact link, and the
// count of every property list the program applies.
#include "framework/control.h"
#include "framework/controls/listbox.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/text_field.h"
#include "framework/menu.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/window2.h"
#include "shell/window3.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using fw::testing::chooseMenu;

int openWindowsOf(std::string_view className) {
    int n = 0;
    for (const auto& w : fw::Window::openWindows()) n += w->classRecord().name == className ? 1 : 0;
    return n;
}

class MenuCommands : public ::testing::Test {
protected:
    void SetUp() override {
        fw::seams::messageBoxTexts().clear();
        fw::seams::shownUrls().clear();
        main = vantoro::implicit::Window1();
    }
    void TearDown() override {
        for (const char* cls : {"Window2.Window2", "Window3.Window3"})
            if (auto open = fw::Window::GetImplicitWindow(cls)) open->Close();
        main->Close();
    }
    fw::Ref<vantoro::Window1> main;
};

TEST_F(MenuCommands, ItemsReachTheirHandlersDespiteTheLetterCase) {
    EXPECT_TRUE(main->hasMenuHandler("FileAboutVantoro2011"));
    // Registered as "Instructionsinstructions", chosen as "instructionsinstructions".
    EXPECT_TRUE(main->hasMenuHandler("instructionsinstructions"));

    ASSERT_TRUE(chooseMenu(*main, "instructionsinstructions"));
    EXPECT_EQ(openWindowsOf("Window3.Window3"), 1);
    ASSERT_TRUE(chooseMenu(*main, "instructionsinstructions"));
    EXPECT_EQ(openWindowsOf("Window3.Window3"), 1);

    ASSERT_TRUE(chooseMenu(*main, "FileAboutVantoro2011"));
    EXPECT_EQ(openWindowsOf("Window2.Window2"), 1);
    // Both windows are ordinary ones: the main window stays open and shown.
    EXPECT_TRUE(main->isOpen());
    EXPECT_TRUE(fw::testing::nativeShown(*main));

    // The handlers answer True: the command counts as handled.
    EXPECT_TRUE(main->handleMenuCommand("FileAboutVantoro2011"));
    EXPECT_TRUE(main->handleMenuCommand("instructionsinstructions"));
    EXPECT_EQ(openWindowsOf("Window2.Window2"), 1);
    EXPECT_EQ(openWindowsOf("Window3.Window3"), 1);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(MenuCommands, QuitAndEditItemsReachNoHandlerOfTheMainWindow) {
    // Asked directly, so the items' own default actions (Quit!) do not run.
    for (const char* item : {"FileQuit", "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
        EXPECT_FALSE(main->hasMenuHandler(item)) << item;
        EXPECT_FALSE(main->handleMenuCommand(item)) << item;
    }
    EXPECT_EQ(openWindowsOf("Window2.Window2"), 0);
    EXPECT_EQ(openWindowsOf("Window3.Window3"), 0);
}

TEST_F(MenuCommands, NewMainWindowAnswersTheCommandsAgain) {
    main->Close();
    main = vantoro::implicit::Window1();
    ASSERT_TRUE(chooseMenu(*main, "FileAboutVantoro2011"));
    ASSERT_TRUE(chooseMenu(*main, "instructionsinstructions"));
    EXPECT_EQ(openWindowsOf("Window2.Window2"), 1);
    EXPECT_EQ(openWindowsOf("Window3.Window3"), 1);
}

TEST_F(MenuCommands, EditItemsActOnTheFocusedTextField) {
    auto field = main->TextField15();
    ASSERT_TRUE(field);
    const fw::Ref<fw::Object> control(field.get());
    fw::testing::focus(control);
    ASSERT_TRUE(fw::testing::activate(*main));
    fw::testing::typeText(control, "abc");
    ASSERT_EQ(field->Text(), "abc");

    ASSERT_TRUE(chooseMenu(*main, "EditSelectAll"));
    ASSERT_TRUE(chooseMenu(*main, "EditCut"));
    EXPECT_EQ(field->Text(), "");
    ASSERT_TRUE(chooseMenu(*main, "EditPaste"));
    EXPECT_EQ(field->Text(), "abc");
    ASSERT_TRUE(chooseMenu(*main, "EditPaste"));
    EXPECT_EQ(field->Text(), "abcabc");
    ASSERT_TRUE(chooseMenu(*main, "EditUndo"));
    EXPECT_EQ(field->Text(), "abc");

    ASSERT_TRUE(chooseMenu(*main, "EditSelectAll"));
    ASSERT_TRUE(chooseMenu(*main, "EditCopy"));
    EXPECT_EQ(field->Text(), "abc");
    ASSERT_TRUE(chooseMenu(*main, "EditClear"));
    EXPECT_EQ(field->Text(), "");
    ASSERT_TRUE(chooseMenu(*main, "EditPaste"));
    EXPECT_EQ(field->Text(), "abc");
    EXPECT_TRUE(main->isOpen());
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(MenuCommands, EditItemsActOnTheInstructionsTextArea) {
    ASSERT_TRUE(chooseMenu(*main, "instructionsinstructions"));
    auto instructions = fw::checkedCast<vantoro::Window3>(fw::Window::GetImplicitWindow("Window3.Window3"));
    ASSERT_TRUE(instructions);
    auto area = instructions->TextArea1();
    fw::testing::focus(fw::Ref<fw::Object>(area.get()));
    ASSERT_TRUE(fw::testing::activate(*instructions));
    // The Instructions window shows the application's menus; its items are
    // chosen there, where no window's handler answers the Edit items.
    fw::Ref<fw::MenuBar> bar = main->GetMenuBar();
    auto choose = [&](const char* item) { fw::chooseMenuItem(fw::deref(bar).Lookup(item), instructions.get()); };
    choose("EditSelectAll");
    choose("EditCopy");
    choose("EditClear");
    EXPECT_EQ(area->Text(), "");
    choose("EditUndo");
    EXPECT_EQ(area->Text(), vantoro::instructions::kText);
    choose("EditSelectAll");
    choose("EditCut");
    EXPECT_EQ(area->Text(), "");
    choose("EditPaste");
    EXPECT_EQ(area->Text(), vantoro::instructions::kText);
    EXPECT_TRUE(instructions->isOpen());
}

// What a user sees of every control of the main window, for telling whether
// anything of the tournament changed.
std::vector<std::tuple<std::string, bool, bool, bool, unsigned>> snapshot(vantoro::Window1& w) {
    std::vector<std::tuple<std::string, bool, bool, bool, unsigned>> out;
    for (const auto& c : w.controls()) {
        const auto info = fw::testing::inspect(fw::Ref<fw::Object>(c.get()));
        out.emplace_back(info.text, info.enabled, info.shown, info.bold, info.background);
    }
    return out;
}

TEST_F(MenuCommands, ContactLabelHandsOverOnlyItsMailLink) {
    fw::testing::chooseRow(fw::Ref<fw::Object>(main->PopupMenu1().get()), 1);
    const auto before = snapshot(*main);
    const auto team = main->team;
    const auto flags = std::make_tuple(main->one, main->listit);
    const auto rows = main->Listbox1()->ListCount();

    auto label = fw::Ref<fw::Object>(main->Label26().get());
    fw::testing::pressMouse(label);
    fw::testing::pressMouse(label, 40, 10);
    EXPECT_EQ(fw::seams::shownUrls(),
              (std::vector<std::string>{"mailto:vantoro2011@example.com", "mailto:vantoro2011@example.com"}));

    fw::Value result = main->Label26()->raiseEvent("MouseDown", {fw::Value(std::int32_t{1}), fw::Value(std::int32_t{1})});
    ASSERT_TRUE(std::holds_alternative<bool>(result));
    EXPECT_FALSE(std::get<bool>(result));

    EXPECT_EQ(snapshot(*main), before);
    EXPECT_EQ(main->team, team);
    EXPECT_EQ(std::make_tuple(main->one, main->listit), flags);
    EXPECT_EQ(main->Listbox1()->ListCount(), rows);
    EXPECT_TRUE(main->isOpen());
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST(RecordCount, AllNinetyFiveRecordsAreAppliedNinetySevenTimes) {
    fw::Window::closeAll();
    fw::seams::appliedRecords().clear();
    fw::seams::recordAppliedRecords(true);
    auto main = vantoro::implicit::Window1();
    ASSERT_TRUE(chooseMenu(*main, "FileAboutVantoro2011"));
    ASSERT_TRUE(chooseMenu(*main, "instructionsinstructions"));
    fw::seams::recordAppliedRecords(false);

    const auto& applied = fw::seams::appliedRecords();
    EXPECT_EQ(applied.size(), 97u);
    std::set<const char*> records;
    std::set<const fw::Object*> objects;
    for (const auto& a : applied) {
        records.insert(a.record.data());
        objects.insert(a.object);
        EXPECT_TRUE(a.complete) << std::string(a.record.substr(0, 40));
    }
    EXPECT_EQ(records.size(), 95u);
    // Each of the 97 objects (3 windows, 94 controls) gets its list once.
    EXPECT_EQ(objects.size(), 97u);
    fw::seams::appliedRecords().clear();
    fw::Window::closeAll();
}

} // namespace
