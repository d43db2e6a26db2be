#include "platform/qt/frame_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/events.h"
#include "platform/mouse.h"
#ifdef BRUNATEL_STARTUP_PROBE
#include "platform/qt/startup_probe.h"
#endif

namespace platform::qt {
namespace {

// The original frame's borders, caption and menu bar took this much of its
// outer size; the rest was its client area.
constexpr std::int32_t kFrameExtraWidth = 8;
constexpr std::int32_t kFrameExtraHeight = 47;
constexpr int kRepaintIntervalMs = 15;

std::int32_t key_state(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    std::int32_t state = 0;
    if (buttons & Qt::LeftButton) state |= kMouseStateLeftButton;
    if (buttons & Qt::RightButton) state |= kMouseStateRightButton;
    if (modifiers & Qt::ShiftModifier) state |= kMouseStateShift;
    if (modifiers & Qt::ControlModifier) state |= kMouseStateControl;
    return state;
}

// Windows virtual-key codes of the Qt keys the program may ask about.
constexpr std::pair<int, std::int32_t> kVirtualKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},  {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},  {Qt::Key_End, 35},   {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},     {Qt::Key_Up, 38},     {Qt::Key_Right, 39},  {Qt::Key_Down, 40},  {Qt::Key_Delete, 46},
};

}  // namespace

std::int32_t virtual_key(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return key;  // same codes
    for (const auto& [known, code] : kVirtualKeys) {
        if (known == key) return code;
    }
    return 0;
}

int qt_key(std::int32_t virtual_key_code)
{
    if ((virtual_key_code >= 'A' && virtual_key_code <= 'Z') || (virtual_key_code >= '0' && virtual_key_code <= '9')) {
        return virtual_key_code;
    }
    for (const auto& [key, code] : kVirtualKeys) {
        if (code == virtual_key_code) return key;
    }
    return 0;
}

CanvasWidget::CanvasWidget(CanvasStore& store, QWidget* parent) : QWidget(parent), store_(store)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    startTimer(kRepaintIntervalMs);
}

void CanvasWidget::timerEvent(QTimerEvent*)
{
    if (store_.dirty.exchange(false)) update();
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    std::lock_guard lock(store_.mutex);
    painter.drawImage(event->rect(), store_.image, event->rect());
#ifdef BRUNATEL_STARTUP_PROBE
    end_after_first_paint();
#endif
}

void CanvasWidget::deliver(QMouseEvent* event, std::int32_t left_event, std::int32_t right_event)
{
    const std::int32_t bit = event->button() == Qt::LeftButton    ? left_event
                             : event->button() == Qt::RightButton ? right_event
                                                                  : 0;
    if (bit == 0) return;
    const QPoint p = event->position().toPoint();
    deliver_mouse_event({bit, key_state(event->buttons(), event->modifiers()), p.x(), p.y()});
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    deliver(event, kMouseLeftDown, kMouseRightDown);
}
void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    deliver(event, kMouseLeftUp, kMouseRightUp);
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    deliver(event, kMouseLeftDoubleClick, kMouseRightDoubleClick);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    deliver_mouse_event({kMouseMove, key_state(event->buttons(), event->modifiers()), p.x(), p.y()});
}

void CanvasWidget::keyPressEvent(QKeyEvent* event)
{
    if (const std::int32_t code = virtual_key(event->key()); code != 0) deliver_key_event({kKeyDown, code});
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() < 256) {
        deliver_key_event({kKeyCharacter, static_cast<std::int32_t>(text.at(0).unicode())});
    }
}

void CanvasWidget::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) return;
    if (const std::int32_t code = virtual_key(event->key()); code != 0) deliver_key_event({kKeyUp, code});
}

FrameWindow::FrameWindow(CanvasStore& store, std::function<void()> on_close)
    : on_close_(std::move(on_close)), destroyed_filter_(std::make_unique<WindowDestroyedFilter>(*this, on_close_))
{
    client_ = new QWidget(this);
    setCentralWidget(client_);
    canvas_ = new CanvasWidget(store, client_);
    place_canvas(-1, -1, kCanvasWidth, kCanvasHeight);
    menuBar()->setNativeMenuBar(false);
    // The frame always fits its menu bar and client area exactly: no resizing,
    // no maximising. Set before the first show: changing the flags of a shown
    // window unmaps it and maps it again, and a window manager still busy with
    // the first map may then leave it unmapped.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    place(20, 20, 605, 388);
    canvas_->setFocus();
}

FrameWindow::~FrameWindow() = default;

void FrameWindow::place(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    move(x, y);
    // A client area larger than the canvas would show nothing more.
    client_->setFixedSize(std::clamp(width - kFrameExtraWidth, 1, kCanvasWidth),
                          std::clamp(height - kFrameExtraHeight, 1, kCanvasHeight));
}

void FrameWindow::place_canvas(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height)
{
    canvas_->setGeometry(x, y, std::clamp(width, 1, kCanvasWidth), std::clamp(height, 1, kCanvasHeight));
}

void FrameWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (on_close_) on_close_();
}

FrameWindow::Entry FrameWindow::make_entry(QObject* parent, std::int32_t flags, const QString& text,
                                           MenuCallback callback)
{
    Entry entry;
    entry.action = new QAction(text, parent);
    QAction* action = entry.action;
    // The program alone decides the ticks: a click must not flip one.
    connect(action, &QAction::triggered, action, [action, callback](bool checked) {
        if (action->isCheckable()) action->setChecked(!checked);
        if (callback) callback();
    });
    apply(entry, merge_menu_flags(kQwMenuEnabled, flags));
    return entry;
}

