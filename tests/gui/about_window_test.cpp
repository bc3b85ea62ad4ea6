// The About window: its design as shown, its property lists in their class key
// orders, OK and the link label, the unused combo box, and the fresh window that
// every way of closing it leaves for the next About command.
#include "framework/controls/text_field.h"
#include "framework/property_record.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/window2.h"
#include "shell/window3.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using fw::Form;
using fw::testing::inspect;

constexpr std::string_view kWindowKeys =
    "Placement I, Width I, Height I, MinWidth I, MinHeight I, MaxWidth I, MaxHeight I, Frame I, Composite B, "
    "HasBackColor B, BackColor C, Title S, Visible B, FullScreen B, MenuBarVisible B, CloseButton B, Resizeable B, "
    "LiveResize B, MaximizeButton B, MinimizeButton B, MacProcID I";
constexpr std::string_view kLabelKeys =
    "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
    "TabPanelIndex I, TabIndex I, Text S, TextAlign I, TextColor C, Multiline B, Enabled B, Visible B, Selectable B, "
    "Transparent B, HelpTag S, AutoDeactivate B, TextFont S, Bold B, Italic B, Underline B, DataSource S, "
    "DataField S, InitialParent S";
constexpr std::string_view kPushButtonKeys =
    "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
    "TabPanelIndex I, TabIndex I, TabStop B, Caption S, Default B, Cancel B, Enabled B, Visible B, HelpTag S, "
    "AutoDeactivate B, ButtonStyle I, TextFont S, Bold B, Italic B, Underline B, InitialParent S";
constexpr std::string_view kComboBoxKeys =
    "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
    "TabPanelIndex I, TabIndex I, TabStop B, Enabled B, InitialValue S, ListIndex I, Visible B, HelpTag S, "
    "AutoDeactivate B, UseFocusRing B, TextFont S, Bold B, Italic B, Underline B, DataSource S, DataField S, "
    "AutoComplete B";
constexpr std::string_view kTextAreaKeys =
    "Name S, Index I, Left I, Top I, Width I, Height I, LockLeft B, LockTop B, LockRight B, LockBottom B, "
    "TabPanelIndex I, TabIndex I, TabStop B, Border B, Multiline B, ScrollbarHorizontal B, ScrollbarVertical B, "
    "Styled B, UseFocusRing B, TextColor C, BackColor C, Enabled B, Format S, Visible B, HelpTag S, "
    "AutoDeactivate B, HideSelection B, TextFont S, Bold B, Italic B, Underline B, Text S, Mask S, ReadOnly B, "
    "LimitText I, AcceptTabs B, Alignment I, AutomaticallyCheckSpelling B, DataSource S, DataField S";

std::vector<std::pair<std::string, Form>> keysOf(std::string_view list) {
    std::vector<std::pair<std::string, Form>> keys;
    while (!list.empty()) {
        const std::size_t comma = list.find(", ");
        const std::string_view item = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 2);
        const std::size_t blank = item.find(' ');
        const char f = item[blank + 1];
        keys.emplace_back(std::string(item.substr(0, blank)), f == 'I'   ? Form::Int32
                                                              : f == 'B' ? Form::Boolean
                                                              : f == 'C' ? Form::Color
                                                                         : Form::String);
    }
    return keys;
}

// Decodes a record by the typed key list and checks that it holds exactly those
// keys, in that order, to its last byte.
fw::DecodeResult expectKeyOrder(std::string_view record, std::string_view keyList, std::string_view what) {
    const auto keys = keysOf(keyList);
    fw::DecodeResult decoded = fw::decodeRecord(record, [&](std::string_view key) -> std::optional<Form> {
        for (const auto& [name, form] : keys)
            if (name == key) return form;
        return std::nullopt;
    });
    EXPECT_TRUE(decoded.complete) << what << ": " << decoded.error;
    std::vector<std::string> got, want;
    for (const auto& e : decoded.entries) got.push_back(e.key);
    for (const auto& k : keys) want.push_back(k.first);
    EXPECT_EQ(got, want) << what;
    return decoded;
}

