// The main window as built: the 87 controls with their classes, frames, places,
// texts and states, the window's own design values, and the accessors.
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/controls/push_button.h"
#include "framework/controls/round_rectangle.h"
#include "framework/controls/text_field.h"
#include "framework/controls/timer.h"
#include "framework/test_driver.h"
#include "main_window/contact_address.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "tournament/bracket.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

constexpr const char* kContact = "(contact)";
constexpr const char* kHeading = "What if we had a vantoro in 2011?\rHow often would the strongest team win?";

struct Row {
    const char* name;
    const char* cls;
    const char* parent; // "" for the window
    int left, top, width, height;
    bool shown, enabled;
    const char* text; // nullptr where the control bears no designed text
    int textSize;     // 0: the framework's default
};

// clang-format off
const Row kDesign[] = {
    {"PopupMenu1", "PopupMenu", "", 23, 47, 80, 20, true, true, nullptr, 9},
    {"PopupMenu2", "PopupMenu", "", 115, 47, 80, 20, true, true, nullptr, 9},
    {"PopupMenu3", "PopupMenu", "", 207, 47, 80, 20, true, true, nullptr, 9},
    {"PopupMenu4", "PopupMenu", "", 299, 47, 80, 20, true, true, nullptr, 9},
    {"PopupMenu5", "PopupMenu", "", 391, 47, 80, 20, true, true, nullptr, 9},
    {"PopupMenu6", "PopupMenu", "", 483, 47, 80, 20, true, true, nullptr, 9},
    {"PopupMenu7", "PopupMenu", "", 575, 47, 80, 20, true, true, nullptr, 9},
    {"PopupMenu8", "PopupMenu", "", 667, 47, 80, 20, true, true, nullptr, 9},
    {"PopupMenu9", "PopupMenu", "", 29, 87, 80, 20, true, false, nullptr, 9},
    {"PopupMenu10", "PopupMenu", "", 114, 87, 80, 20, true, false, nullptr, 9},
    {"PopupMenu11", "PopupMenu", "", 206, 87, 80, 20, true, false, nullptr, 9},
    {"PopupMenu12", "PopupMenu", "", 298, 87, 80, 20, true, false, nullptr, 9},
    {"PopupMenu13", "PopupMenu", "", 390, 87, 80, 20, true, false, nullptr, 9},
    {"PopupMenu14", "PopupMenu", "", 482, 87, 80, 20, true, false, nullptr, 9},
    {"PopupMenu15", "PopupMenu", "", 574, 87, 80, 20, true, false, nullptr, 9},
    {"PopupMenu16", "PopupMenu", "", 666, 87, 80, 20, true, false, nullptr, 9},
    {"CheckBox1", "CheckBox", "", 759, 44, 58, 20, true, true, "DONE", 9},
    {"CheckBox2", "CheckBox", "", 758, 88, 58, 20, true, false, "DONE", 9},
    {"RoundRectangle1", "RoundRectangle", "", 20, 120, 172, 129, true, true, nullptr, 0},
    {"PopupMenu17", "PopupMenu", "RoundRectangle1", 23, 193, 80, 20, true, false, nullptr, 9},
    {"PopupMenu18", "PopupMenu", "RoundRectangle1", 106, 193, 80, 20, true, false, nullptr, 9},
    {"TextField1", "TextField", "RoundRectangle1", 29, 159, 41, 22, true, true, "", 0},
    {"TextField2", "TextField", "RoundRectangle1", 126, 159, 41, 22, true, true, "", 0},
    {"Label1", "Label", "RoundRectangle1", 56, 126, 100, 20, true, true, "Pasta Bowl", 0},
    {"PushButton1", "PushButton", "RoundRectangle1", 66, 215, 80, 20, true, false, "Play", 10},
    {"RoundRectangle2", "RoundRectangle", "", 204, 120, 172, 129, true, true, nullptr, 0},
    {"PopupMenu19", "PopupMenu", "RoundRectangle2", 207, 193, 80, 20, true, false, nullptr, 9},
    {"PopupMenu20", "PopupMenu", "RoundRectangle2", 290, 193, 80, 20, true, false, nullptr, 9},
    {"TextField3", "TextField", "RoundRectangle2", 213, 159, 41, 22, true, true, "", 0},
    {"TextField4", "TextField", "RoundRectangle2", 310, 159, 41, 22, true, true, "", 0},
    {"Label2", "Label", "RoundRectangle2", 240, 126, 100, 20, true, true, "Salad Bowl", 0},
    {"PushButton2", "PushButton", "RoundRectangle2", 250, 215, 80, 20, true, false, "Play", 10},
    {"RoundRectangle3", "RoundRectangle", "", 391, 120, 172, 129, true, true, nullptr, 0},
    {"Label3", "Label", "RoundRectangle3", 427, 126, 100, 20, true, true, "Cereal Bowl", 0},
    {"PopupMenu22", "PopupMenu", "RoundRectangle3", 477, 193, 80, 20, true, false, nullptr, 9},
    {"PopupMenu21", "PopupMenu", "RoundRectangle3", 391, 193, 80, 20, true, false, nullptr, 9},
    {"PushButton3", "PushButton", "RoundRectangle3", 427, 215, 80, 20, true, false, "Play", 10},
    {"TextField5", "TextField", "RoundRectangle3", 402, 159, 41, 22, true, true, "", 0},
    {"TextField6", "TextField", "RoundRectangle3", 497, 159, 41, 22, true, true, "", 0},
    {"RoundRectangle4", "RoundRectangle", "", 575, 120, 172, 129, true, true, nullptr, 0},
    {"Label4", "Label", "RoundRectangle4", 611, 126, 100, 20, true, true, "Soup Bowl", 0},
    {"TextField7", "TextField", "RoundRectangle4", 587, 159, 41, 22, true, true, "", 0},
    {"TextField8", "TextField", "RoundRectangle4", 687, 159, 41, 22, true, true, "", 0},
    {"PopupMenu23", "PopupMenu", "RoundRectangle4", 579, 193, 80, 20, true, false, nullptr, 9},
    {"PushButton4", "PushButton", "RoundRectangle4", 625, 215, 80, 20, true, false, "Play", 10},
    {"PopupMenu24", "PopupMenu", "", 668, 193, 80, 20, true, false, nullptr, 9},
    {"Label5", "Label", "", 23, 15, 100, 20, true, true, "Teams:", 0},
    {"Label6", "Label", "", 22, 67, 100, 20, true, true, "Strength:", 0},
    {"Label7", "Label", "", 204, 3, 445, 39, true, true, kHeading, 0},
    {"RoundRectangle5", "RoundRectangle", "", 310, 385, 202, 112, true, true, nullptr, 0},
    {"Label19", "Label", "RoundRectangle5", 361, 394, 100, 20, true, true, "Silver Bowl", 0},
    {"Label20", "Label", "RoundRectangle5", 320, 419, 77, 20, true, true, "TEAM: TBA", 9},
    {"Label21", "Label", "RoundRectangle5", 401, 419, 100, 20, true, true, "TEAM: TBA", 9},
    {"TextField13", "TextField", "RoundRectangle5", 320, 442, 41, 22, true, true, "", 0},
    {"TextField14", "TextField", "RoundRectangle5", 401, 442, 41, 22, true, true, "", 0},
    {"Label23", "Label", "RoundRectangle5", 493, 473, 13, 20, false, true, "", 0},
    {"PushButton7", "PushButton", "RoundRectangle5", 361, 472, 80, 20, true, false, "Play", 0},
    {"Label22", "Label", "RoundRectangle5", 310, 473, 16, 20, false, true, "", 0},
    {"RoundRectangle6", "RoundRectangle", "", 126, 261, 202, 112, true, true, nullptr, 0},
    {"Label9", "Label", "RoundRectangle6", 180, 269, 100, 20, true, true, "China Bowl", 0},
    {"Label10", "Label", "RoundRectangle6", 146, 291, 83, 20, true, true, "TEAM: TBA", 9},
    {"Label11", "Label", "RoundRectangle6", 232, 291, 83, 20, true, true, "TEAM: TBA", 9},
    {"PushButton5", "PushButton", "RoundRectangle6", 194, 349, 80, 20, true, false, "Play", 0},
    {"TextField9", "TextField", "RoundRectangle6", 146, 315, 41, 22, true, true, "", 0},
    {"TextField10", "TextField", "RoundRectangle6", 233, 315, 41, 22, true, true, "", 0},
    {"Label12", "Label", "RoundRectangle6", 132, 349, 10, 20, false, true, "", 0},
    {"Label13", "Label", "RoundRectangle6", 310, 349, 10, 20, false, true, "", 0},
    {"RoundRectangle7", "RoundRectangle", "", 497, 261, 202, 112, true, true, nullptr, 0},
    {"TextField11", "TextField", "RoundRectangle7", 511, 315, 41, 22, true, true, "", 0},
    {"TextField12", "TextField", "RoundRectangle7", 609, 315, 41, 22, true, true, "", 0},
    {"Label18", "Label", "RoundRectangle7", 677, 343, 12, 20, false, true, "", 0},
    {"Label17", "Label", "RoundRectangle7", 506, 349, 10, 20, false, true, "", 0},
    {"Label14", "Label", "RoundRectangle7", 553, 269, 100, 20, true, true, "Crystal Bowl", 0},
    {"Label15", "Label", "RoundRectangle7", 509, 289, 83, 20, true, true, "TEAM: TBA", 9},
    {"Label16", "Label", "RoundRectangle7", 609, 291, 83, 20, true, true, "TEAM: TBA", 9},
    {"PushButton6", "PushButton", "RoundRectangle7", 564, 349, 80, 20, true, false, "Play", 0},
    {"PushButton8", "PushButton", "", 546, 569, 80, 20, true, true, "Restart", 0},
    {"PushButton9", "PushButton", "", 129, 527, 80, 20, true, false, "Replay", 0},
    {"Label26", "Label", "", 536, 590, 214, 20, true, true, kContact, 0},
    {"Listbox1", "Listbox", "", 310, 505, 205, 105, true, true, nullptr, 10},
    {"Timer1", "Window1.Timer1", "", 0, 0, 0, 0, false, false, nullptr, 0},
    {"Timer2", "Window1.Timer2", "", 0, 0, 0, 0, false, false, nullptr, 0},
    {"PushButton10", "PushButton", "", 115, 563, 103, 20, true, false, "ReplayAll", 0},
    {"Label28", "Label", "", 536, 510, 53, 20, true, true, "UserID:", 0},
    {"TextField15", "TextField", "", 592, 505, 80, 22, true, true, "", 0},
    {"PushButton11", "PushButton", "", 536, 539, 99, 20, true, false, "Save_List", 0},
    {"Timer3", "Window1.Timer3", "", 0, 0, 0, 0, false, false, nullptr, 0},
};
// clang-format on

