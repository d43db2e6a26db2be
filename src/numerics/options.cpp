#include "numerics/options.h"

#include <string>
#include <vector>

#include "numerics/error_handler.h"
#include "numerics/library_hooks.h"
#include "numerics/machine_constants.h"
#include "numerics/text_utilities.h"

namespace {

using Option = std::vector<std::int32_t>;
using Chapter = std::vector<Option>;

struct OptionSet {
    const char* name;
    std::vector<Chapter> chapters;  // chapter c at index c - 1
};

struct OptionTable {
    std::vector<OptionSet> current;
    std::vector<OptionSet> defaults;
    bool defaults_taken = false;
};

OptionTable make_option_table()
{
    OptionSet math{"MATH", std::vector<Chapter>(10)};
    math.chapters[0] = Chapter(17);  // options 1..15 carry no values
    math.chapters[0][15] = {1, 16, 0, 1};
    math.chapters[0][16] = {1, 2};
    math.chapters[9] = Chapter{{0}};
    OptionSet stat{"STAT", std::vector<Chapter>(20)};
    return OptionTable{{math, stat}, {}, false};
}

OptionTable option_table = make_option_table();

std::string folded(std::string_view text)
{
    std::string out;
    for (const char c : text) out += static_cast<char>(char_code_upper(c));
    return out;
}

void trace_values(bool put, std::int32_t option, std::int32_t chapter, const std::string& set, const Option& values)
{
    std::int32_t unit = 0;
    UMACH(2, unit);
    const std::string where = "option " + std::to_string(option) + " of " + set + " chapter " + std::to_string(chapter);
    write_library_line(unit, "");
    if (put) {
        write_library_line(unit, " A change (put) was made by IUMAG to " + where + ",");
        write_library_line(unit, " resulting in the following values for that option:");
    } else {
        write_library_line(unit, " A return (get) of the following values");
        write_library_line(unit, " from " + where);
        write_library_line(unit, " was performed by IUMAG:");
    }
    write_library_line(unit, "   entry number       value");
    std::int32_t needed = 0;
    for (std::size_t k = 0; k < values.size(); ++k) {
        write_library_line(unit, int_to_text(static_cast<std::int32_t>(k + 1), 15, needed) +
                                     int_to_text(values[k], 12, needed));
    }
}

// Finds the option set; checks the arguments and raises their errors.
OptionSet* checked_set(const std::string& name, std::int32_t ichp, std::int32_t iact, std::int32_t numopt,
                       const std::int32_t* iopts)
{
    if (iact != 1 && iact != 2) {
        store_int_message_param(1, iact);
        E1MES(5, 1, "IACT must be 1 to get option values or 2 to put option values.  IACT = %(I1) is invalid.");
    }
    const std::size_t set_index = name == "MATH" ? 0 : name == "STAT" ? 1 : 2;
    if (set_index == 2) {
        store_literal_message_param(1, name);
        E1MES(5, 2, "The product name must be either MATH or STAT.  PRODNM = %(L1) is invalid.");
    }
    if (N1RTY(0) != 0) return nullptr;
    OptionSet& set = option_table.current[set_index];
    const auto chapter_count = static_cast<std::int32_t>(set.chapters.size());
    if (ichp < 1 || ichp > chapter_count) {
        store_int_message_param(1, ichp);
        store_int_message_param(2, chapter_count);
        E1MES(5, 3,
              set_index == 0
                  ? "ICHP = %(I1) is an invalid MATH chapter number.  To get or put MATH options, ICHP must be "
                    "between 1 and %(I2)."
                  : "ICHP = %(I1) is an invalid STAT chapter number.  To get or put STAT options, ICHP must be "
                    "between 1 and %(I2).");
        return nullptr;
    }
    const Chapter& chapter = set.chapters[static_cast<std::size_t>(ichp - 1)];
    if (chapter.empty()) {
        store_int_message_param(1, ichp);
        E1MES(5, 4,
              set_index == 0 ? "No options exist for MATH chapter %(I1).  Only existing options may have values "
                               "retrieved from or placed into them."
                             : "No options exist for STAT chapter %(I1).  Only existing options may have values "
                               "retrieved from or placed into them.");
    }
    if (numopt < 1) {
        store_int_message_param(1, numopt);
        E1MES(5, 5, "NUMOPT = %(I1) is an invalid number of options.  NUMOPT must be greater than zero.");
    }
    if (N1RTY(0) != 0) return nullptr;
    const auto option_count = static_cast<std::int64_t>(chapter.size());
    for (std::int32_t i = 1; i <= numopt; ++i) {
        const std::int64_t option = iopts[i - 1];
        const std::int64_t magnitude = option < 0 ? -option : option;
        if (option == 0 || magnitude > option_count || chapter[static_cast<std::size_t>(magnitude - 1)].empty()) {
            store_int_message_param(1, i);
            store_int_message_param(2, iopts[i - 1]);
            store_literal_message_param(1, name);
            store_int_message_param(3, ichp);
            E1MES(5, 6, "IOPTS(%(I1)) = %(I2) is an invalid %(L1) chapter %(I3) option number.");
        }
    }
    return N1RTY(0) != 0 ? nullptr : &set;
}

}  // namespace

void IUMAG(std::string_view prodnm, std::int32_t ichp, std::int32_t iact, std::int32_t numopt,
           const std::int32_t* iopts, std::int32_t* ivals)
{
    const std::string name = folded(prodnm);
    E1PSH("IUMAG");
    OptionSet* set = checked_set(name, ichp, iact, numopt, iopts);
    E1POP("IUMAG");
    if (set == nullptr) return;
    if (!option_table.defaults_taken) {
        option_table.defaults = option_table.current;
        option_table.defaults_taken = true;
    }
    const std::size_t set_index = set == &option_table.current[0] ? 0 : 1;
    Chapter& chapter = set->chapters[static_cast<std::size_t>(ichp - 1)];
    const Chapter& defaults = option_table.defaults[set_index].chapters[static_cast<std::size_t>(ichp - 1)];
    const bool trace = option_table.current[0].chapters[9][0][0] > 0;
    std::size_t next = 0;
    for (std::int32_t i = 0; i < numopt; ++i) {
        const std::int32_t option = iopts[i] < 0 ? -iopts[i] : iopts[i];
        Option& values = chapter[static_cast<std::size_t>(option - 1)];
        const Option& default_values = defaults[static_cast<std::size_t>(option - 1)];
        if (iact == 1) {
            const Option& source = iopts[i] < 0 ? default_values : values;
            for (const std::int32_t v : source) ivals[next++] = v;
            if (trace) trace_values(false, option, ichp, name, source);
        } else {
            if (iopts[i] < 0) {
                values = default_values;
            } else {
                for (std::int32_t& v : values) v = ivals[next++];
            }
            if (trace) trace_values(true, option, ichp, name, values);
        }
    }
}
