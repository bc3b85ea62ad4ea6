#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "tournament/bracket.h"
#include "tournament/team_popups.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <set>

namespace {

namespace bracket = vantoro::bracket;
using fw::testing::click;
using fw::testing::inspect;
using fw::testing::waitUntil;

constexpr unsigned kWhite = 0xFFFFFF;

// Eight teams, the strength presets, and the pairing popups picked top to
// bottom, so the bracket is LSU v Alabama, Oklahoma State v Stanford, Oregon v
// Arkansas, Boise State v Kansas State.
void pairEightTeams(vantoro::Window1& w) {
    for (std::size_t k = 0; k < vantoro::kTeamPopups.size(); ++k)
        fw::testing::chooseRow((w.*vantoro::kTeamPopups[k].team)(), static_cast<int>(k) + 1);
    click(w.CheckBox1());
    click(w.CheckBox2());
    for (vantoro::PopupAccessor popup : bracket::kPairingChain) fw::testing::chooseRow((w.*popup)(), 1);
}

void playSevenGames(vantoro::Window1& w) {
    for (const bracket::Game& game : bracket::kGames) click((w.*game.play)());
}

int totalWins(fw::Listbox& list) {
    int sum = 0;
    for (int row = 0; row < list.ListCount(); ++row) sum += std::stoi(list.Cell(row, 1));
    return sum;
}

bool enabled(const fw::Ref<fw::PushButton>& b) { return inspect(b).enabled; }

long msSince(std::chrono::steady_clock::time_point t0) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count());
}

int openMainWindows() {
    int n = 0;
    for (const auto& win : fw::Window::openWindows()) n += win->classRecord().isA(vantoro::Window1::staticRecord());
    return n;
}

// A main window as it opens: what Restart must give.
void expectInitialState(vantoro::Window1& w) {
    EXPECT_TRUE(w.isOpen());
    EXPECT_TRUE(fw::testing::nativeShown(w));
    EXPECT_EQ(w.listit, 0);
    EXPECT_TRUE(w.team.empty());
    EXPECT_EQ(fw::deref(w.Listbox1()).ListCount(), 0);
    EXPECT_EQ(fw::deref(w.PopupMenu1()).ListCount(), 11);
    EXPECT_EQ(fw::deref(w.PopupMenu1()).ListIndex(), 0);
    EXPECT_EQ(fw::deref(w.PopupMenu16()).ListCount(), 10);
    EXPECT_EQ(fw::deref(w.PopupMenu16()).Text(), "6");
    EXPECT_EQ(fw::deref(w.PopupMenu17()).ListCount(), 0);
    EXPECT_EQ(inspect(w.Label20()).text, "TEAM: TBA");
    EXPECT_EQ(inspect(w.TextField1()).text, "");
    EXPECT_FALSE(inspect(w.TextField1()).bold);
    EXPECT_TRUE(enabled(w.PushButton8()));
    for (const auto& b : {w.PushButton1(), w.PushButton7(), w.PushButton9(), w.PushButton10(), w.PushButton11()})
        EXPECT_FALSE(enabled(b));
    for (const auto& t : {w.Timer1(), w.Timer2(), w.Timer3()}) {
        EXPECT_EQ(fw::deref(t).Mode(), 0);
        EXPECT_FALSE(fw::deref(t).isArmed());
    }
}

class Replay : public ::testing::Test {
protected:
    void SetUp() override {
        fw::seams::messageBoxTexts().clear();
        fw::seams::setShiftKey(false);
        w_ = vantoro::implicit::Window1();
        pairEightTeams(*w_);
        playSevenGames(*w_);
        ASSERT_EQ(totalWins(fw::deref(w_->Listbox1())), 1);
        // The three timers share one design record.
        period_ = fw::deref(w_->Timer1()).Period();
    }
    void TearDown() override {
        fw::seams::setShiftKey(std::nullopt);
        EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
        auto current = vantoro::implicit::Window1();
        current->Close();
    }
    fw::Ref<vantoro::Window1> w_;
    int period_ = 0; // of the chain's timers
};

