// The Qt backend's threads: mouse through the window, nested waits on the
// interface thread, menus and dialogs driven from a worker, and quitting.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/graphics.h"
#include "platform/mouse.h"
#include "platform/runtime.h"
#include "platform/window.h"
#include "support/dialog_label_check.h"
#include "support/platform_fixtures.h"

namespace {

using testing_support::QtSessionTest;

// Both buttons invisible, as in the tool dialogs.
DialogResource balancer_dialog()
{
    return {140,
            "Bilanciatore",
            300,
            120,
            {{1084, DialogControlKind::edit, "", 10, 10, 280, 20},
             {1085, DialogControlKind::static_text, "", 10, 40, 280, 20},
             {1, DialogControlKind::button, "Bilancia", 10, 80, 80, 24, false},
             {2, DialogControlKind::button, "Esci", 100, 80, 80, 24, false}}};
}

class QtEventsTest : public QtSessionTest {
protected:
    // Keeps the interface thread dispatching until the condition holds
    // (a guard against a hang, not a speed check).
    bool pump_until(const std::function<bool()>& condition)
    {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > give_up) return false;
            session().process_events(5);
        }
        return true;
    }
    // A modal dialog runs its own event loop on this thread, so what the
    // user does in it is queued to run once it is open.
    void when_dialog_open(std::function<void()> action)
    {
        qw_post_to_ui_thread([this, action] {
            if (session().dialog_open()) {
                action();
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                when_dialog_open(action);
            }
        });
    }
};

TEST_F(QtEventsTest, WindowMouseEventsCarryPositionAndKeyState)
{
    std::vector<MouseEvent> seen;
    qw_register_mouse_event(kQwGraphicsUnit, 127, [&](int unit, int event, int state, int x, int y) {
        EXPECT_EQ(unit, kQwGraphicsUnit);
        seen.push_back({event, state, x, y});
    });
    session().mouse(kMouseLeftDown, 120, 45, kMouseStateLeftButton | kMouseStateShift);
    session().mouse(kMouseMove, 121, 46, kMouseStateLeftButton);
    session().mouse(kMouseLeftUp, 121, 46);
    session().mouse(kMouseLeftDoubleClick, 121, 46, kMouseStateLeftButton);
    session().mouse(kMouseRightDown, 5, 6, kMouseStateRightButton | kMouseStateControl);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].event, kMouseLeftDown);
    EXPECT_EQ(seen[0].key_state, kMouseStateLeftButton | kMouseStateShift);
    EXPECT_EQ(seen[0].x, 120);
    EXPECT_EQ(seen[0].y, 45);
    EXPECT_EQ(seen[1].event, kMouseMove);
    EXPECT_EQ(seen[2].event, kMouseLeftUp);
    EXPECT_EQ(seen[3].event, kMouseLeftDoubleClick);
    EXPECT_EQ(seen[4].event, kMouseRightDown);
    EXPECT_EQ(seen[4].key_state, kMouseStateRightButton | kMouseStateControl);
}

TEST_F(QtEventsTest, WindowKeysArriveWithWindowsCodes)
{
    std::vector<std::pair<int, int>> seen;
    qw_set_key_handler([&](const KeyEvent& e) { seen.push_back({e.kind, e.code}); });
    session().key(kKeyDown, 16);  // Shift
    session().key(kKeyCharacter, 'x');
    session().key(kKeyDown, 37);  // Left
    session().key(kKeyUp, 16);
    session().key(kKeyDown, 'Q');
    const std::vector<std::pair<int, int>> expected{
        {kKeyDown, 16}, {kKeyCharacter, 'x'}, {kKeyDown, 37}, {kKeyUp, 16}, {kKeyDown, 'Q'}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(qw_get_key(), 'x');
}

TEST_F(QtEventsTest, NestedWaitOnTheInterfaceThreadKeepsDispatching)
{
    int moves = 0;
    qw_register_mouse_event(kQwGraphicsUnit, kMouseMove, [&](int, int, int, int, int) { ++moves; });
    session().mouse(kMouseLeftDown, 1, 1);  // before the wait: must not end it
    qw_post_to_ui_thread([this] {
        session().mouse(kMouseMove, 3, 3);
        session().mouse(kMouseRightDown, 4, 4);
        session().mouse(kMouseLeftDown, 50, 60);
    });
    const MouseEvent e = qw_wait_mouse_event(kMouseLeftDown);
    EXPECT_EQ(e.x, 50);
    EXPECT_EQ(e.y, 60);
    EXPECT_EQ(moves, 1);
}

TEST_F(QtEventsTest, WorkerWaitsWhileTheInterfaceThreadRuns)
{
    std::atomic<int> result{0};
    std::atomic<bool> callback_first{false};
    std::atomic<bool> called{false};
    qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown, [&](int, int, int, int, int) { called = true; });
    rt_start_thread([&] {
        const MouseEvent e = qw_wait_mouse_event(kMouseLeftDown);
        callback_first = called.load();
        result = e.x;
    });
    session().process_events(50);
    session().mouse(kMouseLeftDown, 77, 1);
    ASSERT_TRUE(pump_until([&] { return result != 0; }));
    EXPECT_EQ(result, 77);
    EXPECT_TRUE(callback_first);
}

