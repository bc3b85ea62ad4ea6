// The eight team popups: each is filled from the built-in team list when the
// window opens, refuses a team that another popup already holds, and presets
// its strength popup from the team's rating.
#include "main_window/window1.h"

#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/text.h"
#include "tournament/team_popups.h"

namespace vantoro {

namespace {

void openTeamPopup(Window1& window, const fw::Ref<fw::PopupMenu>& popup, std::size_t k) {
    const std::int32_t n = fw::CountFields(window.TeamList, ",");
    fw::deref(popup).AddRow("Choose");
    for (std::int32_t i = 1; i <= n; ++i) {
        fw::deref(popup).AddRow(fw::NthField(window.TeamList, ",", i));
        fw::runtime::yield();
    }
    // The opened flag is still 0 here, so this selection presets nothing.
    fw::deref(popup).SetListIndex(0);
    window.*kTeamPopups[k].opened = 1;
}

// The strength popup's row for a team row such as "Alabama (0.9419)": ten
// times the rating, rounded, less one.
std::int32_t presetRow(const std::string& teamRow) {
    const std::vector<std::string> pieces = fw::Split(teamRow, "(");
    const double rating = fw::Val(fw::Replace(pieces.back(), ")", ""));
    const double rounded = fw::Round(rating * 10.0);
    return fw::ToInt32(rounded - 1.0);
}

void changeTeamPopup(Window1& window, const fw::Ref<fw::PopupMenu>& popup, std::size_t k) {
    // All team popups hold the same rows, so equal indexes mean the same team.
    bool distinct = true;
    for (std::size_t j = 0; j < kTeamPopups.size() && distinct; ++j)
        if (j != k && fw::deref((window.*kTeamPopups[j].team)()).ListIndex() == fw::deref(popup).ListIndex())
            distinct = false;

    if (distinct) {
        if (window.*kTeamPopups[k].opened == 0) return;
        fw::deref((window.*kTeamPopups[k].strength)()).SetListIndex(presetRow(fw::deref(popup).Text()));
        return;
    }
    if (fw::deref(popup).ListIndex() != 0) {
        fw::MsgBox("Your team choice can not match another choice");
        // Runs this handler again, nested, on "Choose".
        fw::deref(popup).SetListIndex(0);
    }
}

} // namespace

void Window1::PopupMenu1_Open(fw::Ref<fw::PopupMenu> popup) { openTeamPopup(*this, popup, 0); }
void Window1::PopupMenu2_Open(fw::Ref<fw::PopupMenu> popup) { openTeamPopup(*this, popup, 1); }
void Window1::PopupMenu3_Open(fw::Ref<fw::PopupMenu> popup) { openTeamPopup(*this, popup, 2); }
void Window1::PopupMenu4_Open(fw::Ref<fw::PopupMenu> popup) { openTeamPopup(*this, popup, 3); }
void Window1::PopupMenu5_Open(fw::Ref<fw::PopupMenu> popup) { openTeamPopup(*this, popup, 4); }
void Window1::PopupMenu6_Open(fw::Ref<fw::PopupMenu> popup) { openTeamPopup(*this, popup, 5); }
void Window1::PopupMenu7_Open(fw::Ref<fw::PopupMenu> popup) { openTeamPopup(*this, popup, 6); }
void Window1::PopupMenu8_Open(fw::Ref<fw::PopupMenu> popup) { openTeamPopup(*this, popup, 7); }
void Window1::PopupMenu1_Change(fw::Ref<fw::PopupMenu> popup) { changeTeamPopup(*this, popup, 0); }
void Window1::PopupMenu2_Change(fw::Ref<fw::PopupMenu> popup) { changeTeamPopup(*this, popup, 1); }
void Window1::PopupMenu3_Change(fw::Ref<fw::PopupMenu> popup) { changeTeamPopup(*this, popup, 2); }
void Window1::PopupMenu4_Change(fw::Ref<fw::PopupMenu> popup) { changeTeamPopup(*this, popup, 3); }
void Window1::PopupMenu5_Change(fw::Ref<fw::PopupMenu> popup) { changeTeamPopup(*this, popup, 4); }
void Window1::PopupMenu6_Change(fw::Ref<fw::PopupMenu> popup) { changeTeamPopup(*this, popup, 5); }
void Window1::PopupMenu7_Change(fw::Ref<fw::PopupMenu> popup) { changeTeamPopup(*this, popup, 6); }
void Window1::PopupMenu8_Change(fw::Ref<fw::PopupMenu> popup) { changeTeamPopup(*this, popup, 7); }

} // namespace vantoro