template <class T>
T valueOf(const fw::DecodeResult& decoded, std::string_view key) {
    for (const auto& e : decoded.entries)
        if (e.key == key && std::holds_alternative<T>(e.value)) return std::get<T>(e.value);
    ADD_FAILURE() << "no value for " << key;
    return T{};
}

// A main window for the About window to come from, closed again at the end.
class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override {
        fw::seams::messageBoxTexts().clear();
        fw::seams::shownUrls().clear();
        main = vantoro::implicit::Window1();
    }
    void TearDown() override {
        if (auto open = fw::Window::GetImplicitWindow("Window2.Window2")) open->Close();
        main->Close();
    }
    fw::Ref<vantoro::Window2> chooseAbout() {
        EXPECT_TRUE(fw::testing::chooseMenu(*main, "FileAboutVantoro2011"));
        return fw::checkedCast<vantoro::Window2>(fw::Window::GetImplicitWindow("Window2.Window2"));
    }
    static int openAboutWindows() {
        int n = 0;
        for (const auto& w : fw::Window::openWindows()) n += w->classRecord().name == "Window2.Window2" ? 1 : 0;
        return n;
    }
    fw::Ref<vantoro::Window1> main;
};

TEST(ShellRecords, EveryRecordHoldsItsClassKeysInOrder) {
    using namespace vantoro;
    const auto about = expectKeyOrder(about::kWindowRecord, kWindowKeys, "About window");
    EXPECT_EQ(valueOf<std::string>(about, "Title"), "About Vantoro");
    EXPECT_EQ(valueOf<std::int32_t>(about, "Width"), 300);
    EXPECT_EQ(valueOf<std::int32_t>(about, "Height"), 200);
    EXPECT_TRUE(valueOf<bool>(about, "CloseButton"));
    const auto instructions = expectKeyOrder(instructions::kWindowRecord, kWindowKeys, "Instructions window");
    EXPECT_EQ(valueOf<std::string>(instructions, "Title"), "Instructions");
    EXPECT_EQ(valueOf<std::int32_t>(instructions, "Width"), 600);
    EXPECT_EQ(valueOf<std::int32_t>(instructions, "Height"), 361);

    expectKeyOrder(about::kLabel1, kLabelKeys, "Label1");
    const auto label2 = expectKeyOrder(about::kLabel2, kLabelKeys, "Label2");
    expectKeyOrder(about::kPushButton1, kPushButtonKeys, "About PushButton1");
    const auto link = expectKeyOrder(about::kLabel3, kLabelKeys, "Label3");
    // The combo box and the text area are the two control lists without InitialParent.
    const auto combo = expectKeyOrder(about::kComboBox1, kComboBoxKeys, "ComboBox1");
    const auto area = expectKeyOrder(instructions::kTextArea1, kTextAreaKeys, "TextArea1");
    const auto ok = expectKeyOrder(instructions::kPushButton1, kPushButtonKeys, "Instructions PushButton1");

    const std::string text2 = valueOf<std::string>(label2, "Text");
    EXPECT_EQ(std::count(text2.begin(), text2.end(), '\r'), 1) << "two lines";
    EXPECT_EQ(valueOf<fw::Color>(link, "TextColor"), (fw::Color{0x66, 0x66, 0xFF}));
    EXPECT_EQ(valueOf<std::int32_t>(combo, "Index"), -2147483647 - 1);
    EXPECT_EQ(valueOf<std::int32_t>(combo, "TabIndex"), 4);
    EXPECT_TRUE(valueOf<bool>(area, "ScrollbarVertical"));
    EXPECT_FALSE(valueOf<bool>(area, "ReadOnly"));
    EXPECT_EQ(valueOf<std::int32_t>(ok, "ButtonStyle"), 6);
}

