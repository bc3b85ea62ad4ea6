// The runtime layer on its own: counted references, the nil-object and
// illegal-cast exceptions, the class registry, delegates, and the event
// contract of the controls, exercised on a small window class of the test's own.
#include "framework/class_record.h"
#include "framework/controls/check_box.h"
#include "framework/controls/popup_menu.h"
#include "framework/controls/push_button.h"
#include "framework/controls/timer.h"
#include "framework/delegate.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "framework/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

// A window whose hooks build a few controls and wire handlers that call one
// another the way the program's handlers do.
class ProbeWindow : public fw::Window {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }

    std::vector<std::string> log;
    int depth = 0;
    int goPushes = 0;
    int tickActions = 0;
    int clockActions = 0;

    void Layout() {
        SetTitle("Probe");
        SetWidth(300);
        SetHeight(200);
        SetVisible(true);
    }

    void CreateControls() {
        auto choice = add<fw::PopupMenu>("Choice", 10, 10, "Change");
        for (const char* row : {"a", "b", "c", "d"}) choice->AddRow(row);
        auto other = add<fw::PopupMenu>("Other", 100, 10, "Change");
        for (const char* row : {"x", "y"}) other->AddRow(row);
        add<fw::PushButton>("Go", 10, 50, "Action");
        add<fw::PushButton>("Boom", 100, 50, "Action");
        add<fw::PushButton>("Stop", 190, 50, "Action");
        add<fw::CheckBox>("Tick", 10, 90, "Action")->SetCaption("Tick");
        add<fw::Timer>("Clock", 0, 0, "Action");
    }

    fw::Ref<fw::PopupMenu> Choice() { return fw::checkedCast<fw::PopupMenu>(ControlByName("Choice")); }
    fw::Ref<fw::PopupMenu> Other() { return fw::checkedCast<fw::PopupMenu>(ControlByName("Other")); }
    fw::Ref<fw::PushButton> Go() { return fw::checkedCast<fw::PushButton>(ControlByName("Go")); }
    fw::Ref<fw::PushButton> Boom() { return fw::checkedCast<fw::PushButton>(ControlByName("Boom")); }
    fw::Ref<fw::PushButton> Stop() { return fw::checkedCast<fw::PushButton>(ControlByName("Stop")); }
    fw::Ref<fw::CheckBox> Tick() { return fw::checkedCast<fw::CheckBox>(ControlByName("Tick")); }
    fw::Ref<fw::Timer> Clock() { return fw::checkedCast<fw::Timer>(ControlByName("Clock")); }

    // Choosing the last row sends the popup back to its first, from inside Change.
    void Choice_Change(fw::Ref<fw::PopupMenu> popup) {
        ++depth;
        log.push_back("Choice:" + std::to_string(popup->ListIndex()) + "@" + std::to_string(depth));
        if (popup->ListIndex() == 3) popup->SetListIndex(0);
        --depth;
    }

    void Other_Change(fw::Ref<fw::PopupMenu> popup) {
        ++depth;
        log.push_back("Other:" + std::to_string(popup->ListIndex()) + "@" + std::to_string(depth));
        fw::deref(Choice()).SetListIndex(3);
        --depth;
    }

    // Pushes itself again, as a tied game replays itself, until it has run three times.
    void Go_Action(fw::Ref<fw::PushButton> button) {
        ++depth;
        const int n = ++goPushes;
        log.push_back("Go enter " + std::to_string(n) + "@" + std::to_string(depth));
        if (goPushes < 3) button->Push();
        log.push_back("Go leave " + std::to_string(n));
        --depth;
    }

    void Boom_Action(fw::Ref<fw::PushButton>) {
        log.push_back("Boom");
        fw::Ref<fw::PushButton> missing = fw::checkedCast<fw::PushButton>(ControlByName("NoSuchButton"));
        fw::deref(missing).Push();
        log.push_back("Boom went on");
    }

    // Closes its own window, then yields as a long loop does.
    void Stop_Action(fw::Ref<fw::PushButton>) {
        log.push_back("Stop");
        Close();
        fw::runtime::yield();
        log.push_back("Stop went on");
    }

    void Clock_Boom(fw::Ref<fw::Timer>) { fw::deref(Boom()).Push(); }

    void Tick_Action(fw::Ref<fw::CheckBox>) { ++tickActions; }
    void Clock_Action(fw::Ref<fw::Timer> timer) {
        ++clockActions;
        timer->SetMode(0);
    }

