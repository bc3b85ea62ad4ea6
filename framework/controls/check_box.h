// A check box. The user's tick or untick raises Action, however it came: a
// click, the Space key, or an assistive tool's toggle; setting Value from code
// does not.
#pragma once

#include "framework/control.h"

#include <optional>

namespace fw {

class CheckBox : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string v);
    bool Value() const { return value_; }
    void SetValue(bool v);

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    void userToggled(bool checked);
    void deliverTick();
    std::string caption_;
    bool value_ = false;
    // The tick the user gave, until it is delivered.
    std::optional<bool> pendingTick_;
};

} // namespace fw
