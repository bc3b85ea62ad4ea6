#include "framework/incoming_text.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>

namespace fw::incoming {

bool insertable(const QMimeData* data) { return data && !data->formats().isEmpty(); }

namespace {
// Every paste and drop of a text edit passes these two: paste asks only the
// second, drag and drop the first and then the second.
class GuardedTextEdit final : public QTextEdit {
public:
    using QTextEdit::QTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return insertable(source) && QTextEdit::canInsertFromMimeData(source);
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (insertable(source)) QTextEdit::insertFromMimeData(source);
    }
};

class DropGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            // The enter and move events are drop events too.
            if (!insertable(static_cast<QDropEvent*>(event)->mimeData())) {
                event->ignore();
                return true;
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

QTextEdit* newTextEdit(QWidget* parent) { return new GuardedTextEdit(parent); }

void guardDrops(QLineEdit& edit) { edit.installEventFilter(new DropGuard(&edit)); }

} // namespace fw::incoming
