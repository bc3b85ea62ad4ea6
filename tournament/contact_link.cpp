#include "main_window/window1.h"

namespace vantoro {

void Window1::Listbox1_Open(fw::Ref<fw::Listbox>) {}
bool Window1::Label26_MouseDown(fw::Ref<fw::Label>, std::int32_t, std::int32_t) { return false; }

} // namespace vantoro
