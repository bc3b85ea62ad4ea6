// Saves a picture of the main window as built (main_window.png in the working
// folder, the build folder under ctest) and checks that every designed caption
// and text shows whole in its box.
#include "framework/test_driver.h"
#include "main_window/window1.h"
#include "shell/implicit_instances.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(Screenshot, MainWindowSavedAndNoDesignedTextClipped) {
    auto w = vantoro::implicit::Window1();
    fw::testing::processEvents();
    const std::filesystem::path path = std::filesystem::current_path() / "main_window.png";
    ASSERT_TRUE(fw::testing::screenshot(*w, path.string()));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);

    for (const auto& control : w->controls()) {
        const bool bearsText = dynamic_cast<fw::Label*>(control.get()) || dynamic_cast<fw::PushButton*>(control.get()) ||
                               dynamic_cast<fw::CheckBox*>(control.get());
        if (bearsText) {
            EXPECT_TRUE(fw::testing::textFits(fw::Ref<fw::Object>(control.get()))) << control->Name();
        }
    }
    w->Close();
}

} // namespace
