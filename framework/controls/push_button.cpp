#include "framework/controls/push_button.h"

#include <QPushButton>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    r->properties = {
        props::text<PushButton>("Caption", &PushButton::Caption, &PushButton::SetCaption),
        props::stored("Default", "b"),
        props::stored("Cancel", "b"),
        props::stored("ButtonStyle", "i4"),
    };
    return r;
}
} // namespace

const ClassRecord& PushButton::staticRecord() { return lookupClass("PushButton", build); }

QWidget* PushButton::createWidget(QWidget* content) {
    auto* button = new QPushButton(content);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { raiseUserEvent("Action"); });
    return button;
}

void PushButton::SetCaption(std::string v) {
    caption_ = std::move(v);
    if (auto* button = static_cast<QPushButton*>(widget())) button->setText(QString::fromStdString(caption_));
}

void PushButton::Push() {
    // A disabled button does nothing, pushed or clicked: a game played by hand
    // while the chain waited is not played again by the chain.
    if (!Enabled()) return;
    raiseEvent("Action");
}

} // namespace fw
