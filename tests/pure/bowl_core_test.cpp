#include "tournament/bowl_core.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

using vantoro::bowl::Outcome;

namespace {

// Hands out fixed values and notes each request as "<who>:<min>-<max>".
struct Script {
    std::deque<std::int32_t> values;
    std::vector<std::string> calls;
    vantoro::bowl::Draw as(const std::string& who) {
        return [this, who](std::int32_t min, std::int32_t max) {
            calls.push_back(who + ":" + std::to_string(min) + "-" + std::to_string(max));
            const std::int32_t v = values.front();
            values.pop_front();
            return v;
        };
    }
};

} // namespace

TEST(BowlCore, CeilingFirstThenAllOfTeamAThenAllOfTeamB) {
    Script s;
    s.values = {40, 7, 30, 12, 9, 33};
    int yields = 0;
    const auto run = vantoro::bowl::playRun(3, 2, s.as("A"), s.as("B"), s.as("C"), [&] { ++yields; });
    EXPECT_EQ(s.calls, (std::vector<std::string>{"C:25-55", "A:2-40", "A:2-40", "A:2-40", "B:2-40", "B:2-40"}));
    EXPECT_EQ(run.ceiling, 40);
    EXPECT_EQ(run.bestA, 30);
    EXPECT_EQ(run.bestB, 33);
    EXPECT_EQ(run.outcome, Outcome::TeamB);
    EXPECT_EQ(yields, 5);
}

TEST(BowlCore, StrengthOneDrawsOnceAndEqualBestsTie) {
    Script s;
    s.values = {25, 17, 17};
    const auto run = vantoro::bowl::playRun(1, 1, s.as("A"), s.as("B"), s.as("C"));
    EXPECT_EQ(s.calls.size(), 3u);
    EXPECT_EQ(run.bestA, 17);
    EXPECT_EQ(run.bestB, 17);
    EXPECT_EQ(run.outcome, Outcome::Tie);
}

TEST(BowlCore, TwoTeamsWithoutDrawsAreNotPlayedButOneIsAnOrdinaryWin) {
    Script s;
    s.values = {30, 5};
    int yields = 0;
    const auto idle = vantoro::bowl::playDraws(0, -3, 30, s.as("A"), s.as("B"), [&] { ++yields; });
    EXPECT_EQ(idle.outcome, Outcome::NotPlayed);
    EXPECT_TRUE(s.calls.empty());
    EXPECT_EQ(yields, 0);

    const auto lone = vantoro::bowl::playDraws(1, 0, 30, s.as("A"), s.as("B"));
    EXPECT_EQ(lone.outcome, Outcome::TeamA);
    EXPECT_EQ(lone.bestA, 30);
    EXPECT_EQ(lone.bestB, 0);

    // Would loop for ever if an idle game were replayed as a tie.
    std::mt19937 engine(1);
    const auto never = vantoro::bowl::playToDecision(0, 0, [&](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(engine);
    });
    EXPECT_EQ(never.outcome, Outcome::NotPlayed);
}

TEST(BowlCore, ATieIsPlayedAgainFromANewCeiling) {
    Script s;
    s.values = {30, 20, 20, 50, 44, 45};
    const auto run = vantoro::bowl::playToDecision(1, 1, s.as("any"));
    EXPECT_EQ(s.calls, (std::vector<std::string>{"any:25-55", "any:2-30", "any:2-30", "any:25-55", "any:2-50",
                                                 "any:2-50"}));
    EXPECT_EQ(run.ceiling, 50);
    EXPECT_EQ(run.outcome, Outcome::TeamB);
}

// With a fixed seed the counts never change; the margin is many standard
// errors wide, so a sound core cannot miss it whatever the seed.
TEST(BowlCore, StrongerTeamsWinAsOftenAsTheirStrengthsSay) {
    constexpr int kGames = 200000;
    std::mt19937_64 engine(20111231);
    const vantoro::bowl::Draw uniform = [&](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(engine);
    };
    auto shareOfA = [&](std::int32_t a, std::int32_t b) {
        int wins = 0;
        for (int i = 0; i < kGames; ++i)
            if (vantoro::bowl::playToDecision(a, b, uniform).outcome == Outcome::TeamA) ++wins;
        return static_cast<double>(wins) / kGames;
    };
    EXPECT_NEAR(shareOfA(8, 2), 0.81, 0.015);
    EXPECT_NEAR(shareOfA(10, 1), 0.92, 0.015);
    EXPECT_NEAR(shareOfA(5, 5), 0.50, 0.015);
    EXPECT_NEAR(shareOfA(10, 10), 0.50, 0.015);
    EXPECT_NEAR(shareOfA(2, 8), 0.19, 0.015);
}
