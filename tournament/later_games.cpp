// The semi-finals and the final. Besides the game itself they keep the results
// list: it is made once per window from the bracket's eight team entries, and
// every decided final adds one win to its champion's row.
#include "main_window/window1.h"

#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/text.h"
#include "tournament/bowl_game.h"

#include <optional>

namespace vantoro {

using bracket::kChinaBowl, bracket::kCrystalBowl, bracket::kGames;

namespace {

// The bracket's eight team entries, or nothing while a game is still unpaired.
// A popup holds its entry on any row but "Choose". The Soup Bowl's second
// popup, the only one that can go back to "Choose", offers one team only, so
// once filled it always names that team.
std::optional<fw::StringArray> bracketEntries(Window1& window) {
    fw::StringArray entries;
    for (PopupAccessor accessor : bracket::kPairingChain) {
        fw::PopupMenu& popup = fw::deref((window.*accessor)());
        if (popup.ListIndex() >= 1)
            entries.push_back(popup.Text());
        else if (accessor == bracket::kPairingChain.back() && popup.ListCount() == 2)
            entries.push_back(popup.List(1));
        else
            return std::nullopt;
    }
    return entries;
}

// Made at the first later game that finds the whole bracket paired: the China
// Bowl normally, else a later China Bowl or the final, before it tallies. A
// list made any earlier would keep empty rows for ever and lose their titles.
void makeResultsListIfDue(Window1& window) {
    if (window.listit != 0) return;
    const std::optional<fw::StringArray> entries = bracketEntries(window);
    if (!entries) return;
    for (const std::string& entry : *entries) {
        fw::deref(window.Listbox1()).AddRow({entry});
        fw::deref(window.Listbox1()).SetCell(fw::deref(window.Listbox1()).LastIndex(), 1, "0");
    }
    window.listit = 1;
}

// One more win for the row whose team row is the champion's. A run that tied
// has no champion: its nested replay counted the win.
void tally(Window1& window, const std::string& champion) {
    for (std::int32_t row = 0; row < std::int32_t{bracket::kTeamCount}; ++row) {
        fw::Listbox& list = fw::deref(window.Listbox1());
        if (!champion.empty() && row < list.ListCount()) {
            const std::string teamRow = fw::Split(list.Cell(row, 0), "_").front();
            if (teamRow == champion)
                list.SetCell(row, 1, fw::Str(static_cast<std::int64_t>(fw::Val(list.Cell(row, 1))) + 1));
        }
        fw::runtime::yield();
    }
}

void unlockAfterFinal(Window1& window) {
    fw::deref(window.PushButton9()).SetEnabled(true);
    // Shift is asked only the first time, or after ReplayAll has been pushed, so a
    // tournament replayed by hand never starts the repetition.
    if (!fw::deref(window.PushButton10()).Enabled()) {
        const bool shiftDown = fw::Keyboard::AsyncShiftKey();
        fw::deref(window.PushButton10()).SetEnabled(true);
        if (shiftDown) fw::deref(window.Timer3()).SetMode(1);
    }
    fw::deref(window.PushButton11()).SetEnabled(true);
}

void playChinaBowl(Window1& window, const fw::Ref<fw::PushButton>& play) {
    if (!playBowlGame(window, play, kGames[kChinaBowl]).played) return;
    makeResultsListIfDue(window);
}

void playFinal(Window1& window, const fw::Ref<fw::PushButton>& play) {
    const GameEnd end = playBowlGame(window, play, bracket::theFinal());
    if (!end.played) return;
    makeResultsListIfDue(window);
    tally(window, end.winnerRow);
    unlockAfterFinal(window);
}

} // namespace

void Window1::PushButton5_Action(fw::Ref<fw::PushButton> button) { playChinaBowl(*this, button); }
void Window1::PushButton6_Action(fw::Ref<fw::PushButton> button) { playBowlGame(*this, button, kGames[kCrystalBowl]); }
void Window1::PushButton7_Action(fw::Ref<fw::PushButton> button) { playFinal(*this, button); }

} // namespace vantoro