TEST(Window2Class, OwnOperationsSignaturesAndHooks) {
    const fw::ClassRecord& cls = vantoro::Window2::staticRecord();
    EXPECT_EQ(cls.name, "Window2.Window2");
    EXPECT_EQ(cls.base, &fw::Window::staticRecord());
    const std::pair<const char*, const char*> expected[] = {
        {"Layout", "%%"},
        {"CreateControls", "%%"},
        {"_CreateControls0", "%%"},
        {"Label1", "%o<Label>%"},
        {"Label2", "%o<Label>%"},
        {"PushButton1", "%o<PushButton>%"},
        {"Label3", "%o<Label>%"},
        {"ComboBox1", "%o<ComboBox>%"},
        {"PushButton1_Action", "%%o<PushButton>"},
        {"Label3_MouseDown", "%b%o<Label>i4i4"},
    };
    ASSERT_EQ(cls.methods.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const fw::MethodRow& m = cls.methods[i];
        EXPECT_EQ(m.name, expected[i].first);
        EXPECT_EQ(m.signature, expected[i].second) << m.name;
        ASSERT_FALSE(m.attributes.empty()) << m.name;
        EXPECT_EQ(m.attributes[0].name, "__Scope");
        EXPECT_EQ(m.attributes[0].value, "Public");
        EXPECT_EQ(m.attributes.size(), m.name == "_CreateControls0" ? 2u : 1u) << m.name;
        EXPECT_TRUE(m.invoke) << m.name;
    }
    EXPECT_EQ(cls.methods[2].attributes[1].name, "Hidden");
    EXPECT_FALSE(cls.methods[2].attributes[1].hasValue);
    for (const fw::EventHook& hook : cls.eventHooks) {
        if (hook.event == "Layout" || hook.event == "CreateControls") EXPECT_EQ(hook.hook, hook.event);
        else EXPECT_EQ(hook.hook, "") << hook.event;
    }
    ASSERT_EQ(cls.attributes.size(), 1u);
    EXPECT_EQ(cls.attributes[0].value, "Public");
}

TEST_F(AboutWindow, ShowsItsDesign) {
    auto about = chooseAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(fw::testing::nativeTitle(*about), "About Vantoro");
    EXPECT_TRUE(fw::testing::nativeShown(*about));
    EXPECT_EQ(fw::testing::contentWidth(*about), 300);
    EXPECT_EQ(fw::testing::contentHeight(*about), 200);
    EXPECT_TRUE(fw::testing::hasCloseBox(*about));
    EXPECT_TRUE(fw::testing::hasMinimizeBox(*about));
    EXPECT_FALSE(fw::testing::isResizable(*about));
    ASSERT_EQ(about->controls().size(), 5u);

    const auto title = inspect(fw::Ref<fw::Object>(about->Label1().get()));
    EXPECT_EQ(title.text, "Vantoro 2011\nversion 2.1.0");
    EXPECT_EQ(std::make_pair(title.left, title.top), std::make_pair(89, 25));
    EXPECT_EQ(std::make_pair(title.width, title.height), std::make_pair(142, 53));
    EXPECT_EQ(title.alignment, 1);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.pixelSize, 18);

    const auto second = inspect(fw::Ref<fw::Object>(about->Label2().get()));
    EXPECT_EQ(std::make_pair(second.left, second.top), std::make_pair(11, 116));
    EXPECT_EQ(second.alignment, 0);
    EXPECT_FALSE(second.bold);
    EXPECT_EQ(second.foreground, 0x000000u);
    EXPECT_EQ(std::count(second.text.begin(), second.text.end(), '\n'), 1);
    for (const auto& label : {about->Label1(), about->Label2(), about->Label3()})
        EXPECT_TRUE(fw::testing::textFits(fw::Ref<fw::Object>(label.get()))) << label->Name();

    const auto link = inspect(fw::Ref<fw::Object>(about->Label3().get()));
    EXPECT_EQ(link.text, "http://www.example.com/vantoro");
    EXPECT_EQ(std::make_pair(link.left, link.top), std::make_pair(11, 160));
    EXPECT_EQ(std::make_pair(link.width, link.height), std::make_pair(178, 20));
    EXPECT_TRUE(link.underline);
    EXPECT_FALSE(link.bold);
    EXPECT_EQ(link.foreground, 0x6666FFu);
    EXPECT_EQ(link.pixelSize, 9);

    const auto ok = inspect(fw::Ref<fw::Object>(about->PushButton1().get()));
    EXPECT_EQ(ok.text, "OK");
    EXPECT_EQ(std::make_pair(ok.left, ok.top), std::make_pair(211, 149));
    EXPECT_EQ(std::make_pair(ok.width, ok.height), std::make_pair(69, 31));

    const auto combo = inspect(fw::Ref<fw::Object>(about->ComboBox1().get()));
    EXPECT_EQ(std::make_pair(combo.left, combo.top), std::make_pair(20, 20));
    EXPECT_EQ(std::make_pair(combo.width, combo.height), std::make_pair(80, 20));
    EXPECT_TRUE(combo.enabled);
    EXPECT_EQ(combo.text, "");
}

