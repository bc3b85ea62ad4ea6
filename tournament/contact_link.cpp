// The contact label opens a new mail message; the results list's Open event
// needs nothing, as its rows come from the bracket.
#include "framework/services.h"
#include "main_window/contact_address.h"
#include "main_window/window1.h"

namespace vantoro {

void Window1::Listbox1_Open(fw::Ref<fw::Listbox>) {}

// A mail link to the one address, with no subject, body or other field. The
// address needs no percent-encoding, so it goes into the link as it stands.
bool Window1::Label26_MouseDown(fw::Ref<fw::Label>, std::int32_t, std::int32_t) {
    fw::ShowURL("mailto:" + std::string(kContactAddress));
    return false;
}

} // namespace vantoro