std::string designedText(const Row& row) {
    if (row.text == kContact) return std::string(vantoro::kContactAddress);
    return row.text;
}

// What the label's designed text looks like on screen: CR breaks the line.
std::string shownText(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

std::string liveText(const fw::Ref<fw::Object>& control) {
    if (auto label = dynamic_cast<fw::Label*>(control.get())) return label->Text();
    if (auto field = dynamic_cast<fw::TextField*>(control.get())) return field->Text();
    if (auto button = dynamic_cast<fw::PushButton*>(control.get())) return button->Caption();
    if (auto box = dynamic_cast<fw::CheckBox*>(control.get())) return box->Caption();
    return "(no text)";
}

TEST(MainWindowDesign, EveryControlAsDesigned) {
    auto w = vantoro::implicit::Window1();
    ASSERT_EQ(std::size(kDesign), 87u);
    ASSERT_EQ(w->controls().size(), 87u);
    for (std::size_t i = 0; i < std::size(kDesign); ++i) {
        const Row& row = kDesign[i];
        SCOPED_TRACE(row.name);
        // Created in the designed order, registered under its name.
        EXPECT_EQ(w->controls()[i]->Name(), row.name);
        fw::Ref<fw::Object> object = w->ControlByName(row.name);
        ASSERT_TRUE(object);
        EXPECT_EQ(object.get(), w->controls()[i].get());
        EXPECT_EQ(object->classRecord().name, row.cls);

        auto* rect = dynamic_cast<fw::RectControl*>(object.get());
        if (std::string_view(row.cls).starts_with("Window1.Timer")) {
            EXPECT_EQ(rect, nullptr);
            auto timer = fw::checkedCast<fw::Timer>(object);
            EXPECT_EQ(timer->Mode(), 0);
            EXPECT_EQ(timer->Period(), 500);
            EXPECT_FALSE(timer->isArmed());
            continue;
        }
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->InitialParent(), row.parent);
        EXPECT_EQ(rect->Left(), row.left);
        EXPECT_EQ(rect->Top(), row.top);
        EXPECT_EQ(rect->Width(), row.width);
        EXPECT_EQ(rect->Height(), row.height);
        EXPECT_EQ(rect->Visible(), row.shown);
        EXPECT_EQ(rect->Enabled(), row.enabled);
        EXPECT_EQ(rect->TextSize(), row.textSize);

        const fw::testing::WidgetInfo seen = fw::testing::inspect(object);
        EXPECT_EQ(seen.left, row.left);
        EXPECT_EQ(seen.top, row.top);
        EXPECT_EQ(seen.width, row.width);
        EXPECT_EQ(seen.height, row.height);
        EXPECT_EQ(seen.shown, row.shown);
        EXPECT_EQ(seen.enabled, row.enabled);
        if (row.textSize) {
            EXPECT_EQ(seen.pixelSize, row.textSize);
        }
        if (row.text) {
            EXPECT_EQ(liveText(object), designedText(row));
            EXPECT_EQ(seen.text, shownText(designedText(row)));
        }
    }
    w->Close();
}

