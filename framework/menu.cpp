#include "framework/menu.h"

#include "framework/application.h"
#include "framework/runtime.h"
#include "framework/window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> buildMenuItem() {
    auto r = std::make_unique<ClassRecord>();
    for (const char* name : {"Enable", "Close", "Item", "Count", "Child", "Append", "Insert", "Remove", "Remove", "Remove",
                             "_Lookup", "_Lookup", "MenuItem", "Constructor", "PopUp", "PopUp", "_Swap", "_DisableEntirely",
                             "_SelfEnable", "MenuItem"})
        r->methods.push_back(publicMethod(name));
    r->properties = {
        props::text<MenuItem>("Name", &MenuItem::Name, &MenuItem::SetName),
        props::text<MenuItem>("Text", &MenuItem::Text, &MenuItem::SetText),
        props::text<MenuItem>("KeyboardShortcut", &MenuItem::KeyboardShortcut, &MenuItem::SetKeyboardShortcut),
        props::row<MenuItem, bool>("AutoEnable", "b", &MenuItem::AutoEnable, &MenuItem::SetAutoEnable),
    };
    return r;
}
std::unique_ptr<ClassRecord> buildQuitMenuItem() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &MenuItem::staticRecord();
    return r;
}
std::unique_ptr<ClassRecord> buildAppleMenuItem() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &MenuItem::staticRecord();
    return r;
}
std::unique_ptr<ClassRecord> buildMenuBar() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &MenuItem::staticRecord();
    for (const char* name : {"Clone", "Constructor", "__DependencyList", "_InstallClone"}) r->methods.push_back(publicMethod(name));
    return r;
}
} // namespace

const ClassRecord& MenuItem::staticRecord() { return lookupClass("MenuItem", buildMenuItem); }
const ClassRecord& QuitMenuItem::staticRecord() { return lookupClass("QuitMenuItem", buildQuitMenuItem); }
const ClassRecord& AppleMenuItem::staticRecord() { return lookupClass("AppleMenuItem", buildAppleMenuItem); }
const ClassRecord& MenuBar::staticRecord() { return lookupClass("MenuBar", buildMenuBar); }

void MenuItem::Append(Ref<MenuItem> item) {
    deref(item);
    children_.push_back(std::move(item));
}

Ref<MenuItem> MenuItem::Item(std::int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& c : children_)
        if (c->Name() == name) return c;
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const auto& c : children_) {
        if (c->Name() == name) return c;
        if (Ref<MenuItem> below = c->Lookup(name)) return below;
    }
    return nullptr;
}

namespace {
// The Edit items act on the text control that has the keyboard focus.
bool standardEdit(const std::string& name) {
    static const std::pair<const char*, const char*> kEdits[] = {
        {"EditUndo", "undo"}, {"EditCut", "cut"}, {"EditCopy", "copy"}, {"EditPaste", "paste"},
        {"EditClear", "del"}, {"EditSelectAll", "selectAll"},
    };
    for (const auto& [item, slot] : kEdits) {
        if (name != item) continue;
        QWidget* focus = QApplication::focusWidget();
        if (auto* combo = qobject_cast<QComboBox*>(focus); combo && combo->lineEdit()) focus = combo->lineEdit();
        if (!focus) return true;
        // Delete removes the selection, in a field as in an area; with nothing
        // selected it leaves the text alone.
        if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
            if (std::string(slot) != "del") QMetaObject::invokeMethod(edit, slot);
            else if (edit->hasSelectedText()) edit->del();
        } else if (auto* text = qobject_cast<QTextEdit*>(focus)) {
            if (std::string(slot) == "del") text->textCursor().removeSelectedText();
            else QMetaObject::invokeMethod(text, slot);
        }
        return true;
    }
    return false;
}
} // namespace

void MenuItem::defaultAction() { standardEdit(Name()); }

void QuitMenuItem::defaultAction() { runtime::quit(); }

std::string nativeShortcut(const std::string& shortcut) {
    const std::string cmd = "Cmd+";
    if (shortcut.rfind(cmd, 0) == 0) return "Ctrl+" + shortcut.substr(cmd.size());
    return shortcut;
}

void chooseMenuItem(const Ref<MenuItem>& item, Window* window) {
    runtime::dispatch([item, first = Ref<Window>(window)] {
        if (first && first->isOpen() && first->handleMenuCommand(item->Name())) return;
        for (const Ref<Window>& w : Window::openWindows())
            if (w != first && w->hasMenuHandler(item->Name()) && w->handleMenuCommand(item->Name())) return;
        item->defaultAction();
    });
}

namespace {
bool itemEnabled(const MenuItem& item, Window* window) {
    return item.AutoEnable() || (window && window->hasMenuHandler(item.Name()));
}

void fillMenu(QMenu& menu, const Ref<MenuItem>& parent, Window* window) {
    for (std::int32_t i = 0; i < parent->Count(); ++i) {
        Ref<MenuItem> item = parent->Item(i);
        if (item->isSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(item->Text()));
        action->setObjectName(QString::fromStdString(item->Name()));
        action->setShortcut(QKeySequence(QString::fromStdString(nativeShortcut(item->KeyboardShortcut()))));
        action->setShortcutContext(Qt::WindowShortcut);
        // Keep the item in the menu where it was built, on every platform.
        action->setMenuRole(QAction::NoRole);
        action->setEnabled(itemEnabled(*item, window));
        Ref<MenuItem> captured = item;
        auto alive = window ? window->aliveToken() : std::shared_ptr<Window*>();
        QObject::connect(action, &QAction::triggered, action, [captured, alive] {
            chooseMenuItem(captured, alive ? *alive : nullptr);
        });
    }
}
} // namespace

void buildNativeMenuBar(QMenuBar& native, const Ref<MenuBar>& bar, Window* window) {
    // Menus of an earlier build go with their connections, not only out of sight.
    for (QMenu* old : native.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) delete old;
    native.clear();
    for (std::int32_t i = 0; i < bar->Count(); ++i) {
        Ref<MenuItem> menuItem = bar->Item(i);
        QMenu* menu = native.addMenu(QString::fromStdString(menuItem->Text()));
        menu->setObjectName(QString::fromStdString(menuItem->Name()));
        fillMenu(*menu, menuItem, window);
        // Each time the menu opens, the window hears of it first; then the items
        // that have handlers on it are enabled.
        auto alive = window ? window->aliveToken() : std::shared_ptr<Window*>();
        QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, menuItem, alive] {
            Ref<Window> owner(alive ? *alive : nullptr);
            if (owner) runtime::dispatch([owner] { owner->EnableMenuItems(); });
            for (QAction* action : menu->actions())
                if (Ref<MenuItem> item = menuItem->Child(action->objectName().toStdString()))
                    action->setEnabled(itemEnabled(*item, owner.get()));
        });
    }
}

} // namespace fw
