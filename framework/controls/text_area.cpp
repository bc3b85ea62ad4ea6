#include "framework/controls/text_area.h"

#include "framework/incoming_text.h"
#include "framework/spelling.h"

#include <QTextEdit>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    using T = TextArea;
    r->properties = {
        props::text<T>("Text", &T::Text, &T::SetText),
        props::row<T, bool>("ReadOnly", "b", &T::ReadOnly, &T::SetReadOnly),
        props::row<T, bool>("ScrollBarVertical", "b", &T::ScrollBarVertical, &T::SetScrollBarVertical),
        props::row<T, bool>("ScrollBarHorizontal", "b", &T::ScrollBarHorizontal, &T::SetScrollBarHorizontal),
        props::stored("Border", "b"),
        props::stored("MultiLine", "b"),
        props::stored("Styled", "b"),
        props::stored("UseFocusRing", "b"),
        props::stored("TextColor", "c"),
        props::stored("BackColor", "c"),
        props::stored("Format", "s"),
        props::stored("HideSelection", "b"),
        props::stored("Mask", "s"),
        props::stored("LimitText", "i4"),
        props::row<T, bool>("AcceptTabs", "b", &T::AcceptTabs, &T::SetAcceptTabs),
        props::stored("Alignment", "i4"),
        props::row<T, bool>("AutomaticallyCheckSpelling", "b", &T::AutomaticallyCheckSpelling,
                            &T::SetAutomaticallyCheckSpelling),
    };
    return r;
}
} // namespace

const ClassRecord& TextArea::staticRecord() { return lookupClass("TextArea", build); }

QWidget* TextArea::createWidget(QWidget* content) {
    QTextEdit* edit = incoming::newTextEdit(content);
    edit->setAcceptRichText(false);
    edit->setLineWrapMode(QTextEdit::WidgetWidth);
    edit->setTabChangesFocus(!acceptTabs_);
    return edit;
}

std::string TextArea::Text() const {
    if (auto* edit = static_cast<QTextEdit*>(widget())) {
        QString text = edit->toPlainText();
        text.replace(QChar('\n'), QChar('\r'));
        return text.toStdString();
    }
    return text_;
}

void TextArea::SetText(std::string v) {
    text_ = std::move(v);
    if (auto* edit = static_cast<QTextEdit*>(widget())) {
        QString shown = QString::fromStdString(text_);
        shown.replace(QChar('\r'), QChar('\n'));
        edit->setPlainText(shown);
    }
}

void TextArea::SetReadOnly(bool v) {
    readOnly_ = v;
    applyOptions();
}
void TextArea::SetScrollBarVertical(bool v) {
    scrollVertical_ = v;
    applyOptions();
}
void TextArea::SetScrollBarHorizontal(bool v) {
    scrollHorizontal_ = v;
    applyOptions();
}

void TextArea::SetAcceptTabs(bool v) {
    acceptTabs_ = v;
    applyOptions();
}
void TextArea::SetAutomaticallyCheckSpelling(bool v) {
    checkSpelling_ = v;
    if (auto* edit = static_cast<QTextEdit*>(widget())) spelling::check(*edit->document(), v);
}

void TextArea::applyOptions() {
    auto* edit = static_cast<QTextEdit*>(widget());
    if (!edit) return;
    edit->setReadOnly(readOnly_);
    edit->setTabChangesFocus(!acceptTabs_);
    edit->setVerticalScrollBarPolicy(scrollVertical_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(scrollHorizontal_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

} // namespace fw
