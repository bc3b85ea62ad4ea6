// The Instructions window: the exact Instructions text and its record, the
// window as shown, and text typed into the area, which lasts only as long as
// the window.
#include "framework/property_record.h"
#include "framework/services.h"
#include "framework/spelling.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"
#include "shell/window3.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using fw::testing::inspect;
using vantoro::instructions::kText;

std::vector<std::string> linesOf(std::string_view text, char separator) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == separator) lines.emplace_back();
        else lines.back() += c;
    }
    return lines;
}

std::string withNewlines(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '\r', '\n');
    return out;
}

TEST(InstructionsText, IsTwentyTwoLinesOfTheTabledLengths) {
    EXPECT_EQ(kText.size(), 1594u);
    EXPECT_EQ(std::count(kText.begin(), kText.end(), '\r'), 21);
    EXPECT_EQ(kText.find('\n'), std::string_view::npos);
    EXPECT_NE(kText.back(), '\r');
    EXPECT_TRUE(std::all_of(kText.begin(), kText.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));

    const auto lines = linesOf(kText, '\r');
    ASSERT_EQ(lines.size(), 22u);
    const std::size_t lengths[] = {428, 69, 2, 133, 0, 202, 0, 113, 0, 55, 0, 23, 0, 38, 0, 50, 38, 5, 232, 141, 5, 39};
    for (std::size_t i = 0; i < 22; ++i) EXPECT_EQ(lines[i].size(), lengths[i]) << "line " << i + 1;

    EXPECT_EQ(lines[0].substr(0, 20), " A search of Google ");
    EXPECT_NE(lines[0].find("surprise.  The same"), std::string::npos);
    EXPECT_EQ(lines[2], "SO");
    EXPECT_EQ(lines[3].substr(lines[3].size() - 18), "then check \"DONE.\"");
    EXPECT_EQ(lines[13], "Step 5: Replay, Replay All  OR Restart");
    EXPECT_EQ(lines[15], "Replay: Lets you replay all games one at the time ");
    EXPECT_EQ(lines[16], "ReplayAll: Replays all games for you. ");
    EXPECT_EQ(lines[17], "=====");
    EXPECT_EQ(lines[20], "=====");
    EXPECT_EQ(lines[21], "Restart will restart from the beginning");
    EXPECT_EQ(lines[5].back(), ' ');
}

TEST(InstructionsText, TextArea1RecordIs2090BytesAndCarriesTheText) {
    const std::string_view record = vantoro::instructions::kTextArea1;
    EXPECT_EQ(record.size(), 2090u);
    // The text sits behind its key and a 4-byte length of 1,594 (00 00 06 3A).
    const std::string prefix = std::string("Text ") + std::string("\x00\x00\x06\x3A", 4);
    const std::size_t at = record.find(prefix + std::string(kText.substr(0, 10)));
    ASSERT_NE(at, std::string_view::npos);
    EXPECT_EQ(record.substr(at + prefix.size(), kText.size()), kText);
    EXPECT_EQ(record.find("InitialParent"), std::string_view::npos);
}

TEST(Window3Class, OwnOperationsSignaturesAndHooks) {
    const fw::ClassRecord& cls = vantoro::Window3::staticRecord();
    EXPECT_EQ(cls.name, "Window3.Window3");
    const std::pair<const char*, const char*> expected[] = {
        {"Layout", "%%"},
        {"CreateControls", "%%"},
        {"_CreateControls0", "%%"},
        {"TextArea1", "%o<TextArea>%"},
        {"PushButton1", "%o<PushButton>%"},
        {"PushButton1_Action", "%%o<PushButton>"},
    };
    ASSERT_EQ(cls.methods.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(cls.methods[i].name, expected[i].first);
        EXPECT_EQ(cls.methods[i].signature, expected[i].second) << cls.methods[i].name;
        EXPECT_EQ(cls.methods[i].attributes.size(), i == 2 ? 2u : 1u) << cls.methods[i].name;
    }
    EXPECT_EQ(cls.methods[2].attributes[1].name, "Hidden");
    for (const fw::EventHook& hook : cls.eventHooks)
        EXPECT_EQ(hook.hook, hook.event == "Layout" || hook.event == "CreateControls" ? hook.event : "") << hook.event;
}

class InstructionsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        fw::seams::messageBoxTexts().clear();
        main = vantoro::implicit::Window1();
    }
    void TearDown() override {
        fw::seams::setDictionaryFolder(std::nullopt);
        if (auto open = fw::Window::GetImplicitWindow("Window3.Window3")) open->Close();
        main->Close();
    }
    fw::Ref<vantoro::Window3> chooseInstructions() {
        EXPECT_TRUE(fw::testing::chooseMenu(*main, "instructionsinstructions"));
        return fw::checkedCast<vantoro::Window3>(fw::Window::GetImplicitWindow("Window3.Window3"));
    }
    fw::Ref<vantoro::Window1> main;
};

TEST_F(InstructionsWindow, ShowsTheTextInItsDesign) {
    auto w = chooseInstructions();
    ASSERT_TRUE(w);
    EXPECT_EQ(fw::testing::nativeTitle(*w), "Instructions");
    EXPECT_TRUE(fw::testing::nativeShown(*w));
    EXPECT_EQ(fw::testing::contentWidth(*w), 600);
    EXPECT_EQ(fw::testing::contentHeight(*w), 361);
    EXPECT_TRUE(fw::testing::hasCloseBox(*w));
    EXPECT_FALSE(fw::testing::isResizable(*w));
    ASSERT_EQ(w->controls().size(), 2u);

    auto area = w->TextArea1();
    ASSERT_TRUE(area);
    EXPECT_EQ(area->Text(), kText);
    const auto shown = inspect(fw::Ref<fw::Object>(area.get()));
    EXPECT_EQ(shown.text, withNewlines(kText));
    EXPECT_EQ(std::make_pair(shown.left, shown.top), std::make_pair(28, 24));
    EXPECT_EQ(std::make_pair(shown.width, shown.height), std::make_pair(480, 259));
    EXPECT_TRUE(shown.enabled);
    EXPECT_FALSE(area->ReadOnly());
    EXPECT_TRUE(area->ScrollBarVertical());
    EXPECT_FALSE(area->ScrollBarHorizontal());

    const auto ok = inspect(fw::Ref<fw::Object>(w->PushButton1().get()));
    EXPECT_EQ(ok.text, "OK");
    EXPECT_EQ(std::make_pair(ok.left, ok.top), std::make_pair(428, 308));
    EXPECT_EQ(std::make_pair(ok.width, ok.height), std::make_pair(80, 20));
}

TEST_F(InstructionsWindow, TypedTextLastsWhileOpenAndIsGoneAfterOk) {
    auto w = chooseInstructions();
    ASSERT_TRUE(w);
    fw::testing::typeText(fw::Ref<fw::Object>(w->TextArea1().get()), "my note");
    const std::string edited = w->TextArea1()->Text();
    EXPECT_NE(edited, kText);
    EXPECT_NE(edited.find("my note"), std::string::npos);

    // A second command brings the same window, typed text and all.
    auto same = chooseInstructions();
    EXPECT_EQ(same.get(), w.get());
    EXPECT_EQ(same->TextArea1()->Text(), edited);

    fw::testing::click(fw::Ref<fw::Object>(w->PushButton1().get()));
    EXPECT_FALSE(w->isOpen());
    EXPECT_FALSE(fw::Window::GetImplicitWindow("Window3.Window3"));
    EXPECT_TRUE(main->isOpen());

    auto fresh = chooseInstructions();
    ASSERT_TRUE(fresh);
    EXPECT_NE(fresh.get(), w.get());
    EXPECT_EQ(fresh->TextArea1()->Text(), kText);
}

