#include "framework/controls/text_field.h"

#include "framework/incoming_text.h"

#include <QLineEdit>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    using T = TextField;
    r->properties = {
        props::text<T>("Text", &T::Text, &T::SetText),
        props::row<T, Color>("BackColor", "c", &T::BackColor, &T::SetBackColor),
        props::row<T, Color>("TextColor", "c", &T::TextColor, &T::SetTextColor),
        props::row<T, bool>("ReadOnly", "b", &T::ReadOnly, &T::SetReadOnly),
        props::stored("Border", "b"),
        props::stored("Password", "b"),
        props::stored("UseFocusRing", "b"),
        props::stored("Format", "s"),
        props::stored("CueText", "s"),
        props::stored("Mask", "s"),
        props::stored("LimitText", "i4"),
        props::stored("AcceptTabs", "b"),
        props::stored("Alignment", "i4"),
        props::stored("AutomaticallyCheckSpelling", "b"),
    };
    return r;
}
} // namespace

const ClassRecord& TextField::staticRecord() { return lookupClass("TextField", build); }

QWidget* TextField::createWidget(QWidget* content) {
    auto* edit = new QLineEdit(content);
    incoming::guardDrops(*edit);
    // Qt reports typing as an edit, but an assistive tool's text (a dictation
    // tool, a screen reader's editing commands) only as a change.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString& text) {
        if (!settingText_) text_ = text.toStdString();
    });
    edit->setAutoFillBackground(true);
    return edit;
}

void TextField::SetText(std::string v) {
    text_ = std::move(v);
    if (auto* edit = static_cast<QLineEdit*>(widget())) {
        settingText_ = true;
        edit->setText(QString::fromStdString(text_));
        settingText_ = false;
    }
}

void TextField::SetBackColor(Color c) {
    backColor_ = c;
    applyColors();
}

void TextField::SetTextColor(Color c) {
    textColor_ = c;
    applyColors();
}

void TextField::SetReadOnly(bool v) {
    readOnly_ = v;
    if (auto* edit = static_cast<QLineEdit*>(widget())) edit->setReadOnly(v);
}

void TextField::applyColors() {
    auto* edit = static_cast<QLineEdit*>(widget());
    if (!edit) return;
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, QColor(backColor_.r, backColor_.g, backColor_.b));
    p.setColor(QPalette::Text, QColor(textColor_.r, textColor_.g, textColor_.b));
    edit->setPalette(p);
}

} // namespace fw
