// The main window's class record and its instance set-up: operations in order
// with their signature texts and attributes, the eleven property rows, the four
// window hooks and the properties' defaults.
#include "framework/class_record.h"
#include "framework/window.h"
#include "main_window/window1.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kWindowOperations[] = {
    "Show", "ShowWithin", "ShowModalWithin", "Hide", "Close", "Refresh", "RefreshRect", "ShowModal", "NewDragItem",
    "AcceptTextDrop", "AcceptPictureDrop", "AcceptFileDrop", "AcceptMacDataDrop", "AcceptRawDataDrop", "Control",
    "SetFocus", "DrawInto", "_DrawBackground", "UpdateNow", "_AddControl", "_AddMenuHandler", "Window",
    "Operator_Convert", "__New", "_Move", "Maximize", "Minimize", "Restore", "_Update", "_CallMoved",
    "_EnableMenuItems", "_CallActivated", "_CallDeactivated", "_HandleMenuCommand", "_UnifiedClose", "_CallMouseDown",
    "_CallResized", "_CallResizing", "_RemoveControl", "_MouseEnter", "_MouseExit", "_MouseMove", "_Paint",
    "_MouseWheel", "_KeyDown", "__DependencyList", "Constructor", "TrueWindow", "FocusNext", "FocusPrevious",
    "_ControlByName", "_ControlByNameIndex"};

constexpr const char* kControlAccessors[] = {
    "PopupMenu1", "PopupMenu2", "PopupMenu3", "PopupMenu4", "PopupMenu5", "PopupMenu6", "PopupMenu7", "PopupMenu8",
    "PopupMenu9", "PopupMenu10", "PopupMenu11", "PopupMenu12", "PopupMenu13", "PopupMenu14", "PopupMenu15",
    "PopupMenu16", "CheckBox1", "CheckBox2", "RoundRectangle1", "PopupMenu17", "PopupMenu18", "TextField1",
    "TextField2", "Label1", "PushButton1", "RoundRectangle2", "PopupMenu19", "PopupMenu20", "TextField3", "TextField4",
    "Label2", "PushButton2", "RoundRectangle3", "Label3", "PopupMenu22", "PopupMenu21", "PushButton3", "TextField5",
    "TextField6", "RoundRectangle4", "Label4", "TextField7", "TextField8", "PopupMenu23", "PushButton4", "PopupMenu24",
    "Label5", "Label6", "Label7", "RoundRectangle5", "Label19", "Label20", "Label21", "TextField13", "TextField14",
    "Label23", "PushButton7", "Label22", "RoundRectangle6", "Label9", "Label10", "Label11", "PushButton5",
    "TextField9", "TextField10", "Label12", "Label13", "RoundRectangle7", "TextField11", "TextField12", "Label18",
    "Label17", "Label14", "Label15", "Label16", "PushButton6", "PushButton8", "PushButton9", "Label26", "Listbox1",
    "Timer1", "Timer2", "PushButton10", "Label28", "TextField15", "PushButton11", "Timer3"};

constexpr const char* kHandlers[] = {
    "PopupMenu1_Open", "PopupMenu1_Change", "PopupMenu2_Open", "PopupMenu2_Change", "PopupMenu3_Open",
    "PopupMenu3_Change", "PopupMenu4_Open", "PopupMenu4_Change", "PopupMenu5_Open", "PopupMenu5_Change",
    "PopupMenu6_Open", "PopupMenu6_Change", "PopupMenu7_Open", "PopupMenu7_Change", "PopupMenu8_Open",
    "PopupMenu8_Change", "PopupMenu9_Open", "PopupMenu10_Open", "PopupMenu11_Open", "PopupMenu12_Open",
    "PopupMenu13_Open", "PopupMenu14_Open", "PopupMenu15_Open", "PopupMenu16_Open", "CheckBox1_Action",
    "CheckBox2_Action", "PopupMenu17_Change", "PopupMenu18_Change", "PushButton1_Action", "PopupMenu19_Change",
    "PopupMenu20_Change", "PushButton2_Action", "PopupMenu22_Change", "PopupMenu21_Change", "PushButton3_Action",
    "PopupMenu23_Change", "PushButton4_Action", "PopupMenu24_Change", "PushButton7_Action", "PushButton5_Action",
    "PushButton6_Action", "PushButton8_Action", "PushButton9_Action", "Label26_MouseDown", "Listbox1_Open",
    "Timer1_Action", "Timer2_Action", "PushButton10_Action", "PushButton11_Action", "Timer3_Action"};

