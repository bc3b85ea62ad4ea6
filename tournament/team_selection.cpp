#include "main_window/window1.h"

namespace vantoro {

void Window1::PopupMenu1_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu2_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu3_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu4_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu5_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu6_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu7_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu8_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu1_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu2_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu3_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu4_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu5_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu6_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu7_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu8_Change(fw::Ref<fw::PopupMenu>) {}

} // namespace vantoro
