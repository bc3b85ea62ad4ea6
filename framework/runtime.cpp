#include "framework/runtime.h"

#include "framework/application.h"
#include "framework/light_palette.h"
#include "framework/services.h"
#include "framework/wayland_window_state.h"
#include "framework/window.h"
#include "framework/window_system.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <QtGlobal>

#include <csignal>
#include <cxxabi.h>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <typeinfo>

namespace fw::runtime {

namespace {
struct State {
    std::unique_ptr<QApplication> app;
    Ref<Delegate> exceptionHelper;
    Ref<Application> appObject;
    std::vector<void*> pluginTable;
    bool pluginTableAllocated = false;
    std::vector<Window*> runningHandlers;
    // Handlers raised by the event loop (or the start-up routine) now running:
    // 0 or 1, since one that comes while another runs waits.
    int depth = 0;
    // What came while a handler ran (user input, timer firings, other handlers),
    // in its order, delivered when the outermost handler returns.
    std::deque<std::function<void()>> waiting;
    bool delivering = false;
    std::unique_ptr<QObject> inputGate;
    std::unique_ptr<QObject> paletteKeeper;
    std::unique_ptr<QObject> fixedSizeKeeper;
    int exitCode = 0;
    // Keeps argc alive for QApplication, which holds a reference to it.
    int argc = 1;
    std::vector<char*> argv;
};

State& state() {
    static State s;
    return s;
}

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

// Whether `target` is part of the modal box that the running handler shows:
// the box takes the user's input while everything else waits.
bool inModalBox(QObject* target) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    if (target->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(target);
        return widget == modal || modal->isAncestorOf(widget);
    }
    if (target->isWindowType()) return static_cast<QWindow*>(target) == modal->windowHandle();
    return false;
}

// Holds back user input that reaches the program while a handler runs, by
// whatever path it comes (from the window system during a yield, or sent to a
// widget directly), and hands it on when the handler returns, in one line with
// the timer firings and other events that waited: what came first runs first.
class InputGate : public QObject {
protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        State& s = state();
        if (s.depth == 0 || !isUserInput(event->type()) || inModalBox(target)) return false;
        std::shared_ptr<QEvent> copy(event->clone());
        QPointer<QObject> to(target);
        s.waiting.push_back([to, copy] {
            if (to) QCoreApplication::sendEvent(to, copy.get());
        });
        return true;
    }
};
} // namespace

namespace {
// While the toolkit starts, its messages are held back: when it cannot reach a
// display it reports a fatal error and would abort the process with a stack
// of its own notes. The runtime says what to do instead and ends the process.
struct StartTrap {
    struct Held {
        QtMsgType type;
        std::string category;
        QString text;
    };
    std::mutex lock; // the toolkit may log from threads of its own
    bool holding = false;
    std::string noDisplay;
    std::string noWaylandPlugin;
    QtMessageHandler previous = nullptr;
    std::vector<Held> held;
};

StartTrap& startTrap() {
    static StartTrap trap;
    return trap;
}

void holdStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    StartTrap& trap = startTrap();
    std::unique_lock guard(trap.lock);
    if (!trap.holding) {
        guard.unlock();
        if (trap.previous) trap.previous(type, context, text);
        return;
    }
    if (type == QtFatalMsg) {
        // The toolkit aborts once this handler returns, so the process ends here.
        // Where a Wayland desktop answers, a display was there to be had.
        const std::string& advice =
            window_system::waylandDesktopAnswers() ? trap.noWaylandPlugin : trap.noDisplay;
        std::fwrite(advice.data(), 1, advice.size(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    trap.held.push_back({type, context.category ? context.category : "", text});
}
} // namespace

void init(int& argc, char** argv, std::string_view noDisplay, std::string_view noWaylandPlugin) {
    // A file-size limit makes a write fail (and the save report it) instead of
    // ending the program half-way through the file. Error output into a pipe
    // that nobody reads any more fails quietly too, instead of ending the
    // program before the user's box shows.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    State& s = state();
    if (s.app || QCoreApplication::instance()) return;
    // Only the program's name goes to the GUI toolkit: the program takes no
    // command line, so no switch of the toolkit's own may change what it does.
    static char fallbackName[] = "vantoro2011";
    s.argv = {argc > 0 && argv && argv[0] ? argv[0] : fallbackName};
    // The window system is the runtime's choice where the desktop offers two.
    static char platformSwitch[] = "-platform";
    static std::string platforms;
    if (const char* list = window_system::platformList()) {
        platforms = list;
        s.argv.push_back(platformSwitch);
        s.argv.push_back(platforms.data());
    }
    s.argc = static_cast<int>(s.argv.size());
    s.argv.push_back(nullptr);
    StartTrap& trap = startTrap();
    {
        std::lock_guard guard(trap.lock);
        trap.holding = true;
        trap.noDisplay = noDisplay;
        trap.noWaylandPlugin = noWaylandPlugin;
        trap.previous = qInstallMessageHandler(holdStartMessage);
    }
    s.app = std::make_unique<QApplication>(s.argc, s.argv.data());
    // Started: what the toolkit said on the way goes out as it would have.
    std::vector<StartTrap::Held> held;
    {
        std::lock_guard guard(trap.lock);
        trap.holding = false;
        held.swap(trap.held);
        qInstallMessageHandler(trap.previous);
    }
    for (const StartTrap::Held& m : held)
        if (trap.previous) trap.previous(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.c_str()), m.text);
    // The program quits only through its Quit item, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    s.paletteKeeper = palette::install();
    s.fixedSizeKeeper = wayland::keepFixedSizes();
    s.inputGate = std::make_unique<InputGate>();
    s.app->installEventFilter(s.inputGate.get());
}

bool isInitialised() { return QCoreApplication::instance() != nullptr; }

int exit() {
    State& s = state();
    s.exceptionHelper = nullptr;
    s.appObject = nullptr;
    s.waiting.clear();
    if (s.app && s.inputGate) s.app->removeEventFilter(s.inputGate.get());
    s.inputGate.reset();
    if (s.app && s.fixedSizeKeeper) s.app->removeEventFilter(s.fixedSizeKeeper.get());
    s.fixedSizeKeeper.reset();
    s.paletteKeeper.reset();
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
    } catch (...) {
        unhandledCurrentException();
    }
}
} // namespace

