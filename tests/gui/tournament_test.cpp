#include "tournament_steps.h"

using fw::testing::chooseRow;
using fw::testing::click;
using fw::testing::inspect;
using tournament_steps::kEntriesInListOrder;
using tournament_steps::run;
using tournament_steps::operator+;

namespace bracket = vantoro::bracket;

namespace {
constexpr unsigned kWinnerColour = 0xFF9833;
constexpr unsigned kWhite = 0xFFFFFF;
const std::vector<std::string> kNoWins(8, "0");
} // namespace

class Tournament : public tournament_steps::TournamentTest {
protected:
    // Scripts the final so that slot A (or B) wins on its first run.
    void scriptFinalWonBy(char slot) {
        const std::int32_t a = strengthIn(w->Label22()), b = strengthIn(w->Label23());
        fw::seams::scriptRandom(slot == 'A' ? run(55, a, 50, b, 2) : run(55, a, 2, b, 50));
    }
    // The one row that holds a win, or -1.
    int rowWithWins() {
        const std::vector<std::string> wins = column(1);
        for (std::size_t r = 0; r < wins.size(); ++r)
            if (wins[r] != "0") return static_cast<int>(r);
        return -1;
    }
};

TEST_F(Tournament, AnOpeningGameShowsBothScoresAndMovesTheWinnerOn) {
    readyAllOpeningGames();
    // LSU (strength 10) against Alabama (9).
    fw::seams::scriptRandom(run(40, 10, 20, 9, 33));
    click(w->PushButton1());
    EXPECT_EQ(w->TextField1()->Text(), "20");
    EXPECT_EQ(w->TextField2()->Text(), "33");
    EXPECT_TRUE(inspect(w->TextField2()).bold);
    EXPECT_EQ(inspect(w->TextField2()).background, kWinnerColour);
    EXPECT_FALSE(inspect(w->TextField1()).bold);
    EXPECT_EQ(inspect(w->TextField1()).background, kWhite);
    EXPECT_EQ(w->Label10()->Text(), "Alabama (0.9419)");
    EXPECT_EQ(w->Label12()->Text(), "9");
    EXPECT_FALSE(w->PushButton1()->Enabled());
    EXPECT_FALSE(w->PushButton5()->Enabled());

    click(w->PushButton2());
    EXPECT_TRUE(w->PushButton5()->Enabled());
    EXPECT_FALSE(w->Label13()->Text().empty());

    // The other order for the Crystal Bowl gives the same end.
    click(w->PushButton4());
    EXPECT_FALSE(w->PushButton6()->Enabled());
    click(w->PushButton3());
    EXPECT_TRUE(w->PushButton6()->Enabled());
    for (const bracket::Game* game : {&bracket::kGames[bracket::kCerealBowl], &bracket::kGames[bracket::kSoupBowl]})
        for (vantoro::FieldAccessor field : game->scores) {
            const std::int32_t score = fw::ToInt32(fw::Val(control(field)->Text()));
            EXPECT_GE(score, 2);
            EXPECT_LE(score, 55);
        }
    EXPECT_NE(w->TextField5()->Text(), w->TextField6()->Text());
}

TEST_F(Tournament, ATieIsReplayedInsideTheSameClick) {
    readyAllOpeningGames();
    click(w->PushButton2());
    fw::seams::scriptRandom(run(40, 10, 20, 9, 20) + run(50, 10, 44, 9, 30));
    click(w->PushButton1());
    EXPECT_EQ(w->TextField1()->Text(), "44");
    EXPECT_EQ(w->TextField2()->Text(), "30");
    EXPECT_TRUE(inspect(w->TextField1()).bold);
    EXPECT_FALSE(inspect(w->TextField2()).bold);
    EXPECT_EQ(w->Label10()->Text(), "LSU (1)");
    EXPECT_EQ(w->Label12()->Text(), "10");
    EXPECT_FALSE(w->PushButton1()->Enabled());
    EXPECT_TRUE(w->PushButton5()->Enabled());
}

TEST_F(Tournament, TheSoupBowlWaitsWhileItsSecondPopupIsOnChoose) {
    readyAllOpeningGames();
    click(w->PushButton4());
    const std::string winner = w->Label16()->Text();
    chooseRow(w->PopupMenu24(), 0);
    EXPECT_TRUE(w->PushButton4()->Enabled());
    EXPECT_EQ(w->TextField7()->Text(), "0");
    click(w->PushButton4());
    EXPECT_EQ(w->TextField7()->Text(), "0");
    EXPECT_EQ(w->TextField8()->Text(), "0");
    EXPECT_TRUE(w->PushButton4()->Enabled());
    EXPECT_EQ(w->Label16()->Text(), winner);
}

