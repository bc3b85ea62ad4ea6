// The runtime's life cycle and event dispatch: start, the event loop, stop with
// an exit code, the exception-handling routine, the unhandled-exception report,
// the application object's registration and the cooperative yield.
#pragma once

#include "framework/delegate.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Application;
class Window;

namespace runtime {

// What init says where no window can be shown, unless it is told otherwise:
// in general, and where a Wayland desktop answers but the toolkit's plugin for
// it could not be loaded.
inline constexpr std::string_view kNoDisplay = "The program shows its windows on a display, and none could be opened.\n";
inline constexpr std::string_view kNoWaylandPlugin =
    "The program shows its windows on this Wayland desktop through Qt's Wayland plugin, and it could not be loaded.\n";

// RuntimeInit: sets up the GUI runtime for this process, choosing the window
// system where the desktop offers two (window_system.h). When no window can
// be shown here (no display can be reached, or the window system asked for
// cannot be loaded), it writes `noDisplay`, or `noWaylandPlugin` where a
// Wayland desktop answers, to the error output and ends the process with
// status 1, before the toolkit can abort it.
void init(int& argc, char** argv, std::string_view noDisplay = kNoDisplay,
          std::string_view noWaylandPlugin = kNoWaylandPlugin);
bool isInitialised();
// RuntimeExit: tears the GUI runtime down and gives the process's exit code.
int exit();

// _RuntimeSetExceptionHelper: the routine that runs functions under exception
// handling. It is given a Callable and returns the ExceptionObject of the runtime
// exception the call raised, or nil.
void setExceptionHelper(Ref<Delegate> helper);
// _CallFunctionWithExceptionHandling: the framework's routine for that purpose.
Ref<Delegate> makeStandardExceptionHelper();

// _RunFrameworkInitialization: calls the start-up routine back under the
// helper. An exception that escapes it goes on to the caller, and the exit
// code then tells that the start failed.
void runFrameworkInitialization(const Ref<Delegate>& startup);
// _RuntimeRun: runs the event loop until the application quits.
void run();
// Ends the event loop (the Quit item).
void quit();

// _UnhandledException: reports an exception that no handler caught, in a
// message box and, with its message, on the error output; the program goes on
// running.
void unhandledException(const std::string& exceptionClass, const std::string& message);
// The same for the exception being handled: called from inside a catch.
void unhandledCurrentException();

// _RuntimeRegisterAppObject.
void registerAppObject(Ref<Application> app);
Ref<Application> appObject();

// _RuntimeInitExternalClasses: the program brings none.
void initExternalClasses();
// RuntimeAllocatePluginEntrypointsTable: the runtime keeps the table.
void allocatePluginEntrypointsTable(int entries);
int pluginEntrypointCount();

// Runs an event handler that the event loop raised (a click, a timer, a menu
// command): exceptions that escape it are reported and the loop goes on. Only
// one such handler runs at a time: one that comes while another runs (from
// inside its yield) waits, and the waiting ones run in their order as soon as
// the outermost handler returns. `handler` must therefore own what it uses.
void dispatch(std::function<void()> handler);
// Whether a handler raised by the event loop, or the start-up routine, is running.
bool handlerRunning();
// How many events, timer firings and handlers wait for the running one.
std::size_t waitingCount();

// Marks a handler of `window` as running, so a yield inside it can tell that
// the handler closed its own window meanwhile.
class HandlerScope {
public:
    explicit HandlerScope(Window* window);
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

// The cooperative yield: lets windows repaint and the system do its own work.
// User input and timer firings are taken in but wait, in the order they came,
// until the running handler returns, so no handler ever runs inside another's
// yield. If the handler has closed its own
// window meanwhile, it is abandoned quietly: nothing of a closed window may go
// on playing.
void yield();

// Thrown by yield to abandon the handlers of a closed window; dispatch swallows it.
struct HandlerAbandoned {};

} // namespace runtime
} // namespace fw
