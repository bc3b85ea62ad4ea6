// A one-line text field with a background colour and a text colour. Text is
// what the field shows, whoever changed it: the program, the user typing or
// pasting, an input method or an assistive tool writing into it.
#pragma once

#include "framework/control.h"

namespace fw {

class TextField : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    const std::string& Text() const { return text_; }
    void SetText(std::string v);
    fw::Color BackColor() const { return backColor_; }
    void SetBackColor(fw::Color c);
    fw::Color TextColor() const { return textColor_; }
    void SetTextColor(fw::Color c);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    void applyColors();
    std::string text_;
    // While the program sets the text, the field's change is no one else's.
    bool settingText_ = false;
    fw::Color backColor_{255, 255, 255};
    fw::Color textColor_{0, 0, 0};
    bool readOnly_ = false;
};

} // namespace fw
