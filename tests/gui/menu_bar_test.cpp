// The application's menu bar: its fourteen items as built, as the native menu
// bar shows them, and the one bar that every main window shares.
#include "framework/menu.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/menu_bar1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ExpectedItem {
    const char* name;
    const char* kind;
    const char* parent; // nullptr: the menu bar
    const char* text;
    const char* shortcut; // nullptr: never set
};

constexpr ExpectedItem kMenuTable[] = {
    {"FileMenu", "MenuItem", nullptr, "&File", ""},
    {"FileQuit", "QuitMenuItem", "FileMenu", "&Quit", "Cmd+Q"},
    {"FileAboutVantoro2011", "AppleMenuItem", "FileMenu", "About Vantoro2011", ""},
    {"EditMenu", "MenuItem", nullptr, "&Edit", ""},
    {"EditUndo", "MenuItem", "EditMenu", "&Undo", "Cmd+Z"},
    {"UntitledMenu1", "MenuItem", "EditMenu", "-", nullptr},
    {"EditCut", "MenuItem", "EditMenu", "Cu&t", "Cmd+X"},
    {"EditCopy", "MenuItem", "EditMenu", "&Copy", "Cmd+C"},
    {"EditPaste", "MenuItem", "EditMenu", "&Paste", "Cmd+V"},
    {"EditClear", "MenuItem", "EditMenu", "&Delete", ""},
    {"UntitledMenu0", "MenuItem", "EditMenu", "-", nullptr},
    {"EditSelectAll", "MenuItem", "EditMenu", "Select &All", "Cmd+A"},
    {"instructionsMenu", "MenuItem", nullptr, "Instructions", ""},
    {"instructionsinstructions", "MenuItem", "instructionsMenu", "instructions", ""},
};

// The tree in build order: each menu, then its items.
std::vector<fw::Ref<fw::MenuItem>> flatten(const fw::Ref<fw::MenuBar>& bar) {
    std::vector<fw::Ref<fw::MenuItem>> out;
    for (int m = 0; m < bar->Count(); ++m) {
        fw::Ref<fw::MenuItem> menu = bar->Item(m);
        out.push_back(menu);
        for (int i = 0; i < menu->Count(); ++i) out.push_back(menu->Item(i));
    }
    return out;
}

TEST(MenuBar, FourteenItemsAsTabled) {
    fw::Ref<vantoro::MenuBar1> bar = vantoro::implicit::MenuBar1();
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->classRecord().name, "MenuBar1.MenuBar1");
    ASSERT_EQ(bar->Count(), 3);
    const auto items = flatten(fw::Ref<fw::MenuBar>(bar.get()));
    ASSERT_EQ(items.size(), std::size(kMenuTable));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ExpectedItem& e = kMenuTable[i];
        const fw::MenuItem& item = *items[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(item.Name(), e.name);
        EXPECT_EQ(item.classRecord().name, e.kind);
        EXPECT_EQ(item.Text(), e.text);
        EXPECT_TRUE(item.AutoEnable());
        EXPECT_EQ(item.keyboardShortcutWasSet(), e.shortcut != nullptr);
        EXPECT_EQ(item.KeyboardShortcut(), e.shortcut ? e.shortcut : "");
        if (e.parent) {
            EXPECT_EQ(bar->Child(e.parent)->Child(e.name).get(), &item);
        } else {
            EXPECT_EQ(bar->Child(e.name).get(), &item);
        }
        EXPECT_EQ(bar->Lookup(e.name).get(), &item);
    }
    EXPECT_FALSE(bar->Lookup("NoSuchItem"));
}

TEST(MenuBar, NativeMenusShowCtrlShortcuts) {
    auto w = vantoro::implicit::Window1();
    const auto native = fw::testing::nativeMenu(*w);
    struct Row {
        const char* menu;
        const char* text;
        const char* name;
        const char* shortcut;
    };
    const Row expected[] = {
        {"&File", "&Quit", "FileQuit", "Ctrl+Q"},
        {"&File", "About Vantoro2011", "FileAboutVantoro2011", ""},
        {"&Edit", "&Undo", "EditUndo", "Ctrl+Z"},
        {"&Edit", "-", "", ""},
        {"&Edit", "Cu&t", "EditCut", "Ctrl+X"},
        {"&Edit", "&Copy", "EditCopy", "Ctrl+C"},
        {"&Edit", "&Paste", "EditPaste", "Ctrl+V"},
        {"&Edit", "&Delete", "EditClear", ""},
        {"&Edit", "-", "", ""},
        {"&Edit", "Select &All", "EditSelectAll", "Ctrl+A"},
        {"Instructions", "instructions", "instructionsinstructions", ""},
    };
    ASSERT_EQ(native.size(), std::size(expected));
    for (std::size_t i = 0; i < native.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(native[i].menu, expected[i].menu);
        EXPECT_EQ(native[i].text, expected[i].text);
        if (native[i].text != "-") {
            EXPECT_EQ(native[i].name, expected[i].name);
            EXPECT_EQ(native[i].shortcut, expected[i].shortcut);
            EXPECT_TRUE(native[i].enabled);
        }
    }
    w->Close();
}

TEST(MenuBar, BuiltOnceAndSharedByEveryMainWindow) {
    fw::Ref<vantoro::MenuBar1> bar = vantoro::implicit::MenuBar1();
    EXPECT_TRUE(vantoro::implicit::menuBarBuilt());
    EXPECT_EQ(vantoro::implicit::MenuBar1().get(), bar.get());

    auto first = vantoro::implicit::Window1();
    EXPECT_EQ(first->GetMenuBar().get(), bar.get());
    first->Close();
    first = nullptr;

    auto rebuilt = vantoro::implicit::Window1();
    EXPECT_EQ(rebuilt->GetMenuBar().get(), bar.get());
    EXPECT_EQ(vantoro::implicit::MenuBar1().get(), bar.get());
    // Still the one tree of fourteen items, not a second copy appended.
    EXPECT_EQ(bar->Count(), 3);
    EXPECT_EQ(flatten(fw::Ref<fw::MenuBar>(bar.get())).size(), 14u);
    EXPECT_EQ(fw::testing::nativeMenu(*rebuilt).size(), 11u);
    // One native bar of three menus per window, no leftovers of another build.
    EXPECT_EQ(fw::testing::nativeMenuCount(*rebuilt), 3);
    rebuilt->Close();
}

} // namespace
