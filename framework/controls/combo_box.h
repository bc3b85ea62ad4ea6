// An editable combo box.
#pragma once

#include "framework/control.h"

namespace fw {

class ComboBox : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    void AddRow(const std::string& text);
    std::int32_t ListCount() const { return static_cast<std::int32_t>(rows_.size()); }
    std::int32_t ListIndex() const { return listIndex_; }
    void SetListIndex(std::int32_t index);
    std::string Text() const;

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    std::vector<std::string> rows_;
    std::int32_t listIndex_ = -1;
};

} // namespace fw
