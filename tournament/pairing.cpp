// The pairing chain: each pick in a pairing popup takes its team entry out of
// `team` and fills the next popup with the entries left, so no team can be
// placed twice. Picking a game's second team readies the game.
#include "main_window/window1.h"

#include "framework/runtime.h"
#include "framework/text.h"

namespace vantoro {

namespace {

using PopupAccessor = fw::Ref<fw::PopupMenu> (Window1::*)();
using FieldAccessor = fw::Ref<fw::TextField> (Window1::*)();
using ButtonAccessor = fw::Ref<fw::PushButton> (Window1::*)();

struct PairingPopup {
    PopupAccessor self;
    PopupAccessor next; // null for the last one
    FieldAccessor scoreA;
    FieldAccessor scoreB;
    ButtonAccessor play;
};

constexpr PairingPopup kPasta17{&Window1::PopupMenu17, &Window1::PopupMenu18, &Window1::TextField1,
                                &Window1::TextField2, &Window1::PushButton1};
constexpr PairingPopup kPasta18{&Window1::PopupMenu18, &Window1::PopupMenu19, &Window1::TextField1,
                                &Window1::TextField2, &Window1::PushButton1};
constexpr PairingPopup kSalad19{&Window1::PopupMenu19, &Window1::PopupMenu20, &Window1::TextField3,
                                &Window1::TextField4, &Window1::PushButton2};
constexpr PairingPopup kSalad20{&Window1::PopupMenu20, &Window1::PopupMenu21, &Window1::TextField3,
                                &Window1::TextField4, &Window1::PushButton2};
constexpr PairingPopup kCereal21{&Window1::PopupMenu21, &Window1::PopupMenu22, &Window1::TextField5,
                                 &Window1::TextField6, &Window1::PushButton3};
constexpr PairingPopup kCereal22{&Window1::PopupMenu22, &Window1::PopupMenu23, &Window1::TextField5,
                                 &Window1::TextField6, &Window1::PushButton3};
constexpr PairingPopup kSoup23{&Window1::PopupMenu23, &Window1::PopupMenu24, &Window1::TextField7,
                               &Window1::TextField8, &Window1::PushButton4};
constexpr PairingPopup kSoup24{&Window1::PopupMenu24, nullptr, &Window1::TextField7, &Window1::TextField8,
                               &Window1::PushButton4};

// Row k of the filled popup is the entry at position k - 1 of `team`, which is
// what the picks rely on when they remove an entry.
void fill(Window1& window, PopupAccessor popup) {
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

void removePicked(Window1& window, std::int32_t row) {
    if (row >= 1 && static_cast<std::size_t>(row) <= window.team.size())
        window.team.erase(window.team.begin() + (row - 1));
}

void readyGame(Window1& window, const PairingPopup& p) {
    fw::deref((window.*p.scoreA)()).SetText("0");
    fw::deref((window.*p.scoreB)()).SetText("0");
    fw::deref((window.*p.play)()).SetEnabled(true);
}

void pickTeamA(Window1& window, const PairingPopup& p) {
    const std::int32_t row = fw::deref((window.*p.self)()).ListIndex();
    if (row < 1) return;
    fw::deref((window.*p.self)()).SetEnabled(false);
    removePicked(window, row);
    // The next popup's Change readies the game on "Choose"; the game stays
    // closed until its second team is picked.
    fill(window, p.next);
    fw::deref((window.*p.play)()).SetEnabled(false);
}

void pickTeamB(Window1& window, const PairingPopup& p) {
    readyGame(window, p);
    const std::int32_t row = fw::deref((window.*p.self)()).ListIndex();
    if (row < 1) return;
    removePicked(window, row);
    fill(window, p.next);
    fw::deref((window.*p.self)()).SetEnabled(false);
}

} // namespace

void Window1::PopupMenu17_Change(fw::Ref<fw::PopupMenu>) { pickTeamA(*this, kPasta17); }
void Window1::PopupMenu18_Change(fw::Ref<fw::PopupMenu>) { pickTeamB(*this, kPasta18); }
void Window1::PopupMenu19_Change(fw::Ref<fw::PopupMenu>) { pickTeamA(*this, kSalad19); }
void Window1::PopupMenu20_Change(fw::Ref<fw::PopupMenu>) { pickTeamB(*this, kSalad20); }
void Window1::PopupMenu21_Change(fw::Ref<fw::PopupMenu>) { pickTeamA(*this, kCereal21); }
void Window1::PopupMenu22_Change(fw::Ref<fw::PopupMenu>) { pickTeamB(*this, kCereal22); }
void Window1::PopupMenu23_Change(fw::Ref<fw::PopupMenu>) { pickTeamA(*this, kSoup23); }
// The last pick ends the chain: it removes nothing and stays open, so the Soup
// Bowl can be readied again.
void Window1::PopupMenu24_Change(fw::Ref<fw::PopupMenu>) { readyGame(*this, kSoup24); }

} // namespace vantoro
