// The bowl game as the seven Play buttons play it: read the two teams from the
// window, run the core, show the scores, mark the winner and move it on. The
// bracket says which controls each game touches.
#pragma once

#include "framework/property_record.h"
#include "tournament/bracket.h"

#include <string>

namespace vantoro {

// A score field's background: the winner's is marked, the loser's goes back to
// white, and Replay sets every score field back to white.
inline constexpr fw::Color kWinnerColour{255, 152, 51};
inline constexpr fw::Color kWhite{255, 255, 255};

// What one press of a Play button came to, for the later games' own duties.
struct GameEnd {
    // False when the run stopped before any draw: team B not chosen yet, or
    // neither team has draws. The button and the bracket are then left alone.
    bool played = false;
    // The winner's team row; empty when this run tied and its replay, nested
    // inside it, did all the showing.
    std::string winnerRow;
};

// One press of `play`, the game's own button.
GameEnd playBowlGame(Window1& window, const fw::Ref<fw::PushButton>& play, const bracket::Game& game);

} // namespace vantoro
