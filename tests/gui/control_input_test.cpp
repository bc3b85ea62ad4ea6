// Input that reaches controls around the program's handlers: where the keyboard
// focus goes when a handler disables the focused control, Tab and the arrow
// keys in the results list, the mouse wheel and the keys on a closed popup, the EnableMenuItems event when a menu opens,
// the Delete item in a one-line field and in a text area, pastes and drops of data that holds nothing, and
// text that an assistive tool writes into a field.
#include "framework/controls/text_area.h"
#include "framework/menu.h"
#include "shell/window2.h"
#include "shell/window3.h"
#include "tournament_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fw::testing::focusedControl;
using fw::testing::pressKeysOnFocus;

class ControlInput : public tournament_steps::TournamentTest {
protected:
    fw::Ref<fw::Object> object(const auto& control) { return fw::Ref<fw::Object>(control.get()); }
    // The Instructions window, opened and active, its text holding the focus.
    fw::Ref<vantoro::Window3> instructionsWithTheTextFocused() {
        EXPECT_TRUE(fw::testing::chooseMenu(*w, "instructionsinstructions"));
        auto instructions = fw::checkedCast<vantoro::Window3>(fw::Window::GetImplicitWindow("Window3.Window3"));
        if (!instructions) return instructions;
        fw::testing::focus(object(instructions->TextArea1()));
        EXPECT_TRUE(fw::testing::activate(*instructions));
        return instructions;
    }
};

TEST_F(ControlInput, DisablingTheFocusedControlHandsTheFocusToNoControl) {
    // Disabling a control that lacks the focus leaves the focus where it is.
    fw::testing::focus(object(w->TextField15()));
    ASSERT_TRUE(fw::testing::activate(*w));
    w->PushButton8()->SetEnabled(false);
    w->PushButton8()->SetEnabled(true);
    EXPECT_EQ(focusedControl(*w), object(w->TextField15()));

    readyAllOpeningGames();
    playOpeningGames();
    fw::testing::click(w->PushButton5());
    ASSERT_TRUE(w->PushButton6()->Enabled());

    // The Crystal Bowl played from the keyboard: its button disables itself,
    // and the next Space must not reach "Restart", next in the tab order.
    fw::testing::focus(object(w->PushButton6()));
    ASSERT_TRUE(fw::testing::activate(*w));
    ASSERT_EQ(focusedControl(*w), object(w->PushButton6()));
    pressKeysOnFocus(*w, "Space");
    ASSERT_FALSE(w->PushButton6()->Enabled());
    const auto tally = column(1);
    ASSERT_EQ(tally.size(), 8u);
    EXPECT_EQ(focusedControl(*w), nullptr);

    pressKeysOnFocus(*w, "Space");
    pressKeysOnFocus(*w, "Return");
    ASSERT_TRUE(w->isOpen()) << "a key reached Restart";
    EXPECT_EQ(vantoro::implicit::Window1(), w);
    EXPECT_EQ(column(1), tally);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());

    // A pairing pick made with the keyboard locks its popup the same way.
    w->Close();
    w = vantoro::implicit::Window1();
    chooseTeamsInListOrder();
    confirmTeamsAndStrengths();
    fw::testing::focus(object(w->PopupMenu17()));
    ASSERT_TRUE(fw::testing::activate(*w));
    for (const char* key : {"Down", "Down", "Return"}) pressKeysOnFocus(*w, key);
    EXPECT_EQ(w->PopupMenu17()->ListIndex(), 1);
    EXPECT_FALSE(w->PopupMenu17()->Enabled());
    EXPECT_EQ(focusedControl(*w), nullptr);
    pressKeysOnFocus(*w, "Down");
    EXPECT_EQ(w->PopupMenu18()->ListIndex(), 0);
}

