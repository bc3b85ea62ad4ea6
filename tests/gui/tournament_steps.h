// What a user does on the way through a tournament, for the tournament tests:
// every step goes through the real controls.
#pragma once

#include "framework/random.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "framework/text.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "tournament/bracket.h"
#include "tournament/team_popups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tournament_steps {

namespace bracket = vantoro::bracket;
using vantoro::kTeamPopups;

// A fresh main window per test, closed afterwards, with the random and Shift
// seams put back.
class TournamentTest : public ::testing::Test {
protected:
    void SetUp() override {
        fw::seams::messageBoxTexts().clear();
        fw::seams::seedRandom(2011);
        w = vantoro::implicit::Window1();
        ASSERT_TRUE(w);
    }
    void TearDown() override {
        if (w) w->Close();
        fw::seams::clearRandomScript();
        fw::seams::unseedRandom();
        fw::seams::setShiftKey(std::nullopt);
    }

    // The control of this window that a bracket's accessor names.
    template <class Accessor> auto control(Accessor accessor) { return ((*w).*accessor)(); }
    // Team popup k, or the strength popup below it.
    fw::PopupMenu& teamPopup(std::size_t k) { return *control(kTeamPopups[k].team); }
    fw::PopupMenu& strengthPopup(std::size_t k) { return *control(kTeamPopups[k].strength); }

    // "LSU (1)" in PopupMenu1 to "Kansas State (0.6827)" in PopupMenu8.
    void chooseTeamsInListOrder() {
        for (std::size_t k = 0; k < kTeamPopups.size(); ++k)
            fw::testing::chooseRow(control(kTeamPopups[k].team), static_cast<int>(k) + 1);
    }
    void confirmTeamsAndStrengths() {
        fw::testing::click(w->CheckBox1());
        fw::testing::click(w->CheckBox2());
    }
    // Picks the first entry left in each pairing popup, up to `count` picks.
    void pairInOrder(std::size_t count = 8) {
        for (std::size_t k = 0; k < count; ++k) fw::testing::chooseRow(control(bracket::kPairingChain[k]), 1);
    }
    void readyAllOpeningGames() {
        chooseTeamsInListOrder();
        confirmTeamsAndStrengths();
        pairInOrder();
    }
    void playOpeningGames() {
        for (const bracket::Game& game : bracket::openingGames()) fw::testing::click(control(game.play));
    }
    void playToTheFinal() {
        readyAllOpeningGames();
        playOpeningGames();
        for (const bracket::Game& game : bracket::semiFinals()) fw::testing::click(control(game.play));
    }
    // The Soup Bowl and the Crystal Bowl again, through the last pairing popup,
    // so the final can be played once more without Replay.
    void reopenFinal() {
        const bracket::Game& soup = bracket::kGames[bracket::kSoupBowl];
        fw::testing::chooseRow(control(soup.pairings[bracket::kRight]), 0);
        fw::testing::chooseRow(control(soup.pairings[bracket::kRight]), 1);
        fw::testing::click(control(soup.play));
        fw::testing::click(control(bracket::nextGame(soup).play));
    }

    std::int32_t strengthIn(fw::Ref<fw::Label> label) { return fw::ToInt32(fw::Val(label->Text())); }

    std::vector<std::string> column(std::int32_t c) {
        std::vector<std::string> cells;
        for (std::int32_t row = 0; row < w->Listbox1()->ListCount(); ++row) cells.push_back(w->Listbox1()->Cell(row, c));
        return cells;
    }

    fw::Ref<vantoro::Window1> w;
};

// The draws of one run in the order the game asks for them: the ceiling, then
// each of team A's draws, then each of team B's.
inline std::vector<std::int32_t> run(std::int32_t ceiling, std::int32_t strengthA, std::int32_t drawA,
                                     std::int32_t strengthB, std::int32_t drawB) {
    std::vector<std::int32_t> values{ceiling};
    values.insert(values.end(), static_cast<std::size_t>(strengthA), drawA);
    values.insert(values.end(), static_cast<std::size_t>(strengthB), drawB);
    return values;
}

inline std::vector<std::int32_t> operator+(std::vector<std::int32_t> a, const std::vector<std::int32_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline const std::vector<std::string> kEntriesInListOrder{
    "LSU (1)_10",         "Alabama (0.9419)_9", "Oklahoma State (0.9333)_9", "Stanford (0.8476)_8",
    "Oregon (0.7901)_8", "Arkansas (0.7687)_8", "Boise State (0.7408)_7",   "Kansas State (0.6827)_7",
};

} // namespace tournament_steps
