// The process from its entry to the event loop and back out.
#pragma once

namespace vantoro {

// _Startup: the start-up routine that the framework calls back; gives 0.
int Startup();

// % main: starts the runtime, registers the classes, runs _Main, releases the
// module-level objects and returns the runtime's exit code. `startupRoutine` is
// the routine that _Main hands to the framework: the program's own, or a test's.
int processMain(int argc, char** argv, int (*startupRoutine)() = Startup);

// % initialize: registers every class the program uses, in a fixed order.
void registerClasses();

// _Main, _Startup and its steps, % finalize.
void Main(int (*startupRoutine)() = Startup);
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();
void finalize();

} // namespace vantoro
