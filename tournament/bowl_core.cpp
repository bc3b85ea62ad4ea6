#include "tournament/bowl_core.h"

namespace vantoro::bowl {

std::int32_t drawCeiling(const Draw& ceilingSource) { return ceilingSource(kCeilingMin, kCeilingMax); }

std::int32_t bestOfDraws(std::int32_t strength, std::int32_t ceiling, const Draw& source, const AfterDraw& afterDraw) {
    std::int32_t best = 0;
    for (std::int32_t i = 1; i <= strength; ++i) {
        const std::int32_t draw = source(kLowestScore, ceiling);
        if (draw > best) best = draw;
        if (afterDraw) afterDraw();
    }
    return best;
}

Bests playDraws(std::int32_t strengthA, std::int32_t strengthB, std::int32_t ceiling, const Draw& teamA,
                const Draw& teamB, const AfterDraw& afterDraw) {
    Bests b;
    if (strengthA < 1 && strengthB < 1) return b;
    b.bestA = bestOfDraws(strengthA, ceiling, teamA, afterDraw);
    b.bestB = bestOfDraws(strengthB, ceiling, teamB, afterDraw);
    if (b.bestA == b.bestB)
        b.outcome = Outcome::Tie;
    else
        b.outcome = b.bestA > b.bestB ? Outcome::TeamA : Outcome::TeamB;
    return b;
}

Run playRun(std::int32_t strengthA, std::int32_t strengthB, const Draw& teamA, const Draw& teamB,
            const Draw& ceilingSource, const AfterDraw& afterDraw) {
    Run run;
    run.ceiling = drawCeiling(ceilingSource);
    const Bests b = playDraws(strengthA, strengthB, run.ceiling, teamA, teamB, afterDraw);
    run.bestA = b.bestA;
    run.bestB = b.bestB;
    run.outcome = b.outcome;
    return run;
}

Run playToDecision(std::int32_t strengthA, std::int32_t strengthB, const Draw& source) {
    Run run;
    do {
        run = playRun(strengthA, strengthB, source, source, source);
    } while (run.outcome == Outcome::Tie);
    return run;
}

} // namespace vantoro::bowl
