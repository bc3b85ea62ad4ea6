#include "main_window/window1.h"

namespace vantoro {

void Window1::PushButton1_Action(fw::Ref<fw::PushButton>) {}
void Window1::PushButton2_Action(fw::Ref<fw::PushButton>) {}
void Window1::PushButton3_Action(fw::Ref<fw::PushButton>) {}
void Window1::PushButton4_Action(fw::Ref<fw::PushButton>) {}

} // namespace vantoro
