// Checks the main window's design tables against the key orders and values the
// window is built from. The key orders are typed here on their own, so a key
// dropped, misspelt or moved in a design table shows up as a decoding mismatch.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/property_record.h"
#include "main_window/contact_address.h"
#include "main_window/design.h"

namespace {

using fw::Form;
using vantoro::className;
using vantoro::ControlDesign;
using vantoro::ControlKind;
using vantoro::kMainWindowControls;

struct ClassKeys {
    std::string_view cls;
    std::string_view keys; // "Key F, Key F, ..." with F one of I, B, C, S
};

constexpr ClassKeys kKeyOrder[] = {
    {"Window", "Placement I, Width I, Height I, MinWidth I, MinHeight I, MaxWidth I, MaxHeight I, Frame I, Composite B, "
               "HasBackColor B, BackColor C, Title S, Visible B, FullScreen B, MenuBarVisible B, CloseButton B, "
               "Resizeable B, LiveResize B, MaximizeButton B, MinimizeButton B, MacProcID I"},
    {"PopupMenu", "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
                  "TabPanelIndex I, TabIndex I, TabStop B, Enabled B, InitialValue S, ListIndex I, Visible B, HelpTag S, "
                  "AutoDeactivate B, TextFont S, Bold B, Italic B, Underline B, DataSource S, DataField S, "
                  "InitialParent S"},
    {"CheckBox", "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
                 "TabPanelIndex I, TabIndex I, TabStop B, Caption S, Enabled B, Visible B, HelpTag S, AutoDeactivate B, "
                 "TextFont S, Bold B, Italic B, Underline B, State I, Value B, DataSource S, DataField S, "
                 "InitialParent S"},
    {"RoundRectangle", "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, "
                       "LockBottom B, TabIndex I, TabPanelIndex I, Visible B, HelpTag S, AutoDeactivate B, Enabled B, "
                       "FillColor C, BorderWidth I, BorderColor C, OvalWidth I, OvalHeight I, InitialParent S"},
    {"TextField", "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
                  "TabPanelIndex I, TabIndex I, TabStop B, Border B, Password B, UseFocusRing B, TextColor C, "
                  "BackColor C, Enabled B, Format S, Visible B, HelpTag S, AutoDeactivate B, TextFont S, Bold B, "
                  "Italic B, Underline B, CueText S, Text S, Mask S, ReadOnly B, LimitText I, AcceptTabs B, "
                  "Alignment I, AutomaticallyCheckSpelling B, DataSource S, DataField S, InitialParent S"},
    {"Label", "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
              "TabPanelIndex I, TabIndex I, Text S, TextAlign I, TextColor C, Multiline B, Enabled B, Visible B, "
              "Selectable B, Transparent B, HelpTag S, AutoDeactivate B, TextFont S, Bold B, Italic B, Underline B, "
              "DataSource S, DataField S, InitialParent S"},
    {"PushButton", "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, "
                   "LockBottom B, TabPanelIndex I, TabIndex I, TabStop B, Caption S, Default B, Cancel B, Enabled B, "
                   "Visible B, HelpTag S, AutoDeactivate B, ButtonStyle I, TextFont S, Bold B, Italic B, Underline B, "
                   "InitialParent S"},
    {"Listbox", "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
                "TabPanelIndex I, TabIndex I, TabStop B, Visible B, HelpTag S, AutoDeactivate B, Enabled B, Border B, "
                "ColumnCount I, ColumnWidths S, HasHeading B, UseFocusRing B, InitialValue S, HeadingIndex I, "
                "ScrollbarHorizontal B, ScrollBarVertical B, GridLinesHorizontal I, GridLinesVertical I, "
                "DefaultRowHeight I, _ScrollWidth I, TextFont S, Bold B, Italic B, Underline B, Hierarchical B, "
                "EnableDrag B, EnableDragReorder B, RequiresSelection B, SelectionType I, ColumnsResizable B, "
                "AutoHideScrollbars B, DataSource S, DataField S, InitialParent S"},
    {"Timer", "Mode I, Period I"},
};

std::vector<std::pair<std::string, Form>> keysOf(std::string_view cls) {
    const auto* entry = std::find_if(std::begin(kKeyOrder), std::end(kKeyOrder),
                                     [&](const ClassKeys& k) { return k.cls == cls; });
    if (entry == std::end(kKeyOrder)) {
        ADD_FAILURE() << "no key order for class " << cls;
        return {};
    }
    std::vector<std::pair<std::string, Form>> keys;
    std::string_view rest = entry->keys;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(", ");
        const std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 2);
        const std::size_t blank = item.find(' ');
        const char form = item[blank + 1];
        keys.emplace_back(std::string(item.substr(0, blank)), form == 'I'   ? Form::Int32
                                                              : form == 'B' ? Form::Boolean
                                                              : form == 'C' ? Form::Color
                                                                            : Form::String);
    }
    return keys;
}

