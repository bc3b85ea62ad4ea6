#include "framework/window.h"

#include "framework/application.h"
#include "framework/controls/timer.h"
#include "framework/runtime.h"
#include "framework/x11_window_hints.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <stdexcept>

namespace fw {

namespace {
std::vector<Ref<Window>>& openList() {
    static std::vector<Ref<Window>> list;
    return list;
}

// The native window: it asks its Window before closing by its close box.
class NativeWindow : public QMainWindow {
public:
    explicit NativeWindow(std::shared_ptr<Window*> owner) : owner_(std::move(owner)) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        Window* w = *owner_;
        if (!w || !w->isOpen()) {
            event->accept();
            return;
        }
        event->ignore();
        if (!w->CloseButton()) return;
        runtime::dispatch([keep = Ref<Window>(w)] {
            if (keep->isOpen()) keep->Close();
        });
    }

private:
    std::shared_ptr<Window*> owner_;
};

std::unique_ptr<ClassRecord> buildWindow() {
    auto r = std::make_unique<ClassRecord>();
    const char* names[] = {"Show", "ShowWithin", "ShowModalWithin", "Hide", "Close", "Refresh", "RefreshRect",
                           "ShowModal", "NewDragItem", "AcceptTextDrop", "AcceptPictureDrop", "AcceptFileDrop",
                           "AcceptMacDataDrop", "AcceptRawDataDrop", "Control", "SetFocus", "DrawInto",
                           "_DrawBackground", "UpdateNow", "_AddControl", "_AddMenuHandler", "Window",
                           "Operator_Convert", "__New", "_Move", "Maximize", "Minimize", "Restore", "_Update",
                           "_CallMoved", "_EnableMenuItems", "_CallActivated", "_CallDeactivated",
                           "_HandleMenuCommand", "_UnifiedClose", "_CallMouseDown", "_CallResized", "_CallResizing",
                           "_RemoveControl", "_MouseEnter", "_MouseExit", "_MouseMove", "_Paint", "_MouseWheel",
                           "_KeyDown", "__DependencyList", "Constructor", "TrueWindow", "FocusNext", "FocusPrevious",
                           "_ControlByName", "_ControlByNameIndex"};
    for (const char* name : names) r->methods.push_back(publicMethod(name));
    // Gives the one row of that name what the runtime provides for it.
    auto set = [&](std::string_view name, const char* signature, Invoker invoke) {
        const auto m = std::find_if(r->methods.begin(), r->methods.end(), [&](const MethodRow& row) { return row.name == name; });
        if (m == r->methods.end()) throw std::logic_error("Window lists no operation \"" + std::string(name) + "\"");
        m->signature = signature;
        m->invoke = std::move(invoke);
    };
    set("Show", "%%", invokerOf<&Window::Show>());
    set("Close", "%%", invokerOf<&Window::Close>());
    set("Constructor", "%%", invokerOf<&Window::Constructor>());
    set("_ControlByName", "%o<Object>%s", [](Object& self, std::span<const Value> args) {
        return Value(static_cast<Window&>(self).ControlByName(std::get<std::string>(args[0])));
    });
    set("_AddControl", "%%so<Object>", [](Object& self, std::span<const Value> args) {
        static_cast<Window&>(self).AddControl(std::get<std::string>(args[0]), std::get<Ref<Object>>(args[1]));
        return Value{};
    });
    set("_AddMenuHandler", "%%sp", [](Object& self, std::span<const Value> args) {
        static_cast<Window&>(self).AddMenuHandler(std::get<std::string>(args[0]),
                                                  checkedCast<Delegate>(std::get<Ref<Object>>(args[1])));
        return Value{};
    });
    set("__New", "%o<Object>%p", {});
    for (const char* event :
         {"Layout", "CreateControls", "AddMenuHandlers", "SetupBindings", "Open", "Close", "CancelClose", "KeyDown",
          "KeyUp", "MouseMove", "MouseEnter", "MouseExit", "Paint", "MouseDown", "MouseDrag", "MouseUp",
          "EnableMenuItems", "Resized", "Resizing", "Moved", "DropObject", "Activate", "Deactivate", "Minimize",
          "Maximize", "Restore", "MouseWheel", "ConstructContextualMenu", "ContextualMenuAction", "DragEnter",
          "DragExit", "DragOver", "ContentsChanged"})
        r->eventHooks.push_back({event, ""});
    using W = Window;
    r->properties = {
        props::text<W>("Title", &W::Title, &W::SetTitle),
        props::row<W, std::int32_t>("Width", "i4", &W::Width, &W::SetWidth),
        props::row<W, std::int32_t>("Height", "i4", &W::Height, &W::SetHeight),
        props::row<W, bool>("Visible", "b", &W::Visible, &W::SetVisible),
        props::row<W, bool>("CloseButton", "b", &W::CloseButton, &W::SetCloseButton),
        props::row<W, bool>("Resizeable", "b", &W::Resizeable, &W::SetResizeable),
        props::row<W, bool>("MinimizeButton", "b", &W::MinimizeButton, &W::SetMinimizeButton),
        props::row<W, bool>("MaximizeButton", "b", &W::MaximizeButton, &W::SetMaximizeButton),
        props::row<W, bool>("MenuBarVisible", "b", &W::MenuBarVisible, &W::SetMenuBarVisible),
        props::stored<W>("Placement", "i4"),
        props::stored<W>("MinWidth", "i4"),
        props::stored<W>("MinHeight", "i4"),
        props::stored<W>("MaxWidth", "i4"),
        props::stored<W>("MaxHeight", "i4"),
        props::stored<W>("Frame", "i4"),
        props::stored<W>("Composite", "b"),
        props::stored<W>("HasBackColor", "b"),
        props::stored<W>("BackColor", "c"),
        props::stored<W>("FullScreen", "b"),
        props::stored<W>("LiveResize", "b"),
        props::stored<W>("MacProcId", "i4"),
    };
    return r;
}
} // namespace

