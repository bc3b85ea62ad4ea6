// Plays tournaments through the main window's real handlers, headless, and
// prints four figures: the median time of one whole tournament, the bowl
// game's core in games per second, how far resident memory grows from the
// 10th to the 10,000th tournament, and how far it grows over 1,000 Restarts of
// the main window. bench/measure.sh runs it after the start-up measurements;
// it also runs on its own: build/vantoro_soak.
#include "framework/controls/listbox.h"
#include "framework/controls/push_button.h"
#include "framework/random.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "framework/window.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/startup.h"
#include "tournament/bowl_core.h"
#include "tournament/bracket.h"
#include "tournament/team_popups.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTournaments = 10000;
constexpr int kEarlyMark = 10;
constexpr double kTournamentTargetMs = 5.0;
constexpr double kCoreTargetGamesPerSecond = 20e6;
constexpr long kGrowthTargetKb = 1024;
constexpr int kRestarts = 1000;
constexpr int kRestartWarmUp = 10;
constexpr long kRestartGrowthTargetKb = 1024;

void report(const char* what, const std::string& figure, const char* target, bool met) {
    std::printf("%-44s %22s   target %-12s %s\n", what, figure.c_str(), target, met ? "met" : "MISSED");
    std::fflush(stdout);
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// A small, fast source of whole numbers, so the core's own cost is what is
// measured rather than the generator's.
struct SplitMix {
    std::uint64_t state;
    std::int32_t operator()(std::int32_t min, std::int32_t max) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        const auto span = static_cast<std::uint64_t>(max - min + 1);
        return min + static_cast<std::int32_t>(((z >> 32) * span) >> 32);
    }
};

// Games per second of the core over about a second, strengths cycling through
// every pairing of 1..10.
double coreGamesPerSecond(const vantoro::bowl::Draw& source) {
    std::int64_t games = 0, checksum = 0;
    const auto start = Clock::now();
    std::chrono::duration<double> elapsed{};
    do {
        for (int a = 1; a <= 10; ++a)
            for (int b = 1; b <= 10; ++b) {
                checksum += static_cast<int>(vantoro::bowl::playToDecision(a, b, source).outcome);
                ++games;
            }
        elapsed = Clock::now() - start;
    } while (elapsed.count() < 1.0);
    // The checksum keeps the optimiser from dropping the games.
    if (checksum < 0) std::puts("");
    return static_cast<double>(games) / elapsed.count();
}

// Teams, strengths and pairings chosen as a user would: team K in popup K, the
// preset strengths, and each pairing popup's first remaining entry.
bool setUpBracket(vantoro::Window1& w) {
    for (std::size_t k = 0; k < vantoro::kTeamPopups.size(); ++k)
        fw::testing::chooseRow((w.*vantoro::kTeamPopups[k].team)(), static_cast<int>(k) + 1);
    fw::testing::click(w.CheckBox1());
    fw::testing::click(w.CheckBox2());
    for (vantoro::PopupAccessor pairing : vantoro::bracket::kPairingChain) {
        const fw::Ref<fw::PopupMenu> popup = (w.*pairing)();
        if (fw::deref(popup).ListCount() < 2) return false;
        fw::testing::chooseRow(popup, 1);
    }
    return std::ranges::all_of(vantoro::bracket::openingGames(), [&](const vantoro::bracket::Game& game) {
        return fw::deref((w.*game.play)()).Enabled();
    });
}

// One whole tournament as the Play buttons run it, then the event loop's turn
// (repaints), as it comes between a user's clicks. Replay opens every tournament
// but the first. Returns whether the final was decided (it enables Replay).
bool playTournament(vantoro::Window1& w, bool first) {
    if (!first) fw::deref(w.PushButton9()).Push();
    for (const vantoro::bracket::Game& game : vantoro::bracket::kGames) fw::deref((w.*game.play)()).Push();
    fw::testing::processEvents();
    return fw::deref(w.PushButton9()).Enabled();
}

// Restart as the user clicks it, then the event loop's turn, in which the
// closed window is deleted. Gives the fresh main window.
fw::Ref<vantoro::Window1> restart(const fw::Ref<vantoro::Window1>& w) {
    fw::testing::click(w->PushButton8());
    fw::testing::wait(0);
    return vantoro::implicit::Window1();
}

} // namespace