fw::DecodeResult decode(std::string_view record, std::string_view cls) {
    const auto keys = keysOf(cls);
    return fw::decodeRecord(record, [keys](std::string_view key) -> std::optional<Form> {
        for (const auto& [name, form] : keys)
            if (name == key) return form;
        return std::nullopt;
    });
}

std::size_t rowOf(std::string_view name) {
    for (std::size_t i = 0; i < kMainWindowControls.size(); ++i)
        if (kMainWindowControls[i].name == name) return i;
    ADD_FAILURE() << "no control named " << name;
    return 0;
}

const ControlDesign& control(std::string_view name) { return kMainWindowControls[rowOf(name)]; }

fw::DecodeResult decodeControl(std::string_view name) {
    const ControlDesign& c = control(name);
    return decode(c.record, className(c.kind));
}

std::optional<fw::PropertyValue> valueOf(const fw::DecodeResult& decoded, std::string_view key) {
    for (const fw::DecodedEntry& entry : decoded.entries)
        if (entry.key == key) return entry.value;
    return std::nullopt;
}

template <typename T>
T get(const fw::DecodeResult& decoded, std::string_view key) {
    const auto value = valueOf(decoded, key);
    if (!value || !std::holds_alternative<T>(*value)) {
        ADD_FAILURE() << "no value of the expected form for " << key;
        return T{};
    }
    return std::get<T>(*value);
}

void expectKeyOrder(const fw::DecodeResult& decoded, std::string_view cls, bool withInitialParent,
                    std::string_view what) {
    EXPECT_TRUE(decoded.complete) << what << ": " << decoded.error;
    auto expected = keysOf(cls);
    if (!withInitialParent) expected.pop_back();
    std::vector<std::string> got;
    for (const fw::DecodedEntry& entry : decoded.entries) got.push_back(entry.key);
    std::vector<std::string> want;
    for (const auto& key : expected) want.push_back(key.first);
    EXPECT_EQ(got, want) << what;
}

TEST(DesignRecords, SizesOfTheWindowPopupAndTimerRecords) {
    EXPECT_EQ(vantoro::kMainWindowRecord.size(), 289u);
    EXPECT_EQ(control("PopupMenu1").record.size(), 317u);
    EXPECT_EQ(vantoro::kTimerRecord.size(), 20u);
}

TEST(DesignRecords, PopupMenu1StartsWithItsNameIndexAndLeft) {
    const unsigned char expected[] = {
        0x4E, 0x61, 0x6D, 0x65, 0x20, 0x00, 0x00, 0x00, 0x0A, 0x50, 0x6F, 0x70, 0x75, 0x70, 0x4D, 0x65, 0x6E, 0x75, 0x31,
        0x49, 0x6E, 0x64, 0x65, 0x78, 0x20, 0x80, 0x00, 0x00, 0x00,
        0x4C, 0x65, 0x66, 0x74, 0x20, 0x00, 0x00, 0x00, 0x17,
    };
    const std::string_view record = control("PopupMenu1").record;
    ASSERT_GE(record.size(), sizeof expected);
    for (std::size_t i = 0; i < sizeof expected; ++i)
        EXPECT_EQ(static_cast<unsigned char>(record[i]), expected[i]) << "byte " << i;
    EXPECT_NE(record.find(std::string_view("LockLeft \x01", 10)), std::string_view::npos);
}

TEST(DesignRecords, EveryRecordDecodesToItsLastByteInItsClassKeyOrder) {
    expectKeyOrder(decode(vantoro::kMainWindowRecord, "Window"), "Window", true, "window");
    expectKeyOrder(decode(vantoro::kTimerRecord, "Timer"), "Timer", true, "timers");

    std::set<const char*> distinct{vantoro::kMainWindowRecord.data(), vantoro::kTimerRecord.data()};
    for (const ControlDesign& c : kMainWindowControls) {
        if (c.kind == ControlKind::Timer) {
            EXPECT_EQ(c.record, vantoro::kTimerRecord) << c.name;
            continue;
        }
        distinct.insert(c.record.data());
        expectKeyOrder(decode(c.record, className(c.kind)), className(c.kind), c.name != "TextField15", c.name);
    }
    EXPECT_EQ(distinct.size(), 86u);
}

