#include "framework/controls/label.h"

#include <QLabel>
#include <QMouseEvent>

namespace fw {

namespace {
class PressableLabel : public QLabel {
public:
    PressableLabel(QWidget* parent, Label* owner) : QLabel(parent), owner_(owner) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        owner_->userMouseDown(at.x(), at.y());
    }

private:
    Label* owner_;
};

std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    using L = Label;
    r->properties = {
        props::text<L>("Text", &L::Text, &L::SetText),
        props::row<L, std::int32_t>("TextAlign", "i4", &L::TextAlign, &L::SetTextAlign),
        props::row<L, Color>("TextColor", "c", &L::TextColor, &L::SetTextColor),
        props::row<L, bool>("MultiLine", "b", &L::MultiLine, &L::SetMultiLine),
        props::stored("Selectable", "b"),
        props::stored("Transparent", "b"),
    };
    return r;
}
} // namespace

const ClassRecord& Label::staticRecord() { return lookupClass("Label", build); }

QWidget* Label::createWidget(QWidget* content) {
    auto* label = new PressableLabel(content, this);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Label::SetText(std::string v) {
    text_ = std::move(v);
    applyText();
}

void Label::SetTextAlign(std::int32_t v) {
    textAlign_ = v;
    applyText();
}

void Label::SetTextColor(Color c) {
    textColor_ = c;
    applyText();
}

void Label::SetMultiLine(bool v) {
    multiLine_ = v;
    applyText();
}

void Label::applyText() {
    auto* label = static_cast<QLabel*>(widget());
    if (!label) return;
    QString shown = QString::fromStdString(text_);
    // CR breaks a line only in a multi-line label; one-line labels show one line.
    if (multiLine_) shown.replace(QChar('\r'), QChar('\n'));
    else shown.replace(QChar('\r'), QChar(' '));
    label->setText(shown);
    label->setWordWrap(multiLine_);
    const Qt::Alignment horizontal = textAlign_ == 1 ? Qt::AlignHCenter : textAlign_ == 2 ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, QColor(textColor_.r, textColor_.g, textColor_.b));
    label->setPalette(p);
}

void Label::setLabelFor(const RectControl& control) {
    // The buddy makes the label relation that screen readers read. A "&" in
    // the text would also become a shortcut and show underlined; the labels
    // that name controls hold none.
    if (auto* label = static_cast<QLabel*>(widget())) label->setBuddy(control.nativeWidget());
}

void Label::userMouseDown(std::int32_t x, std::int32_t y) { raiseUserEvent("MouseDown", {Value(x), Value(y)}); }

} // namespace fw