int main() {
    fw::testing::startHeadless();
    vantoro::registerClasses();
    fw::seams::answerMessageBoxes(true);
    fw::seams::recordUrls(true);
    fw::seams::setShiftKey(false);

    fw::Random programGenerator;
    const double coreFast = coreGamesPerSecond(SplitMix{0x5EED});
    const double coreProgram =
        coreGamesPerSecond([&](std::int32_t min, std::int32_t max) { return programGenerator.InRange(min, max); });

    int status = 0;
    auto w = vantoro::implicit::Window1();
    if (!setUpBracket(*w)) {
        std::puts("vantoro_soak: the bracket could not be set up through the selection handlers");
        return 2;
    }

    std::vector<double> ms;
    ms.reserve(kTournaments);
    long earlyKb = 0;
    for (int t = 1; t <= kTournaments; ++t) {
        const auto start = Clock::now();
        const bool decided = playTournament(*w, t == 1);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!decided) {
            std::printf("vantoro_soak: tournament %d ended without a decided final\n", t);
            return 2;
        }
        if (t == kEarlyMark) earlyKb = fw::testing::residentKb();
    }
    const long lateKb = fw::testing::residentKb();

    auto middle = ms.begin() + static_cast<std::ptrdiff_t>(ms.size() / 2);
    std::nth_element(ms.begin(), middle, ms.end());
    const double medianMs = *middle;
    const double maxMs = *std::max_element(ms.begin(), ms.end());

    std::int64_t titles = 0;
    const fw::Listbox& results = fw::deref(w->Listbox1());
    for (std::int32_t row = 0; row < results.ListCount(); ++row) {
        const std::string count = results.Cell(row, 1);
        if (!count.empty()) titles += std::stoll(count);
    }

    const bool tournamentMet = medianMs < kTournamentTargetMs;
    const bool coreMet = coreFast >= kCoreTargetGamesPerSecond;
    const bool growthMet = lateKb - earlyKb < kGrowthTargetKb;
    report("one tournament through the handlers (median)", format("%.3f ms", medianMs), "< 5 ms", tournamentMet);
    std::printf("%-44s %22s\n", "  slowest of them", format("%.3f ms", maxMs).c_str());
    report("bowl game core, fast source", format("%.1f M games/s", coreFast / 1e6), ">= 20 M/s", coreMet);
    std::printf("%-44s %22s\n", "  with the program's generator", format("%.1f M games/s", coreProgram / 1e6).c_str());
    report("resident memory growth, tournament 10 to 10000", format("%.0f kB", double(lateKb - earlyKb)), "< 1024 kB",
           growthMet);
    std::printf("%-44s %22s\n", "  resident after 10 / after 10000",
                (std::to_string(earlyKb) + " / " + std::to_string(lateKb) + " kB").c_str());
    std::printf("%-44s %22lld\n", "  titles in the results list", static_cast<long long>(titles));
    if (titles != kTournaments) {
        std::printf("vantoro_soak: the results list counts %lld titles for %d tournaments\n",
                    static_cast<long long>(titles), kTournaments);
        status = 1;
    }

    // Restart after Restart: the first few settle what the soak left behind.
    for (int r = 0; r < kRestartWarmUp; ++r) w = restart(w);
    const long beforeRestartsKb = fw::testing::residentKb();
    for (int r = 0; r < kRestarts; ++r) w = restart(w);
    const long afterRestartsKb = fw::testing::residentKb();
    if (fw::Window::openWindows().size() != 1 || !w->isOpen()) {
        std::puts("vantoro_soak: Restart did not leave exactly one open main window");
        status = 1;
    }
    const long restartGrowthKb = afterRestartsKb - beforeRestartsKb;
    report("resident memory growth, 1000 Restarts", format("%.0f kB", double(restartGrowthKb)), "< 1024 kB",
           restartGrowthKb < kRestartGrowthTargetKb);
    std::printf("%-44s %22s\n", "  resident before / after them",
                (std::to_string(beforeRestartsKb) + " / " + std::to_string(afterRestartsKb) + " kB").c_str());

    w->Close();
    vantoro::finalize();
    fw::runtime::exit();
    return status;
}
