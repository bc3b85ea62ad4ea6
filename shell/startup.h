// The process from its entry to the event loop and back out.
#pragma once

namespace vantoro {

// % main: starts the runtime, registers the classes, runs _Main, releases the
// module-level objects and returns the runtime's exit code.
int processMain(int argc, char** argv);

// % initialize: registers every class the program uses, in a fixed order.
void registerClasses();

// _Main, _Startup and its steps, % finalize.
void Main();
int Startup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();
void finalize();

} // namespace vantoro
