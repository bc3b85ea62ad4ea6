#include "shell/app.h"

namespace vantoro {

namespace {
std::unique_ptr<fw::ClassRecord> build() {
    auto r = std::make_unique<fw::ClassRecord>();
    r->base = &fw::Application::staticRecord();
    r->methods = {fw::publicMethod("Constructor", "%%", fw::invokerOf<&App::Constructor>())};
    return r;
}
} // namespace

const fw::ClassRecord& App::staticRecord() { return fw::lookupClass("App", build); }

} // namespace vantoro
