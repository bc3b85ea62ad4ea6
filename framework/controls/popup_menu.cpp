#include "framework/controls/popup_menu.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QWheelEvent>

namespace fw {

namespace {
std::unique_ptr<ClassRecord> build() {
    auto r = std::make_unique<ClassRecord>();
    r->base = &RectControl::staticRecord();
    r->properties = {
        props::row<PopupMenu, std::int32_t>("ListIndex", "i4", &PopupMenu::ListIndex, &PopupMenu::SetListIndex),
        props::text<PopupMenu>("InitialValue", &PopupMenu::InitialValue, &PopupMenu::SetInitialValue),
    };
    return r;
}

// A closed popup only opens: the wheel, the arrow and paging keys and typed
// letters would each pick a row at once and run Change, which may refuse the
// row or lock the popup, while the user is merely browsing. Those keys open
// the list instead (a letter also moves the highlight to a row it starts), and
// a row is chosen only in the open list, by Return or a click; Escape closes
// it unchanged. The open list scrolls with the wheel as usual: it gets the
// wheel itself.
class ChoosingComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    ~ChoosingComboBox() override { delete namingLabel_; }

    // Qt's bridge to the Linux accessibility bus names a combo box by the row
    // it shows, as screen readers expect (they read a new pick as a new name),
    // and passes no name set on the box itself. A screen reader names such a
    // control by the label that labels it: a hidden label, a sibling whose
    // buddy is the box, gives that relation and changes nothing on screen.
    void nameFor(const QString& name) {
        if (!namingLabel_) {
            namingLabel_ = new QLabel(parentWidget());
            namingLabel_->setTextFormat(Qt::PlainText);
            namingLabel_->hide();
            namingLabel_->setBuddy(this);
        }
        namingLabel_->setText(name);
    }

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            openList({});
            return;
        default:
            break;
        }
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace()) {
            openList(text);
            return;
        }
        QComboBox::keyPressEvent(event);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!event->commitString().isEmpty()) openList(event->commitString());
        event->accept();
    }

private:
    void openList(const QString& typed) {
        showPopup();
        if (!typed.isEmpty() && view()->isVisible()) view()->keyboardSearch(typed);
    }

    QPointer<QLabel> namingLabel_;
};
} // namespace

const ClassRecord& PopupMenu::staticRecord() { return lookupClass("PopupMenu", build); }

QWidget* PopupMenu::createWidget(QWidget* content) {
    auto* combo = new ChoosingComboBox(content);
    QObject::connect(combo, &QComboBox::activated, combo, [this](int index) { userSelected(index); });
    return combo;
}

void PopupMenu::AddRow(const std::string& text) {
    rows_.push_back(text);
    if (auto* combo = static_cast<QComboBox*>(widget())) {
        combo->addItem(QString::fromStdString(text));
        showSelection();
    }
}

std::string PopupMenu::List(std::int32_t row) const {
    if (row < 0 || row >= ListCount()) return {};
    return rows_[static_cast<std::size_t>(row)];
}

void PopupMenu::SetListIndex(std::int32_t index) {
    // An index outside the rows selects nothing, as on a list that has none yet.
    listIndex_ = (index >= 0 && index < ListCount()) ? index : -1;
    showSelection();
    raiseEvent("Change");
}

std::string PopupMenu::Text() const { return List(listIndex_); }

void PopupMenu::SetInitialValue(std::string v) {
    initialValue_ = std::move(v);
    // Initial rows are separated by CR.
    std::size_t start = 0;
    while (!initialValue_.empty() && start <= initialValue_.size()) {
        std::size_t end = initialValue_.find('\r', start);
        AddRow(initialValue_.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

void PopupMenu::userSelected(std::int32_t index) {
    // The pick shows and counts when it is delivered: it may wait for a running
    // handler, and a popup disabled meanwhile takes none.
    showSelection();
    raiseUserEvent("Change", {}, [this, index] {
        if (index == listIndex_ || index < 0 || index >= ListCount()) return false;
        listIndex_ = index;
        showSelection();
        return true;
    });
}

void PopupMenu::setAccessibleName(const std::string& name) {
    if (auto* combo = static_cast<ChoosingComboBox*>(widget())) combo->nameFor(QString::fromStdString(name));
}

void PopupMenu::showSelection() {
    if (auto* combo = static_cast<QComboBox*>(widget())) {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(listIndex_);
    }
}

} // namespace fw