namespace {
// Hands on what came while a handler ran, oldest first. Each may run a handler
// of its own, after which the next one goes on. What escapes an item is
// reported like a handler's exception, and the items after it still go on.
void deliverWaiting() {
    State& s = state();
    if (s.delivering || s.depth > 0) return;
    s.delivering = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{s.delivering};
    while (!s.waiting.empty() && s.depth == 0) {
        std::function<void()> next = std::move(s.waiting.front());
        s.waiting.pop_front();
        runGuarded(next);
    }
}

// Runs one handler as the outermost one, then delivers what waited for it.
void runOutermost(const std::function<void()>& fn) {
    State& s = state();
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    };
    {
        Depth running(s.depth);
        runGuarded(fn);
    }
    deliverWaiting();
}
} // namespace

void runFrameworkInitialization(const Ref<Delegate>& startup) {
    // Start-up runs as the outermost handler, but what escapes it is not
    // reported here: it goes on to the caller, which reports it and shuts down
    // instead of running the event loop, as there is no window to work in.
    std::exception_ptr failed;
    runOutermost([&] {
        try {
            startup->invoke({});
        } catch (...) {
            failed = std::current_exception();
            // Nothing that waited for the start is delivered any more.
            state().waiting.clear();
        }
    });
    if (failed) {
        // A start that failed is no success: the process ends with status 1.
        state().exitCode = 1;
        std::rethrow_exception(failed);
    }
}

void run() {
    if (QCoreApplication::instance()) state().exitCode = QCoreApplication::exec();
}

void quit() {
    // Input that waited for the handler choosing Quit is not delivered any more.
    state().waiting.clear();
    QCoreApplication::exit(0);
}

void unhandledException(const std::string& exceptionClass, const std::string& message) {
    // The box tells the user that something went wrong; the error output tells
    // whoever runs the program what, and where.
    std::fprintf(stderr, "Unhandled %s: %s\n", exceptionClass.c_str(),
                 message.empty() ? "(no message)" : message.c_str());
    std::fflush(stderr);
    MsgBox("An exception of class " + exceptionClass + " was not handled.");
}

void unhandledCurrentException() {
    try {
        throw;
    } catch (const RuntimeException& e) {
        unhandledException(e.className(), e.what());
    } catch (const std::exception& e) {
        // Not one of the runtime's own: the box names the runtime's base class,
        // the error output the C++ class too.
        const char* mangled = typeid(e).name();
        int status = 0;
        std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                        std::free);
        unhandledException("RuntimeException",
                           std::string(status == 0 && readable ? readable.get() : mangled) + ": " + e.what());
    } catch (...) {
        unhandledException("RuntimeException", "an exception of no class the runtime knows");
    }
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

void dispatch(std::function<void()> handler) {
    State& s = state();
    if (s.depth > 0) {
        s.waiting.push_back([h = std::move(handler)]() mutable { dispatch(std::move(h)); });
        return;
    }
    runOutermost(handler);
}

bool handlerRunning() { return state().depth > 0; }

std::size_t waitingCount() { return state().waiting.size(); }

HandlerScope::HandlerScope(Window* window) { state().runningHandlers.push_back(window); }
HandlerScope::~HandlerScope() { state().runningHandlers.pop_back(); }

void yield() {
    if (!QCoreApplication::instance()) return;
    // User input is taken from the window system here too, so that it waits in
    // the same line as the timer firings (the input gate holds it back): left
    // in the toolkit's own queue, it would run only after everything that
    // waited, and only once something else woke the event loop.
    QCoreApplication::processEvents();
    const auto& running = state().runningHandlers;
    if (!running.empty() && running.back() && !running.back()->isOpen()) throw HandlerAbandoned{};
}

} // namespace fw::runtime