private:
    template <class T>
    fw::Ref<T> add(const std::string& name, int left, int top, const std::string& event) {
        fw::Ref<T> control = New<T>();
        AddControl(name, fw::Ref<fw::Object>(control.get()));
        if constexpr (std::is_base_of_v<fw::RectControl, T>) {
            control->SetLeft(left);
            control->SetTop(top);
        }
        const std::string signature = "( " + fw::checkedCast<T>(ControlByName(name))->classRecord().name + " )";
        control->AddEventHandler(event, fw::createDelegate(fw::Ref<fw::Object>(this), name + "_" + event, signature));
        return control;
    }
};

std::unique_ptr<fw::ClassRecord> buildProbe() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Window::staticRecord();
    using P = ProbeWindow;
    r->methods = {
        fw::publicMethod("Layout", "%%", fw::invokerOf<&P::Layout>()),
        fw::publicMethod("CreateControls", "%%", fw::invokerOf<&P::CreateControls>()),
        fw::publicMethod("Choice_Change", "%%o<PopupMenu>", fw::invokerOf<&P::Choice_Change>()),
        fw::publicMethod("Other_Change", "%%o<PopupMenu>", fw::invokerOf<&P::Other_Change>()),
        fw::publicMethod("Go_Action", "%%o<PushButton>", fw::invokerOf<&P::Go_Action>()),
        fw::publicMethod("Boom_Action", "%%o<PushButton>", fw::invokerOf<&P::Boom_Action>()),
        fw::publicMethod("Stop_Action", "%%o<PushButton>", fw::invokerOf<&P::Stop_Action>()),
        fw::publicMethod("Tick_Action", "%%o<CheckBox>", fw::invokerOf<&P::Tick_Action>()),
        fw::publicMethod("Clock_Action", "%%o<Timer>", fw::invokerOf<&P::Clock_Action>()),
        fw::publicMethod("Clock_Boom", "%%o<Timer>", fw::invokerOf<&P::Clock_Boom>()),
    };
    r->eventHooks = {{"Layout", "Layout"}, {"CreateControls", "CreateControls"}};
    return r;
}

const fw::ClassRecord& ProbeWindow::staticRecord() { return fw::lookupClass("ProbeWindow.ProbeWindow", buildProbe); }

fw::Ref<ProbeWindow> openProbe() {
    fw::Ref<ProbeWindow> w = fw::newObject<ProbeWindow>();
    w->Constructor();
    return w;
}

class Counted : public fw::Object {
public:
    explicit Counted(std::vector<std::string>& log) : log_(log) {}
    ~Counted() override { log_.push_back("deleted"); }
    static const fw::ClassRecord& staticRecord() {
        return fw::lookupClass("Counted", [] {
            auto r = std::make_unique<fw::ClassRecord>();
            r->exit = [](fw::Object& o) { static_cast<Counted&>(o).log_.push_back("tear-down hook"); };
            return r;
        });
    }
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }

private:
    std::vector<std::string>& log_;
};

TEST(ObjectModel, CountedReferencesReleaseTheObjectWithTheLastOne) {
    std::vector<std::string> log;
    fw::Ref<Counted> first = fw::make<Counted>(log);
    EXPECT_EQ(first->refCount(), 1);
    {
        fw::Ref<Counted> second = first;
        fw::Ref<fw::Object> asObject = first;
        EXPECT_EQ(first->refCount(), 3);
    }
    EXPECT_EQ(first->refCount(), 1);
    fw::Ref<Counted> moved = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(moved->refCount(), 1);
    EXPECT_TRUE(log.empty());
    // The class's tear-down hook runs on the whole object, then it is deleted.
    moved = nullptr;
    EXPECT_EQ(log, (std::vector<std::string>{"tear-down hook", "deleted"}));
}