TEST_F(InstructionsWindow, CloseBoxAlsoDiscardsTheTypedText) {
    auto w = chooseInstructions();
    ASSERT_TRUE(w);
    fw::testing::typeText(fw::Ref<fw::Object>(w->TextArea1().get()), "scribble");
    fw::testing::closeBox(*w);
    fw::testing::processEvents();
    EXPECT_FALSE(w->isOpen());
    auto fresh = chooseInstructions();
    ASSERT_TRUE(fresh);
    EXPECT_NE(fresh.get(), w.get());
    EXPECT_EQ(fresh->TextArea1()->Text(), kText);
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST_F(InstructionsWindow, TabMovesTheFocusOnUnlessTheAreaAcceptsTabs) {
    auto w = chooseInstructions();
    ASSERT_TRUE(w);
    ASSERT_TRUE(fw::testing::activate(*w));
    const fw::Ref<fw::Object> area(w->TextArea1().get());
    const fw::Ref<fw::Object> ok(w->PushButton1().get());
    EXPECT_FALSE(w->TextArea1()->AcceptTabs());

    fw::testing::typeText(area, "\t");
    EXPECT_EQ(w->TextArea1()->Text(), kText);
    EXPECT_TRUE(fw::testing::hasFocus(ok));
    EXPECT_FALSE(fw::testing::hasFocus(area));

    fw::testing::pressKeysIn(ok, "Shift+Tab");
    EXPECT_TRUE(fw::testing::hasFocus(area));
    EXPECT_EQ(w->TextArea1()->Text(), kText);

    // A text area that accepts tabs types them and keeps the focus.
    ASSERT_TRUE(fw::SetProperties(*w->TextArea1(), fw::encodeEntries({{"AcceptTabs", true}})));
    fw::testing::typeText(area, "\t");
    EXPECT_TRUE(fw::testing::hasFocus(area));
    EXPECT_EQ(w->TextArea1()->Text().size(), kText.size() + 1);
    EXPECT_NE(w->TextArea1()->Text().find('\t'), std::string::npos);
}

bool contains(const std::vector<std::string>& words, const std::string& word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

TEST_F(InstructionsWindow, MisspeltWordsAreMarkedOnOpeningAndAsTyped) {
    auto w = chooseInstructions();
    ASSERT_TRUE(w);
    const fw::Ref<fw::Object> area(w->TextArea1().get());
    EXPECT_TRUE(w->TextArea1()->AutomaticallyCheckSpelling());

    // The designed text is checked as soon as the window shows it; numbers
    // ("2011", "80%") are no words.
    const auto opening = fw::testing::misspeltMarks(area);
    EXPECT_TRUE(contains(opening, "vantoro"));
    for (const char* known : {"search", "randomness", "tournament", "Restart", "beginning", "2011", "80", "8"})
        EXPECT_FALSE(contains(opening, known)) << known;

    fw::testing::typeText(area, "Thier team's wrnog word ");
    const auto typed = fw::testing::misspeltMarks(area);
    EXPECT_TRUE(contains(typed, "Thier"));
    EXPECT_TRUE(contains(typed, "wrnog"));
    for (const char* known : {"team's", "team", "word"}) EXPECT_FALSE(contains(typed, known)) << known;
    // Marks are formatting only: the text is what was typed, and one undo
    // takes back the typing itself.
    EXPECT_EQ(w->TextArea1()->Text(), "Thier team's wrnog word " + std::string(kText));
    fw::testing::pressKeysIn(area, "Ctrl+Z");
    EXPECT_EQ(w->TextArea1()->Text(), kText);

    // Only a text area that asks for it is checked.
    ASSERT_TRUE(fw::SetProperties(*w->TextArea1(), fw::encodeEntries({{"AutomaticallyCheckSpelling", false}})));
    EXPECT_TRUE(fw::testing::misspeltMarks(area).empty());
    ASSERT_TRUE(fw::SetProperties(*w->TextArea1(), fw::encodeEntries({{"AutomaticallyCheckSpelling", true}})));
    EXPECT_TRUE(contains(fw::testing::misspeltMarks(area), "vantoro"));
    auto plain = w->New<fw::TextArea>();
    plain->SetText("wrnog");
    EXPECT_TRUE(fw::testing::misspeltMarks(fw::Ref<fw::Object>(plain.get())).empty());
    EXPECT_EQ(w->TextArea1()->Text(), kText);
}

TEST_F(InstructionsWindow, WithoutADictionaryTheAreaWorksUnmarked) {
    fw::seams::setDictionaryFolder(::testing::TempDir() + "no-dictionaries-here");
    auto w = chooseInstructions();
    ASSERT_TRUE(w);
    const fw::Ref<fw::Object> area(w->TextArea1().get());
    fw::testing::typeText(area, "wrnog ");
    EXPECT_TRUE(fw::testing::misspeltMarks(area).empty());
    EXPECT_EQ(w->TextArea1()->Text(), "wrnog " + std::string(kText));
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

} // namespace
