// A rounded frame drawn beneath the controls placed on it.
#pragma once

#include "framework/control.h"

namespace fw {

class RoundRectangle : public RectControl {
public:
    ~RoundRectangle() override;

    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    fw::Color FillColor() const { return fill_; }
    void SetFillColor(fw::Color c);
    fw::Color BorderColor() const { return border_; }
    void SetBorderColor(fw::Color c);
    std::int32_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(std::int32_t v);
    std::int32_t OvalWidth() const { return ovalWidth_; }
    void SetOvalWidth(std::int32_t v);
    std::int32_t OvalHeight() const { return ovalHeight_; }
    void SetOvalHeight(std::int32_t v);

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    void repaint();
    fw::Color fill_{255, 255, 255};
    fw::Color border_{0, 0, 0};
    std::int32_t borderWidth_ = 1, ovalWidth_ = 16, ovalHeight_ = 16;
};

} // namespace fw