TEST(MainWindowDesign, WindowAndHeading) {
    auto w = vantoro::implicit::Window1();
    EXPECT_EQ(fw::testing::nativeTitle(*w), "So You Want A Vantoro?");
    EXPECT_EQ(fw::testing::contentWidth(*w), 850);
    EXPECT_EQ(fw::testing::contentHeight(*w), 650);
    EXPECT_FALSE(fw::testing::hasCloseBox(*w));
    EXPECT_TRUE(fw::testing::hasMinimizeBox(*w));
    EXPECT_FALSE(fw::testing::isResizable(*w));
    EXPECT_FALSE(w->CloseButton());
    EXPECT_FALSE(w->Resizeable());
    EXPECT_FALSE(w->MaximizeButton());

    // Closing through the close box is refused: the window has none.
    fw::testing::closeBox(*w);
    fw::testing::processEvents();
    EXPECT_TRUE(w->isOpen());

    const auto heading = fw::testing::inspect(w->Label7());
    EXPECT_EQ(heading.text, "What if we had a vantoro in 2011?\nHow often would the strongest team win?");
    EXPECT_EQ(heading.alignment, 1);
    EXPECT_TRUE(heading.bold);
    EXPECT_TRUE(w->Label7()->MultiLine());
    EXPECT_TRUE(fw::testing::textFits(w->Label7()));
    w->Close();
}

