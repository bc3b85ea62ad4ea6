#include "framework/controls/check_box.h"

#include <QCheckBox>
#include <QTimer>

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
    // Every change of the tick passes `toggled`, but for the program's own
    // SetValue, which blocks it: a click's and a key's just before their
    // `clicked`, and an assistive tool's "Toggle", which emits nothing else.
    QObject::connect(box, &QCheckBox::toggled, box, [this](bool checked) { userToggled(checked); });
    QObject::connect(box, &QCheckBox::clicked, box, [this] { deliverTick(); });
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

void CheckBox::userToggled(bool checked) {
    // The box shows the tick once it is delivered: it may wait for a running
    // handler, and a box disabled meanwhile takes none.
    SetValue(value_);
    pendingTick_ = checked;
    // A click or a key is decided at its `clicked`, which follows at once. A
    // tool's toggle comes inside the tool's call over the accessibility bus,
    // and the tool waits for that call to return: it is decided from the event
    // loop afterwards, so a message box that the handler shows does not hold
    // the tool up. Qt carries out a button's "Press" the same way.
    QTimer::singleShot(0, widget(), [self = Ref<CheckBox>(this)] { self->deliverTick(); });
}

void CheckBox::deliverTick() {
    if (!pendingTick_) return;
    const bool checked = *pendingTick_;
    pendingTick_.reset();
    raiseUserEvent("Action", {}, [this, checked] {
        SetValue(checked);
        return true;
    });
}

} // namespace fw
