// The name stack, the recording of errors and the decisions to print and to
// stop when a routine returns.
#include "numerics/error_handler.h"

#include <string>

#include "numerics/error_state.h"
#include "numerics/library_hooks.h"

namespace {

ErrorHandlerState init_error_tables()
{
    ErrorHandlerState state;
    state.levels[1] = ErrorLevel{"USER", 0, 0, false};
    state.print_attribute = default_print_attribute;
    state.stop_attribute = default_stop_attribute;
    return state;
}

// Gives the stop attribute of the most severe deferred error noted since the
// last check, and forgets the notes.
std::int32_t deferred_stop_check(ErrorHandlerState& state)
{
    std::int32_t stop = 0;
    if (state.type7_noted) {
        stop = state.stop_attribute[7];
    } else if (state.type6_noted) {
        stop = state.stop_attribute[6];
    }
    state.type6_noted = false;
    state.type7_noted = false;
    return stop;
}

std::int32_t recorded_at(std::int32_t iopt, bool type, std::string_view routine)
{
    auto& state = error_state();
    if (iopt != 0 && iopt != 1) {
        report_handler_failure(".  The argument passed to " + std::string(routine) + " must be 0 or 1. ", routine);
        return 0;
    }
    const ErrorLevel& level = state.levels[static_cast<std::size_t>(state.level + iopt)];
    return type ? level.type : level.code;
}

}  // namespace

ErrorHandlerState& error_state()
{
    static ErrorHandlerState state = init_error_tables();
    return state;
}

std::int32_t print_attribute_of(std::int32_t type)
{
    return (type >= 1 && type <= 7) ? error_state().print_attribute[static_cast<std::size_t>(type)] : 0;
}

std::int32_t stop_attribute_of(std::int32_t type)
{
    return (type >= 1 && type <= 7) ? error_state().stop_attribute[static_cast<std::size_t>(type)] : 0;
}

void E1PSH(std::string_view name)
{
    auto& state = error_state();
    if (state.level >= max_error_levels) {
        store_int_message_param(1, max_error_levels);
        report_handler_failure(
            assemble_message("Error condition in E1PSH.  Push would cause stack level to exceed %(I1). "), "E1PSH");
        ++state.refused_pushes;
        return;
    }
    ++state.level;
    state.levels[static_cast<std::size_t>(state.level)] = ErrorLevel{std::string(name.substr(0, 32)), 0, 0, false};
}

void E1POP(std::string_view name)
{
    auto& state = error_state();
    if (state.refused_pushes > 0) {
        --state.refused_pushes;
        return;
    }
    if (state.level <= 1) {
        store_literal_message_param(1, name);
        report_handler_failure(
            assemble_message("Error condition in E1POP.  Cannot pop from %(L1) because stack is empty."), "E1POP");
        return;
    }
    ErrorLevel& level = state.levels[static_cast<std::size_t>(state.level)];
    if (name.substr(0, 32) != level.name) {
        // The routine ends all the same: the level is popped after the report.
        store_literal_message_param(1, name);
        store_literal_message_param(2, level.name);
        report_handler_failure(
            assemble_message("Error condition in E1POP.  %(L1) does not match the name %(L2) in the stack."), "E1POP");
    }
    ErrorLevel& caller = state.levels[static_cast<std::size_t>(state.level - 1)];
    const std::int32_t t = level.type;
    if (t != 0) {
        const bool called_by_user = state.level == 2;
        if ((t >= 5 || called_by_user) && print_attribute_of(t) == 1) print_error_message(t, level.code);
        bool stop = false;
        if (t < 5) {
            stop = called_by_user && stop_attribute_of(t) == 1;
        } else if (t == 5) {
            stop = stop_attribute_of(t) == 1;
        } else if (called_by_user) {
            stop = deferred_stop_check(state) == 1;
        }
        if (stop && !level.stop_requested) {
            level.stop_requested = true;
            request_stop(t, level.code, level.name);
        }
        // Errors pass upward; a note stays where it was raised.
        if (t >= 2 && t <= 7) {
            caller.type = t;
            caller.code = level.code;
            caller.stop_requested = level.stop_requested;
        }
    }
    ErrorLevel& above = state.levels[static_cast<std::size_t>(state.level + 1)];
    above.type = -1;
    above.code = -1;
    --state.level;
}

void E1MES(std::int32_t iertyp, std::int32_t iercod, std::string_view msg)
{
    auto& state = error_state();
    if (iertyp < -1 || iertyp > 7) {
        report_handler_failure(".  Error from E1MES.  Illegal error type specified. ", "E1MES");
        return;
    }
    ErrorLevel& level = state.levels[static_cast<std::size_t>(state.level)];
    if (iertyp != -1) level.type = iertyp;
    if (iercod >= 0) level.code = iercod;
    if (iertyp == 0 || iercod == 0) {
        state.message.clear();
        state.parameters.clear();
        return;
    }
    if (!msg.empty() && msg != " ") state.message = assemble_message(msg);
    const std::int32_t t = level.type;
    if (t == 6) state.type6_noted = true;
    if (t == 7) state.type7_noted = true;
    state.parameters.clear();
    if (t >= 5 && print_attribute_of(t) == 1) print_error_message(t, level.code);
}

std::int32_t N1RTY(std::int32_t iopt)
{
    return recorded_at(iopt, true, "N1RTY");
}

std::int32_t N1RCD(std::int32_t iopt)
{
    return recorded_at(iopt, false, "N1RCD");
}