TEST(ObjectModel, NilAndCheckedCasts) {
    fw::Ref<fw::PushButton> nil;
    EXPECT_THROW(fw::deref(nil), fw::NilObjectException);
    EXPECT_EQ(fw::NilObjectException().className(), "NilObjectException");
    EXPECT_EQ(fw::IllegalCastException().className(), "IllegalCastException");

    fw::Ref<fw::Object> popup(fw::make<fw::PopupMenu>().get());
    EXPECT_TRUE(fw::checkedCast<fw::PopupMenu>(popup));
    EXPECT_TRUE(fw::checkedCast<fw::RectControl>(popup));
    EXPECT_TRUE(fw::checkedCast<fw::Control>(popup));
    EXPECT_THROW(fw::checkedCast<fw::PushButton>(popup), fw::IllegalCastException);
    EXPECT_THROW(fw::checkedCast<fw::Timer>(popup), fw::IllegalCastException);
    EXPECT_FALSE(fw::checkedCast<fw::PushButton>(fw::Ref<fw::Object>()));
}

TEST(ClassRegistry, RecordsAreFoundByNameAndBuiltOnce) {
    const fw::ClassRecord& probe = ProbeWindow::staticRecord();
    EXPECT_EQ(&probe, &ProbeWindow::staticRecord());
    EXPECT_EQ(fw::ClassRegistry::instance().find("ProbeWindow.ProbeWindow"), &probe);
    EXPECT_EQ(fw::ClassRegistry::instance().find("probewindow.probewindow"), nullptr);
    int copies = 0;
    for (const std::string& name : fw::ClassRegistry::instance().names()) copies += name == "ProbeWindow.ProbeWindow";
    EXPECT_EQ(copies, 1);

    EXPECT_TRUE(probe.isA(fw::Window::staticRecord()));
    EXPECT_FALSE(fw::Window::staticRecord().isA(probe));
    EXPECT_TRUE(fw::PopupMenu::staticRecord().isA(fw::RectControl::staticRecord()));

    // Properties are found through the bases, letter case ignored.
    const fw::PropertyRow* left = fw::PopupMenu::staticRecord().findProperty("LEFT");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->name, "Left");
    const fw::PropertyRow* listIndex = fw::PopupMenu::staticRecord().findProperty("listindex");
    ASSERT_NE(listIndex, nullptr);
    EXPECT_EQ(listIndex->name, "ListIndex");
    EXPECT_EQ(fw::PushButton::staticRecord().findProperty("ListIndex"), nullptr);
}

TEST(Delegates, CarryTheirSignatureAndCallTheBoundMethod) {
    auto w = openProbe();
    auto go = fw::createDelegate(fw::Ref<fw::Object>(w.get()), "Go_Action", "( PushButton )");
    EXPECT_EQ(go->signature(), "( PushButton )");
    EXPECT_EQ(go->methodName(), "Go_Action");
    EXPECT_EQ(go->target().get(), w.get());
    go->invoke({fw::Value(fw::Ref<fw::Object>(w->Go().get()))});
    EXPECT_EQ(w->goPushes, 3);

    EXPECT_THROW(fw::createDelegate(fw::Ref<fw::Object>(w.get()), "NoSuchMethod", "(  )"), fw::NilObjectException);
    EXPECT_THROW(fw::createDelegate(fw::Ref<fw::Object>(), "Go_Action", "(  )"), fw::NilObjectException);
    w->Close();
}

TEST(ControlEvents, ListIndexFromCodeRunsChangeInsideTheSetterNested) {
    auto w = openProbe();
    ASSERT_TRUE(fw::testing::nativeShown(*w));
    w->log.clear();

    fw::deref(w->Choice()).SetListIndex(1);
    EXPECT_EQ(w->log, (std::vector<std::string>{"Choice:1@1"}));

    // From inside a Change handler, nested in another control's Change handler.
    w->log.clear();
    fw::deref(w->Other()).SetListIndex(1);
    EXPECT_EQ(w->log, (std::vector<std::string>{"Other:1@1", "Choice:3@2", "Choice:0@3"}));
    EXPECT_EQ(w->Choice()->ListIndex(), 0);
    EXPECT_EQ(w->Choice()->Text(), "a");

    // Setting the same row again still runs Change; -1 selects nothing.
    w->log.clear();
    w->Choice()->SetListIndex(0);
    w->Choice()->SetListIndex(-1);
    EXPECT_EQ(w->log, (std::vector<std::string>{"Choice:0@1", "Choice:-1@1"}));
    EXPECT_EQ(w->Choice()->Text(), "");

    // The user's choice runs the same handler, only when the row differs.
    w->log.clear();
    fw::testing::chooseRow(w->Choice(), 2);
    fw::testing::chooseRow(w->Choice(), 2);
    EXPECT_EQ(w->log, (std::vector<std::string>{"Choice:2@1"}));
    fw::testing::chooseRow(w->Choice(), 3);
    EXPECT_EQ(w->Choice()->ListIndex(), 0);
    EXPECT_EQ(fw::testing::inspect(w->Choice()).text, "a");
    w->Close();
}

