#include "main_window/window1.h"

namespace vantoro {

void Window1::PopupMenu17_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu18_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu19_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu20_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu21_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu22_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu23_Change(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu24_Change(fw::Ref<fw::PopupMenu>) {}

} // namespace vantoro