TEST_F(ControlInput, TabReachesTheResultsListInItsPlaceAndArrowsMoveThroughItsRows) {
    const fw::Ref<fw::Object> list = object(w->Listbox1());
    // Replay and ReplayAll are still disabled, and the contact label takes no focus.
    fw::testing::focus(object(w->PushButton8()));
    ASSERT_TRUE(fw::testing::activate(*w));
    pressKeysOnFocus(*w, "Tab");
    EXPECT_EQ(focusedControl(*w), list);
    pressKeysOnFocus(*w, "Tab");
    EXPECT_EQ(focusedControl(*w), object(w->TextField15()));
    pressKeysOnFocus(*w, "Shift+Tab");
    ASSERT_EQ(focusedControl(*w), list);

    readyAllOpeningGames();
    playOpeningGames();
    fw::testing::click(w->PushButton5());
    fw::testing::click(w->PushButton6());
    fw::testing::click(w->PushButton7());
    ASSERT_EQ(w->Listbox1()->ListCount(), 8);
    const auto tally = column(1);
    fw::testing::focus(list);
    ASSERT_TRUE(fw::testing::activate(*w));
    pressKeysOnFocus(*w, "Down");
    EXPECT_EQ(fw::testing::selectedRow(list), 0);
    pressKeysOnFocus(*w, "Down");
    pressKeysOnFocus(*w, "Down");
    EXPECT_EQ(fw::testing::selectedRow(list), 2);
    pressKeysOnFocus(*w, "End");
    EXPECT_EQ(fw::testing::selectedRow(list), 7);
    pressKeysOnFocus(*w, "Up");
    EXPECT_EQ(fw::testing::selectedRow(list), 6);
    EXPECT_EQ(column(1), tally);
    // Tab leaves the list for the next control instead of moving between cells.
    pressKeysOnFocus(*w, "Tab");
    EXPECT_EQ(focusedControl(*w), object(w->PushButton10()));
}

