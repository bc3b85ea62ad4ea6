// Menus: a tree of menu items rooted in a menu bar. The tree is the program's
// model; each window that shows the bar gets a native menu bar built from it,
// whose commands reach the handlers registered on windows by item name.
#pragma once

#include "framework/class_record.h"

#include <string>
#include <vector>

class QMenuBar;

namespace fw {

class Window;

class MenuItem : public Object {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    // Constructor: an empty item.
    void Constructor() {}

    const std::string& Name() const { return name_; }
    void SetName(std::string v) { name_ = std::move(v); }
    const std::string& Text() const { return text_; }
    void SetText(std::string v) { text_ = std::move(v); }
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(std::string v) {
        shortcut_ = std::move(v);
        shortcutSet_ = true;
    }
    bool keyboardShortcutWasSet() const { return shortcutSet_; }
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool v) { autoEnable_ = v; }
    bool isSeparator() const { return text_ == "-"; }

    void Append(Ref<MenuItem> item);
    std::int32_t Count() const { return static_cast<std::int32_t>(children_.size()); }
    Ref<MenuItem> Item(std::int32_t index) const;
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(std::string_view name) const;
    // _Lookup: the item of that name anywhere below this one, or nil.
    Ref<MenuItem> Lookup(std::string_view name) const;

    // What the framework does for a chosen item that no handler answered.
    virtual void defaultAction();

private:
    std::string name_, text_, shortcut_;
    bool shortcutSet_ = false;
    bool autoEnable_ = false;
    std::vector<Ref<MenuItem>> children_;
};

// Quits the application.
class QuitMenuItem : public MenuItem {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }
    void defaultAction() override;
};

// An item of the application's own menu (About); shown where the item was appended.
class AppleMenuItem : public MenuItem {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }
};

class MenuBar : public MenuItem {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }
};

// "Cmd+Q" and the like, in the platform's notation (the command key is Ctrl here).
std::string nativeShortcut(const std::string& shortcut);

// Fills a native menu bar from the tree; its commands go to `window` first.
void buildNativeMenuBar(QMenuBar& native, const Ref<MenuBar>& bar, Window* window);

// Dispatches a chosen item: the handler registered under its name on `window`,
// then on the other open windows, else the item's default action.
void chooseMenuItem(const Ref<MenuItem>& item, Window* window);

} // namespace fw
