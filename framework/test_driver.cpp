#include "framework/test_driver.h"

#include "framework/control.h"
#include "framework/runtime.h"
#include "framework/window.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace fw::testing {

namespace {
QWidget* widgetOf(const Ref<Object>& object) {
    auto control = checkedCast<Control>(object);
    return deref(control).nativeWidget();
}

QWidget* requireWidget(const Ref<Object>& object) {
    QWidget* w = widgetOf(object);
    if (!w) throw NilObjectException("control has no widget");
    return w;
}

// As the window system delivers a click: to the top-level window, where modality applies.
void clickInWindow(QWidget* w) {
    QWidget* top = w->window();
    if (QWindow* handle = top->windowHandle())
        QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, w->mapTo(top, w->rect().center()));
}

std::unique_ptr<QMimeData> mimeData(Incoming data, const std::string& text) {
    if (data == Incoming::Null) return nullptr;
    auto mime = std::make_unique<QMimeData>();
    if (data == Incoming::Text) mime->setText(QString::fromStdString(text));
    return mime;
}

unsigned rgbOf(const QColor& c) { return (unsigned(c.red()) << 16) | (unsigned(c.green()) << 8) | unsigned(c.blue()); }
} // namespace

void startHeadless() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder; a headless run has none of its own.
        static const std::string folder = "/tmp/vantoro-tests-" + std::to_string(getuid());
        mkdir(folder.c_str(), 0700);
        chmod(folder.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
    static int argc = 1;
    static char name[] = "vantoro_tests";
    static char* argv[] = {name, nullptr};
    runtime::init(argc, argv);
}

void click(const Ref<Object>& control) {
    QWidget* w = requireWidget(control);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2));
}

void clickThroughWindow(const Ref<Object>& control) { clickInWindow(requireWidget(control)); }

