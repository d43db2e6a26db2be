// The print and stop attributes of the error types.
#include "numerics/error_handler.h"
#include "numerics/error_state.h"

namespace {

void apply_setting(std::array<std::int32_t, 8>& table, const std::array<std::int32_t, 8>& defaults, std::size_t type,
                   std::int32_t setting)
{
    if (setting == 0 || setting == 1) table[type] = setting;
    if (setting == 2) table[type] = defaults[type];
}

}  // namespace

void set_error_attributes(std::int32_t iertyp, std::int32_t& ipatt, std::int32_t& isatt)
{
    auto& state = error_state();
    if (iertyp >= -7 && iertyp <= -1) {
        ipatt = print_attribute_of(-iertyp);
        isatt = stop_attribute_of(-iertyp);
        return;
    }
    if (iertyp < 0) return;
    bool invalid = false;
    if (ipatt < -1 || ipatt > 2) {
        store_int_message_param(1, ipatt);
        E1MES(5, 1, "Invalid value specified for print table attribute.  IPATT must be -1, 0, 1, or 2.  IPATT = %(I1)");
        invalid = true;
    }
    if (isatt < -1 || isatt > 2) {
        store_int_message_param(1, isatt);
        E1MES(5, 1, "Invalid value specified for stop table attribute.  ISATT must be -1, 0, 1, or 2.  ISATT = %(I1)");
        invalid = true;
    }
    if (invalid || iertyp > 7) return;
    const std::size_t first = iertyp == 0 ? 1 : static_cast<std::size_t>(iertyp);
    const std::size_t last = iertyp == 0 ? 7 : static_cast<std::size_t>(iertyp);
    for (std::size_t type = first; type <= last; ++type) {
        apply_setting(state.print_attribute, default_print_attribute, type, ipatt);
        apply_setting(state.stop_attribute, default_stop_attribute, type, isatt);
    }
}

void ERSET(std::int32_t iersvr, std::int32_t ipact, std::int32_t isact)
{
    E1PSH("ERSET");
    if (iersvr < 0 || iersvr > 5) {
        store_int_message_param(1, iersvr);
        E1MES(5, 1, "Invalid error severity level indicator.  IERSVR must be 0 to 5.  IERSVR = %(I1)");
    }
    if (ipact < -1 || ipact > 2) {
        store_int_message_param(1, ipact);
        E1MES(5, 2, "Invalid value specified for printing action.  IPACT must be -1 to 2.  IPACT = %(I1)");
    }
    if (isact < -1 || isact > 2) {
        store_int_message_param(1, isact);
        E1MES(5, 3, "Invalid value specified for stopping action.  ISACT must be -1 to 2.  ISACT = %(I1)");
    }
    if (N1RTY(0) < 1) {
        set_error_attributes(iersvr, ipact, isact);
        // The deferred warning and fatal classes follow their immediate ones.
        if (iersvr == 3) set_error_attributes(6, ipact, isact);
        if (iersvr == 4) set_error_attributes(7, ipact, isact);
    }
    E1POP("ERSET");
}