constexpr const char* kMenuAccessors[] = {
    "instructionsMenu", "instructionsinstructions", "EditMenu", "EditSelectAll", "UntitledMenu0", "EditClear",
    "EditPaste", "EditCopy", "EditCut", "UntitledMenu1", "EditUndo", "FileMenu", "FileAboutVantoro2011", "FileQuit"};

// The class a control's name starts with, as the signature texts name it.
std::string classOfName(std::string_view name) {
    for (const char* cls : {"PopupMenu", "CheckBox", "RoundRectangle", "TextField", "Label", "PushButton", "Listbox",
                            "Timer"})
        if (name.substr(0, std::string_view(cls).size()) == cls) return cls;
    ADD_FAILURE() << "no class for " << name;
    return {};
}

struct ExpectedRow {
    std::string name;
    std::string signature;
    bool hidden = false;
};

std::vector<ExpectedRow> expectedOwnRows() {
    std::vector<ExpectedRow> rows = {
        {"Layout", "%%"}, {"CreateControls", "%%"}, {"_CreateControls0", "%%", true},
        {"_CreateControls1", "%%", true}, {"_CreateControls2", "%%", true}};
    for (const char* name : kControlAccessors) rows.push_back({name, "%o<" + classOfName(name) + ">%"});
    for (const char* name : kHandlers) {
        const std::string_view n(name);
        const std::string control(n.substr(0, n.find('_')));
        rows.push_back({name, n == "Label26_MouseDown" ? "%b%o<Label>i4i4" : "%%o<" + classOfName(control) + ">"});
    }
    for (const char* name : kMenuAccessors) {
        const std::string_view n(name);
        rows.push_back({name, n == "FileAboutVantoro2011" ? "%o<AppleMenuItem>%"
                              : n == "FileQuit"           ? "%o<QuitMenuItem>%"
                                                          : "%o<MenuItem>%"});
    }
    rows.push_back({"AddMenuHandlers", "%%o<Window>"});
    rows.push_back({"Event_EnableMenuItems", "%%"});
    rows.push_back({"_FileAboutVantoro2011_Action", "%b%"});
    rows.push_back({"_Instructionsinstructions_Action", "%b%"});
    return rows;
}