struct Window::Native {
    QPointer<NativeWindow> window;
    QPointer<QWidget> content;
    QPointer<QMenuBar> menuBar;
    // The menu bar whose menus the native bar holds.
    Ref<MenuBar> shownBar;
};

Window::Window() : native_(std::make_unique<Native>()), alive_(std::make_shared<Window*>(this)) {
    native_->window = new NativeWindow(alive_);
    native_->content = new QWidget;
    native_->content->setObjectName("content");
    native_->window->setCentralWidget(native_->content);
    applySize();
    applyFlags();
}

Window::~Window() {
    *alive_ = nullptr;
    if (native_->window) native_->window->deleteLater();
}

const ClassRecord& Window::staticRecord() { return lookupClass("Window", buildWindow); }

void Window::Constructor() {
    Ref<Window> self(this);
    openList().push_back(self);
    constructing_ = true;
    const ClassRecord& cls = classRecord();
    auto runHook = [&](const char* event, std::vector<Value> args) {
        const std::string hook = cls.hookFor(event);
        if (hook.empty()) return;
        const MethodRow* m = cls.findMethod(hook);
        if (m && m->invoke) m->invoke(*this, std::span<const Value>(args));
    };
    try {
        runHook("Layout", {});
        runHook("CreateControls", {});
        runHook("AddMenuHandlers", {Value(Ref<Object>(this))});
        installMenuBar();
        // Open events come once every control exists and every handler is wired.
        std::vector<Ref<Control>> opening = controls_;
        for (const Ref<Control>& c : opening)
            if (open_) c->raiseEvent("Open");
    } catch (...) {
        constructing_ = false;
        throw;
    }
    constructing_ = false;
    if (open_ && visible_) Show();
}

void Window::adopt(Control& control) { control.attach(*this, native_->content); }

void Window::AddControl(const std::string& name, const Ref<Object>& object) {
    Ref<Control> control = checkedCast<Control>(object);
    deref(control);
    control->SetName(name);
    controls_.push_back(control);
    // A child that is not a visible control learns its owner from the window.
    if (auto* child = dynamic_cast<PaneChild*>(control.get())) child->SetWindowOwner(this);
}

Ref<Object> Window::ControlByName(std::string_view name) const {
    for (const Ref<Control>& c : controls_)
        if (c->Name() == name) return Ref<Object>(c.get());
    return nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, Ref<Delegate> handler) {
    menuHandlers_.emplace_back(itemName, std::move(handler));
}

bool Window::hasMenuHandler(std::string_view itemName) const {
    for (const auto& [name, handler] : menuHandlers_)
        if (equalsIgnoreCase(name, itemName)) return true;
    return false;
}

void Window::EnableMenuItems() {
    if (!open_) return;
    const ClassRecord& cls = classRecord();
    const std::string hook = cls.hookFor("EnableMenuItems");
    if (hook.empty()) return;
    const MethodRow* m = cls.findMethod(hook);
    if (!m || !m->invoke) return;
    Ref<Window> self(this);
    runtime::HandlerScope scope(this);
    m->invoke(*this, {});
}

bool Window::handleMenuCommand(std::string_view itemName) {
    for (const auto& [name, handler] : menuHandlers_) {
        if (!equalsIgnoreCase(name, itemName)) continue;
        Ref<Window> self(this);
        Ref<Delegate> keep = handler;
        runtime::HandlerScope scope(this);
        Value result = keep->invoke({});
        const bool* handled = std::get_if<bool>(&result);
        return handled && *handled;
    }
    return false;
}

