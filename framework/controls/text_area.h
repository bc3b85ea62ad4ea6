// A multi-line, scrolling text area the user may edit. CR breaks a line.
#pragma once

#include "framework/control.h"

namespace fw {

class TextArea : public RectControl {
public:
    static const ClassRecord& staticRecord();
    const ClassRecord& classRecord() const override { return staticRecord(); }

    // The text as it stands now, the user's edits included, lines broken by CR.
    std::string Text() const;
    void SetText(std::string v);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    bool ScrollBarVertical() const { return scrollVertical_; }
    void SetScrollBarVertical(bool v);
    bool ScrollBarHorizontal() const { return scrollHorizontal_; }
    void SetScrollBarHorizontal(bool v);
    // False: Tab moves the focus on (Shift+Tab back) instead of typing a tab.
    bool AcceptTabs() const { return acceptTabs_; }
    void SetAcceptTabs(bool v);
    // True: misspelt words are marked as the user types.
    bool AutomaticallyCheckSpelling() const { return checkSpelling_; }
    void SetAutomaticallyCheckSpelling(bool v);

protected:
    QWidget* createWidget(QWidget* content) override;

private:
    void applyOptions();
    std::string text_;
    bool readOnly_ = false, scrollVertical_ = true, scrollHorizontal_ = false;
    bool acceptTabs_ = false, checkSpelling_ = false;
};

} // namespace fw
