// Input that reaches controls around the program's handlers: where the keyboard
// focus goes when a handler disables the focused control, the mouse wheel over
// a closed popup, the EnableMenuItems event when a menu opens, and the Delete
// item in a one-line field and in a text area.
#include "framework/controls/text_area.h"
#include "framework/menu.h"
#include "shell/window3.h"
#include "tournament_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fw::testing::focusedControl;
using fw::testing::pressKeysOnFocus;
using tournament_steps::kPairingPopups;
using tournament_steps::kStrengthPopups;

class ControlInput : public tournament_steps::TournamentTest {
protected:
    fw::Ref<fw::Object> object(const auto& control) { return fw::Ref<fw::Object>(control.get()); }
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

    // The final played from the keyboard: its button disables itself, and the
    // next Space must not reach "Restart" (next in the tab order).
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
    EXPECT_TRUE(w->isOpen());
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
    pressKeysOnFocus(*w, "Down");
    EXPECT_EQ(w->PopupMenu17()->ListIndex(), 1);
    EXPECT_FALSE(w->PopupMenu17()->Enabled());
    EXPECT_EQ(focusedControl(*w), nullptr);
    pressKeysOnFocus(*w, "Down");
    EXPECT_EQ(w->PopupMenu18()->ListIndex(), 0);
}

TEST_F(ControlInput, TheWheelOverAClosedPopupPicksNothing) {
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

    // A pairing popup keeps "Choose", stays open to a pick and takes no entry.
    fw::testing::chooseRow(object(w->PopupMenu2()), 0);
    chooseTeamsInListOrder();
    confirmTeamsAndStrengths();
    const auto team = w->team;
    fw::testing::turnWheel(object(w->PopupMenu17()), 1);
    EXPECT_EQ(w->PopupMenu17()->ListIndex(), 0);
    EXPECT_TRUE(w->PopupMenu17()->Enabled());
    EXPECT_EQ(w->team, team);

    // The mouse and the keyboard still choose.
    fw::testing::chooseRow(object(w->PopupMenu17()), 1);
    EXPECT_EQ(w->PopupMenu17()->ListIndex(), 1);
    fw::testing::focus(object(w->PopupMenu18()));
    ASSERT_TRUE(fw::testing::activate(*w));
    pressKeysOnFocus(*w, "Down");
    EXPECT_EQ(w->PopupMenu18()->ListIndex(), 1);
    EXPECT_EQ(w->team.size(), team.size() - 2);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

} // namespace