TEST(MainWindowDesign, StylesFromTheRecords) {
    auto w = vantoro::implicit::Window1();
    for (const vantoro::bracket::Game& game : vantoro::bracket::laterGames())
        for (const vantoro::bracket::Slot& slot : game.slots) {
            const auto label = ((*w).*slot.name)();
            const auto seen = fw::testing::inspect(label);
            EXPECT_TRUE(seen.bold) << label->Name();
            EXPECT_TRUE(seen.underline) << label->Name();
            EXPECT_EQ(seen.alignment, 0) << label->Name();
        }
    for (const vantoro::bracket::Game& game : vantoro::bracket::kGames) {
        const auto caption = ((*w).*game.caption)();
        const auto seen = fw::testing::inspect(caption);
        EXPECT_EQ(seen.text, game.name) << caption->Name();
        EXPECT_EQ(seen.alignment, 1) << caption->Name();
        EXPECT_FALSE(seen.bold) << caption->Name();
    }
    const auto contact = fw::testing::inspect(w->Label26());
    EXPECT_TRUE(contact.underline);
    EXPECT_FALSE(contact.bold);
    EXPECT_EQ(contact.foreground, 0x6666FFu);
    EXPECT_EQ(fw::testing::inspect(w->Label5()).foreground, 0x000000u);

    const std::pair<fw::Ref<fw::RoundRectangle>, std::uint32_t> frames[] = {
        {w->RoundRectangle1(), 0xFF0000}, {w->RoundRectangle2(), 0x00FF00}, {w->RoundRectangle3(), 0xFF00FF},
        {w->RoundRectangle4(), 0xFF8000}, {w->RoundRectangle5(), 0x000000}, {w->RoundRectangle6(), 0x000000},
        {w->RoundRectangle7(), 0x000000}};
    for (const auto& [frame, border] : frames) {
        EXPECT_EQ(frame->BorderColor().rgb(), border) << frame->Name();
        EXPECT_EQ(frame->FillColor().rgb(), 0xFFFFFFu) << frame->Name();
        EXPECT_EQ(frame->BorderWidth(), 1);
        EXPECT_EQ(frame->OvalWidth(), 16);
        EXPECT_EQ(frame->OvalHeight(), 16);
    }
    for (auto field : {w->TextField1(), w->TextField8(), w->TextField14(), w->TextField15()}) {
        EXPECT_EQ(field->BackColor().rgb(), 0xFFFFFFu);
        EXPECT_EQ(fw::testing::inspect(field).background, 0xFFFFFFu);
        EXPECT_FALSE(field->Bold());
    }
    EXPECT_FALSE(fw::testing::inspect(w->CheckBox1()).checked);
    EXPECT_FALSE(w->CheckBox2()->Value());
    EXPECT_EQ(w->Listbox1()->ColumnCount(), 2);
    EXPECT_EQ(w->Listbox1()->ColumnWidths(), "85%,15%");
    EXPECT_FALSE(w->Listbox1()->HasHeading());
    EXPECT_EQ(w->Listbox1()->ListCount(), 0);
    w->Close();
}

