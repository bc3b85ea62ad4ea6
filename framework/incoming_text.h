// Text that comes in from elsewhere: a paste from the clipboard or the X
// selection, and a drop. What the window system hands over may be null or list
// no format at all: nothing owns the clipboard, its owner quit before the
// paste, or a large transfer ran out of time. Some toolkit versions read the
// first format of such data unchecked and crash, so every widget that takes
// text is built or guarded here, and such data is dropped before the toolkit
// sees it: nothing is inserted and nothing is said.
#pragma once

class QLineEdit;
class QMimeData;
class QTextEdit;
class QWidget;

namespace fw::incoming {

// Whether the data can be inserted at all: present and listing a format.
bool insertable(const QMimeData* data);

// A text edit that ignores data that is not insertable on every route: the
// paste keys, the middle button, the Edit menu, its context menu and drops.
// Real text goes in as it otherwise would.
QTextEdit* newTextEdit(QWidget* parent);

// A line edit asks the clipboard for text only, but takes a drop's data as it
// comes: drags and drops of data that is not insertable are refused.
void guardDrops(QLineEdit& edit);

} // namespace fw::incoming
