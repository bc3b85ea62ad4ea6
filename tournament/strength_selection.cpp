#include "main_window/window1.h"

namespace vantoro {

void Window1::PopupMenu9_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu10_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu11_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu12_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu13_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu14_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu15_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::PopupMenu16_Open(fw::Ref<fw::PopupMenu>) {}
void Window1::CheckBox1_Action(fw::Ref<fw::CheckBox>) {}
void Window1::CheckBox2_Action(fw::Ref<fw::CheckBox>) {}

} // namespace vantoro