TEST(DesignRecords, SpotValues) {
    const auto window = decode(vantoro::kMainWindowRecord, "Window");
    EXPECT_EQ(get<std::string>(window, "Title"), "So You Want A Vantoro?");
    EXPECT_EQ(get<std::int32_t>(window, "Width"), 850);
    EXPECT_EQ(get<std::int32_t>(window, "Height"), 650);
    EXPECT_FALSE(get<bool>(window, "CloseButton"));
    EXPECT_TRUE(get<bool>(window, "MinimizeButton"));

    const auto timers = decode(vantoro::kTimerRecord, "Timer");
    EXPECT_EQ(get<std::int32_t>(timers, "Mode"), 0);
    EXPECT_EQ(get<std::int32_t>(timers, "Period"), 500);

    const auto heading = decodeControl("Label7");
    EXPECT_EQ(get<std::string>(heading, "Text"),
              "What if we had a vantoro in 2011?\rHow often would the strongest team win?");
    EXPECT_TRUE(get<bool>(heading, "Multiline"));
    EXPECT_TRUE(get<bool>(heading, "Bold"));
    EXPECT_EQ(get<std::int32_t>(heading, "TextAlign"), 1);

    EXPECT_EQ(get<fw::Color>(decodeControl("RoundRectangle4"), "BorderColor"), (fw::Color{0xFF, 0x80, 0x00}));

    const auto pairing = decodeControl("PopupMenu17");
    EXPECT_EQ(get<std::int32_t>(pairing, "Index"), -2147483647 - 1);
    EXPECT_EQ(get<std::int32_t>(pairing, "Left"), 23);
    EXPECT_EQ(get<std::int32_t>(pairing, "Top"), 193);
    EXPECT_FALSE(get<bool>(pairing, "Enabled"));
    EXPECT_EQ(get<std::string>(pairing, "InitialParent"), "RoundRectangle1");
    // Drawn over the Soup Bowl frame, yet a child of the window.
    EXPECT_EQ(get<std::string>(decodeControl("PopupMenu24"), "InitialParent"), "");

    const auto contact = decodeControl("Label26");
    EXPECT_EQ(get<std::string>(contact, "Text"), vantoro::kContactAddress);
    EXPECT_EQ(get<fw::Color>(contact, "TextColor"), (fw::Color{0x66, 0x66, 0xFF}));
    EXPECT_TRUE(get<bool>(contact, "Underline"));

    const auto strength = decodeControl("Label22");
    EXPECT_EQ(get<std::string>(strength, "Text"), "");
    EXPECT_FALSE(get<bool>(strength, "Visible"));

    const auto list = decodeControl("Listbox1");
    EXPECT_EQ(get<std::string>(list, "ColumnWidths"), "85%,15%");
    EXPECT_EQ(get<std::int32_t>(list, "HeadingIndex"), -1);
    EXPECT_TRUE(get<bool>(list, "ScrollBarVertical"));
    EXPECT_FALSE(get<bool>(list, "ScrollbarHorizontal"));

    EXPECT_FALSE(valueOf(decodeControl("TextField15"), "InitialParent").has_value());
}

TEST(DesignRecords, ControlTableOrderNamesAndEvents) {
    ASSERT_EQ(kMainWindowControls.size(), 87u);

    std::set<std::string_view> names;
    for (const ControlDesign& c : kMainWindowControls) names.insert(c.name);
    EXPECT_EQ(names.size(), 87u);

    EXPECT_EQ(kMainWindowControls[0].name, "PopupMenu1");
    EXPECT_EQ(kMainWindowControls[34].name, "PopupMenu22");
    EXPECT_EQ(kMainWindowControls[35].name, "PopupMenu21");
    EXPECT_LT(rowOf("Label23"), rowOf("Label22"));
    EXPECT_LT(rowOf("PushButton7"), rowOf("PushButton5"));
    EXPECT_LT(rowOf("Label18"), rowOf("Label17"));
    EXPECT_LT(rowOf("RoundRectangle5"), rowOf("Label19"));
    EXPECT_EQ(kMainWindowControls[86].name, "Timer3");
    EXPECT_EQ(kMainWindowControls[86].kind, ControlKind::Timer);

    std::size_t events = 0;
    for (const ControlDesign& c : kMainWindowControls) {
        for (std::string_view event : c.events) events += event.empty() ? 0 : 1;
        if (c.kind == ControlKind::Timer) continue;
        EXPECT_EQ(get<std::string>(decode(c.record, className(c.kind)), "Name"), std::string(c.name));
    }
    EXPECT_EQ(events, 50u);

    EXPECT_EQ(control("PopupMenu1").events[0], "Open");
    EXPECT_EQ(control("PopupMenu1").events[1], "Change");
    EXPECT_EQ(control("Label26").events[0], "MouseDown");
    EXPECT_EQ(control("Listbox1").events[0], "Open");

    // Only the four opening-game buttons get a text size; the later ones keep the default.
    EXPECT_EQ(control("PushButton4").textSize, 10.0f);
    EXPECT_EQ(control("PushButton5").textSize, 0.0f);
    EXPECT_EQ(control("Listbox1").textSize, 10.0f);
    EXPECT_EQ(control("CheckBox2").textSize, 9.0f);
}

} // namespace
