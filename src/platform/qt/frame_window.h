#pragma once
// The frame window: a menu bar and a client area covered by the canvas
// widget, which shows the canvas and turns mouse and key input into the
// platform's events.

#include <QMainWindow>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/qt/canvas_store.h"
#include "platform/qt/window_destroyed.h"
#include "platform/window.h"

class QAction;
class QMenu;

namespace platform::qt {

// Windows virtual-key code of a Qt key (0 for keys the program never asks
// about), and back.
std::int32_t virtual_key(int key);
int qt_key(std::int32_t virtual_key_code);

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(CanvasStore& store, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void deliver(QMouseEvent* event, std::int32_t left_event, std::int32_t right_event);
    CanvasStore& store_;
};

// Closing the frame, or destroying it from outside, runs on_close.
class FrameWindow : public QMainWindow {
    Q_OBJECT
public:
    FrameWindow(CanvasStore& store, std::function<void()> on_close);
    ~FrameWindow() override;

    // The outer size asked for is that of the original frame; the client
    // area gets what that frame's client area showed.
    void place(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    void place_canvas(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
    CanvasWidget* canvas() const { return canvas_; }

    bool append_menu_item(std::int32_t menu, std::int32_t flags, const QString& text, MenuCallback callback);
    bool insert_menu_item(std::int32_t menu, std::int32_t item, std::int32_t flags, const QString& text,
                          MenuCallback callback);
    bool modify_menu_flags(std::int32_t menu, std::int32_t item, std::int32_t flags);
    // For tests: the action of a menu entry (item 0: the top-level entry).
    QAction* menu_action(std::int32_t menu, std::int32_t item) const;
    std::int32_t menu_flags(std::int32_t menu, std::int32_t item) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Entry {
        QAction* action = nullptr;
        std::int32_t flags = kQwMenuEnabled;
    };
    struct TopMenu {
        Entry entry;  // shown in the bar while the menu has no items
        QMenu* menu = nullptr;
        std::vector<Entry> items;
    };
    Entry make_entry(QObject* parent, std::int32_t flags, const QString& text, MenuCallback callback);
    void apply(Entry& entry, std::int32_t flags);
    static QAction* bar_action(const TopMenu& top);
    void show_in_bar(std::size_t index);
    QMenu* menu_of(TopMenu& top);

    CanvasWidget* canvas_ = nullptr;
    QWidget* client_ = nullptr;
    std::vector<TopMenu> menus_;
    std::function<void()> on_close_;
    std::unique_ptr<WindowDestroyedFilter> destroyed_filter_;
};

}  // namespace platform::qt