TEST(Window1Class, OwnOperationsInOrderWithSignaturesAndAttributes) {
    const fw::ClassRecord& record = vantoro::Window1::staticRecord();
    EXPECT_EQ(record.name, "Window1.Window1");
    EXPECT_EQ(record.base, &fw::Window::staticRecord());

    const auto expected = expectedOwnRows();
    ASSERT_EQ(expected.size(), 160u);
    ASSERT_EQ(record.methods.size(), 160u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const fw::MethodRow& row = record.methods[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(row.name, expected[i].name);
        EXPECT_EQ(row.kind, 1);
        EXPECT_EQ(row.signature, expected[i].signature);
        EXPECT_TRUE(row.invoke);
        ASSERT_EQ(row.attributes.size(), expected[i].hidden ? 2u : 1u);
        EXPECT_EQ(row.attributes[0].name, "__Scope");
        EXPECT_EQ(row.attributes[0].value, "Public");
        EXPECT_TRUE(row.attributes[0].hasValue);
        if (expected[i].hidden) {
            EXPECT_EQ(row.attributes[1].name, "Hidden");
            EXPECT_FALSE(row.attributes[1].hasValue);
        }
    }

    // The whole table: Window's 52 operations, then the class's own.
    const auto table = record.operationTable();
    ASSERT_EQ(table.size(), 212u);
    for (std::size_t i = 0; i < std::size(kWindowOperations); ++i) EXPECT_EQ(table[i]->name, kWindowOperations[i]);
    EXPECT_EQ(table[52]->name, "Layout");
    EXPECT_EQ(table[211]->name, "_Instructionsinstructions_Action");

    ASSERT_EQ(record.attributes.size(), 1u);
    EXPECT_EQ(record.attributes[0].name, "__Scope");
    EXPECT_EQ(record.attributes[0].value, "Public");
}

TEST(Window1Class, PropertyRowsAndHooks) {
    const fw::ClassRecord& record = vantoro::Window1::staticRecord();
    struct Prop {
        const char* name;
        const char* type;
        const char* accessorType;
    };
    const Prop expected[] = {{"team", "A1s", "Object"},   {"one", "i4", "Int32"},     {"two", "i4", "Int32"},
                             {"three", "i4", "Int32"},    {"four", "i4", "Int32"},    {"five", "i4", "Int32"},
                             {"six", "i4", "Int32"},      {"seven", "i4", "Int32"},   {"eight", "i4", "Int32"},
                             {"listit", "i4", "Int32"},   {"TeamList", "s", "String"}};
    ASSERT_EQ(record.properties.size(), 11u);
    for (std::size_t i = 0; i < 11; ++i) {
        const fw::PropertyRow& row = record.properties[i];
        const std::string t = expected[i].accessorType;
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(row.name, expected[i].name);
        EXPECT_EQ(row.kind, 5);
        EXPECT_EQ(row.typeCode, expected[i].type);
        ASSERT_EQ(row.attributes.size(), 1u);
        EXPECT_EQ(row.attributes[0].name, "__Scope");
        EXPECT_EQ(row.attributes[0].value, "Public");
        EXPECT_EQ(row.accessorNames[0], t + ".Get");
        EXPECT_EQ(row.accessorNames[1], t + ".Set");
        EXPECT_EQ(row.accessorNames[2], t + ".Introspection.GetValue");
        EXPECT_EQ(row.accessorNames[3], t + ".Introspection.SetValue");
    }

    const char* events[] = {"Layout", "CreateControls", "AddMenuHandlers", "SetupBindings", "Open", "Close",
                            "CancelClose", "KeyDown", "KeyUp", "MouseMove", "MouseEnter", "MouseExit", "Paint",
                            "MouseDown", "MouseDrag", "MouseUp", "EnableMenuItems", "Resized", "Resizing", "Moved",
                            "DropObject", "Activate", "Deactivate", "Minimize", "Maximize", "Restore", "MouseWheel",
                            "ConstructContextualMenu", "ContextualMenuAction", "DragEnter", "DragExit", "DragOver",
                            "ContentsChanged"};
    ASSERT_EQ(record.eventHooks.size(), 33u);
    int hooked = 0;
    for (std::size_t i = 0; i < 33; ++i) {
        EXPECT_EQ(record.eventHooks[i].event, events[i]);
        hooked += !record.eventHooks[i].hook.empty();
    }
    EXPECT_EQ(hooked, 4);
    EXPECT_EQ(record.hookFor("Layout"), "Layout");
    EXPECT_EQ(record.hookFor("CreateControls"), "CreateControls");
    EXPECT_EQ(record.hookFor("AddMenuHandlers"), "AddMenuHandlers");
    EXPECT_EQ(record.hookFor("EnableMenuItems"), "Event_EnableMenuItems");
    EXPECT_EQ(record.hookFor("Open"), "");
    EXPECT_EQ(record.hookFor("Close"), "");
}

TEST(Window1Class, InitGivesTheDefaultsAndExitReleases) {
    // Set-up only: the window is never built or shown.
    fw::Ref<vantoro::Window1> w = fw::newObject<vantoro::Window1>();
    EXPECT_TRUE(w->team.empty());
    for (std::int32_t flag : {w->one, w->two, w->three, w->four, w->five, w->six, w->seven, w->eight, w->listit})
        EXPECT_EQ(flag, 0);
    const std::string builtIn =
        "LSU (1),Alabama (0.9419),Oklahoma State (0.9333),Stanford (0.8476),Oregon (0.7901),Arkansas (0.7687),"
        "Boise State (0.7408),Kansas State (0.6827),South Carolina (0.6553),Wisconsin (0.6374)";
    EXPECT_EQ(w->TeamList, builtIn);
    EXPECT_EQ(w->TeamList.size(), 186u);

    // The rows read the properties of the object they are given.
    const fw::PropertyRow* teamList = w->classRecord().findProperty("TeamList");
    ASSERT_NE(teamList, nullptr);
    EXPECT_EQ(std::get<std::string>(teamList->get(*w)), builtIn);
    w->one = 1;
    EXPECT_EQ(std::get<std::int32_t>(w->classRecord().findProperty("one")->get(*w)), 1);

    w->team.push_back("LSU (1)_10");
    ASSERT_TRUE(w->classRecord().exit);
    w->classRecord().exit(*w);
    EXPECT_TRUE(w->team.empty());
    EXPECT_TRUE(w->TeamList.empty());
}

TEST(Window1Class, LookupBuildsOnceAndReturnsTheSameRecord) {
    const fw::ClassRecord* first = &vantoro::Window1::staticRecord();
    EXPECT_EQ(&vantoro::Window1::staticRecord(), first);
    EXPECT_EQ(fw::ClassRegistry::instance().find("Window1.Window1"), first);
    int copies = 0;
    for (const std::string& name : fw::ClassRegistry::instance().names()) copies += name == "Window1.Window1";
    EXPECT_EQ(copies, 1);
}

} // namespace
