// The bowl game as the seven Play buttons play it: read the two teams from the
// window, run the core, show the scores, mark the winner and move it on. The
// bracket says which controls each game touches.
#pragma once

#include "tournament/bracket.h"

#include <string>

namespace vantoro {

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
