#include "frame/window_subclass.h"

#include "platform/window.h"

KeyHandOver key_hand_over;

namespace {

constexpr std::int32_t shift_key = 16;

// Shift is tracked always; nothing on the problem page activates a field,
// so the other keys go on to the platform's own handling.
void child_window_keys(const KeyEvent& key)
{
    if (key.code != shift_key) return;
    if (key.kind == kKeyDown) key_hand_over.shift_down = 1;
    if (key.kind == kKeyUp) key_hand_over.shift_down = 0;
}

}  // namespace

void install_window_subclass()
{
    qw_fix_frame_size();
    qw_set_frame_title("Tarvisel - Brunatel 1.0");
    qw_set_key_handler(child_window_keys);
    qw_place_graphics_window(-1, -1, 2000, 1000);
}

void clear_input_fields()
{
    for (InputField& field : key_hand_over.fields) field = InputField{};
    key_hand_over.active_field = 0;
}
