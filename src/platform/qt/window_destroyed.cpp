#include "platform/qt/window_destroyed.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <utility>

namespace platform::qt {

WindowDestroyedFilter::WindowDestroyedFilter(const QWidget& window, std::function<void()> on_destroyed)
    : window_(window), on_destroyed_(std::move(on_destroyed))
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowDestroyedFilter::~WindowDestroyedFilter()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowDestroyedFilter::nativeEventFilter(const QByteArray& event_type, void* message, qintptr*)
{
    if (event_type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
    // A window the toolkit made anew in its place has another id.
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (window_.internalWinId() != 0 && destroyed->window == window_.internalWinId()) on_destroyed_();
    return false;
}

}  // namespace platform::qt
