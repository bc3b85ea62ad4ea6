// The About window's design tables: the window's own property list and one list
// per control, each written key by key in its class's key order and encoded to
// its record bytes at compile time.
#include "framework/property_record.h"
#include "shell/product_page.h"
#include "shell/window2.h"

namespace vantoro::about {
namespace {

using fw::B;
using fw::C;
using fw::I;
using fw::S;

constexpr fw::RecordRow kWindowRows[] = {
    I("Placement", 0),
    I("Width", 300),
    I("Height", 200),
    I("MinWidth", 64),
    I("MinHeight", 64),
    I("MaxWidth", 32000),
    I("MaxHeight", 32000),
    I("Frame", 0),
    B("Composite", false),
    B("HasBackColor", false),
    C("BackColor", 0xFFFFFF),
    S("Title", "About Vantoro"),
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

constexpr fw::RecordRow kLabel1Rows[] = {
    S("Name", "Label1"),
    I("Index", fw::kNoIndex),
    I("Left", 89),
    I("Top", 25),
    I("Width", 142),
    I("Height", 53),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    I("TabIndex", 0),
    S("Text", "Vantoro 2011\rversion 2.1.0"),
    I("TextAlign", 1),
    C("TextColor", 0x000000),
    B("Multiline", true),
    B("Enabled", true),
    B("Visible", true),
    B("Selectable", false),
    B("Transparent", false),
    S("HelpTag", ""),
    B("AutoDeactivate", true),
    S("TextFont", "System"),
    B("Bold", true),
    B("Italic", false),
    B("Underline", false),
    S("DataSource", ""),
    S("DataField", ""),
    S("InitialParent", ""),
};
constexpr auto kLabel1Bytes = fw::encodeRecord<kLabel1Rows>();

// Two plain lines that say what the program does.
constexpr fw::RecordRow kLabel2Rows[] = {
    S("Name", "Label2"),
    I("Index", fw::kNoIndex),
    I("Left", 11),
    I("Top", 116),
    I("Width", 188),
    I("Height", 35),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    I("TabIndex", 1),
    S("Text", "Eight-team playoff simulator\rfor the 2011 college season"),
    I("TextAlign", 0),
    C("TextColor", 0x000000),
    B("Multiline", true),
    B("Enabled", true),
    B("Visible", true),
    B("Selectable", false),
    B("Transparent", false),
    S("HelpTag", ""),
    B("AutoDeactivate", true),
    S("TextFont", "System"),
    B("Bold", false),
    B("Italic", false),
    B("Underline", false),
    S("DataSource", ""),
    S("DataField", ""),
    S("InitialParent", ""),
};
constexpr auto kLabel2Bytes = fw::encodeRecord<kLabel2Rows>();

constexpr fw::RecordRow kPushButton1Rows[] = {
    S("Name", "PushButton1"),
    I("Index", fw::kNoIndex),
    I("Left", 211),
    I("Top", 149),
    I("Width", 69),
    I("Height", 31),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    I("TabIndex", 2),
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

// The link label: the product page's address, underlined in the link colour.
constexpr fw::RecordRow kLabel3Rows[] = {
    S("Name", "Label3"),
    I("Index", fw::kNoIndex),
    I("Left", 11),
    I("Top", 160),
    I("Width", 178),
    I("Height", 20),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    I("TabIndex", 3),
    S("Text", kProductPage),
    I("TextAlign", 0),
    C("TextColor", 0x6666FF),
    B("Multiline", false),
    B("Enabled", true),
    B("Visible", true),
    B("Selectable", false),
    B("Transparent", false),
    S("HelpTag", ""),
    B("AutoDeactivate", true),
    S("TextFont", "System"),
    B("Bold", false),
    B("Italic", false),
    B("Underline", true),
    S("DataSource", ""),
    S("DataField", ""),
    S("InitialParent", ""),
};
constexpr auto kLabel3Bytes = fw::encodeRecord<kLabel3Rows>();

// Nothing fills, reads or handles the combo box; its list has no InitialParent.
constexpr fw::RecordRow kComboBox1Rows[] = {
    S("Name", "ComboBox1"),
    I("Index", fw::kNoIndex),
    I("Left", 20),
    I("Top", 20),
    I("Width", 80),
    I("Height", 20),
    B("LockLeft", true),
    B("LockTop", true),
    B("LockRight", false),
    B("LockBottom", false),
    I("TabPanelIndex", 0),
    I("TabIndex", 4),
    B("TabStop", true),
    B("Enabled", true),
    S("InitialValue", ""),
    I("ListIndex", 0),
    B("Visible", true),
    S("HelpTag", ""),
    B("AutoDeactivate", true),
    B("UseFocusRing", true),
    S("TextFont", "System"),
    B("Bold", false),
    B("Italic", false),
    B("Underline", false),
    S("DataSource", ""),
    S("DataField", ""),
    B("AutoComplete", false),
};
constexpr auto kComboBox1Bytes = fw::encodeRecord<kComboBox1Rows>();

} // namespace

constinit const std::string_view kWindowRecord = fw::asView(kWindowBytes);
constinit const std::string_view kLabel1 = fw::asView(kLabel1Bytes);
constinit const std::string_view kLabel2 = fw::asView(kLabel2Bytes);
constinit const std::string_view kPushButton1 = fw::asView(kPushButton1Bytes);
constinit const std::string_view kLabel3 = fw::asView(kLabel3Bytes);
constinit const std::string_view kComboBox1 = fw::asView(kComboBox1Bytes);

} // namespace vantoro::about
