// A one-line text field with a background colour and a text colour.
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

    void userEdited(std::string text) { text_ = std::move(text); }

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    void applyColors();
    std::string text_;
    fw::Color backColor_{255, 255, 255};
    fw::Color textColor_{0, 0, 0};
    bool readOnly_ = false;
};

} // namespace fw
