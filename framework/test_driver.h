// Test support: drives the real widgets with real input events and reads back
// what a user would see. Only tests link it.
#pragma once

#include "framework/object.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {
class Window;
}

namespace fw::testing {

// Starts the runtime on the headless platform unless a platform was chosen.
void startHeadless();

// A click on a push button or a check box.
void click(const Ref<Object>& control);
// A click as the window system delivers it, through the top-level window: a modal box blocks it as for the user.
void clickThroughWindow(const Ref<Object>& control);
// The user picks a row of a popup menu.
void chooseRow(const Ref<Object>& popup, int row);
// The user types into a text field or text area (appended at the cursor).
void typeText(const Ref<Object>& control, const std::string& text);
// A mouse press on a label.
void pressMouse(const Ref<Object>& control, int x = 2, int y = 2);
// Lets the event loop run for `ms` milliseconds.
void wait(int ms);
// Lets queued events run.
void processEvents();
// The process's resident memory in kB; -1 where the system does not tell it.
long residentKb();

// How long a test waits for a state at most: far beyond what a busy machine
// takes, so only a broken program reaches it.
inline constexpr int kDeadlineMs = 30000;
// Lets the event loop run until `holds` is true; false when the deadline
// passed first.
bool waitUntil(const std::function<bool()>& holds, int deadlineMs = kDeadlineMs);

// Waits until the window system has put the window on screen.
bool waitUntilExposed(const Window& window);
// The middle of a control in screen coordinates, where a real pointer clicks it.
struct ScreenPoint {
    int x = 0, y = 0;
};
ScreenPoint screenCenter(const Ref<Object>& control);

// Runs `action` once from the event loop as soon as `holds` is true (looked at
// every few milliseconds), or `expired` when the deadline passes first. For a
// test that must let the loop run itself: it waits for a state, not a time.
// Nothing more runs once the watch is gone.
class Watch {
public:
    Watch(std::function<bool()> holds, std::function<void()> action, std::function<void()> expired = {},
          int deadlineMs = kDeadlineMs);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

private:
    struct Poll;
    std::unique_ptr<Poll> poll_;
};

struct WidgetInfo {
    int left = 0, top = 0, width = 0, height = 0; // in the window's content area
    bool enabled = false;
    bool shown = false;          // visible when its window is
    std::string text;            // caption or displayed text ("\n" between lines)
    int pixelSize = 0;
    std::string family;          // the font family the text is drawn in
    bool bold = false, underline = false;
    unsigned background = 0;     // 0xRRGGBB of the base colour (text fields)
    unsigned foreground = 0;     // 0xRRGGBB of the text colour, as drawn in the control's state
    unsigned face = 0;           // 0xRRGGBB of what the text is drawn on, in that state
    bool checked = false;
    int alignment = 0;           // 0 left, 1 centred
    bool wordWrap = false;
};
WidgetInfo inspect(const Ref<Object>& control);

// The native window's title, whether it is shown, its content size, its title
// bar buttons.
std::string nativeTitle(const Window& window);
bool nativeShown(const Window& window);
int contentWidth(const Window& window);
int contentHeight(const Window& window);
bool hasCloseBox(const Window& window);
bool hasMinimizeBox(const Window& window);
// Whether the window manager may resize the top-level window.
bool isResizable(const Window& window);

// The top-level window around the content area, as the window manager is told
// it: its size (menu bar included), its limits, its title bar buttons, its state.
struct TopLevelInfo {
    int width = 0, height = 0;
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
    int menuBarHeight = 0;
    bool closeBox = false, minimizeBox = false, maximizeBox = false;
    bool minimized = false, maximized = false, active = false;
};
TopLevelInfo topLevel(const Window& window);
// The user minimises the window with its minimise box.
void minimize(const Window& window);
// Asks the window system to maximise the window, or to restore it when it is
// maximised, the way the title bar that Qt draws on Wayland asks when its
// maximise button is clicked; then waits until the window system has answered
// with the window's state. False when no answer came.
bool askToMaximize(const Window& window);
// The same for the modal message box shown now, then waits until the box is
// on screen; false when no box is shown, no answer came or the box stays off.
bool askToMaximizeModalBox();
// The window system that the runtime connects through ("xcb", "wayland", "offscreen").
std::string platformName();
// Top-level windows shown on screen (message boxes included).
int shownTopLevelWindows();
// The text of the modal message box shown now; empty when none is.
std::string modalBoxText();
// Clicks the OK button of the modal message box shown now, as a user would;
// false when no box is shown.
bool clickModalBoxOk();
// Closes every modal box shown now without any input (a test's safety net).
void dismissModalBoxes();

// Menus as the native menu bar of a window shows them.
struct NativeMenuItem {
    std::string menu;     // the menu's title
    std::string text;     // "-" for a separator
    std::string name;     // the item's name
    std::string shortcut; // in native notation, e.g. "Ctrl+Q"
    bool enabled = false;
};
std::vector<NativeMenuItem> nativeMenu(const Window& window);
// How many menus the window's native menu bar holds, shown in the bar or not.
int nativeMenuCount(const Window& window);
// Chooses a menu item of the window's native menu bar by item name.
bool chooseMenu(const Window& window, const std::string& itemName);
// Presses a key sequence ("Ctrl+Q") in the window.
void pressKeys(const Window& window, const std::string& keys);
// Asks the window to close through its close box.
void closeBox(const Window& window);
// Gives the keyboard focus to a control.
void focus(const Ref<Object>& control);
// Whether the control holds the keyboard focus.
bool hasFocus(const Ref<Object>& control);
// Presses a key sequence ("Shift+Tab") in a control, as typed while it has
// the focus.
void pressKeysIn(const Ref<Object>& control, const std::string& keys);
// The words of a text area marked as misspelt (red wavy underline), in order.
std::vector<std::string> misspeltMarks(const Ref<Object>& control);

// Presses a key sequence ("Space", "Shift+Left") as the platform delivers it:
// through the window, to whatever holds its keyboard focus.
void pressKeysOnFocus(const Window& window, const std::string& keys);
// The control whose widget holds the window's keyboard focus; nil when none does.
Ref<Object> focusedControl(const Window& window);
// Whether a popup menu's list of rows is open on screen.
bool listOpen(const Ref<Object>& popup);
// Turns the mouse wheel over a control by `notches` (positive: towards the user).
void turnWheel(const Ref<Object>& control, int notches);
// Opens a menu of the window's native menu bar by its name, as a click on its
// title does, and closes it again; false when the bar has no such menu.
bool openMenu(const Window& window, const std::string& menuName);

// Saves a picture of the window (title bar excluded) as PNG.
bool screenshot(const Window& window, const std::string& path);

// Runs `action` from the event loop `ms` milliseconds from now, as a user's
// input would come: inside whatever handler is yielding at that moment.
void later(int ms, std::function<void()> action);

// How a list's cell is drawn: its text as shortened (with an ellipsis) to fit
// its column, and whether the column lies wholly in the part of the list that
// shows its rows (not under the scroll bar).
struct DrawnCell {
    std::string text;
    bool inView = false;
};
DrawnCell drawnCell(const Ref<Object>& list, int row, int column);
// The row of a list that is selected; -1 when none is.
int selectedRow(const Ref<Object>& list);

// Whether the control's caption or text shows whole inside its designed box.
bool textFits(const Ref<Object>& control);

// Where a label draws its text: the box its lines take, in the window's
// content area.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    bool meets(const Box& other) const {
        return left < other.left + other.width && other.left < left + width && top < other.top + other.height &&
               other.top < top + height;
    }
};
Box drawnText(const Ref<Object>& label);

