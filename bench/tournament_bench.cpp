// How fast the bowl game's core decides games, and how long one whole
// tournament takes when clicked through the real handlers on the headless
// platform. This file holds the benchmark program's main, because the
// tournament needs the runtime started and the classes registered first.
#include "framework/random.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/startup.h"
#include "tournament/bowl_core.h"
#include "tournament/bracket.h"
#include "tournament/team_popups.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

void BM_BowlCoreGames(benchmark::State& state) {
    const auto strengthA = static_cast<std::int32_t>(state.range(0));
    const auto strengthB = static_cast<std::int32_t>(state.range(1));
    std::mt19937_64 engine(2011);
    const vantoro::bowl::Draw uniform = [&](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(engine);
    };
    for (auto _ : state) benchmark::DoNotOptimize(vantoro::bowl::playToDecision(strengthA, strengthB, uniform));
    state.counters["games/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BowlCoreGames)->Args({8, 2})->Args({10, 10})->Args({1, 1});

using vantoro::PopupAccessor;

void readyBracket(vantoro::Window1& w) {
    for (std::size_t k = 0; k < vantoro::kTeamPopups.size(); ++k)
        fw::testing::chooseRow((w.*vantoro::kTeamPopups[k].team)(), static_cast<int>(k) + 1);
    fw::testing::click(w.CheckBox1());
    fw::testing::click(w.CheckBox2());
    for (PopupAccessor p : vantoro::bracket::kPairingChain) fw::testing::chooseRow((w.*p)(), 1);
}

void playSevenGames(vantoro::Window1& w) {
    for (const vantoro::bracket::Game& game : vantoro::bracket::kGames) fw::testing::click((w.*game.play)());
}

// From a new main window: the eight teams, both DONE boxes, the pairing and the
// seven games, all by clicks.
void BM_TournamentFromANewWindow(benchmark::State& state) {
    for (auto _ : state) {
        auto w = vantoro::implicit::Window1();
        readyBracket(*w);
        playSevenGames(*w);
        if (w->Listbox1()->ListCount() != 8) state.SkipWithError("the results list was not made");
        w->Close();
        fw::testing::processEvents();
    }
    state.counters["tournaments/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TournamentFromANewWindow)->Unit(benchmark::kMillisecond);

// The seven games alone: the window and the pairing are made outside the timing.
void BM_SevenGames(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto w = vantoro::implicit::Window1();
        readyBracket(*w);
        state.ResumeTiming();
        playSevenGames(*w);
        state.PauseTiming();
        w->Close();
        fw::testing::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SevenGames)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    fw::testing::startHeadless();
    vantoro::registerClasses();
    fw::seams::answerMessageBoxes(true);
    fw::seams::setShiftKey(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    vantoro::finalize();
    return fw::runtime::exit();
}
