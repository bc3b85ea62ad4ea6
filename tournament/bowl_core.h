// The bowl game's core: the score ceiling, each team's best of its draws and
// the comparison. No window and no controls here, so it can be tested and
// measured on its own; the Play handlers wrap it.
#pragma once

#include <cstdint>
#include <functional>

namespace vantoro::bowl {

inline constexpr std::int32_t kCeilingMin = 25;
inline constexpr std::int32_t kCeilingMax = 55;
inline constexpr std::int32_t kLowestScore = 2;

// A source of random whole numbers: a value from min to max, both included.
using Draw = std::function<std::int32_t(std::int32_t min, std::int32_t max)>;
// Called after every score draw, so a caller on the event loop can yield.
using AfterDraw = std::function<void()>;

enum class Outcome {
    TeamA,     // team A's best is higher
    TeamB,     // team B's best is higher
    Tie,       // equal bests: the game is played again from the start
    NotPlayed, // neither team draws at all, so no replay could ever decide it
};

// The score ceiling of one run, drawn from the ceiling's own generator.
std::int32_t drawCeiling(const Draw& ceilingSource);

// The best of `strength` draws from 2 to `ceiling`; 0 when the strength is below 1.
std::int32_t bestOfDraws(std::int32_t strength, std::int32_t ceiling, const Draw& source,
                         const AfterDraw& afterDraw = {});

struct Bests {
    std::int32_t bestA = 0;
    std::int32_t bestB = 0;
    Outcome outcome = Outcome::NotPlayed;
};

// Both teams' draws for a ceiling already drawn: all of team A's, then all of
// team B's. Two teams without draws are not played: they would tie forever.
Bests playDraws(std::int32_t strengthA, std::int32_t strengthB, std::int32_t ceiling, const Draw& teamA,
                const Draw& teamB, const AfterDraw& afterDraw = {});

struct Run {
    std::int32_t ceiling = 0;
    std::int32_t bestA = 0;
    std::int32_t bestB = 0;
    Outcome outcome = Outcome::NotPlayed;
};

// One whole run: the ceiling first, then the draws.
Run playRun(std::int32_t strengthA, std::int32_t strengthB, const Draw& teamA, const Draw& teamB,
            const Draw& ceilingSource, const AfterDraw& afterDraw = {});

// Runs again after every tie, as the Play buttons do, until a team wins (or
// the game cannot be played). Every run takes its draws from `source`.
Run playToDecision(std::int32_t strengthA, std::int32_t strengthB, const Draw& source);

} // namespace vantoro::bowl
