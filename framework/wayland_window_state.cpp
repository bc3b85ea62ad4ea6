#include "framework/wayland_window_state.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace fw::wayland {

namespace {
constexpr char kGuardName[] = "maximizeGuard";

// Takes the window off the screen and puts it back: the compositor forgets the
// one it knew and maps a new one, on top. The widget's own hiding is bypassed,
// as a dialog's would end its modal loop as if the user had answered it.
void showAfresh(QWidget& window) {
    window.QWidget::setVisible(false);
    window.QWidget::setVisible(true);
}

// Watches one top-level window's state: a request to maximise it is seen here
// in the same call that makes it, before it leaves the program, and so is a
// maximised state that the compositor reports on its own.
class MaximizeGuard : public QObject {
public:
    MaximizeGuard(QWindow& handle, QWidget& window) : QObject(&handle), window_(&window) {
        setObjectName(kGuardName);
        connect(&handle, &QWindow::windowStateChanged, this, &MaximizeGuard::stateChanged);
    }

private:
    void stateChanged(Qt::WindowState state) {
        auto* handle = static_cast<QWindow*>(parent());
        if (state != Qt::WindowMaximized || !window_ || handle->minimumSize() != handle->maximumSize()) return;
        handle->setWindowStates(handle->windowStates() & ~Qt::WindowMaximized);
        // Taking the request back does not reach the compositor, which answers
        // with the maximised state regardless: the window it was asked for is
        // gone instead, and the one shown in its place is not maximised.
        showAfresh(*window_);
        // The title bar takes its clicks while a message box waits for the
        // user, and the box must not end up below the window shown anew.
        QWidget* box = QApplication::activeModalWidget();
        if (box && box != window_ && box->isVisible()) showAfresh(*box);
    }

    QPointer<QWidget> window_;
};

// Gives each top-level window its guard when it is first shown.
class Watcher : public QObject {
protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::Show || !target->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(target);
        QWindow* handle = widget->isWindow() ? widget->windowHandle() : nullptr;
        if (handle && !handle->findChild<QObject*>(QLatin1String(kGuardName), Qt::FindDirectChildrenOnly))
            new MaximizeGuard(*handle, *widget);
        return false;
    }
};
} // namespace

std::unique_ptr<QObject> keepFixedSizes() {
    if (!qApp || !QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return nullptr;
    auto watcher = std::make_unique<Watcher>();
    qApp->installEventFilter(watcher.get());
    return watcher;
}

} // namespace fw::wayland