void chooseRow(const Ref<Object>& popup, int row) {
    auto* combo = qobject_cast<QComboBox*>(requireWidget(popup));
    if (!combo || !combo->isEnabled()) return;
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

void typeText(const Ref<Object>& control, const std::string& text) {
    QWidget* w = requireWidget(control);
    w->setFocus();
    QTest::keyClicks(w, QString::fromStdString(text));
}

void pressMouse(const Ref<Object>& control, int x, int y) {
    QTest::mousePress(requireWidget(control), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
}

void wait(int ms) { QTest::qWait(ms); }

void processEvents() { QCoreApplication::processEvents(); }

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

bool waitUntil(const std::function<bool()>& holds, int deadlineMs) { return QTest::qWaitFor(holds, deadlineMs); }

struct Watch::Poll {
    QTimer timer;
    QElapsedTimer since;
};

Watch::Watch(std::function<bool()> holds, std::function<void()> action, std::function<void()> expired, int deadlineMs)
    : poll_(std::make_unique<Poll>()) {
    poll_->since.start();
    poll_->timer.setInterval(10);
    QObject::connect(&poll_->timer, &QTimer::timeout, &poll_->timer,
                     [this, holds = std::move(holds), action = std::move(action), expired = std::move(expired),
                      deadlineMs] {
                         const bool held = holds();
                         if (!held && !poll_->since.hasExpired(deadlineMs)) return;
                         poll_->timer.stop();
                         // A copy: what runs may end the watch itself.
                         const std::function<void()> run = held ? action : expired;
                         if (run) run();
                     });
    poll_->timer.start();
}

Watch::~Watch() = default;

bool waitUntilExposed(const Window& window) {
    QMainWindow* native = window.nativeWindow();
    return native && QTest::qWaitForWindowExposed(native, kDeadlineMs);
}

ScreenPoint screenCenter(const Ref<Object>& control) {
    QWidget* w = requireWidget(control);
    const QPoint p = w->mapToGlobal(w->rect().center());
    return {p.x(), p.y()};
}

WidgetInfo inspect(const Ref<Object>& control) {
    WidgetInfo info;
    QWidget* w = widgetOf(control);
    if (!w) return info;
    info.left = w->x();
    info.top = w->y();
    info.width = w->width();
    info.height = w->height();
    info.enabled = w->isEnabled();
    info.shown = !w->isHidden();
    info.pixelSize = w->font().pixelSize();
    info.family = QFontInfo(w->font()).family().toStdString();
    info.bold = w->font().bold();
    info.underline = w->font().underline();
    // The palette's colours in the control's present state (enabled or not).
    const QPalette& palette = w->palette();
    info.foreground = rgbOf(palette.color(QPalette::WindowText));
    info.face = rgbOf(palette.color(QPalette::Window));
    if (auto* label = qobject_cast<QLabel*>(w)) {
        info.text = label->text().toStdString();
        info.alignment = label->alignment().testFlag(Qt::AlignHCenter) ? 1 : 0;
        info.wordWrap = label->wordWrap();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        info.text = button->text().toStdString();
        info.checked = button->isChecked();
        // A check box's caption stands on the window; a push button's on its face.
        if (qobject_cast<QPushButton*>(w)) {
            info.foreground = rgbOf(palette.color(QPalette::ButtonText));
            info.face = rgbOf(palette.color(QPalette::Button));
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        info.text = edit->text().toStdString();
        info.background = rgbOf(palette.color(QPalette::Base));
        info.foreground = rgbOf(palette.color(QPalette::Text));
        info.face = info.background;
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        info.text = combo->currentText().toStdString();
        // A closed popup draws its row's text with the text pen on a button face.
        info.foreground = rgbOf(palette.color(QPalette::Text));
        info.face = rgbOf(palette.color(QPalette::Button));
    } else if (auto* area = qobject_cast<QTextEdit*>(w)) {
        info.text = area->toPlainText().toStdString();
    }
    return info;
}

std::string nativeTitle(const Window& window) {
    return window.nativeWindow() ? window.nativeWindow()->windowTitle().toStdString() : std::string();
}
bool nativeShown(const Window& window) { return window.nativeWindow() && window.nativeWindow()->isVisible(); }
int contentWidth(const Window& window) { return window.contentWidget() ? window.contentWidget()->width() : 0; }
int contentHeight(const Window& window) { return window.contentWidget() ? window.contentWidget()->height() : 0; }
bool hasCloseBox(const Window& window) {
    return window.nativeWindow() && window.nativeWindow()->windowFlags().testFlag(Qt::WindowCloseButtonHint);
}
bool hasMinimizeBox(const Window& window) {
    return window.nativeWindow() && window.nativeWindow()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
}
bool isResizable(const Window& window) {
    const QMainWindow* w = window.nativeWindow();
    return w && (w->minimumSize() != w->maximumSize() || w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TopLevelInfo topLevel(const Window& window) {
    TopLevelInfo info;
    QMainWindow* w = window.nativeWindow();
    if (!w) return info;
    info.width = w->width();
    info.height = w->height();
    info.minWidth = w->minimumWidth();
    info.minHeight = w->minimumHeight();
    info.maxWidth = w->maximumWidth();
    info.maxHeight = w->maximumHeight();
    if (QMenuBar* bar = w->menuWidget() ? qobject_cast<QMenuBar*>(w->menuWidget()) : nullptr)
        info.menuBarHeight = bar->isVisible() ? bar->height() : 0;
    const Qt::WindowFlags flags = w->windowFlags();
    info.closeBox = flags.testFlag(Qt::WindowCloseButtonHint);
    info.minimizeBox = flags.testFlag(Qt::WindowMinimizeButtonHint);
    info.maximizeBox = flags.testFlag(Qt::WindowMaximizeButtonHint);
    info.minimized = w->isMinimized();
    info.maximized = w->isMaximized();
    info.active = w->isActiveWindow();
    return info;
}

namespace {
// As the title bar that Qt draws on Wayland asks: the state of the native
// window, not of the widget. The window system's answer comes as a state
// change that it reports itself.
bool askToMaximize(QWindow* handle) {
    if (!handle) return false;
    struct Answer : QObject {
        bool came = false;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::WindowStateChange && event->spontaneous()) came = true;
            return false;
        }
    } answer;
    handle->installEventFilter(&answer);
    handle->setWindowState(handle->windowStates() & Qt::WindowMaximized ? Qt::WindowNoState : Qt::WindowMaximized);
    const bool answered = waitUntil([&] { return answer.came; });
    handle->removeEventFilter(&answer);
    return answered;
}
} // namespace

bool askToMaximize(const Window& window) {
    QMainWindow* native = window.nativeWindow();
    return native && askToMaximize(native->windowHandle());
}

bool askToMaximizeModalBox() {
    QWidget* box = QApplication::activeModalWidget();
    return box && askToMaximize(box->windowHandle()) && QTest::qWaitForWindowExposed(box, kDeadlineMs);
}

std::string platformName() { return QGuiApplication::platformName().toStdString(); }

void minimize(const Window& window) {
    QMainWindow* w = window.nativeWindow();
    if (!w) return;
    // A window manager minimises only a window that it has put on screen.
    if (!QTest::qWaitForWindowExposed(w, kDeadlineMs)) return;
    w->showMinimized();
    QCoreApplication::processEvents();
}

int shownTopLevelWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && !qobject_cast<QMenu*>(w)) ++n;
    return n;
}

std::vector<NativeMenuItem> nativeMenu(const Window& window) {
    std::vector<NativeMenuItem> out;
    QMainWindow* native = window.nativeWindow();
    if (!native || !native->menuBar()) return out;
    for (QAction* top : native->menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu) continue;
        for (QAction* a : menu->actions()) {
            out.push_back({menu->title().toStdString(), a->isSeparator() ? "-" : a->text().toStdString(),
                           a->objectName().toStdString(), a->shortcut().toString().toStdString(), a->isEnabled()});
        }
    }
    return out;
}