TEST_F(QtEventsTest, WorkerDrawsAndBindsWhileTheWindowRepaints)
{
    std::atomic<bool> done{false};
    rt_start_thread([&] {
        for (int i = 0; i < 100; ++i) {
            qw_set_color_rgb(qw_rgb(i, 0, 0));
            qw_rectangle(QwControl::filled, 0, 0, 50, 50);
            qw_register_mouse_event(kQwGraphicsUnit, kMouseMove, [](int, int, int, int, int) {});
            qw_unregister_mouse_event(kQwGraphicsUnit, kMouseMove);
        }
        done = true;
    });
    ASSERT_TRUE(pump_until([&] {
        session().mouse(kMouseMove, 10, 10);
        return done.load();
    }));
    EXPECT_EQ(session().canvas_pixel(25, 25), qw_rgb(99, 0, 0));
}

TEST_F(QtEventsTest, MenusBuiltAndChangedFromAWorker)
{
    std::atomic<bool> done{false};
    std::atomic<int> clicks{0};
    rt_start_thread([&] {
        qw_append_menu_item(1, kQwMenuEnabled, "&Indice", qw_no_action);
        qw_append_menu_item(1, kQwMenuEnabled, "E&sci", [&] { ++clicks; });
        qw_insert_menu_item(1, 1, kQwMenuEnabled, "&1: Nozioni di base", qw_no_action);
        qw_append_menu_item(2, kQwMenuEnabled, "&?", [&] { clicks += 10; });
        qw_modify_menu_flags(1, 1, kQwMenuTicked);
        qw_modify_menu_flags(1, 2, kQwMenuGreyed);
        done = true;
    });
    ASSERT_TRUE(pump_until([&] { return done.load(); }));
    EXPECT_EQ(session().menu_text(1, 0), "&Indice");
    EXPECT_EQ(session().menu_text(1, 1), "&1: Nozioni di base");
    EXPECT_EQ(session().menu_flags(1, 1), kQwMenuEnabled | kQwMenuTicked);
    EXPECT_FALSE(session().trigger_menu(1, 2));  // greyed
    EXPECT_TRUE(session().trigger_menu(2, 0));   // a top entry without items
    EXPECT_TRUE(session().trigger_menu(1, 1));
    EXPECT_EQ(session().menu_flags(1, 1), kQwMenuEnabled | kQwMenuTicked);  // a click keeps the tick
    EXPECT_EQ(clicks, 10);
}

// The bar as the student sees it: each top entry, and whether it opens a menu.
std::string menu_bar_entries()
{
    std::string entries;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const auto* window = qobject_cast<QMainWindow*>(widget);
        if (window == nullptr || !window->isVisible()) continue;
        for (const QAction* action : window->menuBar()->actions()) {
            entries += action->text().toStdString() + (action->menu() != nullptr ? "> " : " ");
        }
    }
    return entries;
}

TEST_F(QtEventsTest, TheMenuBarKeepsItsOrderAsMenusAreAddedAndFilled)
{
    qw_append_menu_item(1, kQwMenuEnabled, "&A", qw_no_action);
    qw_append_menu_item(2, kQwMenuEnabled, "&C", qw_no_action);
    qw_insert_menu_item(2, 0, kQwMenuEnabled, "&B", qw_no_action);  // a top entry between two
    qw_insert_menu_item(1, 0, kQwMenuEnabled, "&0", qw_no_action);  // and before all
    EXPECT_EQ(menu_bar_entries(), "&0 &A &B &C ");
    qw_append_menu_item(3, kQwMenuEnabled, "b1", qw_no_action);     // the first item makes a menu of it
    qw_insert_menu_item(1, 1, kQwMenuEnabled, "01", qw_no_action);  // also at the first place
    qw_append_menu_item(3, kQwMenuEnabled, "b2", qw_no_action);
    qw_append_menu_item(4, kQwMenuEnabled, "c1", qw_no_action);
    EXPECT_EQ(menu_bar_entries(), "&0> &A &B> &C> ");
}