TEST(ControlEvents, PushRunsActionInsideTheCallerReentrantly) {
    auto w = openProbe();
    w->log.clear();
    fw::deref(w->Go()).Push();
    EXPECT_EQ(w->log, (std::vector<std::string>{"Go enter 1@1", "Go enter 2@2", "Go enter 3@3", "Go leave 3",
                                                "Go leave 2", "Go leave 1"}));

    // A click runs the same handler.
    w->goPushes = 2;
    w->log.clear();
    fw::testing::click(w->Go());
    EXPECT_EQ(w->log, (std::vector<std::string>{"Go enter 3@1", "Go leave 3"}));

    // An exception raised in a pushed handler leaves the caller too.
    w->log.clear();
    EXPECT_THROW(w->Boom()->Push(), fw::NilObjectException);
    EXPECT_EQ(w->log, (std::vector<std::string>{"Boom"}));
    w->Close();
}

// Run once as the test runner leaves the runtime, and once under the
// exception-handling routine that start-up installs.
class EscapedException : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) fw::runtime::setExceptionHelper(fw::runtime::makeStandardExceptionHelper());
    }
    void TearDown() override { fw::runtime::setExceptionHelper(nullptr); }
};

TEST_P(EscapedException, IsReportedOnceAndTheLoopGoesOn) {
    auto w = openProbe();
    fw::seams::messageBoxTexts().clear();
    w->Choice()->SetListIndex(2);
    w->log.clear();

    fw::testing::click(w->Boom());
    EXPECT_EQ(w->log, (std::vector<std::string>{"Boom"}));
    EXPECT_EQ(fw::seams::messageBoxTexts(),
              (std::vector<std::string>{"An exception of class NilObjectException was not handled."}));

    // The window and its data are as they were, and the next event is handled.
    fw::testing::processEvents();
    EXPECT_TRUE(w->isOpen());
    EXPECT_EQ(w->Choice()->ListIndex(), 2);
    w->goPushes = 2;
    fw::testing::click(w->Go());
    EXPECT_EQ(w->goPushes, 3);
    EXPECT_EQ(fw::seams::messageBoxTexts().size(), 1u);

    // A timer's handler is an event like a click.
    w->Clock()->AddEventHandler("Action", fw::createDelegate(fw::Ref<fw::Object>(w.get()), "Clock_Boom", "( Timer )"));
    w->Clock()->SetPeriod(20);
    w->Clock()->SetMode(1);
    EXPECT_TRUE(fw::testing::waitUntil([] { return fw::seams::messageBoxTexts().size() >= 2; }));
    ASSERT_EQ(fw::seams::messageBoxTexts().size(), 2u);
    EXPECT_EQ(fw::seams::messageBoxTexts()[1], "An exception of class NilObjectException was not handled.");
    EXPECT_TRUE(w->isOpen());
    w->Close();
}

INSTANTIATE_TEST_SUITE_P(ControlEvents, EscapedException, ::testing::Bool());

TEST(ControlEvents, AYieldAfterTheWindowClosedAbandonsTheHandlerQuietly) {
    auto w = openProbe();
    fw::seams::messageBoxTexts().clear();
    w->log.clear();
    fw::testing::click(w->Stop());
    EXPECT_EQ(w->log, (std::vector<std::string>{"Stop"}));
    EXPECT_FALSE(w->isOpen());
    EXPECT_TRUE(fw::seams::messageBoxTexts().empty());
}

TEST(ControlEvents, CheckBoxValueFromCodeRaisesNoAction) {
    auto w = openProbe();
    fw::deref(w->Tick()).SetValue(true);
    fw::deref(w->Tick()).SetValue(false);
    EXPECT_EQ(w->tickActions, 0);
    EXPECT_FALSE(fw::testing::inspect(w->Tick()).checked);

    fw::testing::click(w->Tick());
    EXPECT_EQ(w->tickActions, 1);
    EXPECT_TRUE(w->Tick()->Value());
    fw::testing::click(w->Tick());
    EXPECT_EQ(w->tickActions, 2);
    EXPECT_FALSE(w->Tick()->Value());
    w->Close();
}

