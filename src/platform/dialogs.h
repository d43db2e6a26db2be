#pragma once
// Modal dialogs built from the program's own resource tables. Texts and
// check states can be set before a dialog is shown, read after it closes, and
// read or set by its callbacks while it is open. Enter presses button 1 and
// Esc button 2, also when those buttons are not visible. A button with a
// callback keeps the dialog open; any other button closes it with its id.
// Dialogs always run on the user-interface thread; a call from another
// thread waits for it.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::int32_t kDialogOk = 1;
inline constexpr std::int32_t kDialogCancel = 2;

enum class DialogControlKind {
    button,       // push button; id 1 is the default button
    edit,         // single-line text the user can type in
    static_text,  // a label or an output field
    check_box,
    group_box,
};

// Places and sizes are pixels of the dialog's client area.
struct DialogControl {
    std::int32_t id = 0;
    DialogControlKind kind = DialogControlKind::static_text;
    std::string text;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool visible = true;
    // A label that takes as many rows as its text needs when the dialog
    // opens; what lies below it moves down and the dialog grows with it.
    bool grows = false;
};

struct DialogResource {
    std::int32_t id = 0;
    std::string title;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<DialogControl> controls;
    // Where the dialog opens, in pixels from the top left of the frame;
    // centred over the frame when not placed.
    bool placed = false;
    std::int32_t left = 0;
    std::int32_t top = 0;
};

struct Dialog;
// Runs on the user-interface thread with the open dialog; callback_type is
// always 0 (a click or a change).
using DialogCallback = std::function<void(Dialog& dialog, std::int32_t control_id, std::int32_t callback_type)>;

// One dialog's live state; fill it with dlg_init and use it only through dlg_*.
struct Dialog {
    DialogResource resource;
    std::map<std::int32_t, std::string> texts;
    std::map<std::int32_t, bool> checks;
    std::map<std::int32_t, DialogCallback> callbacks;
    bool open = false;
    std::int32_t closing_id = 0;  // set by dlg_exit or by a button press
};

// Loads the resource into the dialog (texts and states from the table).
bool dlg_init(const DialogResource& resource, Dialog& dialog);
// False for a control the dialog does not have.
bool dlg_set_char(Dialog& dialog, std::int32_t control_id, std::string_view text);
std::string dlg_get_char(const Dialog& dialog, std::int32_t control_id);
bool dlg_set_logical(Dialog& dialog, std::int32_t control_id, bool checked);
bool dlg_get_logical(const Dialog& dialog, std::int32_t control_id);
bool dlg_set_callback(Dialog& dialog, std::int32_t control_id, DialogCallback callback);
// Shows the dialog modally; returns the id of the control that closed it
// (2 when closed with Esc or the window's close control).
std::int32_t dlg_modal(Dialog& dialog);
// Closes the open dialog from one of its callbacks with the given result.
void dlg_exit(Dialog& dialog, std::int32_t result);
// What a press of a control does (used by the backends and by tests): a
// check box toggles; a control with a callback runs it; a button without one
// closes the dialog with its id. Returns true when the dialog is to close.
bool dlg_press(Dialog& dialog, std::int32_t control_id);
