#include "main_window/window1.h"

namespace vantoro {

void Window1::PushButton5_Action(fw::Ref<fw::PushButton>) {}
void Window1::PushButton6_Action(fw::Ref<fw::PushButton>) {}
void Window1::PushButton7_Action(fw::Ref<fw::PushButton>) {}

} // namespace vantoro
