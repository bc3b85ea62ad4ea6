// Windows: the base of the program's windows. A window builds itself from its
// class's hooks (Layout, CreateControls, AddMenuHandlers), owns its controls by
// name, answers menu commands through registered handlers and, once closed, is
// gone: the runtime lists only open windows.
#pragma once

#include "framework/control.h"

#include <memory>
#include <string>
#include <vector>

class QMainWindow;
class QWidget;

namespace fw {

class MenuBar;

class Window : public Object {
public:
    Window();
    ~Window() override;

    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    // Window.Constructor: runs the class's Layout, CreateControls and
    // AddMenuHandlers hooks, raises the controls' Open events and shows the
    // window when its Visible property is set.
    void Constructor();

    // __New: creates a control inside this window.
    template <class T>
    Ref<T> New() {
        Ref<T> control = make<T>();
        adopt(*control);
        return control;
    }

    // _AddControl: registers a control under its name.
    void AddControl(const std::string& name, const Ref<Object>& control);
    // _ControlByName: nil when no control has the name (or the window is closed).
    Ref<Object> ControlByName(std::string_view name) const;
    // The same, cast (checked) to the control's class. A nil result still names
    // the control and the window, for the exception its use raises.
    template <class T>
    Found<T> controlNamed(std::string_view name) const {
        return Found<T>(checkedCast<T>(ControlByName(name)), name, classRecord().name);
    }
    const std::vector<Ref<Control>>& controls() const { return controls_; }

    // _AddMenuHandler: a handler for the menu item of that name.
    void AddMenuHandler(const std::string& itemName, Ref<Delegate> handler);
    // Calls the handler registered under the item's name, letter case ignored;
    // false when there is none or it did not handle the command.
    bool handleMenuCommand(std::string_view itemName);
    bool hasMenuHandler(std::string_view itemName) const;
    // _EnableMenuItems: raises the class's EnableMenuItems event, which comes
    // before the framework enables the items that have handlers here.
    void EnableMenuItems();

    void Show();
    void Close();
    bool isOpen() const { return open_; }

    Ref<MenuBar> GetMenuBar() const;
    void SetMenuBar(Ref<MenuBar> bar);

    // Design values of a window.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    std::int32_t Width() const { return width_; }
    void SetWidth(std::int32_t v);
    std::int32_t Height() const { return height_; }
    void SetHeight(std::int32_t v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool CloseButton() const { return closeButton_; }
    void SetCloseButton(bool v);
    bool Resizeable() const { return resizeable_; }
    void SetResizeable(bool v);
    bool MinimizeButton() const { return minimizeButton_; }
    void SetMinimizeButton(bool v);
    bool MaximizeButton() const { return maximizeButton_; }
    void SetMaximizeButton(bool v);
    bool MenuBarVisible() const { return menuBarVisible_; }
    void SetMenuBarVisible(bool v);

    // The runtime's list of open windows, oldest first.
    static std::vector<Ref<Window>> openWindows();
    // _GetImplicitWindow: the open window whose class has this name, or nil.
    static Ref<Window> GetImplicitWindow(std::string_view className);
    // Closes every open window (shut-down).
    static void closeAll();

    // For the runtime's own use.
    std::shared_ptr<Window*> aliveToken() const { return alive_; }
    QMainWindow* nativeWindow() const;
    QWidget* contentWidget() const;
    PropertyValue stored(const std::string& key) const;
    void store(const std::string& key, PropertyValue value);

private:
    void adopt(Control& control);
    void applyFlags();
    void applySize();
    void tellFixedSize();
    void installMenuBar();

    struct Native;
    std::unique_ptr<Native> native_;
    std::shared_ptr<Window*> alive_;
    std::vector<Ref<Control>> controls_;
    std::vector<std::pair<std::string, Ref<Delegate>>> menuHandlers_;
    std::vector<std::pair<std::string, PropertyValue>> stored_;
    Ref<MenuBar> menuBar_;
    std::string title_;
    std::int32_t width_ = 300, height_ = 300;
    bool visible_ = false, closeButton_ = true, resizeable_ = false, minimizeButton_ = true, maximizeButton_ = false,
         menuBarVisible_ = true;
    bool open_ = true;
    bool constructing_ = false;
};

} // namespace fw
