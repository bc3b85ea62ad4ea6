// The four opening games take their teams from the pairing popups and send
// their winners to the semi-finals' slots.
#include "main_window/window1.h"

#include "tournament/bowl_game.h"

namespace vantoro {

using bracket::kCerealBowl, bracket::kGames, bracket::kPastaBowl, bracket::kSaladBowl, bracket::kSoupBowl;

void Window1::PushButton1_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kGames[kPastaBowl]); }
void Window1::PushButton2_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kGames[kSaladBowl]); }
void Window1::PushButton3_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kGames[kCerealBowl]); }
void Window1::PushButton4_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kGames[kSoupBowl]); }

} // namespace vantoro
