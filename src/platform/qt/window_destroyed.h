#pragma once
// With no window manager, a window destroyed from outside (xdotool
// windowclose) gets no close event: only the display's notice that it is
// gone, which this reads for as long as it lives. With a window manager
// the notice comes too, and the toolkit still takes the window for shown:
// a modal dialog would go on blocking the frame.

#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <functional>

namespace platform::qt {

class WindowDestroyedFilter : public QAbstractNativeEventFilter {
public:
    WindowDestroyedFilter(const QWidget& window, std::function<void()> on_destroyed);
    ~WindowDestroyedFilter() override;
    WindowDestroyedFilter(const WindowDestroyedFilter&) = delete;
    WindowDestroyedFilter& operator=(const WindowDestroyedFilter&) = delete;
    bool nativeEventFilter(const QByteArray& event_type, void* message, qintptr* result) override;

private:
    const QWidget& window_;
    std::function<void()> on_destroyed_;
};

}  // namespace platform::qt
