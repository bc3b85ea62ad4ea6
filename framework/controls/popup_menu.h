// A popup menu: rows of text, one selected. Setting ListIndex from code raises
// Change at once, inside the setter; so does the user's choice of a row.
#pragma once

#include "framework/control.h"

namespace fw {

class PopupMenu : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    void AddRow(const std::string& text);
    std::int32_t ListCount() const { return static_cast<std::int32_t>(rows_.size()); }
    std::string List(std::int32_t row) const;
    // -1: no row selected.
    std::int32_t ListIndex() const { return listIndex_; }
    void SetListIndex(std::int32_t index);
    // The selected row's text; empty when no row is selected.
    std::string Text() const;

    const std::string& InitialValue() const { return initialValue_; }
    void SetInitialValue(std::string v);

    // The user picked a row.
    void userSelected(std::int32_t index);

    // A screen reader reads a popup menu as the row it shows, after the label
    // that names it: the name becomes such a label, one that is never shown.
    void setAccessibleName(const std::string& name) override;

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    void showSelection();
    std::vector<std::string> rows_;
    std::int32_t listIndex_ = -1;
    std::string initialValue_;
};

} // namespace fw
