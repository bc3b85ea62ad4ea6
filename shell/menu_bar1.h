// The application's menu bar: the File, Edit and Instructions menus.
#pragma once

#include "framework/menu.h"

namespace vantoro {

class MenuBar1 : public fw::MenuBar {
public:
    static const fw::ClassRecord& staticRecord();
    const fw::ClassRecord& classRecord() const override { return staticRecord(); }

    void Constructor();
    void Untitled0(); // File
    void Untitled1(); // Edit
    void Untitled2(); // Instructions
};

} // namespace vantoro