TEST_F(Tournament, AWholeTournamentByClicksCountsOneTitle) {
    fw::seams::setShiftKey(false);
    playToTheFinal();
    EXPECT_EQ(column(0), kEntriesInListOrder);
    EXPECT_EQ(column(1), kNoWins);
    EXPECT_EQ(w->listit, 1);
    EXPECT_TRUE(w->PushButton7()->Enabled());
    EXPECT_FALSE(w->PushButton9()->Enabled());

    click(w->PushButton7());
    const bool slotAWon = inspect(w->TextField13()).bold;
    EXPECT_NE(slotAWon, inspect(w->TextField14()).bold);
    const std::string champion = slotAWon ? w->Label20()->Text() : w->Label21()->Text();
    const int row = rowWithWins();
    ASSERT_GE(row, 0);
    EXPECT_EQ(w->Listbox1()->Cell(row, 1), "1");
    EXPECT_EQ(fw::Split(w->Listbox1()->Cell(row, 0), "_").front(), champion);
    std::vector<std::string> wins = column(1);
    wins[static_cast<std::size_t>(row)] = "0";
    EXPECT_EQ(wins, kNoWins);

    EXPECT_FALSE(w->PushButton7()->Enabled());
    EXPECT_TRUE(w->PushButton9()->Enabled());
    EXPECT_TRUE(w->PushButton10()->Enabled());
    EXPECT_TRUE(w->PushButton11()->Enabled());
    EXPECT_EQ(w->Timer3()->Mode(), 0);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(Tournament, AFinalWonBySlotBCountsForThatTeam) {
    playToTheFinal();
    scriptFinalWonBy('B');
    click(w->PushButton7());
    EXPECT_TRUE(inspect(w->TextField14()).bold);
    EXPECT_EQ(inspect(w->TextField14()).background, kWinnerColour);
    EXPECT_FALSE(inspect(w->TextField13()).bold);
    const int row = rowWithWins();
    ASSERT_GE(row, 0);
    EXPECT_EQ(w->Listbox1()->Cell(row, 0).rfind(w->Label21()->Text() + "_", 0), 0u);
    EXPECT_EQ(w->Listbox1()->Cell(row, 1), "1");
}

TEST_F(Tournament, TiesAtTheFirstChinaBowlAndTheFinalMakeOneListAndOneTitle) {
    readyAllOpeningGames();
    playOpeningGames();
    const std::int32_t a = strengthIn(w->Label12()), b = strengthIn(w->Label13());
    fw::seams::scriptRandom(run(40, a, 25, b, 25) + run(30, a, 22, b, 22) + run(45, a, 40, b, 10));
    click(w->PushButton5());
    EXPECT_EQ(w->TextField9()->Text(), "40");
    EXPECT_EQ(w->Label20()->Text(), w->Label10()->Text());
    EXPECT_EQ(w->Label22()->Text(), w->Label12()->Text());
    EXPECT_FALSE(w->PushButton7()->Enabled());
    EXPECT_EQ(column(0), kEntriesInListOrder);
    EXPECT_EQ(column(1), kNoWins);

    click(w->PushButton6());
    EXPECT_TRUE(w->PushButton7()->Enabled());
    const std::int32_t fa = strengthIn(w->Label22()), fb = strengthIn(w->Label23());
    fw::seams::scriptRandom(run(35, fa, 20, fb, 20) + run(50, fa, 3, fb, 48));
    click(w->PushButton7());
    EXPECT_EQ(w->Listbox1()->ListCount(), 8);
    const int row = rowWithWins();
    ASSERT_GE(row, 0);
    EXPECT_EQ(w->Listbox1()->Cell(row, 1), "1");
    EXPECT_EQ(fw::Split(w->Listbox1()->Cell(row, 0), "_").front(), w->Label21()->Text());
}

// Each final again, without Replay, through the Soup Bowl's last popup.
TEST_F(Tournament, EveryDecidedFinalCountsAndNineBecomesTen) {
    fw::seams::setShiftKey(false);
    playToTheFinal();
    int row = -1;
    for (int final = 1; final <= 10; ++final) {
        if (final > 1) reopenFinal();
        if (final == 2) fw::seams::setShiftKey(true);
        scriptFinalWonBy('A');
        click(w->PushButton7());
        if (row < 0) row = rowWithWins();
        ASSERT_GE(row, 0);
        if (final == 9) {
            EXPECT_EQ(w->Listbox1()->Cell(row, 1), "9");
        }
    }
    EXPECT_EQ(w->Listbox1()->Cell(row, 1), "10");
    EXPECT_EQ(w->Listbox1()->ListCount(), 8);
    // Shift was held at every final after the first, but ReplayAll was enabled.
    EXPECT_EQ(w->Timer3()->Mode(), 0);
    EXPECT_FALSE(w->Timer3()->isArmed());

    // A long run's counts are drawn whole beside the scroll bar, up to 999; a
    // wider one is visibly shortened, never cut into a smaller-looking number.
    const fw::Ref<fw::Object> list(w->Listbox1().get());
    for (const auto& [before, after] : {std::pair{"998", "999"}, std::pair{"12344", "12345"}}) {
        w->Listbox1()->SetCell(row, 1, before);
        reopenFinal();
        scriptFinalWonBy('A');
        click(w->PushButton7());
        ASSERT_EQ(w->Listbox1()->Cell(row, 1), after);
        const fw::testing::DrawnCell count = fw::testing::drawnCell(list, row, 1);
        EXPECT_TRUE(count.inView) << after;
        EXPECT_TRUE(fw::testing::drawnCell(list, row, 0).inView) << after;
        if (std::string(after) == "999") EXPECT_EQ(count.text, "999");
        else EXPECT_EQ(count.text.substr(count.text.size() - 3), "\u2026") << count.text;
    }
}

TEST_F(Tournament, ShiftHeldAtTheFirstFinalArmsTheRepeat) {
    playToTheFinal();
    fw::seams::setShiftKey(true);
    click(w->PushButton7());
    EXPECT_TRUE(w->PushButton10()->Enabled());
    EXPECT_EQ(w->Timer3()->Mode(), 1);
    EXPECT_TRUE(w->Timer3()->isArmed());
}

TEST_F(Tournament, AChinaBowlBeforeThePairingIsDoneLeavesTheListToTheFinal) {
    chooseTeamsInListOrder();
    confirmTeamsAndStrengths();
    pairInOrder(4);
    click(w->PushButton1());
    click(w->PushButton2());
    click(w->PushButton5());
    EXPECT_FALSE(w->PushButton5()->Enabled());
    EXPECT_EQ(w->Listbox1()->ListCount(), 0);
    EXPECT_EQ(w->listit, 0);

    for (std::size_t k = 4; k < 8; ++k) chooseRow(control(bracket::kPairingChain[k]), 1);
    click(w->PushButton3());
    click(w->PushButton4());
    click(w->PushButton6());
    click(w->PushButton7());
    EXPECT_EQ(column(0), kEntriesInListOrder);
    EXPECT_EQ(w->listit, 1);
    const int row = rowWithWins();
    ASSERT_GE(row, 0);
    EXPECT_EQ(w->Listbox1()->Cell(row, 1), "1");
}

TEST_F(Tournament, TheLastPopupBackOnChooseStillGivesItsTeamARow) {
    readyAllOpeningGames();
    playOpeningGames();
    chooseRow(w->PopupMenu24(), 0);
    click(w->PushButton5());
    EXPECT_EQ(column(0), kEntriesInListOrder);
    click(w->PushButton6());
    click(w->PushButton7());
    EXPECT_GE(rowWithWins(), 0);
}

// Only the ReplayAll chain pushes a button whose game is not ready.
TEST_F(Tournament, GamesWithoutTeamsAreNotPlayed) {
    // Pushing a disabled button does nothing at all.
    for (const auto& play : {w->PushButton1(), w->PushButton5(), w->PushButton7()}) {
        ASSERT_FALSE(play->Enabled());
        play->Push();
    }
    EXPECT_EQ(w->TextField1()->Text(), "");
    EXPECT_EQ(w->TextField9()->Text(), "");
    // Enabled without teams, the games draw their ceiling and stop.
    for (const auto& play : {w->PushButton1(), w->PushButton5(), w->PushButton7()}) {
        play->SetEnabled(true);
        play->Push();
    }
    EXPECT_EQ(w->TextField1()->Text(), "0");
    EXPECT_EQ(w->TextField9()->Text(), "0");
    EXPECT_EQ(w->TextField10()->Text(), "0");
    EXPECT_FALSE(inspect(w->TextField9()).bold);
    EXPECT_EQ(w->Label20()->Text(), "TEAM: TBA");
    EXPECT_EQ(w->Label22()->Text(), "");
    EXPECT_EQ(w->Listbox1()->ListCount(), 0);
    EXPECT_EQ(w->listit, 0);
    EXPECT_FALSE(w->PushButton9()->Enabled());
    EXPECT_FALSE(w->PushButton10()->Enabled());
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}
