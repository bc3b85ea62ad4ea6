#include "main_window/window1.h"

namespace vantoro {

void Window1::PushButton11_Action(fw::Ref<fw::PushButton>) {}

} // namespace vantoro
