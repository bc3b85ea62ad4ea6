// The application object.
#pragma once

#include "framework/application.h"

namespace vantoro {

class App : public fw::Application {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }
    void Constructor() {}
};

} // namespace vantoro
