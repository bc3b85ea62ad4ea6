#include "tournament/bowl_game.h"

#include "framework/random.h"
#include "framework/runtime.h"
#include "framework/text.h"
#include "tournament/bowl_core.h"

#include <cstdint>

namespace vantoro {

namespace {

struct Team {
    std::string row;
    std::int32_t strength = 0;
};

// A team entry such as "Oklahoma State (0.9333)_9": the strength after the
// last "_", the team row before it.
Team teamFromEntry(const std::string& entry) {
    std::vector<std::string> parts = fw::Split(entry, "_");
    Team team;
    team.strength = fw::ToInt32(fw::Val(parts.back()));
    parts.pop_back();
    if (!parts.empty()) team.row = parts.back();
    return team;
}

Team teamFromSlot(Window1& window, const bracket::Slot& slot) {
    Team team;
    team.strength = fw::ToInt32(fw::Val(fw::deref((window.*slot.strength)()).Text()));
    team.row = fw::deref((window.*slot.name)()).Text();
    return team;
}

bowl::Draw drawFrom(fw::Random& generator) {
    return [&generator](std::int32_t min, std::int32_t max) { return generator.InRange(min, max); };
}

} // namespace

GameEnd playBowlGame(Window1& window, const fw::Ref<fw::PushButton>& play, const bracket::Game& game) {
    fw::Random teamAGenerator;
    fw::Random teamBGenerator;
    fw::Random ceilingGenerator;
    const std::int32_t ceiling = bowl::drawCeiling(drawFrom(ceilingGenerator));

    const auto [scoreA, scoreB] = game.scores;
    fw::deref((window.*scoreA)()).SetText("0");
    fw::deref((window.*scoreB)()).SetText("0");

    Team a, b;
    if (const auto [pairingA, pairingB] = game.pairings; pairingB) {
        // An opening game waits until its second team is chosen.
        if (fw::deref((window.*pairingB)()).ListIndex() < 1) return {};
        a = teamFromEntry(fw::deref((window.*pairingA)()).Text());
        b = teamFromEntry(fw::deref((window.*pairingB)()).Text());
    } else {
        a = teamFromSlot(window, game.slots[bracket::kLeft]);
        b = teamFromSlot(window, game.slots[bracket::kRight]);
    }

    const bowl::Bests bests = bowl::playDraws(a.strength, b.strength, ceiling, drawFrom(teamAGenerator),
                                              drawFrom(teamBGenerator), [] { fw::runtime::yield(); });
    if (bests.outcome == bowl::Outcome::NotPlayed) return {};

    GameEnd end;
    end.played = true;
    if (bests.outcome == bowl::Outcome::Tie) {
        // The replay runs the whole game again inside this call and shows its
        // own result; this run shows nothing.
        fw::deref(play).Push();
    } else {
        const bool aWins = bests.outcome == bowl::Outcome::TeamA;
        fw::deref((window.*scoreA)()).SetText(fw::Str(std::int64_t{bests.bestA}));
        fw::deref((window.*scoreB)()).SetText(fw::Str(std::int64_t{bests.bestB}));
        const FieldAccessor winnerField = aWins ? scoreA : scoreB;
        fw::deref((window.*winnerField)()).SetBold(true);
        fw::deref((window.*winnerField)()).SetBackColor(kWinnerColour);
        // A game played again (the last pairing picked anew) may have marked
        // the other side before: one winner shows, never two.
        const FieldAccessor loserField = aWins ? scoreB : scoreA;
        fw::deref((window.*loserField)()).SetBackColor(kWhite);
        const Team& winner = aWins ? a : b;
        if (game.winnerTo) {
            const bracket::Slot& next = bracket::winnerSlot(game);
            fw::deref((window.*next.name)()).SetText(winner.row);
            fw::deref((window.*next.strength)()).SetText(fw::Str(std::int64_t{winner.strength}));
        }
        end.winnerRow = winner.row;
    }

    fw::deref(play).SetEnabled(false);
    // Whichever of the two feeding games finishes second opens the next game.
    if (game.winnerTo && !fw::deref((window.*bracket::otherFeedingSlot(game).strength)()).Text().empty())
        fw::deref((window.*bracket::nextGame(game).play)()).SetEnabled(true);
    return end;
}

} // namespace vantoro
