// The strength popups and the two DONE boxes: the first locks the team choices
// once all eight are made, the second turns the choices into team entries and
// opens the pairing with the first pairing popup.
#include "main_window/window1.h"

#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/text.h"
#include "tournament/pairing.h"

#include <array>

namespace vantoro {

namespace {

constexpr std::array<PopupAccessor, 8> kTeamPopups{
    &Window1::PopupMenu1, &Window1::PopupMenu2, &Window1::PopupMenu3, &Window1::PopupMenu4,
    &Window1::PopupMenu5, &Window1::PopupMenu6, &Window1::PopupMenu7, &Window1::PopupMenu8,
};
// Strength popup k stands below team popup k.
constexpr std::array<PopupAccessor, 8> kStrengthPopups{
    &Window1::PopupMenu9,  &Window1::PopupMenu10, &Window1::PopupMenu11, &Window1::PopupMenu12,
    &Window1::PopupMenu13, &Window1::PopupMenu14, &Window1::PopupMenu15, &Window1::PopupMenu16,
};

constexpr const char* kStrengths = "1,2,3,4,5,6,7,8,9,10";

void openStrengthPopup(const fw::Ref<fw::PopupMenu>& popup) {
    const std::int32_t n = fw::CountFields(kStrengths, ",");
    for (std::int32_t i = 1; i <= n; ++i) {
        fw::deref(popup).AddRow(fw::NthField(kStrengths, ",", i));
        fw::runtime::yield();
    }
    fw::deref(popup).SetListIndex(5);
}

void setEnabled(Window1& window, const std::array<PopupAccessor, 8>& popups, bool enabled) {
    for (PopupAccessor popup : popups) fw::deref((window.*popup)()).SetEnabled(enabled);
}

void confirmTeams(Window1& window, const fw::Ref<fw::CheckBox>& box) {
    for (PopupAccessor popup : kTeamPopups) {
        if (fw::deref((window.*popup)()).ListIndex() == 0) {
            fw::deref(box).SetValue(false);
            fw::MsgBox("Please complete all selections first");
            return;
        }
    }
    setEnabled(window, kTeamPopups, false);
    setEnabled(window, kStrengthPopups, true);
    fw::deref(box).SetEnabled(false);
    fw::deref(window.CheckBox2()).SetEnabled(true);
}

void confirmStrengths(Window1& window, const fw::Ref<fw::CheckBox>& box) {
    for (std::size_t k = 0; k < kTeamPopups.size(); ++k)
        window.team.push_back(fw::deref((window.*kTeamPopups[k])()).Text() + "_" +
                              fw::deref((window.*kStrengthPopups[k])()).Text());

    fillPairingPopup(window, bracket::kPairingChain.front());

    setEnabled(window, kStrengthPopups, false);
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