TEST_F(ControlInput, TheWheelAndKeysOnAClosedPopupPickNothing) {
    fw::testing::chooseRow(object(w->PopupMenu2()), 1);
    const std::int32_t strength = w->PopupMenu9()->ListIndex();
    // Down from "Choose" would be LSU, which PopupMenu2 holds: the refusal.
    fw::testing::turnWheel(object(w->PopupMenu1()), 1);
    fw::testing::turnWheel(object(w->PopupMenu1()), 3);
    fw::testing::turnWheel(object(w->PopupMenu2()), -1);
    fw::testing::turnWheel(object(w->PopupMenu2()), 1);
    EXPECT_EQ(w->PopupMenu1()->ListIndex(), 0);
    EXPECT_EQ(w->PopupMenu2()->ListIndex(), 1);
    EXPECT_EQ(fw::testing::inspect(object(w->PopupMenu1())).text, "Choose");
    EXPECT_EQ(w->PopupMenu9()->ListIndex(), strength);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());

    // Each browsing key opens the list and picks nothing; Escape closes it
    // unchanged. "l" would be LSU too.
    fw::testing::focus(object(w->PopupMenu1()));
    ASSERT_TRUE(fw::testing::activate(*w));
    for (const char* key : {"Down", "End", "Up", "PgDown", "Home", "l"}) {
        ASSERT_FALSE(fw::testing::listOpen(object(w->PopupMenu1()))) << key;
        pressKeysOnFocus(*w, key);
        EXPECT_TRUE(fw::testing::listOpen(object(w->PopupMenu1()))) << key;
        EXPECT_EQ(w->PopupMenu1()->ListIndex(), 0) << key;
        pressKeysOnFocus(*w, "Escape");
        EXPECT_EQ(w->PopupMenu1()->ListIndex(), 0) << key;
    }
    EXPECT_FALSE(fw::testing::listOpen(object(w->PopupMenu1())));
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
    // In the open list a letter highlights and Return picks.
    fw::testing::focus(object(w->PopupMenu3()));
    ASSERT_TRUE(fw::testing::activate(*w));
    for (const char* key : {"o", "Return"}) pressKeysOnFocus(*w, key);
    EXPECT_EQ(w->PopupMenu3()->Text(), "Oklahoma State (0.9333)");

    // A pairing popup keeps "Choose", stays open to a pick and takes no entry.
    fw::testing::chooseRow(object(w->PopupMenu2()), 0);
    fw::testing::chooseRow(object(w->PopupMenu3()), 0);
    chooseTeamsInListOrder();
    confirmTeamsAndStrengths();
    const auto team = w->team;
    fw::testing::turnWheel(object(w->PopupMenu17()), 1);
    fw::testing::focus(object(w->PopupMenu17()));
    ASSERT_TRUE(fw::testing::activate(*w));
    for (const char* key : {"Down", "End", "k"}) {
        pressKeysOnFocus(*w, key);
        pressKeysOnFocus(*w, "Escape");
    }
    EXPECT_EQ(w->PopupMenu17()->ListIndex(), 0);
    EXPECT_TRUE(w->PopupMenu17()->Enabled());
    EXPECT_EQ(w->PopupMenu18()->ListCount(), 0);
    EXPECT_EQ(w->team, team);

    // The mouse and the open list still choose.
    fw::testing::chooseRow(object(w->PopupMenu17()), 1);
    EXPECT_EQ(w->PopupMenu17()->ListIndex(), 1);
    fw::testing::focus(object(w->PopupMenu18()));
    ASSERT_TRUE(fw::testing::activate(*w));
    for (const char* key : {"Down", "Down", "Return"}) pressKeysOnFocus(*w, key);
    EXPECT_EQ(w->PopupMenu18()->ListIndex(), 1);
    EXPECT_EQ(w->team.size(), team.size() - 2);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(ControlInput, DeleteRemovesOnlyTheSelectionInFieldsAndAreas) {
    auto field = w->TextField15();
    fw::testing::focus(object(field));
    ASSERT_TRUE(fw::testing::activate(*w));
    fw::testing::typeText(object(field), "abcd");
    pressKeysOnFocus(*w, "Left");
    ASSERT_TRUE(fw::testing::chooseMenu(*w, "EditClear"));
    EXPECT_EQ(field->Text(), "abcd");
    pressKeysOnFocus(*w, "Shift+Left");
    ASSERT_TRUE(fw::testing::chooseMenu(*w, "EditClear"));
    EXPECT_EQ(field->Text(), "abd");
    ASSERT_TRUE(fw::testing::chooseMenu(*w, "EditClear"));
    EXPECT_EQ(field->Text(), "abd");

    auto instructions = instructionsWithTheTextFocused();
    ASSERT_TRUE(instructions);
    auto area = instructions->TextArea1();
    const std::string text(vantoro::instructions::kText);
    fw::Ref<fw::MenuBar> bar = w->GetMenuBar();
    auto clear = [&] { fw::chooseMenuItem(fw::deref(bar).Lookup("EditClear"), instructions.get()); };
    pressKeysOnFocus(*instructions, "Ctrl+Home");
    clear();
    EXPECT_EQ(area->Text(), text);
    pressKeysOnFocus(*instructions, "Shift+Right");
    clear();
    EXPECT_EQ(area->Text(), text.substr(1));
    clear();
    EXPECT_EQ(area->Text(), text.substr(1));
    instructions->Close();
}

