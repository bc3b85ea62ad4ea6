// The bowl game as the seven Play buttons play it: read the two teams from the
// window, run the core, show the scores, mark the winner and move it on. Each
// game is described by a small table of the controls it touches.
#pragma once

#include "main_window/window1.h"

#include <cstdint>
#include <string>

namespace vantoro {

using PopupAccessor = fw::Ref<fw::PopupMenu> (Window1::*)();
using LabelAccessor = fw::Ref<fw::Label> (Window1::*)();
using FieldAccessor = fw::Ref<fw::TextField> (Window1::*)();
using ButtonAccessor = fw::Ref<fw::PushButton> (Window1::*)();

// One side of a later game: the team row and the strength its feeding game wrote.
struct BracketSlot {
    LabelAccessor name;
    LabelAccessor strength;
};

struct BowlGame {
    FieldAccessor scoreA;
    FieldAccessor scoreB;
    // An opening game takes its teams from two pairing popups, a later game from
    // two slots; the other pair stays null.
    PopupAccessor pairingA = nullptr;
    PopupAccessor pairingB = nullptr;
    BracketSlot slotA{};
    BracketSlot slotB{};
    // Where the winner goes and when the next game opens; all null for the final.
    BracketSlot next{};
    LabelAccessor nextOtherStrength = nullptr;
    ButtonAccessor nextPlay = nullptr;
};

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
GameEnd playBowlGame(Window1& window, const fw::Ref<fw::PushButton>& play, const BowlGame& game);

} // namespace vantoro
