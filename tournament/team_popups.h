// The eight team popups in team order, each with the strength popup that
// stands below it and the window's flag that its list has been filled. The
// selection handlers, the tests and the measurements all take them from here.
#pragma once

#include "tournament/accessors.h"
#include "tournament/bracket.h"

#include <array>
#include <cstdint>

namespace vantoro {

struct TeamPopup {
    PopupAccessor team;
    PopupAccessor strength;
    // 0 until the popup's Open handler has filled it; a change before then
    // presets no strength.
    std::int32_t Window1::*opened;
};

inline constexpr auto kTeamPopups = std::to_array<TeamPopup>({
    {&Window1::PopupMenu1, &Window1::PopupMenu9, &Window1::one},
    {&Window1::PopupMenu2, &Window1::PopupMenu10, &Window1::two},
    {&Window1::PopupMenu3, &Window1::PopupMenu11, &Window1::three},
    {&Window1::PopupMenu4, &Window1::PopupMenu12, &Window1::four},
    {&Window1::PopupMenu5, &Window1::PopupMenu13, &Window1::five},
    {&Window1::PopupMenu6, &Window1::PopupMenu14, &Window1::six},
    {&Window1::PopupMenu7, &Window1::PopupMenu15, &Window1::seven},
    {&Window1::PopupMenu8, &Window1::PopupMenu16, &Window1::eight},
});
static_assert(kTeamPopups.size() == bracket::kTeamCount, "one team popup per team of the bracket");

} // namespace vantoro