int nativeMenuCount(const Window& window) {
    QMainWindow* native = window.nativeWindow();
    if (!native || !native->menuBar()) return 0;
    return static_cast<int>(native->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly).size());
}

bool chooseMenu(const Window& window, const std::string& itemName) {
    QMainWindow* native = window.nativeWindow();
    if (!native || !native->menuBar()) return false;
    for (QAction* top : native->menuBar()->actions())
        if (QMenu* menu = top->menu())
            for (QAction* a : menu->actions())
                if (a->objectName().toStdString() == itemName) {
                    a->trigger();
                    return true;
                }
    return false;
}

void pressKeys(const Window& window, const std::string& keys) {
    QMainWindow* native = window.nativeWindow();
    if (!native) return;
    const QKeySequence seq(QString::fromStdString(keys));
    if (seq.isEmpty()) return;
    const QKeyCombination combo = seq[0];
    native->activateWindow();
    QTest::keyClick(native, combo.key(), combo.keyboardModifiers());
}

void closeBox(const Window& window) {
    if (QMainWindow* native = window.nativeWindow()) native->close();
}

void focus(const Ref<Object>& control) {
    QWidget* w = requireWidget(control);
    w->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
}

bool hasFocus(const Ref<Object>& control) { return requireWidget(control)->hasFocus(); }

void pressKeysIn(const Ref<Object>& control, const std::string& keys) {
    const QKeySequence seq(QString::fromStdString(keys));
    if (seq.isEmpty()) return;
    QTest::keyClick(requireWidget(control), seq[0].key(), seq[0].keyboardModifiers());
}

std::vector<std::string> misspeltMarks(const Ref<Object>& control) {
    std::vector<std::string> marks;
    auto* area = qobject_cast<QTextEdit*>(requireWidget(control));
    if (!area) return marks;
    for (QTextBlock block = area->document()->begin(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange& range : block.layout()->formats())
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline &&
                range.format.underlineColor() == QColor(Qt::red))
                marks.push_back(block.text().mid(range.start, range.length).toStdString());
    return marks;
}

void pressKeysOnFocus(const Window& window, const std::string& keys) {
    QMainWindow* native = window.nativeWindow();
    if (!native || !native->windowHandle()) return;
    const QKeySequence seq(QString::fromStdString(keys));
    if (seq.isEmpty()) return;
    const QKeyCombination combo = seq[0];
    QTest::keyClick(native->windowHandle(), combo.key(), combo.keyboardModifiers());
}

