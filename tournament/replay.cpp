#include "main_window/window1.h"

namespace vantoro {

void Window1::PushButton8_Action(fw::Ref<fw::PushButton>) {}
void Window1::PushButton9_Action(fw::Ref<fw::PushButton>) {}
void Window1::PushButton10_Action(fw::Ref<fw::PushButton>) {}
void Window1::Timer1_Action(fw::Ref<fw::Timer>) {}
void Window1::Timer2_Action(fw::Ref<fw::Timer>) {}
void Window1::Timer3_Action(fw::Ref<fw::Timer>) {}

} // namespace vantoro
