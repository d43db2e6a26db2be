#include "platform/dialogs.h"

#include <algorithm>

#include "platform/core_state.h"
#include "platform/events.h"

using platform::detail::host;

namespace {

const DialogControl* find_control(const Dialog& dialog, std::int32_t id)
{
    const auto& controls = dialog.resource.controls;
    const auto it = std::find_if(controls.begin(), controls.end(), [id](const auto& c) { return c.id == id; });
    return it == controls.end() ? nullptr : &*it;
}

}  // namespace

bool dlg_init(const DialogResource& resource, Dialog& dialog)
{
    if (dialog.open) return false;
    dialog = Dialog{};
    dialog.resource = resource;
    for (const DialogControl& control : resource.controls) {
        dialog.texts[control.id] = control.text;
        if (control.kind == DialogControlKind::check_box) dialog.checks[control.id] = false;
    }
    return true;
}

bool dlg_set_char(Dialog& dialog, std::int32_t control_id, std::string_view text)
{
    if (find_control(dialog, control_id) == nullptr) return false;
    dialog.texts[control_id] = std::string(text);
    if (dialog.open) host().dialog_changed(dialog, control_id);
    return true;
}

std::string dlg_get_char(const Dialog& dialog, std::int32_t control_id)
{
    const auto it = dialog.texts.find(control_id);
    return it == dialog.texts.end() ? std::string() : it->second;
}

bool dlg_set_logical(Dialog& dialog, std::int32_t control_id, bool checked)
{
    const DialogControl* control = find_control(dialog, control_id);
    if (control == nullptr || control->kind != DialogControlKind::check_box) return false;
    dialog.checks[control_id] = checked;
    if (dialog.open) host().dialog_changed(dialog, control_id);
    return true;
}

bool dlg_get_logical(const Dialog& dialog, std::int32_t control_id)
{
    const auto it = dialog.checks.find(control_id);
    return it != dialog.checks.end() && it->second;
}

bool dlg_set_callback(Dialog& dialog, std::int32_t control_id, DialogCallback callback)
{
    if (find_control(dialog, control_id) == nullptr) return false;
    dialog.callbacks[control_id] = std::move(callback);
    return true;
}

std::int32_t dlg_modal(Dialog& dialog)
{
    platform::detail::throw_if_stopping();
    if (dialog.open) return -1;
    dialog.open = true;
    dialog.closing_id = 0;
    const std::int32_t result = host().run_modal(dialog);
    dialog.open = false;
    platform::detail::throw_if_stopping();
    return result;
}

void dlg_exit(Dialog& dialog, std::int32_t result)
{
    dialog.closing_id = result;
    if (dialog.open) host().close_dialog(dialog);
}

bool dlg_press(Dialog& dialog, std::int32_t control_id)
{
    const DialogControl* control = find_control(dialog, control_id);
    if (control == nullptr) {
        // Enter and Esc close a dialog that lacks the button they stand for.
        if (control_id != kDialogOk && control_id != kDialogCancel) return false;
        dialog.closing_id = control_id;
        return true;
    }
    if (control->kind == DialogControlKind::check_box) {
        dialog.checks[control_id] = !dialog.checks[control_id];
        if (dialog.open) host().dialog_changed(dialog, control_id);
    }
    const auto callback = dialog.callbacks.find(control_id);
    if (callback != dialog.callbacks.end() && callback->second) {
        const DialogCallback routine = callback->second;  // the callback may rebind itself
        platform::run_guarded([&] { routine(dialog, control_id, 0); });
    } else if (control->kind == DialogControlKind::button) {
        dialog.closing_id = control_id;
    }
    return dialog.closing_id != 0;
}