TEST_F(QtEventsTest, EnterAndEscPressInvisibleButtonsOfAWorkersDialog)
{
    Dialog dialog;
    dlg_init(balancer_dialog(), dialog);
    dlg_set_char(dialog, 1084, "Cl2 = ClO[-] b");
    std::atomic<int> result{0};
    rt_start_thread([&] { result = dlg_modal(dialog); });
    when_dialog_open([this] {
        session().dialog_type(1084, " x");
        session().dialog_key(13);
    });
    ASSERT_TRUE(pump_until([&] { return result != 0; }));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(dlg_get_char(dialog, 1084), " x");  // what was typed replaced the old text; readable after it closed

    result = 0;
    rt_start_thread([&] { result = dlg_modal(dialog); });
    when_dialog_open([this] { session().dialog_key(27); });
    ASSERT_TRUE(pump_until([&] { return result != 0; }));
    EXPECT_EQ(result, 2);
}

TEST_F(QtEventsTest, ButtonWithACallbackKeepsTheDialogOpen)
{
    Dialog dialog;
    dlg_init(balancer_dialog(), dialog);
    int runs = 0;
    dlg_set_callback(dialog, 1, [&](Dialog& d, std::int32_t, std::int32_t) {
        ++runs;
        dlg_set_char(d, 1085, "balanced " + dlg_get_char(d, 1084));
    });
    when_dialog_open([&] {
        session().dialog_type(1084, "H2+O2");
        session().dialog_key(13);
        EXPECT_TRUE(session().dialog_open());
        session().dialog_click(1);
        EXPECT_TRUE(session().dialog_open());
        session().dialog_key(27);
    });
    EXPECT_EQ(dlg_modal(dialog), 2);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(dlg_get_char(dialog, 1085), "balanced H2+O2");
}

// A path too long for its row takes more rows, broken after its slashes; the
// button below moves down and the dialog grows. A short line keeps its row.
TEST_F(QtEventsTest, AGrowingLabelShowsALongPathWhole)
{
    const std::string path = "/home/studente/Documenti/Chimica/esercizi_di_stechiometria/marzo_2009";
    DialogControl short_line{1114, DialogControlKind::static_text, "Aggiungere il problema", 10, 10, 180, 17};
    DialogControl long_line{1116, DialogControlKind::static_text, "Cartella: " + path, 10, 30, 180, 17};
    short_line.grows = long_line.grows = true;
    Dialog dialog;
    dlg_init(
        {149, "Attenzione!", 200, 90, {short_line, long_line, {1, DialogControlKind::button, "OK", 10, 60, 80, 24}}},
        dialog);
    when_dialog_open([&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            const auto* shown = qobject_cast<QDialog*>(window);
            if (shown == nullptr || !shown->isVisible()) continue;
            EXPECT_GT(shown->height(), 90);
            const QLabel* top = nullptr;
            const QLabel* wrapped = nullptr;
            for (const QLabel* label : shown->findChildren<QLabel*>()) (label->y() == 10 ? top : wrapped) = label;
            ASSERT_NE(top, nullptr);
            ASSERT_NE(wrapped, nullptr);
            EXPECT_EQ(top->height(), 17);
            EXPECT_GE(wrapped->height(), wrapped->heightForWidth(wrapped->width()));
            EXPECT_GE(wrapped->height(), 3 * wrapped->fontMetrics().lineSpacing());
            const QString text = wrapped->text();
            EXPECT_EQ(QString(text).remove(QChar(0x200B)).toStdString(), "Cartella: " + path);
            for (qsizetype at = text.indexOf(QChar(0x200B)); at >= 0; at = text.indexOf(QChar(0x200B), at + 1))
                EXPECT_EQ(text[at - 1], QLatin1Char('/')) << text.toStdString();
            const auto* ok = shown->findChild<QPushButton*>();
            ASSERT_NE(ok, nullptr);
            EXPECT_GE(ok->y(), wrapped->geometry().bottom());
        }
        session().dialog_key(27);
    });
    EXPECT_EQ(dlg_modal(dialog), 2);
}