Ref<Object> focusedControl(const Window& window) {
    QMainWindow* native = window.nativeWindow();
    QWidget* focused = native ? native->focusWidget() : nullptr;
    if (!focused) return nullptr;
    for (const Ref<Control>& c : window.controls()) {
        QWidget* w = c->nativeWidget();
        if (w && (w == focused || w->isAncestorOf(focused))) return Ref<Object>(c.get());
    }
    return nullptr;
}

bool listOpen(const Ref<Object>& popup) {
    auto* combo = qobject_cast<QComboBox*>(requireWidget(popup));
    return combo && combo->view()->isVisible();
}

void turnWheel(const Ref<Object>& control, int notches) {
    QWidget* w = requireWidget(control);
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

bool openMenu(const Window& window, const std::string& menuName) {
    QMainWindow* native = window.nativeWindow();
    if (!native || !native->menuBar()) return false;
    for (QAction* top : native->menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu || menu->objectName().toStdString() != menuName) continue;
        QTest::mouseClick(native->menuBar(), Qt::LeftButton, Qt::NoModifier,
                          native->menuBar()->actionGeometry(top).center());
        menu->hide();
        return true;
    }
    return false;
}

bool screenshot(const Window& window, const std::string& path) {
    QMainWindow* native = window.nativeWindow();
    if (!native) return false;
    return native->grab().save(QString::fromStdString(path), "PNG");
}

std::string modalBoxText() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box ? box->text().toStdString() : std::string();
}

bool clickModalBoxOk() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QAbstractButton* ok = box ? box->button(QMessageBox::Ok) : nullptr;
    if (!ok) return false;
    clickInWindow(ok);
    return true;
}