TEST_F(Replay, ClearsTheBracketAndKeepsTheTally) {
    vantoro::Window1& w = *w_;
    const std::string counts0 = fw::deref(w.Listbox1()).Cell(0, 1);
    click(w.PushButton9());

    for (const bracket::Game& game : bracket::laterGames())
        for (const bracket::Slot& slot : game.slots) {
            EXPECT_EQ(inspect((w.*slot.name)()).text, "TEAM: TBA");
            EXPECT_EQ(fw::deref((w.*slot.strength)()).Text(), "");
        }
    int bold = 0;
    for (const bracket::Game& game : bracket::kGames)
        for (vantoro::FieldAccessor score : game.scores) {
            const auto seen = inspect((w.*score)());
            EXPECT_EQ(seen.text, "");
            EXPECT_EQ(seen.background, kWhite);
            bold += seen.bold;
        }
    EXPECT_EQ(bold, 7); // every game's winner keeps its bold text on white
    for (const bracket::Game& game : bracket::openingGames()) EXPECT_TRUE(enabled((w.*game.play)()));
    for (const bracket::Game& game : bracket::laterGames()) EXPECT_FALSE(enabled((w.*game.play)()));
    EXPECT_FALSE(enabled(w.PushButton9()));
    EXPECT_TRUE(enabled(w.PushButton10()));
    EXPECT_TRUE(enabled(w.PushButton11()));
    EXPECT_EQ(fw::deref(w.Listbox1()).ListCount(), 8);
    EXPECT_EQ(fw::deref(w.Listbox1()).Cell(0, 1), counts0);
    EXPECT_EQ(totalWins(fw::deref(w.Listbox1())), 1);
    EXPECT_EQ(fw::deref(w.PopupMenu17()).Text(), "LSU (1)_10");
}

TEST_F(Replay, ReplayAllPlaysOneTournamentAboutTwoTimerPeriodsLong) {
    vantoro::Window1& w = *w_;
    const auto t0 = std::chrono::steady_clock::now();
    click(w.PushButton10());
    // The opening games are played at once, the rest waits for the timers.
    EXPECT_FALSE(enabled(w.PushButton10()));
    EXPECT_FALSE(enabled(w.PushButton9()));
    EXPECT_NE(inspect(w.TextField8()).text, "");
    EXPECT_EQ(inspect(w.TextField9()).text, "");
    EXPECT_TRUE(fw::deref(w.Timer1()).isArmed());

    ASSERT_TRUE(waitUntil([&] { return inspect(w.TextField12()).text != ""; }));
    EXPECT_GE(msSince(t0), period_ - 50); // a timer may fire a little early
    EXPECT_EQ(inspect(w.TextField13()).text, "");
    ASSERT_TRUE(waitUntil([&] { return enabled(w.PushButton9()); }));
    EXPECT_GE(msSince(t0), 2 * period_ - 50);
    EXPECT_NE(inspect(w.TextField13()).text, "");
    EXPECT_EQ(totalWins(fw::deref(w.Listbox1())), 2);
    for (const auto& b : {w.PushButton10(), w.PushButton11()}) EXPECT_TRUE(enabled(b));
    for (const auto& t : {w.Timer1(), w.Timer2(), w.Timer3()}) EXPECT_FALSE(fw::deref(t).isArmed());
    fw::testing::wait(period_ + 200);
    EXPECT_EQ(totalWins(fw::deref(w.Listbox1())), 2);
}

TEST_F(Replay, ShiftHeldAtTheFinalStartsTheNextChain) {
    vantoro::Window1& w = *w_;
    click(w.PushButton10());
    fw::seams::setShiftKey(true);
    ASSERT_TRUE(waitUntil([&] { return fw::deref(w.Timer3()).isArmed(); }));
    EXPECT_EQ(totalWins(fw::deref(w.Listbox1())), 2);
    fw::seams::setShiftKey(false);
    ASSERT_TRUE(waitUntil([&] { return !enabled(w.PushButton10()); })); // the next chain is under way
    ASSERT_TRUE(waitUntil([&] { return enabled(w.PushButton10()); }));
    EXPECT_EQ(totalWins(fw::deref(w.Listbox1())), 3);
    EXPECT_FALSE(fw::deref(w.Timer3()).isArmed());
}

TEST_F(Replay, RestartOpensOneFreshWindowWithTheSameMenuBar) {
    const fw::Ref<fw::MenuBar> bar = w_->GetMenuBar();
    click(w_->PushButton8());
    EXPECT_FALSE(w_->isOpen());
    auto fresh = vantoro::implicit::Window1();
    EXPECT_NE(fresh.get(), w_.get());
    EXPECT_EQ(openMainWindows(), 1);
    EXPECT_TRUE(fresh->GetMenuBar() == bar);
    expectInitialState(*fresh);
}

