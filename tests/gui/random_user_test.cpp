// A randomized user: from fixed seeds, thousands of short sequences of what a
// user can do (pick, click, type, hold Shift, let time pass, save, replay,
// restart), some of it arriving inside a running handler's yield. After every
// step the tournament must still make sense.
#include "tests/file_helpers.h"
#include "framework/delegate.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "tournament/bracket.h"
#include "tournament/team_popups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <span>
#include <sstream>

namespace fs = std::filesystem;

namespace {

namespace bracket = vantoro::bracket;
using vantoro::ButtonAccessor;
using vantoro::PopupAccessor;
using vantoro::Window1;

// The seven Play buttons in bracket order, then the window's other four.
constexpr auto kButtons = [] {
    std::array<ButtonAccessor, bracket::kGameCount + 4> buttons{};
    std::ranges::transform(bracket::kGames, buttons.begin(), &bracket::Game::play);
    const ButtonAccessor others[] = {&Window1::PushButton8, &Window1::PushButton9, &Window1::PushButton10,
                                     &Window1::PushButton11};
    std::ranges::copy(others, buttons.begin() + bracket::kGameCount);
    return buttons;
}();
// The team popups, the strength popups, then the pairing chain.
constexpr auto kPopups = [] {
    std::array<PopupAccessor, 2 * vantoro::kTeamPopups.size() + bracket::kPairingChain.size()> popups{};
    auto out = std::ranges::transform(vantoro::kTeamPopups, popups.begin(), &vantoro::TeamPopup::team).out;
    out = std::ranges::transform(vantoro::kTeamPopups, out, &vantoro::TeamPopup::strength).out;
    std::ranges::copy(bracket::kPairingChain, out);
    return popups;
}();
constexpr unsigned kWinnerColour = 0xFF9833;
// The chain's timers run at this period here, so that letting time pass plays
// whole chains within a few milliseconds.
constexpr int kShortPeriod = 4;

int scoreOf(const std::string& text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoi(text);
}

// Scores that show a decided game: two different numbers. A side without a
// team (an empty slot) scores 0 and loses; "0" to "0" is a game not played.
bool decided(int a, int b) { return a >= 0 && b >= 0 && a != b; }

using test_files::readFile;

// Whether the file holds only whole blocks: a heading, eight result rows and
// the closing line, each ended by a line feed. Empty means yes.
std::string wholeBlocksFault(const std::string& text) {
    if (text.empty()) return "empty file";
    if (text.back() != '\n') return "ends inside a line";
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    if (lines.size() % 10 != 0) return "holds " + std::to_string(lines.size()) + " lines";
    for (std::size_t b = 0; b < lines.size(); b += 10) {
        if (lines[b] != "TEAM (BCS#)_Strength\t|| Number of Wins") return "bad heading";
        for (std::size_t r = 1; r <= 8; ++r) {
            const std::string& row = lines[b + r];
            const std::size_t bar = row.find("\t|| ");
            if (bar == std::string::npos || row.find('_') > bar || scoreOf(row.substr(bar + 4)) < 0)
                return "bad row: " + row;
        }
        if (lines[b + 9] != "==========") return "bad closing line";
    }
    return {};
}

class RandomUser {
public:
    RandomUser(std::uint32_t seed, fs::path folder) : rng_(seed), folder_(std::move(folder)) {}

    // One step: an action now, or one held back to come inside the next
    // handler's first yield, followed by another action now.
    void step() {
        if (chance(0.2)) {
            std::function<void()> held = randomAction();
            fw::testing::later(0, [held] { held(); });
        }
        randomAction()();
        adoptCurrentWindow();
    }

