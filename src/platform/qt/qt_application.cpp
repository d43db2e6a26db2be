#include "platform/qt/qt_application.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSocketNotifier>
#include <QtGlobal>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/events.h"
#include "platform/mouse.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/frame_window.h"
#include "platform/qt/own_fonts.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/termination_signals.h"

namespace platform::qt {
namespace {

void choose_offscreen_without_display()
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
}

void print_serious_only(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Qt ends the process with exit(1) from inside its loop when the X
// connection breaks (the window killed from outside, the server gone): the
// platform's threads, still running, would meet their std::thread's
// destructor and abort. They are stopped and joined first.
void join_threads_at_exit(int, void* application_running)
{
    if (*static_cast<const bool*>(application_running)) stop_and_join_threads();
}

}  // namespace

void silence_qt_notices()
{
    qInstallMessageHandler(print_serious_only);
}

int run_application(int argc, char** argv, const std::vector<std::function<void()>>& startup)
{
    TerminationSignals termination;
    const std::string hidden = see_only_own_fonts();
    QApplication app(argc, argv);
    if (const std::string failure = hidden.empty() ? load_own_fonts() : hidden; !failure.empty()) {
        report_font_failure(failure);
        return cannot_draw_exit_code;
    }
    int exit_code = 0;
    {
        QtBackend backend(true);
        install_backend(&backend);
        const auto watcher = termination.watch([&backend](int code) { backend.end(code); });
        static bool application_running = false;
        static const bool joining_at_exit = on_exit(join_threads_at_exit, &application_running) == 0;
        application_running = joining_at_exit;
        backend.frame().show();
        for (const auto& routine : startup) {
            if (!run_guarded(routine) || rt_stop_requested()) break;
        }
        exit_code = rt_stop_requested() ? backend.exit_code() : QApplication::exec();
        stop_and_join_threads();
        application_running = false;
        install_backend(nullptr);
    }
    return exit_code;
}

struct Application::Impl {
    Impl(int& argc, char** argv) : hidden((choose_offscreen_without_display(), see_only_own_fonts())), app(argc, argv)
    {}
    std::string hidden;  // the failure to hide the system's fonts
    QApplication app;
    std::string font_failure = hidden.empty() ? load_own_fonts() : hidden;
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>(argc, argv)) {}
Application::~Application() = default;

const std::string& Application::font_failure() const
{
    return impl_->font_failure;
}

struct Session::Impl {
    QtBackend backend{false};
};

Session::Session() : impl_(std::make_unique<Impl>())
{
    install_backend(&impl_->backend);
    impl_->backend.frame().show();
}

Session::~Session()
{
    install_backend(nullptr);
}

Backend& Session::backend()
{
    return impl_->backend;
}

void Session::stop_clock(std::int64_t unix_seconds)
{
    impl_->backend.stop_clock(unix_seconds);
}

void Session::process_events(std::int32_t milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (std::chrono::steady_clock::now() < end);
}

std::int32_t Session::canvas_pixel(std::int32_t x, std::int32_t y) const
{
    CanvasStore& store = impl_->backend.store();
    std::lock_guard lock(store.mutex);
    return store.canvas.pixel(x, y);
}

bool Session::save_png(const std::string& path, std::int32_t width, std::int32_t height) const
{
    CanvasStore& store = impl_->backend.store();
    std::lock_guard lock(store.mutex);
    const QRect area = QRect(0, 0, width, height).intersected(store.image.rect());
    return store.image.copy(area).save(QString::fromStdString(path), "PNG");
}

void Session::mouse(std::int32_t event, std::int32_t x, std::int32_t y, std::int32_t key_state)
{
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    switch (event) {
    case kMouseLeftDown:
        type = QEvent::MouseButtonPress;
        button = Qt::LeftButton;
        break;
    case kMouseLeftUp:
        type = QEvent::MouseButtonRelease;
        button = Qt::LeftButton;
        break;
    case kMouseLeftDoubleClick:
        type = QEvent::MouseButtonDblClick;
        button = Qt::LeftButton;
        break;
    case kMouseRightDown:
        type = QEvent::MouseButtonPress;
        button = Qt::RightButton;
        break;
    case kMouseRightUp:
        type = QEvent::MouseButtonRelease;
        button = Qt::RightButton;
        break;
    case kMouseRightDoubleClick:
        type = QEvent::MouseButtonDblClick;
        button = Qt::RightButton;
        break;
    default: break;
    }
    Qt::MouseButtons buttons;
    if (key_state & kMouseStateLeftButton) buttons |= Qt::LeftButton;
    if (key_state & kMouseStateRightButton) buttons |= Qt::RightButton;
    Qt::KeyboardModifiers modifiers;
    if (key_state & kMouseStateShift) modifiers |= Qt::ShiftModifier;
    if (key_state & kMouseStateControl) modifiers |= Qt::ControlModifier;
    CanvasWidget* canvas = impl_->backend.frame().canvas();
    const QPointF local(x, y);
    QMouseEvent qevent(type, local, canvas->mapToGlobal(local), button, buttons, modifiers);
    QCoreApplication::sendEvent(canvas, &qevent);
}

void Session::key(std::int32_t kind, std::int32_t code)
{
    CanvasWidget* canvas = impl_->backend.frame().canvas();
    if (kind == kKeyCharacter) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(code)));
        QCoreApplication::sendEvent(canvas, &press);
    } else {
        QKeyEvent event(kind == kKeyUp ? QEvent::KeyRelease : QEvent::KeyPress, qt_key(code), Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &event);
    }
}