// A one-line field holds what it shows, whichever way the text came: set,
// inserted, deleted or replaced through the accessibility interface (as a
// dictation tool or a screen reader's editing commands do), pasted, or set by
// the program.
TEST_F(ControlInput, AFieldHoldsWhatItShowsHoweverItsTextCame) {
    auto field = w->TextField15();
    const fw::Ref<fw::Object> edited = object(field);
    auto holds = [&](const std::string& text) {
        EXPECT_EQ(fw::testing::inspect(edited).text, text);
        EXPECT_EQ(field->Text(), text);
    };
    ASSERT_TRUE(fw::testing::setAccessibleValue(edited, "jsmith"));
    holds("jsmith");
    ASSERT_TRUE(fw::testing::insertAccessibleText(edited, 1, "."));
    holds("j.smith");
    ASSERT_TRUE(fw::testing::deleteAccessibleText(edited, 0, 2));
    holds("smith");
    ASSERT_TRUE(fw::testing::replaceAccessibleText(edited, 0, 5, "fan"));
    holds("fan");
    ASSERT_TRUE(fw::testing::replaceAccessibleText(edited, 0, 3, ""));
    holds("");

    fw::testing::setClipboard(fw::testing::Incoming::Text, "j_2");
    fw::testing::focus(edited);
    ASSERT_TRUE(fw::testing::activate(*w));
    ASSERT_TRUE(fw::testing::chooseMenu(*w, "EditPaste"));
    holds("j_2");
    field->SetText("jsmith-2");
    holds("jsmith-2");
    // A label has no text to edit.
    EXPECT_FALSE(fw::testing::setAccessibleValue(object(w->Label28()), "x"));
    EXPECT_EQ(w->Label28()->Text(), "UserID:");
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(ControlInput, PastesAndDropsOfDataWithoutFormatsInsertNothingAndTextStillGoesIn) {
    using fw::testing::Incoming;
    auto instructions = instructionsWithTheTextFocused();
    ASSERT_TRUE(instructions);
    auto area = instructions->TextArea1();
    const std::string text(vantoro::instructions::kText);

    // Nothing owns the clipboard: the paste keys and the Edit menu's Paste.
    fw::testing::setClipboard(Incoming::NoFormats);
    for (const char* keys : {"Ctrl+V", "Shift+Ins"}) pressKeysOnFocus(*instructions, keys);
    fw::chooseMenuItem(fw::deref(w->GetMenuBar()).Lookup("EditPaste"), instructions.get());
    for (Incoming nothing : {Incoming::NoFormats, Incoming::Null})
        EXPECT_FALSE(fw::testing::drop(object(area), nothing));
    EXPECT_EQ(area->Text(), text);
    EXPECT_TRUE(instructions->isOpen());

    // Real text goes in as plain text, pasted and dropped.
    fw::testing::setClipboard(Incoming::Text, "pasted ");
    pressKeysOnFocus(*instructions, "Ctrl+Home");
    pressKeysOnFocus(*instructions, "Ctrl+V");
    EXPECT_EQ(area->Text(), "pasted " + text);
    EXPECT_TRUE(fw::testing::drop(object(area), Incoming::Text, "dropped"));
    EXPECT_NE(area->Text().find("dropped"), std::string::npos);
    EXPECT_EQ(area->Text().size(), text.size() + 14);
    instructions->Close();

    // The one-line fields: the UserID field and the About window's combo box.
    ASSERT_TRUE(fw::testing::chooseMenu(*w, "FileAboutVantoro2011"));
    auto about = fw::checkedCast<vantoro::Window2>(fw::Window::GetImplicitWindow("Window2.Window2"));
    ASSERT_TRUE(about);
    for (const fw::Ref<fw::Object>& field : {object(w->TextField15()), object(about->ComboBox1())}) {
        for (Incoming nothing : {Incoming::NoFormats, Incoming::Null})
            EXPECT_FALSE(fw::testing::drop(field, nothing));
        EXPECT_EQ(fw::testing::inspect(field).text, "");
        EXPECT_TRUE(fw::testing::drop(field, Incoming::Text, "jsmith"));
        EXPECT_EQ(fw::testing::inspect(field).text, "jsmith");
    }
    about->Close();
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

// A window of the test's own with a menu of two items that do not enable
// themselves; its EnableMenuItems event registers a handler for one of them.
class MenuProbe : public fw::Window {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }

    int enableCalls = 0;
    std::vector<bool> probeEnabledAtEvent;

    void Layout() {
        SetTitle("Menu probe");
        SetVisible(true);
        fw::Ref<fw::MenuBar> bar = fw::newObject<fw::MenuBar>();
        fw::Ref<fw::MenuItem> menu = fw::newObject<fw::MenuItem>();
        menu->SetName("ProbeMenu");
        menu->SetText("Probe");
        for (const char* name : {"ProbeItem", "OtherItem"}) {
            fw::Ref<fw::MenuItem> item = fw::newObject<fw::MenuItem>();
            item->SetName(name);
            item->SetText(name);
            menu->Append(item);
        }
        bar->Append(menu);
        SetMenuBar(bar);
    }

    void EnableMenuItems() {
        ++enableCalls;
        for (const auto& item : fw::testing::nativeMenu(*this))
            if (item.name == "ProbeItem") probeEnabledAtEvent.push_back(item.enabled);
        if (!hasMenuHandler("ProbeItem"))
            AddMenuHandler("ProbeItem", fw::createDelegate(fw::Ref<fw::Object>(this), "Probe_Action", "(  ) as Boolean"));
    }

    bool Probe_Action() { return true; }

    bool enabled(const std::string& name) const {
        for (const auto& item : fw::testing::nativeMenu(*this))
            if (item.name == name) return item.enabled;
        return false;
    }
};

std::unique_ptr<fw::ClassRecord> buildMenuProbe() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    r->methods = {
        fw::publicMethod("Layout", "%%", fw::invokerOf<&MenuProbe::Layout>()),
        fw::publicMethod("EnableMenuItems", "%%", fw::invokerOf<&MenuProbe::EnableMenuItems>()),
        fw::publicMethod("Probe_Action", "%b%", fw::invokerOf<&MenuProbe::Probe_Action>()),
    };
    r->eventHooks = {{"Layout", "Layout"}, {"EnableMenuItems", "EnableMenuItems"}};
    return r;
}

