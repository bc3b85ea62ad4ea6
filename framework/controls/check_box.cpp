#include "framework/controls/check_box.h"

#include <QCheckBox>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    r->properties = {
        props::text<CheckBox>("Caption", &CheckBox::Caption, &CheckBox::SetCaption),
        props::row<CheckBox, bool>("Value", "b", &CheckBox::Value, &CheckBox::SetValue),
        props::stored("State", "i4"),
    };
    return r;
}
} // namespace

const ClassRecord& CheckBox::staticRecord() { return lookupClass("CheckBox", build); }

QWidget* CheckBox::createWidget(QWidget* content) {
    auto* box = new QCheckBox(content);
    QObject::connect(box, &QCheckBox::clicked, box, [this](bool checked) { userClicked(checked); });
    return box;
}

void CheckBox::SetCaption(std::string v) {
    caption_ = std::move(v);
    if (auto* box = static_cast<QCheckBox*>(widget())) box->setText(QString::fromStdString(caption_));
}

void CheckBox::SetValue(bool v) {
    value_ = v;
    if (auto* box = static_cast<QCheckBox*>(widget())) {
        const QSignalBlocker block(box);
        box->setChecked(v);
    }
}

void CheckBox::userClicked(bool checked) {
    // The tick counts when the click is delivered: it may wait for a running
    // handler, and a box disabled meanwhile takes none.
    SetValue(value_);
    raiseUserEvent("Action", {}, [this, checked] {
        SetValue(checked);
        return true;
    });
}

} // namespace fw
