#include "text/message_dialog.h"

#include "numbers/fixed_width.h"
#include "platform/dialogs.h"

namespace {

// Dialog units of the 8-point dialog font in pixels: 4 units across and 8
// down make one character cell of 6 by 13 pixels.
constexpr std::int32_t across(std::int32_t units)
{
    return units * 6 / 4;
}
constexpr std::int32_t down(std::int32_t units)
{
    return units * 13 / 8;
}

constexpr std::int32_t line1_id = 1114;
constexpr std::int32_t line2_id = 1115;
constexpr std::int32_t line3_id = 1116;

// A line too long for its row, such as a full path, takes more rows.
DialogControl line(std::int32_t id, std::int32_t y)
{
    DialogControl text{id, DialogControlKind::static_text, "", across(17), down(y), across(152), down(11)};
    text.grows = true;
    return text;
}

DialogControl button(std::int32_t id, std::string text, std::int32_t x)
{
    return {id, DialogControlKind::button, std::move(text), across(x), down(60), across(50), down(14)};
}

DialogResource message_dialog_resource()
{
    return {149,
            "Attenzione!",
            across(186),
            down(81),
            {line(line1_id, 17), line(line2_id, 29), line(line3_id, 42), button(kDialogOk, "OK", 129),
             button(kDialogCancel, "Cancel", 7)}};
}

}  // namespace

std::int32_t show_message_dialog(std::string_view line1, std::string_view line2, std::string_view line3)
{
    Dialog dialog;
    if (!dlg_init(message_dialog_resource(), dialog)) return -1;
    dlg_set_char(dialog, line1_id, strip_trailing_blanks(line1));
    dlg_set_char(dialog, line2_id, strip_trailing_blanks(line2));
    dlg_set_char(dialog, line3_id, strip_trailing_blanks(line3));
    return dlg_modal(dialog) == kDialogOk ? 0 : -1;
}
