// A list of rows with columns, drawn with grid lines; column widths are given as
// percentages ("85%,15%") of the width that shows the rows, beside the vertical
// scroll bar when it is there. It takes the keyboard focus in its tab order.
#pragma once

#include "framework/control.h"

namespace fw {

class Listbox : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    // Appends a row whose first cells are `cells`.
    void AddRow(const std::vector<std::string>& cells);
    std::int32_t ListCount() const { return static_cast<std::int32_t>(rows_.size()); }
    // The row added last; -1 before any.
    std::int32_t LastIndex() const { return lastIndex_; }
    // Empty text for a cell outside the list.
    std::string Cell(std::int32_t row, std::int32_t column) const;
    void SetCell(std::int32_t row, std::int32_t column, const std::string& text);

    std::int32_t ColumnCount() const { return columnCount_; }
    void SetColumnCount(std::int32_t v);
    const std::string& ColumnWidths() const { return columnWidths_; }
    void SetColumnWidths(std::string v);
    bool HasHeading() const { return hasHeading_; }
    void SetHasHeading(bool v);

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    void applyColumns();
    std::vector<std::vector<std::string>> rows_;
    std::int32_t lastIndex_ = -1;
    std::int32_t columnCount_ = 1;
    std::string columnWidths_;
    bool hasHeading_ = false;
};

} // namespace fw
