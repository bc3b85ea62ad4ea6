#include "shell/startup.h"

#include "framework/controls/check_box.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/label.h"
#include "framework/controls/listbox.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/push_button.h"
#include "framework/controls/round_rectangle.h"
#include "framework/controls/text_area.h"
#include "framework/controls/text_field.h"
#include "framework/controls/timer.h"
#include "framework/runtime.h"
#include "main_window/window1.h"
#include "main_window/window_timers.h"
#include "shell/app.h"
#include "shell/implicit_instances.h"
#include "shell/menu_bar1.h"
#include "shell/window2.h"
#include "shell/window3.h"

#include <exception>

namespace vantoro {

void registerClasses() {
    // The runtime's classes first, then the program's in its fixed order.
    fw::Control::staticRecord();
    fw::RectControl::staticRecord();
    fw::PopupMenu::staticRecord();
    fw::CheckBox::staticRecord();
    fw::TextField::staticRecord();
    fw::Label::staticRecord();
    fw::PushButton::staticRecord();
    fw::Listbox::staticRecord();
    fw::RoundRectangle::staticRecord();
    fw::ComboBox::staticRecord();
    fw::TextArea::staticRecord();
    fw::Timer::staticRecord();
    fw::MenuItem::staticRecord();
    fw::QuitMenuItem::staticRecord();
    fw::AppleMenuItem::staticRecord();
    fw::MenuBar::staticRecord();
    fw::Window::staticRecord();
    fw::Application::staticRecord();
    App::staticRecord();
    Window1::staticRecord();
    Window1Timer1::staticRecord();
    Window1Timer2::staticRecord();
    Window1Timer3::staticRecord();
    MenuBar1::staticRecord();
    Window2::staticRecord();
    Window3::staticRecord();
}

void InitFileTypes() {}

void NewAppInstance() {
    fw::Ref<App> app = fw::newObject<App>();
    app->Constructor();
    fw::deref(app).SetMenuBar(implicit::MenuBar1());
    fw::runtime::registerAppObject(app);
}

void ApplicationAddMenuHandlers() {}

void MakeDefaultView() { fw::deref(implicit::Window1()); }

int Startup() {
    fw::runtime::initExternalClasses();
    fw::runtime::allocatePluginEntrypointsTable(0);
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    MakeDefaultView();
    return 0;
}

void Main(int (*startupRoutine)()) {
    try {
        {
            fw::Ref<fw::Delegate> helper = fw::runtime::makeStandardExceptionHelper();
            fw::runtime::setExceptionHelper(helper);
        }
        fw::Ref<fw::Delegate> startup = fw::make<fw::Delegate>(
            "_Startup",
            [startupRoutine](fw::Object&, std::span<const fw::Value>) { return fw::Value(startupRoutine()); }, "(  )");
        // A start-up that fails leaves here for the report below, past the loop.
        fw::runtime::runFrameworkInitialization(startup);
        startup = nullptr;
        fw::runtime::run();
    } catch (...) {
        fw::runtime::unhandledCurrentException();
    }
}

void finalize() {
    fw::Window::closeAll();
    implicit::MenuBar1Exit();
}

int processMain(int argc, char** argv, int (*startupRoutine)()) {
    // Without a display the runtime says this and ends the process with status 1;
    // on a Wayland desktop that answers, only the toolkit's plugin can be missing.
    fw::runtime::init(argc, argv,
                      "vantoro2011 shows its window on a display, and none could be opened.\n"
                      "On a machine without one, run it under a virtual X server:\n"
                      "    xvfb-run build/vantoro2011\n",
                      "vantoro2011 shows its window on this Wayland desktop through Qt's Wayland plugin,\n"
                      "and it could not be loaded. Install it: bash tools/deps.sh (Debian package qt6-wayland).\n");
    registerClasses();
    Main(startupRoutine);
    finalize();
    return fw::runtime::exit();
}

} // namespace vantoro
