// A push button. Push raises Action at once, inside the caller, also from
// within the button's own handler, when the button is enabled; a click raises
// the same handler.
#pragma once

#include "framework/control.h"

namespace fw {

class PushButton : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string v);
    void Push();

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    std::string caption_;
};

} // namespace fw
