// The pairing chain's one shared step, also taken by the second DONE box,
// which opens the chain.
#pragma once

#include "tournament/bracket.h"

namespace vantoro {

// Enables `popup` and gives it "Choose" and the entries still in `team`, in
// their order, with "Choose" selected (which runs its Change).
void fillPairingPopup(Window1& window, PopupAccessor popup);

} // namespace vantoro
