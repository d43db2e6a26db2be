#pragma once
// The 2000 x 1000 canvas shared by every drawing thread and the window that
// shows it: one lock, and a flag that asks for a repaint.

#include <QImage>
#include <atomic>
#include <mutex>

#include "platform/raster_canvas.h"

namespace platform::qt {

inline constexpr std::int32_t kCanvasWidth = 2000;
inline constexpr std::int32_t kCanvasHeight = 1000;

struct CanvasStore {
    std::mutex mutex;
    RasterCanvas canvas{kCanvasWidth, kCanvasHeight};
    // Wraps the canvas pixels, so text painted here lands in the canvas.
    QImage image{reinterpret_cast<uchar*>(canvas.data()), kCanvasWidth, kCanvasHeight,
                 static_cast<qsizetype>(kCanvasWidth) * 4, QImage::Format_RGB32};
    std::atomic<bool> dirty{true};

    // Called under the lock after drawing. A page draws thousands of pieces
    // between two repaints: only the first has to write the flag (a write
    // would wait for all the pixels written before it).
    void touched()
    {
        if (!dirty.load(std::memory_order_relaxed)) dirty.store(true);
    }
};

}  // namespace platform::qt