void FrameWindow::apply(Entry& entry, std::int32_t flags)
{
    entry.flags = flags;
    entry.action->setEnabled((flags & kQwMenuGreyed) == 0);
    // Only a ticked item shows a check indicator, as on the original frame.
    entry.action->setCheckable((flags & kQwMenuTicked) != 0);
    entry.action->setChecked((flags & kQwMenuTicked) != 0);
}

QMenu* FrameWindow::menu_of(TopMenu& top)
{
    if (top.menu == nullptr) {
        top.menu = new QMenu(top.entry.action->text(), this);
        top.menu->menuAction()->setEnabled(top.entry.action->isEnabled());
    }
    return top.menu;
}

QAction* FrameWindow::bar_action(const TopMenu& top)
{
    return top.items.empty() ? top.entry.action : top.menu->menuAction();
}

// Puts the top menu at its place in the bar, in place of what stood for it
// there before. Only that one changes: the bar measures all of its entries
// again on every change.
void FrameWindow::show_in_bar(std::size_t index)
{
    TopMenu& top = menus_[index];
    menuBar()->insertAction(index + 1 < menus_.size() ? bar_action(menus_[index + 1]) : nullptr, bar_action(top));
    if (!top.items.empty()) menuBar()->removeAction(top.entry.action);
}

bool FrameWindow::append_menu_item(std::int32_t menu, std::int32_t flags, const QString& text, MenuCallback callback)
{
    const auto count = static_cast<std::int32_t>(menus_.size());
    if (menu == count + 1) {
        menus_.push_back({make_entry(this, flags, text, std::move(callback)), nullptr, {}});
        show_in_bar(menus_.size() - 1);
        return true;
    }
    if (menu < 1 || menu > count) return false;
    TopMenu& top = menus_[static_cast<std::size_t>(menu - 1)];
    QMenu* qmenu = menu_of(top);
    top.items.push_back(make_entry(qmenu, flags, text, std::move(callback)));
    qmenu->addAction(top.items.back().action);
    if (top.items.size() == 1) show_in_bar(static_cast<std::size_t>(menu - 1));
    return true;
}

bool FrameWindow::insert_menu_item(std::int32_t menu, std::int32_t item, std::int32_t flags, const QString& text,
                                   MenuCallback callback)
{
    const auto count = static_cast<std::int32_t>(menus_.size());
    if (item == 0) {
        if (menu < 1 || menu > count + 1) return false;
        menus_.insert(menus_.begin() + (menu - 1), {make_entry(this, flags, text, std::move(callback)), nullptr, {}});
        show_in_bar(static_cast<std::size_t>(menu - 1));
        return true;
    }
    if (menu < 1 || menu > count) return false;
    TopMenu& top = menus_[static_cast<std::size_t>(menu - 1)];
    const auto items = static_cast<std::int32_t>(top.items.size());
    if (item < 1 || item > items + 1) return false;
    QMenu* qmenu = menu_of(top);
    Entry entry = make_entry(qmenu, flags, text, std::move(callback));
    qmenu->insertAction(item <= items ? top.items[static_cast<std::size_t>(item - 1)].action : nullptr, entry.action);
    top.items.insert(top.items.begin() + (item - 1), entry);
    if (items == 0) show_in_bar(static_cast<std::size_t>(menu - 1));
    return true;
}

bool FrameWindow::modify_menu_flags(std::int32_t menu, std::int32_t item, std::int32_t flags)
{
    if (menu < 1 || menu > static_cast<std::int32_t>(menus_.size())) return false;
    TopMenu& top = menus_[static_cast<std::size_t>(menu - 1)];
    if (item == 0) {
        apply(top.entry, merge_menu_flags(top.entry.flags, flags));
        if (top.menu != nullptr) top.menu->menuAction()->setEnabled(top.entry.action->isEnabled());
        return true;
    }
    if (item < 1 || item > static_cast<std::int32_t>(top.items.size())) return false;
    Entry& entry = top.items[static_cast<std::size_t>(item - 1)];
    apply(entry, merge_menu_flags(entry.flags, flags));
    return true;
}

QAction* FrameWindow::menu_action(std::int32_t menu, std::int32_t item) const
{
    if (menu < 1 || menu > static_cast<std::int32_t>(menus_.size())) return nullptr;
    const TopMenu& top = menus_[static_cast<std::size_t>(menu - 1)];
    if (item == 0) return top.menu != nullptr && !top.items.empty() ? top.menu->menuAction() : top.entry.action;
    if (item < 1 || item > static_cast<std::int32_t>(top.items.size())) return nullptr;
    return top.items[static_cast<std::size_t>(item - 1)].action;
}

std::int32_t FrameWindow::menu_flags(std::int32_t menu, std::int32_t item) const
{
    if (menu < 1 || menu > static_cast<std::int32_t>(menus_.size())) return 0;
    const TopMenu& top = menus_[static_cast<std::size_t>(menu - 1)];
    if (item == 0) return top.entry.flags;
    if (item < 1 || item > static_cast<std::int32_t>(top.items.size())) return 0;
    return top.items[static_cast<std::size_t>(item - 1)].flags;
}

}  // namespace platform::qt