// The popups, buttons and boxes of every main window draw with one palette,
// so the style's drawings, cached under its key, are made once for all of
// them: a palette of their own would have each Restart keep a new set.
TEST_F(Replay, RestartedWindowsDrawTheirControlsWithOneSharedPalette) {
    std::set<long long> keys;
    auto collect = [&keys](const vantoro::Window1& w) {
        for (const fw::Ref<fw::Control>& c : w.controls()) {
            const fw::ClassRecord& cls = c->classRecord();
            if (cls.isA(fw::PopupMenu::staticRecord()) || cls.isA(fw::PushButton::staticRecord()) ||
                cls.isA(fw::CheckBox::staticRecord()))
                keys.insert(fw::testing::paletteKey(c));
        }
    };
    collect(*w_);
    click(w_->PushButton8());
    collect(*vantoro::implicit::Window1());
    EXPECT_EQ(keys.size(), 1u);
}

// Each Restart gives back all that the window it closes held: over 300
// Restarts, after 50 that let caches and the allocator settle, the process
// keeps less than 2 kB a Restart.
TEST_F(Replay, RestartsKeepNoMemory) {
#ifdef VANTORO_SANITIZE
    GTEST_SKIP() << "the sanitizers' allocator holds freed memory back on purpose";
#endif
    auto restart = [] {
        click(vantoro::implicit::Window1()->PushButton8());
        // The event loop's turn: the new window paints, the closed one is deleted.
        fw::testing::wait(0);
    };
    for (int r = 0; r < 50; ++r) restart();
    const long before = fw::testing::residentKb();
    for (int r = 0; r < 300; ++r) restart();
    EXPECT_LT(fw::testing::residentKb() - before, 300 * 2);
}

TEST_F(Replay, RestartWhileTheChainWaitsPlaysNothingMore) {
    click(w_->PushButton10());
    const fw::Ref<fw::TextField> semiFinal = w_->TextField9(), final = w_->TextField13();
    const fw::Ref<fw::Timer> timer1 = w_->Timer1();
    click(w_->PushButton8());
    EXPECT_FALSE(timer1->isArmed());
    fw::testing::wait(2 * period_ + 300);
    EXPECT_EQ(semiFinal->Text(), "");
    EXPECT_EQ(final->Text(), "");
    EXPECT_EQ(openMainWindows(), 1);
    expectInitialState(*vantoro::implicit::Window1());
}

// Clicks Restart from inside the first yield after `started` holds: in the
// middle of a game's draws.
void restartWhen(fw::Ref<vantoro::Window1> w, std::function<bool()> started) {
    fw::testing::later(0, [w, started] {
        if (!w->isOpen()) return;
        if (started()) click(w->PushButton8());
        else restartWhen(w, started);
    });
}

// Restart clicked during a game waits for the running step of the chain to
// end, then ends the chain: no game of the old window is played after it.
TEST_F(Replay, RestartDuringAnOpeningGameEndsTheChainAfterItsStep) {
    const fw::Ref<fw::TextField> pasta = w_->TextField1(), soup = w_->TextField7(), china = w_->TextField9();
    const fw::Ref<fw::Timer> timer1 = w_->Timer1();
    restartWhen(w_, [pasta] { return pasta->Text() == "0"; });
    click(w_->PushButton10());
    EXPECT_FALSE(w_->isOpen());
    EXPECT_GE(std::stoi(pasta->Text()), 2); // played to its end first
    EXPECT_GE(std::stoi(soup->Text()), 2);
    EXPECT_FALSE(timer1->isArmed());
    fw::testing::wait(2 * period_ + 200);
    EXPECT_EQ(china->Text(), "");
    EXPECT_EQ(openMainWindows(), 1);
    expectInitialState(*vantoro::implicit::Window1());
}

TEST_F(Replay, RestartDuringASemiFinalOfTheChainEndsItAfterTheStep) {
    const fw::Ref<fw::TextField> china = w_->TextField9(), crystal = w_->TextField11(), final = w_->TextField13();
    const fw::Ref<fw::Timer> timer2 = w_->Timer2();
    const fw::Ref<fw::Listbox> list = w_->Listbox1();
    const int winsBefore = totalWins(*list);
    click(w_->PushButton10());
    restartWhen(w_, [china] { return china->Text() == "0"; });
    ASSERT_TRUE(waitUntil([this] { return !w_->isOpen(); }));
    fw::testing::wait(2 * period_ + 200);
    EXPECT_GE(std::stoi(china->Text()), 2);
    EXPECT_GE(std::stoi(crystal->Text()), 2);
    EXPECT_EQ(final->Text(), "");
    EXPECT_EQ(totalWins(*list), winsBefore);
    EXPECT_FALSE(timer2->isArmed());
    EXPECT_EQ(openMainWindows(), 1);
    expectInitialState(*vantoro::implicit::Window1());
}

} // namespace