// A folder's name too long for the export question's row starts a row of its
// own and is cut only where a row is full; the other rows end after a slash.
TEST_F(QtEventsTest, ALongPathBreaksAfterItsSlashesBeforeInsideAName)
{
    const std::string long_name = "una_cartella_dal_nome_piuttosto_lungo_per_una_riga";
    for (const std::string& path :
         std::vector<std::string>{"/home/studente/Documenti/Chimica/esercizi_di_stechiometria/marzo_2009",
                                  "/tmp/" + long_name + "/altra_cartella/dati", "/" + long_name}) {
        SCOPED_TRACE(path);
        DialogControl line{1116, DialogControlKind::static_text, "", 25, 68, 228, 17};
        line.grows = true;
        Dialog dialog;
        dlg_init({149, "Attenzione!", 279, 131, {line}}, dialog);
        dlg_set_char(dialog, 1116, "Cartella: " + path);
        const std::vector<std::string> lines = testing_support::label_lines(dialog, 1116);
        std::string joined;
        for (const std::string& l : lines) joined += l;
        ASSERT_EQ(joined, "Cartella: " + path);
        // The name's place in the label's text, if the path holds it.
        const std::size_t name_at = path.find(long_name);
        const std::size_t name_from = name_at == std::string::npos ? 0 : name_at + 10;
        const std::size_t name_to = name_at == std::string::npos ? 0 : name_from + long_name.size();
        bool name_starts_a_line = name_at == std::string::npos;
        std::size_t at = 0;  // where the next line starts in the text
        for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
            at += lines[k].size();
            name_starts_a_line = name_starts_a_line || at == name_from;
            const bool inside_name = at > name_from && at < name_to;
            EXPECT_TRUE(lines[k].ends_with('/') || inside_name) << lines[k] << " / " << lines[k + 1];
            if (inside_name) {
                EXPECT_GE(lines[k].size(), 30u) << lines[k];
            }
        }
        EXPECT_TRUE(name_starts_a_line);
    }
}

TEST_F(QtEventsTest, CheckBoxCallbacksSeeTheNewState)
{
    Dialog dialog;
    dlg_init({153,
              "Stampa su file",
              300,
              80,
              {{1118, DialogControlKind::check_box, "Stampa i risultati dopo il problema", 10, 10, 280, 20},
               {1119, DialogControlKind::check_box, "Stampa i risultati in un file separato", 10, 40, 280, 20}}},
             dialog);
    dlg_set_logical(dialog, 1118, true);
    const DialogCallback exclusive = [](Dialog& d, std::int32_t id, std::int32_t) {
        dlg_set_logical(d, 1118, id == 1118);
        dlg_set_logical(d, 1119, id == 1119);
    };
    dlg_set_callback(dialog, 1118, exclusive);
    dlg_set_callback(dialog, 1119, exclusive);
    when_dialog_open([&] {
        session().dialog_click(1119);
        session().dialog_click(1119);  // clicking the ticked box keeps it ticked
        session().dialog_key(27);
    });
    EXPECT_EQ(dlg_modal(dialog), 2);
    EXPECT_FALSE(dlg_get_logical(dialog, 1118));
    EXPECT_TRUE(dlg_get_logical(dialog, 1119));
}

TEST_F(QtEventsTest, QuitEndsWorkersBlockedInWaitsSleepsAndDialogs)
{
    std::atomic<int> started{0};
    std::atomic<int> stopped{0};
    auto blocked = [&](std::function<void()> body) {
        rt_start_thread([&, body] {
            ++started;
            try {
                body();
            } catch (const platform::ProgramStopping&) {
                ++stopped;
            }
        });
    };
    Dialog dialog;
    dlg_init(balancer_dialog(), dialog);
    blocked([] { qw_wait_mouse_event(kMouseLeftDown); });
    blocked([] { rt_sleep_ms(3'600'000); });
    blocked([] { rt_beep(440, 3'600'000); });
    blocked([] { qw_get_key(); });
    blocked([&] { dlg_modal(dialog); });  // never shown: the interface thread is busy
    while (started < 5) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    platform::stop_and_join_threads();
    EXPECT_EQ(stopped, 5);
    EXPECT_FALSE(dialog.open);
}

