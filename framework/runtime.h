// The runtime's life cycle and event dispatch: start, the event loop, stop with
// an exit code, the exception-handling routine, the unhandled-exception report,
// the application object's registration and the cooperative yield.
#pragma once

#include "framework/delegate.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

class Application;
class Window;

namespace runtime {

// Whether a window can be shown here: a display, or a platform chosen for Qt.
bool displayAvailable();

// RuntimeInit: sets up the GUI runtime for this process.
void init(int& argc, char** argv);
bool isInitialised();
// RuntimeExit: tears the GUI runtime down and gives the process's exit code.
int exit();

// _RuntimeSetExceptionHelper: the routine that runs functions under exception
// handling. It is given a Callable and returns the ExceptionObject of the runtime
// exception the call raised, or nil.
void setExceptionHelper(Ref<Delegate> helper);
// _CallFunctionWithExceptionHandling: the framework's routine for that purpose.
Ref<Delegate> makeStandardExceptionHelper();

// _RunFrameworkInitialization: calls the start-up routine back under the helper.
void runFrameworkInitialization(const Ref<Delegate>& startup);
// _RuntimeRun: runs the event loop until the application quits.
void run();
// Ends the event loop (the Quit item).
void quit();

// _UnhandledException: reports an exception that no handler caught; the
// program goes on running.
void unhandledException(const std::string& exceptionClass, const std::string& message);

// _RuntimeRegisterAppObject.
void registerAppObject(Ref<Application> app);
Ref<Application> appObject();

// _RuntimeInitExternalClasses: the program brings none.
void initExternalClasses();
// RuntimeAllocatePluginEntrypointsTable: the runtime keeps the table.
void allocatePluginEntrypointsTable(int entries);
int pluginEntrypointCount();

// Runs an event handler that the event loop raised (a click, a timer, a menu
// command): exceptions that escape it are reported and the loop goes on.
void dispatch(const std::function<void()>& handler);

// Marks a handler of `window` as running, so a yield inside it can tell that
// the window closed meanwhile.
class HandlerScope {
public:
    explicit HandlerScope(Window* window);
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

// The cooperative yield: lets the event loop run once. If the window whose
// handler is running was closed meanwhile, the handler is abandoned quietly:
// nothing of a closed window may go on playing.
void yield();

// Thrown by yield to abandon the handlers of a closed window; dispatch swallows it.
struct HandlerAbandoned {};

} // namespace runtime
} // namespace fw
