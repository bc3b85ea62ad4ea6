// The four opening games take their teams from the pairing popups and send
// their winners to the semi-finals' slots.
#include "main_window/window1.h"

#include "tournament/bowl_game.h"

namespace vantoro {

namespace {

constexpr BowlGame kPastaBowl{
    .scoreA = &Window1::TextField1, .scoreB = &Window1::TextField2,
    .pairingA = &Window1::PopupMenu17, .pairingB = &Window1::PopupMenu18,
    .next = {&Window1::Label10, &Window1::Label12}, .nextOtherStrength = &Window1::Label13,
    .nextPlay = &Window1::PushButton5,
};
constexpr BowlGame kSaladBowl{
    .scoreA = &Window1::TextField3, .scoreB = &Window1::TextField4,
    .pairingA = &Window1::PopupMenu19, .pairingB = &Window1::PopupMenu20,
    .next = {&Window1::Label11, &Window1::Label13}, .nextOtherStrength = &Window1::Label12,
    .nextPlay = &Window1::PushButton5,
};
constexpr BowlGame kCerealBowl{
    .scoreA = &Window1::TextField5, .scoreB = &Window1::TextField6,
    .pairingA = &Window1::PopupMenu21, .pairingB = &Window1::PopupMenu22,
    .next = {&Window1::Label15, &Window1::Label17}, .nextOtherStrength = &Window1::Label18,
    .nextPlay = &Window1::PushButton6,
};
constexpr BowlGame kSoupBowl{
    .scoreA = &Window1::TextField7, .scoreB = &Window1::TextField8,
    .pairingA = &Window1::PopupMenu23, .pairingB = &Window1::PopupMenu24,
    .next = {&Window1::Label16, &Window1::Label18}, .nextOtherStrength = &Window1::Label17,
    .nextPlay = &Window1::PushButton6,
};

} // namespace

void Window1::PushButton1_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kPastaBowl); }
void Window1::PushButton2_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kSaladBowl); }
void Window1::PushButton3_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kCerealBowl); }
void Window1::PushButton4_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kSoupBowl); }

} // namespace vantoro
