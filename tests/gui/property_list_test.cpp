// Applying property lists to live objects: keys found letter case ignored
// through the class and its bases, every design record applied whole, and
// malformed records that stop quietly and leave the object usable.
#include "framework/control.h"
#include "framework/controls/check_box.h"
#include "framework/controls/label.h"
#include "framework/controls/listbox.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/push_button.h"
#include "framework/controls/round_rectangle.h"
#include "framework/controls/text_field.h"
#include "framework/controls/timer.h"
#include "framework/property_record.h"
#include "framework/test_driver.h"
#include "main_window/design.h"
#include "main_window/window1.h"
#include "main_window/window_timers.h"
#include "shell/implicit_instances.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

std::string record(const std::vector<fw::DecodedEntry>& entries) { return fw::encodeEntries(entries); }

// A control of the design's class, made inside the window but neither
// registered nor wired, so applying a record runs no handler of the program.
fw::Ref<fw::Control> unwired(vantoro::Window1& w, vantoro::ControlKind kind) {
    using K = vantoro::ControlKind;
    switch (kind) {
    case K::PopupMenu: return w.New<fw::PopupMenu>();
    case K::CheckBox: return w.New<fw::CheckBox>();
    case K::RoundRectangle: return w.New<fw::RoundRectangle>();
    case K::TextField: return w.New<fw::TextField>();
    case K::Label: return w.New<fw::Label>();
    case K::PushButton: return w.New<fw::PushButton>();
    case K::Listbox: return w.New<fw::Listbox>();
    case K::Timer: return w.New<vantoro::Window1Timer1>();
    }
    return nullptr;
}

TEST(PropertyLists, KeysInAnotherLetterCaseSetTheDeclaredProperty) {
    auto w = vantoro::implicit::Window1();

    fw::Ref<fw::Label> label = w->Label5();
    EXPECT_FALSE(label->MultiLine());
    EXPECT_TRUE(fw::SetProperties(*label, record({{"Multiline", true}, {"TEXT", std::string("A\rB")}})));
    EXPECT_TRUE(label->MultiLine());
    EXPECT_EQ(label->Text(), "A\rB");
    EXPECT_EQ(fw::testing::inspect(label).text, "A\nB");

    EXPECT_TRUE(fw::SetProperties(*w, record({{"MacProcID", std::int32_t{7}}, {"title", std::string("Renamed")}})));
    EXPECT_EQ(std::get<std::int32_t>(w->stored("MacProcId")), 7);
    EXPECT_EQ(fw::testing::nativeTitle(*w), "Renamed");

    fw::Ref<fw::Listbox> list = w->Listbox1();
    EXPECT_TRUE(fw::SetProperties(*list, record({{"ScrollbarHorizontal", true}, {"scrollbarvertical", false}})));
    EXPECT_TRUE(std::get<bool>(list->stored("ScrollBarHorizontal")));
    EXPECT_FALSE(std::get<bool>(list->stored("ScrollBarVertical")));

    // A base class's property, and a signed Int32 read back whole.
    EXPECT_TRUE(fw::SetProperties(*list, record({{"LEFT", std::int32_t{-1}}, {"index", fw::kNoIndex}})));
    EXPECT_EQ(list->Left(), -1);
    EXPECT_EQ(std::get<std::int32_t>(list->stored("Index")), fw::kNoIndex);
    w->Close();
}

TEST(PropertyLists, EveryRecordOfTheMainWindowAppliesWhole) {
    auto w = vantoro::implicit::Window1();
    EXPECT_TRUE(fw::SetProperties(*w, vantoro::kMainWindowRecord));
    for (const vantoro::ControlDesign& d : vantoro::kMainWindowControls) {
        SCOPED_TRACE(std::string(d.name));
        fw::Ref<fw::Control> control = unwired(*w, d.kind);
        EXPECT_TRUE(fw::SetProperties(*control, d.record));
        if (d.kind != vantoro::ControlKind::Timer) {
            EXPECT_EQ(control->Name(), d.name);
        }
    }
    // The one timer record leaves all three timers off at the period it holds.
    const fw::DecodeResult timerDesign =
        fw::decodeRecord(vantoro::kTimerRecord, [](std::string_view key) -> std::optional<fw::Form> {
            if (key == "Mode" || key == "Period") return fw::Form::Int32;
            return std::nullopt;
        });
    const auto period = std::ranges::find(timerDesign.entries, "Period", &fw::DecodedEntry::key);
    ASSERT_NE(period, timerDesign.entries.end());
    for (auto timer : {w->Timer1(), w->Timer2(), w->Timer3()}) {
        timer->SetMode(1);
        timer->SetPeriod(20);
        EXPECT_TRUE(fw::SetProperties(*timer, vantoro::kTimerRecord));
        EXPECT_EQ(timer->Mode(), 0);
        EXPECT_EQ(timer->Period(), std::get<std::int32_t>(period->value));
        EXPECT_FALSE(timer->isArmed());
    }
    w->Close();
}

TEST(PropertyLists, MalformedRecordsNeverCrashAndLeaveTheObjectUsable) {
    auto w = vantoro::implicit::Window1();
    auto popup = fw::checkedCast<fw::PopupMenu>(fw::Ref<fw::Object>(unwired(*w, vantoro::ControlKind::PopupMenu).get()));
    const std::string_view full = vantoro::kMainWindowControls[19].record;
    ASSERT_EQ(vantoro::kMainWindowControls[19].name, "PopupMenu17");

    // Every cut of the record: what was read before the cut is applied.
    for (std::size_t n = 0; n < full.size(); ++n) fw::SetProperties(*popup, full.substr(0, n));
    EXPECT_FALSE(fw::SetProperties(*popup, full.substr(0, 7)));  // "Name " and two length bytes
    EXPECT_FALSE(fw::SetProperties(*popup, full.substr(0, 28))); // inside the value of "Index"
    EXPECT_TRUE(fw::SetProperties(*popup, full.substr(0, 20)));  // "Name " and the whole name
    EXPECT_EQ(popup->Name(), "PopupMenu17");

    // A key that names no property stops there; what came before holds.
    std::string unknown = record({{"Left", std::int32_t{40}}}) + "Bogus " + record({{"Top", std::int32_t{41}}});
    EXPECT_FALSE(fw::SetProperties(*popup, unknown));
    EXPECT_EQ(popup->Left(), 40);
    EXPECT_EQ(popup->Top(), 193);

    // A key without its blank, a string longer than the record, an empty record.
    EXPECT_FALSE(fw::SetProperties(*popup, "Left"));
    EXPECT_FALSE(fw::SetProperties(*popup, std::string("Name \x7F\xFF\xFF\xFFshort", 14)));
    EXPECT_TRUE(fw::SetProperties(*popup, ""));
    EXPECT_EQ(popup->Name(), "PopupMenu17");

    // The popup still works.
    popup->SetEnabled(true);
    popup->AddRow("Choose");
    popup->SetListIndex(0);
    EXPECT_EQ(popup->Text(), "Choose");
    EXPECT_TRUE(fw::SetProperties(*popup, full));
    EXPECT_EQ(popup->Left(), 23);
    EXPECT_EQ(fw::testing::inspect(popup).left, 23);
    w->Close();
}

} // namespace