    // The invariants; empty when all hold.
    std::string fault() {
        Window1& w = *window_;
        fw::Listbox& list = fw::deref(w.Listbox1());
        const int rows = list.ListCount();
        if (rows != 0 && rows != 8) return "results list has " + std::to_string(rows) + " rows";
        if (rows == 8) {
            std::set<std::string> entries;
            int wins = 0;
            for (int r = 0; r < 8; ++r) {
                const std::string entry = list.Cell(r, 0);
                if (entry.find('_') == std::string::npos) return "row without a team entry: " + entry;
                entries.insert(entry);
                wins += scoreOf(list.Cell(r, 1));
            }
            if (entries.size() != 8) return "results list repeats a team";
            if (wins != finals_)
                return std::to_string(wins) + " wins for " + std::to_string(finals_) + " finals decided";
        } else if (finals_ != 0) {
            return "finals counted without a results list";
        }
        if (w.team.size() > 8) return "team holds " + std::to_string(w.team.size());
        if (std::set<std::string>(w.team.begin(), w.team.end()).size() != w.team.size()) return "team repeats an entry";
        for (const bracket::Game& game : bracket::kGames) {
            const fw::Ref<fw::TextField> fa = (w.*game.scores[0])(), fb = (w.*game.scores[1])();
            const bool oa = fw::testing::inspect(fa).background == kWinnerColour;
            const bool ob = fw::testing::inspect(fb).background == kWinnerColour;
            if (oa && ob) return "two winners in " + fa->Name() + "/" + fb->Name();
            // A decided game shows its winner; one stopped for want of a team
            // ("0" to "0") keeps whatever mark it had.
            const int sa = scoreOf(fa->Text()), sb = scoreOf(fb->Text());
            if (decided(sa, sb) && (sa > sb ? !oa : !ob))
                return "the winner not marked in " + fa->Name() + "/" + fb->Name();
        }
        for (const auto& entry : fs::directory_iterator(folder_)) {
            // Only a file that changed since the last look is read again.
            const auto size = entry.file_size();
            if (std::exchange(sizes_[entry.path().string()], size) == size) continue;
            const std::string problem = wholeBlocksFault(readFile(entry.path()));
            if (!problem.empty()) return entry.path().filename().string() + ": " + problem;
        }
        return {};
    }

    void adoptCurrentWindow() {
        fw::Ref<Window1> current = vantoro::implicit::Window1();
        if (current == window_) return;
        window_ = current;
        finals_ = 0;
        for (const auto& t : {current->Timer1(), current->Timer2(), current->Timer3()}) fw::deref(t).SetPeriod(kShortPeriod);
        countDecidedFinals(*current);
    }

private:
    // Counts, apart from the tally, every final that its handler decides while
    // the window has its results list: what the wins must add up to.
    void countDecidedFinals(Window1& w) {
        Window1* raw = &w;
        auto depth = std::make_shared<int>(0);
        auto routine = [this, raw, depth](fw::Object&, std::span<const fw::Value> args) -> fw::Value {
            auto button = fw::checkedCast<fw::PushButton>(std::get<fw::Ref<fw::Object>>(args[0]));
            struct Nesting {
                int& n;
                explicit Nesting(int& d) : n(d) { ++n; }
                ~Nesting() { --n; }
            };
            {
                Nesting nested(*depth);
                raw->PushButton7_Action(button);
            }
            const int a = scoreOf(fw::deref(raw->TextField13()).Text()), b = scoreOf(fw::deref(raw->TextField14()).Text());
            if (*depth == 0 && decided(a, b) && fw::deref(raw->Listbox1()).ListCount() == 8) {
                ++finals_;
                ++allFinals_;
            }
            return fw::Value{};
        };
        fw::deref(w.PushButton7()).AddEventHandler("Action", fw::make<fw::Delegate>("PushButton7_Action", routine, "( PushButton )"));
    }

    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // The open main window, found without making one: an action that comes
    // inside Restart's handler may find none for a moment.
    static fw::Ref<Window1> openMainWindow() {
        for (const auto& win : fw::Window::openWindows())
            if (auto w = fw::Ref<Window1>(dynamic_cast<Window1*>(win.get()))) return w;
        return nullptr;
    }

    // What a user does next: mostly the next step of the main road, otherwise
    // anything the window offers. Bound now, carried out when called.
    std::function<void()> randomAction() {
        const int kind = below(100);
        if (kind < 45) return roadStep();
        if (kind < 60) {
            const ButtonAccessor b = kButtons[static_cast<std::size_t>(below(std::size(kButtons)))];
            // Restart throws the tournament away: rarely.
            if (b == &Window1::PushButton8 && !chance(0.05)) return [] {};
            return [b] {
                if (auto w = openMainWindow(); w && fw::deref((w.get()->*b)()).Enabled()) fw::testing::click((w.get()->*b)());
            };
        }
        if (kind < 72) {
            const PopupAccessor p = kPopups[static_cast<std::size_t>(below(std::size(kPopups)))];
            const int row = below(11);
            return [p, row] {
                auto w = openMainWindow();
                if (!w) return;
                fw::PopupMenu& popup = fw::deref((w.get()->*p)());
                if (popup.Enabled() && popup.ListCount() > 0) fw::testing::chooseRow((w.get()->*p)(), row % popup.ListCount());
            };
        }
        if (kind < 76) {
            const bool second = chance(0.5);
            return [second] {
                if (auto w = openMainWindow()) fw::testing::click(second ? w->CheckBox2() : w->CheckBox1());
            };
        }
        if (kind < 82) {
            static const char* const kIds[] = {"fan", "j.smith_2", "a b", "x:y", "fan", "Q"};
            const std::string id = kIds[below(std::size(kIds))];
            return [id] {
                if (auto w = openMainWindow()) {
                    fw::deref(w->TextField15()).SetText("");
                    fw::testing::typeText(w->TextField15(), id);
                }
            };
        }
        if (kind < 88) {
            const bool down = chance(0.3);
            return [down] { fw::seams::setShiftKey(down); };
        }
        const int ms = below(2 * kShortPeriod);
        return [ms] { fw::testing::wait(ms); };
    }

