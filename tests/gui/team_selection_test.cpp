#include "tournament_steps.h"

using fw::testing::chooseRow;
using fw::testing::click;
using tournament_steps::kEntriesInListOrder;
using vantoro::kTeamPopups;

namespace bracket = vantoro::bracket;

class TeamSelection : public tournament_steps::TournamentTest {};

TEST_F(TeamSelection, NewWindowOffersTheTenTeamsAndStrengthSix) {
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(teamPopup(k).Text(), "Choose");
        EXPECT_EQ(teamPopup(k).ListCount(), 11);
        EXPECT_EQ(teamPopup(k).List(10), "Wisconsin (0.6374)");
        EXPECT_TRUE(teamPopup(k).Enabled());
        EXPECT_EQ(strengthPopup(k).Text(), "6");
        EXPECT_FALSE(strengthPopup(k).Enabled());
    }
    EXPECT_EQ(w->one + w->two + w->three + w->four + w->five + w->six + w->seven + w->eight, 8);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(TeamSelection, EachTeamPresetsItsStrengthFromItsRating) {
    const std::vector<std::string> shown{"10", "9", "9", "8", "8", "8", "7", "7", "7", "6"};
    for (int row = 1; row <= 10; ++row) {
        chooseRow(w->PopupMenu1(), row);
        EXPECT_EQ(w->PopupMenu9()->Text(), shown[static_cast<std::size_t>(row - 1)]) << "team row " << row;
    }
    chooseRow(w->PopupMenu1(), 1);
    chooseRow(w->PopupMenu8(), 10);
    EXPECT_EQ(w->PopupMenu16()->Text(), "6");
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(TeamSelection, ADuplicateIsRefusedAndPutBackOnChoose) {
    chooseRow(w->PopupMenu1(), 1);
    chooseRow(w->PopupMenu2(), 1);
    EXPECT_EQ(fw::seams::messageBoxTexts(),
              std::vector<std::string>{"Your team choice can not match another choice"});
    EXPECT_EQ(w->PopupMenu2()->ListIndex(), 0);
    EXPECT_EQ(w->PopupMenu10()->Text(), "6");
    EXPECT_EQ(w->PopupMenu1()->Text(), "LSU (1)");

    // Moving PopupMenu1 to another team frees LSU for PopupMenu2.
    chooseRow(w->PopupMenu1(), 4);
    EXPECT_EQ(w->PopupMenu9()->Text(), "8");
    chooseRow(w->PopupMenu2(), 1);
    EXPECT_EQ(w->PopupMenu10()->Text(), "10");
    EXPECT_EQ(fw::seams::messageBoxTexts().size(), 1u);

    // Back on "Choose" while others are on it too: nothing happens.
    chooseRow(w->PopupMenu2(), 0);
    EXPECT_EQ(w->PopupMenu10()->Text(), "10");
    EXPECT_EQ(fw::seams::messageBoxTexts().size(), 1u);
}

TEST_F(TeamSelection, ARefusalInTheEighthPopupLeavesItsStrengthOnNoRow) {
    for (std::size_t k = 0; k < 7; ++k) chooseRow(control(kTeamPopups[k].team), static_cast<int>(k) + 1);
    chooseRow(w->PopupMenu8(), 3);
    EXPECT_EQ(fw::seams::messageBoxTexts().size(), 1u);
    EXPECT_EQ(w->PopupMenu8()->ListIndex(), 0);
    EXPECT_EQ(w->PopupMenu16()->ListIndex(), -1);
    chooseRow(w->PopupMenu8(), 10);
    EXPECT_EQ(w->PopupMenu16()->Text(), "6");
}

TEST_F(TeamSelection, TheFirstDoneBoxRefusesAnIncompleteChoice) {
    chooseTeamsInListOrder();
    chooseRow(w->PopupMenu5(), 0);
    click(w->CheckBox1());
    EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"Please complete all selections first"});
    EXPECT_FALSE(w->CheckBox1()->Value());
    EXPECT_TRUE(w->CheckBox1()->Enabled());
    EXPECT_FALSE(w->CheckBox2()->Enabled());
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_TRUE(teamPopup(k).Enabled());
        EXPECT_FALSE(strengthPopup(k).Enabled());
    }

    chooseRow(w->PopupMenu5(), 5);
    click(w->CheckBox1());
    EXPECT_EQ(fw::seams::messageBoxTexts().size(), 1u);
    EXPECT_TRUE(w->CheckBox1()->Value());
    EXPECT_FALSE(w->CheckBox1()->Enabled());
    EXPECT_TRUE(w->CheckBox2()->Enabled());
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_FALSE(teamPopup(k).Enabled());
        EXPECT_TRUE(strengthPopup(k).Enabled());
    }
}

