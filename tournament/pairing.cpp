// The pairing chain: each pick in a pairing popup takes its team entry out of
// `team` and fills the next popup with the entries left, so no team can be
// placed twice. Picking a game's second team readies the game.
#include "main_window/window1.h"

#include "framework/runtime.h"
#include "framework/text.h"
#include "tournament/pairing.h"

#include <stdexcept>

namespace vantoro {

namespace {

// One place of the chain: its popup, the popup the chain fills next (null
// after the last) and the opening game the pick is for.
struct ChainStep {
    PopupAccessor self;
    PopupAccessor next;
    const bracket::Game* game;
    bracket::Side side;
};

// Looked up when the pick comes: with the sanitizers on, the compiler cannot
// compare member function pointers while compiling.
ChainStep chainStep(PopupAccessor popup) {
    const auto& chain = bracket::kPairingChain;
    for (std::size_t place = 0; place < chain.size(); ++place)
        if (chain[place] == popup)
            return {popup, place + 1 < chain.size() ? chain[place + 1] : nullptr, &bracket::chainGame(place),
                    bracket::chainSide(place)};
    throw std::logic_error("not a pairing popup");
}

void removePicked(Window1& window, std::int32_t row) {
    if (row >= 1 && static_cast<std::size_t>(row) <= window.team.size())
        window.team.erase(window.team.begin() + (row - 1));
}

void readyGame(Window1& window, const ChainStep& p) {
    for (FieldAccessor score : p.game->scores) fw::deref((window.*score)()).SetText("0");
    fw::deref((window.*p.game->play)()).SetEnabled(true);
}

void pickTeamA(Window1& window, const ChainStep& p) {
    const std::int32_t row = fw::deref((window.*p.self)()).ListIndex();
    if (row < 1) return;
    fw::deref((window.*p.self)()).SetEnabled(false);
    removePicked(window, row);
    // The next popup's Change readies the game on "Choose"; the game stays
    // closed until its second team is picked.
    fillPairingPopup(window, p.next);
    fw::deref((window.*p.game->play)()).SetEnabled(false);
}

void pickTeamB(Window1& window, const ChainStep& p) {
    readyGame(window, p);
    const std::int32_t row = fw::deref((window.*p.self)()).ListIndex();
    if (row < 1) return;
    removePicked(window, row);
    fillPairingPopup(window, p.next);
    fw::deref((window.*p.self)()).SetEnabled(false);
}

// The last pick ends the chain: it removes nothing and stays open, so the Soup
// Bowl can be readied again.
void pick(Window1& window, const ChainStep& step) {
    if (!step.next)
        readyGame(window, step);
    else if (step.side == bracket::kLeft)
        pickTeamA(window, step);
    else
        pickTeamB(window, step);
}

} // namespace

// Row k of the filled popup is the entry at position k - 1 of `team`, which is
// what the picks rely on when they remove an entry.
void fillPairingPopup(Window1& window, PopupAccessor popup) {
    const std::string s = fw::Join(window.team, ",");
    fw::deref((window.*popup)()).SetEnabled(true);
    const std::int32_t n = fw::CountFields(s, ",");
    fw::deref((window.*popup)()).AddRow("Choose");
    for (std::int32_t i = 1; i <= n; ++i) {
        fw::deref((window.*popup)()).AddRow(fw::NthField(s, ",", i));
        fw::runtime::yield();
    }
    fw::deref((window.*popup)()).SetListIndex(0);
}

void Window1::PopupMenu17_Change(fw::Ref<fw::PopupMenu>) { pick(*this, chainStep(&Window1::PopupMenu17)); }
void Window1::PopupMenu18_Change(fw::Ref<fw::PopupMenu>) { pick(*this, chainStep(&Window1::PopupMenu18)); }
void Window1::PopupMenu19_Change(fw::Ref<fw::PopupMenu>) { pick(*this, chainStep(&Window1::PopupMenu19)); }
void Window1::PopupMenu20_Change(fw::Ref<fw::PopupMenu>) { pick(*this, chainStep(&Window1::PopupMenu20)); }
void Window1::PopupMenu21_Change(fw::Ref<fw::PopupMenu>) { pick(*this, chainStep(&Window1::PopupMenu21)); }
void Window1::PopupMenu22_Change(fw::Ref<fw::PopupMenu>) { pick(*this, chainStep(&Window1::PopupMenu22)); }
void Window1::PopupMenu23_Change(fw::Ref<fw::PopupMenu>) { pick(*this, chainStep(&Window1::PopupMenu23)); }
void Window1::PopupMenu24_Change(fw::Ref<fw::PopupMenu>) { pick(*this, chainStep(&Window1::PopupMenu24)); }

} // namespace vantoro