const fw::ClassRecord& MenuProbe::staticRecord() { return fw::lookupClass("MenuProbe.MenuProbe", buildMenuProbe); }

fw::Ref<MenuProbe> openMenuProbe() {
    fw::Ref<MenuProbe> probe = fw::newObject<MenuProbe>();
    probe->Constructor();
    return probe;
}

TEST(MenuOpening, RaisesEnableMenuItemsOnceBeforeEnablingHandledItems) {
    fw::Ref<MenuProbe> a = openMenuProbe();
    fw::Ref<MenuProbe> b = openMenuProbe();
    EXPECT_EQ(a->enableCalls, 0);
    EXPECT_FALSE(a->enabled("ProbeItem"));

    ASSERT_TRUE(fw::testing::activate(*a));
    ASSERT_TRUE(fw::testing::openMenu(*a, "ProbeMenu"));
    EXPECT_EQ(a->enableCalls, 1);
    EXPECT_EQ(b->enableCalls, 0);
    // The event saw the item still disabled; the handler it registered then
    // enabled it. The item without a handler stays disabled.
    EXPECT_EQ(a->probeEnabledAtEvent, std::vector<bool>{false});
    EXPECT_TRUE(a->enabled("ProbeItem"));
    EXPECT_FALSE(a->enabled("OtherItem"));
    EXPECT_FALSE(b->enabled("ProbeItem"));

    ASSERT_TRUE(fw::testing::openMenu(*a, "ProbeMenu"));
    EXPECT_EQ(a->enableCalls, 2);
    a->Close();
    b->Close();

    // The main window's own event, which sets nothing, leaves every item enabled.
    auto main = vantoro::implicit::Window1();
    ASSERT_TRUE(fw::testing::activate(*main));
    for (const char* menu : {"FileMenu", "EditMenu", "instructionsMenu"}) ASSERT_TRUE(fw::testing::openMenu(*main, menu));
    for (const auto& item : fw::testing::nativeMenu(*main))
        if (item.text != "-") {
            EXPECT_TRUE(item.enabled) << item.name;
        }
    EXPECT_TRUE(main->isOpen());
    main->Close();
}

} // namespace
