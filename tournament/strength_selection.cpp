// The strength popups and the two DONE boxes: the first locks the team choices
// once all eight are made, the second turns the choices into team entries and
// opens the pairing with the first pairing popup.
#include "main_window/window1.h"

#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/text.h"
#include "tournament/pairing.h"
#include "tournament/team_popups.h"

namespace vantoro {

namespace {

constexpr const char* kStrengths = "1,2,3,4,5,6,7,8,9,10";

void openStrengthPopup(const fw::Ref<fw::PopupMenu>& popup) {
    const std::int32_t n = fw::CountFields(kStrengths, ",");
    for (std::int32_t i = 1; i <= n; ++i) {
        fw::deref(popup).AddRow(fw::NthField(kStrengths, ",", i));
        fw::runtime::yield();
    }
    fw::deref(popup).SetListIndex(5);
}

// The team popups or the strength popups, by `which` of a team's two.
void setEnabled(Window1& window, PopupAccessor TeamPopup::*which, bool enabled) {
    for (const TeamPopup& popups : kTeamPopups) fw::deref((window.*(popups.*which))()).SetEnabled(enabled);
}

void confirmTeams(Window1& window, const fw::Ref<fw::CheckBox>& box) {
    for (const TeamPopup& popups : kTeamPopups) {
        if (fw::deref((window.*popups.team)()).ListIndex() == 0) {
            fw::deref(box).SetValue(false);
            fw::MsgBox("Please complete all selections first");
            return;
        }
    }
    setEnabled(window, &TeamPopup::team, false);
    setEnabled(window, &TeamPopup::strength, true);
    fw::deref(box).SetEnabled(false);
    fw::deref(window.CheckBox2()).SetEnabled(true);
}

void confirmStrengths(Window1& window, const fw::Ref<fw::CheckBox>& box) {
    for (const TeamPopup& popups : kTeamPopups)
        window.team.push_back(fw::deref((window.*popups.team)()).Text() + "_" +
                              fw::deref((window.*popups.strength)()).Text());

    fillPairingPopup(window, bracket::kPairingChain.front());

    setEnabled(window, &TeamPopup::strength, false);
    fw::deref(box).SetEnabled(false);
}

} // namespace

void Window1::PopupMenu9_Open(fw::Ref<fw::PopupMenu> popup) { openStrengthPopup(popup); }
void Window1::PopupMenu10_Open(fw::Ref<fw::PopupMenu> popup) { openStrengthPopup(popup); }
void Window1::PopupMenu11_Open(fw::Ref<fw::PopupMenu> popup) { openStrengthPopup(popup); }
void Window1::PopupMenu12_Open(fw::Ref<fw::PopupMenu> popup) { openStrengthPopup(popup); }
void Window1::PopupMenu13_Open(fw::Ref<fw::PopupMenu> popup) { openStrengthPopup(popup); }
void Window1::PopupMenu14_Open(fw::Ref<fw::PopupMenu> popup) { openStrengthPopup(popup); }
void Window1::PopupMenu15_Open(fw::Ref<fw::PopupMenu> popup) { openStrengthPopup(popup); }
void Window1::PopupMenu16_Open(fw::Ref<fw::PopupMenu> popup) { openStrengthPopup(popup); }
void Window1::CheckBox1_Action(fw::Ref<fw::CheckBox> box) { confirmTeams(*this, box); }
void Window1::CheckBox2_Action(fw::Ref<fw::CheckBox> box) { confirmStrengths(*this, box); }

} // namespace vantoro
