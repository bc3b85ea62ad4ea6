// One handler at a time: a click, a pick, a timer or an assistive tool's act
// that comes while a handler runs (inside its yields) waits for it, so no
// game, confirmation or chain step runs inside another and nothing is played,
// confirmed or counted twice.
#include "framework/runtime.h"
#include "tournament_steps.h"

#include <memory>

using fw::testing::chooseRow;
using fw::testing::click;
using fw::testing::inspect;
using tournament_steps::run;
using tournament_steps::operator+;

namespace {
constexpr unsigned kWinnerColour = 0xFF9833;

int totalWins(fw::Listbox& list) {
    int sum = 0;
    for (int row = 0; row < list.ListCount(); ++row) sum += std::stoi(list.Cell(row, 1));
    return sum;
}

int orangeFields(const fw::Ref<fw::TextField>& a, const fw::Ref<fw::TextField>& b) {
    return (inspect(a).background == kWinnerColour) + (inspect(b).background == kWinnerColour);
}

// Clicks `control`, and once more from inside the first yield of the handler
// that the click runs, as the second half of a fast double-click arrives.
// Returns whether the second click did come while that handler ran.
bool doubleClick(const fw::Ref<fw::Object>& control) {
    auto inside = std::make_shared<bool>(false);
    fw::testing::later(0, [control, inside] {
        *inside = fw::runtime::handlerRunning();
        click(control);
    });
    click(control);
    fw::testing::processEvents();
    return *inside;
}
} // namespace

class OneHandlerAtATime : public tournament_steps::TournamentTest {};