// A click, the Space key and an assistive tool's "Toggle" (which Qt carries
// out with no click) each tick or untick the box and raise Action once. The
// tool's call returns first: the tool waits for it, and would wait for a
// message box that the handler showed inside it.
TEST(ControlEvents, EveryWayTheUserTicksACheckBoxRaisesActionOnce) {
    auto w = openProbe();
    const fw::Ref<fw::CheckBox> tick = w->Tick();
    fw::testing::click(tick);
    EXPECT_EQ(w->tickActions, 1);
    fw::testing::focus(tick);
    fw::testing::pressKeysIn(tick, "Space");
    EXPECT_EQ(w->tickActions, 2);
    EXPECT_FALSE(tick->Value());

    ASSERT_TRUE(fw::testing::doAccessibleAction(tick, "Toggle"));
    EXPECT_EQ(w->tickActions, 2);
    EXPECT_TRUE(fw::testing::waitUntil([&] { return w->tickActions == 3; }));
    EXPECT_TRUE(tick->Value());
    EXPECT_TRUE(fw::testing::inspect(tick).checked);
    ASSERT_TRUE(fw::testing::doAccessibleAction(tick, "Toggle"));
    EXPECT_TRUE(fw::testing::waitUntil([&] { return w->tickActions == 4; }));
    EXPECT_FALSE(tick->Value());

    fw::deref(tick).SetValue(true);
    EXPECT_EQ(w->tickActions, 4);
    // A disabled box offers no toggle.
    tick->SetEnabled(false);
    EXPECT_FALSE(fw::testing::doAccessibleAction(tick, "Toggle"));
    fw::testing::processEvents();
    EXPECT_EQ(w->tickActions, 4);
    EXPECT_TRUE(fw::testing::inspect(tick).checked);
    w->Close();
}

TEST(ControlEvents, AClosedWindowsTimerNeverFires) {
    auto open = openProbe();
    open->Clock()->SetPeriod(30);
    open->Clock()->SetMode(1);
    EXPECT_TRUE(fw::testing::waitUntil([open] { return open->clockActions > 0; }));
    EXPECT_EQ(open->clockActions, 1);
    open->Close();

    auto w = openProbe();
    fw::Ref<fw::Timer> clock = w->Clock();
    clock->SetPeriod(30);
    clock->SetMode(1);
    w->Close();
    fw::testing::wait(150);
    EXPECT_EQ(w->clockActions, 0);
    // Arming it again after the close does nothing either.
    clock->SetMode(1);
    fw::testing::wait(100);
    EXPECT_EQ(w->clockActions, 0);
}

// WCAG's contrast ratio of two 0xRRGGBB colours.
double contrast(unsigned a, unsigned b) {
    auto luminance = [](unsigned rgb) {
        auto linear = [](unsigned c) {
            const double v = c / 255.0;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The windows are drawn light whatever the desktop's theme: black text on the
// light gray window and faces, and disabled text (a locked pick) that reads on
// its face yet looks clearly lighter; a palette the desktop sends later does
// not replace it.
TEST(Palette, EnabledAndDisabledTextReadOnTheirFacesWhateverTheDesktopSends) {
    auto w = openProbe();
    auto check = [&](const std::string& when) {
        const std::vector<std::pair<std::string, fw::Ref<fw::RectControl>>> controls = {
            {"popup menu", w->Choice()}, {"push button", w->Go()}, {"check box", w->Tick()}};
        for (const auto& [kind, control] : controls) {
            SCOPED_TRACE(kind + ", " + when);
            control->SetEnabled(true);
            const fw::testing::WidgetInfo enabled = fw::testing::inspect(control);
            control->SetEnabled(false);
            const fw::testing::WidgetInfo disabled = fw::testing::inspect(control);
            control->SetEnabled(true);
            EXPECT_EQ(enabled.foreground, 0x000000u);
            EXPECT_EQ(enabled.face, 0xEFEFEFu);
            EXPECT_GE(contrast(enabled.foreground, enabled.face), 4.5);
            EXPECT_GE(contrast(disabled.foreground, disabled.face), 4.5);
            EXPECT_GE(contrast(disabled.foreground, enabled.foreground), 3.0);
        }
    };
    check("as started");
    // A dark theme's window and text colours.
    fw::testing::desktopSetsPalette(0x323232, 0xF0F0F0);
    check("after the desktop sent a dark palette");
    w->Close();
}

} // namespace