TEST_F(AboutWindow, ComboBoxTakesInputToNoEffect) {
    auto about = chooseAbout();
    ASSERT_TRUE(about);
    auto combo = about->ComboBox1();
    fw::testing::typeText(fw::Ref<fw::Object>(combo.get()), "anything");
    EXPECT_EQ(inspect(fw::Ref<fw::Object>(combo.get())).text, "anything");
    EXPECT_EQ(combo->ListCount(), 0);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
    EXPECT_TRUE(fw::seams::shownUrls().empty());
    EXPECT_TRUE(about->isOpen());
}

TEST_F(AboutWindow, ChoosingAboutTwiceLeavesOneWindow) {
    auto first = chooseAbout();
    auto second = chooseAbout();
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(openAboutWindows(), 1);
    EXPECT_TRUE(main->isOpen());
}

TEST_F(AboutWindow, LinkHandsOverTheProductPageAndCloses) {
    auto about = chooseAbout();
    ASSERT_TRUE(about);
    fw::testing::pressMouse(fw::Ref<fw::Object>(about->Label3().get()), 30, 5);
    EXPECT_EQ(fw::seams::shownUrls(), std::vector<std::string>{"http://www.example.com/vantoro"});
    EXPECT_FALSE(about->isOpen());
    EXPECT_EQ(openAboutWindows(), 0);
    EXPECT_TRUE(main->isOpen());
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());

    // Every press does both, and the handler answers False.
    auto again = chooseAbout();
    ASSERT_TRUE(again);
    fw::Value result = again->Label3()->raiseEvent("MouseDown", {fw::Value(std::int32_t{0}), fw::Value(std::int32_t{0})});
    ASSERT_TRUE(std::holds_alternative<bool>(result));
    EXPECT_FALSE(std::get<bool>(result));
    EXPECT_EQ(fw::seams::shownUrls().size(), 2u);
    EXPECT_FALSE(again->isOpen());
}

TEST_F(AboutWindow, EveryWayOfClosingGivesAFreshWindowNextTime) {
    const std::pair<const char*, void (*)(vantoro::Window2&)> ways[] = {
        {"OK", [](vantoro::Window2& w) { fw::testing::click(fw::Ref<fw::Object>(w.PushButton1().get())); }},
        {"link", [](vantoro::Window2& w) { fw::testing::pressMouse(fw::Ref<fw::Object>(w.Label3().get())); }},
        {"close box", [](vantoro::Window2& w) {
             fw::testing::closeBox(w);
             fw::testing::processEvents();
         }},
    };
    for (const auto& [way, close] : ways) {
        auto before = chooseAbout();
        ASSERT_TRUE(before) << way;
        fw::testing::typeText(fw::Ref<fw::Object>(before->ComboBox1().get()), "typed");
        close(*before);
        EXPECT_FALSE(before->isOpen()) << way;
        EXPECT_EQ(openAboutWindows(), 0) << way;

        auto after = chooseAbout();
        ASSERT_TRUE(after) << way;
        EXPECT_NE(after.get(), before.get()) << way;
        EXPECT_TRUE(fw::testing::nativeShown(*after)) << way;
        EXPECT_EQ(inspect(fw::Ref<fw::Object>(after->ComboBox1().get())).text, "") << way;
        EXPECT_EQ(inspect(fw::Ref<fw::Object>(after->Label3().get())).text, "http://www.example.com/vantoro") << way;
        after->Close();
    }
    EXPECT_TRUE(main->isOpen());
}

} // namespace
