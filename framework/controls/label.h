// A label: static text, left-aligned or centred, on one or several lines (CR
// breaks a line). A mouse press raises MouseDown with the position.
#pragma once

#include "framework/control.h"

namespace fw {

class Label : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    const std::string& Text() const { return text_; }
    void SetText(std::string v);
    std::int32_t TextAlign() const { return textAlign_; }
    void SetTextAlign(std::int32_t v);
    fw::Color TextColor() const { return textColor_; }
    void SetTextColor(fw::Color c);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);

    // The label names `control` for assistive tools: a screen reader reads
    // its text as the control's label.
    void setLabelFor(const RectControl& control);

    // The user pressed the mouse at x, y in the label's coordinates.
    void userMouseDown(std::int32_t x, std::int32_t y);

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    void applyText();
    std::string text_;
    std::int32_t textAlign_ = 0;
    fw::Color textColor_{0, 0, 0};
    bool multiLine_ = false;
};

} // namespace fw