// A screen reader tells every control that the user operates apart from its
// like: by the label that labels it where there is one (the popups, which it
// reads by the row they show, and the UserID field), else by its name. The
// words come from the design; no label a sighted user sees is added.
TEST(MainWindowDesign, EveryOperableControlHasANameOfItsOwn) {
    auto w = vantoro::implicit::Window1();
    std::map<std::string, std::string> told; // what tells it apart -> control
    for (const fw::Ref<fw::Control>& control : w->controls()) {
        if (!dynamic_cast<fw::RectControl*>(control.get())) continue;
        const fw::testing::AccessibleInfo seen = fw::testing::accessible(fw::Ref<fw::Object>(control.get()));
        if (!seen.operable) continue;
        SCOPED_TRACE(control->Name());
        std::string apart = seen.name;
        if (!seen.labels.empty()) {
            ASSERT_EQ(seen.labels.size(), 1u);
            apart = seen.labels.front();
        }
        EXPECT_FALSE(apart.empty());
        EXPECT_TRUE(told.emplace(apart, control->Name()).second) << "\"" << apart << "\" names "
                                                                  << told[apart] << " too";
        // Only the UserID field's label is on screen; the popups' are not.
        EXPECT_EQ(seen.labelsShown, control->Name() == "TextField15" || seen.labels.empty());
    }
    // 24 popups, 2 DONE boxes, 15 fields, 11 buttons and the results list.
    EXPECT_EQ(told.size(), 53u);
    const std::pair<const char*, const char*> spoken[] = {
        {"Teams: 1", "PopupMenu1"},
        {"Strength: 8", "PopupMenu16"},
        {"Teams: DONE", "CheckBox1"},
        {"Strength: DONE", "CheckBox2"},
        {"Pasta Bowl, left team", "PopupMenu17"},
        // The Cereal Bowl's right popup is created before its left one.
        {"Cereal Bowl, left team", "PopupMenu21"},
        {"Soup Bowl, right team", "PopupMenu24"},
        {"Silver Bowl, right score", "TextField14"},
        {"China Bowl, Play", "PushButton5"},
        {"UserID:", "TextField15"},
        {"Results", "Listbox1"},
        {"Save_List", "PushButton11"},
    };
    for (const auto& [words, name] : spoken) EXPECT_EQ(told[words], name) << words;
    // A popup is read as the row it shows, as screen readers expect of it.
    EXPECT_EQ(fw::testing::accessible(w->PopupMenu1()).name, "Choose");
    EXPECT_EQ(fw::testing::accessible(w->PopupMenu9()).name, "6");
    EXPECT_EQ(fw::testing::accessible(w->Label28()).name, "UserID:");
    w->Close();
}

// The bracket's team A is the left side of every game, whatever the order in
// which the window creates the two sides' controls.
TEST(MainWindowDesign, TheBracketsTeamAStandsOnTheLeft) {
    auto w = vantoro::implicit::Window1();
    const auto leftOfRight = [&](auto left, auto right) {
        if (!left) return testing::AssertionFailure() << "no accessor";
        const auto a = ((*w).*left)(), b = ((*w).*right)();
        if (a->Left() < b->Left()) return testing::AssertionSuccess();
        return testing::AssertionFailure() << a->Name() << " stands right of " << b->Name();
    };
    using vantoro::bracket::kLeft, vantoro::bracket::kRight;
    for (const vantoro::bracket::Game& game : vantoro::bracket::kGames) {
        SCOPED_TRACE(game.name);
        EXPECT_TRUE(leftOfRight(game.scores[kLeft], game.scores[kRight]));
        if (game.pairings[kLeft]) {
            EXPECT_TRUE(leftOfRight(game.pairings[kLeft], game.pairings[kRight]));
        } else {
            EXPECT_TRUE(leftOfRight(game.slots[kLeft].name, game.slots[kRight].name));
            EXPECT_TRUE(leftOfRight(game.slots[kLeft].strength, game.slots[kRight].strength));
        }
    }
    w->Close();
}