void dismissModalBoxes() {
    while (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(QMessageBox::Ok);
}

void later(int ms, std::function<void()> action) {
    QTimer::singleShot(ms, QCoreApplication::instance(), [action = std::move(action)] { action(); });
}

bool textFits(const Ref<Object>& control) {
    QWidget* w = requireWidget(control);
    const QFontMetrics metrics(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = metrics.boundingRect(QRect(0, 0, w->width(), 100000), flags, label->text());
        return needed.width() <= w->width() && needed.height() <= w->height();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return metrics.horizontalAdvance(button->text()) < w->width() && metrics.height() <= w->height();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return metrics.horizontalAdvance(combo->currentText()) < w->width() && metrics.height() <= w->height();
    return true;
}

DrawnCell drawnCell(const Ref<Object>& list, int row, int column) {
    auto* table = qobject_cast<QTableWidget*>(requireWidget(list));
    QTableWidgetItem* item = table ? table->item(row, column) : nullptr;
    if (!item) return {};
    // The style draws an item's text inside a margin on either side of its cell.
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    const int left = table->columnViewportPosition(column);
    const int width = table->columnWidth(column);
    const QString shown = QFontMetrics(table->font()).elidedText(item->text(), table->textElideMode(), width - 2 * margin);
    return {shown.toStdString(), left >= 0 && left + width <= table->viewport()->width()};
}

int selectedRow(const Ref<Object>& list) {
    auto* table = qobject_cast<QTableWidget*>(requireWidget(list));
    const QModelIndexList rows = table ? table->selectionModel()->selectedRows() : QModelIndexList();
    return rows.isEmpty() ? -1 : rows.first().row();
}

Box drawnText(const Ref<Object>& label) {
    auto* w = qobject_cast<QLabel*>(requireWidget(label));
    if (!w) throw NilObjectException("not a label");
    const int flags = int(w->alignment()) | (w->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect r = w->style()
                        ->itemTextRect(w->fontMetrics(), w->contentsRect(), flags, w->isEnabled(), w->text())
                        .translated(w->pos());
    return Box{r.x(), r.y(), r.width(), r.height()};
}

void desktopSetsPalette(unsigned window, unsigned text) {
    QPalette palette;
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = static_cast<QPalette::ColorRole>(r);
        const bool isText = role == QPalette::WindowText || role == QPalette::Text || role == QPalette::ButtonText ||
                            role == QPalette::BrightText || role == QPalette::HighlightedText ||
                            role == QPalette::ToolTipText || role == QPalette::PlaceholderText;
        palette.setColor(role, QColor::fromRgb(isText ? text : window));
    }
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
}

long long paletteKey(const Ref<Object>& control) { return requireWidget(control)->palette().cacheKey(); }

bool activate(const Window& window) {
    QMainWindow* native = window.nativeWindow();
    if (!native) return false;
    native->activateWindow();
    return QTest::qWaitForWindowActive(native, kDeadlineMs);
}

void setClipboard(Incoming data, const std::string& text) {
    QGuiApplication::clipboard()->setMimeData(mimeData(data, text).release());
}

bool drop(const Ref<Object>& control, Incoming data, const std::string& text) {
    QWidget* target = requireWidget(control);
    // Drops land where the text is: an area's viewport, a combo box's field.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(target)) target = area->viewport();
    else if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit()) target = combo->lineEdit();
    const std::unique_ptr<QMimeData> mime = mimeData(data, text);
    const QPoint at = target->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at, actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted()) return false;
    QDropEvent dropped(at, actions, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

namespace {
QAccessibleInterface* accessibleOf(const Ref<Object>& control) {
    return QAccessible::queryAccessibleInterface(requireWidget(control));
}

QAccessibleEditableTextInterface* editableTextOf(const Ref<Object>& control) {
    QAccessibleInterface* iface = accessibleOf(control);
    return iface ? iface->editableTextInterface() : nullptr;
}
} // namespace

bool setAccessibleValue(const Ref<Object>& control, const std::string& text) {
    QAccessibleInterface* iface = accessibleOf(control);
    if (!iface || !iface->editableTextInterface()) return false;
    iface->setText(QAccessible::Value, QString::fromStdString(text));
    return true;
}

bool insertAccessibleText(const Ref<Object>& control, int at, const std::string& text) {
    QAccessibleEditableTextInterface* edit = editableTextOf(control);
    if (edit) edit->insertText(at, QString::fromStdString(text));
    return edit != nullptr;
}

bool deleteAccessibleText(const Ref<Object>& control, int from, int to) {
    QAccessibleEditableTextInterface* edit = editableTextOf(control);
    if (edit) edit->deleteText(from, to);
    return edit != nullptr;
}

bool replaceAccessibleText(const Ref<Object>& control, int from, int to, const std::string& text) {
    QAccessibleEditableTextInterface* edit = editableTextOf(control);
    if (edit) edit->replaceText(from, to, QString::fromStdString(text));
    return edit != nullptr;
}

bool doAccessibleAction(const Ref<Object>& control, const std::string& action) {
    QAccessibleInterface* iface = accessibleOf(control);
    QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
    const QString name = QString::fromStdString(action);
    if (!actions || !actions->actionNames().contains(name)) return false;
    actions->doAction(name);
    return true;
}

AccessibleInfo accessible(const Ref<Object>& control) {
    AccessibleInfo info;
    QAccessibleInterface* iface = accessibleOf(control);
    if (!iface) return info;
    info.name = iface->text(QAccessible::Name).toStdString();
    info.operable = iface->state().focusable;
    info.labelsShown = true;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label)) {
        info.labels.push_back(label->text(QAccessible::Name).toStdString());
        const auto* shown = qobject_cast<const QWidget*>(label->object());
        info.labelsShown = info.labelsShown && shown && !shown->isHidden();
    }
    return info;
}

int foreignAccessibleInterfaces(const Window& window) {
    QMainWindow* native = window.nativeWindow();
    if (!native) return 0;
    QList<QWidget*> widgets = native->findChildren<QWidget*>();
    widgets.prepend(native);
    int foreign = 0;
    for (QWidget* w : widgets) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (iface && iface->object() != w) ++foreign;
    }
    return foreign;
}

} // namespace fw::testing
