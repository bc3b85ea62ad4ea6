#include "framework/application.h"

namespace fw {

namespace {
std::unique_ptr<ClassRecord> buildApplication() {
    auto r = std::make_unique<ClassRecord>();
    for (const char* name : {"NewDocument", "OpenDocument", "DoEvents", "_AddMenuHandler", "_AddPollableObject",
                             "_RemovePollableObject", "AddTrayItem", "RemoveTrayItem", "YieldToNextThread",
                             "SleepCurrentThread", "_DoSingleEvent", "_EnableMenuItems", "_CallOpen",
                             "_HandleMenuCommand", "_LoadPictureFromBundle", "_LoadBundleSound", "__DependencyList"})
        r->methods.push_back(publicMethod(name));
    return r;
}
} // namespace

const ClassRecord& Application::staticRecord() { return lookupClass("Application", buildApplication); }

} // namespace fw
