// The application object's base.
#pragma once

#include "framework/menu.h"

namespace fw {

class Application : public Object {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }
    Ref<MenuBar> GetMenuBar() const { return menuBar_; }
    void SetMenuBar(Ref<MenuBar> bar) { menuBar_ = std::move(bar); }

private:
    Ref<MenuBar> menuBar_;
};

} // namespace fw
