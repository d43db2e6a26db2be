#include "platform/qt/qt_backend.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QThread>

#include "platform/core_state.h"
#include "platform/events.h"
#include "platform/qt/alsa_beep.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/frame_window.h"

namespace platform::qt {

QtBackend::QtBackend(bool application_mode)
    : application_mode_(application_mode), frame_(std::make_unique<FrameWindow>(store_, [this] { end(0); }))
{}

QtBackend::~QtBackend() = default;

template <class Draw>
void QtBackend::draw(Draw&& draw)
{
    std::lock_guard lock(store_.mutex);
    draw(store_.canvas);
    store_.touched();
}

void QtBackend::rectangle(const DrawState& s, QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                          std::int32_t y2)
{
    draw([&](RasterCanvas& c) { c.rectangle(s.clip, control, x1, y1, x2, y2, s.colour); });
}

// One lock for them all: a page background has thousands.
void QtBackend::fill_rectangles(DrawState s, std::span<const QwColourBox> boxes)
{
    draw([&](RasterCanvas& c) { c.fill_rectangles(s.clip, boxes); });
}

void QtBackend::ellipse(const DrawState& s, QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                        std::int32_t y2)
{
    draw([&](RasterCanvas& c) { c.ellipse(s.clip, control, x1, y1, x2, y2, s.colour); });
}

void QtBackend::polygon(const DrawState& s, QwControl control, std::span<const QwPoint> points)
{
    draw([&](RasterCanvas& c) { c.polygon(s.clip, control, points, s.colour); });
}

void QtBackend::line(const DrawState& s, QwPoint from, QwPoint to)
{
    draw([&](RasterCanvas& c) { c.line(s.clip, from, to, s.colour); });
}

std::int32_t QtBackend::get_pixel(std::int32_t x, std::int32_t y)
{
    std::lock_guard lock(store_.mutex);
    return store_.canvas.pixel(x, y);
}

void QtBackend::set_pixel(const DrawState& s, std::int32_t x, std::int32_t y, std::int32_t colour)
{
    draw([&](RasterCanvas& c) { c.set_pixel(s.clip, x, y, colour); });
}

void QtBackend::flood_fill(const DrawState& s, std::int32_t x, std::int32_t y, std::int32_t boundary)
{
    draw([&](RasterCanvas& c) { c.flood_fill(s.clip, x, y, boundary, s.colour); });
}

std::int32_t QtBackend::initialize_fonts()
{
    std::lock_guard lock(store_.mutex);
    const std::int32_t faces = text_.available_faces();
    return faces > 0 ? faces : -1;
}

std::int32_t QtBackend::select_font(const FontRequest& request)
{
    std::lock_guard lock(store_.mutex);
    return text_.select(request);
}

std::int32_t QtBackend::text_extent(std::int32_t font, std::string_view text)
{
    std::lock_guard lock(store_.mutex);
    return text_.extent(font, text);
}

std::vector<QwInkColumn> QtBackend::text_ink(std::int32_t font, std::string_view text)
{
    std::lock_guard lock(store_.mutex);
    return text_.ink(font, text);
}

QwTextRows QtBackend::text_rows(std::int32_t font, std::string_view text)
{
    std::lock_guard lock(store_.mutex);
    return text_.rows(font, text);
}

std::int32_t QtBackend::out_text(const DrawState& state, std::string_view text)
{
    std::lock_guard lock(store_.mutex);
    const std::int32_t extent = text_.draw(store_.image, state, text);
    store_.touched();
    return extent;
}

bool QtBackend::run_on_ui(const std::function<void()>& task)
{
    if (on_ui_thread()) {
        task();
        return true;
    }
    enum class Stage { pending, running, finished, cancelled };
    auto stage = std::make_shared<Stage>(Stage::pending);
    auto& core = detail::core();
    // The task refers to the caller's frame: the caller waits until it has
    // finished, and a task that never started is cancelled before it can.
    QMetaObject::invokeMethod(
        frame_.get(),
        [stage, &task, &core] {
            {
                std::lock_guard lock(core.mutex);
                if (*stage == Stage::cancelled) return;
                *stage = Stage::running;
            }
            task();
            {
                std::lock_guard lock(core.mutex);
                *stage = Stage::finished;
            }
            notify_waiters();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(core.mutex);
    core.changed.wait(lock,
                      [&] { return *stage == Stage::finished || (core.stopping.load() && *stage == Stage::pending); });
    if (*stage == Stage::finished) return true;
    *stage = Stage::cancelled;
    return false;
}

bool QtBackend::set_window_size(std::int32_t unit, std::int32_t x, std::int32_t y, std::int32_t width,
                                std::int32_t height)
{
    if (unit != kQwFrameUnit) return unit == kQwGraphicsUnit;
    return run_on_ui([&] { frame_->place(x, y, width, height); });
}

bool QtBackend::set_window_config(const QwWindowConfig& config)
{
    const auto valid = [](std::int32_t v) { return v == -1 || v > 0; };
    return valid(config.width_pixels) && valid(config.height_pixels);
}

void QtBackend::click_menu(std::int32_t) {}
void QtBackend::set_exit_mode(std::int32_t) {}

void QtBackend::set_frame_title(std::string_view title)
{
    const QString text = qtext(title);
    run_on_ui([&] { frame_->setWindowTitle(text); });
}

// The frame is made fixed when it is built, before it is shown.
void QtBackend::fix_frame_size() {}

void QtBackend::place_graphics_window(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    run_on_ui([&] { frame_->place_canvas(x, y, width, height); });
}

bool QtBackend::append_menu_item(std::int32_t menu, std::int32_t flags, std::string_view text, MenuCallback callback)
{
    bool ok = false;
    const QString label = qtext(text);
    run_on_ui([&] { ok = frame_->append_menu_item(menu, flags, label, std::move(callback)); });
    return ok;
}

bool QtBackend::insert_menu_item(std::int32_t menu, std::int32_t item, std::int32_t flags, std::string_view text,
                                 MenuCallback callback)
{
    bool ok = false;
    const QString label = qtext(text);
    run_on_ui([&] { ok = frame_->insert_menu_item(menu, item, flags, label, std::move(callback)); });
    return ok;
}

bool QtBackend::modify_menu_flags(std::int32_t menu, std::int32_t item, std::int32_t flags)
{
    bool ok = false;
    run_on_ui([&] { ok = frame_->modify_menu_flags(menu, item, flags); });
    return ok;
}

std::int32_t QtBackend::run_modal(Dialog& dialog)
{
    std::int32_t result = kDialogCancel;
    run_on_ui([&] {
        if (rt_stop_requested()) return;
        DialogWindow window(dialog, frame_.get());
        open_dialogs_[&dialog] = &window;
        dialog_stack_.push_back(&window);
        result = window.run();
        dialog_stack_.pop_back();
        open_dialogs_.erase(&dialog);
    });
    return result;
}

void QtBackend::dialog_changed(Dialog& dialog, std::int32_t control_id)
{
    Dialog* key = &dialog;
    auto refresh = [this, key, control_id] {
        if (const auto it = open_dialogs_.find(key); it != open_dialogs_.end()) it->second->refresh(control_id);
    };
    if (on_ui_thread()) {
        refresh();
    } else {
        QMetaObject::invokeMethod(frame_.get(), refresh, Qt::QueuedConnection);
    }
}

void QtBackend::close_dialog(Dialog& dialog)
{
    Dialog* key = &dialog;
    auto close = [this, key] {
        if (const auto it = open_dialogs_.find(key); it != open_dialogs_.end()) it->second->finish();
    };
    if (on_ui_thread()) {
        close();
    } else {
        QMetaObject::invokeMethod(frame_.get(), close, Qt::QueuedConnection);
    }
}

bool QtBackend::on_ui_thread()
{
    return QThread::currentThread() == frame_->thread();
}

void QtBackend::wait_on_ui_thread(const std::function<bool()>& done)
{
    if (done()) return;
    QEventLoop loop;
    ui_waits_.push_back({&loop, &done});
    loop.exec();
    std::erase_if(ui_waits_, [&](const UiWait& w) { return w.loop == &loop; });
}

void QtBackend::check_ui_waits()
{
    for (const UiWait& wait : ui_waits_) {
        if ((*wait.done)()) wait.loop->quit();
    }
}

void QtBackend::wake_ui_waiters()
{
    if (on_ui_thread()) {
        check_ui_waits();
    } else {
        QMetaObject::invokeMethod(
            frame_.get(), [this] { check_ui_waits(); }, Qt::QueuedConnection);
    }
}

void QtBackend::post_to_ui_thread(std::function<void()> task)
{
    QMetaObject::invokeMethod(frame_.get(), std::move(task), Qt::QueuedConnection);
}

void QtBackend::request_quit(std::int32_t code)
{
    auto quit = [this, code] {
        exit_code_ = code;
        for (DialogWindow* window : dialog_stack_) window->finish();
        check_ui_waits();
        if (application_mode_) QCoreApplication::exit(code);
    };
    if (on_ui_thread()) {
        quit();
    } else {
        QMetaObject::invokeMethod(frame_.get(), quit, Qt::QueuedConnection);
    }
}

void QtBackend::end(std::int32_t code)
{
    request_stop();
    request_quit(code);
}

void QtBackend::show_stop_message(std::string_view message)
{
    const QString text = qtext(message);
    if (!application_mode_) {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        return;
    }
    run_on_ui([&] { QMessageBox::critical(frame_.get(), frame_->windowTitle(), text); });
}

void QtBackend::beep(std::int32_t frequency_hz, std::int32_t duration_ms)
{
    play_tone(frequency_hz, duration_ms);
}

std::int64_t QtBackend::unix_seconds()
{
    return stopped_clock_ ? *stopped_clock_ : Backend::unix_seconds();
}

}  // namespace platform::qt
