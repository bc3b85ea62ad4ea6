#include "framework/controls/combo_box.h"

#include "framework/incoming_text.h"

#include <QComboBox>
#include <QLineEdit>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    r->properties = {
        props::row<ComboBox, std::int32_t>("ListIndex", "i4", &ComboBox::ListIndex, &ComboBox::SetListIndex),
        props::stored("InitialValue", "s"),
        props::stored("UseFocusRing", "b"),
        props::stored("AutoComplete", "b"),
    };
    return r;
}
} // namespace

const ClassRecord& ComboBox::staticRecord() { return lookupClass("ComboBox", build); }

QWidget* ComboBox::createWidget(QWidget* content) {
    auto* combo = new QComboBox(content);
    combo->setEditable(true);
    incoming::guardDrops(*combo->lineEdit());
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

void ComboBox::AddRow(const std::string& text) {
    rows_.push_back(text);
    if (auto* combo = static_cast<QComboBox*>(widget())) combo->addItem(QString::fromStdString(text));
}

void ComboBox::SetListIndex(std::int32_t index) {
    listIndex_ = (index >= 0 && index < ListCount()) ? index : -1;
    if (auto* combo = static_cast<QComboBox*>(widget())) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(listIndex_);
    }
    raiseEvent("Change");
}

std::string ComboBox::Text() const {
    if (auto* combo = static_cast<QComboBox*>(widget())) return combo->currentText().toStdString();
    return listIndex_ >= 0 ? rows_[static_cast<std::size_t>(listIndex_)] : std::string();
}

} // namespace fw