TEST_F(OneHandlerAtATime, ADoubleClickConfirmsPlaysAndCountsOnce) {
    fw::seams::setShiftKey(false);
    chooseTeamsInListOrder();
    click(w->CheckBox1());

    // The second DONE box: the eight entries once.
    EXPECT_TRUE(doubleClick(w->CheckBox2()));
    EXPECT_EQ(w->team.size(), 8u);
    EXPECT_EQ(w->PopupMenu17()->ListCount(), 9);
    EXPECT_TRUE(inspect(w->CheckBox2()).checked);
    EXPECT_FALSE(inspect(w->CheckBox2()).enabled);
    pairInOrder();

    // Every game: one winner field, and the final one win.
    for (const vantoro::bracket::Game& game : vantoro::bracket::kGames) {
        const fw::Ref<fw::PushButton> play = control(game.play);
        EXPECT_TRUE(doubleClick(play)) << game.name;
        EXPECT_EQ(orangeFields(control(game.scores[0]), control(game.scores[1])), 1) << game.name;
        EXPECT_FALSE(play->Enabled());
    }
    EXPECT_EQ(totalWins(*w->Listbox1()), 1);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

// An assistive tool's toggle comes by no input event of the window system: one
// that arrives while the second DONE box confirms (as a second toggle would
// untick it) waits for the handler like a click, and the box that the handler
// disabled takes it no more.
TEST_F(OneHandlerAtATime, AnAssistiveToolsToggleWaitsForTheRunningHandler) {
    chooseTeamsInListOrder();
    click(w->CheckBox1());
    auto inside = std::make_shared<bool>(false);
    fw::testing::later(0, [box = w->CheckBox2(), inside] {
        *inside = fw::runtime::handlerRunning() && fw::testing::doAccessibleAction(box, "Toggle");
    });
    click(w->CheckBox2());
    fw::testing::processEvents();
    EXPECT_TRUE(*inside);
    EXPECT_EQ(w->team.size(), 8u);
    EXPECT_EQ(w->PopupMenu17()->ListCount(), 9);
    EXPECT_TRUE(w->CheckBox2()->Value());
    EXPECT_TRUE(inspect(w->CheckBox2()).checked);
    EXPECT_FALSE(inspect(w->CheckBox2()).enabled);
}

// A chain step that comes due while a game played by hand is still running
// waits for it, and then does not play that game again.
TEST_F(OneHandlerAtATime, AChainTimerWaitsForAGamePlayedByHand) {
    fw::seams::setShiftKey(false);
    playToTheFinal();
    click(w->PushButton7());
    ASSERT_EQ(totalWins(*w->Listbox1()), 1);

    click(w->PushButton10());
    ASSERT_TRUE(w->Timer1()->isArmed());
    // Play 5 by hand; its first yield lasts until Timer1 has come due.
    const fw::Ref<fw::Timer> timer1 = w->Timer1();
    const fw::Ref<fw::TextField> crystal = w->TextField11();
    auto crystalWhileDue = std::make_shared<std::string>("not reached");
    fw::testing::later(0, [timer1, crystal, crystalWhileDue] {
        if (fw::testing::waitUntil([timer1] { return !timer1->isArmed(); })) *crystalWhileDue = crystal->Text();
    });
    click(w->PushButton5());
    EXPECT_EQ(*crystalWhileDue, "");
    // The chain's step ran only after the hand-played game: it played the
    // Crystal Bowl, left the China Bowl as decided by hand and armed Timer2.
    EXPECT_FALSE(timer1->isArmed());
    EXPECT_GE(std::stoi(crystal->Text()), 2);
    EXPECT_EQ(orangeFields(w->TextField9(), w->TextField10()), 1);
    EXPECT_TRUE(w->Timer2()->isArmed());
    EXPECT_TRUE(fw::testing::waitUntil([this] { return w->PushButton10()->Enabled(); }));
    EXPECT_EQ(totalWins(*w->Listbox1()), 2);

    // Play 5, 6 and 7 by hand while the chain waits: the chain pushes only
    // disabled buttons afterwards, and the tally grows by one.
    click(w->PushButton10());
    click(w->PushButton5());
    click(w->PushButton6());
    click(w->PushButton7());
    EXPECT_EQ(totalWins(*w->Listbox1()), 3);
    // The chain's two steps have run once both timers are off.
    EXPECT_TRUE(fw::testing::waitUntil([this] { return w->Timer1()->Mode() == 0 && w->Timer2()->Mode() == 0; }));
    EXPECT_FALSE(w->Timer1()->isArmed());
    EXPECT_FALSE(w->Timer2()->isArmed());
    EXPECT_EQ(totalWins(*w->Listbox1()), 3);
}

// The Soup Bowl played again after its last pairing popup is picked anew:
// only the new winner shows orange.
TEST_F(OneHandlerAtATime, AGamePlayedAgainShowsOneWinner) {
    readyAllOpeningGames();
    const std::int32_t a = 7, b = 7; // Boise State and Kansas State
    fw::seams::scriptRandom(run(40, a, 30, b, 10));
    click(w->PushButton4());
    EXPECT_EQ(inspect(w->TextField7()).background, kWinnerColour);
    chooseRow(w->PopupMenu24(), 0);
    chooseRow(w->PopupMenu24(), 1);
    fw::seams::scriptRandom(run(40, a, 10, b, 30));
    click(w->PushButton4());
    EXPECT_EQ(inspect(w->TextField8()).background, kWinnerColour);
    EXPECT_EQ(orangeFields(w->TextField7(), w->TextField8()), 1);
    EXPECT_TRUE(inspect(w->TextField7()).bold); // its bold stays
}

// A modal box shown by a handler takes the user's click; a click on the main
// window meanwhile is blocked by the box, as for the user, and does not act
// once the handler has returned either.
TEST_F(OneHandlerAtATime, AMessageBoxTakesInputWhileTheMainWindowTakesNone) {
    fw::seams::answerMessageBoxes(false);
    chooseRow(w->PopupMenu1(), 1); // a choice that Restart would throw away
    std::string shown;
    bool answered = false, forced = false;
    const fw::Ref<vantoro::Window1> first = w;
    fw::testing::Watch whenShown([] { return !fw::testing::modalBoxText().empty(); }, [&] {
        shown = fw::testing::modalBoxText();
        fw::testing::clickThroughWindow(first->PushButton8()); // Restart
        answered = fw::testing::clickModalBoxOk() && fw::testing::modalBoxText().empty();
        // The safety net: a box the click could not close is closed here, and
        // the test fails instead of waiting for ever.
        forced = !fw::testing::modalBoxText().empty();
        fw::testing::dismissModalBoxes();
    });
    click(w->CheckBox1()); // not all teams chosen: the handler shows its box
    fw::testing::processEvents();
    fw::seams::answerMessageBoxes(true);
    EXPECT_EQ(shown, "Please complete all selections first");
    EXPECT_TRUE(answered);
    EXPECT_FALSE(forced);
    EXPECT_TRUE(fw::testing::modalBoxText().empty());
    // No Restart, then or after the handler: the same window, its choice kept.
    EXPECT_TRUE(first->isOpen());
    EXPECT_EQ(vantoro::implicit::Window1().get(), first.get());
    EXPECT_EQ(first->PopupMenu1()->ListIndex(), 1);
    EXPECT_FALSE(inspect(first->CheckBox1()).checked);
    EXPECT_TRUE(inspect(first->CheckBox1()).enabled);

    // With no box up, the same click does restart.
    fw::testing::clickThroughWindow(first->PushButton8());
    EXPECT_FALSE(first->isOpen());
    w = vantoro::implicit::Window1();
    EXPECT_NE(w.get(), first.get());
}
