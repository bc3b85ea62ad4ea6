// A check box. The user's click toggles it and raises Action; setting Value
// from code does not.
#pragma once

#include "framework/control.h"

namespace fw {

class CheckBox : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string v);
    bool Value() const { return value_; }
    void SetValue(bool v);

    void userClicked(bool checked);

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    std::string caption_;
    bool value_ = false;
};

} // namespace fw