TEST(MainWindowDesign, AccessorsReturnTheControlOfTheirName) {
    auto w = vantoro::implicit::Window1();
    std::map<std::string, fw::Ref<fw::Object>> byAccessor;
#define VANTORO_COLLECT(name, cls) byAccessor[#name] = fw::Ref<fw::Object>(w->name().get());
    VANTORO_MAIN_CONTROLS(VANTORO_COLLECT)
#undef VANTORO_COLLECT
    ASSERT_EQ(byAccessor.size(), 87u);
    for (const Row& row : kDesign) {
        ASSERT_TRUE(byAccessor.count(row.name)) << row.name;
        EXPECT_EQ(byAccessor[row.name].get(), w->ControlByName(row.name).get()) << row.name;
    }
    // Creation order is not numeric order.
    EXPECT_EQ(w->PopupMenu22().get(), w->controls()[34].get());
    EXPECT_EQ(w->PopupMenu21().get(), w->controls()[35].get());
    EXPECT_EQ(w->Label23().get(), w->controls()[55].get());
    EXPECT_EQ(w->Label22().get(), w->controls()[57].get());
    EXPECT_EQ(w->PushButton7().get(), w->PushButton7().get());

    // The timers come back as plain timers that can be armed.
    fw::Ref<fw::Timer> timer = w->Timer2();
    timer->SetMode(1);
    EXPECT_TRUE(timer->isArmed());
    timer->SetMode(0);
    EXPECT_FALSE(timer->isArmed());

    // A rebuilt window's accessors return its own controls.
    fw::Ref<fw::PushButton> oldPlay = w->PushButton1();
    w->Close();
    EXPECT_FALSE(w->PushButton1());
    auto rebuilt = vantoro::implicit::Window1();
    ASSERT_TRUE(rebuilt->PushButton1());
    EXPECT_NE(rebuilt->PushButton1().get(), oldPlay.get());
    rebuilt->Close();
}

TEST(MainWindowDesign, MenuItemAccessorsAndTheirClasses) {
    auto w = vantoro::implicit::Window1();
    struct Item {
        fw::Ref<fw::MenuItem> item;
        const char* name;
        const char* cls;
    };
    const Item items[] = {
        {w->instructionsMenu(), "instructionsMenu", "MenuItem"},
        {w->instructionsinstructions(), "instructionsinstructions", "MenuItem"},
        {w->EditMenu(), "EditMenu", "MenuItem"},
        {w->EditSelectAll(), "EditSelectAll", "MenuItem"},
        {w->UntitledMenu0(), "UntitledMenu0", "MenuItem"},
        {w->EditClear(), "EditClear", "MenuItem"},
        {w->EditPaste(), "EditPaste", "MenuItem"},
        {w->EditCopy(), "EditCopy", "MenuItem"},
        {w->EditCut(), "EditCut", "MenuItem"},
        {w->UntitledMenu1(), "UntitledMenu1", "MenuItem"},
        {w->EditUndo(), "EditUndo", "MenuItem"},
        {w->FileMenu(), "FileMenu", "MenuItem"},
        {fw::Ref<fw::MenuItem>(w->FileAboutVantoro2011().get()), "FileAboutVantoro2011", "AppleMenuItem"},
        {fw::Ref<fw::MenuItem>(w->FileQuit().get()), "FileQuit", "QuitMenuItem"},
    };
    for (const Item& i : items) {
        ASSERT_TRUE(i.item) << i.name;
        EXPECT_EQ(i.item->Name(), i.name);
        EXPECT_EQ(i.item->classRecord().name, i.cls);
    }
    EXPECT_TRUE(w->UntitledMenu0()->isSeparator());
    EXPECT_TRUE(w->UntitledMenu1()->isSeparator());
    w->Close();

    // Without a menu bar the lookup has nothing to search.
    fw::Ref<vantoro::Window1> bare = fw::newObject<vantoro::Window1>();
    EXPECT_THROW(bare->FileQuit(), fw::NilObjectException);
}

} // namespace
