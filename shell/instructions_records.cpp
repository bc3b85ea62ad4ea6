// The Instructions window's design tables: the window's own property list, the
// Instructions text, and one list per control, each written key by key in its
// class's key order and encoded to its record bytes at compile time.
#include "framework/property_record.h"
#include "shell/window3.h"

namespace vantoro::instructions {
namespace {

using fw::B;
using fw::C;
using fw::I;
using fw::S;

// One literal per line of the text; CR ends every line but the last.
constexpr std::string_view kTextBytes =
    " A search of Google with terms like \"NFL Variance Randomness\" will show that randomness plays a significant roll in determining results. That should not be a surprise.  The same should be true in the college game. There are many factors that can not be well controlled, which can impact the game, such as, illness, injury, weather, officiating, personal relationships, academic problems, and so on. That is why we play the game.\r"
    "What is commonly suggested is a 8 team single elimination tournament.\r"
    "SO\r"
    "STEP 1: choose your 8 vantoro teams from the final 10 in the last BCS bowl of 2011 (listed with their BCS rating), then check \"DONE.\"\r"
    "\r"
    "STEP 2: choose what you believe is the relative strength of each team then check \"DONE.\" A team rated 8 will win over a team rated 2 on average, 80% of the time with a standard deviation of around 5 %. \r"
    "\r"
    "The suggested strength for each team you choose is based on the BCS rating (times 10 then rounded to an integer).\r"
    "\r"
    "Step 3: Choose your team match-ups for the first round.\r"
    "\r"
    "Step 4: Play each round\r"
    "\r"
    "Step 5: Replay, Replay All  OR Restart\r"
    "\r"
    "Replay: Lets you replay all games one at the time \r"
    "ReplayAll: Replays all games for you. \r"
    "=====\r"
    "The winner of the Silver Bowl, each time, is recorded in the table below it. The teams are listed in the table in order of their bowl appearance. (The first two were in the Pasta Bowl, the next two were in the Salad Bowl and so on.)\r"
    "You can save your results. The table will be saved in a file named \"UsernameTodaysDate.txt\", included in the same folder as this application.\r"
    "=====\r"
    "Restart will restart from the beginning";

constexpr fw::RecordRow kWindowRows[] = {
    I("Placement", 0),
    I("Width", 600),
    I("Height", 361),
    I("MinWidth", 64),
    I("MinHeight", 64),
    I("MaxWidth", 32000),
    I("MaxHeight", 32000),
    I("Frame", 0),
    B("Composite", false),
    B("HasBackColor", false),
    C("BackColor", 0xFFFFFF),
    S("Title", "Instructions"),
    B("Visible", true),
    B("FullScreen", false),
    B("MenuBarVisible", true),
    B("CloseButton", true),
    B("Resizeable", false),
    B("LiveResize", false),
    B("MaximizeButton", false),
    B("MinimizeButton", true),
    I("MacProcID", 0),
};
constexpr auto kWindowBytes = fw::encodeRecord<kWindowRows>();

// The user may edit the text; nothing reads or keeps what is typed. The list
// has no InitialParent.
constexpr fw::RecordRow kTextArea1Rows[] = {
    S("Name", "TextArea1"),
    I("Index", fw::kNoIndex),
    I("Left", 28),
    I("Top", 24),
    I("Width", 480),
    I("Height", 259),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    I("TabIndex", 0),
    B("TabStop", true),
    B("Border", true),
    B("Multiline", true),
    B("ScrollbarHorizontal", false),
    B("ScrollbarVertical", true),
    B("Styled", true),
    B("UseFocusRing", true),
    C("TextColor", 0x000000),
    C("BackColor", 0xFFFFFF),
    B("Enabled", true),
    S("Format", ""),
    B("Visible", true),
    S("HelpTag", ""),
    B("AutoDeactivate", true),
    B("HideSelection", true),
    S("TextFont", "System"),
    B("Bold", false),
    B("Italic", false),
    B("Underline", false),
    S("Text", kTextBytes),
    S("Mask", ""),
    B("ReadOnly", false),
    I("LimitText", 0),
    B("AcceptTabs", false),
    I("Alignment", 0),
    B("AutomaticallyCheckSpelling", true),
    S("DataSource", ""),
    S("DataField", ""),
};
constexpr auto kTextArea1Bytes = fw::encodeRecord<kTextArea1Rows>();

constexpr fw::RecordRow kPushButton1Rows[] = {
    S("Name", "PushButton1"),
    I("Index", fw::kNoIndex),
    I("Left", 428),
    I("Top", 308),
    I("Width", 80),
    I("Height", 20),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    I("TabIndex", 1),
    B("TabStop", true),
    S("Caption", "OK"),
    B("Default", false),
    B("Cancel", false),
    B("Enabled", true),
    B("Visible", true),
    S("HelpTag", ""),
    B("AutoDeactivate", true),
    I("ButtonStyle", 6),
    S("TextFont", "System"),
    B("Bold", false),
    B("Italic", false),
    B("Underline", false),
    S("InitialParent", ""),
};
constexpr auto kPushButton1Bytes = fw::encodeRecord<kPushButton1Rows>();

} // namespace

constinit const std::string_view kText = kTextBytes;
constinit const std::string_view kWindowRecord = fw::asView(kWindowBytes);
constinit const std::string_view kTextArea1 = fw::asView(kTextArea1Bytes);
constinit const std::string_view kPushButton1 = fw::asView(kPushButton1Bytes);

} // namespace vantoro::instructions