void Window::Show() {
    if (!open_) return;
    visible_ = true;
    if (constructing_ || !native_->window) return;
    QMainWindow* w = native_->window;
    // The window manager learns the window's fixed size before it maps it.
    w->winId();
    tellFixedSize();
    // Showing an open window brings it forward, also out of the minimised state.
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

void Window::Close() {
    if (!open_) return;
    open_ = false;
    Ref<Window> self(this); // lives until this call returns, whatever the list held
    auto& list = openList();
    std::erase_if(list, [this](const Ref<Window>& w) { return w.get() == this; });
    for (const Ref<Control>& c : controls_) c->windowClosed();
    if (native_->window) {
        native_->window->hide();
        native_->window->deleteLater();
    }
    // Releasing the controls breaks the cycles through timers and delegates; a
    // handler still running keeps what it uses alive until it returns.
    controls_.clear();
    menuHandlers_.clear();
}

Ref<MenuBar> Window::GetMenuBar() const { return menuBar_; }

void Window::SetMenuBar(Ref<MenuBar> bar) {
    menuBar_ = std::move(bar);
    installMenuBar();
}

void Window::installMenuBar() {
    if (!native_->window) return;
    // A window without a bar of its own shows the application's, as every
    // window of a desktop application shows the menus.
    Ref<MenuBar> bar = menuBar_;
    if (!bar && runtime::appObject()) bar = runtime::appObject()->GetMenuBar();
    if (!bar || !menuBarVisible_) return;
    if (!native_->menuBar) {
        native_->menuBar = new QMenuBar;
        native_->window->setMenuBar(native_->menuBar);
    }
    // Layout sets the bar and the window's construction installs it again:
    // the menus are built once per bar shown.
    if (native_->shownBar == bar) return;
    native_->shownBar = bar;
    buildNativeMenuBar(*native_->menuBar, bar, this);
}

void Window::SetTitle(std::string title) {
    title_ = std::move(title);
    if (native_->window) native_->window->setWindowTitle(QString::fromStdString(title_));
}

void Window::SetWidth(std::int32_t v) {
    width_ = v;
    applySize();
}

void Window::SetHeight(std::int32_t v) {
    height_ = v;
    applySize();
}

void Window::SetVisible(bool v) {
    visible_ = v;
    if (v) Show();
    else if (native_->window) native_->window->hide();
}

void Window::SetCloseButton(bool v) {
    closeButton_ = v;
    applyFlags();
}
void Window::SetResizeable(bool v) {
    resizeable_ = v;
    applySize();
    applyFlags();
}
void Window::SetMinimizeButton(bool v) {
    minimizeButton_ = v;
    applyFlags();
}
void Window::SetMaximizeButton(bool v) {
    maximizeButton_ = v;
    applyFlags();
}
void Window::SetMenuBarVisible(bool v) { menuBarVisible_ = v; }

void Window::applySize() {
    if (!native_->content) return;
    // The design's size is the content area's; a window that can't be resized
    // keeps it exactly, and so does the whole window around it, menu bar
    // included, so the window manager is told one size as minimum and maximum.
    if (resizeable_) {
        native_->content->setMinimumSize(0, 0);
        native_->content->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        native_->content->resize(width_, height_);
    } else {
        native_->content->setFixedSize(width_, height_);
    }
    if (!native_->window) return;
    native_->window->layout()->setSizeConstraint(resizeable_ ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
    if (resizeable_) {
        native_->window->setMinimumSize(0, 0);
        native_->window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    native_->window->adjustSize();
}

void Window::applyFlags() {
    if (!native_->window) return;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeButton_) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton_) flags |= Qt::WindowMaximizeButtonHint;
    const bool shown = native_->window->isVisible();
    native_->window->setWindowFlags(flags);
    tellFixedSize();
    if (shown) native_->window->show();
}

void Window::tellFixedSize() {
    if (native_->window && !resizeable_) x11::offerFixedSize(*native_->window, closeButton_, minimizeButton_);
}

PropertyValue Window::stored(const std::string& key) const {
    for (const auto& [k, v] : stored_)
        if (k == key) return v;
    return PropertyValue{};
}

void Window::store(const std::string& key, PropertyValue value) {
    for (auto& [k, v] : stored_)
        if (k == key) {
            v = std::move(value);
            return;
        }
    stored_.emplace_back(key, std::move(value));
}

std::vector<Ref<Window>> Window::openWindows() { return openList(); }

Ref<Window> Window::GetImplicitWindow(std::string_view className) {
    for (const Ref<Window>& w : openList())
        if (w->classRecord().name == className) return w;
    return nullptr;
}

void Window::closeAll() {
    std::vector<Ref<Window>> all = openList();
    for (const Ref<Window>& w : all) w->Close();
}

QMainWindow* Window::nativeWindow() const { return native_->window.data(); }
QWidget* Window::contentWidget() const { return native_->content.data(); }

} // namespace fw