// With no window manager, a frame destroyed from outside (xdotool
// windowclose) gets only the display's notice that it is gone: the
// program ends then, as "Esci" ends it. Another window's notice does not.
TEST_F(QtEventsTest, AFrameDestroyedFromOutsideEndsTheProgram)
{
    const QMainWindow* frame = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && qobject_cast<QMainWindow*>(widget) != nullptr)
            frame = qobject_cast<QMainWindow*>(widget);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(frame->internalWinId(), 0u);
    xcb_destroy_notify_event_t gone{};
    gone.response_type = XCB_DESTROY_NOTIFY;
    qintptr result = 0;
    for (const WId window : {frame->internalWinId() + 1, frame->internalWinId()}) {
        EXPECT_FALSE(rt_stop_requested());
        gone.event = gone.window = static_cast<xcb_window_t>(window);
        QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &gone, &result);
    }
    EXPECT_TRUE(rt_stop_requested());
}

// A dialog destroyed from outside (xdotool windowclose on it alone, with or
// without a window manager) ends as Esc ends it, and the frame it blocked
// answers again; another window's notice leaves it open.
TEST_F(QtEventsTest, ADialogDestroyedFromOutsideEndsAsItsEscDoes)
{
    Dialog dialog;
    dlg_init(balancer_dialog(), dialog);
    std::atomic<int> result{0};
    bool open_after_another = false;
    bool open_after_its_own = true;
    rt_start_thread([&] { result = dlg_modal(dialog); });
    when_dialog_open([&] {
        const QWidget* shown = QApplication::activeModalWidget();
        xcb_destroy_notify_event_t gone{};
        gone.response_type = XCB_DESTROY_NOTIFY;
        qintptr filtered = 0;
        for (const WId window : {shown->internalWinId() + 1, shown->internalWinId()}) {
            open_after_another = shown->isVisible();
            gone.event = gone.window = static_cast<xcb_window_t>(window);
            QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &gone, &filtered);
        }
        open_after_its_own = shown->isVisible();
        if (open_after_its_own) session().dialog_key(27);  // the test ends either way
    });
    ASSERT_TRUE(pump_until([&] { return result != 0; }));
    EXPECT_TRUE(open_after_another);
    EXPECT_FALSE(open_after_its_own);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(rt_stop_requested());
}

TEST_F(QtEventsTest, QuitClosesAnOpenDialogAndEndsANestedWait)
{
    Dialog dialog;
    dlg_init(balancer_dialog(), dialog);
    std::atomic<bool> ended{false};
    rt_start_thread([&] {
        try {
            dlg_modal(dialog);
        } catch (const platform::ProgramStopping&) {
            ended = true;
        }
    });
    // The exit comes from inside the dialog's loop, which runs within the wait.
    when_dialog_open([] { rt_exit(0); });
    EXPECT_THROW(qw_wait_mouse_event(kMouseLeftDown), platform::ProgramStopping);
    platform::stop_and_join_threads();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(session().dialog_open());
}

TEST_F(QtEventsTest, AbsurdWindowRequestsDoNoHarm)
{
    EXPECT_EQ(qw_set_window_size(kQwFrameUnit, -5, -5, 2'000'000'000, -2'000'000'000), 1);
    EXPECT_EQ(qw_set_window_size(12345, 0, 0, 10, 10), 0);
    qw_place_graphics_window(-1, -1, 2000, 1000);
    EXPECT_FALSE(qw_set_window_config({0, 388, -1, -1, -1, -1, ""}));
    EXPECT_TRUE(qw_set_window_config({605, 388, -1, -1, -1, -1, " "}));
    session().process_events(20);
    session().mouse(kMouseLeftDown, 10, 10);
}

class HideCounter : public QObject {
public:
    int hides = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) ++hides;
        return false;
    }
};

// A window manager still mapping the frame may leave it unmapped if it is
// hidden and shown again: the start-up's frame calls must never hide it.
TEST_F(QtEventsTest, StartUpFrameCallsNeverHideTheShownFrame)
{
    QMainWindow* frame = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<QMainWindow*>(widget); window != nullptr && window->isVisible()) frame = window;
    }
    ASSERT_NE(frame, nullptr);
    HideCounter counter;
    frame->installEventFilter(&counter);
    qw_set_window_size(kQwFrameUnit, 20, 20, 605, 388);
    qw_fix_frame_size();
    qw_set_frame_title("Tarvisel - Brunatel 1.0");
    qw_place_graphics_window(-1, -1, 2000, 1000);
    session().process_events(20);
    EXPECT_EQ(counter.hides, 0);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    frame->removeEventFilter(&counter);
}

TEST_F(QtEventsTest, BeepLastsItsDuration)
{
    const auto start = std::chrono::steady_clock::now();
    rt_beep(880, 120);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(120));
    rt_beep(0, 0);  // no tone, no wait, no failure
}

}  // namespace