bool Session::trigger_menu(std::int32_t menu, std::int32_t item)
{
    QAction* action = impl_->backend.frame().menu_action(menu, item);
    if (action == nullptr || !action->isEnabled()) return false;
    action->trigger();
    return true;
}

std::string Session::menu_text(std::int32_t menu, std::int32_t item) const
{
    QAction* action = impl_->backend.frame().menu_action(menu, item);
    return action == nullptr ? std::string() : action->text().toStdString();
}

std::int32_t Session::menu_flags(std::int32_t menu, std::int32_t item) const
{
    return impl_->backend.frame().menu_flags(menu, item);
}

bool Session::dialog_open() const
{
    return impl_->backend.top_dialog() != nullptr;
}

bool Session::dialog_key(std::int32_t virtual_key)
{
    DialogWindow* window = impl_->backend.top_dialog();
    if (window == nullptr) return false;
    const int key = qt_key(virtual_key);
    if (key == 0) return false;
    // Sent to the focused control, as a real key press would be.
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    return true;
}

bool Session::dialog_click(std::int32_t control_id)
{
    DialogWindow* window = impl_->backend.top_dialog();
    QWidget* widget = window == nullptr ? nullptr : window->control(control_id);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
        return true;
    }
    return false;
}

bool Session::dialog_text_fits(std::int32_t control_id) const
{
    DialogWindow* window = impl_->backend.top_dialog();
    auto* label = qobject_cast<QLabel*>(window == nullptr ? nullptr : window->control(control_id));
    if (label == nullptr) return false;
    const QRect needed =
        label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
    return needed.width() <= label->width() && needed.height() <= label->height();
}

std::int32_t Session::dialog_title_room() const
{
    const DialogWindow* window = impl_->backend.top_dialog();
    if (window == nullptr) return -1;
    return window->width() - title_text_width(window->windowTitle(), window->font());
}

bool Session::dialog_type(std::int32_t control_id, const std::string& text)
{
    DialogWindow* window = impl_->backend.top_dialog();
    auto* edit = qobject_cast<QLineEdit*>(window == nullptr ? nullptr : window->control(control_id));
    if (edit == nullptr) return false;
    edit->setFocus();
    for (const QChar c : QString::fromStdString(text)) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &press);
    }
    return true;
}

}  // namespace platform::qt