// A screen reader's or switch access's "Toggle" on a DONE box is the user's
// tick: the box's handler checks, refuses and confirms as for a click.
TEST_F(TeamSelection, TheDoneBoxesTakeAnAssistiveToolsToggleAsAClick) {
    using fw::testing::doAccessibleAction;
    using fw::testing::inspect;
    using fw::testing::waitUntil;
    chooseTeamsInListOrder();
    chooseRow(w->PopupMenu5(), 0);
    ASSERT_TRUE(doAccessibleAction(w->CheckBox1(), "Toggle"));
    EXPECT_TRUE(waitUntil([] { return !fw::seams::messageBoxTexts().empty(); }));
    EXPECT_EQ(fw::seams::messageBoxTexts(), std::vector<std::string>{"Please complete all selections first"});
    EXPECT_FALSE(w->CheckBox1()->Value());
    EXPECT_FALSE(inspect(w->CheckBox1()).checked);
    EXPECT_TRUE(w->CheckBox1()->Enabled());
    EXPECT_FALSE(strengthPopup(0).Enabled());

    chooseRow(w->PopupMenu5(), 5);
    ASSERT_TRUE(doAccessibleAction(w->CheckBox1(), "Toggle"));
    EXPECT_TRUE(waitUntil([this] { return w->CheckBox2()->Enabled(); }));
    EXPECT_EQ(fw::seams::messageBoxTexts().size(), 1u);
    EXPECT_TRUE(w->CheckBox1()->Value());
    EXPECT_TRUE(inspect(w->CheckBox1()).checked);
    EXPECT_FALSE(w->CheckBox1()->Enabled());
    EXPECT_TRUE(w->CheckBox2()->Enabled());
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_FALSE(teamPopup(k).Enabled());
        EXPECT_TRUE(strengthPopup(k).Enabled());
    }
    EXPECT_FALSE(doAccessibleAction(w->CheckBox1(), "Toggle"));

    ASSERT_TRUE(doAccessibleAction(w->CheckBox2(), "Toggle"));
    EXPECT_TRUE(waitUntil([this] { return !w->CheckBox2()->Enabled(); }));
    EXPECT_EQ(w->team, kEntriesInListOrder);
    EXPECT_TRUE(inspect(w->CheckBox2()).checked);
    EXPECT_FALSE(w->CheckBox2()->Enabled());
    EXPECT_TRUE(w->PopupMenu17()->Enabled());
}

TEST_F(TeamSelection, TheSecondDoneBoxMakesTheEightTeamEntries) {
    chooseTeamsInListOrder();
    click(w->CheckBox1());
    click(w->CheckBox2());
    EXPECT_EQ(w->team, kEntriesInListOrder);
    ASSERT_EQ(w->PopupMenu17()->ListCount(), 9);
    EXPECT_EQ(w->PopupMenu17()->List(0), "Choose");
    for (int row = 1; row <= 8; ++row)
        EXPECT_EQ(w->PopupMenu17()->List(row), kEntriesInListOrder[static_cast<std::size_t>(row - 1)]);
    EXPECT_EQ(w->PopupMenu17()->ListIndex(), 0);
    EXPECT_TRUE(w->PopupMenu17()->Enabled());
    EXPECT_TRUE(w->CheckBox2()->Value());
    EXPECT_FALSE(w->CheckBox2()->Enabled());
    for (std::size_t k = 0; k < 8; ++k) EXPECT_FALSE(strengthPopup(k).Enabled());
    for (std::size_t k = 1; k < 8; ++k) EXPECT_EQ(control(bracket::kPairingChain[k])->ListCount(), 0);
}