// The desktop sets a palette of its own on the application while the program
// runs, as a theme switch does: `window` for every face, `text` for all text.
void desktopSetsPalette(unsigned window, unsigned text);
// The key under which the style caches what it draws for the control: equal
// keys mean one shared palette, and drawings made once for all of them.
long long paletteKey(const Ref<Object>& control);

// Makes the window the active one, as a click on it would, and waits until the
// platform reports it active; only then do focus and Edit items reach it.
bool activate(const Window& window);

// What another program may hand over in a paste or a drop: text, data that
// lists no format at all, or none.
enum class Incoming { Text, NoFormats, Null };
// Puts that on the clipboard, for the paste keys and the Edit menu.
void setClipboard(Incoming data, const std::string& text = {});
// The user drags that over the control and lets go: the enter, move and drop
// events as the window system delivers them, each only if the one before was
// accepted. True when the control took the drop.
bool drop(const Ref<Object>& control, Incoming data, const std::string& text = {});

// What an assistive tool (a screen reader, dictation, switch access) does to a
// control's text through its accessibility interface: the text set whole, as
// a value; characters inserted, deleted or replaced (from, to: offsets in the
// text). False when the control has no editable text.
bool setAccessibleValue(const Ref<Object>& control, const std::string& text);
bool insertAccessibleText(const Ref<Object>& control, int at, const std::string& text);
bool deleteAccessibleText(const Ref<Object>& control, int from, int to);
bool replaceAccessibleText(const Ref<Object>& control, int from, int to, const std::string& text);
// One of the actions that the control offers such a tool ("Toggle", "Press"),
// done as the tool's call over the bus does it: what the action sets going
// may run once the call has returned. False when the control offers none of
// that name.
bool doAccessibleAction(const Ref<Object>& control, const std::string& action);
// What such a tool learns of a control: its name, the names of what labels it
// and whether those are shown, and whether the user can operate it (it takes
// the keyboard focus).
struct AccessibleInfo {
    std::string name;
    std::vector<std::string> labels;
    bool labelsShown = false; // every label that labels it is shown
    bool operable = false;
};
AccessibleInfo accessible(const Ref<Object>& control);

// How many of the window's widgets the accessibility system answers with an
// interface that serves another object (a deleted widget's, say); 0 when each
// has its own. Asking creates the interfaces, as a screen reader does.
int foreignAccessibleInterfaces(const Window& window);

} // namespace fw::testing