    // The next step of the main road in the window as it is when called.
    std::function<void()> roadStep() {
        const int pick = below(1000);
        return [pick] {
            auto w = openMainWindow();
            if (!w) return;
            Window1& win = *w;
            // Walked, not indexed: the accessor tables are read through spans.
            const auto teams = std::span(kPopups).first<vantoro::kTeamPopups.size()>();
            std::set<int> taken;
            for (PopupAccessor p : teams) taken.insert(fw::deref((win.*p)()).ListIndex());
            for (PopupAccessor p : teams) {
                fw::PopupMenu& team = fw::deref((win.*p)());
                if (team.Enabled() && team.ListIndex() == 0) {
                    std::vector<int> free;
                    for (int row = 1; row < team.ListCount(); ++row)
                        if (!taken.count(row)) free.push_back(row);
                    if (!free.empty())
                        fw::testing::chooseRow((win.*p)(), free[static_cast<std::size_t>(pick) % free.size()]);
                    return;
                }
            }
            if (fw::deref(win.CheckBox1()).Enabled()) return fw::testing::click(win.CheckBox1());
            if (fw::deref(win.CheckBox2()).Enabled()) return fw::testing::click(win.CheckBox2());
            for (PopupAccessor p : bracket::kPairingChain) {
                fw::PopupMenu& pairing = fw::deref((win.*p)());
                if (pairing.Enabled() && pairing.ListIndex() < 1 && pairing.ListCount() > 1)
                    return fw::testing::chooseRow((win.*p)(), 1 + pick % (pairing.ListCount() - 1));
            }
            for (const bracket::Game& game : bracket::kGames)
                if (fw::deref((win.*game.play)()).Enabled()) return fw::testing::click((win.*game.play)());
            for (ButtonAccessor b : {&Window1::PushButton10, &Window1::PushButton9, &Window1::PushButton11})
                if (fw::deref((win.*b)()).Enabled()) return fw::testing::click((win.*b)());
        };
    }

    std::mt19937 rng_;
    fs::path folder_;
    fw::Ref<Window1> window_;
    int finals_ = 0;
    std::map<std::string, std::uintmax_t> sizes_;

public:
    int allFinals_ = 0;
};

TEST(RandomUser, EveryStepKeepsTheTournamentConsistent) {
    char pattern[] = "/tmp/vantoro-random-user-XXXXXX";
    const fs::path folder = mkdtemp(pattern);
    fw::seams::setApplicationFolder(folder.string());
    fw::seams::setToday(fw::seams::Day{2026, 12, 8});
    const std::uint32_t seeds[] = {1, 2011, 4242, 90210};
    constexpr int kSequences = 300, kSteps = 3;
    int finals = 0;
    for (std::uint32_t seed : seeds) {
        fw::seams::seedRandom(seed);
        RandomUser user(seed, folder);
        user.adoptCurrentWindow();
        for (int sequence = 0; sequence < kSequences; ++sequence) {
            for (int stepNo = 0; stepNo < kSteps; ++stepNo) {
                user.step();
                const std::string fault = user.fault();
                ASSERT_TRUE(fault.empty()) << fault << " (seed " << seed << ", sequence " << sequence << ", step "
                                           << stepNo << ")";
            }
            fw::seams::messageBoxTexts().clear();
            fw::seams::setShiftKey(false);
        }
        finals += user.allFinals_;
        fw::deref(vantoro::implicit::Window1()).Close();
    }
    // The road was really travelled: many tournaments reached their final.
    EXPECT_GT(finals, 200);
    fw::seams::unseedRandom();
    fw::seams::setShiftKey(std::nullopt);
    fw::seams::setApplicationFolder(std::nullopt);
    fw::seams::setToday(std::nullopt);
    fs::remove_all(folder);
}

} // namespace
