// The main window under long use and under a fault of an odd kind: Restart
// after Restart leaves every widget its own accessibility interface, a
// handler that throws something the runtime does not know is reported like
// any other exception, and the program goes on; what went wrong, and where,
// reaches the error output, or fails quietly where nobody reads it.
#include "framework/delegate.h"
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

TEST(Robustness, EveryWidgetKeepsItsOwnAccessibleInterfaceThroughManyRestarts) {
    // A deleted widget whose entry stayed behind hands its dead interface to
    // the next widget built at its address; asking every widget after each
    // Restart, as a screen reader does, finds one soon.
    fw::Ref<vantoro::Window1> w = vantoro::implicit::Window1();
    int foreign = 0;
    int restarts = 0;
    for (; restarts < 200 && foreign == 0; ++restarts) {
        foreign += fw::testing::foreignAccessibleInterfaces(*w);
        fw::testing::click(w->PushButton8());
        // The event loop's turn: the closed window's widgets are deleted.
        fw::testing::wait(0);
        ASSERT_FALSE(w->isOpen());
        w = vantoro::implicit::Window1();
    }
    foreign += fw::testing::foreignAccessibleInterfaces(*w);
    EXPECT_EQ(foreign, 0) << "after " << restarts << " restarts";
    EXPECT_EQ(fw::Window::openWindows().size(), 1u);
    w->Close();
}

TEST(Robustness, AnExceptionOfAnUnknownTypeIsReportedAndTheProgramGoesOn) {
    // Once as the test runner leaves the runtime, once under the
    // exception-handling routine that start-up installs.
    for (bool underHelper : {false, true}) {
        SCOPED_TRACE(underHelper ? "under the exception-handling routine" : "without it");
        if (underHelper) fw::runtime::setExceptionHelper(fw::runtime::makeStandardExceptionHelper());
        fw::seams::messageBoxTexts().clear();
        fw::seams::shownUrls().clear();
        fw::Ref<vantoro::Window1> w = vantoro::implicit::Window1();
        fw::deref(w->PushButton8())
            .AddEventHandler("Action", fw::make<fw::Delegate>(
                                           "Throws",
                                           [](fw::Object&, std::span<const fw::Value>) -> fw::Value { throw 42; },
                                           "( PushButton )"));

        EXPECT_NO_THROW(fw::testing::click(w->PushButton8()));
        EXPECT_EQ(fw::seams::messageBoxTexts(),
                  (std::vector<std::string>{"An exception of class RuntimeException was not handled."}));

        // The window stays, and its next event runs its handler.
        fw::testing::processEvents();
        EXPECT_TRUE(w->isOpen());
        fw::testing::pressMouse(w->Label26());
        EXPECT_EQ(fw::seams::shownUrls().size(), 1u);
        EXPECT_EQ(fw::seams::messageBoxTexts().size(), 1u);
        w->Close();
        fw::runtime::setExceptionHelper(nullptr);
    }
}

TEST(Robustness, TheErrorOutputNamesAMissingControlAndAListThatStopped) {
    fw::seams::messageBoxTexts().clear();
    fw::Ref<vantoro::Window1> w = vantoro::implicit::Window1();
    // A control that the window no longer finds by its name: the team popups'
    // handler asks for it when another team is chosen.
    fw::deref(w->PopupMenu2()).SetName("Renamed");
    ::testing::internal::CaptureStderr();
    fw::testing::chooseRow(w->PopupMenu1(), 1);
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("NilObjectException"), std::string::npos) << said;
    EXPECT_NE(said.find("no PopupMenu2 in Window1.Window1"), std::string::npos) << said;
    EXPECT_NE(said.find("team_selection.cpp:"), std::string::npos) << said;
    // The user's box says no more than before.
    const std::vector<std::string> box{"An exception of class NilObjectException was not handled."};
    EXPECT_EQ(fw::seams::messageBoxTexts(), box);

    // An error output that nobody reads any more (a pipe whose reader quit)
    // takes nothing, and the box still comes.
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    close(pipeEnds[0]);
    const int errorOutput = dup(STDERR_FILENO);
    dup2(pipeEnds[1], STDERR_FILENO);
    close(pipeEnds[1]);
    fw::seams::messageBoxTexts().clear();
    fw::testing::chooseRow(w->PopupMenu1(), 2);
    dup2(errorOutput, STDERR_FILENO);
    close(errorOutput);
    std::clearerr(stderr);
    EXPECT_EQ(fw::seams::messageBoxTexts(), box);

    // A name built on the spot is still named when the missing control is used;
    // the text freed after the lookup is taken by another at once.
    fw::Found<fw::Label> missing = w->controlNamed<fw::Label>("Label" + std::string(40, '9'));
    const std::string reused(45, '#');
    try {
        fw::deref(missing);
        ADD_FAILURE() << "no exception";
    } catch (const fw::NilObjectException& e) {
        EXPECT_NE(std::string(e.what()).find("no Label" + std::string(40, '9') + " in Window1.Window1"),
                  std::string::npos)
            << e.what() << reused;
    }

    // A property list that names a key the class does not have is applied up to
    // that key, and the rest is reported, not dropped in silence.
    using namespace std::string_view_literals;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(fw::SetProperties(fw::deref(w->Label1()), "Text \0\0\0\x02hiCaptionColour \x01"sv));
    said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(fw::deref(w->Label1()).Text(), "hi");
    EXPECT_NE(said.find("Label1 (Label)"), std::string::npos) << said;
    EXPECT_NE(said.find("unknown key \"CaptionColour\""), std::string::npos) << said;
    w->Close();
}

} // namespace
