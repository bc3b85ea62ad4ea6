#include "framework/runtime.h"

#include "framework/application.h"
#include "framework/services.h"
#include "framework/window.h"

#include <QApplication>
#include <QCoreApplication>

#include <csignal>
#include <cstdlib>
#include <memory>

namespace fw::runtime {

namespace {
struct State {
    std::unique_ptr<QApplication> app;
    Ref<Delegate> exceptionHelper;
    Ref<Application> appObject;
    std::vector<void*> pluginTable;
    bool pluginTableAllocated = false;
    std::vector<Window*> runningHandlers;
    int exitCode = 0;
    // Keeps argc alive for QApplication, which holds a reference to it.
    int argc = 1;
    std::vector<char*> argv;
};

State& state() {
    static State s;
    return s;
}
} // namespace

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* v = std::getenv(name); v && *v) return true;
    return false;
}

void init(int& argc, char** argv) {
    // A file-size limit makes a write fail (and the save report it) instead of
    // ending the program half-way through the file.
    std::signal(SIGXFSZ, SIG_IGN);
    State& s = state();
    if (s.app || QCoreApplication::instance()) return;
    // Only the program's name goes to the GUI toolkit: the program takes no
    // command line, so no switch of the toolkit's own may change what it does.
    static char fallbackName[] = "vantoro2011";
    s.argc = 1;
    s.argv = {argc > 0 && argv && argv[0] ? argv[0] : fallbackName, nullptr};
    s.app = std::make_unique<QApplication>(s.argc, s.argv.data());
    // The program quits only through its Quit item, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
}

bool isInitialised() { return QCoreApplication::instance() != nullptr; }

int exit() {
    State& s = state();
    s.exceptionHelper = nullptr;
    s.appObject = nullptr;
    // Windows closed at shut-down are deleted before the runtime goes.
    if (s.app) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    s.app.reset();
    return s.exitCode;
}

Ref<Delegate> makeStandardExceptionHelper() {
    return make<Delegate>(
        "_CallFunctionWithExceptionHandling",
        [](Object&, std::span<const Value> args) -> Value {
            auto fn = checkedCast<Callable>(std::get<Ref<Object>>(args[0]));
            try {
                (*fn)();
            } catch (const RuntimeException& e) {
                return Value(Ref<Object>(make<ExceptionObject>(e.className(), e.what())));
            }
            return Value(Ref<Object>());
        },
        "( Ptr, Ptr ) as Object");
}

void setExceptionHelper(Ref<Delegate> helper) { state().exceptionHelper = std::move(helper); }

namespace {
// Runs `fn` through the installed helper; reports what escapes it.
void runGuarded(const std::function<void()>& fn) {
    State& s = state();
    try {
        if (!s.exceptionHelper) {
            fn();
            return;
        }
        Ref<Delegate> helper = s.exceptionHelper;
        Value result = helper->invoke({Value(Ref<Object>(make<Callable>(fn)))});
        if (auto* obj = std::get_if<Ref<Object>>(&result); obj && *obj) {
            auto ex = checkedCast<ExceptionObject>(*obj);
            unhandledException(ex->exceptionClass(), ex->message());
        }
    } catch (const HandlerAbandoned&) {
        // The window whose handler this was has closed: nothing more to do.
    } catch (const RuntimeException& e) {
        unhandledException(e.className(), e.what());
    } catch (const std::exception& e) {
        unhandledException("RuntimeException", e.what());
    }
}
} // namespace

void runFrameworkInitialization(const Ref<Delegate>& startup) {
    runGuarded([&] { startup->invoke({}); });
}

void run() {
    if (QCoreApplication::instance()) state().exitCode = QCoreApplication::exec();
}

void quit() { QCoreApplication::exit(0); }

void unhandledException(const std::string& exceptionClass, const std::string& message) {
    (void)message;
    MsgBox("An exception of class " + exceptionClass + " was not handled.");
}

void registerAppObject(Ref<Application> app) { state().appObject = std::move(app); }
Ref<Application> appObject() { return state().appObject; }

void initExternalClasses() {}

void allocatePluginEntrypointsTable(int entries) {
    state().pluginTable.assign(static_cast<std::size_t>(entries > 0 ? entries : 0), nullptr);
    state().pluginTableAllocated = true;
}

int pluginEntrypointCount() {
    return state().pluginTableAllocated ? static_cast<int>(state().pluginTable.size()) : -1;
}

void dispatch(const std::function<void()>& handler) { runGuarded(handler); }

HandlerScope::HandlerScope(Window* window) { state().runningHandlers.push_back(window); }
HandlerScope::~HandlerScope() { state().runningHandlers.pop_back(); }

void yield() {
    if (!QCoreApplication::instance()) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const auto& running = state().runningHandlers;
    if (!running.empty() && running.back() && !running.back()->isOpen()) throw HandlerAbandoned{};
}

} // namespace fw::runtime