TEST_F(TeamSelection, AStrengthChangedBetweenTheBoxesGoesIntoTheEntry) {
    chooseTeamsInListOrder();
    click(w->CheckBox1());
    chooseRow(w->PopupMenu9(), 2);
    click(w->CheckBox2());
    EXPECT_EQ(w->team.front(), "LSU (1)_3");
    EXPECT_EQ(w->team.back(), "Kansas State (0.6827)_7");
}

// State k + 1 of the chain follows the k-th pick; each game's row of flags reads
// Pasta, Salad, Cereal, Soup.
TEST_F(TeamSelection, ThePairingChainGoesThroughItsNineStates) {
    chooseTeamsInListOrder();
    confirmTeamsAndStrengths();
    struct State {
        const char* playEnabled;
        const char* scoresZeroed;
    };
    const State states[9] = {{"0000", "0000"}, {"0000", "1000"}, {"1000", "1000"}, {"1000", "1100"}, {"1100", "1100"},
                             {"1100", "1110"}, {"1110", "1110"}, {"1110", "1111"}, {"1111", "1111"}};
    for (std::size_t s = 0; s < 9; ++s) {
        SCOPED_TRACE("state " + std::to_string(s + 1));
        for (std::size_t p = 0; p < 8; ++p) {
            fw::PopupMenu& pm = *control(bracket::kPairingChain[p]);
            if (p < s) {
                EXPECT_EQ(pm.Enabled(), p == 7);
                EXPECT_EQ(pm.ListIndex(), 1);
            } else if (p == s) {
                EXPECT_TRUE(pm.Enabled());
                EXPECT_EQ(pm.ListIndex(), 0);
                EXPECT_EQ(pm.ListCount(), static_cast<std::int32_t>(9 - p));
            } else {
                EXPECT_FALSE(pm.Enabled());
                EXPECT_EQ(pm.ListCount(), 0);
            }
        }
        for (std::size_t g = 0; g < 4; ++g) {
            const bracket::Game& game = bracket::openingGames()[g];
            EXPECT_EQ(control(game.play)->Enabled(), states[s].playEnabled[g] == '1') << game.name;
            const std::string zero = states[s].scoresZeroed[g] == '1' ? "0" : "";
            for (vantoro::FieldAccessor score : game.scores) EXPECT_EQ(control(score)->Text(), zero) << game.name;
        }
        if (s < 8) chooseRow(control(bracket::kPairingChain[s]), 1);
    }
    // The last pick removes nothing.
    EXPECT_EQ(w->team, std::vector<std::string>{"Kansas State (0.6827)_7"});
}

TEST_F(TeamSelection, APickTakesItsEntryOutAndOffersTheRest) {
    chooseTeamsInListOrder();
    confirmTeamsAndStrengths();
    chooseRow(w->PopupMenu17(), 3);
    const std::vector<std::string> rest{"Choose",
                                        "LSU (1)_10",
                                        "Alabama (0.9419)_9",
                                        "Stanford (0.8476)_8",
                                        "Oregon (0.7901)_8",
                                        "Arkansas (0.7687)_8",
                                        "Boise State (0.7408)_7",
                                        "Kansas State (0.6827)_7"};
    std::vector<std::string> offered;
    for (std::int32_t row = 0; row < w->PopupMenu18()->ListCount(); ++row) offered.push_back(w->PopupMenu18()->List(row));
    EXPECT_EQ(offered, rest);
    EXPECT_EQ(w->team.size(), 7u);
    EXPECT_EQ(w->PopupMenu17()->Text(), "Oklahoma State (0.9333)_9");

    // A picked popup cannot be changed any more.
    chooseRow(w->PopupMenu17(), 1);
    EXPECT_EQ(w->PopupMenu17()->Text(), "Oklahoma State (0.9333)_9");
}
