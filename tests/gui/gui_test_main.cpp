// Runs the GUI tests on the headless platform, with message boxes answered and
// URLs recorded, so no test waits on a person.
#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/test_driver.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    fw::testing::startHeadless();
    vantoro::registerClasses();
    fw::seams::answerMessageBoxes(true);
    fw::seams::recordUrls(true);
    const int result = RUN_ALL_TESTS();
    vantoro::finalize();
    fw::runtime::exit();
    return result;
}
