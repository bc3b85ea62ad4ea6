#pragma once

#include "framework/window.h"

namespace vantoro {

class Window3 : public fw::Window {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }
    void Layout();
    void CreateControls();
};

} // namespace vantoro
