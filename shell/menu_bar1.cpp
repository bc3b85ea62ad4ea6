#include "shell/menu_bar1.h"

namespace vantoro {

namespace {
enum class Kind { Item, Quit, Apple };

// One row of the menu table. A menu is appended to the bar; an item to the menu
// it names. The shortcut is left untouched for separators (`setShortcut` false).
struct MenuRow {
    const char* name;
    Kind kind;
    const char* appendTo; // nullptr: the menu bar itself
    const char* text;
    const char* shortcut;
    bool setShortcut;
};

constexpr MenuRow kFileMenu[] = {
    {"FileMenu", Kind::Item, nullptr, "&File", "", true},
    {"FileQuit", Kind::Quit, "FileMenu", "&Quit", "Cmd+Q", true},
    {"FileAboutVantoro2011", Kind::Apple, "FileMenu", "About Vantoro2011", "", true},
};

constexpr MenuRow kEditMenu[] = {
    {"EditMenu", Kind::Item, nullptr, "&Edit", "", true},
    {"EditUndo", Kind::Item, "EditMenu", "&Undo", "Cmd+Z", true},
    {"UntitledMenu1", Kind::Item, "EditMenu", "-", "", false},
    {"EditCut", Kind::Item, "EditMenu", "Cu&t", "Cmd+X", true},
    {"EditCopy", Kind::Item, "EditMenu", "&Copy", "Cmd+C", true},
    {"EditPaste", Kind::Item, "EditMenu", "&Paste", "Cmd+V", true},
    {"EditClear", Kind::Item, "EditMenu", "&Delete", "", true},
    {"UntitledMenu0", Kind::Item, "EditMenu", "-", "", false},
    {"EditSelectAll", Kind::Item, "EditMenu", "Select &All", "Cmd+A", true},
};

constexpr MenuRow kInstructionsMenu[] = {
    {"instructionsMenu", Kind::Item, nullptr, "Instructions", "", true},
    {"instructionsinstructions", Kind::Item, "instructionsMenu", "instructions", "", true},
};

fw::Ref<fw::MenuItem> newItem(Kind kind) {
    fw::Ref<fw::MenuItem> item;
    switch (kind) {
    case Kind::Item: item = fw::newObject<fw::MenuItem>(); break;
    case Kind::Quit: item = fw::newObject<fw::QuitMenuItem>(); break;
    case Kind::Apple: item = fw::newObject<fw::AppleMenuItem>(); break;
    }
    item->Constructor();
    return item;
}

template <std::size_t N>
void buildMenu(MenuBar1& bar, const MenuRow (&rows)[N]) {
    for (const MenuRow& row : rows) {
        fw::Ref<fw::MenuItem> item = newItem(row.kind);
        item->SetName(row.name);
        item->SetAutoEnable(true);
        item->SetText(row.text);
        if (row.setShortcut) item->SetKeyboardShortcut(row.shortcut);
        if (!row.appendTo) bar.Append(item);
        else fw::deref(bar.Child(row.appendTo)).Append(item);
    }
}

std::unique_ptr<fw::ClassRecord> build() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::MenuBar::staticRecord();
    using fw::publicScope;
    r->methods = {
        fw::publicMethod("Untitled0", "%%", fw::invokerOf<&MenuBar1::Untitled0>()),
        fw::publicMethod("Untitled1", "%%", fw::invokerOf<&MenuBar1::Untitled1>()),
        fw::publicMethod("Untitled2", "%%", fw::invokerOf<&MenuBar1::Untitled2>()),
        fw::publicMethod("Constructor", "%%", fw::invokerOf<&MenuBar1::Constructor>()),
    };
    r->attributes = {publicScope()};
    return r;
}
} // namespace

const fw::ClassRecord& MenuBar1::staticRecord() { return fw::lookupClass("MenuBar1.MenuBar1", build); }

void MenuBar1::Constructor() {
    for (const char* menu : {"Untitled0", "Untitled1", "Untitled2"}) fw::callMethod(*this, menu);
}

void MenuBar1::Untitled0() { buildMenu(*this, kFileMenu); }
void MenuBar1::Untitled1() { buildMenu(*this, kEditMenu); }
void MenuBar1::Untitled2() { buildMenu(*this, kInstructionsMenu); }

} // namespace vantoro
